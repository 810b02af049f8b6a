// The running program's version, as the build defines it (the project's version). Its major and minor
// numbers are also the version a package records as the version of the program that wrote it.
#pragma once

#include "package/PackageImage.h"

namespace velgaro {

inline constexpr int kVersionMajor = VELGARO_VERSION_MAJOR;
inline constexpr int kVersionMinor = VELGARO_VERSION_MINOR;
inline constexpr int kVersionRevision = VELGARO_VERSION_REVISION;
static_assert(kVersionMajor == kProgramVersionMajor && kVersionMinor == kProgramVersionMinor,
              "the project's version and the version packages record must move together");

}  // namespace velgaro
