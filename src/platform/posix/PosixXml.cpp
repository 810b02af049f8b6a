#include "platform/posix/PosixXml.h"

#include <pugixml.hpp>

#include <optional>
#include <sstream>

#include "platform/ByteOrderMark.h"

namespace velgaro {
namespace {

// The code points of a UTF-8 text; nullopt for a broken or overlong sequence or a surrogate, so that a
// damaged text is refused whole, as the Windows adapter refuses it.
std::optional<std::u32string> StrictCodePoints(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    const unsigned lead = byte(i);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > utf8.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (byte(i + k) & 0x3F);
    }
    static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    out.push_back(c);
    i += length;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The document as UTF-8, decoded by its byte order mark (none: UTF-8, whatever its declaration names).
std::optional<std::string> DecodeDocument(const std::string& document) {
  std::optional<MarkedText> text = ReadByteOrderMark(document);
  if (!text) return std::nullopt;
  if (!text->utf16) {
    if (!StrictCodePoints(text->utf8)) return std::nullopt;
    return std::move(text->utf8);
  }
  const std::u16string& units = text->units;
  std::string utf8;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;   // a low surrogate without its high one
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) return std::nullopt;
      c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(utf8, c);
  }
  return utf8;
}

// XML 1.0 carries no other character below U+0020, not even as a reference.
bool HasControlCharacter(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') return true;
  }
  return false;
}

bool IsWritableText(const std::string& text) { return StrictCodePoints(text) && !HasControlCharacter(text); }

// A name that cannot break the markup around it.
bool IsWritableName(const std::string& name) {
  return !name.empty() && name.find_first_of(" \t\r\n<>&\"'/=?!") == std::string::npos && IsWritableText(name);
}

// Copies element into out; false when the tree is nested deeper than the port allows.
bool Convert(const pugi::xml_node& element, XmlNode& out, std::size_t depth) {
  if (depth > Xml::kMaxDepth) return false;
  out.isElement = true;
  out.name = element.name();
  for (const pugi::xml_node& child : element.children()) {
    switch (child.type()) {
      case pugi::node_element: {
        XmlNode node;
        if (!Convert(child, node, depth + 1)) return false;
        out.children.push_back(std::move(node));
        break;
      }
      case pugi::node_pcdata:
      case pugi::node_cdata: {
        XmlNode text;
        text.isElement = false;
        text.text = child.value();
        out.children.push_back(std::move(text));
        break;
      }
      default:
        break;   // comments and processing instructions carry nothing the program reads
    }
  }
  return true;
}

bool Build(const XmlNode& node, pugi::xml_node parent, std::size_t depth) {
  if (depth > Xml::kMaxDepth) return false;
  if (!node.isElement) {
    return IsWritableText(node.text) && parent.append_child(pugi::node_pcdata).set_value(node.text.c_str());
  }
  if (!IsWritableName(node.name)) return false;
  pugi::xml_node element = parent.append_child(node.name.c_str());
  if (!element) return false;
  for (const XmlNode& child : node.children) {
    if (!Build(child, element, depth + 1)) return false;
  }
  return true;
}

}  // namespace

std::optional<XmlNode> PosixXml::Parse(const std::string& document) const {
  const std::optional<std::string> text = DecodeDocument(document);
  if (!text || text->empty() || HasControlCharacter(*text)) return std::nullopt;
  pugi::xml_document doc;
  // parse_doctype keeps the declaration as a node, so that it can be seen and the document refused.
  const unsigned options = pugi::parse_default | pugi::parse_doctype;
  const pugi::xml_parse_result result = doc.load_buffer(text->data(), text->size(), options, pugi::encoding_utf8);
  if (!result) return std::nullopt;
  pugi::xml_node root;
  for (const pugi::xml_node& child : doc.children()) {
    if (child.type() == pugi::node_doctype) return std::nullopt;
    if (child.type() == pugi::node_element) {
      if (root) return std::nullopt;   // a document has one root element
      root = child;
    } else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      return std::nullopt;             // text outside the root
    }
  }
  if (!root) return std::nullopt;
  XmlNode out;
  if (!Convert(root, out, 1)) return std::nullopt;
  return out;
}

std::string PosixXml::Write(const XmlNode& root) const {
  if (!root.isElement || root.name.empty()) return {};
  pugi::xml_document doc;
  if (!Build(root, doc, 1)) return {};
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return "<?xml version=\"1.0\"?>" + out.str();
}

}  // namespace velgaro
