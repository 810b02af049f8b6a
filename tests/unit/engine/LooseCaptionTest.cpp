// Captions that differ only in their numbers, and the installer's own windows before another program's
// look-alikes, as the walk of a recorded window chain decides them.
#include <gtest/gtest.h>

#include "engine/InstallerTree.h"
#include "engine/LooseCaption.h"
#include "engine/WindowMatching.h"
#include "platform/sim/SimDesktop.h"

namespace velgaro {
namespace {

TEST(LooseCaption, NumbersWithTheirDotsAreOneRunAndCountAsAnyNumber) {
  EXPECT_EQ(NumberRuns("Setup 1.2.10 (build 7)."), (std::vector<std::string>{"1.2.10", "7"}));
  EXPECT_EQ(NumberRuns("v1.2. Setup"), (std::vector<std::string>{"1.2"}));
  EXPECT_TRUE(NumberRuns("Setup").empty());
  struct Case {
    const char* recorded;
    const char* shown;
    bool same;
  } cases[] = {
      {"Setup 1.2", "Setup 1.3", true},
      {"Setup 1.2", "Setup 1.2.10", true},
      {"Basalt Maps 1.2 Setup", "BASALT MAPS 2 setup", true},   // letters compare as window searches do
      {"Step 2 of 5", "Step 3 of 7", true},
      {"Setup 1.2", "Setup 1.2", false},                         // nothing differs: the exact search finds it
      {"Setup 1.2", "Setup v1.3", false},
      {"Setup 1.2", "Setup 1.3 beta", false},
      {"Setup 1.2", "Setup", false},
      {"Setup", "Setup 2", false},                               // no number recorded: no fallback
      {"Setup #", "Setup 1", false},                             // "#" is a character of its own
      {"Установка 1.2", "установка 1.3", true},
  };
  for (const Case& c : cases) EXPECT_EQ(SameButNumbers(c.recorded, c.shown), c.same) << c.recorded << " / " << c.shown;
}

TEST(LooseCaption, TheDelayIsTenSecondsOrHalfAShorterDeadline) {
  EXPECT_EQ(LooseCaptionDelayMs(0), 10000);
  EXPECT_EQ(LooseCaptionDelayMs(600), 10000);
  EXPECT_EQ(LooseCaptionDelayMs(8), 4000);
}

TEST(LooseCaption, LearnedNumbersReplaceTheirRunsOnly) {
  NumberSubstitutions learned;
  EXPECT_EQ(learned.Apply("Setup 1.2"), "Setup 1.2");
  learned.Learn({"Basalt 1.2 Setup (x64)", "Basalt 1.3 Setup (x64)"});
  EXPECT_FALSE(learned.Empty());
  EXPECT_EQ(learned.Apply("Welcome to Basalt 1.2"), "Welcome to Basalt 1.3");
  EXPECT_EQ(learned.Apply("Basalt 1.2.1"), "Basalt 1.2.1");   // another number, though it starts alike
  EXPECT_EQ(learned.Apply("64 bit"), "64 bit");
  learned.Clear();
  EXPECT_EQ(learned.Apply("Basalt 1.2"), "Basalt 1.2");
}

class LooseMatchTest : public ::testing::Test {
 protected:
  static constexpr std::int32_t kInstaller = 1000;
  static constexpr std::int32_t kOther = 4242;

  LooseMatchTest() {
    processes.nextId = kInstaller;
    processes.Start("setup.exe");
  }
  WindowHandle TopLevel(const std::string& caption, std::int32_t process = kInstaller, const std::string& cls = "#32770") {
    SimWindowSpec spec{cls, caption, 0, 0, Rect{0, 0, 400, 300}, true, false};
    spec.process = process;
    return desktop.Create(spec);
  }
  WindowHandle Child(WindowHandle parent, const std::string& cls, const std::string& caption) {
    return desktop.Create(SimWindowSpec{cls, caption, parent, 0, Rect{10, 10, 50, 30}, true, false});
  }
  // As a step tick asks: the installer's process tree read afresh.
  MatchResult Find(const WindowPath& path, bool loose) {
    const InstallerTree tree(desktop, processes, kInstaller);
    MatchContext context;
    context.installer = &tree;
    context.looseCaptions = loose;
    context.learned = &learned;
    return matcher.FindRecordedWindow(path, context);
  }

  SimDesktop desktop;
  SimProcesses processes;
  NumberSubstitutions learned;
  WindowMatcher matcher{desktop, 0};
};

TEST_F(LooseMatchTest, ACaptionWithOtherNumbersIsTakenOnlyOnceAllowedAndSaysWhichWasTaken) {
  const WindowHandle setup = TopLevel("Setup 1.3");
  const WindowHandle next = Child(setup, "Button", "Next >");
  const WindowPath path{{"#32770", "Setup 1.2", 1}, {"Button", "Next >", 1}};
  EXPECT_EQ(Find(path, false).window, 0u);
  const MatchResult found = Find(path, true);
  EXPECT_EQ(found.window, next);
  EXPECT_EQ(found.captionsTaken, (std::vector<CaptionTaken>{{"Setup 1.2", "Setup 1.3"}}));
  // A lower level too: the page's version label.
  const WindowHandle label = Child(setup, "Static", "Version 1.3.0");
  const MatchResult lower = Find({{"#32770", "Setup 1.3", 1}, {"Static", "Version 1.2.7", 1}}, true);
  EXPECT_EQ(lower.window, label);
  EXPECT_EQ(lower.captionsTaken, (std::vector<CaptionTaken>{{"Version 1.2.7", "Version 1.3.0"}}));
  // The exact caption needs no fallback and names nothing.
  EXPECT_TRUE(Find({{"#32770", "Setup 1.3", 1}}, true).captionsTaken.empty());
}

TEST_F(LooseMatchTest, TheFallbackNeedsExactlyOneOfTheInstallersWindowsOfTheSameClass) {
  TopLevel("Setup 1.3");
  const WindowHandle second = TopLevel("Setup 1.4");
  EXPECT_EQ(Find({{"#32770", "Setup 1.2", 1}}, true).window, 0u) << "two qualify: ambiguous";
  desktop.Destroy(second);
  TopLevel("Setup 1.4", kInstaller, "Static");   // another class does not count, nor is it taken
  TopLevel("Setup 1.5", kOther);                 // nor another program's window
  EXPECT_NE(Find({{"#32770", "Setup 1.2", 1}}, true).window, 0u);
  EXPECT_EQ(Find({{"Button", "Setup 1.2", 1}}, true).window, 0u);
}

TEST_F(LooseMatchTest, NoFallbackWithoutNumbersForEditFieldsOrForAnotherProgram) {
  TopLevel("Setup 2");
  EXPECT_EQ(Find({{"#32770", "Setup", 1}}, true).window, 0u);
  const WindowHandle foreign = TopLevel("Tool 1.3", kOther);
  EXPECT_EQ(Find({{"#32770", "Tool 1.2", 1}}, true).window, 0u);
  // Without an installer there is no tree to keep to.
  InstallerTree none(desktop, processes, 0);
  MatchContext context;
  context.installer = &none;
  context.looseCaptions = true;
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Tool 1.2", 1}}, context).window, 0u);
  desktop.Destroy(foreign);
  // An edit level's recorded content is never read as a caption with numbers: it is found by its place.
  const WindowHandle page = TopLevel("Serial");
  const WindowHandle field = Child(page, "Edit", "1234-9999");
  const MatchResult found = Find({{"#32770", "Serial", 1}, {"Edit", "1234-5678", 1}}, true);
  EXPECT_EQ(found.window, field);
  EXPECT_TRUE(found.captionsTaken.empty());
}

TEST_F(LooseMatchTest, AProcessTheInstallerStartedIsPartOfItsTree) {
  const std::int32_t helper = processes.StartChild(kInstaller, "C:\\TEMP\\setup-x64.exe");
  const WindowHandle w = TopLevel("Setup 1.3", helper);
  TopLevel("Setup 1.4", kOther);
  EXPECT_EQ(Find({{"#32770", "Setup 1.2", 1}}, true).window, w);
  processes.End(helper);
  EXPECT_EQ(Find({{"#32770", "Setup 1.2", 1}}, true).window, 0u);
}

TEST_F(LooseMatchTest, LearnedNumbersFindAnotherCaptionAtOnce) {
  const WindowHandle w = TopLevel("Welcome to Setup 1.3");
  TopLevel("Welcome to Setup 1.3", kOther);
  learned.Learn({"Setup 1.2", "Setup 1.3"});
  const MatchResult found = Find({{"#32770", "Welcome to Setup 1.2", 1}}, false);
  EXPECT_EQ(found.window, w);
  EXPECT_EQ(found.captionsTaken, (std::vector<CaptionTaken>{{"Welcome to Setup 1.2", "Welcome to Setup 1.3"}}));
}

TEST_F(LooseMatchTest, TheInstallersOwnWindowComesBeforeALookAlikeStackedAboveIt) {
  const WindowHandle own = TopLevel("Basalt Maps 1.2 Setup");
  const WindowHandle ownNext = Child(own, "Button", "Next >");
  const WindowHandle other = TopLevel("Basalt Maps 1.2 Setup", kOther);   // newer: in front
  Child(other, "Button", "Next >");
  const WindowPath path{{"#32770", "Basalt Maps 1.2 Setup", 1}, {"Button", "Next >", 1}};
  EXPECT_EQ(Find(path, false).window, ownNext);
  // The rank recorded counted every window: among the installer's own it is the nearest one there is.
  EXPECT_EQ(Find({{"#32770", "Basalt Maps 1.2 Setup", 2}}, false).window, own);
  const WindowHandle ownSecond = TopLevel("Basalt Maps 1.2 Setup");
  EXPECT_EQ(Find({{"#32770", "Basalt Maps 1.2 Setup", 2}}, false).window, own);
  EXPECT_EQ(Find({{"#32770", "Basalt Maps 1.2 Setup", 1}}, false).window, ownSecond);
  // An owned pop-up (Ordinal 0) is looked for among the installer's windows first, too.
  EXPECT_EQ(Find({{"#32770", "Basalt Maps 1.2 Setup", 0}}, false).window, ownSecond);
  // Without an installer to keep to, the walk takes the front window as it always did.
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Basalt Maps 1.2 Setup", 1}}), ownSecond);
  desktop.SetForegroundWindow(other);
  EXPECT_EQ(matcher.FindRecordedWindow({{"#32770", "Basalt Maps 1.2 Setup", 1}}), other);
  EXPECT_EQ(Find({{"#32770", "Basalt Maps 1.2 Setup", 1}}, false).window, ownSecond);
}

TEST_F(LooseMatchTest, AWindowOfAProcessTheInstallerDidNotStartIsTakenWhenNoneOfItsOwnMatches) {
  // An installer that hands over to a process it did not start (a service's window).
  const WindowHandle service = TopLevel("Product Setup", kOther);
  EXPECT_EQ(Find({{"#32770", "Product Setup", 1}}, true).window, service);
}

}  // namespace
}  // namespace velgaro
