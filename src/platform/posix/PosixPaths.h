// The core's backslash paths and the native '/' paths.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velgaro {

std::string ToNativePath(std::string corePath);   // '\' -> '/'
std::string ToCorePath(std::string nativePath);   // '/' -> '\'

// Writes bytes to a temporary file in path's folder, flushes it to disk and renames it over path.
// Refuses a read-only or folder target and a missing folder; the old file is then left as it was.
bool ReplaceFileAtomically(const std::string& nativePath, const std::vector<std::uint8_t>& bytes);

// Windows' read-only attribute natively: no write permission for this user, or none for anybody.
bool IsReadOnly(const std::string& nativePath, const struct stat& st);

// Creates folder and its missing parents (mkdir -p).
bool CreateFolders(const std::string& nativePath);

}  // namespace velgaro
