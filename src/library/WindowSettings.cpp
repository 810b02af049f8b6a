// The window-wide settings of the main window (top-most, portable mode, speed, language) and the
// commands that hand work to the system (file association, control panel).
#include "library/MainWindowModel.h"

#include "app/FileAssociation.h"
#include "app/PortableSettings.h"
#include "app/SettingKeys.h"

namespace velgaro {
namespace {

constexpr const char* kControlPanelCommand = "rundll32.exe shell32.dll, Control_RunDLL";
constexpr const char* kAddRemoveCommand = "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl";

}  // namespace

void MainWindowModel::ToggleTopMost() {
  view_.topMost = !view_.topMost;
  if (hooks_.setTopMost) hooks_.setTopMost(view_.topMost);
  app_.platform.settings.Set(settings::kView, settings::kTopMost, view_.topMost ? "1" : "0");
}

void MainWindowModel::TogglePortable() {
  view_.portable = !view_.portable;
  WriteIniSetting(app_.platform, view_.panels[1], settings::kIniPortableMode, view_.portable ? "1" : "0");
  view_.panel4Visible = view_.portable;
  app_.PortableMode = view_.portable;
}

void MainWindowModel::InicialSpeedMenu() {
  const std::string speed = app_.platform.settings.Get(settings::kInstall, settings::kSpeed, settings::kSpeedDefault);
  view_.speed = speed == "0" ? 0 : speed == "1" ? 1 : speed == "2" ? 2 : -1;
}

void MainWindowModel::SelectSpeed(int index) {
  if (index < 0 || index > 2) return;
  view_.speed = index;
  const std::string value = std::to_string(index);
  app_.platform.settings.Set(settings::kInstall, settings::kSpeed, value);
  if (app_.PortableMode) WriteIniSetting(app_.platform, view_.panels[1], settings::kIniSpeedInstall, value);
}

void MainWindowModel::LoadMenuLang() {
  const Platform& p = app_.platform;
  const std::string folder = AddBackslash(p.sys.ExeFolder()) + "language";
  if (!p.fs.IsDirectory(folder)) return;
  const std::vector<std::string> files = p.fs.List(folder, "*.lng");
  if (files.empty()) return;
  view_.languages.clear();
  for (const std::string& file : files) {
    const std::size_t dot = file.find_last_of('.');
    view_.languages.push_back(dot == std::string::npos ? file : file.substr(0, dot));
  }
}

void MainWindowModel::SelectLanguage(const std::string& name) {
  if (busy_) return;
  Platform& p = app_.platform;
  if (!p.fs.Exists(LanguageFilePath(p.sys.ExeFolder(), name))) return;
  p.settings.Set(settings::kLanguage, settings::kLanguage, name);
  if (app_.PortableMode) WriteIniSetting(p, view_.panels[1], settings::kIniLanguage, name);
  app_.language.SetName(name);
  app_.language.LoadLanguage({p.sys, p.fs, p.ini, p.dialogs, false});
  LoadMenuLang();
  if (hooks_.captionsChanged) hooks_.captionsChanged();
}

void MainWindowModel::FirstRunAssociation() {
  Platform& p = app_.platform;
  if (IsOnRemovableMedia(p.sys)) return;   // a network path, a CD-ROM or a removable drive
  if (p.settings.Get(settings::kInstall, settings::kRegistry, "0") != "0") return;
  AssociatePackageFiles(p.registry, p.dialogs, app_.language, p.sys.ExeFolder(), false);
  p.settings.Set(settings::kInstall, settings::kRegistry, "1");
}

void MainWindowModel::Associate() {
  Platform& p = app_.platform;
  AssociatePackageFiles(p.registry, p.dialogs, app_.language, p.sys.ExeFolder(), true);
  p.settings.Set(settings::kInstall, settings::kRegistry, "1");
}

void MainWindowModel::OpenControlPanel() { shell_.RunMinimized(kControlPanelCommand); }

void MainWindowModel::OpenAddRemovePrograms() { shell_.RunMinimized(kAddRemoveCommand); }

}  // namespace velgaro
