#include "update/UpdateList.h"

#include <charconv>

#include "platform/TextFold.h"

namespace velgaro {
namespace {

std::string TextOf(const XmlNode& node) {
  if (!node.isElement) return node.text;
  std::string text;
  for (const XmlNode& child : node.children) text += TextOf(child);
  return text;
}

// A decimal integer, as a DOM's text converts: blanks around it allowed, nothing else.
bool ToInt32(const std::string& text, std::int32_t& out) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return false;
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  std::int32_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return false;
  out = value;
  return true;
}

std::string DescriptionFor(const XmlNode& descriptions, const std::string& languageName) {
  for (const XmlNode& child : descriptions.children) {
    if (child.isElement && child.name == languageName) return TextOf(child);
  }
  return {};
}

void ReadRecord(const XmlNode& record, const std::string& languageName, UpdateInfo& info) {
  for (const XmlNode& child : record.children) {
    if (!child.isElement) continue;
    const std::string& name = child.name;
    if (name == "version") info.version = TextOf(child);
    else if (name == "major") ToInt32(TextOf(child), info.number.major);
    else if (name == "minor") ToInt32(TextOf(child), info.number.minor);
    else if (name == "revision") ToInt32(TextOf(child), info.number.revision);
    else if (name == "codename") info.codename = TextOf(child);
    else if (name == "is_beta") info.isBeta = TextOf(child);
    else if (name == "direct_link") info.directLink = TextOf(child);
    else if (name == "description_link") info.descriptionLink = TextOf(child);
    else if (name == "filesize") info.fileSize = TextOf(child);
    else if (name == "descriptions") info.description = DescriptionFor(child, languageName);
  }
}

void Walk(const XmlNode& node, const std::string& languageName, UpdateInfo& info, bool& found) {
  if (!node.isElement) return;
  if (node.name == "info") {
    found = true;
    if (node.children.size() >= 2) ReadRecord(node, languageName, info);
  }
  for (const XmlNode& child : node.children) Walk(child, languageName, info, found);
}

}  // namespace

bool ReadUpdateList(const XmlNode& root, const std::string& languageName, UpdateInfo& info) {
  bool found = false;
  Walk(root, languageName, info, found);
  return found;
}

int CompareVersions(const VersionTriple& published, const VersionTriple& running) {
  if (published.major != running.major) return published.major < running.major ? -1 : 1;
  if (published.minor != running.minor) return published.minor < running.minor ? -1 : 1;
  if (published.revision != running.revision) return published.revision < running.revision ? -1 : 1;
  return 0;
}

std::string VersionLine(const UpdateInfo& info) {
  return info.version + " " + info.codename + " " + (info.isBeta == "True" ? "Beta" : "");
}

bool IsWebLink(const std::string& link) {
  std::size_t hostAt = 0;
  const std::string lower = FoldCase(link);
  if (lower.rfind("http://", 0) == 0) hostAt = 7;
  else if (lower.rfind("https://", 0) == 0) hostAt = 8;
  else return false;
  if (link.size() <= hostAt || link[hostAt] == '/') return false;
  for (const char c : link) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= ' ' || u == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '`') return false;
  }
  return true;
}

}  // namespace velgaro
