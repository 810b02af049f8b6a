// Opens the control window. In play mode it plays the run it is handed (an unattended run then ends the
// message loop with the run's exit code); in record mode it starts the installer of the request and
// records until stop. The window, its player or recorder and the adapters they use live until the
// window unloads; one control window is open at a time.
#pragma once

#include "app/App.h"
#include "package/NewPackageRequest.h"

namespace velgaro {

void OpenControlWindow(App& app, const PlayRun& run);
void OpenRecordWindow(App& app, const NewPackageRequest& request);

}  // namespace velgaro
