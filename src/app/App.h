// The process-wide state of one run of the program. StartUp creates and fills it; every piece of the
// program is handed only the parts it uses.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/PlayRun.h"
#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/PackageSummaries.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// The platform as the program sees it. Filled by the entry point (win32/ or tests with sim/).
struct Platform {
  SystemInfo& sys;
  FileSystem& fs;
  IniFile& ini;
  SettingsStore& settings;
  Registry& registry;
  Codepage& codepage;
  Dialogs& dialogs;
};

// What start-up asks of the windows layer. Empty functions do nothing (tests, or the windows not built yet).
struct AppWindows {
  std::function<bool()> acquireSingleInstance;   // true: this is the first copy
  std::function<bool()> bringFirstCopyForward;   // true: a first copy's main window was brought forward
  std::function<void(const PlayRun& run)> openControlWindow;   // play the run unattended
  std::function<void()> openMainWindow;
  std::function<void(bool refreshList)> showMainWindow;   // after a run or a recording
  std::function<void(int exitCode)> endProcess;  // ends this copy at once
  std::function<std::string()> commandLine;      // the process's command line without the program name
  // A path made absolute against the current folder (GetFullPathName); empty function: kept as given.
  std::function<std::string(const std::string& path)> absolutePath;
  std::function<void(const std::string& text, const std::string& title)> showHelp;  // "/?": information box
};

struct App {
  explicit App(Platform p) : platform(p) {}
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Platform platform;
  AppWindows windows;

  // Start-up flags.
  bool PortableMode = false;
  bool UnattendedInstall = false;
  bool NoStatistics = false;
  bool RecordMode = false;
  bool IniSettingsLoaded = false;      // LoadIniSettings ran at this start-up
  int DeadlineSeconds = 0;              // /TIMEOUT=<seconds>; 0: no deadline
  std::string ReportPath;               // /REPORT=<file>; empty: no report
  std::string CommandSwitches;          // status-bar panel 3
  std::string SettingsNotice;           // status-bar panel 2 at start
  std::string StatusPanel2;             // status-bar panel 2 text set later (INI write failures)

  // The run.
  std::string CurrentCommandLine;

  PathVariables paths;
  Language language;
  PackageSummaries summaries;   // what the lists read of the package folder's files

  // How a package image of this program reads and writes its texts: the ANSI code page, and the path
  // variables of this start-up expanded in what it reads. Every package image is made with it.
  PackageTextContext PackageText() {
    return PackageTextContext{platform.codepage,
                              [this](const std::string& t) { return paths.ExpandPathVariables(t, platform.fs); }};
  }
};

}  // namespace velgaro
