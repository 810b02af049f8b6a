#include "engine/DeploymentStart.h"

#include "app/DeploymentSwitches.h"
#include "engine/PackageFault.h"
#include "engine/RunExitCode.h"
#include "engine/RunReport.h"
#include "engine/Statistics.h"

namespace velgaro {

std::optional<int> RefuseUnplayableDeployment(App& app, const PlayRun& run, const Clock& clock, DeploymentLog* log) {
  if (!app.UnattendedInstall || app.RecordMode || !IsDeploymentRun(app) || run.RunList.size() != 2) {
    return std::nullopt;
  }
  const std::string& path = run.RunList[1];
  PackageImage package(app.PackageText());
  const std::optional<std::string> fault = PackageFault(app.platform.fs, package, app.language, path);
  if (!fault) return std::nullopt;
  Statistics stats;
  const LocalTime now = clock.Now();
  stats.BeginStat(FileTitle(path), now);
  stats.EndStat(kNotInstalled, *fault, now);
  if (!app.ReportPath.empty()) {
    DeliverRunReport(app.platform.fs, log, app.ReportPath, stats.Rows(), kExitNotInstalled);
  }
  return kExitNotInstalled;
}

}  // namespace velgaro
