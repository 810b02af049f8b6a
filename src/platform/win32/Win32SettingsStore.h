// Per-user settings as REG_SZ values under HKEY_CURRENT_USER\Software\Velgaro\<section>.
#pragma once

#include <string>

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32SettingsStore final : public SettingsStore {
 public:
  explicit Win32SettingsStore(std::string applicationKey = "Software\\Velgaro");
  std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const override;
  bool Set(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::string applicationKey_;
};

}  // namespace velgaro::win32
