#include "library/PackageProperties.h"

#include "package/SavePackage.h"
#include "platform/TextFold.h"
#include "platform/Utf8Text.h"

namespace velgaro {
namespace {

const char kCrLf[] = "\r\n";

}  // namespace

PackageProperties::PackageProperties(PropertiesDeps deps, NewPackageForm& form, std::string packageFolder,
                                     std::string rowText, WindowHandle owner)
    : d_(deps), package_(deps.packageText), form_(form), folder_(std::move(packageFolder)), oldName_(std::move(rowText)), owner_(owner) {}

std::string PackageProperties::PackagePath(const std::string& name) const {
  return AddBackslash(folder_) + name + ".VGP";
}

void PackageProperties::GetProperty() {
  PackageImage& package = package_;
  const std::string path = PackagePath(oldName_);
  // A package that cannot be read shows empty boxes; OK then writes what the user enters.
  const bool read = FileExists(d_.fs, path) && package.LoadPackage(d_.fs, path);
  const std::string exePath = read ? package.ReadExePath() : std::string();
  if (exePath == "-") {
    form_.SetFileName(false);
  } else {
    form_.SetPath(exePath);
  }
  form_.SetName(oldName_);
  form_.SetDescription(read ? package.ReadDescription() : std::string());
  form_.SetCommandLine(read ? package.ReadCommandLineRaw() : std::string());
  form_.SetCreateDate(read ? package.ReadCreationDate() : std::string());
  const PackageOptions options = read ? package.options : PackageOptions{};
  form_.SetNeedReboot(options.needReboot);
  form_.SetCreateReboot(options.createReboot);
  form_.SetDefSelect(options.defSelect);
  form_.SetNeedWait(options.needWait);
  form_.SetLocalSpeed(options.localSpeed);   // an index past the list leaves its first entry
  // Filling the boxes counts as a change: an accepted OK always writes the package.
}

bool PackageProperties::KeepMissingPath() {
  const std::string question = EnsureAffix(Text(kNewFileNotFound), false, ".") + kCrLf + Text(kNewSureItWillExist) +
                               kCrLf + kCrLf + Text(kNewPressNoForAnother);
  return d_.dialogs.MessageBox(owner_, question, EnsureAffix(Text(kNewSavePathTitle), false, "?"), kMbQuestionStyle) ==
         kIdYes;
}

PropertiesOkResult PackageProperties::Ok() {
  newName_.clear();
  const NewPackageOkResult checked = form_.Ok();
  if (checked.outcome != NewPackageOutcome::PropertiesChecked) return {false, checked.focus};
  const std::string expanded = d_.paths.ExpandPathVariables(form_.State().path, d_.fs);
  if (!FileExists(d_.fs, expanded) && !KeepMissingPath()) return {false, NewPackageFocus::PathBox};
  return SetProperty();
}

PropertiesOkResult PackageProperties::SetProperty() {
  const NewPackageState& s = form_.State();
  if (s.name.empty()) {
    d_.dialogs.MessageBox(owner_, Text(kNewEnterName), Text(kNewWrongValue), kMbOk);
    return {false, NewPackageFocus::NameBox};
  }
  if (!s.changed) {
    newName_ = s.name;
    return {true, NewPackageFocus::None};
  }
  const std::string oldPath = PackagePath(oldName_);
  std::string newPath = PackagePath(s.name);
  // Another package of the new name is never replaced: the user chooses another name first. The same
  // name in another letter case is this package's own file.
  if (FoldCase(s.name) != FoldCase(oldName_) && d_.fs.Exists(newPath)) {
    d_.dialogs.MessageBox(owner_, NewTextParam(d_.language, kNewNameInUse, s.name), Text(kNewWrongValue),
                          kMbIconExclamation);
    return {false, NewPackageFocus::NameBoxSelected};
  }

  PackageImage& package = package_;
  package.WriteDescription(s.description);
  package.ReplaceExePath(s.path);
  package.ReplaceCommandLine(d_.paths.CollapsePathVariables(Trim(s.commandLine)));
  package.options = PackageOptions{s.needReboot, s.createReboot, s.localSpeed, s.defSelect, s.needWait};
  package.WriteOptions();

  if (s.name != oldName_ && !d_.fs.Rename(oldPath, newPath)) {
    d_.dialogs.MessageBox(owner_, NewTextParam(d_.language, kNewRenameFailed, oldPath), Text(kNewRenameTitle),
                          kMbIconInformation);
  }
  SavePackageAs(SavePackageContext{package, d_.language, d_.dialogs, d_.fs, folder_}, owner_, newPath);
  newName_ = s.name;
  return {true, NewPackageFocus::None};
}

}  // namespace velgaro
