// INI files through the system's profile functions, texts in the ANSI code page.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32IniFile final : public IniFile {
 public:
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue, std::size_t bufferSize) const override;
  // Refuses texts that would break the file's line structure (line breaks, "=" in a key, "]" in a
  // section), so a value can never plant other keys or sections.
  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace velgaro::win32
