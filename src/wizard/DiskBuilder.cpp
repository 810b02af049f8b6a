#include "wizard/DiskBuilder.h"

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "package/SavePackage.h"
#include "platform/TextFold.h"
#include "wizard/DiskCopy.h"
#include "wizard/FolderSize.h"
#include "wizard/WizardTexts.h"

namespace velgaro {
namespace {

const char kCrLf[] = "\r\n";
constexpr const char* kExeName = "velgaro.exe";
constexpr const char* kDiskExeName = "Velgaro.exe";   // the name "autorun.inf" starts
constexpr const char* kDiskIniName = "Velgaro.ini";
constexpr const char* kHelpName = "help.chm";
constexpr const char* kOrderFileName = "position.lst";
constexpr const char* kProgramLanguageFolder = "language";
constexpr const char* kDriveAppPrefix = "%DRIVEAPP%\\";

using FilePair = std::pair<std::string, std::string>;

// The files CopyAllFiles copies, sources resolved to the names they really have. The program is linked
// statically: no runtime library has to go with it.
struct ProgramFiles {
  std::vector<FilePair> packages;
  FilePair order;
  FilePair exe, ini, help;
  bool iniExists = false;
  bool hasLanguageFolder = false;
  std::vector<FilePair> languages;
};

ProgramFiles PlanProgramFiles(const FileSystem& fs, const std::string& exeFolder, const std::string& packageFolder,
                              const std::string& diskPackages, const std::string& diskProgram) {
  ProgramFiles p;
  for (const std::string& name : ListPackageFileNames(fs, packageFolder)) {
    p.packages.emplace_back(JoinPath(packageFolder, name), JoinPath(diskPackages, name));
  }
  p.order = {JoinPath(packageFolder, ActualName(fs, packageFolder, kOrderFileName)),
             JoinPath(diskPackages, kOrderFileName)};
  p.exe = {JoinPath(exeFolder, ActualName(fs, exeFolder, kExeName)), JoinPath(diskProgram, kDiskExeName)};
  p.ini = {JoinPath(exeFolder, ActualName(fs, exeFolder, settings::kIniFileName)), JoinPath(diskProgram, kDiskIniName)};
  p.iniExists = fs.FileSize(p.ini.first).has_value();
  p.help = {JoinPath(exeFolder, ActualName(fs, exeFolder, kHelpName)), JoinPath(diskProgram, kHelpName)};
  const std::string languages = JoinPath(exeFolder, ActualName(fs, exeFolder, kProgramLanguageFolder));
  p.hasLanguageFolder = fs.IsDirectory(languages);
  if (p.hasLanguageFolder) {
    const std::string diskLanguages = JoinPath(diskProgram, kDiskLanguageFolderName);
    for (const std::string& name : ListFileNames(fs, languages, ".lng")) {
      p.languages.emplace_back(JoinPath(languages, name), JoinPath(diskLanguages, name));
    }
  }
  return p;
}

// The text after the last backslash, after one trailing backslash is removed.
std::string LastComponent(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

DiskBuilderDeps DiskBuilderDepsOf(App& app, MessagePump* pump) {
  return DiskBuilderDeps{app.platform, app.paths, app.PackageText(), app.language, pump};
}

std::string PercentText(int value, int maximum) {
  long long percent = 0;
  if (maximum > 0 && value > 0) {
    // Rounded half up, as the format of a whole number does.
    percent = (200LL * value + maximum) / (2LL * maximum);
  }
  std::string digits = std::to_string(percent);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  return digits + " %";
}

std::string CompileHardExeName(const PathVariables& paths, const FileSystem& fs, const std::string& softFolder,
                               const std::string& folderForExe, const std::string& fileExe) {
  // The folder was copied under its last component: one trailing backslash does not name another one.
  std::string folder = folderForExe;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  const std::string parent = ParentFolder(folder);
  const std::string installer = paths.ExpandPathVariables(fileExe, fs);
  if (parent.empty() || installer.size() <= parent.size()) return std::string();
  if (FoldCase(installer.substr(0, parent.size())) != FoldCase(parent)) return std::string();
  const std::string rest = installer.substr(parent.size());
  // "C:\Prog" is no parent of "C:\Program Files\...": the rest must begin at a backslash.
  if (rest.empty() || rest[0] != '\\') return std::string();
  return kDriveAppPrefix + softFolder + rest;
}

DiskBuilder::DiskBuilder(DiskBuilderDeps deps, WindowHandle owner)
    : d_(deps), owner_(owner), log_(deps.language) {}

std::string DiskBuilder::Text(int key) const { return WizardText(d_.language, static_cast<WizardKey>(key)); }

std::string DiskBuilder::TextParam(int key, const std::string& value) const {
  return WizardTextParam(d_.language, static_cast<WizardKey>(key), value);
}

std::string DiskBuilder::DiskPackageFolder() const { return AddBackslash(choice_.target) + kDiskPackageFolderName; }

std::string DiskBuilder::DiskProgramFolder() const { return AddBackslash(choice_.target) + kDiskProgramFolderName; }

std::string DiskBuilder::SoftFolderPath() const { return AddBackslash(choice_.target) + choice_.softFolder; }

std::optional<std::string> DiskBuilder::RefuseFilesTarget() const {
  const std::string packages = choice_.packageFolder;
  // The disk's package folder on the user's own: the copies and their rewrite would be the user's files.
  if (SamePath(choice_.target, packages) || SamePath(DiskPackageFolder(), packages)) {
    return TextParam(kWizardTargetIsPackageFolder, packages);
  }
  // Inside it, the disk would become part of the user's package folder.
  if (SameOrInside(choice_.target, packages)) return TextParam(kWizardTargetInsidePackageFolder, packages);
  const std::string exeFolder = d_.platform.sys.ExeFolder();
  if (SamePath(DiskProgramFolder(), exeFolder)) {
    return TextParam(kWizardTargetInsideCopied, exeFolder);
  }
  return std::nullopt;
}

std::optional<std::string> DiskBuilder::RefuseFoldersTarget(const std::vector<FolderToCopy>& folders) const {
  for (const FolderToCopy& item : folders) {
    const std::string source = d_.paths.ExpandPathVariables(item.folder, d_.platform.fs);
    if (source.empty()) continue;
    const std::string destination = JoinPath(SoftFolderPath(), LastComponent(source));
    // A copy into itself never ends; a copy over its own source destroys it.
    if (SameOrInside(choice_.target, source) || SameOrInside(destination, source) ||
        SameOrInside(source, destination)) {
      return TextParam(kWizardTargetInsideCopied, source);
    }
  }
  return std::nullopt;
}

bool DiskBuilder::EnoughRoom(std::uint64_t needed, std::string& refusal) const {
  const std::optional<std::uint64_t> free = d_.platform.fs.FreeBytes(AddBackslash(choice_.target));
  // Unknown free space does not stop the copy: each copy still reports its own failure.
  if (!free || *free >= needed) return true;
  refusal = Text(kWizardNotEnoughSpace) + ": " + FormatByteSize(needed) + " / " + FormatByteSize(*free);
  return false;
}

bool DiskBuilder::WriteDiskSettings(const std::string& iniFile) {
  IniFile& ini = d_.platform.ini;
  const int speed = choice_.speed >= 0 && choice_.speed <= 2 ? choice_.speed : 0;
  bool ok = ini.Write(iniFile, settings::kIniSection, settings::kIniSpeedInstall, std::to_string(speed));
  ok = ini.Write(iniFile, settings::kIniSection, settings::kIniVgpFolder, settings::kIniVgpFolderDefault) && ok;
  if (!d_.language.Name().empty()) {
    ok = ini.Write(iniFile, settings::kIniSection, settings::kIniLanguage, d_.language.Name()) && ok;
  }
  if (!ok) log_.SettingsWriteError(iniFile);
  return ok;
}

bool DiskBuilder::CopyAllFiles() {
  FileSystem& fs = d_.platform.fs;
  const ProgramFiles files =
      PlanProgramFiles(fs, d_.platform.sys.ExeFolder(), choice_.packageFolder, DiskPackageFolder(), DiskProgramFolder());
  if (files.packages.empty()) return false;
  int failures = 0;
  auto count = [&failures](bool ok) {
    if (!ok) ++failures;
  };
  count(CreateFolderLogged(fs, log_, choice_.target));
  count(CreateFolderLogged(fs, log_, DiskPackageFolder()));
  for (const FilePair& package : files.packages) count(CopyFileLogged(fs, log_, package.first, package.second));
  count(CopyFileLogged(fs, log_, files.order.first, files.order.second));
  count(CreateFolderLogged(fs, log_, DiskProgramFolder()));
  count(CopyFileLogged(fs, log_, files.exe.first, files.exe.second));
  // The disk's settings go into the copy: the user's own settings file is never changed. Without one
  // (settings kept in the per-user store) the copy's file is made from the disk's values alone.
  bool settingsReady = true;
  if (files.iniExists) {
    settingsReady = CopyFileLogged(fs, log_, files.ini.first, files.ini.second);
    count(settingsReady);
  }
  if (settingsReady) count(WriteDiskSettings(files.ini.second));
  count(CopyFileLogged(fs, log_, files.help.first, files.help.second));
  count(CreateFolderLogged(fs, log_, JoinPath(DiskProgramFolder(), kDiskLanguageFolderName)));
  if (!files.hasLanguageFolder) return failures == 0;
  for (const FilePair& language : files.languages) count(CopyFileLogged(fs, log_, language.first, language.second));
  return failures == 0;
}

bool DiskBuilder::CreateAutorunIni() {
  const std::string path = AddBackslash(choice_.target) + kAutorunFileName;
  // Without its "open" line the file starts nothing: that write counts as much as the last one.
  const bool opens = d_.platform.ini.Write(path, kAutorunSection, "open", kAutorunOpen);
  const bool hasIcon = d_.platform.ini.Write(path, kAutorunSection, "icon", kAutorunIcon);
  if (opens && hasIcon) {
    log_.AutorunCreated(path);
    return true;
  }
  log_.AutorunError(path);
  d_.platform.dialogs.MessageBox(owner_, Text(kWizardAutorunWriteFailed), kProductName, kMbOk);
  return false;
}

FilesPageResult DiskBuilder::CopyFilesPage() {
  FilesPageResult result;
  std::optional<std::string> refusal = RefuseFilesTarget();
  if (!refusal) {
    const ProgramFiles files = PlanProgramFiles(d_.platform.fs, d_.platform.sys.ExeFolder(), choice_.packageFolder,
                                                DiskPackageFolder(), DiskProgramFolder());
    std::vector<FilePair> all = files.packages;
    all.push_back(files.order);
    all.push_back(files.exe);
    all.push_back(files.ini);
    all.push_back(files.help);
    all.insert(all.end(), files.languages.begin(), files.languages.end());
    std::string noRoom;
    if (!EnoughRoom(BytesNeeded(d_.platform.fs, all), noRoom)) refusal = noRoom;
  }
  if (refusal) {
    log_.Line(*refusal);
    log_.CopyFailed();
    d_.platform.dialogs.MessageBox(owner_, *refusal, kProductName, kMbIconStop);
    result.refused = true;
    result.status = Text(kWizardCopyFinishedWithErrors);
    return result;
  }
  const bool filesOk = CopyAllFiles();
  const bool autorunOk = CreateAutorunIni();
  result.ok = filesOk && autorunOk;
  if (!result.ok) {
    d_.platform.dialogs.MessageBox(owner_, WizardTextAffix(d_.language, kWizardNotAllCopied, "."), kProductName,
                                   kMbIconExclamation);
    log_.CopyFailed();
    result.status = Text(kWizardCopyFinishedWithErrors);
  } else {
    log_.CopySucceeded();
    result.status = Text(kWizardCopySucceeded);
  }
  return result;
}

FolderCopyResult DiskBuilder::CopyAllFolder(const std::vector<FolderToCopy>& folders, const FolderCopyHooks& hooks) {
  FileSystem& fs = d_.platform.fs;
  FolderCopyResult result;
  result.total = static_cast<int>(folders.size());
  result.report = TextParam(kWizardCopyingFolders, SoftFolderPath() + kCrLf + kCrLf);

  // Everything is checked before the first copy, so a refusal leaves the target as it was.
  std::optional<std::string> refusal = RefuseFoldersTarget(folders);
  std::vector<std::string> sources;
  std::vector<TreePlan> plans;
  if (!refusal) {
    std::vector<FilePair> all;
    for (const FolderToCopy& item : folders) {
      sources.push_back(d_.paths.ExpandPathVariables(item.folder, fs));
      const std::string destination = JoinPath(SoftFolderPath(), LastComponent(sources.back()));
      plans.push_back(IsFolder(fs, sources.back()) ? PlanTreeCopy(fs, sources.back(), destination) : TreePlan{});
      all.insert(all.end(), plans.back().files.begin(), plans.back().files.end());
    }
    std::string noRoom;
    if (!EnoughRoom(BytesNeeded(fs, all), noRoom)) refusal = noRoom;
  }
  if (refusal) {
    result.refused = true;
    result.report += *refusal + kCrLf;
    d_.platform.dialogs.MessageBox(owner_, *refusal, kProductName, kMbIconStop);
  } else {
    CreateFolderLogged(fs, log_, SoftFolderPath());
    for (int j = 1; j <= result.total; ++j) {
      const std::size_t i = static_cast<std::size_t>(j - 1);
      const std::string& source = sources[i];
      const std::string destination = JoinPath(SoftFolderPath(), LastComponent(source));
      if (hooks.current) hooks.current(source, destination);
      const std::string number = std::to_string(j) + ". ";
      if (IsFolder(fs, source)) {
        if (d_.pump) d_.pump->RunOnce();
        // A tree that could not be listed whole is not copied at all.
        const std::optional<std::string> failed =
            plans[i].unlisted ? plans[i].unlisted : CopyFolderTree(fs, plans[i], d_.pump);
        if (!failed) {
          copiedFolders_.push_back(source);
          ++result.copied;
          if (hooks.copiedCount) hooks.copiedCount(result.copied);
          result.report += number + Text(kWizardFolderCopied) + " - " + source + kCrLf;
        } else {
          result.report += number + TextParam(kWizardCopyErrorInto, destination + kCrLf) +
                           TextParam(kWizardFileNotCopied, *failed) + kCrLf;
        }
      } else {
        result.report += number + Text(kWizardFolderNotFound) + " - " + source + kCrLf;
      }
      if (hooks.progress) hooks.progress(j, result.total, PercentText(j, result.total));
    }
  }
  result.report += std::string(kCrLf) + WizardTextAffix(d_.language, kWizardFoldersCopiedTotal, ":") + kCrLf +
                   std::to_string(result.copied) + "/" + std::to_string(result.total);
  return result;
}

std::string DiskBuilder::CopiedFolderOf(const std::string& folder, const std::string& installer) const {
  const std::string own = d_.paths.ExpandPathVariables(folder, d_.platform.fs);
  const std::string expanded = d_.paths.ExpandPathVariables(installer, d_.platform.fs);
  for (const std::string& copied : copiedFolders_) {
    if (SamePath(copied, own) && SameOrInside(expanded, copied)) return folder;
  }
  for (const std::string& copied : copiedFolders_) {
    if (SameOrInside(expanded, copied)) return copied;
  }
  return folder;
}

int DiskBuilder::ReplaceInstallerPaths(const std::vector<SavedFolder>& saved) {
  FileSystem& fs = d_.platform.fs;
  // Never the user's own packages, whatever the target.
  if (SamePath(DiskPackageFolder(), choice_.packageFolder)) return 0;
  int written = 0;
  for (const SavedFolder& record : saved) {
    std::string file = DiskPackageFolder() + "\\" + record.name + ".VGP";
    PackageImage package(d_.packageText);
    if (!fs.Exists(file) || !package.LoadPackage(fs, file)) continue;
    const std::string installer = package.ReadExePath();
    const std::string newPath =
        CompileHardExeName(d_.paths, fs, choice_.softFolder, CopiedFolderOf(record.path, installer), installer);
    // No path on the disk for it: the package keeps the one it has.
    if (newPath.empty()) continue;
    if (!package.ReplaceExePath(newPath)) continue;
    const SavePackageContext save{package, d_.language, d_.platform.dialogs, fs, DiskPackageFolder()};
    if (SavePackageAs(save, owner_, file)) ++written;
  }
  return written;
}

}  // namespace velgaro
