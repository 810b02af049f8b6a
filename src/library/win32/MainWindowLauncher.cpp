#include "library/win32/MainWindowLauncher.h"

#include <memory>

#include "engine/win32/ControlWindowLauncher.h"
#include "library/win32/FrmMain.h"
#include "platform/win32/Win32Shell.h"

namespace velgaro {
namespace {

struct MainWindowSession {
  win32::Win32Shell shell;
  std::unique_ptr<library::FrmMain> window;
};

MainWindowSession& Session() {
  static MainWindowSession session;
  return session;
}

}  // namespace

bool OpenMainWindow(App& app) {
  MainWindowSession& s = Session();
  if (s.window) {
    ShowMainWindow(false);
    return true;
  }
  library::MainFrameEvents events;
  events.openControlWindow = [&app] { OpenControlWindow(app); };
  s.window = std::make_unique<library::FrmMain>(app, s.shell, std::move(events));
  if (!s.window->Create()) {
    s.window.reset();
    return false;
  }
  return true;
}

void ShowMainWindow(bool refreshList) {
  MainWindowSession& s = Session();
  if (s.window && IsWindow(s.window->Handle())) s.window->ShowAgain(refreshList);
}

bool PreTranslateMainWindowMessage(MSG& message) {
  MainWindowSession& s = Session();
  return s.window && IsWindow(s.window->Handle()) && s.window->PreTranslate(message);
}

}  // namespace velgaro
