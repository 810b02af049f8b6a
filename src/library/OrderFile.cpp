#include "library/OrderFile.h"

#include <unordered_map>

#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

// Far more than the names of any folder: a larger file is not an order file but something else.
constexpr std::uint64_t kLargestOrderFile = 16u << 20;

}  // namespace

std::vector<std::string> ParseOrderLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t cr = text.find('\r', start);
    if (cr == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string FormatOrderFile(const std::vector<std::string>& names) {
  std::string text = "\r\n";
  for (const std::string& name : names) text += name + "\r\n";
  return text;
}

void ApplySavedOrder(std::vector<std::string>& names, const std::vector<std::string>& lines) {
  // Names of one folder are unique, so a map finds "the first equal name" in constant time.
  std::unordered_map<std::string, std::size_t> where;
  for (std::size_t i = names.size(); i-- > 0;) where[names[i]] = i;
  std::size_t front = 0;
  for (const std::string& line : lines) {
    if (front >= names.size()) break;
    const auto it = where.find(line);
    if (it == where.end()) continue;
    const std::size_t j = it->second;
    if (j != front) {
      std::swap(names[j], names[front]);
      where[names[j]] = j;
      where[names[front]] = front;
    }
    ++front;
  }
}

std::optional<std::vector<std::string>> ReadOrderFile(const FileSystem& fs, const Codepage& codepage,
                                                      const std::string& folder) {
  const std::string path = AddBackslash(folder) + kOrderFileName;
  const std::optional<std::uint64_t> size = fs.FileSize(path);
  if (!size || *size > kLargestOrderFile) return std::nullopt;
  const std::optional<Bytes> bytes = fs.ReadAll(path);
  if (!bytes) return std::nullopt;
  return ParseOrderLines(codepage.FromAnsi(std::string(bytes->begin(), bytes->end())));
}

bool WriteOrderFile(FileSystem& fs, const Codepage& codepage, const std::string& folder,
                    const std::vector<std::string>& names) {
  const std::string text = codepage.ToAnsi(FormatOrderFile(names));
  return fs.WriteAllReplacing(AddBackslash(folder) + kOrderFileName, Bytes(text.begin(), text.end()));
}

}  // namespace velgaro
