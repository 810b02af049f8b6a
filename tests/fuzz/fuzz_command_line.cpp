// The command line: the bytes as the process's arguments, parsed on a machine with a package, a folder
// named like a package and a folder with blanks. Whatever the line, a run starts only on a package file
// (a deployment run hands on whatever /inst names, and the control window's launcher refuses what is no
// package before a window opens) and the speed it sets is 0, 1 or 2.
#include "FuzzWorld.h"
#include "app/CommandLine.h"
#include "app/DeploymentSwitches.h"
#include "engine/DeploymentStart.h"
#include "platform/sim/SimRuntime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  World w;
  w.fs.AddFile("C:\\Pkgs\\a.vgp", "x");
  w.fs.AddFile("C:\\My Packages\\Setup One.vgp", "x");
  w.fs.AddFolder("C:\\Pkgs\\folder.vgp");
  w.fs.AddFile("C:\\TEMP\\t.vgp", "x");
  int controlWindows = 0;
  PlayRun played;
  w.app.windows.openControlWindow = [&](const PlayRun& run) {
    ++controlWindows;
    played = run;
  };

  ParseCommandLine(w.app, AsText(data, size));

  if (w.app.UnattendedInstall) {
    Check(controlWindows == 1 && played.RunList.size() == 2, "an unattended install plays one package");
    const std::string& package = played.RunList[1];
    if (!w.fs.Exists(package) || w.fs.IsDirectory(package)) {
      Check(IsDeploymentRun(w.app), "an unattended install plays a package file");
      SimClock clock;
      Check(RefuseUnplayableDeployment(w.app, played, clock, nullptr).has_value(), "a deployment run refuses what is no package");
    }
  } else {
    Check(controlWindows == 0 && played.RunList.size() == 1, "no run without /inst and a package");
  }
  const std::string speed = w.settings.Get("Install", "Speed", "2");
  Check(speed == "0" || speed == "1" || speed == "2", "the speed switch sets 0, 1 or 2");
  const std::string folder = w.settings.Get("Path", "FolderVGP", "");
  Check(folder.empty() || w.fs.IsDirectory(folder), "/add sets an existing folder");
  return 0;
}
