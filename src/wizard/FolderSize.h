// Folder sizes, free space and the short size text the disk wizard shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Ports.h"

namespace velgaro {

// Bytes of every file under folder, walked level by level. Folders whose names begin with "." are left
// out, and so are linked folders (junctions, symbolic links): their content lies elsewhere, and a link
// back to an ancestor would make the walk endless. pump, when given, runs once between levels so that
// the window stays live. A folder that cannot be listed adds nothing.
std::uint64_t GetFolderSize(const FileSystem& fs, const std::string& folder, MessagePump* pump = nullptr);

// The words of a size text; the defaults are those of an English system.
struct ByteSizeUnits {
  std::string decimalSeparator = ".";
  std::string bytes = "bytes";
  std::array<std::string, 6> units{"KB", "MB", "GB", "TB", "PB", "EB"};
};

// The short size text of the shell (StrFormatByteSize64): under 1024 the byte count and "bytes"; above,
// three significant digits, cut (not rounded), in the largest unit of 1024 that keeps the number below
// 1000: 1340 gives "1.30 KB", 23506 "22.9 KB", 2400016 "2.28 MB", 1048575 "0.99 MB".
std::string FormatByteSize(std::uint64_t bytes, const ByteSizeUnits& units = ByteSizeUnits());

// The free bytes available to the user on the drive of path; 0 when they cannot be learnt.
std::uint64_t GetFreeSpace(const FileSystem& fs, const std::string& path);

}  // namespace velgaro
