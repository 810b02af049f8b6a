#include "platform/win32/Win32SystemInfo.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

// Calls that report the needed length (with the NUL) when the buffer is too small.
template <typename Call>
std::wstring ReadSizedText(Call call) {
  const DWORD needed = call(0, nullptr);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD written = call(needed, buffer.data());
  if (written == 0 || written >= needed) return {};
  buffer.resize(written);
  return buffer;
}

std::wstring ModuleFileName() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD written = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (written == 0) return {};
    if (written < size) {
      buffer.resize(written);
      return buffer;
    }
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string FolderOfFile(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return {};
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, slash);
}

std::string Win32SystemInfo::ExeFolder() const { return FolderOfFile(ToUtf8(ModuleFileName())); }

int Win32SystemInfo::DriveType(const std::string& root) const {
  return static_cast<int>(GetDriveTypeW(ToWide(root).c_str()));
}

std::vector<std::string> Win32SystemInfo::LogicalDrives() const {
  const std::wstring all = ReadSizedText([](DWORD size, wchar_t* buffer) { return GetLogicalDriveStringsW(size, buffer); });
  std::vector<std::string> roots;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find(L'\0', start);
    if (end == std::wstring::npos) end = all.size();
    if (end > start) roots.push_back(ToUtf8(all.substr(start, end - start)));
    start = end + 1;
  }
  return roots;
}

std::optional<std::string> Win32SystemInfo::UserName() const {
  wchar_t buffer[200];
  DWORD size = 200;
  if (!GetUserNameW(buffer, &size) || size == 0) return std::nullopt;
  return ToUtf8(WideFromBuffer(buffer, size));
}

std::string Win32SystemInfo::WindowsFolder() const {
  std::string folder = ToUtf8(ReadSizedText([](UINT size, wchar_t* buffer) { return GetWindowsDirectoryW(buffer, size); }));
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string Win32SystemInfo::TempPath() const {
  return ToUtf8(ReadSizedText([](DWORD size, wchar_t* buffer) { return GetTempPathW(size, buffer); }));
}

std::uint16_t Win32SystemInfo::UserDefaultLangId() const { return GetUserDefaultLangID(); }

int Win32SystemInfo::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN); }

int Win32SystemInfo::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

std::string Win32SystemInfo::EnvironmentVariable(const std::string& name) const {
  const std::wstring wide = ToWide(name);
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return {};
  return ToUtf8(ReadSizedText([&wide](DWORD size, wchar_t* buffer) {
    return GetEnvironmentVariableW(wide.c_str(), buffer, size);
  }));
}

}  // namespace velgaro::win32
