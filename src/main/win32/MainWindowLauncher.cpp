#include "main/win32/MainWindowLauncher.h"

#include <memory>

#include "editor/win32/FrmWizardPack.h"
#include "engine/win32/ControlWindowLauncher.h"
#include "library/win32/FrmMain.h"
#include "library/win32/FrmNew.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Xml.h"
#include "update/win32/FrmUpdate.h"
#include "wizard/win32/FrmWizard.h"

namespace velgaro {
namespace {

struct MainWindowSession {
  win32::Win32Shell shell;
  win32::Win32Xml xml;             // the disk wizard's FolderPath.xml
  win32::Win32MessagePump pump;    // the disk wizard lets messages through while it walks folders
  std::unique_ptr<library::FrmMain> window;
};

MainWindowSession& Session() {
  static MainWindowSession session;
  return session;
}

// The new-package dialog over the main window; accepted, the main window goes and the control window
// records. Cancelled, the main window stays as it was.
void RecordNewPackage(App& app, library::FrmMain& main, HWND owner, const std::string& exePath,
                      const std::string& name) {
  NewPackageSetup setup;
  for (const LibraryRow& row : main.Model().Library().Rows()) setup.rowTexts.push_back(row.text);
  setup.packageFolder = main.Model().Library().Folder();
  setup.exePath = exePath;
  setup.name = name;
  const Platform& p = app.platform;
  library::FrmNew dialog(NewPackageDeps{app.language, p.fs, p.settings, p.dialogs, app.paths}, std::move(setup));
  const std::optional<NewPackageRequest> request = dialog.ShowModal(owner);
  if (!request) return;
  app.CurrentCommandLine = request->commandLine;
  ShowWindow(owner, SW_HIDE);
  OpenRecordWindow(app, *request);
}

// The properties dialog of a row's package; the name the row takes, empty when it was cancelled.
std::string ShowProperties(App& app, library::FrmMain& main, HWND owner, const std::string& row) {
  NewPackageSetup setup;
  for (const LibraryRow& r : main.Model().Library().Rows()) setup.rowTexts.push_back(r.text);
  setup.packageFolder = main.Model().Library().Folder();
  setup.name = row;
  setup.mode = NewPackageMode::Properties;
  const Platform& p = app.platform;
  const PropertiesDeps properties{app.PackageText(), app.language, p.dialogs, p.fs, app.paths};
  library::FrmNew dialog(NewPackageDeps{app.language, p.fs, p.settings, p.dialogs, app.paths}, std::move(setup),
                         nullptr, &properties);
  dialog.ShowModal(owner);
  return dialog.PendingName();
}

}  // namespace

bool OpenMainWindow(App& app) {
  MainWindowSession& s = Session();
  if (s.window) {
    ShowMainWindow(false);
    return true;
  }
  library::MainFrameEvents events;
  events.openControlWindow = [&app](const PlayRun& run) { OpenControlWindow(app, run); };
  events.openNewPackage = [&app, &s](HWND owner, const std::string& exePath, const std::string& name) {
    if (s.window) RecordNewPackage(app, *s.window, owner, exePath, name);
  };
  events.openProperties = [&app, &s](HWND owner, const std::string& row) {
    return s.window ? ShowProperties(app, *s.window, owner, row) : std::string();
  };
  events.openBatchEditor = [&app](HWND owner) { editor::FrmWizardPack(EditorDepsOf(app)).ShowModal(owner); };
  events.openDiskWizard = [&app, &s](HWND owner) {
    wizard::FrmWizard(WizardDepsOf(app, s.xml, &s.pump, &s.shell)).ShowModal(owner);
  };
  events.openUpdateCheck = [&app, &s](HWND owner) {
    update::FrmUpdate(app.language, app.platform.settings, s.shell).ShowModal(owner);
  };
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
