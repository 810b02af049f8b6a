#include "wizard/FolderPathFile.h"

namespace velgaro {
namespace {

// The text of node and everything below it, as a DOM's text property gives it.
void AppendText(const XmlNode& node, std::string& out) {
  if (!node.isElement) {
    out += node.text;
    return;
  }
  for (const XmlNode& child : node.children) AppendText(child, out);
}

std::string TextOf(const XmlNode& node) {
  std::string text;
  AppendText(node, text);
  // A DOM that drops white space trims it around the text as well.
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

void CollectRecords(const XmlNode& node, std::vector<SavedFolder>& out) {
  if (!node.isElement) return;
  if (node.name == "vgp") {
    SavedFolder record;
    if (node.children.size() > 1) {
      for (const XmlNode& child : node.children) {
        if (!child.isElement) continue;
        if (child.name == "name") record.name = TextOf(child);
        if (child.name == "path") record.path = TextOf(child);
      }
    }
    out.push_back(std::move(record));
  }
  for (const XmlNode& child : node.children) CollectRecords(child, out);
}

XmlNode Element(const std::string& name) {
  XmlNode node;
  node.name = name;
  return node;
}

XmlNode TextElement(const std::string& name, const std::string& text) {
  XmlNode node = Element(name);
  XmlNode content;
  content.isElement = false;
  content.text = text;
  node.children.push_back(std::move(content));
  return node;
}

}  // namespace

std::vector<SavedFolder> ParseFolderList(const XmlNode& root) {
  std::vector<SavedFolder> records;
  CollectRecords(root, records);
  return records;
}

std::vector<SavedFolder> ReadFolderPathFile(const FileSystem& fs, const Xml& xml, const std::string& file) {
  const std::optional<std::uint64_t> size = fs.FileSize(file);
  if (!size || *size == 0 || *size > kMaxFolderPathFileBytes) return {};
  const std::optional<Bytes> bytes = fs.ReadAll(file);
  // Checked again: the file may have grown since its size was asked.
  if (!bytes || bytes->size() > kMaxFolderPathFileBytes) return {};
  const std::optional<XmlNode> root = xml.Parse(std::string(bytes->begin(), bytes->end()));
  if (!root || TextOf(*root).empty()) return {};
  return ParseFolderList(*root);
}

bool WriteFolderPathFile(FileSystem& fs, const Xml& xml, const std::string& file,
                         const std::vector<SavedFolder>& rows) {
  XmlNode list = Element("list");
  list.children.reserve(rows.size());
  for (const SavedFolder& row : rows) {
    XmlNode vgp = Element("vgp");
    vgp.children.push_back(TextElement("name", row.name));
    vgp.children.push_back(TextElement("path", row.path));
    list.children.push_back(std::move(vgp));
  }
  const std::string document = xml.Write(list);
  if (document.empty()) return false;
  return fs.WriteAllReplacing(file, Bytes(document.begin(), document.end()));
}

}  // namespace velgaro
