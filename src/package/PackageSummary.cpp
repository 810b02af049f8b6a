#include "package/PackageSummary.h"

#include "package/PackageSummaries.h"

namespace velgaro {

PackageSummary ReadPackageSummary(const Codepage& codepage, const FileSystem& fs, const PathVariables& paths,
                                  const std::string& packagePath) {
  PackageSummary summary;
  const std::optional<StoredSummary> stored = ReadStoredSummary(codepage, fs, packagePath);
  if (!stored || !stored->sound) {
    summary.state = stored ? PackageSummary::State::Damaged : PackageSummary::State::FileMissing;
    return summary;
  }
  summary.storedInstallerPath = stored->exePath;
  summary.installerPath = paths.ExpandPathVariables(stored->exePath, fs);
  if (!FileExists(fs, summary.installerPath)) {
    summary.state = PackageSummary::State::InstallerMissing;
    return summary;
  }
  summary.state = PackageSummary::State::Ok;
  summary.description = stored->description;
  summary.defSelect = stored->defSelect;
  return summary;
}

}  // namespace velgaro
