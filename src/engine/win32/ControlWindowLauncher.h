// Opens the control window in play mode over the run in App (RunList, the start-up flags) and starts
// playing. The window, its player and the adapters they use live until the run unloads the window;
// an unattended run then ends the message loop with the run's exit code.
#pragma once

#include "app/App.h"

namespace velgaro {

void OpenControlWindow(App& app);

}  // namespace velgaro
