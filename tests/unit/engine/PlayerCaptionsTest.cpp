// A package replays on another machine and on the installer's next version: edit fields are found by
// their place, captions that differ only in their numbers are taken after a while (and reported), and the
// installer's own windows come before another program's look-alikes.
#include <nlohmann/json.hpp>

#include "RecorderFixture.h"

namespace velgaro {
namespace {

constexpr std::int32_t kOtherProgram = 4242;

class PlayerCaptionsTest : public RecorderTest {
 protected:
  // The installer's first page that a press is still waiting for.
  int PagesDone() const { return installer->PageIndex(); }
  // A top-level window of another program, top-most so that it stays in front of the installer, with a
  // next button of its own; pressesOnOther counts the presses it gets.
  WindowHandle OtherProgram(const std::string& caption) {
    SimWindowSpec spec{"#32770", caption, 0, 0, Rect{550, 100, 950, 400}, true, true};
    spec.process = kOtherProgram;
    const WindowHandle w = desktop.Create(spec);
    const Rect button{550 + SimInstaller::kButtonClient.left, 100 + SimInstaller::kButtonClient.top,
                      550 + SimInstaller::kButtonClient.right, 100 + SimInstaller::kButtonClient.bottom};
    const WindowHandle next = desktop.Create(SimWindowSpec{"Button", "Next >", w, 0, button, true, false});
    desktop.OnClick(next, [this] { ++pressesOnOther; });
    return w;
  }
  nlohmann::json Report() { return nlohmann::json::parse(fs.Text(reportPath)); }

  int pressesOnOther = 0;
};

TEST_F(PlayerCaptionsTest, AFolderFieldWhoseDefaultDiffersOnAnotherMachineGetsTheTypedText) {
  Installer({{"Folder", {"C:\\Users\\rec\\AppData\\Local\\Programs\\App"}}, {"Done", {}}});
  StartRecording();
  UserClick(Field(0));
  recorder->Pause();
  recorder->TextChanged("D:\\Apps\\Typed");
  recorder->Resume();
  UserClick(NextButton());
  UserClick(NextButton());
  ASSERT_TRUE(installer->Finished());
  recorder->Stop();
  const std::vector<PackageAction> actions = SavedActions();
  ASSERT_EQ(actions.size(), 4u);
  EXPECT_EQ(actions[1].windowPath.back(), (WindowLevel{"Edit", std::string(1, '\0'), 1}));

  installer.reset();
  Installer({{"Folder", {"C:\\Users\\play\\AppData\\Local\\Programs\\App"}}, {"Done", {}}});
  Queue({"C:\\Packages\\Recorded.VGP"});
  Start();
  Run(5000);
  ASSERT_TRUE(installer->Finished());
  EXPECT_EQ(installer->Entered()[0], (std::vector<std::string>{"D:\\Apps\\Typed"}));
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_EQ(Row(0).details, "Выполнено без замечаний");
}

TEST_F(PlayerCaptionsTest, AnOlderPackageThatStoredTheFieldsContentPlaysWhenTheContentDiffers) {
  Installer({{"Folder", {"", "C:\\Program Files (x86)\\App"}}, {"Done", {}}});
  const TestAction typed{{{"#32770", "Folder", 1}, {"Edit", "C:\\Program Files\\App", 1}}, ClickAt(3, 3), "D:\\App"};
  Queue({WritePackage("Old", TestPackage{kSetup, "", {typed, ClickNext("Folder"), ClickNext("Done")}})});
  Start();
  Run(5000);
  ASSERT_TRUE(installer->Finished());
  // Recorded as the first field holding that text: the first field of its class now.
  EXPECT_EQ(installer->Entered()[0], (std::vector<std::string>{"D:\\App", "C:\\Program Files (x86)\\App"}));
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(PlayerCaptionsTest, TheNextVersionsCaptionIsTakenAfterAWhileAndTheRowAndReportSayWhich) {
  Installer({{"Setup 1.3", {}}, {"Setup 1.3 - Ready", {}}});
  Queue({WritePackage("Versioned", TestPackage{kSetup, "", {ClickNext("Setup 1.2"), ClickNext("Setup 1.2 - Ready")}})});
  reportPath = "C:\\run.json";
  Start();
  Run(9500);
  EXPECT_EQ(PagesDone(), 0) << "a caption with other numbers must not be taken at once";
  EXPECT_EQ(player->View().lblAct, "Поиск окна");
  // Taken at 10 s; the same numbers in the next caption are known by then: no second wait.
  Run(1000);
  ASSERT_TRUE(installer->Finished());
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_EQ(Row(0).details,
            "Окна найдены по заголовкам, отличающимся только числами: \"Setup 1.3\" принят за \"Setup 1.2\"; "
            "\"Setup 1.3 - Ready\" принят за \"Setup 1.2 - Ready\"");
  EXPECT_EQ(player->ExitCode(), 0);
  const nlohmann::json row = Report()["packages"][0];
  EXPECT_EQ(row["outcome"], "installed");
  EXPECT_EQ(row["details"], Row(0).details);
  ASSERT_EQ(row["captions_taken"].size(), 2u);
  EXPECT_EQ(row["captions_taken"][0]["recorded"], "Setup 1.2");
  EXPECT_EQ(row["captions_taken"][0]["taken"], "Setup 1.3");
}

TEST_F(PlayerCaptionsTest, TwoCaptionsWithOtherNumbersAreAmbiguousAndTheRunWaitsOrMeetsItsDeadline) {
  for (const int deadline : {0, 30}) {
    SCOPED_TRACE(deadline);
    Installer({{"Setup 1.3", {}}, {"Done", {}}});
    SimWindowSpec second{"#32770", "Setup 1.4", 0, 0, Rect{550, 100, 950, 400}, true, true};
    second.process = processes.nextId;   // a second window of the installer about to start
    const WindowHandle other = desktop.Create(second);
    desktop.Create(SimWindowSpec{"Button", "Next >", other, 0, Rect{550, 100, 950, 400}, true, false});
    Queue({WritePackage("Ambiguous", TestPackage{kSetup, "", {ClickNext("Setup 1.2"), ClickNext("Done")}})});
    deadlineSeconds = deadline;
    reportPath = "C:\\run.json";
    Start();
    Run(120000);
    EXPECT_EQ(PagesDone(), 0);
    if (deadline == 0) {
      EXPECT_FALSE(Row(0).closed);   // searched for as before
    } else {
      ASSERT_TRUE(Row(0).closed);
      EXPECT_EQ(Row(0).status, kNotInstalled);
      EXPECT_TRUE(Report()["packages"][0]["captions_taken"].empty());
    }
    desktop.Destroy(other);
  }
}

TEST_F(PlayerCaptionsTest, ACaptionWithoutNumbersHasNoFallback) {
  Installer({{"Setup 2", {}}});
  Queue({WritePackage("Plain", TestPackage{kSetup, "", {ClickNext("Setup")}})});
  Start();
  Run(60000);
  EXPECT_EQ(PagesDone(), 0);
  EXPECT_EQ(player->View().lblAct, "Поиск окна");
}

TEST_F(PlayerCaptionsTest, ALookAlikeOfAnotherProgramStackedAboveTheInstallerIsNeverPressed) {
  Installer({{"Basalt Maps 1.2 Setup", {}}, {"Basalt Maps 1.2 Setup - Ready", {}}});
  OtherProgram("Basalt Maps 1.2 Setup");
  OtherProgram("Basalt Maps 1.2 Setup - Ready");
  Queue({WritePackage("Maps", TestPackage{kSetup, "", {ClickNext("Basalt Maps 1.2 Setup"),
                                                       ClickNext("Basalt Maps 1.2 Setup - Ready")}})});
  Start();
  Run(5000);
  EXPECT_TRUE(installer->Finished());
  EXPECT_EQ(pressesOnOther, 0);
  EXPECT_EQ(Row(0).details, "Выполнено без замечаний");
}

TEST_F(PlayerCaptionsTest, ALookAlikeWithTheNewCaptionIsNotTakenForTheRecordedOne) {
  Installer({{"Basalt Maps 1.3 Setup", {}}});
  OtherProgram("Basalt Maps 1.3 Setup");
  OtherProgram("Basalt Maps 1.4 Setup");
  Queue({WritePackage("Maps", TestPackage{kSetup, "", {ClickNext("Basalt Maps 1.2 Setup")}})});
  Start();
  Run(15000);
  EXPECT_TRUE(installer->Finished());
  EXPECT_EQ(pressesOnOther, 0);
  EXPECT_EQ(Row(0).captionsTaken, (std::vector<CaptionTaken>{{"Basalt Maps 1.2 Setup", "Basalt Maps 1.3 Setup"}}));
}

}  // namespace
}  // namespace velgaro
