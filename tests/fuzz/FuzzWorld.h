// What the fuzz targets share: the simulated platform of the unit tests, built afresh for every input
// so that no input leaves state behind for the next one, and the check that turns a broken rule of a
// reader into a crash libFuzzer keeps the input of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/App.h"
#include "package/paths/PathVariables.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro::fuzz {

inline void Check(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken rule: %s\n", rule);
  std::abort();
}

inline std::string AsText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

inline Bytes AsBytes(const std::uint8_t* data, std::size_t size) { return Bytes(data, data + size); }

// The values InitPathVariables gives on the simulated machine, without asking it every time.
inline void SetKnownPathVariables(PathVariables& paths) {
  paths.SetTable({PathVariable{"%CDROM%", "D:\\"}, {"%USERNAME%", "User"}, {"%WINDOWS%", "C:\\WINDOWS"},
                  {"%TEMP%", "C:\\TEMP"}, {"%PROGRAMFILES%", "C:\\Program Files"},
                  {"%APPFOLDER%", "C:\\Tools\\Rec\\"}, {"%DRIVEAPP%", "C:\\"}},
                 {"D:\\"});
}

// One run of the program over the simulated machine: the program folder C:\Tools\Rec, an installer
// C:\Setup\setup.exe and a package folder C:\Packages.
struct World {
  static constexpr const char* kPackageFolder = "C:\\Packages";
  static constexpr const char* kSetup = "C:\\Setup\\setup.exe";

  World() {
    fs.AddFolder(sys.exeFolder);
    fs.AddFolder(kPackageFolder);
    fs.AddFile(kSetup, "MZ");
    SetKnownPathVariables(app.paths);
  }
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  SimSystemInfo sys;
  SimFileSystem fs;
  SimIniFile ini{fs};
  SimSettingsStore settings;
  SimRegistry registry;
  SimCodepage codepage;
  SimDialogs dialogs;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
};

}  // namespace velgaro::fuzz
