// System facts of a native (non-Windows) run, in the Windows shapes the core expects.
#pragma once

#include "platform/Ports.h"

namespace velgaro {

class PosixSystemInfo : public SystemInfo {
 public:
  std::string ExeFolder() const override;
  int DriveType(const std::string& root) const override;
  std::vector<std::string> LogicalDrives() const override;
  std::optional<std::string> UserName() const override;
  std::string WindowsFolder() const override;
  std::string TempPath() const override;
  std::uint16_t UserDefaultLangId() const override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  std::string EnvironmentVariable(const std::string& name) const override;
};

// Language id for a locale name such as "ru_RU.UTF-8"; 1033 (English) for anything unknown.
std::uint16_t LangIdFromLocale(const std::string& locale);

}  // namespace velgaro
