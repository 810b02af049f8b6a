// There is no registry natively: every value is missing and nothing can be written.
#pragma once

#include "platform/Ports.h"

namespace velgaro {

class PosixRegistry : public Registry {
 public:
  std::string GetString(RegRoot, const std::string&, const std::string&) const override { return {}; }
  std::string GetExpandedString(RegRoot, const std::string&, const std::string&) const override { return {}; }
  bool SetString(RegRoot, const std::string&, const std::string&, const std::string&) override { return false; }
};

}  // namespace velgaro
