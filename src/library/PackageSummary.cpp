#include "library/PackageSummary.h"

namespace velgaro {

PackageSummary ReadPackageSummary(PackageImage& package, const FileSystem& fs, const PathVariables& paths,
                                  const std::string& packagePath) {
  PackageSummary summary;
  // Loading first spares the existence test of every sound package; a failed load tells which case it was.
  if (!package.LoadPackage(fs, packagePath) || package.Damaged()) {
    summary.state = FileExists(fs, packagePath) ? PackageSummary::State::Damaged : PackageSummary::State::FileMissing;
    return summary;
  }
  summary.installerPath = paths.ExpandPathVariables(package.ReadExePath(), fs);
  if (package.Damaged()) {
    summary.state = PackageSummary::State::Damaged;
    summary.installerPath.clear();
    return summary;
  }
  if (!FileExists(fs, summary.installerPath)) {
    summary.state = PackageSummary::State::InstallerMissing;
    return summary;
  }
  summary.state = PackageSummary::State::Ok;
  summary.description = package.ReadDescription();
  summary.defSelect = package.options.defSelect;
  return summary;
}

}  // namespace velgaro
