#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/CommandLine.h"

namespace velgaro {
namespace {

constexpr const char* kUnset = "<unset>";
constexpr const char* kOld = "C:\\Old";
constexpr const char* kPackage = "C:\\PKGS\\A.VGP";
constexpr const char* kBlanks = "C:\\MY PACKAGES\\SETUP ONE.VGP";

struct Case {
  const char* line;
  bool noStatistics;
  const char* speed;
  const char* folder;
  const char* switches;
  const char* played;   // "": no unattended install
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.line; }

class CommandLineTest : public AppFixture, public ::testing::WithParamInterface<Case> {
 protected:
  void SetUp() override {
    fs.AddFile("C:\\Pkgs\\setup.exe", "MZ");
    fs.AddFile("C:\\Pkgs\\a.vgp", "x");
    fs.AddFile("C:\\My Packages\\Setup One.vgp", "x");
    fs.AddFolder("C:\\Pkgs\\folder.vgp");
    fs.AddFile("C:\\TEMP\\t.vgp", "x");
    settings.Set("Path", "FolderVGP", kOld);
    sys.langId = 1031;   // German, no language file
    InitPaths();
  }
};

TEST_P(CommandLineTest, ActsOnTheSwitches) {
  const Case& c = GetParam();
  ParseCommandLine(app, c.line);
  EXPECT_EQ(app.NoStatistics, c.noStatistics);
  EXPECT_EQ(Setting("Install", "Speed"), c.speed);
  EXPECT_EQ(Setting("Path", "FolderVGP"), c.folder);
  EXPECT_EQ(app.CommandSwitches, c.switches);
  const bool plays = *c.played != '\0';
  EXPECT_EQ(app.UnattendedInstall, plays);
  const std::vector<std::string> runList = plays ? std::vector<std::string>{"", c.played} : std::vector<std::string>{""};
  EXPECT_EQ(played.RunList, runList);
  EXPECT_EQ(played.CurrentPackagePath, c.played);
  EXPECT_EQ(calls.size(), plays ? 1u : 0u);   // the control window opened
  EXPECT_EQ(app.language.Name(), plays ? "German" : "");   // the language is loaded before playing...
  EXPECT_TRUE(dialogs.shown.empty());                      // ...without reporting the missing file
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    ::testing::Values(
        Case{"/? /nostat", true, kUnset, kOld, "/nostat", ""},
        Case{"/add x", false, kUnset, kOld, "", ""},   // under 7 characters
        Case{"/add ф", false, kUnset, kOld, "", ""},   // 7 bytes, 6 characters
        Case{"/add  x", false, kUnset, kOld, "/add", ""},
        Case{"/NoStat", true, kUnset, kOld, "/nostat", ""},
        Case{"x/nostat /nostat", false, kUnset, kOld, "", ""},
        Case{"/nostat /add C:\\Pkgs", true, kUnset, kOld, "/nostat", ""},   // the cut leaves a blank first
        Case{"/add C:\\Pkgs /nostat", true, kUnset, "C:\\PKGS", "/nostat/add", ""},
        Case{"/add C:\\Pkgs\\setup.exe", false, kUnset, "C:\\PKGS", "/add", ""},
        Case{"/add \"C:\\My Packages\\Setup One.vgp\" x", false, kUnset, "C:\\MY PACKAGES", "/add", ""},
        Case{"/add C:\\Nowhere", false, kUnset, kOld, "/add", ""},
        Case{"/add   -", false, kUnset, kOld, "/add", ""},   // "no program" is not a folder
        Case{"/SPEED=1", false, "1", kOld, " /speed", ""},
        Case{"/nostat /Speed=2", true, "2", kOld, "/nostat /speed", ""},
        Case{"/SPEED=7", false, "2", kOld, "", ""},
        Case{"/SPEED=1/add C:\\Pkgs", false, "1", "C:\\PKGS", " /speed/add", ""},
        Case{"/SPEED=x/add C:\\Pkgs", false, kUnset, "C:\\PKGS", "/add", ""},
        Case{"/SPEED=ф/add C:\\Pkgs", false, kUnset, "C:\\PKGS", "/add", ""},
        Case{"/add C:\\Pkgs/SPEED=", false, kUnset, "C:\\PKGS", "/add", ""},
        Case{"/inst \"C:\\My Packages\\Setup One.vgp\"", false, kUnset, kOld, "", kBlanks},
        Case{"/inst C:\\My Packages\\Setup One.vgp", false, kUnset, kOld, "", kBlanks},
        Case{"/inst C:\\Pkgs\\a.vgp trailing words", false, kUnset, kOld, "", kPackage},
        Case{"/add \"C:\\Pkgs\" /inst C:\\Pkgs\\a.vgp", false, kUnset, "C:\\PKGS", "/add", kPackage},
        Case{"/nostat /SPEED=0 /inst C:\\Pkgs\\a.vgp", true, "0", kOld, "/nostat /speed", kPackage},
        Case{"/inst %TEMP%\\t.vgp", false, kUnset, kOld, "", ""},   // tested before expansion
        Case{"/inst C:\\Pkgs\\setup.exe", false, kUnset, kOld, "", ""},
        Case{"/inst C:\\Pkgs\\folder.vgp", false, kUnset, kOld, "", ""},
        Case{"/inst \"C:\\Pkgs\\a.vgp", false, kUnset, kOld, "", ""},
        Case{"/inst  -   ", false, kUnset, kOld, "", ""}));

using CommandHelpTest = AppFixture;

TEST_F(CommandHelpTest, TheExactLineShowsTheHelpAndNothingElse) {
  for (const char* line : {"/?", "   /?  "}) {
    calls.clear();
    ParseCommandLine(app, line);
    EXPECT_EQ(calls, std::vector<std::string>{"showHelp"});
  }
  EXPECT_EQ(help, (std::vector<std::string>{
                      "/inst <file.vgp>   - play actions\r\n/add  <file.exe or folder> - write new project, \r\n"
                      "\t\t\tor open foder with vgp files\r\n/nostat\t\t- Statistic not show\r\n"
                      "/speed {0|1|2}\t- set speed of actions\r\n/? \t\t- current message - help",
                      "Quick Command Help"}));
}

// The switches of unattended deployment: cut out before the rest is read, the report's path in its own case.
class DeploymentSwitchTest : public AppFixture {
 protected:
  void SetUp() override {
    fs.AddFile("C:\\Pkgs\\a.vgp", "x");
    fs.AddFile("C:\\My Packages\\Setup One.vgp", "x");
    sys.langId = 1031;
    InitPaths();
  }
  void Parse(const std::string& line) {
    app.DeadlineSeconds = 0;
    app.ReportPath.clear();
    app.CommandSwitches.clear();
    played = PlayRun{};
    ParseCommandLine(app, line);
  }
};

TEST_F(DeploymentSwitchTest, TimeoutAndReportGoWithTheRunAndLeaveThePackagePathWhole) {
  Parse("/inst C:\\My Packages\\Setup One.vgp /nostat /TIMEOUT=5 /report=\"C:\\Out Dir\\Run.json\"");
  EXPECT_EQ(app.DeadlineSeconds, 5);
  EXPECT_EQ(app.ReportPath, "C:\\Out Dir\\Run.json");
  EXPECT_TRUE(app.NoStatistics);
  EXPECT_EQ(app.CommandSwitches, "/nostat /timeout /report");
  EXPECT_EQ(played.CurrentPackagePath, kBlanks);

  Parse("/Timeout=600 /REPORT=c:\\logs\\r.json /inst C:\\Pkgs\\a.vgp");
  EXPECT_EQ(app.DeadlineSeconds, 600);
  EXPECT_EQ(app.ReportPath, "c:\\logs\\r.json");
  EXPECT_EQ(played.CurrentPackagePath, kPackage);
}

TEST_F(DeploymentSwitchTest, ABadDeadlineMeansNoneAndABadReportNone) {
  for (const char* line : {"/inst C:\\Pkgs\\a.vgp /TIMEOUT=0", "/inst C:\\Pkgs\\a.vgp /TIMEOUT=-5",
                           "/inst C:\\Pkgs\\a.vgp /TIMEOUT=5m", "/inst C:\\Pkgs\\a.vgp /TIMEOUT=99999999999",
                           "/inst C:\\Pkgs\\a.vgp /TIMEOUT=", "/inst C:\\Pkgs\\a.vgp x/TIMEOUT=5",
                           "/inst C:\\Pkgs\\a.vgp /REPORT=\"C:\\unclosed", "/inst C:\\Pkgs\\a.vgp /REPORT="}) {
    Parse(line);
    EXPECT_EQ(app.DeadlineSeconds, 0) << line;
    EXPECT_EQ(app.ReportPath, "") << line;
    EXPECT_EQ(app.CommandSwitches, "") << line;
  }
}

// A deployment run never waits for a person: /inst naming no playable package still goes to the control
// window (which ends the run at once and says why) instead of opening the main window.
TEST_F(DeploymentSwitchTest, ADeploymentRunTakesThePackageItNamesEvenWhenItIsNoPackage) {
  fs.AddFile("C:\\TEMP\\t.vgp", "x");
  fs.AddFile("C:\\Pkgs\\setup.exe", "MZ");
  const struct {
    const char* line;
    const char* named;
  } cases[] = {
      {"/inst C:\\Packages\\absent.vgp /nostat /TIMEOUT=5 /REPORT=C:\\r.json", "C:\\PACKAGES\\ABSENT.VGP"},
      {"/inst C:\\My Packages\\gone.vgp /TIMEOUT=5", "C:\\MY PACKAGES\\GONE.VGP"},
      {"/nostat /inst \"C:\\My Packages\\gone.vgp\" \"/REPORT=C:\\Deploy Logs\\r.json\"", "C:\\MY PACKAGES\\GONE.VGP"},
      {"/inst \"C:\\My Packages\\unclosed.vgp /TIMEOUT=5", "C:\\MY PACKAGES\\UNCLOSED.VGP"},
      {"/inst C:\\Pkgs\\setup.exe /TIMEOUT=5", "C:\\PKGS\\SETUP.EXE"},
      {"/inst %TEMP%\\t.vgp /TIMEOUT=5", "C:\\TEMP\\T.VGP"},   // a deployment run plays it expanded
      {"/TIMEOUT=5 /inst", ""},
  };
  for (const auto& c : cases) {
    calls.clear();
    app.UnattendedInstall = false;
    played.RunList = {""};
    Parse(c.line);
    EXPECT_TRUE(app.UnattendedInstall) << c.line;
    EXPECT_EQ(played.RunList, (std::vector<std::string>{"", c.named})) << c.line;
    EXPECT_EQ(calls, std::vector<std::string>{"openControlWindow"}) << c.line;
  }

  // Without the deployment switches the line is read as always: the main window opens.
  calls.clear();
  app.UnattendedInstall = false;
  played.RunList = {""};
  Parse("/inst C:\\Packages\\absent.vgp /nostat");
  EXPECT_FALSE(app.UnattendedInstall);
  EXPECT_TRUE(calls.empty());
  // No /inst at all: a batch run from the main window with a deadline.
  Parse("/TIMEOUT=5 /REPORT=C:\\r.json");
  EXPECT_FALSE(app.UnattendedInstall);
  EXPECT_TRUE(calls.empty());
}

// Exact command lines as CreateProcess hands them over, however the caller quoted the deployment
// switches: /NAME="value" (cmd, batch files) or "/NAME=value" (PowerShell, .NET's ArgumentList, Python's
// subprocess, Wine). The rest of the line is read as before.
struct ExactLine {
  const char* line;
  const char* report;    // "": no report
  int deadline;          // 0: none
  const char* played;    // "": no unattended install
  bool noStatistics;
};

void PrintTo(const ExactLine& c, std::ostream* os) { *os << c.line; }

class ExactLineTest : public DeploymentSwitchTest, public ::testing::WithParamInterface<ExactLine> {
 protected:
  void SetUp() override {
    DeploymentSwitchTest::SetUp();
    // The caller's current folder, as GetFullPathName takes it.
    app.windows.absolutePath = [](const std::string& path) {
      const bool absolute = (path.size() > 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
      return absolute ? path : "C:\\Caller\\" + path;
    };
  }
};

TEST_P(ExactLineTest, TakesTheDeploymentSwitchesHoweverQuoted) {
  const ExactLine& c = GetParam();
  ParseCommandLine(app, c.line);
  EXPECT_EQ(app.ReportPath, c.report);
  EXPECT_EQ(app.DeadlineSeconds, c.deadline);
  EXPECT_EQ(played.CurrentPackagePath, c.played);
  EXPECT_EQ(app.UnattendedInstall, *c.played != '\0');
  EXPECT_EQ(app.NoStatistics, c.noStatistics);
}

constexpr const char* kLogs = "C:\\Deploy Logs\\run 1.json";
constexpr const char* kCyrillic = "C:\\Журналы развёртывания\\запуск №1.json";

INSTANTIATE_TEST_SUITE_P(
    Lines, ExactLineTest,
    ::testing::Values(
        ExactLine{"/inst C:\\Pkgs\\a.vgp /REPORT=\"C:\\Deploy Logs\\run 1.json\"", kLogs, 0, kPackage, false},
        ExactLine{"/inst C:\\Pkgs\\a.vgp \"/REPORT=C:\\Deploy Logs\\run 1.json\"", kLogs, 0, kPackage, false},
        ExactLine{"/inst C:\\Pkgs\\a.vgp \"/REPORT=C:\\Журналы развёртывания\\запуск №1.json\" /nostat", kCyrillic, 0,
                  kPackage, true},
        ExactLine{"/inst C:\\Pkgs\\a.vgp /report=\"C:\\Журналы развёртывания\\запуск №1.json\"", kCyrillic, 0,
                  kPackage, false},
        ExactLine{"/inst C:\\Pkgs\\a.vgp /REPORT=logs\\run.json", "C:\\Caller\\logs\\run.json", 0, kPackage, false},
        ExactLine{"/inst C:\\Pkgs\\a.vgp \"/REPORT=logs 2\\run.json\"", "C:\\Caller\\logs 2\\run.json", 0, kPackage,
                  false},
        // At the start of the line, before /inst: the package path is still read from /inst on.
        ExactLine{"\"/REPORT=C:\\Deploy Logs\\run 1.json\" \"/TIMEOUT=30\" /inst \"C:\\My Packages\\Setup One.vgp\"",
                  kLogs, 30, kBlanks, false},
        ExactLine{"/REPORT=\"C:\\Deploy Logs\\run 1.json\" /TIMEOUT=30 /inst C:\\My Packages\\Setup One.vgp /nostat",
                  kLogs, 30, kBlanks, true},
        // At the end of the line.
        ExactLine{"/inst \"C:\\My Packages\\Setup One.vgp\" /nostat \"/TIMEOUT=600\" \"/REPORT=C:\\Deploy Logs\\run 1.json\"",
                  kLogs, 600, kBlanks, true},
        ExactLine{"/inst C:\\My Packages\\Setup One.vgp \"/REPORT=C:\\Deploy Logs\\run 1.json\"", kLogs, 0, kBlanks,
                  false},
        // An unclosed quote gives no report; the package still plays.
        ExactLine{"/inst C:\\Pkgs\\a.vgp \"/REPORT=C:\\Deploy Logs\\run 1.json", "", 0, kPackage, false},
        ExactLine{"/inst C:\\Pkgs\\a.vgp /REPORT=\"C:\\Deploy Logs\\run 1.json", "", 0, kPackage, false},
        // A quote that does not open an argument does not open the switch either.
        ExactLine{"/inst C:\\Pkgs\\a.vgp x\"/REPORT=C:\\r.json\"", "", 0, kPackage, false},
        ExactLine{"/inst C:\\Pkgs\\a.vgp \"\"/TIMEOUT=5\"", "", 0, kPackage, false}));

}  // namespace
}  // namespace velgaro
