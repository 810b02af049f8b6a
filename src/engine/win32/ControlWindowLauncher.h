// Opens the control window: in play mode it plays the run (an unattended run then ends the message loop
// with the run's exit code); in record mode (RecordMode) it starts the installer of App.Recording and
// records until stop, and the run is empty. The window, its player or recorder and the adapters they
// use live until the window unloads.
#pragma once

#include "app/App.h"

namespace velgaro {

void OpenControlWindow(App& app, const PlayRun& run = PlayRun{});

}  // namespace velgaro
