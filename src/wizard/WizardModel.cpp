#include "wizard/WizardModel.h"

#include <algorithm>

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "package/PackageSummary.h"
#include "platform/TextFold.h"
#include "wizard/DiskCopy.h"
#include "wizard/FolderSize.h"
#include "wizard/WizardTexts.h"

namespace velgaro {
namespace {

const char kCrLf[] = "\r\n";
constexpr std::size_t kExtensionLength = 4;   // ".vgp"

// The wizard's own settings, section Path unless named.
constexpr const char* kTargetKey = "ISO_temp";
constexpr const char* kPackageFolderKey = "FolderVGP_for_ISO";
constexpr const char* kSoftFolderKey = "SoftFolder";
constexpr const char* kSpeedKey = "Speed_for_ISO";   // section Install

}  // namespace

WizardDeps WizardDepsOf(App& app, const Xml& xml, MessagePump* pump, Shell* shell) {
  return WizardDeps{app.platform, app.paths, app.PackageText(), app.language, xml, pump, shell};
}

WizardModel::WizardModel(WizardDeps deps, WizardHooks hooks, WindowHandle owner)
    : d_(deps),
      hooks_(std::move(hooks)),
      owner_(owner),
      builder_(DiskBuilderDeps{deps.platform, deps.paths, deps.packageText, deps.language, deps.pump}, owner) {}

std::string WizardModel::Text(int key) const { return WizardText(d_.language, static_cast<WizardKey>(key)); }

std::string WizardModel::BrowseFolder(const std::string& start, const std::string& title) {
  return d_.platform.dialogs.BrowseForFolder(owner_, title, start);
}

void WizardModel::Message(const std::string& text, unsigned style) {
  d_.platform.dialogs.MessageBox(owner_, text, kProductName, style);
}

std::string WizardModel::Expanded(const std::string& path) const {
  return d_.paths.ExpandPathVariables(path, d_.platform.fs);
}

std::string WizardModel::FolderMark(const std::string& folder) const {
  return IsFolder(d_.platform.fs, folder) ? "+" : "-";
}

void WizardModel::ShowProgress(bool visible) const {
  if (hooks_.showProgress) hooks_.showProgress(visible);
}

void WizardModel::MoveProgress(int pos, int max) const {
  if (hooks_.progress) hooks_.progress(pos, max);
}

// ---- pages

void WizardModel::Load() {
  state_ = WizardState{};
  rows_.clear();
  rowFiles_.clear();
  items_.clear();
  savedFolders_.clear();
  freeSpace_ = 0;
  target_.clear();
  packageFolder_.clear();
  copyLog_.clear();
  computed_ = false;
  state_.speedItems = {Text(kWizardSpeedFast), Text(kWizardSpeedMedium), Text(kWizardSpeedSlow)};
  const std::string speed = Trim(d_.platform.settings.Get(settings::kInstall, kSpeedKey, "2"));
  if (speed == "0" || speed == "1" || speed == "2") {
    state_.speed = speed[0] - '0';
    state_.speedOlive = true;
  }
  state_.nextCaption = Text(kWizardNext);
  state_.step = 0;
  UpdateCaption();
  const std::string stored = d_.platform.settings.Get(settings::kPath, kTargetKey, "");
  if (!Trim(stored).empty() && IsFolder(d_.platform.fs, stored)) {
    target_ = stored;
    state_.targetLabel = {stored, WizardColor::Olive};
    state_.nextEnabled = true;
  }
}

std::string WizardModel::StepCaption() const {
  const std::string base = Text(kWizardTitle);
  if (state_.step >= kWizardLastStep) return base;
  return base + " (" + Text(kWizardStep) + " " + std::to_string(state_.step + 1) + " " + WizardOfText(d_.language) +
         " " + std::to_string(kWizardLastStep) + ")";
}

void WizardModel::UpdateCaption() { state_.caption = StepCaption(); }

bool WizardModel::Next() {
  state_.focus = WizardFocus::None;
  if (busy_ || !state_.nextEnabled || state_.closeRequested) return false;
  if (state_.step == 1) {
    // The name becomes a folder on the disk: a refused one keeps the user on the page.
    if (!IsValidName(state_.softFolderName, true)) return false;
    if (packageFolder_.empty()) return false;
    // Refused here, where the target and the folders to copy are all known, before anything is written
    // (Back is still open); the copies check again.
    if (const std::optional<std::string> refusal = RefuseTarget()) {
      Message(*refusal, kMbIconStop);
      return false;
    }
  }
  state_.nextEnabled = false;
  switch (state_.step) {
    case 0: {
      ReadFolderVGPForISO();
      const std::string stored = d_.platform.settings.Get(settings::kPath, kSoftFolderKey, kDefaultSoftFolder);
      if (!stored.empty() && IsValidName(stored, false)) {
        state_.softFolderName = stored;
        state_.softFolderColor = WizardColor::Olive;
      } else {
        state_.softFolderName = kDefaultSoftFolder;
        state_.softFolderColor = WizardColor::Green;
      }
      state_.softFolderSelectAll = false;
      break;
    }
    case 1:
      if (state_.speed >= 0) d_.platform.settings.Set(settings::kInstall, kSpeedKey, std::to_string(state_.speed));
      softFolder_ = state_.softFolderName;
      d_.platform.settings.Set(settings::kPath, kSoftFolderKey, softFolder_);
      state_.summaryTarget = target_;
      state_.summaryPackages = packageFolder_;
      state_.summaryProgram = d_.platform.sys.ExeFolder();
      // The disk's settings are kept for the copy of the settings file made on the next page.
      builder_.SetChoice(DiskChoice{target_, packageFolder_, softFolder_, state_.speed >= 0 ? state_.speed : 0});
      state_.nextEnabled = true;
      state_.focus = WizardFocus::Next;
      break;
    case 2: {
      builder_.Log().Clear();
      const FilesPageResult copied = builder_.CopyFilesPage();
      state_.copyLog = builder_.Log().Text();
      state_.reportStatus = copied.status;
      state_.nextEnabled = true;
      state_.focus = WizardFocus::Next;
      break;
    }
    case 3:
      LoadVGPList();
      LoadFolderForWizard();
      state_.focus = WizardFocus::Compute;
      break;
    case 4:
      SaveItemListForWizard();
      CopyFolders();
      state_.nextEnabled = true;
      state_.focus = WizardFocus::Next;
      break;
    case 5:
      state_.nextEnabled = true;
      state_.focus = WizardFocus::Next;
      break;
    case 6:
      if (state_.replacePaths) builder_.ReplaceInstallerPaths(savedFolders_);
      state_.nextCaption = Text(kWizardFinish);
      OfferPackageFolders();
      state_.nextEnabled = true;
      state_.focus = WizardFocus::Next;
      break;
    default:   // the closing page: the wizard is done
      Finish();
      return true;
  }
  ++state_.step;
  // Back serves only while nothing has been copied.
  state_.backEnabled = state_.step == 1 || state_.step == 2;
  UpdateCaption();
  return true;
}

bool WizardModel::Back() {
  state_.focus = WizardFocus::None;
  if (busy_ || !state_.backEnabled || state_.step <= 0) return false;
  --state_.step;
  state_.nextEnabled = true;
  UpdateCaption();
  if (state_.step == 0) {
    state_.backEnabled = false;
    state_.focus = WizardFocus::Next;
  }
  return true;
}

bool WizardModel::QueryClose() {
  if (state_.finished) return true;
  if (busy_) return false;
  if (d_.platform.dialogs.MessageBox(owner_, Text(kWizardAbortQuestion), kProductName, kMbQuestionStyle) != kIdYes) {
    return false;
  }
  copyLog_.clear();
  target_.clear();
  packageFolder_.clear();
  return true;
}

void WizardModel::CopyFolders() {
  std::vector<FolderToCopy> folders;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const bool nested = i < items_.size() && items_[i].nested;
    if (rows_[i].ticked && !nested) folders.push_back(FolderToCopy{rows_[i].name, rows_[i].folder});
  }
  state_.copyValue = 0;
  state_.copyMax = folders.empty() ? 1 : static_cast<int>(folders.size());
  FolderCopyHooks copyHooks;
  copyHooks.current = [this](const std::string& source, const std::string& destination) {
    state_.copySource = source;
    state_.copyDest = destination;
    if (hooks_.copyProgress) hooks_.copyProgress();
  };
  copyHooks.copiedCount = [this](int copied) { state_.copiedFolders = copied; };
  copyHooks.progress = [this](int value, int maximum, const std::string& percent) {
    state_.copyValue = value;
    state_.copyMax = maximum;
    state_.percent = percent;
    if (hooks_.copyProgress) hooks_.copyProgress();
  };
  busy_ = true;
  state_.copying = true;
  if (hooks_.copyProgress) hooks_.copyProgress();   // page 5 shows before the first folder
  const FolderCopyResult result = builder_.CopyAllFolder(folders, copyHooks);
  state_.copying = false;
  busy_ = false;
  state_.copyStat = result.report;
  state_.copiedFolders = result.copied;
  state_.percent = Text(kWizardCopyDone);
  state_.copySource = "---";
  state_.copyDest = "---";
  state_.copyLog = builder_.Log().Text();
}

void WizardModel::OfferPackageFolders() {
  state_.keepFolderOption = d_.platform.settings.Get(settings::kPath, settings::kFolderVgp, "");
  state_.diskFolderOption = builder_.DiskPackageFolder();
  state_.useDiskFolder = false;
}

void WizardModel::Finish() {
  if (state_.useDiskFolder) d_.platform.settings.Set(settings::kPath, settings::kFolderVgp, state_.diskFolderOption);
  if (d_.shell != nullptr) d_.shell->Open(target_);
  state_.finished = true;
  state_.closeRequested = true;
}

// ---- folders of pages 0 and 1

void WizardModel::ChooseTargetFolder() {
  state_.focus = WizardFocus::None;
  if (busy_) return;
  state_.nextEnabled = false;
  const std::string start = d_.platform.settings.Get(settings::kPath, kTargetKey, "");
  const std::string chosen = BrowseFolder(start, Text(kWizardChooseTarget));
  if (chosen.empty()) {
    state_.targetLabel = {Text(kWizardMustChooseTarget), WizardColor::Red};
    state_.focus = WizardFocus::TargetBrowse;
    return;
  }
  state_.targetLabel = {chosen, WizardColor::Green};
  state_.nextEnabled = true;
  target_ = chosen;
  d_.platform.settings.Set(settings::kPath, kTargetKey, chosen);
  state_.focus = WizardFocus::Next;
}

std::vector<std::string> WizardModel::PackageFiles(const std::string& folder) const {
  return ListPackageFileNames(d_.platform.fs, folder);
}

void WizardModel::ShowFileCount(std::size_t count) {
  state_.fileCount = std::to_string(count) + " - " + Text(kWizardFiles);
}

void WizardModel::ChoosePackageFolder() {
  state_.focus = WizardFocus::None;
  if (busy_) return;
  state_.nextEnabled = false;
  const std::string chosen = BrowseFolder(packageFolder_, Text(kWizardChoosePackageFolder));
  if (chosen.empty()) return;
  state_.packageFolderLabel = {chosen, WizardColor::Green};
  const std::size_t count = PackageFiles(chosen).size();
  ShowFileCount(count);
  if (count == 0) {
    state_.diagnosis = {Text(kWizardNeedPackageFile), WizardColor::Red};
    return;
  }
  state_.diagnosis = {};
  packageFolder_ = chosen;
  d_.platform.settings.Set(settings::kPath, kPackageFolderKey, chosen);
  state_.nextEnabled = true;
  state_.focus = WizardFocus::Next;
}

void WizardModel::ReadFolderVGPForISO() {
  const std::string stored = d_.platform.settings.Get(settings::kPath, kPackageFolderKey, "");
  if (Trim(stored).empty() || !IsFolder(d_.platform.fs, stored)) return;
  const std::size_t count = PackageFiles(stored).size();
  ShowFileCount(count);
  state_.diagnosis = {};
  if (count == 0) return;
  packageFolder_ = stored;
  state_.packageFolderLabel = {stored, WizardColor::Olive};
  state_.nextEnabled = true;
  state_.focus = WizardFocus::Next;
}

void WizardModel::SetSpeed(int item) {
  if (item >= 0 && item < static_cast<int>(state_.speedItems.size())) state_.speed = item;
}

bool WizardModel::IsValidName(const std::string& name, bool showMessages) {
  state_.softFolderSelectAll = false;
  if (name.empty()) {
    state_.softFolderColor = WizardColor::Red;
    if (showMessages) {
      Message(Text(kWizardEnterSoftFolder), kMbOk);
      state_.focus = WizardFocus::SoftFolderBox;
    }
    return false;
  }
  if (Trim(name).empty()) {
    state_.softFolderColor = WizardColor::Red;
    if (showMessages) {
      Message(WizardBlankNameText(d_.language), kMbOk);
      state_.focus = WizardFocus::SoftFolderBox;
    }
    return false;
  }
  if (name.find_first_of(kForbiddenFolderCharacters) != std::string::npos) {
    state_.softFolderColor = WizardColor::Red;
    if (showMessages) {
      Message(WizardNameCharactersText(d_.language) + kCrLf + kForbiddenFolderCharacters, kMbIconExclamation);
      state_.softFolderSelectAll = true;
      state_.focus = WizardFocus::SoftFolderBox;
    }
    return false;
  }
  state_.softFolderColor = WizardColor::Green;
  return true;
}

void WizardModel::SoftFolderChanged(const std::string& text) {
  state_.softFolderName = text;
  IsValidName(text, false);
}

bool WizardModel::SoftFolderLostFocus() {
  state_.focus = WizardFocus::None;
  return IsValidName(state_.softFolderName, true);
}

// ---- the package list

void WizardModel::ReadRow(WizardRow& row, const std::string& file) {
  const PackageSummary summary = ReadPackageSummary(d_.platform.codepage, d_.platform.fs, d_.paths, file);
  switch (summary.state) {
    case PackageSummary::State::FileMissing:
      return;   // vanished since it was listed: the columns stay empty
    case PackageSummary::State::Damaged:
      row.installerMark = "-";
      row.folderMark = "-";
      return;
    case PackageSummary::State::InstallerMissing:
    case PackageSummary::State::Ok:
      break;
  }
  row.installer = summary.storedInstallerPath;
  row.installerMark = summary.state == PackageSummary::State::Ok ? "+" : "-";
  row.folder = ParentFolder(summary.installerPath);
  row.folderMark = FolderMark(row.folder);
}

std::vector<WizardRow> WizardModel::RowsOf(const std::vector<std::string>& files) {
  std::vector<WizardRow> rows(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) rows[i].name = files[i].substr(0, files[i].size() - kExtensionLength);
  return rows;
}

void WizardModel::ReadRows(std::vector<WizardRow>& rows, const std::vector<std::string>& files, bool showProgress) {
  const int count = static_cast<int>(rows.size());
  if (showProgress) ShowProgress(true);
  for (std::size_t i = 0; i < rows.size() && i < files.size(); ++i) {
    if (showProgress) MoveProgress(static_cast<int>(i) + 1, count);
    ReadRow(rows[i], AddBackslash(packageFolder_) + files[i]);
  }
  if (showProgress) ShowProgress(false);
}

void WizardModel::LoadVGPList() {
  rowFiles_ = PackageFiles(packageFolder_);
  rows_ = RowsOf(rowFiles_);   // the names show while the packages are read
  ReadRows(rows_, rowFiles_, true);
  items_.assign(rows_.size(), WizardItem{});
  freeSpace_ = 0;
}

std::vector<SavedFolder> WizardModel::ReadSavedFolders() const {
  return ReadFolderPathFile(d_.platform.fs, d_.xml, AddBackslash(d_.platform.sys.ExeFolder()) + kFolderPathFileName);
}

void WizardModel::LoadFolderForWizard() {
  savedFolders_ = ReadSavedFolders();
  ApplySavedFolders(rows_, savedFolders_);
}

void WizardModel::ApplySavedFolders(std::vector<WizardRow>& rows, const std::vector<SavedFolder>& saved) const {
  for (WizardRow& row : rows) {
    const auto found = std::find_if(saved.begin(), saved.end(), [&](const SavedFolder& s) { return s.name == row.name; });
    if (found == saved.end()) continue;
    row.folder = found->path;
    row.folderMark = FolderMark(found->path);
  }
}

std::optional<std::string> WizardModel::RefuseTarget() {
  builder_.SetChoice(DiskChoice{target_, packageFolder_, state_.softFolderName, 0});
  if (std::optional<std::string> refusal = builder_.RefuseFilesTarget()) return refusal;
  // The program folders as the package list of page 4 will first show them, every row ticked.
  const std::vector<std::string> files = PackageFiles(packageFolder_);
  std::vector<WizardRow> rows = RowsOf(files);
  ReadRows(rows, files, false);
  ApplySavedFolders(rows, ReadSavedFolders());
  std::vector<FolderToCopy> folders;
  for (const WizardRow& row : rows) {
    if (!row.folder.empty()) folders.push_back(FolderToCopy{row.name, row.folder});
  }
  return builder_.RefuseFoldersTarget(folders);
}

bool WizardModel::SaveItemListForWizard() {
  std::vector<SavedFolder> all;
  all.reserve(rows_.size());
  savedFolders_.clear();
  for (const WizardRow& row : rows_) {
    all.push_back(SavedFolder{row.name, row.folder});
    if (row.ticked && row.installerMark == "+" && row.folderMark == "+") {
      savedFolders_.push_back(SavedFolder{row.name, row.folder});
    }
  }
  return WriteFolderPathFile(d_.platform.fs, d_.xml, AddBackslash(d_.platform.sys.ExeFolder()) + kFolderPathFileName,
                             all);
}

void WizardModel::EditItemFolder(std::size_t row) {
  if (busy_ || row >= rows_.size()) return;
  const std::string chosen = BrowseFolder(Expanded(rows_[row].folder), Text(kWizardChooseProgramFolder));
  if (chosen.empty()) return;
  rows_[row].folder = chosen;
  rows_[row].folderMark = FolderMark(chosen);
}

// ---- measuring

void WizardModel::ApplyNesting() {
  const std::size_t n = items_.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      if (i == j || items_[i].folder.empty() || items_[j].folder.empty()) continue;
      const bool iShorter = items_[i].folder.size() <= items_[j].folder.size();
      const std::size_t s = iShorter ? i : j;
      const std::size_t l = iShorter ? j : i;
      if (items_[l].folder.compare(0, items_[s].folder.size(), items_[s].folder) == 0 && rows_[s].ticked &&
          !items_[s].nested) {
        items_[l].nested = true;
      }
    }
  }
}

std::uint64_t WizardModel::TickedTotal() const {
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < items_.size() && i < rows_.size(); ++i) {
    if (rows_[i].ticked && !items_[i].nested) total += items_[i].size;
  }
  return total;
}

std::uint64_t WizardModel::CountSpace() {
  items_.assign(rows_.size(), WizardItem{});
  state_.measuring = WizardTextAffix(d_.language, kWizardCounting, "...");
  const int count = static_cast<int>(rows_.size());
  ShowProgress(true);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    items_[i].folder = Expanded(rows_[i].folder);
    items_[i].name = rows_[i].name;
    if (IsFolder(d_.platform.fs, items_[i].folder)) {
      rows_[i].folderMark = "+";
    } else {
      rows_[i].sizeText = FormatByteSize(0);
      rows_[i].folderMark = "-";
    }
    MoveProgress(static_cast<int>(i) + 1, count);
  }
  ApplyNesting();
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].folderMark != "+") continue;
    items_[i].size = GetFolderSize(d_.platform.fs, items_[i].folder, d_.pump);
    rows_[i].sizeText = FormatByteSize(items_[i].size);
    // Ticks read now: the user may change them while the walk lets messages through.
    if (rows_[i].ticked && !items_[i].nested) total += items_[i].size;
  }
  ShowProgress(false);
  state_.measuring.clear();
  return total;
}

void WizardModel::FreeSpaceVerdict(std::uint64_t total, WizardKey enoughKey) {
  if (freeSpace_ < total) {
    state_.totalFree.color = WizardColor::Red;
    state_.tipStatus = {Text(kWizardNotEnoughSpace), WizardColor::Red};
    state_.nextEnabled = false;
    return;
  }
  state_.totalFree.color = WizardColor::Normal;
  state_.tipStatus = {Text(enoughKey), WizardColor::Normal};
  state_.nextEnabled = true;
  state_.focus = WizardFocus::Next;
}

void WizardModel::ReportAfterVerdict() {
  if (state_.tipStatus.color == WizardColor::Red) return;
  const WizardLabel verdict = state_.tipStatus;
  if (VerivyFolderForRecursive()) {
    state_.tipStatus.text += verdict.text;
    state_.tipStatus.color = verdict.color;
  } else {
    state_.tipStatus = verdict;
  }
}

void WizardModel::Compute() {
  state_.focus = WizardFocus::None;
  if (busy_ || !state_.computeEnabled) return;
  busy_ = true;
  computed_ = true;
  state_.computeEnabled = false;
  const std::uint64_t total = CountSpace();
  freeSpace_ = GetFreeSpace(d_.platform.fs, AddBackslash(target_));
  state_.totalSize.text = FormatByteSize(total);
  state_.totalFree.text = FormatByteSize(freeSpace_);
  state_.computeEnabled = true;
  busy_ = false;
  if (total == 0) {
    state_.totalSize.color = WizardColor::Red;
    state_.tipStatus = {Text(kWizardChooseOneFolder), WizardColor::Red};
    state_.nextEnabled = false;
    return;
  }
  state_.totalSize.color = WizardColor::Normal;
  FreeSpaceVerdict(total, kWizardPressNextToCopy);
  ReportAfterVerdict();
}

void WizardModel::ReCountFolderSize() {
  for (WizardItem& item : items_) item.nested = false;
  ApplyNesting();
  const std::uint64_t total = TickedTotal();
  state_.totalSize.text = FormatByteSize(total);
  if (!computed_) {
    state_.totalSize.color = WizardColor::Red;
    state_.tipStatus = {Text(kWizardDoubleClickFolders), WizardColor::Red};
    state_.nextEnabled = false;
    return;
  }
  state_.totalSize.color = WizardColor::Normal;
  if (total == 0) {
    state_.totalSize.color = WizardColor::Red;
    state_.tipStatus = {WizardNonEmptyFolderText(d_.language), WizardColor::Red};
    state_.nextEnabled = false;
    return;
  }
  FreeSpaceVerdict(total, kWizardPressNextToCopyLower);
}

void WizardModel::SetTicked(std::size_t row, bool ticked) {
  state_.focus = WizardFocus::None;
  if (row >= rows_.size() || rows_[row].ticked == ticked) return;
  rows_[row].ticked = ticked;
  // During a measurement the tick is only noted: the measurement's verdict follows.
  if (busy_ || !computed_) return;
  ReCountFolderSize();
  ReportAfterVerdict();
}

void WizardModel::SelectAll() {
  state_.focus = WizardFocus::None;
  if (busy_) return;
  for (WizardRow& row : rows_) row.ticked = true;
  ReCountFolderSize();
  ReportAfterVerdict();
}

void WizardModel::ClearAll() {
  state_.focus = WizardFocus::None;
  if (busy_) return;
  for (WizardRow& row : rows_) row.ticked = false;
  ReCountFolderSize();
}

bool WizardModel::VerivyFolderForRecursive() {
  state_.tipStatus.text.clear();
  if (rows_.empty()) return false;
  std::vector<std::string> folders;
  folders.reserve(rows_.size());
  for (const WizardRow& row : rows_) folders.push_back(Expanded(row.folder));
  bool found = false;
  std::string report;
  for (std::size_t j = 0; j < rows_.size(); ++j) {
    // A row without a folder lies in nothing (an empty text would be found in every folder).
    if (!rows_[j].ticked || folders[j].empty()) continue;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      if (i == j || folders[i].empty() || !rows_[i].ticked) continue;
      if (FindNoCase(folders[i], folders[j]) == std::string::npos) continue;
      found = true;
      if (folders[i] == folders[j]) {
        report += Text(kWizardEqualFolders) + " " + folders[i] + kCrLf;
        report += WizardTextAffix(d_.language, kWizardCheckFolderPaths, ":") + " " + rows_[i].name + kCrLf +
                  rows_[j].name + kCrLf;
      } else {
        report += Text(kWizardNestedFolders) + " " + folders[i] + kCrLf + folders[j] + kCrLf;
        report += WizardTextAffix(d_.language, kWizardSetFoldersRight, ":") + " " + rows_[i].name + kCrLf +
                  rows_[j].name + kCrLf;
      }
      break;
    }
  }
  state_.tipStatus.text = report;
  return found;
}

}  // namespace velgaro
