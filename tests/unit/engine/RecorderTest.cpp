// Recording on the simulated desktop: presses followed to their release, texts typed in the pause
// panel, the package saved on stop, and the saved package played back through the same installer.
#include "RecorderFixture.h"

namespace velgaro {
namespace {


TEST_F(RecorderTest, ARecordedPackageReplaysThroughTheSameInstaller) {
  const std::vector<SimInstallerPage> pages{{"Welcome", {}}, {"Folder", {"", "C:\\Default"}}, {"Finish", {}}};
  Installer(pages);
  StartRecording();
  ASSERT_EQ(processes.Started().size(), 1u);
  EXPECT_EQ(processes.Started()[0].commandLine, "C:\\Setup\\setup.exe ");
  EXPECT_EQ(recorder->View().lblCaption, "Запись");
  EXPECT_EQ(calls, (std::vector<std::string>{"hook"}));

  UserClick(NextButton());   // Welcome
  UserClick(Field(1));       // the folder field
  recorder->Pause();
  EXPECT_EQ(recorder->View().text1, "C:\\Default");
  EXPECT_FALSE(recorder->View().filterEnabled);   // an edit field
  EXPECT_TRUE(recorder->View().panelShown);
  recorder->TextChanged("C:\\Program Files\\App");
  EXPECT_TRUE(recorder->View().replaceEnabled);
  recorder->ReplaceClicked(true);
  recorder->Resume();
  EXPECT_EQ(desktop.GetWindowText(installer->Field(1)), "C:\\Program Files\\App");   // the installer sees it now
  UserClick(NextButton());   // Folder
  UserClick(NextButton());   // Finish
  EXPECT_TRUE(installer->Finished());
  recorder->Stop();
  EXPECT_EQ(calls.back(), "unload");

  const std::vector<PackageAction> actions = SavedActions();
  ASSERT_EQ(actions.size(), 5u);
  EXPECT_EQ(actions[0].windowPath, (WindowPath{{"#32770", "Welcome", 1}, {"Button", "Next >", 1}}));
  // An edit field is stored by its place, the second field of its class, not by what it held (an empty
  // caption reads back as one NUL).
  EXPECT_EQ(actions[1].windowPath, (WindowPath{{"#32770", "Folder", 1}, {"Edit", std::string(1, '\0'), 2}}));
  EXPECT_EQ(actions[1].steps, (std::vector<MouseStep>{{kButtonLeft, kStepPress, 3, 3}, {kButtonLeft, kStepRelease, 0, 0}}));
  EXPECT_EQ(actions[2].windowPath, actions[1].windowPath);   // the text repeats the press on its field
  EXPECT_EQ(actions[2].actionText, "%PROGRAMFILES%\\App");
  EXPECT_EQ(actions[1].actionText, "");

  // The package plays on a fresh desktop through the same installer.
  installer.reset();
  Installer(pages);
  Queue({"C:\\Packages\\Recorded.VGP"});
  Start();
  Run(20000);
  EXPECT_TRUE(installer->Finished());
  ASSERT_EQ(installer->Entered().size(), 3u);
  EXPECT_EQ(installer->Entered()[1], (std::vector<std::string>{"", "C:\\Program Files\\App"}));
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(RecorderTest, APressOnTheControlWindowRecordsNothingAndKeepsTheLastWindow) {
  Installer({{"Welcome", {}}, {"Finish", {}}});
  StartRecording();
  UserClick(NextButton());
  const WindowHandle last = recorder->LastWindow();
  UserClick(Point{kControlRect.left + 10, kControlRect.top + 10});
  EXPECT_EQ(recorder->LastWindow(), last);
  UserClick(NextButton());
  recorder->Stop();
  EXPECT_EQ(SavedActions().size(), 2u);
}

TEST_F(RecorderTest, RightButtonsAndDragsAreRecordedAsTheyWere) {
  Installer({{"Tree", {"item"}}});
  StartRecording();
  UserClick(Field(0), kWmRButtonDown, kWmRButtonUp);
  const Point at = Field(0);
  Hook(kWmLButtonDown, at);
  for (int dx = 10; dx < 50; dx += 10) Hook(kWmMouseMove, Point{at.x + dx, at.y});
  Hook(kWmLButtonUp, Point{at.x + 50, at.y});
  Drain();
  recorder->Stop();
  const std::vector<PackageAction> actions = SavedActions();
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(actions[0].steps, (std::vector<MouseStep>{{kButtonRight, kStepPress, 3, 3}, {kButtonRight, kStepRelease, 0, 0}}));
  const std::vector<MouseStep>& drag = actions[1].steps;
  ASSERT_EQ(drag.size(), 6u);
  EXPECT_EQ(drag[1], (MouseStep{kButtonLeft, kStepMove, 10, 0}));
  EXPECT_EQ(drag.back(), (MouseStep{kButtonLeft, kStepRelease, 50, 0}));
}

TEST_F(RecorderTest, PausingOnAFieldCommitsItsTextOnceAndOnlyWhenItChanged) {
  Installer({{"Folder", {"C:\\Old"}}});
  StartRecording();
  UserClick(Field(0));
  recorder->Pause();   // the field's text differs from the empty box: a change
  recorder->Resume();
  recorder->Pause();   // the same text again: nothing
  recorder->Resume();
  recorder->Stop();
  const std::vector<PackageAction> actions = SavedActions();
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(actions[1].actionText, "C:\\Old");
}

TEST_F(RecorderTest, TextForAWindowThatIsNoFieldNeedsTheFilterCleared) {
  PauseAfterAButton("0");
  EXPECT_TRUE(recorder->View().filterEnabled);
  EXPECT_TRUE(recorder->View().filterChecked);
  EXPECT_EQ(recorder->View().lblAct,
            "Последнее окно не распознано как текстовое\r\nДля внесения изменений уберите галочку `Фильтр`");
  EXPECT_EQ(recorder->View().lblStatus, "Выбранное окно не распознано текстовым полем");
  EXPECT_EQ(calls.back(), "pause tip");
  recorder->TextChanged("typed");
  recorder->Resume();   // filtered: nothing committed
  recorder->Pause();
  recorder->TextChanged("C:\\TEMP\\x");
  recorder->FilterClicked(false);
  EXPECT_EQ(recorder->View().lblStatus, "Для продолжения с изменённым текстом нажмите `Продолжить запись`");
  recorder->Resume();
  recorder->Stop();
  const std::vector<PackageAction> actions = SavedActions();
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(actions[1].actionText, "%TEMP%\\x");   // the filter cleared: always in variable form
}

TEST_F(RecorderTest, ThePauseTipStaysAwayOnceDeclined) {
  PauseAfterAButton("1");
  EXPECT_NE(calls.back(), "pause tip");
}

TEST_F(RecorderTest, PausingBeforeAnyActionShowsNoPanel) {
  Installer({{"Page", {}}});
  StartRecording();
  recorder->Pause();
  EXPECT_FALSE(recorder->View().panelShown);
  EXPECT_EQ(recorder->View().lblCaption, "Пауза");
  EXPECT_EQ(calls, (std::vector<std::string>{"hook", "unhook"}));
  recorder->Resume();
  EXPECT_EQ(calls.back(), "hook");
  EXPECT_EQ(recorder->View().lblCaption, "Запись");
}

TEST_F(RecorderTest, StopWhileAButtonIsHeldSavesNoHalfAction) {
  Installer({{"Page", {}}, {"Next", {}}});
  StartRecording();
  UserClick(NextButton());
  Hook(kWmLButtonDown, NextButton());
  Drain();
  recorder->Stop();
  Hook(kWmLButtonUp, NextButton());   // the release comes after the stop
  Drain();
  EXPECT_EQ(SavedActions().size(), 1u);
}

TEST_F(RecorderTest, AReleaseWithoutItsPressIsNoAction) {
  Installer({{"Page", {}}});
  StartRecording();
  Hook(kWmLButtonUp, NextButton());
  Drain();
  recorder->Stop();   // nothing recorded: the question is answered No, nothing is saved
  EXPECT_FALSE(fs.Exists("C:\\Packages\\Recorded.VGP"));
}

TEST_F(RecorderTest, WithoutAHookThePrivilegeIsTriedThenTheUserIsTold) {
  Installer({{"Page", {}}});
  hookWorks = false;
  StartRecording();
  EXPECT_EQ(calls, (std::vector<std::string>{"hook", "privilege", "hook"}));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Alert!!! No rights to sets system hook.");
  EXPECT_EQ(dialogs.shown[0].style, kMbOk);
  UserClick(NextButton());
  EXPECT_FALSE(recorder->SomethingRecorded());
}

TEST_F(RecorderTest, HoverTextsFollowTheLastWindowAndTheFilter) {
  Installer({{"Page", {}}, {"Fields", {"x"}}});
  StartRecording();
  UserClick(NextButton());
  EXPECT_EQ(recorder->HoverText(RecorderControl::Stop, "tip"), "tip");
  EXPECT_EQ(recorder->HoverText(RecorderControl::Filter, ""), "Последнее окно не распознано как текстовое");
  EXPECT_EQ(recorder->HoverText(RecorderControl::Play, ""), "Продолжить без внесения изменений");
  EXPECT_EQ(recorder->HoverText(RecorderControl::Text1, ""), "Для внесения изменений уберите галочку `Фильтр`");
  UserClick(Field(0));
  EXPECT_EQ(recorder->HoverText(RecorderControl::Play, ""), "Продолжить запись с учётом внесённых изменений");
  EXPECT_EQ(recorder->HoverText(RecorderControl::Filter, ""), "");
}

TEST_F(RecorderTest, TheCaptionBlinksWhileRecording) {
  Installer({{"Page", {}}});
  StartRecording();
  Run(500);
  EXPECT_FALSE(recorder->View().lblCaptionVisible);
  Run(500);
  EXPECT_TRUE(recorder->View().lblCaptionVisible);
  recorder->Pause();
  Run(1500);
  EXPECT_TRUE(recorder->View().lblCaptionVisible);
}

}  // namespace
}  // namespace velgaro
