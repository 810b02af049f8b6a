// Texts given to an installer's field that answers with a message box before its WM_SETTEXT returns
// (a serial number checked as it is typed), and to a field that never answers: neither recording nor
// playback waits on the installer.
#include "RecorderFixture.h"

namespace velgaro {
namespace {

constexpr const char* kSerial = "1234-5678";

class TextDeliveryTest : public RecorderTest {
 protected:
  Point BoxOk() const {
    return Point{SimInstaller::kBoxRect.left + SimInstaller::kBoxButtonClient.left + 5,
                 SimInstaller::kBoxRect.top + SimInstaller::kBoxButtonClient.top + 5};
  }
  // Time moved in steps until the condition holds; the time it took, or -1 after limitMs.
  std::int64_t RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    for (std::int64_t t = 0; t <= limitMs; t += 50) {
      if (done()) return t;
      Run(50);
    }
    return -1;
  }
};

TEST_F(TextDeliveryTest, TheBoxAnsweringATypedTextIsRecordedAndPressedAtReplay) {
  const std::vector<SimInstallerPage> pages{{"Serial", {""}, "Next >", 0, kSerial}, {"Done", {}}};
  SimInstaller& setup = Installer(pages);
  StartRecording();
  UserClick(Field(0));
  recorder->Pause();
  recorder->TextChanged(kSerial);
  bool hookDuringTheSend = false;
  desktop.onTextSent = [&](WindowHandle, const std::string&) { hookDuringTheSend = HookInstalled(); };
  recorder->Resume();
  EXPECT_TRUE(hookDuringTheSend) << "the hook must be back before the text goes out";
  UserClick(BoxOk());        // answered while the field's handler still waits on its box
  UserClick(NextButton());
  UserClick(NextButton());
  ASSERT_TRUE(setup.Finished());
  recorder->Stop();

  const std::vector<PackageAction> actions = SavedActions();
  ASSERT_EQ(actions.size(), 5u);
  EXPECT_EQ(actions[1].actionText, kSerial);
  // The box is owned by the page: found among the top-level windows, its OK beneath it.
  EXPECT_EQ(actions[2].windowPath.back(), (WindowLevel{"Button", "OK", 1}));
  EXPECT_EQ(actions[2].windowPath[1].className, "#32770");

  // Replayed through the installer's own box: pressed as the next action, with no wait for the send.
  installer.reset();
  SimInstaller& again = Installer(pages);
  const std::size_t sentWhileRecording = desktop.TextsSent().size();
  Queue({"C:\\Packages\\Recorded.VGP"});
  Start();
  const std::int64_t took = RunUntil([&] { return again.BoxesAnswered() == 1; }, 20000);
  ASSERT_GE(took, 0) << "the box was never pressed";
  EXPECT_LT(took, 2000);
  EXPECT_GE(RunUntil([&] { return again.Finished(); }, 5000), 0);
  EXPECT_EQ(desktop.TextsSent().size(), sentWhileRecording + 1) << "one text, sent once";
  EXPECT_EQ(again.Entered()[0], (std::vector<std::string>{kSerial}));
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(TextDeliveryTest, PressesInTheFieldsWindowWaitForTheTextButABoxOfItsOwnIsPressedAtOnce) {
  SimInstaller& setup = Installer({{"Serial", {""}, "Next >", 0, kSerial}, {"Done", {}}});
  const TestAction type = TypeInto("Serial", 1, kSerial);
  const TestAction ok{{{"#32770", "Serial", 1}, {"Button", "OK", 1}}, ClickAt(5, 5), ""};
  Queue({WritePackage("App", TestPackage{kSetup, "", {type, ok, ClickNext("Serial"), ClickNext("Done")}})});
  Start();
  ASSERT_GE(RunUntil([&] { return setup.Box() != 0; }, 5000), 0);
  const std::int64_t boxShown = timers.Now();
  ASSERT_GE(RunUntil([&] { return setup.BoxesAnswered() == 1; }, 5000), 0);
  EXPECT_LE(timers.Now() - boxShown, 500) << "the box is the next action: pressed on the next tick";
  ASSERT_GE(RunUntil([&] { return setup.Finished(); }, 5000), 0);
  EXPECT_EQ(desktop.TextsSent().size(), 1u);
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(TextDeliveryTest, AFieldThatNeverAnswersHoldsItsWindowsPressesForABoundedTimeOnly) {
  SimInstaller& setup = Installer({{"Name", {""}}, {"Done", {}}});
  Queue({WritePackage("App", TestPackage{kSetup, "", {TypeInto("Name", 1, "x"), ClickNext("Name"), ClickNext("Done")}})});
  Start();
  ASSERT_GE(RunUntil([&] { return setup.Field(0) != 0; }, 2000), 0);
  desktop.SetHung(setup.Field(0), true);
  ASSERT_GE(RunUntil([&] { return !desktop.TextsSent().empty(); }, 2000), 0);
  const std::int64_t sent = timers.Now();
  // The player keeps ticking meanwhile: a pause and a resume are taken at once.
  Run(1000);
  player->PausePlay();
  EXPECT_EQ(player->View().imgPlayVisible, true);
  player->PlayAfterPause();
  EXPECT_EQ(setup.PageIndex(), 0) << "the next press must not overtake a text still on its way";
  ASSERT_GE(RunUntil([&] { return setup.PageIndex() == 1; }, 15000), 0);
  EXPECT_GE(timers.Now() - sent, 10000);
  EXPECT_LE(timers.Now() - sent, 11000);
  ASSERT_GE(RunUntil([&] { return setup.Finished(); }, 5000), 0);
  EXPECT_EQ(desktop.TextsSent().size(), 1u) << "a text still on its way is never sent again";
  EXPECT_EQ(Row(0).status, kInstalled);
}

}  // namespace
}  // namespace velgaro
