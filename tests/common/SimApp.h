// The simulated machine the suites over App start from: the ports of the simulated platform, a Platform
// over them and the App, built here once. A suite's fixture derives from it beside ::testing::Test and
// adds only what is its own (hooks, a model, its folders).
#pragma once

#include <string>
#include <vector>

#include "app/App.h"
#include "package/paths/PathVariables.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro::test {

// The values InitPathVariables gives on the simulated machine (the program in C:\Tools\Rec), without
// asking it every time; cdrom: the first CD-ROM root, none when empty.
inline void SetKnownPathVariables(PathVariables& paths, const std::string& cdrom = "") {
  paths.SetTable({PathVariable{"%CDROM%", cdrom}, {"%USERNAME%", "User"}, {"%WINDOWS%", "C:\\WINDOWS"},
                  {"%TEMP%", "C:\\TEMP"}, {"%PROGRAMFILES%", "C:\\Program Files"},
                  {"%APPFOLDER%", "C:\\Tools\\Rec\\"}, {"%DRIVEAPP%", "C:\\"}},
                 cdrom.empty() ? std::vector<std::string>{} : std::vector<std::string>{cdrom});
}

struct SimApp {
  // Where the windows over packages find them, and the installer test packages start.
  static constexpr const char* kPackageFolder = "C:\\Packages";
  static constexpr const char* kSetup = "C:\\Setup\\setup.exe";

  SimApp() = default;
  SimApp(const SimApp&) = delete;
  SimApp& operator=(const SimApp&) = delete;

  // The program folder and the package folder on disk, and the path variables known: what a window over
  // packages finds when it opens.
  void AddProgramAndPackageFolders(const std::string& cdrom = "") {
    fs.AddFolder(sys.exeFolder);
    fs.AddFolder(kPackageFolder);
    SetKnownPathVariables(app.paths, cdrom);
  }

  SimSystemInfo sys;
  SimFileSystem fs;
  SimIniFile ini{fs};
  SimSettingsStore settings;
  SimRegistry registry;
  SimCodepage codepage;
  SimDialogs dialogs;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
};

}  // namespace velgaro::test
