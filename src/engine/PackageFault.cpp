#include "engine/PackageFault.h"

#include "engine/PlayerTexts.h"
#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

std::string TextWithPath(const Language& language, StelsKey key, const std::string& path) {
  return language.LangTextParam(StelsDefault(key) + path, kStelsSection, key, path);
}

}  // namespace

std::optional<std::string> PackageFault(const FileSystem& fs, PackageImage& package, const Language& language,
                                        const std::string& path) {
  if (!FileExists(fs, path)) return TextWithPath(language, kTextPackageMissing, path);
  // There but not readable (no access, a folder, in use): not the same as a damaged file.
  if (!package.LoadPackage(fs, path) || package.Damaged()) {
    return TextWithPath(language, package.Damaged() ? kTextPackageDamaged : kTextPackageUnreadable, path);
  }
  if (!package.CheckPackageVersion()) return language.LangText(StelsDefault(kTextNewerVersion), kStelsSection, kTextNewerVersion);
  return std::nullopt;
}

}  // namespace velgaro
