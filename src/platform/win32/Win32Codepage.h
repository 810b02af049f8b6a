// The system's ANSI code page (CP_ACP).
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Codepage final : public Codepage {
 public:
  std::string ToAnsi(const std::string& utf8) const override;
  std::string FromAnsi(const std::string& bytes) const override;
};

}  // namespace velgaro::win32
