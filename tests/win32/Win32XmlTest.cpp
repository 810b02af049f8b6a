// The XML port over the system's DOM: the same cases as the native adapter, the same bytes written,
// nothing fetched for a hostile document, and COM left as the calling thread had it.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Xml.h"
#include "win32/TempFolder.h"

namespace velgaro::win32 {
namespace {

std::string AllText(const XmlNode& node) {
  std::string all = node.name + node.text;
  for (const XmlNode& child : node.children) all += AllText(child);
  return all;
}

std::string Nested(std::size_t levels) {
  std::string text;
  for (std::size_t i = 0; i < levels; ++i) text += "<a>";
  for (std::size_t i = 0; i < levels; ++i) text += "</a>";
  return text;
}

std::string Utf16(const std::wstring& text, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (wchar_t c : text) {
    const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
    bytes += littleEndian ? std::string{lo, hi} : std::string{hi, lo};
  }
  return bytes;
}

TEST(Win32XmlTest, ParsesElementsAndTextAndDropsTheRest) {
  Win32Xml xml;
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
  EXPECT_EQ(root->children[1].name, "b");
  EXPECT_TRUE(root->children[1].children.empty());
}

TEST(Win32XmlTest, KeepsSpaceInsideTextAndInCdata) {
  Win32Xml xml;
  const auto root = xml.Parse("<a>  x  <b> </b><![CDATA[ ]]>\r\n y&#13;</a>");
  ASSERT_TRUE(root.has_value());
  ASSERT_EQ(root->children.size(), 4u);
  EXPECT_EQ(root->children[0].text, "  x  ");
  EXPECT_TRUE(root->children[1].children.empty());
  EXPECT_EQ(root->children[2].text, " ");
  EXPECT_EQ(root->children[3].text, "\n y\r");   // line ends normalised, a referenced CR kept
}

TEST(Win32XmlTest, RefusesDamagedDocumentsAndDocumentTypes) {
  Win32Xml xml;
  EXPECT_FALSE(xml.Parse("").has_value());
  EXPECT_FALSE(xml.Parse("<a><b></a>").has_value());
  EXPECT_FALSE(xml.Parse("<a/><b/>").has_value());
  EXPECT_FALSE(xml.Parse("<!DOCTYPE a [<!ENTITY x SYSTEM \"/etc/passwd\">]><a>&x;</a>").has_value());
  EXPECT_FALSE(xml.Parse("<!DOCTYPE a><a/>").has_value());
  EXPECT_FALSE(xml.Parse("<!DOCTYPE a [<!ENTITY x \"inner\">]><a>&x;</a>").has_value());
  EXPECT_FALSE(xml.Parse("<?xml version=\"1.0\"?>\n<!-- x -->\n<!doctype a><a/>").has_value());
  EXPECT_FALSE(xml.Parse(Utf16(L"<!DocType a [<!ENTITY x \"inner\">]><a>&x;</a>", true)).has_value());
  EXPECT_FALSE(xml.Parse(Nested(Xml::kMaxDepth + 1)).has_value());
  EXPECT_TRUE(xml.Parse(Nested(Xml::kMaxDepth)).has_value());   // exactly the limit
}

TEST(Win32XmlTest, RefusesTextThatIsNotUtf8OrHasNul) {
  Win32Xml xml;
  EXPECT_FALSE(xml.Parse("<a>\xFF\xFE</a>").has_value());
  EXPECT_FALSE(xml.Parse("<a>\xD0</a>").has_value());   // a sequence cut short
  EXPECT_FALSE(xml.Parse(std::string("<a>x\0y</a>", 10)).has_value());
  EXPECT_FALSE(xml.Parse("<a>\x01</a>").has_value());
  EXPECT_FALSE(xml.Parse(std::string("\xFF\xFE<\0a\0/\0>", 9)).has_value());   // UTF-16 of odd length
}

TEST(Win32XmlTest, ReadsUtf16ByItsByteOrderMarkAndUtf8WhateverTheDeclarationSays) {
  Win32Xml xml;
  for (bool littleEndian : {true, false}) {
    const auto root = xml.Parse(Utf16(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?><имя>Тест \u00e9</имя>", littleEndian));
    ASSERT_TRUE(root.has_value()) << littleEndian;
    EXPECT_EQ(root->name, "имя");
    ASSERT_EQ(root->children.size(), 1u);
    EXPECT_EQ(root->children[0].text, "Тест é");
  }
  const auto latin = xml.Parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>Ред</a>");
  ASSERT_TRUE(latin.has_value());
  EXPECT_EQ(latin->children[0].text, "Ред");
}

TEST(Win32XmlTest, NeverShowsAFileThatAnEntityNames) {
  test::TempFolder folder;
  const std::string secret = folder.File("secret.txt");
  {
    std::ofstream out(ToWide(secret).c_str(), std::ios::binary);
    out << "TOPSECRET-4711";
  }
  ASSERT_EQ(GetFileAttributesW(ToWide(secret).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  std::string url = "file:///" + secret;
  for (char& c : url) if (c == '\\') c = '/';
  Win32Xml xml;
  for (const std::string& target : {url, secret}) {
    const std::string entity = "<!ENTITY x SYSTEM \"" + target + "\">";
    for (const std::string& document :
         {"<!DOCTYPE a [" + entity + "]><a>&x;</a>", "<?xml version=\"1.0\"?><!DOCTYPE a [" + entity + "]><a>[&x;]</a>",
          "<!DOCTYPE a SYSTEM \"" + target + "\"><a/>"}) {
      const auto root = xml.Parse(document);
      if (root) {
        EXPECT_EQ(AllText(*root).find("TOPSECRET"), std::string::npos) << document;
      }
      EXPECT_FALSE(root.has_value()) << document;
    }
  }
}

TEST(Win32XmlTest, WritesWithoutIndentationAndReadsBack) {
  Win32Xml xml;
  XmlNode root{true, "list", "", {XmlNode{true, "name", "", {XmlNode{false, "", "Ред & \"<>\"", {}}}}}};
  const std::string text = xml.Write(root);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?><list><name>", 0), 0u) << text;
  EXPECT_EQ(text, "<?xml version=\"1.0\"?><list><name>Ред &amp; \"&lt;&gt;\"</name></list>");
  const auto back = xml.Parse(text);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->children[0].children[0].text, "Ред & \"<>\"");
  EXPECT_EQ(xml.Write(XmlNode{false, "", "text", {}}), "");
}

// The same bytes pugixml writes for the same tree. (A CR is left out: Wine's save drops it, pugixml
// writes it raw; either way it reads back as a line feed.)
TEST(Win32XmlTest, WritesWhatTheNativeAdapterWrites) {
  Win32Xml xml;
  XmlNode root{true, "list", "", {XmlNode{true, "name", "", {XmlNode{false, "", "Ред & \"<>\"'\n\t x]]>", {}}}},
                                  XmlNode{true, "e", "", {}}, XmlNode{true, "f", "", {XmlNode{false, "", "", {}}}}}};
  EXPECT_EQ(xml.Write(root), "<?xml version=\"1.0\"?><list><name>Ред &amp; \"&lt;&gt;\"'\n\t x]]&gt;</name>"
                             "<e/><f></f></list>");
}

TEST(Win32XmlTest, RefusesToWriteWhatCouldNotBeReadBack) {
  Win32Xml xml;
  EXPECT_EQ(xml.Write(XmlNode{true, "", "", {}}), "");
  EXPECT_EQ(xml.Write(XmlNode{true, "a", "", {XmlNode{false, "", "bell\x07", {}}}}), "");
  EXPECT_EQ(xml.Write(XmlNode{true, "a", "", {XmlNode{false, "", std::string("x\0y", 3), {}}}}), "");
  EXPECT_EQ(xml.Write(XmlNode{true, "a", "", {XmlNode{false, "", "\xD0", {}}}}), "");
  EXPECT_EQ(xml.Write(XmlNode{true, "a b", "", {}}), "");
  EXPECT_EQ(xml.Write(XmlNode{true, "a><b", "", {}}), "");
  XmlNode deep{true, "a", "", {}};
  for (std::size_t i = 1; i < Xml::kMaxDepth; ++i) deep = XmlNode{true, "a", "", {deep}};
  EXPECT_EQ(xml.Write(deep), "<?xml version=\"1.0\"?>" + Nested(Xml::kMaxDepth).substr(0, 3 * (Xml::kMaxDepth - 1)) +
                                 "<a/>" + Nested(Xml::kMaxDepth).substr(3 * Xml::kMaxDepth + 4));
  EXPECT_EQ(xml.Write(XmlNode{true, "a", "", {deep}}), "");
}

// What CoInitializeEx reports on this thread now: S_OK only when nothing is left initialised.
HRESULT ProbeMultithreaded() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (SUCCEEDED(hr)) CoUninitialize();
  return hr;
}

TEST(Win32XmlTest, LeavesComAsTheThreadHadIt) {
  Win32Xml xml;
  bool parsed = false, written = false;
  HRESULT after = E_FAIL;
  std::thread([&] {
    parsed = xml.Parse("<a>x</a>").has_value();
    written = !xml.Write(XmlNode{true, "a", "", {}}).empty();
    after = ProbeMultithreaded();
  }).join();
  EXPECT_TRUE(parsed);
  EXPECT_TRUE(written);
  EXPECT_EQ(after, S_OK);

  // A UI thread: COM already in a single-threaded apartment (our call gets S_FALSE).
  std::thread([&] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    parsed = xml.Parse("<a>x</a>").has_value();
    written = !xml.Write(XmlNode{true, "a", "", {}}).empty();
    CoUninitialize();
    after = ProbeMultithreaded();
  }).join();
  EXPECT_TRUE(parsed);
  EXPECT_TRUE(written);
  EXPECT_EQ(after, S_OK);

  // A thread in the multithreaded apartment (our call gets RPC_E_CHANGED_MODE).
  std::thread([&] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    parsed = xml.Parse("<a>x</a>").has_value();
    written = !xml.Write(XmlNode{true, "a", "", {}}).empty();
    after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);   // still multithreaded: S_FALSE
    if (SUCCEEDED(after)) CoUninitialize();
    CoUninitialize();
  }).join();
  EXPECT_TRUE(parsed);
  EXPECT_TRUE(written);
  EXPECT_EQ(after, S_FALSE);
}

}  // namespace
}  // namespace velgaro::win32
