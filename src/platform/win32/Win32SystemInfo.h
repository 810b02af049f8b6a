// Drives, folders, user and screen of the running Windows system.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32SystemInfo final : public SystemInfo {
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

// The folder part of a file path: without trailing backslash unless it is a drive root ("C:\").
std::string FolderOfFile(const std::string& path);

}  // namespace velgaro::win32
