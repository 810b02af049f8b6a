#include "app/SingleInstance.h"

#include <cstring>

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

bool CheckSingleInstance(App& app) {
  AppWindows& w = app.windows;
  if (!w.acquireSingleInstance || w.acquireSingleInstance()) return true;
  if (!w.bringFirstCopyForward || !w.bringFirstCopyForward()) return true;
  if (w.endProcess) w.endProcess();
  return false;
}

}  // namespace velgaro
