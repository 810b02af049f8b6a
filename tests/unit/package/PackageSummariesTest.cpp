// The summaries kept for the files of the package folder: a file is read again exactly when its listing
// says it may have been written since, and a summary never outlives its file or its folder.
#include <gtest/gtest.h>

#include "PackageTestSupport.h"
#include "common/TestPackage.h"
#include "package/PackageSummaries.h"

namespace velgaro::test {
namespace {

constexpr const char* kFolder = "C:\\Packages";

class PackageSummariesTest : public ::testing::Test {
 protected:
  // A package whose installer path is exePath, written as a recording leaves it.
  void Write(const std::string& name, const std::string& exePath, const std::string& description = "Пакет") {
    TestPackageSpec spec;
    spec.installer = exePath;
    spec.description = description;
    spec.options.defSelect = true;
    ASSERT_TRUE(WriteTestPackage(w.fs, w.codepage, std::string(kFolder) + "\\" + name, spec));
  }
  void List(const std::string& folder = kFolder) { summaries.Listed(folder, *w.fs.ListFileEntries(folder, "*.vgp")); }
  std::shared_ptr<const StoredSummary> Get(const std::string& name) { return summaries.Summary(w.codepage, w.fs, name); }

  PackageWorld w;
  PackageSummaries summaries;
};

TEST_F(PackageSummariesTest, AFileIsReadAgainOnlyOnceItWasWritten) {
  Write("a.vgp", "%PROGRAMFILES%\\A\\setup.exe", "Первый");
  Write("b.vgp", "C:\\B\\setup.exe");
  List();
  const auto a = Get("a.vgp");
  ASSERT_TRUE(a && a->sound);
  EXPECT_EQ(a->exePath, "%PROGRAMFILES%\\A\\setup.exe");   // as stored
  EXPECT_EQ(a->description, "Первый");
  EXPECT_TRUE(a->defSelect);
  Get("b.vgp");
  EXPECT_EQ(summaries.Reads(), 2u);

  List();
  EXPECT_EQ(Get("a.vgp"), a);
  Get("b.vgp");
  EXPECT_EQ(summaries.Reads(), 2u);

  // The same size, another content: the write time tells.
  Write("a.vgp", "%PROGRAMFILES%\\A\\setup.exe", "Второй");
  List();
  EXPECT_EQ(Get("a.vgp")->description, "Второй");
  EXPECT_EQ(summaries.Reads(), 3u);
}

TEST_F(PackageSummariesTest, AWriteTimeOfWholeSecondsIsNeverTrusted) {
  Write("fat.vgp", "C:\\F\\setup.exe");
  // FAT keeps two seconds: two writes within them would look alike.
  w.fs.SetModified(std::string(kFolder) + "\\fat.vgp", 13400000000ull * 10000000);
  for (int i = 0; i < 3; ++i) {
    List();
    EXPECT_TRUE(Get("fat.vgp")->sound);
  }
  EXPECT_EQ(summaries.Reads(), 3u);
}

TEST_F(PackageSummariesTest, ForgettingOrAnotherFolderReadsAgain) {
  Write("a.vgp", "C:\\A\\setup.exe");
  List();
  Get("a.vgp");
  summaries.Forget("a.vgp");
  List();
  Get("a.vgp");
  EXPECT_EQ(summaries.Reads(), 2u);

  w.fs.AddFolder("C:\\Other");
  List("C:\\Other");
  EXPECT_EQ(summaries.Folder(), "C:\\Other");
  List();
  Get("a.vgp");
  EXPECT_EQ(summaries.Reads(), 3u);
  // A name the listing did not give is read each time.
  Get("a.vgp ");
  Get("a.vgp ");
  EXPECT_EQ(summaries.Reads(), 5u);
}

TEST_F(PackageSummariesTest, GoneAndDamagedFiles) {
  Write("a.vgp", "C:\\A\\setup.exe");
  w.fs.AddFile(std::string(kFolder) + "\\broken.vgp", "not a package");
  List();
  ASSERT_TRUE(w.fs.Remove(std::string(kFolder) + "\\a.vgp"));
  EXPECT_EQ(Get("a.vgp"), nullptr);
  const auto broken = Get("broken.vgp");
  ASSERT_NE(broken, nullptr);
  EXPECT_FALSE(broken->sound);
  EXPECT_EQ(broken->exePath, "");
  // A damaged file is not read again while it stays as it is; a file no longer listed is forgotten.
  List();
  EXPECT_EQ(Get("broken.vgp"), broken);
  EXPECT_EQ(summaries.Reads(), 2u);
}

}  // namespace
}  // namespace velgaro::test
