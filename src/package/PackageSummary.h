// What the disk wizard's list shows of one package: read from its file without keeping anything of it.
#pragma once

#include <string>

#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

struct PackageSummary {
  enum class State { FileMissing, Damaged, InstallerMissing, Ok };
  State state = State::FileMissing;
  std::string description;     // cut at its first NUL
  std::string storedInstallerPath;   // as stored in the package
  std::string installerPath;   // variables expanded
  bool defSelect = false;
};

// Loads the package and reads its summary.
PackageSummary ReadPackageSummary(const Codepage& codepage, const FileSystem& fs, const PathVariables& paths,
                                  const std::string& packagePath);

}  // namespace velgaro
