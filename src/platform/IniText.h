// Profile (INI) file semantics over the file's bytes, as GetPrivateProfileStringA and
// WritePrivateProfileStringA behave. Texts are single-byte (ANSI) on both sides.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/Ports.h"

namespace velgaro {

// The value of key in section: the text after the first "=" of the first matching key line of the first
// matching section (names without regard to case), trimmed of blanks and tabs, one pair of enclosing
// quotes removed, cut before a NUL and to bufferSize - 1 bytes. A missing key gives the default, with
// trailing blanks removed and cut likewise. Comment lines (";") are skipped; CRLF and LF both end lines.
std::string IniReadValue(const std::string& content, const std::string& section, const std::string& key,
                         const std::string& defaultValue, std::size_t bufferSize);

// The whole value of key (trimmed, quotes removed, cut before a NUL), or nullopt when it is missing.
std::optional<std::string> IniFindValue(const std::string& content, const std::string& section,
                                        const std::string& key);

// The content with key set to value: the key's line replaced, or the key added at the end of its
// section, or a new section appended. Keeps the content's own line ends (CRLF for new content).
// nullopt for names or values that would break the file's structure: an empty key, a line break or
// NUL anywhere, "=" in the key, "]" in the section, or a key/section starting with "[" or ";".
std::optional<std::string> IniWriteValue(const std::string& content, const std::string& section,
                                         const std::string& key, const std::string& value);

// False for names or values that would break the file's structure (the cases IniWriteValue refuses).
bool IniIsWritable(const std::string& section, const std::string& key, const std::string& value);

// IniFile over any file system: files hold ANSI bytes, converted with the given code page.
class ProfileFile : public IniFile {
 public:
  ProfileFile(FileSystem& fs, const Codepage& codepage) : fs_(fs), codepage_(codepage) {}
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue, std::size_t bufferSize) const override;
  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override;

 private:
  FileSystem& fs_;
  const Codepage& codepage_;
};

}  // namespace velgaro
