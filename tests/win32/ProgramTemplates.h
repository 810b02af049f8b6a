// The program's dialog templates for the window tests: linked into velgaro.exe, not into the test
// program, which reads them from velgaro.exe beside it.
#pragma once

#include <windows.h>

namespace velgaro::win32::test {

// The module holding the dialog template id: the test program itself when it has it, else velgaro.exe
// loaded as data.
HINSTANCE ProgramTemplates(int id);

// Runs the messages waiting in the thread's queue.
void PumpWaiting();

}  // namespace velgaro::win32::test
