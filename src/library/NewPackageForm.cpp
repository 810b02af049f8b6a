#include "library/NewPackageForm.h"

#include <algorithm>
#include <cstring>

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "library/NewPackageTexts.h"
#include "library/NewPackageTip.h"
#include "platform/TextFold.h"
#include "platform/Utf8Text.h"

namespace velgaro {
namespace {

const char kCrLf[] = "\r\n";

bool EndsWith(const std::string& text, const char* suffix) {
  const std::size_t n = std::strlen(suffix);
  return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// What the dialog starts: an installer, a registry file or a script.
bool HasInstallerExtension(const std::string& upperPath) {
  for (const char* ext : {".MSI", ".EXE", ".BAT", ".REG", ".CMD"}) {
    if (EndsWith(upperPath, ext)) return true;
  }
  return false;
}

NewPackageOkResult Stay(NewPackageFocus focus) { return {NewPackageOutcome::Stay, focus}; }

}  // namespace

NewPackageForm::NewPackageForm(NewPackageDeps deps, NewPackageSetup setup, WindowHandle owner)
    : d_(deps), setup_(std::move(setup)), owner_(owner) {}

std::string NewPackageForm::Text(int key) const { return NewText(d_.language, static_cast<NewKey>(key)); }

void NewPackageForm::Load() {
  state_ = NewPackageState{};
  state_.speedItems = {Text(kNewSpeedNone), Text(kNewSpeedMedium), Text(kNewSpeedSlow)};
  state_.localSpeed = 0;
  state_.createDate = CreateDateLabel();
  state_.caption = Text(setup_.mode == NewPackageMode::New ? kNewCaption : kNewPropertiesCaption);
  state_.path = setup_.exePath;
  state_.name = setup_.name;
  state_.changed = false;
  UpdateMarks();
}

std::string NewPackageForm::CreateDateLabel() const {
  // The language text may or may not end in a colon; the label reads "<text>: " either way.
  const std::string date = Text(kNewCreateDate);
  return date.empty() || date.back() != ':' ? date + ": " : date + " ";
}

void NewPackageForm::SetCreateDate(const std::string& date) { state_.createDate = CreateDateLabel() + date; }

NewPackageFocus NewPackageForm::ActivationFocus() const {
  return state_.path == "-" ? NewPackageFocus::FileNameCheck : NewPackageFocus::Browse;
}

void NewPackageForm::UpdateMarks() {
  state_.fileNameRed = state_.path.empty();
  state_.nameLabelRed = Trim(state_.name).empty();
  state_.charactersLeft = kMaxDescription - static_cast<int>(CharacterCount(state_.description));
}

void NewPackageForm::SetPath(const std::string& text) {
  if (text == state_.path) return;
  state_.path = text;
  state_.changed = true;
  UpdateMarks();
}

void NewPackageForm::SetName(const std::string& text) {
  if (text == state_.name) return;
  state_.name = text;
  state_.changed = true;
  UpdateMarks();
}

void NewPackageForm::SetDescription(const std::string& text) {
  const std::string cut = FirstCharacters(text, kMaxDescription);
  if (cut == state_.description) return;
  state_.description = cut;
  state_.changed = true;
  UpdateMarks();
}

void NewPackageForm::SetCommandLine(const std::string& text) {
  if (text == state_.commandLine) return;
  state_.commandLine = text;
  state_.changed = true;
}

void NewPackageForm::SetFileName(bool checked) {
  if (checked == state_.fileName) return;
  state_.fileName = checked;
  state_.pathEnabled = checked;
  state_.needWaitEnabled = checked;
  if (!checked) state_.needWait = false;
  SetPath(checked ? std::string() : std::string("-"));
}

void NewPackageForm::SetAutoReplace(bool checked) {
  state_.autoReplace = checked;
  auto rewrite = [&](const std::string& text) {
    return checked ? d_.paths.CollapsePathVariables(text) : d_.paths.ExpandPathVariables(text, d_.fs);
  };
  SetPath(rewrite(state_.path));
  SetCommandLine(rewrite(state_.commandLine));
}

void NewPackageForm::SetNeedReboot(bool checked) {
  state_.needReboot = checked;
  state_.createRebootEnabled = checked;
  if (!checked) state_.createReboot = false;
}

void NewPackageForm::SetCreateReboot(bool checked) { state_.createReboot = checked && state_.createRebootEnabled; }

void NewPackageForm::SetLocalSpeed(int index) {
  if (index >= 0 && index < static_cast<int>(state_.speedItems.size())) state_.localSpeed = index;
}

void NewPackageForm::SetDefSelect(bool checked) { state_.defSelect = checked; }

void NewPackageForm::SetNeedWait(bool checked) { state_.needWait = checked && state_.needWaitEnabled; }

void NewPackageForm::SelectTab(int tab) {
  if (tab >= 0 && tab < kTabCount) state_.tab = tab;
}

void NewPackageForm::NextTab() { state_.tab = (state_.tab + 1) % kTabCount; }

std::string InstallerBrowseFilter(const Language& language) {
  const auto text = [&language](NewKey key) { return NewText(language, key); };
  const std::string all = "*.exe; *.msi; *.reg; *.bat; *.cmd";
  return text(kNewAllFormats) + " (" + all + ")|" + all + "|" + text(kNewExecutables) + " (*.exe)|*.exe|" +
         text(kNewExecutables) + " (*.msi)|*.msi|" + text(kNewRegistryFiles) + " (*.reg)|*.reg|" +
         text(kNewBatchFiles) + " (*.bat)|*.bat|" + text(kNewCommandScripts) + " (*.cmd)|*.cmd";
}

std::string BrowseForInstaller(const Language& language, const FileSystem& fs, Dialogs& dialogs, WindowHandle owner,
                               const std::string& from) {
  SaveFileRequest request;
  request.filter = InstallerBrowseFilter(language);
  request.title = NewText(language, kNewOpenTitle);
  request.startFolder = NearestExistingFolder(fs, from);
  // The nearest existing path may be the installer itself: the dialog then opens beside it with the
  // file chosen, where a file as start folder would be ignored.
  if (!IsFolder(fs, request.startFolder)) request.fileName = request.startFolder;
  request.flags = kBrowseExeFlags;
  std::string chosen = dialogs.OpenFile(owner, request).value_or(std::string());
  chosen.erase(std::find(chosen.begin(), chosen.end(), '\0'), chosen.end());
  return chosen;
}

std::string NewPackageForm::BrowseFilter() const { return InstallerBrowseFilter(d_.language); }

void NewPackageForm::Browse() {
  const std::string from = state_.path.empty()
                               ? d_.settings.Get(settings::kPath, settings::kFolderBrowseExe, "c:\\")
                               : d_.paths.ExpandPathVariables(state_.path, d_.fs);
  const std::string chosen = BrowseForInstaller(d_.language, d_.fs, d_.dialogs, owner_, from);
  if (!chosen.empty()) {
    SetPath(state_.autoReplace ? d_.paths.CollapsePathVariables(chosen) : chosen);
    if (setup_.mode == NewPackageMode::New && Trim(state_.name).empty()) SetName(FileTitle(chosen));
  }
  d_.settings.Set(settings::kPath, settings::kFolderBrowseExe, ParentFolder(chosen));
}

bool NewPackageForm::DropOnPath(const std::vector<std::string>& paths) {
  if (paths.empty()) return false;
  const std::string& file = paths.front();
  if (!HasInstallerExtension(ToUpperAscii(file)) || IsFolder(d_.fs, file)) return false;
  SetPath(state_.autoReplace ? d_.paths.CollapsePathVariables(file) : file);
  SetName(FileTitle(file));
  return true;
}

void NewPackageForm::Message(const std::string& text, unsigned style) {
  d_.dialogs.MessageBox(owner_, text, kProductName, style);
}

PackageOptions NewPackageForm::Options() const {
  return PackageOptions{state_.needReboot, state_.createReboot, state_.localSpeed, state_.defSelect,
                        state_.needWait};
}

bool NewPackageForm::NameTaken(const std::string& name) const {
  // A name that differs only in letter case names the same file on Windows: it is asked about as well.
  const std::string folded = FoldCase(name);
  return std::any_of(setup_.rowTexts.begin(), setup_.rowTexts.end(),
                     [&](const std::string& row) { return row == name || FoldCase(row) == folded; });
}

NewPackageOkResult NewPackageForm::Ok() {
  request_.reset();
  showTip_ = false;
  const std::string& path = state_.path;
  const std::string& name = state_.name;
  if (path.empty()) {
    Message(Text(kNewPathMissing), kMbOk);
    return Stay(NewPackageFocus::PathBox);
  }
  if (Trim(name).empty()) {
    Message(Text(kNewEnterName), kMbOk);
    return Stay(NewPackageFocus::NameBox);
  }
  if (name.find_first_of(kForbiddenNameCharacters) != std::string::npos) {
    Message(Text(kNewNameCharacters) + kCrLf + kForbiddenNameCharacters, kMbIconExclamation);
    return Stay(NewPackageFocus::NameBox);
  }
  const PackageOptions options = Options();
  if (setup_.mode == NewPackageMode::Properties) {
    if (path.find_first_of(kForbiddenNameCharacters + 2) != std::string::npos) {
      Message(Text(kNewPathCharacters) + kCrLf + kForbiddenNameCharacters, kMbIconExclamation);
      return Stay(NewPackageFocus::PathBox);
    }
    return {NewPackageOutcome::PropertiesChecked, NewPackageFocus::None};
  }

  const std::string expanded = d_.paths.ExpandPathVariables(path, d_.fs);
  if (!FileExists(d_.fs, expanded) || IsFolder(d_.fs, expanded)) {
    Message(Text(kNewPathNotFound), kMbOk);
    return Stay(NewPackageFocus::PathBoxSelected);
  }
  if (path != "-") {
    if (CharacterCount(path) <= 4) return Stay(NewPackageFocus::None);
    if (!HasInstallerExtension(ToUpperAscii(Trim(path)))) {
      Message(Text(kNewUnsupportedType), kMbOk);
      return Stay(NewPackageFocus::None);
    }
  }
  if (expanded.empty()) return Stay(NewPackageFocus::None);
  if (NameTaken(name)) {
    const std::string question = NewTextParam(d_.language, kNewAlreadyExists, name) + kCrLf + kCrLf + Text(kNewOverwrite);
    if (d_.dialogs.MessageBox(owner_, question, kProductName, kMbQuestionStyle) != kIdYes) {
      return Stay(NewPackageFocus::NameBoxSelected);
    }
  }

  d_.settings.Set(settings::kPath, settings::kFolderBrowseExe, ParentFolder(expanded));
  request_ = NewPackageRequest{expanded,
                               name,
                               state_.description,
                               d_.paths.ExpandPathVariables(Trim(state_.commandLine), d_.fs),
                               options,
                               setup_.packageFolder};
  showTip_ = RecordingTipWanted(d_.settings);
  return {NewPackageOutcome::Accepted, NewPackageFocus::None};
}

}  // namespace velgaro
