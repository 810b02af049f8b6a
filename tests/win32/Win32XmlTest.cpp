// The XML port over the system's DOM: the cases every XML adapter shares, nothing fetched for a hostile
// document, and COM left as the calling thread had it.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>

#include "common/XmlAdapterCases.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Xml.h"
#include "win32/TempFolder.h"

namespace velgaro::test {
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, XmlAdapterCases, win32::Win32Xml);
}  // namespace velgaro::test

namespace velgaro::win32 {
namespace {

std::string AllText(const XmlNode& node) {
  std::string all = node.name + node.text;
  for (const XmlNode& child : node.children) all += AllText(child);
  return all;
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

// What CoInitializeEx reports on this thread now: S_OK only when nothing is left initialised.
HRESULT ProbeMultithreaded() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (SUCCEEDED(hr)) CoUninitialize();
  return hr;
}

TEST(Win32XmlTest, LeavesComAsTheThreadHadIt) {
  // A worker thread without COM; a UI thread, COM already in a single-threaded apartment (our call
  // gets S_FALSE); a thread in the multithreaded apartment (our call gets RPC_E_CHANGED_MODE).
  struct Apartment {
    const char* name;
    bool initialise;
    DWORD mode;
    HRESULT after;   // what the thread's own CoInitializeEx(MULTITHREADED) says once the adapter is done
  };
  const Apartment apartments[] = {{"none", false, 0, S_OK},
                                  {"single-threaded", true, COINIT_APARTMENTTHREADED, S_OK},
                                  {"multithreaded", true, COINIT_MULTITHREADED, S_FALSE}};
  Win32Xml xml;
  for (const Apartment& a : apartments) {
    bool parsed = false, written = false;
    HRESULT after = E_FAIL;
    std::thread([&] {
      const bool initialised = a.initialise && CoInitializeEx(nullptr, a.mode) == S_OK;
      parsed = xml.Parse("<a>x</a>").has_value();
      written = !xml.Write(XmlNode{true, "a", "", {}}).empty();
      // Still in its apartment while it asks, unless it was single-threaded (then it leaves first).
      if (initialised && a.mode == COINIT_APARTMENTTHREADED) CoUninitialize();
      after = ProbeMultithreaded();
      if (initialised && a.mode == COINIT_MULTITHREADED) CoUninitialize();
    }).join();
    EXPECT_TRUE(parsed) << a.name;
    EXPECT_TRUE(written) << a.name;
    EXPECT_EQ(after, a.after) << a.name;
  }
}

}  // namespace
}  // namespace velgaro::win32
