// Starting a run from the main window: the checked packages, or all, in the order of the rows.
#include "library/MainWindowModel.h"

namespace velgaro {

bool MainWindowModel::StartRun(std::vector<std::string> runList) {
  if (runList.size() < 2) return false;
  // The order on screen is the order of the run; it is kept before the window goes.
  library_.SavePositionList();
  PlayRun run;
  run.CurrentPackagePath = runList[1];
  run.RunList = std::move(runList);
  if (hooks_.hideMainWindow) hooks_.hideMainWindow();
  if (hooks_.openControlWindow) hooks_.openControlWindow(run);
  return true;
}

void MainWindowModel::ProcRunVGP() {
  if (busy_ || library_.Rows().empty()) return;
  app_.RecordMode = false;
  StartRun(library_.PutVGParray());
}

void MainWindowModel::RunAll() {
  if (busy_ || library_.Rows().empty()) return;
  app_.RecordMode = false;
  StartRun(library_.AllPackagesRunList());
}

}  // namespace velgaro
