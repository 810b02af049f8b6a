// Why a package file cannot be played: the statistics row's text for a package that is missing,
// cannot be read, is damaged or was made by a newer version of the program.
#pragma once

#include <optional>
#include <string>

#include "lang/Language.h"
#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

// Loads the package at path into package (its header and options); nullopt when it may be played.
std::optional<std::string> PackageFault(const FileSystem& fs, PackageImage& package, const Language& language,
                                        const std::string& path);

}  // namespace velgaro
