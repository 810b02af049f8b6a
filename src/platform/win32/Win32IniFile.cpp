#include "platform/win32/Win32IniFile.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/IniText.h"
#include "platform/win32/AnsiPath.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

constexpr std::size_t kMaxBuffer = 1u << 20;

std::string Ansi(const std::string& utf8) { return WideToAnsi(ToWide(utf8)); }

}  // namespace

std::string Win32IniFile::Read(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& defaultValue, std::size_t bufferSize) const {
  if (bufferSize == 0) return {};
  if (bufferSize > kMaxBuffer) bufferSize = kMaxBuffer;
  const std::string ansiDefault = Ansi(defaultValue);
  const auto path = AnsiPath(file);
  if (!path) return ToUtf8(AnsiToWide(ansiDefault.substr(0, bufferSize - 1)));
  std::vector<char> buffer(bufferSize, '\0');
  const DWORD length = GetPrivateProfileStringA(Ansi(section).c_str(), Ansi(key).c_str(), ansiDefault.c_str(),
                                                buffer.data(), static_cast<DWORD>(bufferSize), path->c_str());
  return ToUtf8(AnsiToWide(std::string(buffer.data(), std::min<std::size_t>(length, bufferSize - 1))));
}

bool Win32IniFile::Write(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value) {
  if (!IniIsWritable(section, key, value)) return false;
  // Windows refuses a read-only file; checked here too because a process with full rights (Wine
  // running as root) would write it anyway.
  const DWORD attributes = GetFileAttributesW(ToWidePath(file).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  // The profile functions read the new file at once: they check its time of change before using what
  // they cached.
  return ProfileFile(fs_, codepage_).Write(file, section, key, value);
}

}  // namespace velgaro::win32
