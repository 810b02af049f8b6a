// The program's entry sequence: single instance, path variables, portable settings, language,
// command line, and then the main window unless an unattended install took over.
#pragma once

#include "app/App.h"

namespace velgaro {

void StartUp(App& app);

}  // namespace velgaro
