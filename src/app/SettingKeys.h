// Names of the per-user settings and of the portable INI file's keys, so that readers and writers
// in different windows cannot drift apart.
#pragma once

namespace velgaro::settings {

inline constexpr const char* kInstall = "Install";
inline constexpr const char* kSpeed = "Speed";
inline constexpr const char* kSpeedDefault = "2";
inline constexpr const char* kRegistry = "Registry";

inline constexpr const char* kPath = "Path";
inline constexpr const char* kFolderVgp = "FolderVGP";
inline constexpr const char* kFolderBrowseExe = "FolderBrowseExe";

inline constexpr const char* kView = "View";
inline constexpr const char* kErrorShowed = "ErrorShowed";
inline constexpr const char* kTopMost = "TopMost";
inline constexpr const char* kFirstTip = "FirstTip";
inline constexpr const char* kPauseTip = "PauseTip";

inline constexpr const char* kLanguage = "Language";   // section and key

// The INI file beside the executable.
inline constexpr const char* kIniFileName = "velgaro.ini";
inline constexpr const char* kIniSection = "General";
inline constexpr const char* kIniPortableMode = "PortableMode";
inline constexpr const char* kIniSpeedInstall = "SpeedInstall";
inline constexpr const char* kIniVgpFolder = "VGPFolder";
inline constexpr const char* kIniLanguage = "Language";
inline constexpr const char* kIniVgpFolderDefault = "%DRIVEAPP%\\Folder VGP";

}  // namespace velgaro::settings
