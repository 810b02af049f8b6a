// The simulated adapters that every other test stands on.
#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"

namespace velgaro {
namespace {

class SimFileSystemTest : public ::testing::Test {
 protected:
  SimFileSystemTest() { fs.AddFile("C:\\Tools\\Rec\\velgaro.ini", "[General]\r\nPortableMode=1\r\n"); }
  SimFileSystem fs;
};

TEST_F(SimFileSystemTest, PathsWithoutRegardToCaseAndParentsImplied) {
  EXPECT_TRUE(fs.Exists("c:\\tools\\rec\\VELGARO.INI"));
  EXPECT_TRUE(fs.Exists("C:/Tools/Rec/velgaro.ini"));
  EXPECT_TRUE(fs.IsDirectory("C:\\Tools\\Rec\\"));
  EXPECT_TRUE(fs.IsDirectory("C:\\tools"));
  EXPECT_TRUE(fs.IsDirectory("C:\\"));
  EXPECT_TRUE(fs.IsDirectory("c:"));
  EXPECT_FALSE(fs.IsDirectory("C:\\Tools\\Rec\\velgaro.ini"));
  EXPECT_FALSE(fs.Exists("C:\\Tools\\Re"));
  fs.AddFolder("C:\\Папки\\Пакеты");
  EXPECT_TRUE(fs.IsDirectory("c:\\ПАПКИ\\пакеты"));
}

TEST_F(SimFileSystemTest, FailedWritesLeaveOldContent) {
  const Bytes next{'x'};
  fs.SetReadOnly("C:\\TOOLS\\REC\\velgaro.ini", true);
  EXPECT_FALSE(fs.WriteAllReplacing("C:\\Tools\\Rec\\velgaro.ini", next));
  EXPECT_FALSE(fs.Remove("C:\\Tools\\Rec\\velgaro.ini"));
  fs.SetReadOnly("C:\\Tools\\Rec\\velgaro.ini", false);
  fs.SetFailWrites(true);
  EXPECT_FALSE(fs.WriteAllReplacing("C:\\Tools\\Rec\\velgaro.ini", next));
  fs.SetFailWrites(false);
  EXPECT_EQ(fs.Text("C:\\Tools\\Rec\\velgaro.ini"), "[General]\r\nPortableMode=1\r\n");
  EXPECT_FALSE(fs.WriteAllReplacing("C:\\Missing\\a.ini", next));
  EXPECT_FALSE(fs.WriteAllReplacing("C:\\Tools", next));
  EXPECT_EQ(fs.WriteCount(), 0u);
  EXPECT_TRUE(fs.WriteAllReplacing("c:\\tools\\rec\\VELGARO.INI", next));
  EXPECT_EQ(fs.FileSize("C:\\Tools\\Rec\\velgaro.ini"), 1u);
  EXPECT_EQ(fs.List("C:\\Tools\\Rec", "*"), std::vector<std::string>{"velgaro.ini"});   // spelling kept
}

TEST_F(SimFileSystemTest, ListMatchesPatternsAndSortsWithoutRegardToCase) {
  fs.AddFile("C:\\Tools\\Rec\\language\\b.lng", "");
  fs.AddFile("C:\\Tools\\Rec\\language\\A.LNG", "");
  fs.AddFile("C:\\Tools\\Rec\\language\\c.txt", "");
  fs.AddFile("C:\\Tools\\Rec\\language\\deep\\d.lng", "");
  EXPECT_EQ(fs.List("C:\\Tools\\Rec\\language", "*.lng"), (std::vector<std::string>{"A.LNG", "b.lng"}));
  EXPECT_EQ(fs.List("c:\\tools\\rec\\language\\", "*"), (std::vector<std::string>{"A.LNG", "b.lng", "c.txt", "deep"}));
  EXPECT_EQ(fs.List("C:\\Tools\\Rec\\language", "C.TXT"), std::vector<std::string>{"c.txt"});
  EXPECT_TRUE(fs.List("C:\\Nowhere", "*").empty());
}

TEST_F(SimFileSystemTest, FoldersAsOnWindows) {
  EXPECT_TRUE(fs.CreateFolder("C:\\New"));
  EXPECT_FALSE(fs.CreateFolder("C:\\New"));
  EXPECT_FALSE(fs.CreateFolder("C:\\Gone\\New"));
  EXPECT_FALSE(fs.Remove("C:\\Tools\\Rec"));   // not empty
  EXPECT_TRUE(fs.Remove("C:\\New"));
}

TEST_F(SimFileSystemTest, CopyAsCopyFileAndTheNthCopyBrokenOff) {
  const std::string ini = "C:\\Tools\\Rec\\velgaro.ini";
  fs.SetReadOnly(ini, true);
  EXPECT_FALSE(fs.Copy(ini, "D:\\Disk\\a.ini", false));   // no such folder
  fs.AddFolder("D:\\Disk");
  ASSERT_TRUE(fs.Copy(ini, "D:\\Disk\\a.ini", false));
  EXPECT_EQ(fs.Text("D:\\Disk\\a.ini"), fs.Text(ini));
  EXPECT_TRUE(fs.Entries().at(SimPathKey("D:\\Disk\\a.ini")).readOnly);   // attributes go with the copy
  EXPECT_FALSE(fs.Copy(ini, "D:\\Disk\\a.ini", false));   // a read-only target stays
  EXPECT_TRUE(fs.SetNormalAttributes("D:\\Disk\\a.ini"));
  EXPECT_FALSE(fs.Copy(ini, "D:\\Disk\\a.ini", true));    // failIfExists
  EXPECT_TRUE(fs.Copy(ini, "D:\\Disk\\a.ini", false));
  EXPECT_FALSE(fs.Copy("C:\\Tools", "D:\\Disk\\t", false));   // a folder is no file
  EXPECT_FALSE(fs.Copy(ini, ini, false));
  EXPECT_FALSE(fs.SetNormalAttributes("C:\\Gone"));

  fs.FailCopyNumber(2);
  EXPECT_TRUE(fs.Copy(ini, "D:\\Disk\\b.ini", false));
  EXPECT_FALSE(fs.Copy(ini, "D:\\Disk\\c.ini", false));
  EXPECT_EQ(fs.Text("D:\\Disk\\c.ini"), fs.Text(ini).substr(0, fs.Text(ini).size() / 2));   // the part written
  EXPECT_TRUE(fs.Copy(ini, "D:\\Disk\\d.ini", false));
  EXPECT_EQ(fs.CopyCount(), 10u);
}

TEST_F(SimFileSystemTest, AnInjectedFaultFailsOneOperationAsADiskWould) {
  const std::string ini = "C:\\Tools\\Rec\\velgaro.ini";
  const std::string old = fs.Text(ini);
  // A safe write is a write, a flush and a rename; whichever fails, the old file stays and the
  // temporary one is deleted.
  for (std::size_t n = 1; n <= 3; ++n) {
    const std::size_t start = fs.OperationCount();
    fs.FailOperation(n);
    EXPECT_FALSE(fs.WriteAllReplacing(ini, Bytes(10, 'x'))) << n;
    EXPECT_EQ(fs.Text(ini), old) << n;
    EXPECT_EQ(fs.List("C:\\Tools\\Rec", "*"), std::vector<std::string>{"velgaro.ini"}) << n;
    ASSERT_EQ(fs.OperationCount(), start + n + 1) << n;
    EXPECT_EQ(fs.Operations().back().op, FileOp::Delete);
  }
  EXPECT_TRUE(fs.WriteAllReplacing(ini, Bytes(10, 'x')));   // the fault is used up

  fs.AddFolder("D:\\Disk");
  fs.FailOperation(1);
  EXPECT_FALSE(fs.Copy(ini, "D:\\Disk\\a.ini", false));
  EXPECT_EQ(fs.Text("D:\\Disk\\a.ini"), "xxxxx");   // the part written
  fs.FailOperation(1);
  EXPECT_FALSE(fs.Rename("D:\\Disk\\a.ini", "D:\\Disk\\b.ini"));
  fs.FailOperation(1);
  EXPECT_FALSE(fs.Remove("D:\\Disk\\a.ini"));
  EXPECT_EQ(fs.List("D:\\Disk", "*"), std::vector<std::string>{"a.ini"});
  EXPECT_FALSE(fs.Remove("D:\\Disk\\none.ini"));   // refused beforehand: not counted
  EXPECT_TRUE(fs.Operations().back().failed);
}

TEST_F(SimFileSystemTest, IniFileOverFileContent) {
  SimIniFile ini(fs);
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "general", "portablemode", "0", 128), "1");
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\none.ini", "General", "PortableMode", "0", 128), "0");
  ASSERT_TRUE(ini.Write("C:\\Tools\\Rec\\velgaro.ini", "General", "Language", "Русский"));
  EXPECT_EQ(fs.Text("C:\\Tools\\Rec\\velgaro.ini"),
            "[General]\r\nPortableMode=1\r\nLanguage=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n");
  EXPECT_EQ(ini.Read("C:\\Tools\\Rec\\velgaro.ini", "General", "Language", "", 100), "Русский");
  fs.SetReadOnly("C:\\Tools\\Rec\\velgaro.ini", true);
  EXPECT_FALSE(ini.Write("C:\\Tools\\Rec\\velgaro.ini", "General", "Language", "English"));
  EXPECT_FALSE(ini.Write("C:\\Tools\\Rec", "General", "Language", "English"));
}

TEST(SimRegistryTest, TextTypesAndNamesWithoutRegardToCase) {
  SimRegistry reg;
  reg.Put(RegRoot::ClassesRoot, ".vgp", "", "VelgaroPackage");
  reg.Put(RegRoot::ClassesRoot, "Msi.Package\\shell\\Open\\command", "", "%SystemRoot%\\msiexec.exe /i \"%1\"", true);
  EXPECT_EQ(reg.GetString(RegRoot::ClassesRoot, ".VGP", ""), "VelgaroPackage");
  EXPECT_EQ(reg.GetString(RegRoot::CurrentUser, ".vgp", ""), "");
  EXPECT_EQ(reg.GetString(RegRoot::ClassesRoot, "msi.package\\shell\\open\\command", ""), "");
  EXPECT_EQ(reg.GetExpandedString(RegRoot::ClassesRoot, "msi.package\\shell\\open\\command", ""),
            "C:\\WINDOWS\\msiexec.exe /i \"%1\"");
  EXPECT_TRUE(reg.SetString(RegRoot::ClassesRoot, ".vgp", "", "Other"));
  EXPECT_EQ(reg.GetString(RegRoot::ClassesRoot, ".vgp", ""), "Other");
  reg.failWrites = true;
  EXPECT_FALSE(reg.SetString(RegRoot::ClassesRoot, ".vgp", "", "Third"));
}

TEST(SimSettingsStoreTest, NamesWithoutRegardToCase) {
  SimSettingsStore store;
  EXPECT_EQ(store.Get("Install", "Speed", "2"), "2");
  EXPECT_TRUE(store.Set("Install", "Speed", "1"));
  EXPECT_TRUE(store.Set("INSTALL", "speed", "0"));
  EXPECT_EQ(store.Get("install", "Speed", "2"), "0");
  EXPECT_EQ(store.Values().size(), 1u);
}

TEST(SimDialogsTest, ScriptedAnswersThenDefaults) {
  SimDialogs dialogs;
  dialogs.answers = {kIdYes};
  EXPECT_EQ(dialogs.MessageBox(0, "q1", "t", kMbQuestionStyle), kIdYes);
  EXPECT_EQ(dialogs.MessageBox(0, "q2", "t", kMbQuestionStyle), kIdNo);
  EXPECT_EQ(dialogs.MessageBox(0, "info", "t", kMbOk | kMbIconExclamation), kIdOk);
  dialogs.saveAnswers = {std::string("C:\\a.vgp")};
  SaveFileRequest request;
  request.title = "Save";
  EXPECT_EQ(dialogs.SaveFile(0, request), std::optional<std::string>("C:\\a.vgp"));
  EXPECT_EQ(dialogs.SaveFile(0, request), std::nullopt);
  ASSERT_EQ(dialogs.shown.size(), 5u);
  EXPECT_EQ(dialogs.shown[1].text, "q2");
  EXPECT_EQ(dialogs.shown[1].style, static_cast<unsigned>(kMbQuestionStyle));
  EXPECT_TRUE(dialogs.shown[4].isSaveDialog);
}

TEST(SimSystemInfoTest, DrivesWithoutRegardToCase) {
  SimSystemInfo sys;
  sys.AddDrive("d:\\", kDriveCdRom);
  EXPECT_EQ(sys.DriveType("D:\\"), kDriveCdRom);
  EXPECT_EQ(sys.DriveType("c:\\"), kDriveFixed);
  EXPECT_EQ(sys.DriveType("Q:\\"), kDriveNoRoot);
  EXPECT_EQ(sys.LogicalDrives(), (std::vector<std::string>{"C:\\", "D:\\"}));
}

}  // namespace
}  // namespace velgaro
