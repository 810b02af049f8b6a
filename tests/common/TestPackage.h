// Package files for tests, written and read back as the program does. Every test that needs a package on
// a disk builds it here, so that how a package is put together and stored is spelt out in one place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro::test {

struct TestPackageSpec {
  std::string installer = "C:\\Setup\\setup.exe";   // "-": a package that starts no program
  std::string description = "test package";
  std::string commandLine;
  std::vector<PackageAction> actions;
  PackageOptions options{false, false, 0, false, true};
  LocalTime created{2026, 12, 7, 10, 0, 0};
  std::int16_t versionMajor = kProgramVersionMajor;   // another: a package of another program version
};

// Writes the package as the recorder closes one (installer path, command line, date, options) and
// scrambled; false when a step or the write failed.
inline bool WriteTestPackage(FileSystem& fs, const Codepage& codepage, const std::string& path,
                             const TestPackageSpec& spec) {
  PackageImage pkg(PackageTextContext{codepage, {}});
  pkg.NewPackageImage(1024, 768, spec.installer, spec.description);
  for (const PackageAction& action : spec.actions) {
    pkg.action = action;
    pkg.AppendAction();
  }
  pkg.options.needWait = true;   // a package without actions takes its installer path only when it waits
  if (!pkg.AppendExePath(spec.installer, {})) return false;
  pkg.AppendCommandLine(spec.commandLine);
  pkg.AppendCreationDate(spec.created);
  pkg.options = spec.options;
  if (!pkg.WriteOptions()) return false;
  if (spec.versionMajor != kProgramVersionMajor) {
    pkg.Image()[8] = static_cast<std::uint8_t>(spec.versionMajor);   // the header's version field
  }
  return pkg.WritePackageFile(fs, path);
}

// The package file read back; nullopt when it cannot be read or is not a sound package.
inline std::optional<PackageImage> ReadTestPackage(const FileSystem& fs, const Codepage& codepage,
                                                   const std::string& path) {
  std::optional<PackageImage> pkg(std::in_place, PackageTextContext{codepage, {}});
  if (!pkg->LoadPackage(fs, path)) return std::nullopt;
  return pkg;
}

}  // namespace velgaro::test
