#include "package/OrderFile.h"

#include <string_view>
#include <unordered_map>

#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

// Far more than the names of any folder: a larger file is not an order file but something else.
constexpr std::uint64_t kLargestOrderFile = 16u << 20;
constexpr std::size_t kStepsBetweenCalls = 8192;

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

void ApplySavedOrder(std::vector<std::string>& names, const std::vector<std::string>& lines,
                     const std::function<void()>& meanwhile) {
  std::size_t steps = 0;
  const auto step = [&] {
    if (meanwhile && ++steps % kStepsBetweenCalls == 0) meanwhile();
  };
  // Names of one folder are unique, so a map finds "the first equal name" in constant time. The swaps
  // move places, not names: the map looks at the names where they were given, and they move once, at
  // the end.
  std::vector<std::string> given = std::move(names);
  std::unordered_map<std::string_view, std::size_t> index;   // name -> its place in given
  index.reserve(given.size());
  for (std::size_t i = given.size(); i-- > 0;) {
    index[given[i]] = i;
    step();
  }
  std::vector<std::size_t> at(given.size());     // place -> the given name there now
  std::vector<std::size_t> place(given.size());  // given name -> its place now
  for (std::size_t i = 0; i < given.size(); ++i) at[i] = place[i] = i;
  std::size_t front = 0;
  for (const std::string& line : lines) {
    if (front >= given.size()) break;
    step();
    const auto it = index.find(line);
    if (it == index.end()) continue;
    const std::size_t j = place[it->second];
    if (j != front) {
      std::swap(at[j], at[front]);
      place[at[j]] = j;
      place[at[front]] = front;
    }
    ++front;
  }
  names.clear();
  names.reserve(given.size());
  index.clear();   // it looks into given, whose names now move
  for (std::size_t i : at) names.push_back(std::move(given[i]));
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
