// INI files: read through the system's profile functions, written as the whole file through the file
// system's replacing write (WritePrivateProfileString rewrites the file in place, and a failure midway
// would leave the user's settings torn). Texts in the ANSI code page.
#pragma once

#include "platform/Ports.h"
#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32FileSystem.h"

namespace velgaro::win32 {

class Win32IniFile final : public IniFile {
 public:
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue, std::size_t bufferSize) const override;
  // Refuses texts that would break the file's line structure (line breaks, "=" in a key, "]" in a
  // section), so a value can never plant other keys or sections.
  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override;

 private:
  Win32FileSystem fs_;
  Win32Codepage codepage_;
};

}  // namespace velgaro::win32
