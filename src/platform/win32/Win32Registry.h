// Text values of the system registry.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Registry final : public Registry {
 public:
  std::string GetString(RegRoot root, const std::string& key, const std::string& valueName) const override;
  std::string GetExpandedString(RegRoot root, const std::string& key, const std::string& valueName) const override;
  bool SetString(RegRoot root, const std::string& key, const std::string& valueName, const std::string& data) override;
};

}  // namespace velgaro::win32
