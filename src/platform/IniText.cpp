#include "platform/IniText.h"

#include <vector>

namespace velgaro {
namespace {

struct Line {
  std::size_t begin = 0;  // first byte
  std::size_t end = 0;    // one past the last byte, line break excluded
  std::size_t next = 0;   // first byte of the next line
};

std::vector<Line> SplitLines(const std::string& content) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  // A UTF-8 byte order mark is not part of the first line's text.
  if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  while (pos < content.size()) {
    std::size_t lf = content.find('\n', pos);
    Line line;
    line.begin = pos;
    line.next = lf == std::string::npos ? content.size() : lf + 1;
    line.end = lf == std::string::npos ? content.size() : lf;
    if (line.end > line.begin && content[line.end - 1] == '\r') --line.end;
    lines.push_back(line);
    pos = line.next;
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// Case folding of the ANSI code page: ASCII and the Cyrillic letters of Windows-1251.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);
  if (c == 0xA8) return 0xB8;  // Ё
  return c;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

std::string CutToBuffer(std::string s, std::size_t bufferSize) {
  const std::size_t nul = s.find('\0');
  if (nul != std::string::npos) s.resize(nul);
  if (bufferSize == 0) return {};
  if (s.size() > bufferSize - 1) s.resize(bufferSize - 1);
  return s;
}

std::string Unquote(const std::string& s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
    return s.substr(1, s.size() - 2);
  }
  return s;
}

enum class LineKind { Skip, Section, Key };

struct ParsedLine {
  LineKind kind = LineKind::Skip;
  std::string name;   // section or key name, trimmed
  std::string value;  // key value, trimmed (quotes kept)
};

ParsedLine Parse(const std::string& content, const Line& line) {
  ParsedLine p;
  const std::string text = TrimBlanks(content.substr(line.begin, line.end - line.begin));
  if (text.empty() || text[0] == ';') return p;
  if (text[0] == '[') {
    const std::size_t close = text.find(']');
    p.kind = LineKind::Section;
    p.name = TrimBlanks(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return p;
  }
  p.kind = LineKind::Key;
  const std::size_t eq = text.find('=');
  p.name = TrimBlanks(text.substr(0, eq));
  if (eq != std::string::npos) p.value = TrimBlanks(text.substr(eq + 1));
  return p;
}

// Where section and key sit in the content.
struct Location {
  bool sectionFound = false;
  std::size_t lastLineOfSection = 0;   // index of the header or the last non-blank line in the section
  std::optional<std::size_t> keyLine;
  ParsedLine key;
};

Location Locate(const std::string& content, const std::vector<Line>& lines, const std::string& section,
                const std::string& key) {
  Location loc;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine p = Parse(content, lines[i]);
    if (p.kind == LineKind::Section) {
      if (loc.sectionFound) break;   // only the first matching section counts
      inSection = EqualNoCase(p.name, section);
      if (inSection) {
        loc.sectionFound = true;
        loc.lastLineOfSection = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (lines[i].end > lines[i].begin &&
        !TrimBlanks(content.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty()) {
      loc.lastLineOfSection = i;
    }
    if (p.kind == LineKind::Key && EqualNoCase(p.name, key)) {
      loc.keyLine = i;
      loc.key = p;
      return loc;
    }
  }
  return loc;
}

bool HasLineBreakOrNul(const std::string& s) { return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

// Ends text's last line before more is added. A CR at the very end lacks only its LF: another CR LF
// would leave that CR in the line's value, and nothing at all would join the next line to it.
void EndLastLine(std::string& text, const std::string& eol) {
  if (text.empty() || text.back() == '\n') return;
  text += text.back() == '\r' ? "\n" : eol;
}

}  // namespace

bool IniIsWritable(const std::string& section, const std::string& key, const std::string& value) {
  if (TrimBlanks(key).empty() || TrimBlanks(section).empty()) return false;
  if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value)) return false;
  if (key.find('=') != std::string::npos || section.find(']') != std::string::npos) return false;
  const std::string k = TrimBlanks(key);
  return k[0] != '[' && k[0] != ';';
}

std::optional<std::string> IniFindValue(const std::string& content, const std::string& section,
                                        const std::string& key) {
  const std::vector<Line> lines = SplitLines(content);
  const Location loc = Locate(content, lines, section, key);
  if (!loc.keyLine) return std::nullopt;
  return CutToBuffer(Unquote(loc.key.value), static_cast<std::size_t>(-1));
}

std::string IniReadValue(const std::string& content, const std::string& section, const std::string& key,
                         const std::string& defaultValue, std::size_t bufferSize) {
  if (const std::optional<std::string> value = IniFindValue(content, section, key)) {
    return CutToBuffer(*value, bufferSize);
  }
  std::string def = defaultValue;
  while (!def.empty() && def.back() == ' ') def.pop_back();
  return CutToBuffer(def, bufferSize);
}

std::optional<std::string> IniWriteValue(const std::string& content, const std::string& section,
                                         const std::string& key, const std::string& value) {
  if (!IniIsWritable(section, key, value)) return std::nullopt;
  const std::size_t firstLf = content.find('\n');
  const std::string eol = (firstLf != std::string::npos && (firstLf == 0 || content[firstLf - 1] != '\r')) ? "\n" : "\r\n";
  const std::vector<Line> lines = SplitLines(content);
  const Location loc = Locate(content, lines, section, key);

  if (loc.keyLine) {
    const Line& line = lines[*loc.keyLine];
    return content.substr(0, line.begin) + loc.key.name + "=" + value + content.substr(line.end);
  }
  const std::string keyLine = TrimBlanks(key) + "=" + value;
  if (loc.sectionFound) {
    const Line& after = lines[loc.lastLineOfSection];
    std::string head = content.substr(0, after.next);
    EndLastLine(head, eol);   // the section's last line may end the file without a break
    return head + keyLine + eol + content.substr(after.next);
  }
  std::string out = content;
  EndLastLine(out, eol);
  out += "[" + TrimBlanks(section) + "]" + eol + keyLine + eol;
  return out;
}

std::string ProfileFile::Read(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue, std::size_t bufferSize) const {
  const std::optional<Bytes> bytes = fs_.ReadAll(file);
  const std::string content = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  return codepage_.FromAnsi(IniReadValue(content, codepage_.ToAnsi(section), codepage_.ToAnsi(key),
                                         codepage_.ToAnsi(defaultValue), bufferSize));
}

bool ProfileFile::Write(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
  const std::optional<Bytes> bytes = fs_.ReadAll(file);
  if (!bytes && fs_.Exists(file)) return false;   // unreadable, or a folder of that name
  const std::string content = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  const std::optional<std::string> updated =
      IniWriteValue(content, codepage_.ToAnsi(section), codepage_.ToAnsi(key), codepage_.ToAnsi(value));
  return updated && fs_.WriteAllReplacing(file, Bytes(updated->begin(), updated->end()));
}

}  // namespace velgaro
