#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/ReadAheadQueue.h"
#include "platform/win32/RunAside.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

constexpr DWORD kChunk = 1u << 20;
constexpr std::size_t kFirstRead = 64u << 10;

bool HasWildcard(const std::wstring& path) { return path.find_first_of(L"*?") != std::wstring::npos; }

// Attributes of an existing entry. GetFileAttributes answers in one call, also for drive roots and
// folders given with a trailing backslash; FindFirstFile still sees the files it cannot open (in use
// by the system).
std::optional<DWORD> AttributesOf(const std::string& path) {
  const std::wstring wide = ToWidePath(path);
  if (wide.empty() || HasWildcard(wide)) return std::nullopt;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return attributes;
  const DWORD error = GetLastError();
  if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return std::nullopt;
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileW(wide.c_str(), &data));
  if (find) return data.dwFileAttributes;
  return std::nullopt;
}

bool WriteEverything(HANDLE file, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written != part) return false;
    done += part;
  }
  return FlushFileBuffers(file) != 0;
}

// A new file beside target that no one else uses; its handle and name.
UniqueFile CreateSiblingTemp(const std::wstring& target, std::wstring& name) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    name = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
    UniqueFile file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (file) return file;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  name.clear();
  return UniqueFile();
}

FolderEntry EntryOf(const WIN32_FIND_DATAW& data) {
  FolderEntry entry;
  entry.name = ToUtf8(WideFromBuffer(data.cFileName, MAX_PATH));
  entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (!entry.isFolder) entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  entry.modified = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                   data.ftLastWriteTime.dwLowDateTime;
  return entry;
}

}  // namespace

bool Win32FileSystem::Exists(const std::string& path) const { return AttributesOf(path).has_value(); }

bool Win32FileSystem::IsDirectory(const std::string& path) const {
  const auto attributes = AttributesOf(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<Bytes> Win32FileSystem::ReadAll(const std::string& path) const {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  UniqueFile file(CreateFileW(ToWidePath(path).c_str(), GENERIC_READ, share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::nullopt;
  // No size is asked for: a read that comes back short has reached the end, so a file that fits the
  // first buffer (every package but the longest recordings) takes one open, one read and one close.
  // Under Wine every call costs a round trip to its server, which is most of the time of a small file.
  // The buffer is kept for the next file, so that a small file costs no cleared memory.
  static thread_local std::vector<std::uint8_t> first(kFirstRead);
  DWORD read = 0;
  if (!ReadFile(file.Get(), first.data(), static_cast<DWORD>(first.size()), &read, nullptr)) return std::nullopt;
  Bytes bytes(first.begin(), first.begin() + read);
  if (read < first.size()) return bytes;
  // A longer file: read on in large parts, straight into the result.
  for (;;) {
    const std::size_t done = bytes.size();
    if (done > SIZE_MAX / 4) return std::nullopt;
    bytes.resize(done + kChunk);
    if (!ReadFile(file.Get(), bytes.data() + done, kChunk, &read, nullptr)) return std::nullopt;
    bytes.resize(done + read);
    if (read < kChunk) return bytes;
  }
}

std::unique_ptr<FileQueue> Win32FileSystem::ReadInTurn(std::vector<std::string> paths) const {
  return std::make_unique<ReadAheadQueue>(*this, std::move(paths));
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::string& path) const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(ToWidePath(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileSystem::WriteAllReplacing(const std::string& path, const Bytes& bytes) {
  const std::wstring target = ToWidePath(path);
  if (target.empty() || HasWildcard(target)) return false;
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES &&
      (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return false;
  }
  std::wstring tempName;
  UniqueFile temp = CreateSiblingTemp(target, tempName);
  if (!temp) return false;
  const bool written = WriteEverything(temp.Get(), bytes);
  temp.Reset();
  if (written && MoveFileExW(tempName.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(tempName.c_str());
  return false;
}

std::vector<std::string> Win32FileSystem::List(const std::string& folder, const std::string& pattern) const {
  std::wstring query = ToWidePath(folder);
  const std::wstring widePattern = ToWidePath(pattern);
  if (widePattern.empty()) return {};
  if (!query.empty() && query.back() != L'\\' && query.back() != L'/') query += L'\\';
  query += widePattern;
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileW(query.c_str(), &data));
  if (!find) return names;
  do {
    const std::wstring name = WideFromBuffer(data.cFileName, MAX_PATH);
    if (name != L"." && name != L"..") names.push_back(ToUtf8(name));
  } while (FindNextFileW(find.Get(), &data));
  return names;
}

std::optional<std::vector<FolderEntry>> Win32FileSystem::ListFileEntries(
    const std::string& folder, const std::string& pattern, const std::function<void()>& meanwhile) const {
  if (!IsDirectory(folder)) return std::nullopt;
  std::wstring query = ToWidePath(folder);
  const std::wstring widePattern = ToWidePath(pattern);
  if (query.empty() || widePattern.empty()) return std::nullopt;
  if (query.back() != L'\\' && query.back() != L'/') query += L'\\';
  query += widePattern;
  std::optional<std::vector<FolderEntry>> entries;
  // Wine reads the whole folder in the first call: for a folder of many thousands the caller goes on
  // meanwhile, on a thread of the walk's own.
  RunAside(
      [&] {
        WIN32_FIND_DATAW data;
        UniqueFind find(FindFirstFileExW(query.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
        if (!find) {
          // An existing folder without a match is an empty list; anything else (no access) is a failure.
          const DWORD error = GetLastError();
          if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) entries.emplace();
          return;
        }
        constexpr DWORD kSkipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        entries.emplace();
        do {
          if ((data.dwFileAttributes & kSkipped) == 0) entries->push_back(EntryOf(data));
        } while (FindNextFileW(find.Get(), &data));
      },
      meanwhile);
  return entries;
}

std::optional<std::vector<FolderEntry>> Win32FileSystem::ListEntries(const std::string& folder) const {
  std::wstring query = ToWidePath(folder);
  if (query.empty() || HasWildcard(query)) return std::nullopt;
  if (query.back() != L'\\' && query.back() != L'/') query += L'\\';
  query += L"*.*";
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileExW(query.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH));
  if (!find) {
    // "*.*" matches "." in every folder but a drive root; an empty root is still a folder.
    const DWORD error = GetLastError();
    if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) && IsDirectory(folder)) return entries;
    return std::nullopt;
  }
  do {
    const std::wstring name = WideFromBuffer(data.cFileName, MAX_PATH);
    if (name == L"." || name == L"..") continue;
    entries.push_back(EntryOf(data));
  } while (FindNextFileW(find.Get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;   // the listing broke off
  return entries;
}

std::optional<std::uint64_t> Win32FileSystem::FreeBytes(const std::string& path) const {
  const std::wstring wide = ToWidePath(path);
  if (wide.empty()) return std::nullopt;
  ULARGE_INTEGER availableToCaller;
  if (!GetDiskFreeSpaceExW(wide.c_str(), &availableToCaller, nullptr, nullptr)) return std::nullopt;
  return static_cast<std::uint64_t>(availableToCaller.QuadPart);
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  return CreateDirectoryW(ToWidePath(path).c_str(), nullptr) != 0;
}

bool Win32FileSystem::Rename(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING: another package of the new name is never replaced.
  return MoveFileExW(ToWidePath(from).c_str(), ToWidePath(to).c_str(), 0) != 0;
}

bool Win32FileSystem::Remove(const std::string& path) {
  const std::wstring wide = ToWidePath(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const bool removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(wide.c_str()) != 0
                                                             : DeleteFileW(wide.c_str()) != 0;
  // A deletion can be reported done and still fail when the handle closes (Wine on a read-only file
  // system): it counts only once the entry is gone.
  return removed && GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists) {
  const std::wstring source = ToWidePath(from);
  const std::wstring target = ToWidePath(to);
  if (source.empty() || target.empty() || HasWildcard(source) || HasWildcard(target)) return false;
  return CopyFileW(source.c_str(), target.c_str(), failIfExists ? TRUE : FALSE) != 0;
}

bool Win32FileSystem::SetNormalAttributes(const std::string& path) {
  const std::wstring wide = ToWidePath(path);
  return !wide.empty() && SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

}  // namespace velgaro::win32
