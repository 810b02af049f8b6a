#include "app/PortableSettings.h"

#include <cctype>

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

// Profile reads use the buffer sizes the INI file has always been read with.
constexpr std::size_t kIniBuffer = 128;
constexpr std::size_t kLanguageBuffer = 100;

std::string ReadIni(const IniFile& ini, const std::string& file, const char* key, const char* defaultValue,
                    std::size_t buffer) {
  return ini.Read(file, settings::kIniSection, key, defaultValue, buffer);
}

// ErrorShowed is read the way a numeric setting always was: leading blanks and a sign skipped, then the
// leading digits; anything that is not a number reads as 0 ("abc" -> 0, "1x" -> 1).
bool NumberTextIsZero(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (text[i] != '0') return false;
  }
  return true;
}

std::string SpeedFromIni(const std::string& value) {
  if (value == "0" || value == "1") return value;
  return "2";
}

}  // namespace

std::string IniFilePath(const SystemInfo& sys) { return AddBackslash(sys.ExeFolder()) + settings::kIniFileName; }

bool IsPortableByIni(const SystemInfo& sys, const FileSystem& fs, const IniFile& ini, bool& portableMode) {
  const std::string file = IniFilePath(sys);
  if (!FileExists(fs, file)) return false;
  const std::string value = ReadIni(ini, file, settings::kIniPortableMode, "0", kIniBuffer);
  if (value.empty() || value == "0") return false;
  portableMode = true;
  return true;
}

bool IsOnRemovableMedia(const SystemInfo& sys) {
  const std::string root = sys.ExeFolder().substr(0, 3);
  if (root.rfind("\\\\", 0) == 0) return true;
  const int kind = sys.DriveType(root);
  return kind == kDriveRemovable || kind == kDriveCdRom;
}

void LoadIniSettings(App& app) {
  Platform& p = app.platform;
  const std::string file = IniFilePath(p.sys);
  if (!FileExists(p.fs, file)) {
    app.SettingsNotice = "Не найден файл настроек velgaro.ini";
    return;
  }

  const std::string speed = ReadIni(p.ini, file, settings::kIniSpeedInstall, "2", kIniBuffer);
  if (!speed.empty()) p.settings.Set(settings::kInstall, settings::kSpeed, SpeedFromIni(speed));

  const std::string folder =
      ReadIni(p.ini, file, settings::kIniVgpFolder, settings::kIniVgpFolderDefault, kIniBuffer);
  if (folder.size() > 1) {
    const std::string expanded = app.paths.ExpandPathVariables(folder, p.fs);
    if (FileExists(p.fs, expanded)) p.settings.Set(settings::kPath, settings::kFolderVgp, expanded);
  }

  app.language.SetName(ReadIni(p.ini, file, settings::kIniLanguage, "", kLanguageBuffer));
  app.IniSettingsLoaded = true;
}

bool WriteIniSetting(Platform& platform, std::string& statusText, const std::string& key,
                     const std::string& value) {
  if (key.empty() || value.empty()) return false;
  const std::string file = IniFilePath(platform.sys);
  if (platform.ini.Write(file, settings::kIniSection, key, value)) return true;

  const std::string text = std::string("Запись в файл - провалена. Возможно ") + "\n" +
                           " установлен атрибут только для чтения" + "\r\n" + file;
  statusText = text;
  if (NumberTextIsZero(platform.settings.Get(settings::kView, settings::kErrorShowed, "0"))) {
    platform.dialogs.MessageBox(0, text, kProductName, kMbOk);
    platform.settings.Set(settings::kView, settings::kErrorShowed, "1");
  }
  return false;
}

bool WriteIniSetting(App& app, const std::string& key, const std::string& value) {
  return WriteIniSetting(app.platform, app.StatusPanel2, key, value);
}

}  // namespace velgaro
