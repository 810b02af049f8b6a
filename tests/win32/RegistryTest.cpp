// The settings store and registry text values in the real (Wine) registry, under throwaway keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SettingsStore.h"

namespace velgaro::win32 {
namespace {

using namespace std::string_literals;

// A section of the program's own key that no real setting uses, deleted afterwards.
class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() : section("UnitTest" + std::to_string(GetCurrentProcessId())), key("Software\\Velgaro\\" + section) {}
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, ToWide(key).c_str()); }

  void SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ToWide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &handle, nullptr),
              ERROR_SUCCESS);
    const LSTATUS status = RegSetValueExW(handle, ToWide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    ASSERT_EQ(status, ERROR_SUCCESS);
  }
  void SetRawText(const std::string& name, DWORD type, const std::wstring& text, bool terminated = true) {
    SetRaw(name, type, text.c_str(), static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t)));
  }
  std::string Get(const std::string& name) const { return registry.GetString(RegRoot::CurrentUser, key, name); }
  std::string GetExpanded(const std::string& name) const {
    return registry.GetExpandedString(RegRoot::CurrentUser, key, name);
  }

  std::string section;
  std::string key;
  Win32SettingsStore settings;
  Win32Registry registry;
};

TEST_F(RegistryTest, SettingsRoundTripAsRegSzUnderApplicationKey) {
  EXPECT_EQ(settings.Get(section, "Speed", "2"), "2");
  ASSERT_TRUE(settings.Set(section, "Speed", "1"));
  ASSERT_TRUE(settings.Set(section, "FolderVGP", "C:\\Пакеты"));
  EXPECT_EQ(settings.Get(section, "speed", "2"), "1");
  EXPECT_EQ(settings.Get(section, "FolderVGP", ""), "C:\\Пакеты");

  wchar_t data[64] = {};
  DWORD size = sizeof(data);
  DWORD type = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, ToWide(key).c_str(), L"Speed", RRF_RT_ANY, &type, data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(data), L"1");
}

TEST_F(RegistryTest, StoredEmptyTextIsNotTheDefault) {
  ASSERT_TRUE(settings.Set(section, "Language", ""));
  EXPECT_EQ(settings.Get(section, "Language", "Russian"), "");
}

TEST_F(RegistryTest, SettingsRefuseNamesThatAddressOtherKeys) {
  EXPECT_FALSE(settings.Set("", "Speed", "1"));
  EXPECT_FALSE(settings.Set(section, "", "1"));
  EXPECT_FALSE(settings.Set(section, "Speed", "1\0" "9"s));
  EXPECT_EQ(settings.Get("", "Speed", "d"), "d");
}

TEST_F(RegistryTest, PlainStringsOnlyByGetString) {
  SetRawText("Plain", REG_SZ, L"C:\\Program Files");
  SetRawText("Expand", REG_EXPAND_SZ, L"%WINDIR%\\Temp");
  const DWORD number = 7;
  SetRaw("Number", REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(Get("Plain"), "C:\\Program Files");
  EXPECT_EQ(Get("Expand"), "");
  EXPECT_EQ(Get("Number"), "");
  EXPECT_EQ(Get("Missing"), "");
  EXPECT_EQ(registry.GetString(RegRoot::CurrentUser, key + "\\Missing", "Plain"), "");
}

TEST_F(RegistryTest, ExpandStringIsExpandedWithTheEnvironment) {
  SetRawText("Expand", REG_EXPAND_SZ, L"%WINDIR%\\Temp");
  SetRawText("Plain", REG_SZ, L"%WINDIR%");
  wchar_t windir[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"WINDIR", windir, MAX_PATH), 0u);
  EXPECT_EQ(GetExpanded("Expand"), ToUtf8(windir) + "\\Temp");
  EXPECT_EQ(GetExpanded("Plain"), "%WINDIR%");
  const DWORD number = 7;
  SetRaw("Number", REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(GetExpanded("Number"), "");
}

TEST_F(RegistryTest, TextIsCutAtNulAndReadWithoutTerminator) {
  SetRawText("Embedded", REG_SZ, L"C:\\App\0junk"s);
  SetRawText("Unterminated", REG_SZ, L"abc", false);
  SetRaw("Empty", REG_SZ, nullptr, 0);
  EXPECT_EQ(Get("Embedded"), "C:\\App");
  EXPECT_EQ(Get("Unterminated"), "abc");
  EXPECT_EQ(Get("Empty"), "");
}

TEST_F(RegistryTest, SetStringCreatesKeyAndValue) {
  ASSERT_TRUE(registry.SetString(RegRoot::CurrentUser, key + "\\shell\\open\\command", "", "\"C:\\v.exe\" /add \"%1\""));
  EXPECT_EQ(registry.GetString(RegRoot::CurrentUser, key + "\\shell\\open\\command", ""), "\"C:\\v.exe\" /add \"%1\"");
}

TEST_F(RegistryTest, ProgramFilesFolderIsReadable) {
  const std::string folder =
      registry.GetString(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  EXPECT_EQ(folder.rfind("C:\\", 0), 0u) << folder;
}

}  // namespace
}  // namespace velgaro::win32
