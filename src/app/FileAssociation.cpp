#include "app/FileAssociation.h"

#include "app/ProductName.h"
#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

constexpr const char* kTypeText = "Сценарий установки программ";
constexpr const char* kTakeOverQuestion =
    "Желаете ли Вы сделать программу Velgaro Replaysetup \r\nпрограммой по умолчания для файлов .vgp?";

void WriteTypeName(Registry& registry) {
  registry.SetString(RegRoot::ClassesRoot, ".vgp", "", kPackageTypeName);
  registry.SetString(RegRoot::ClassesRoot, kPackageTypeName, "", kTypeText);
}

}  // namespace

std::string AssociatedExecutable(const std::string& exeFolder) { return AddBackslash(exeFolder) + "velgaro.exe"; }

bool AssociatePackageFiles(Registry& registry, Dialogs& dialogs, const Language& language,
                           const std::string& exeFolder, bool force) {
  const std::string exe = AssociatedExecutable(exeFolder);
  const std::string current = registry.GetString(RegRoot::ClassesRoot, ".vgp", "");
  if (!force && !current.empty() && current != kPackageTypeName) {
    if (dialogs.MessageBox(0, kTakeOverQuestion, kProductName, kMbQuestionStyle) != kIdYes) return false;
  }
  WriteTypeName(registry);
  const std::string type = kPackageTypeName;
  const std::string quoted = "\"" + exe + "\"";
  registry.SetString(RegRoot::ClassesRoot, type + "\\shell", "", "Open");
  registry.SetString(RegRoot::ClassesRoot, type + "\\shell\\Open", "",
                     language.LangText("Открыть в Velgaro Replaysetup", "Asociating", 1));
  registry.SetString(RegRoot::ClassesRoot, type + "\\DefaultIcon\\", "", exe + ",0");
  registry.SetString(RegRoot::ClassesRoot, type + "\\shell\\Open\\command", "", quoted + " /add %1");
  registry.SetString(RegRoot::ClassesRoot, type + "\\shell\\Install", "",
                     language.LangText("Инсталлировать", "Asociating", 4));
  registry.SetString(RegRoot::ClassesRoot, type + "\\shell\\Install\\command", "", quoted + " /inst %1");
  return true;
}

}  // namespace velgaro
