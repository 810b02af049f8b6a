#include <gtest/gtest.h>

#include "platform/posix/PosixXml.h"

namespace velgaro {
namespace {

TEST(PosixXmlTest, ParsesElementsAndTextAndDropsTheRest) {
  PosixXml xml;
  const auto root = xml.Parse("\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- note --><list>\n  <a>x &amp; <![CDATA[<y>]]></a>"
                              "<?pi data?><b/></list>");
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(root->name, "list");
  ASSERT_EQ(root->children.size(), 2u);   // white space, comment and processing instruction dropped
  const XmlNode& a = root->children[0];
  ASSERT_EQ(a.children.size(), 2u);
  EXPECT_EQ(a.children[0].text, "x & ");
  EXPECT_EQ(a.children[1].text, "<y>");
  EXPECT_FALSE(a.children[1].isElement);
}

TEST(PosixXmlTest, RefusesDamagedDocumentsAndDocumentTypes) {
  PosixXml xml;
  EXPECT_FALSE(xml.Parse("").has_value());
  EXPECT_FALSE(xml.Parse("<a><b></a>").has_value());
  EXPECT_FALSE(xml.Parse("<a/><b/>").has_value());
  EXPECT_FALSE(xml.Parse("<!DOCTYPE a [<!ENTITY x SYSTEM \"/etc/passwd\">]><a>&x;</a>").has_value());
  EXPECT_FALSE(xml.Parse("<!DOCTYPE a><a/>").has_value());
  std::string deep;
  for (std::size_t i = 0; i <= Xml::kMaxDepth; ++i) deep += "<a>";
  for (std::size_t i = 0; i <= Xml::kMaxDepth; ++i) deep += "</a>";
  EXPECT_FALSE(xml.Parse(deep).has_value());
  EXPECT_TRUE(xml.Parse(deep.substr(3, deep.size() - 7)).has_value());   // exactly the limit
}

TEST(PosixXmlTest, WritesWithoutIndentationAndReadsBack) {
  PosixXml xml;
  XmlNode root{true, "list", "", {XmlNode{true, "name", "", {XmlNode{false, "", "Ред & \"<>\"", {}}}}}};
  const std::string text = xml.Write(root);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?><list><name>", 0), 0u) << text;
  const auto back = xml.Parse(text);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->children[0].children[0].text, "Ред & \"<>\"");
  EXPECT_EQ(xml.Write(XmlNode{false, "", "text", {}}), "");
}

}  // namespace
}  // namespace velgaro
