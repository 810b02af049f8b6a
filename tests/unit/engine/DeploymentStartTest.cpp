// An unattended deployment run (/inst with /TIMEOUT or /REPORT) whose package cannot be played ends
// before any window opens: exit code 1603 and a report row that names the file and says why.
#include <nlohmann/json.hpp>

#include "PlayerFixture.h"
#include "app/App.h"
#include "engine/DeploymentStart.h"

namespace velgaro {
namespace {

class DeploymentStartTest : public PlayerTest {
 protected:
  DeploymentStartTest() {
    app.UnattendedInstall = true;
    app.ReportPath = "C:\\Logs\\run.json";
    fs.AddFolder("C:\\Logs");
  }
  std::optional<int> Check(const std::string& package) {
    return RefuseUnplayableDeployment(app, RunOfOne(package), clock, &log);
  }
  nlohmann::json Report() const { return nlohmann::json::parse(fs.Text(app.ReportPath)); }

  SimDeploymentLog log;
};

TEST_F(DeploymentStartTest, APackageThatCannotBePlayedEndsTheRunWithItsReason) {
  fs.AddFile("C:\\Packages\\Short.vgp", Bytes{1, 2, 3});
  fs.AddFolder("C:\\Packages\\Folder.vgp");
  TestPackage newer;
  newer.versionMajor = 2;
  const struct {
    std::string path;
    std::string name;
    std::string details;
  } cases[] = {
      {"C:\\PACKAGES\\ABSENT.VGP", "ABSENT", "Отсутстует vgp-файл - C:\\PACKAGES\\ABSENT.VGP"},
      {"C:\\Packages\\Folder.vgp", "Folder", "Не удаётся прочитать vgp-файл - C:\\Packages\\Folder.vgp"},
      {"C:\\Packages\\Short.vgp", "Short", "Повреждённый vgp-файл - C:\\Packages\\Short.vgp"},
      {WritePackage("New", newer), "New", "vgp-файл создан более новой версией программы"},
      {"", "", "Отсутстует vgp-файл - "},   // /inst with nothing after it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Check(c.path), 1603);
    const nlohmann::json report = Report();
    EXPECT_EQ(report["exit_code"], 1603);
    ASSERT_EQ(report["packages"].size(), 1u);
    EXPECT_EQ(report["packages"][0]["package"], c.name);
    EXPECT_EQ(report["packages"][0]["outcome"], "not installed");
    EXPECT_EQ(report["packages"][0]["details"], c.details);
    EXPECT_EQ(report["packages"][0]["time"], "0:00:00");
  }
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(DeploymentStartTest, APlayablePackageOrARunWithoutDeploymentSwitchesGoesOn) {
  const std::string good = WritePackage("Good", TestPackage{});
  EXPECT_EQ(Check(good), std::nullopt);
  EXPECT_FALSE(fs.Exists(app.ReportPath));   // the player writes it at the end of the run

  app.ReportPath.clear();
  EXPECT_EQ(Check("C:\\PACKAGES\\ABSENT.VGP"), std::nullopt);   // the control window reports it, as always
  app.DeadlineSeconds = 30;
  EXPECT_EQ(Check("C:\\PACKAGES\\ABSENT.VGP"), 1603);           // /TIMEOUT alone: no report to write
  EXPECT_TRUE(log.lines.empty());

  app.UnattendedInstall = false;   // a batch run from the main window plays its list as it is
  EXPECT_EQ(Check("C:\\PACKAGES\\ABSENT.VGP"), std::nullopt);
}

TEST_F(DeploymentStartTest, AReportThatCannotBeWrittenIsToldAndTheRunStillEnds) {
  app.ReportPath = "C:\\Gone\\run.json";
  EXPECT_EQ(Check("C:\\PACKAGES\\ABSENT.VGP"), 1603);
  EXPECT_EQ(log.lines, std::vector<std::string>{"Velgaro Replaysetup: the run report could not be written to "
                                                "\"C:\\Gone\\run.json\" (its folder does not exist); the run's exit "
                                                "code is 1603."});
}

}  // namespace
}  // namespace velgaro
