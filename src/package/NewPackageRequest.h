// What the new-package dialog hands to the recorder: the package to record and where it goes.
#pragma once

#include <string>

#include "package/PackageImage.h"

namespace velgaro {

struct NewPackageRequest {
  std::string installerPath;   // variables expanded; "-" for a package that starts no program
  std::string packageName;     // the file name of the package, without ".vgp"
  std::string description;
  std::string commandLine;     // trimmed, variables expanded
  PackageOptions options;
  std::string packageFolder;   // where the package is saved
};

}  // namespace velgaro
