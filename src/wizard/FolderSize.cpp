#include "wizard/FolderSize.h"

#include <utility>
#include <vector>

#include "package/paths/PathVariables.h"

namespace velgaro {

std::uint64_t GetFolderSize(const FileSystem& fs, const std::string& folder, MessagePump* pump) {
  std::string start = folder;
  // "C:\" becomes "C:", so that the entries are named "C:\name" and not "C:\\name".
  if (start.size() == 3 && start[2] == '\\') start.resize(2);
  std::uint64_t total = 0;
  std::vector<std::string> level{start};
  for (;;) {
    std::vector<std::string> next;
    for (const std::string& current : level) {
      const std::optional<std::vector<FolderEntry>> entries = fs.ListEntries(current);
      if (!entries) continue;
      for (const FolderEntry& entry : *entries) {
        if (entry.isFolder) {
          if (entry.name.empty() || entry.name[0] == '.' || entry.isLink) continue;
          next.push_back(AddBackslash(current) + entry.name);
        } else {
          total += entry.size;
        }
      }
    }
    if (next.empty()) break;
    if (pump) pump->RunOnce();
    level = std::move(next);
  }
  return total;
}

namespace {

// value / divisor, cut to the given number of decimals, as "I" or "I.F" / "I.FF".
std::string Decimal(std::uint64_t value, std::uint64_t divisor, int decimals, const std::string& separator) {
  unsigned __int128 scaled = value;
  for (int i = 0; i < decimals; ++i) scaled *= 10;
  scaled /= divisor;
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const auto whole = static_cast<std::uint64_t>(scaled / scale);
  std::string text = std::to_string(whole);
  if (decimals > 0) {
    std::string fraction = std::to_string(static_cast<std::uint64_t>(scaled % scale));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += separator + fraction;
  }
  return text;
}

}  // namespace

std::string FormatByteSize(std::uint64_t bytes, const ByteSizeUnits& units) {
  if (bytes < 1024) return std::to_string(bytes) + " " + units.bytes;
  std::uint64_t divisor = 1;
  for (std::size_t unit = 0; unit < units.units.size(); ++unit) {
    divisor *= 1024;
    const std::uint64_t whole = bytes / divisor;
    // The last unit takes whatever is left: 2^64 bytes are 16 of it.
    if (whole >= 1000 && unit + 1 < units.units.size()) continue;
    const int decimals = whole < 10 ? 2 : whole < 100 ? 1 : 0;
    return Decimal(bytes, divisor, decimals, units.decimalSeparator) + " " + units.units[unit];
  }
  return std::string();
}

std::uint64_t GetFreeSpace(const FileSystem& fs, const std::string& path) { return fs.FreeBytes(path).value_or(0); }

}  // namespace velgaro
