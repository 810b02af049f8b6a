// The portable settings: the bytes as velgaro.ini beside the program on a removable drive, so that the
// start-up copies its settings whatever PortableMode says; then a setting written back, as the speed
// menu writes it, must read back.
#include "FuzzWorld.h"
#include "app/PortableSettings.h"
#include "app/StartUp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  World w;
  w.sys.exeFolder = "E:\\Velgaro";
  w.sys.AddDrive("E:\\", kDriveRemovable);
  w.fs.AddFolder(w.sys.exeFolder);
  w.fs.AddFolder("E:\\Folder VGP");
  const std::string file = IniFilePath(w.sys);
  w.fs.AddFile(file, AsBytes(data, size));

  StartUp(w.app);
  const std::string speed = w.settings.Get("Install", "Speed", "2");
  Check(speed == "0" || speed == "1" || speed == "2", "the speed taken from the INI file is 0, 1 or 2");
  const std::string folder = w.settings.Get("Path", "FolderVGP", "");
  Check(folder.empty() || w.fs.Exists(folder), "the package folder taken from the INI file exists");

  if (WriteIniSetting(w.app, "SpeedInstall", "1")) {
    Check(w.ini.Read(file, "General", "SpeedInstall", "", 128) == "1", "a setting written to the INI file reads back");
  }
  return 0;
}
