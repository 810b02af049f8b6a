// The one main window of the program: opened at start-up, hidden during runs and recordings, brought
// back by the control window. Its message filter belongs in the program's message loop.
#pragma once

#include <windows.h>

#include "app/App.h"

namespace velgaro {

// Creates and shows frmMain the first time (the package folder is read), shows it again afterwards.
// False when the window cannot be created.
bool OpenMainWindow(App& app);
void ShowMainWindow(bool refreshList);
// The main window's keyboard shortcuts and dialog keys; true when the message was used.
bool PreTranslateMainWindowMessage(MSG& message);

}  // namespace velgaro
