// Deadlines (/TIMEOUT) and the run report (/REPORT): a run always ends, says where it stuck, and leaves
// nothing of a given-up installer running; the report is the run's statistics as JSON.
#include <nlohmann/json.hpp>

#include "PlayerFixture.h"
#include "engine/RunReport.h"

namespace velgaro {
namespace {

class PlayerDeadlineTest : public PlayerTest {
 protected:
  // An installer whose second page never comes: the package waits for a page "Missing".
  std::string StallingPackage(const std::string& name) {
    return WritePackage(name, TestPackage{kSetup, "", {ClickNext("Welcome"), ClickNext("Missing")}, true});
  }
  std::string GoodPackage(const std::string& name) {
    return WritePackage(name, TestPackage{kSetup, "", {ClickNext("Welcome"), ClickNext("Other")}, true});
  }
  nlohmann::json Report() {
    const std::string text = fs.Text(reportPath);
    return nlohmann::json::parse(text);   // throws on a torn or damaged report
  }
};

TEST_F(PlayerDeadlineTest, AWindowThatNeverComesGivesThePackageUpAndSaysWhatWasSought) {
  Installer({{"Welcome", {}}, {"Other", {}}, {"Done", {}}});
  Queue({StallingPackage("Stall")});
  deadlineSeconds = 5;
  reportPath = "C:\\Reports\\run.json";
  fs.AddFolder("C:\\Reports");
  Start();
  Run(4000);
  ASSERT_EQ(stats.Rows().size(), 1u);
  EXPECT_FALSE(Row(0).closed);   // still within the deadline
  const std::int32_t setup = processes.Started().at(0).id;
  const std::int32_t helper = processes.StartChild(setup, "C:\\TEMP\\helper.exe");
  const std::int32_t grandchild = processes.StartChild(helper, "C:\\TEMP\\grand.exe");
  Run(4000);
  ASSERT_TRUE(Row(0).closed);
  EXPECT_EQ(Row(0).status, kNotInstalled);
  const std::string& details = Row(0).details;
  EXPECT_NE(details.find("Истекло время поиска окна, с: 5"), std::string::npos) << details;
  EXPECT_NE(details.find("#32770 \"Missing\" #1 > Button \"Next >\" #1"), std::string::npos) << details;
  EXPECT_NE(details.find("#32770 \"Other\""), std::string::npos) << details;   // what was on the screen
  EXPECT_EQ(details.find("ThunderRT6FormDC"), std::string::npos) << details;  // not our own bar
  for (const std::int32_t id : {setup, helper, grandchild}) EXPECT_FALSE(processes.Running(id)) << id;
  EXPECT_EQ(player->ExitCode(), 1603);
  EXPECT_TRUE(Unloaded());

  const nlohmann::json report = Report();
  EXPECT_EQ(report["exit_code"], 1603);
  ASSERT_EQ(report["packages"].size(), 1u);
  EXPECT_EQ(report["packages"][0]["package"], "Stall");
  EXPECT_EQ(report["packages"][0]["outcome"], "not installed");
  EXPECT_EQ(report["packages"][0]["details"], details);
}

TEST_F(PlayerDeadlineTest, WithoutADeadlineTheSearchGoesOn) {
  Installer({{"Welcome", {}}, {"Other", {}}});
  Queue({StallingPackage("Stall")});
  Start();
  Run(30 * 60 * 1000);
  EXPECT_FALSE(Row(0).closed);
  EXPECT_FALSE(Unloaded());
  EXPECT_TRUE(processes.Running(processes.Started().at(0).id));
}

TEST_F(PlayerDeadlineTest, InABatchOnlyTheStuckPackageFailsAndTheReportListsAll) {
  Installer({{"Welcome", {}}, {"Other", {}}});
  Queue({GoodPackage("First"), StallingPackage("Middle"), GoodPackage("Last")});
  deadlineSeconds = 5;
  reportPath = "C:\\run.json";
  Start();
  Run(60000);
  ASSERT_EQ(stats.Rows().size(), 3u);
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_EQ(Row(1).status, kNotInstalled);
  EXPECT_EQ(Row(2).status, kInstalled);
  EXPECT_TRUE(Unloaded());
  const nlohmann::json report = Report();
  std::vector<std::string> outcomes;
  for (const auto& row : report["packages"]) outcomes.push_back(row["package"].get<std::string>() + ":" +
                                                                 row["outcome"].get<std::string>());
  EXPECT_EQ(outcomes, (std::vector<std::string>{"First:installed", "Middle:not installed", "Last:installed"}));
  EXPECT_EQ(report["exit_code"], 1603);
}

TEST_F(PlayerDeadlineTest, AnInstallerThatNeverEndsIsEndedAfterTheDeadline) {
  Installer({{"Welcome", {}}, {"Other", {}}});
  Queue({WritePackage("Lingers", TestPackage{kSetup, "", {ClickNext("Welcome")}, true})});
  deadlineSeconds = 5;
  Start();
  Run(3000);
  EXPECT_FALSE(Row(0).closed);
  Run(6000);
  ASSERT_TRUE(Row(0).closed);
  EXPECT_EQ(Row(0).status, kNotInstalled);
  EXPECT_EQ(Row(0).details, "Истекло время ожидания установщика, с: 5");
  EXPECT_FALSE(processes.Running(processes.Started().at(0).id));
  EXPECT_EQ(processes.OpenHandles(), 0u);
}

// A package without an installer waits for the installer of an earlier run, known only by its id: at the
// deadline that id may belong to another program by now, so nothing is ended.
TEST_F(PlayerDeadlineTest, AnInstallerFromAnEarlierRunIsNeverEnded) {
  processWideId = *processes.Start("C:\\Other\\unrelated.exe");
  Queue({WritePackage("Waits", TestPackage{"-", "", {}, true})});
  deadlineSeconds = 5;
  Start();
  Run(8000);
  ASSERT_EQ(stats.Rows().size(), 1u);
  ASSERT_TRUE(Row(0).closed);
  EXPECT_EQ(Row(0).details, "Истекло время ожидания установщика, с: 5");
  EXPECT_TRUE(processes.Running(processWideId));
}

TEST_F(PlayerDeadlineTest, StopWritesTheReportWithTheInterruptedPackage) {
  Installer({{"Welcome", {}}, {"Other", {}}});
  Queue({StallingPackage("Stall"), GoodPackage("Never")});
  reportPath = "C:\\run.json";
  fs.AddFile(reportPath, "old report");
  Start();
  Run(2000);
  player->StopRun();
  const nlohmann::json report = Report();
  ASSERT_EQ(report["packages"].size(), 1u);
  EXPECT_EQ(report["packages"][0]["outcome"], "interrupted");
  EXPECT_EQ(report["exit_code"], 1602);
}

// A report that cannot be written is not silent: the deployment log hears of it, the exit code stays
// the run's, and a report that was there stays whole.
TEST_F(PlayerDeadlineTest, AReportThatCannotBeWrittenIsToldAndTheExitCodeStaysTheRuns) {
  Installer({{"Welcome", {}}, {"Other", {}}});
  Queue({GoodPackage("Good")});
  reportPath = "C:\\No Such Folder\\run.json";
  Start();
  Run(10000);
  ASSERT_TRUE(Unloaded());
  EXPECT_EQ(player->ExitCode(), 0);
  EXPECT_EQ(deploymentLog.lines,
            std::vector<std::string>{"Velgaro Replaysetup: the run report could not be written to "
                                     "\"C:\\No Such Folder\\run.json\" (its folder does not exist); the run's exit "
                                     "code is 0."});

  deploymentLog.lines.clear();
  calls.clear();
  stats.ResetStats();
  reportPath = "C:\\Reports\\run.json";
  fs.AddFile(reportPath, "the last run's report");
  fs.SetReadOnly(reportPath, true);
  Queue({StallingPackage("Stall")});
  deadlineSeconds = 5;
  Start();
  Run(10000);
  ASSERT_TRUE(Unloaded());
  EXPECT_EQ(player->ExitCode(), 1603);
  ASSERT_EQ(deploymentLog.lines.size(), 1u);
  EXPECT_NE(deploymentLog.lines[0].find("(access denied, read-only or no space left); the run's exit code is 1603."),
            std::string::npos)
      << deploymentLog.lines[0];
  EXPECT_EQ(fs.Text(reportPath), "the last run's report");
}

TEST(RunReport, EveryTextBecomesValidJson) {
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString(std::string("x\ty\r\n\x01", 6)), "\"x\\u0009y\\u000d\\u000a\\u0001\"");
  EXPECT_EQ(JsonString("Пакет"), "\"Пакет\"");
  // Bytes of another code page, a cut character, an overlong form, a surrogate: each one replaced.
  EXPECT_EQ(JsonString("\xC0\xAF|\xE0\x80\x80|\xED\xA0\x80|\xD0"), "\"\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD"
                                                                  "\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|"
                                                                  "\xEF\xBF\xBD\"");
  InstallStat row;
  row.packageName = "\xCF\xF0\xE8";   // Windows-1251 bytes of a name
  row.details = std::string("tab\there", 8);
  row.duration = "0:00:01";
  const nlohmann::json parsed = nlohmann::json::parse(RunReportJson({row, row}, 0));
  EXPECT_EQ(parsed["packages"].size(), 2u);
  EXPECT_EQ(parsed["packages"][1]["details"], "tab\there");
  EXPECT_EQ(nlohmann::json::parse(RunReportJson({}, 1603))["packages"].size(), 0u);
}

}  // namespace
}  // namespace velgaro
