// The .vgp file type: what is written under HKEY_CLASSES_ROOT, and when another program's type is kept.
#include <gtest/gtest.h>

#include "app/FileAssociation.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {
namespace {

class FileAssociationTest : public ::testing::Test {
 protected:
  std::string Value(const std::string& key) const { return registry.GetString(RegRoot::ClassesRoot, key, ""); }
  bool Associate(bool force) { return AssociatePackageFiles(registry, dialogs, language, "C:\\Tools\\Rec", force); }

  SimRegistry registry;
  SimDialogs dialogs;
  Language language;
};

TEST_F(FileAssociationTest, AFreshMachineGetsTheTypeWithoutAQuestion) {
  EXPECT_TRUE(Associate(false));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Value(".vgp"), "velgaro");
  EXPECT_EQ(Value("velgaro"), "Сценарий установки программ");
  EXPECT_EQ(Value("velgaro\\shell"), "Open");
  EXPECT_EQ(Value("velgaro\\shell\\Open"), "Открыть в Velgaro Replaysetup");
  EXPECT_EQ(Value("velgaro\\DefaultIcon\\"), "C:\\Tools\\Rec\\velgaro.exe,0");
  EXPECT_EQ(Value("velgaro\\shell\\Open\\command"), "\"C:\\Tools\\Rec\\velgaro.exe\" /add %1");
  EXPECT_EQ(Value("velgaro\\shell\\Install"), "Инсталлировать");
  EXPECT_EQ(Value("velgaro\\shell\\Install\\command"), "\"C:\\Tools\\Rec\\velgaro.exe\" /inst %1");
}

TEST_F(FileAssociationTest, AnotherProgramsTypeIsKeptUnlessTheUserSaysYes) {
  registry.Put(RegRoot::ClassesRoot, ".vgp", "", "OtherApp");
  dialogs.answers = {kIdNo};
  EXPECT_FALSE(Associate(false));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].style, 324u);
  EXPECT_EQ(dialogs.shown[0].title, "Velgaro Replaysetup");
  EXPECT_EQ(Value(".vgp"), "OtherApp");
  EXPECT_EQ(Value("velgaro\\shell\\Install\\command"), "");
  dialogs.answers = {kIdYes};
  EXPECT_TRUE(Associate(false));
  EXPECT_EQ(Value(".vgp"), "velgaro");
}

TEST_F(FileAssociationTest, OurOwnTypeIsRewrittenAndForceNeverAsks) {
  registry.Put(RegRoot::ClassesRoot, ".vgp", "", "velgaro");
  EXPECT_TRUE(Associate(false));
  registry.Put(RegRoot::ClassesRoot, ".vgp", "", "OtherApp");
  EXPECT_TRUE(Associate(true));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Value(".vgp"), "velgaro");
}

}  // namespace
}  // namespace velgaro
