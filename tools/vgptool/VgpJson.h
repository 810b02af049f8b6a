// A package as JSON text, both ways: what `vgptool dump` prints and what `vgptool pack` reads.
#pragma once

#include <optional>
#include <string>

#include "package/PackageImage.h"

namespace velgaro::vgptool {

// The loaded package (unscrambled, header and options read) as one line of JSON. Texts exactly as
// stored: no path variables expanded. nullopt with error set when an action does not fit the file.
std::optional<std::string> PackageToJson(PackageImage& pkg, std::string& error);

// Builds, unscrambled, the image that a recording with this content writes. Missing creation_date:
// now; missing options: all zero; "options": null: no options block. False with error on bad JSON.
bool PackageFromJson(const std::string& json, const LocalTime& now, PackageImage& pkg, std::string& error);

// One NAME=VALUE of `vgptool set --option` applied to options; false with error when unknown or bad.
bool ApplyOption(const std::string& assignment, PackageOptions& options, std::string& error);

// "DD.MM.YYYY HH:MM:SS" as stored; nullopt when the text has another shape.
std::optional<LocalTime> ParseCreationDate(const std::string& text);

}  // namespace velgaro::vgptool
