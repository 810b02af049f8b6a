#include "app/SingleInstance.h"

#include <cstring>

#include "app/DeploymentSwitches.h"
#include "app/ProductName.h"

namespace velgaro {

bool IsFirstCopyCaption(const std::string& caption) {
  const std::size_t nameLength = std::strlen(kProductName);
  return caption.size() > nameLength && caption.compare(0, nameLength, kProductName) == 0;
}

WindowHandle FindFirstCopyMainWindow(const WindowSystem& windows, const std::string& className) {
  WindowHandle found = 0;
  while ((found = windows.FindWindowEx(0, found, className, std::nullopt)) != 0) {
    if (IsFirstCopyCaption(windows.GetWindowText(found))) return found;
  }
  return 0;
}

bool CheckSingleInstance(App& app, const std::string& commandLine) {
  AppWindows& w = app.windows;
  if (!w.acquireSingleInstance || w.acquireSingleInstance()) return true;
  // A deployment tool waits for this copy's outcome: it is nobody's to hand over, and runs on its own.
  if (AsksForDeploymentRun(commandLine)) return true;
  if (!w.bringFirstCopyForward || !w.bringFirstCopyForward()) return true;
  // Nothing of this copy's command line reaches the first copy: an install asked for did not happen,
  // and the caller is told so (Windows Installer's "not installed"), not that it succeeded.
  if (w.endProcess) w.endProcess(AsksForInstall(commandLine) ? kHandedOverInstallExitCode : 0);
  return false;
}

}  // namespace velgaro
