// The running program's version: the package format's version (major, minor) and a revision.
#pragma once

#include "package/PackageImage.h"

namespace velgaro {

inline constexpr int kVersionMajor = kProgramVersionMajor;
inline constexpr int kVersionMinor = kProgramVersionMinor;
inline constexpr int kVersionRevision = 0;

}  // namespace velgaro
