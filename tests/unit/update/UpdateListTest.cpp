// Reading the published version list as hostile text, comparing versions, and which links may open.
#include <gtest/gtest.h>

#include "platform/posix/PosixXml.h"
#include "update/UpdateList.h"

namespace velgaro::test {
namespace {

UpdateInfo Read(const std::string& document, const std::string& language = "English", bool* found = nullptr) {
  PosixXml xml;
  const std::optional<XmlNode> root = xml.Parse(document);
  EXPECT_TRUE(root.has_value()) << document;
  UpdateInfo info;
  const bool any = root && ReadUpdateList(*root, language, info);
  if (found != nullptr) *found = any;
  return info;
}

TEST(UpdateList, ReadsEveryFieldOfARecordWhereverItStands) {
  const UpdateInfo info = Read(
      "<versions><product><info><version>2.1</version><major>2</major><minor> 1 </minor><revision>30</revision>"
      "<codename>Aurora</codename><is_beta>False</is_beta><direct_link>http://example.org/v.zip</direct_link>"
      "<description_link>http://example.org/v.htm</description_link><filesize>1,2 MB</filesize>"
      "<unknown>x</unknown><descriptions><Russian>Новое</Russian><English>New things</English>"
      "<English>second</English></descriptions></info></product></versions>");
  EXPECT_EQ(info.version, "2.1");
  EXPECT_EQ(info.number.major, 2);
  EXPECT_EQ(info.number.minor, 1);
  EXPECT_EQ(info.number.revision, 30);
  EXPECT_EQ(info.codename, "Aurora");
  EXPECT_EQ(info.isBeta, "False");
  EXPECT_EQ(info.directLink, "http://example.org/v.zip");
  EXPECT_EQ(info.descriptionLink, "http://example.org/v.htm");
  EXPECT_EQ(info.fileSize, "1,2 MB");
  EXPECT_EQ(info.description, "New things");   // the first child named after the language
}

TEST(UpdateList, TheLastReadableRecordWinsAndThinOnesAreSkipped) {
  bool found = false;
  const UpdateInfo info = Read(
      "<l><info><version>1.0</version><major>1</major><codename>Old</codename></info>"
      "<info><version>3.0</version><major>3</major></info>"
      "<info><major>9</major></info></l>",   // one child only: not read
      "English", &found);
  EXPECT_TRUE(found);
  EXPECT_EQ(info.version, "3.0");
  EXPECT_EQ(info.number.major, 3);
  EXPECT_EQ(info.codename, "Old");   // a field the later record does not name stays
}

TEST(UpdateList, NamesCountExactlyAndBadNumbersLeaveTheirField) {
  const UpdateInfo info = Read(
      "<l><info><Version>9</Version><major>4</major><minor>x</minor><revision>7</revision></info>"
      "<info><major>five</major><minor>99999999999</minor><revision>-2</revision></info></l>");
  EXPECT_EQ(info.version, "");
  EXPECT_EQ(info.number.major, 4);
  EXPECT_EQ(info.number.minor, 0);
  EXPECT_EQ(info.number.revision, -2);
}

TEST(UpdateList, ADescriptionOnlyInTheCurrentLanguageAndNoRecordAtAll) {
  EXPECT_EQ(Read("<l><info><major>1</major><descriptions><Russian>Текст</Russian></descriptions></info></l>")
                .description,
            "");
  EXPECT_EQ(Read("<l><info><major>1</major><descriptions><Russian>Текст</Russian></descriptions></info></l>",
                 "Russian")
                .description,
            "Текст");
  bool found = true;
  const UpdateInfo none = Read("<l><news>nothing</news></l>", "English", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(none.number.major, 0);
}

TEST(UpdateVersions, CompareAsNumbersPartByPart) {
  EXPECT_GT(CompareVersions({2, 0, 0}, {1, 9, 99}), 0);
  EXPECT_GT(CompareVersions({1, 10, 0}, {1, 9, 5}), 0);
  EXPECT_EQ(CompareVersions({1, 9, 5}, {1, 9, 5}), 0);
  EXPECT_LT(CompareVersions({1, 9, 4}, {1, 9, 5}), 0);
  EXPECT_LT(CompareVersions({1, 8, 99}, {1, 9, 0}), 0);
  EXPECT_LT(CompareVersions({0, 0, 0}, {1, 5, 0}), 0);
}

TEST(UpdateVersions, BetaOnlyWhenExactlyTrue) {
  UpdateInfo info;
  info.version = "2.0";
  info.codename = "Next";
  info.isBeta = "True";
  EXPECT_EQ(VersionLine(info), "2.0 Next Beta");
  info.isBeta = "true";
  EXPECT_EQ(VersionLine(info), "2.0 Next ");
}

TEST(UpdateLinks, OnlyWebAddressesOpen) {
  for (const char* ok : {"http://example.org/v.zip", "HTTPS://example.org/", "https://host:8080/a?b=c&d=%20"}) {
    EXPECT_TRUE(IsWebLink(ok)) << ok;
  }
  for (const char* bad : {"", "  ", "file:///C:/Windows/win.ini", "C:\\Windows\\System32\\calc.exe",
                          "\\\\server\\share\\x.exe", "cmd /c del *", "http://", "http:///etc/passwd",
                          "http://host/a b", "http://host/\"x", "javascript:alert(1)", "mailto:a@b",
                          "ftp://host/file", " http://host/", "http://host/\r\nx"}) {
    EXPECT_FALSE(IsWebLink(bad)) << bad;
  }
}

}  // namespace
}  // namespace velgaro::test
