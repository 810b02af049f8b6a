// The program's entry: the Win32 platform, the start-up sequence, and the message loop that lives as
// long as a window of the program is open.
#include <windows.h>
#include <ole2.h>

#include <exception>

#include "app/App.h"
#include "app/StartUp.h"
#include "app/win32/CommandLineArguments.h"
#include "app/win32/FirstCopy.h"
#include "engine/win32/ControlWindowLauncher.h"
#include "main/win32/MainWindowLauncher.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace {

using namespace velgaro;

// The exit code is WM_QUIT's wParam, so a playback run can report its outcome to the caller.
int RunMessageLoop() {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (PreTranslateMainWindowMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

int Run() {
  win32::Win32Adapters adapters;
  App app(Platform{adapters.sys, adapters.fs, adapters.ini, adapters.settings, adapters.registry,
                   adapters.codepage, adapters.dialogs});

  win32::UniqueHandle semaphore;  // held until the process ends: it marks the first copy
  bool windowOpened = false;

  AppWindows& w = app.windows;
  w.acquireSingleInstance = [&semaphore] { return win32::AcquireSingleInstance(semaphore); };
  w.bringFirstCopyForward = [] { return win32::BringFirstCopyForward(); };
  w.endProcess = [](int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); };
  w.commandLine = [] { return win32::CommandLineArguments(); };
  w.absolutePath = [](const std::string& path) { return win32::AbsolutePath(path); };
  w.showHelp = [](const std::string& text, const std::string& title) {
    MessageBoxW(nullptr, win32::ToWide(text).c_str(), win32::ToWide(title).c_str(), MB_ICONINFORMATION);
  };
  // Closing the main window ends the message loop; without it there is nothing to run.
  w.openMainWindow = [&app, &windowOpened] { windowOpened = OpenMainWindow(app) || windowOpened; };
  w.showMainWindow = [](bool refreshList) { ShowMainWindow(refreshList); };
  // The control window ends the message loop itself, also when it could not open.
  w.openControlWindow = [&app, &windowOpened](const PlayRun& run) {
    windowOpened = true;
    OpenControlWindow(app, run);
  };

  StartUp(app);
  return windowOpened ? RunMessageLoop() : 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Drops on the lists and the shell's folder browser need OLE on this thread.
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  int exitCode = 1;
  try {
    exitCode = Run();
  } catch (const std::exception&) {
    exitCode = 1;  // out of memory at the top: nothing sensible left to show
  }
  if (ole) OleUninitialize();
  return exitCode;
}
