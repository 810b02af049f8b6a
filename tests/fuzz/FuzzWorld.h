// What the fuzz targets share: the simulated platform of the unit tests, built afresh for every input
// so that no input leaves state behind for the next one, and the check that turns a broken rule of a
// reader into a crash libFuzzer keeps the input of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/SimApp.h"

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

// The simulated machine's path variables, with a CD-ROM drive D: (so that %CDROM% is reached too).
inline void SetKnownPathVariables(PathVariables& paths) { test::SetKnownPathVariables(paths, "D:\\"); }

// One run of the program over the simulated machine: the program folder C:\Tools\Rec, an installer
// C:\Setup\setup.exe and a package folder C:\Packages (kPackageFolder).
struct World : test::SimApp {
  World() {
    AddProgramAndPackageFolders("D:\\");
    fs.AddFile(kSetup, "MZ");
  }
};

}  // namespace velgaro::fuzz
