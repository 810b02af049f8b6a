#include "platform/posix/PosixXml.h"

#include <pugixml.hpp>

#include <sstream>

namespace velgaro {
namespace {

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
  if (!node.isElement) return static_cast<bool>(parent.append_child(pugi::node_pcdata).set_value(node.text.c_str()));
  pugi::xml_node element = parent.append_child(node.name.c_str());
  if (!element) return false;
  for (const XmlNode& child : node.children) {
    if (!Build(child, element, depth + 1)) return false;
  }
  return true;
}

}  // namespace

std::optional<XmlNode> PosixXml::Parse(const std::string& document) const {
  pugi::xml_document doc;
  // parse_doctype keeps the declaration as a node, so that it can be seen and the document refused.
  const unsigned options = pugi::parse_default | pugi::parse_doctype;
  const pugi::xml_parse_result result = doc.load_buffer(document.data(), document.size(), options, pugi::encoding_auto);
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
