// Portable mode: the INI file beside the executable that mirrors the settings a portable
// installation needs, copied into the per-user store at start-up.
#pragma once

#include <string>

#include "app/App.h"
#include "platform/Ports.h"

namespace velgaro {

// The executable's folder, a backslash if needed, then "velgaro.ini".
std::string IniFilePath(const SystemInfo& sys);

// True when the INI file says PortableMode is anything but "0"; then portableMode is set as well.
bool IsPortableByIni(const SystemInfo& sys, const FileSystem& fs, const IniFile& ini, bool& portableMode);

// The executable lies on a removable or CD-ROM drive, or on a network share (\\server\...).
bool IsOnRemovableMedia(const SystemInfo& sys);

// Copies SpeedInstall, VGPFolder and Language from the INI file into the per-user settings and the
// language name, and sets app.IniSettingsLoaded. A missing file only sets app.SettingsNotice: the
// user's own language setting then still applies. Expects the path variables to be initialised.
void LoadIniSettings(App& app);

// Writes one key of section "General" of the INI file. On failure the reason goes to statusText every
// time and into a message box once per user (View/ErrorShowed). Empty key or value: nothing is done.
// True when the value was written.
bool WriteIniSetting(Platform& platform, std::string& statusText, const std::string& key,
                     const std::string& value);
bool WriteIniSetting(App& app, const std::string& key, const std::string& value);

}  // namespace velgaro
