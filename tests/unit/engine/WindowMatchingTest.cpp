#include <gtest/gtest.h>

#include "engine/WindowMatching.h"
#include "platform/sim/SimDesktop.h"

namespace velgaro {
namespace {

class WindowMatchingTest : public ::testing::Test {
 protected:
  WindowHandle TopLevel(const std::string& cls, const std::string& caption, WindowHandle owner = 0) {
    return desktop.Create(SimWindowSpec{cls, caption, 0, owner, Rect{0, 0, 400, 300}, true, false});
  }
  WindowHandle Child(WindowHandle parent, const std::string& cls, const std::string& caption) {
    return desktop.Create(SimWindowSpec{cls, caption, parent, 0, Rect{10, 10, 50, 30}, true, false});
  }
  WindowPath Describe(WindowHandle w) const {
    WindowPath path;
    matcher.DescribeWindow(w, path);
    return path;
  }

  SimDesktop desktop;
  WindowMatcher matcher{desktop, 0};
};

TEST_F(WindowMatchingTest, ThreeEmptyEditFieldsGetOrdinalsOneToThreeAndAreFoundAgain) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  const WindowHandle edits[] = {Child(dialog, "Edit", ""), Child(dialog, "Edit", ""), Child(dialog, "Edit", "")};
  for (int i = 0; i < 3; ++i) {
    const WindowPath path = Describe(edits[i]);
    ASSERT_EQ(path.size(), 2u);
    EXPECT_EQ(path[0], (WindowLevel{"#32770", "Setup", 1}));
    EXPECT_EQ(path[1], (WindowLevel{"Edit", "", i + 1}));
    EXPECT_EQ(matcher.FindRecordedWindow(path), edits[i]);
  }
}

TEST_F(WindowMatchingTest, EditFieldsAreDescribedByTheirPlaceWhateverTheyHold) {
  const WindowHandle dialog = TopLevel("#32770", "Folder");
  const WindowHandle edits[] = {Child(dialog, "Edit", "C:\\Users\\rec\\App"), Child(dialog, "Button", "Browse"),
                                Child(dialog, "Edit", ""), Child(dialog, "RichEdit20W", "licence text")};
  EXPECT_EQ(Describe(edits[0]).back(), (WindowLevel{"Edit", "", 1}));
  EXPECT_EQ(Describe(edits[1]).back(), (WindowLevel{"Button", "Browse", 1}));
  EXPECT_EQ(Describe(edits[2]).back(), (WindowLevel{"Edit", "", 2}));
  EXPECT_EQ(Describe(edits[3]).back(), (WindowLevel{"RichEdit20W", "", 1}));
  const WindowPath first = Describe(edits[0]);
  // Another machine, another default: the field is found by its place.
  desktop.Destroy(dialog);
  const WindowHandle again = TopLevel("#32770", "Folder");
  const WindowHandle field = Child(again, "Edit", "C:\\Users\\play\\App");
  Child(again, "Edit", "");
  EXPECT_EQ(matcher.FindRecordedWindow(first), field);
}

TEST_F(WindowMatchingTest, AnEditLevelRecordedWithItsContentIsFoundByItsPlaceWhenTheContentDiffers) {
  const WindowHandle dialog = TopLevel("#32770", "Folder");
  const WindowHandle first = Child(dialog, "Edit", "C:\\Users\\play\\App");
  const WindowHandle second = Child(dialog, "Edit", "other");
  // Packages of earlier versions stored the content; the same content is still found as it was.
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Folder", 1}, {"Edit", "other", 1}}), second);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Folder", 1}, {"Edit", "C:\\Users\\rec\\App", 1}}), first);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Folder", 1}, {"Edit", "C:\\Users\\rec\\App", 2}}), second);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Folder", 1}, {"Edit", "C:\\Users\\rec\\App", 3}}), 0u);
  // Only an edit class is found by place: any other level needs its caption.
  Child(dialog, "Static", "C:\\Users\\play\\App");
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Folder", 1}, {"Static", "C:\\Users\\rec\\App", 1}}), 0u);
}

TEST_F(WindowMatchingTest, OrdinalCountsOnlySiblingsOfTheSameClassAndCaptionBeforeTheTarget) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  Child(dialog, "Button", "Back");
  const WindowHandle next1 = Child(dialog, "Button", "Next");
  const WindowHandle next2 = Child(dialog, "Button", "Next");
  EXPECT_EQ(matcher.SiblingOrdinal(dialog, "Button", "Next", next1), 1);
  EXPECT_EQ(matcher.SiblingOrdinal(dialog, "Button", "Next", next2), 2);
  // Not among the matches: the number of matches; no match at all: 0.
  EXPECT_EQ(matcher.SiblingOrdinal(dialog, "Button", "Next", dialog), 2);
  EXPECT_EQ(matcher.SiblingOrdinal(dialog, "Static", "Next", next1), 0);
}

TEST_F(WindowMatchingTest, OwnedDialogGetsOrdinalZeroAndIsFoundAmongTopLevelWindows) {
  const WindowHandle main = TopLevel("MainWnd", "Installer");
  const WindowHandle dialog = TopLevel("#32770", "Licence", main);
  const WindowHandle ok = Child(dialog, "Button", "OK");
  const WindowPath path = Describe(ok);
  ASSERT_EQ(path.size(), 3u);
  EXPECT_EQ(path[0], (WindowLevel{"MainWnd", "Installer", 1}));
  EXPECT_EQ(path[1], (WindowLevel{"#32770", "Licence", 0}));
  EXPECT_EQ(path[2], (WindowLevel{"Button", "OK", 1}));
  EXPECT_EQ(matcher.FindRecordedWindow(path), ok);
}

TEST_F(WindowMatchingTest, OrdinalZeroLevelIsFoundWhateverThePreviousLevelFound) {
  const WindowHandle dialog = TopLevel("#32770", "Licence");
  const WindowHandle ok = Child(dialog, "Button", "OK");
  TopLevel("Other", "Unrelated");
  const WindowPath path{{"Other", "Unrelated", 1}, {"#32770", "Licence", 0}, {"Button", "OK", 1}};
  EXPECT_EQ(matcher.FindRecordedWindow(path), ok);
}

TEST_F(WindowMatchingTest, CaptionThatMatchesAnything) {
  const WindowHandle dialog = TopLevel("#32770", "Setup 1.2.3");
  const WindowHandle edit = Child(dialog, "Edit", "some text");
  struct Case {
    const char* name;
    std::string caption;
  } cases[] = {{"empty", ""}, {"one NUL as stored for length 0", std::string(1, '\0')}, {"blanks", "   "}};
  for (const Case& c : cases) {
    const WindowPath path{{"#32770", "Setup 1.2.3", 1}, {"Edit", c.caption, 1}};
    EXPECT_EQ(matcher.FindRecordedWindow(path), edit) << c.name;
  }
}

TEST_F(WindowMatchingTest, TrailingNulIsStrippedBeforeTheSearch) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  const WindowPath path{{std::string("#32770") + '\0', std::string("Setup") + '\0', 1}};
  EXPECT_EQ(matcher.FindRecordedWindow(path), dialog);
  EXPECT_EQ(StripTrailingNul("ab"), "ab");
  EXPECT_EQ(StripTrailingNul(std::string("ab\0\0", 4)), std::string("ab\0", 3));
  EXPECT_EQ(StripTrailingNul(""), "");
}

TEST_F(WindowMatchingTest, WalkReturnsZeroWhileALowerLevelIsMissing) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  const WindowPath path{{"#32770", "Setup", 1}, {"Button", "Install", 1}};
  EXPECT_EQ(matcher.FindRecordedWindow(path), 0u);
  const WindowHandle install = Child(dialog, "Button", "Install");
  EXPECT_EQ(matcher.FindRecordedWindow(path), install);
}

TEST_F(WindowMatchingTest, DifferentCaptionOrMissingRankIsNotFound) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  Child(dialog, "Button", "Install");
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup", 1}, {"Button", "Install now", 1}}), 0u);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup 1.2", 1}}), 0u);   // no installer: numbers count
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup", 2}}), 0u);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup", -5}}), 0u);
  EXPECT_EQ(matcher.FindRecordedWindow({}), 0u);
}

TEST_F(WindowMatchingTest, TwoLikeTopLevelWindowsAreToldApartByRank) {
  const WindowHandle first = TopLevel("#32770", "Setup");
  const WindowHandle second = TopLevel("#32770", "Setup");   // now in front
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup", 1}}), second);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup", 2}}), first);
  desktop.SetForegroundWindow(first);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Setup", 1}}), first);
}

TEST_F(WindowMatchingTest, DesktopLevelHasOrdinalMinusOne) {
  const WindowPath path = Describe(SimDesktop::kDesktop);
  ASSERT_EQ(path.size(), 1u);
  EXPECT_EQ(path[0].ordinal, -1);
  EXPECT_EQ(matcher.FindRecordedWindow(path), SimDesktop::kDesktop);
}

TEST_F(WindowMatchingTest, FindNthChild) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  const WindowHandle a = Child(dialog, "Button", "A");
  const WindowHandle b = Child(dialog, "Button", "B");
  EXPECT_EQ(matcher.FindNthChild(dialog, std::string("button"), std::nullopt, 1), a);
  EXPECT_EQ(matcher.FindNthChild(dialog, std::string("BUTTON"), std::nullopt, 2), b);
  EXPECT_EQ(matcher.FindNthChild(dialog, std::string("Button"), std::nullopt, 3), 0u);
  EXPECT_EQ(matcher.FindNthChild(dialog, std::string("Button"), std::nullopt, 0), 0u);
}

TEST_F(WindowMatchingTest, EditWindowsByClassNameInAnyCase) {
  const WindowHandle dialog = TopLevel("#32770", "Setup");
  EXPECT_TRUE(matcher.IsEditWindow(Child(dialog, "Edit", "")));
  EXPECT_TRUE(matcher.IsEditWindow(Child(dialog, "RichEdit20A", "")));
  EXPECT_TRUE(matcher.IsEditWindow(Child(dialog, "TMyeDiTor", "")));
  EXPECT_FALSE(matcher.IsEditWindow(Child(dialog, "Button", "Edit")));
  EXPECT_FALSE(matcher.IsControlWindow(0));
  WindowMatcher withControl(desktop, dialog);
  EXPECT_TRUE(withControl.IsControlWindow(dialog));
}

}  // namespace
}  // namespace velgaro
