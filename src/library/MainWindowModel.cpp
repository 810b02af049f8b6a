// The main window's start and end, its counts and the commands on rows.
#include "library/MainWindowModel.h"

#include <algorithm>
#include <cstdlib>

#include "app/ProductName.h"
#include "app/ProgramVersion.h"
#include "app/SettingKeys.h"
#include "library/LibraryTexts.h"
#include "platform/BusyScope.h"

namespace velgaro {
namespace {

const char kCrLf[] = "\r\n";

// A setting read as a number, as numeric settings always were: leading digits, anything else 0.
long SettingNumber(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

}  // namespace

std::string MainWindowCaption() {
  return std::string(kProductName) + " (Build " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
         "." + std::to_string(kVersionRevision) + ")";
}

MainWindowModel::MainWindowModel(App& app, Shell& shell, MainWindowHooks hooks, WindowHandle owner)
    : app_(app),
      shell_(shell),
      hooks_(std::move(hooks)),
      owner_(owner),
      library_(LibraryDeps{app.platform.fs, app.platform.codepage, app.paths, app.language, app.summaries}) {}

std::string MainWindowModel::Text(int key) const { return MainText(app_.language, static_cast<MainKey>(key)); }

void MainWindowModel::Load() {
  SettingsStore& settings = app_.platform.settings;
  view_.panels[2] = app_.CommandSwitches;
  view_.panel3Visible = !app_.CommandSwitches.empty();
  if (SettingNumber(settings.Get(settings::kView, settings::kTopMost, "0")) > 0) {
    if (hooks_.setTopMost) hooks_.setTopMost(true);
    view_.topMost = true;
  }
  view_.panels[3] = kPortableMarker;
  view_.portable = app_.PortableMode;
  view_.panel4Visible = app_.PortableMode;

  const std::string stored = settings.Get(settings::kPath, settings::kFolderVgp, "");
  bool scanFailed = false;
  if (!stored.empty()) scanFailed = !ScanFolder(stored);

  view_.caption = MainWindowCaption();
  InicialSpeedMenu();
  LoadMenuLang();
  CheckCountLV();
  if (scanFailed) ShowScanError();
  // A notice of the start-up is shown; none leaves the scan's error in view.
  if (!app_.SettingsNotice.empty()) view_.panels[1] = app_.SettingsNotice;
  FirstRunAssociation();
  if (!stored.empty()) {
    EnableNewInstall(true);
  } else {
    view_.folderText = Text(kMainChooseFolder);
    view_.panels[1] = Text(kMainChooseFolder);
    EnableNewInstall(false);
  }
  recent_.Load(settings);
  recent_.MoveVGPRegister(0, library_.Folder(), settings);
}

void MainWindowModel::Unload() { library_.SavePositionList(); }

bool MainWindowModel::ScanFolder(const std::string& folder) {
  BusyScope busy(busy_);
  library_.SetFolder(folder);
  view_.folderText = folder;
  if (!library_.LoadListView(hooks_.progress)) {
    ShowScanError();
    return false;
  }
  view_.panels[1].clear();
  library_.LoadTipTextLV(hooks_.progress);
  return true;
}

void MainWindowModel::ShowScanError() {
  view_.folderText = Text(kMainChooseFolder);
  view_.panels[1] = Text(kMainFolderError);
  view_.panels[0].clear();
}

void MainWindowModel::RefreshList() {
  if (busy_) return;
  if (library_.Folder().empty()) return;
  const bool listed = ScanFolder(library_.Folder());
  CheckCountLV();
  if (!listed) ShowScanError();
}

void MainWindowModel::CheckCountLV() {
  const int c = library_.CheckedCount();
  const int n = static_cast<int>(library_.Rows().size());
  const bool any = c > 0;
  view_.unselectAllEnabled = any;
  view_.delSelectEnabled = any;
  view_.runSelectEnabled = any;
  // A checked row means a list that is not empty: the commands on the whole list are open too.
  const bool listCommands = n > 0;
  view_.invertSelEnabled = listCommands;
  view_.propertyEnabled = listCommands;
  view_.selectAllEnabled = listCommands;
  view_.runAllEnabled = listCommands;
  view_.panels[1] = any ? Text(kMainPressF5) : std::string();
  view_.panels[0] = std::to_string(c) + " " + Text(kMainOf) + " " + std::to_string(n);
}

void MainWindowModel::ListSelectAll() {
  if (busy_) return;
  library_.ListSelectAll();
  CheckCountLV();
}

void MainWindowModel::ListUnSelect() {
  if (busy_) return;
  library_.ListUnSelect();
  CheckCountLV();
}

void MainWindowModel::ListInvertSel() {
  if (busy_) return;
  library_.ListInvertSel();
  CheckCountLV();
}

void MainWindowModel::ToggleCheck(int row) {
  if (busy_) return;
  if (row < 1 || row > static_cast<int>(library_.Rows().size())) return;
  library_.Invert(static_cast<std::size_t>(row - 1));
  CheckCountLV();
}

void MainWindowModel::SetChecked(int row, bool checked) {
  if (busy_) return;
  if (row < 1 || row > static_cast<int>(library_.Rows().size())) return;
  library_.Rows()[static_cast<std::size_t>(row - 1)].checked = checked;
  CheckCountLV();
}

void MainWindowModel::MarkRow(int row) {
  std::vector<LibraryRow>& rows = library_.Rows();
  if (row < 1 || row > static_cast<int>(rows.size())) {
    view_.markedRow = 0;
    return;
  }
  view_.markedRow = row;
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].selected = static_cast<int>(i) + 1 == row;
}

void MainWindowModel::SetHighlighted(const std::vector<int>& highlighted) {
  std::vector<LibraryRow>& rows = library_.Rows();
  for (LibraryRow& row : rows) row.selected = false;
  for (int r : highlighted) {
    if (r >= 1 && r <= static_cast<int>(rows.size())) rows[static_cast<std::size_t>(r - 1)].selected = true;
  }
}

bool MainWindowModel::MoveUpLV() {
  if (busy_) return false;
  if (!library_.MoveUpLV()) return false;
  if (view_.markedRow > 1) --view_.markedRow;
  return true;
}

bool MainWindowModel::MoveDownLV() {
  if (busy_) return false;
  if (!library_.MoveDownLV()) return false;
  if (view_.markedRow >= 1 && view_.markedRow < static_cast<int>(library_.Rows().size())) ++view_.markedRow;
  return true;
}

void MainWindowModel::DelSelect() {
  if (busy_) return;
  const int c = library_.CheckedCount();
  if (c == 0) return;
  const Language& lang = app_.language;
  const std::string count = std::to_string(c);
  const std::string question =
      MainTextParam(lang, kMainDeleteQuestion, count) + kCrLf + MainTextAffix(lang, kMainCannotRestore, ".");
  if (app_.platform.dialogs.MessageBox(owner_, question, MainTextAffix(lang, kMainDeleteTitle, "?"),
                                       kMbQuestionStyle) != kIdYes) {
    return;
  }
  PackageLibrary::Deletion deletion;
  {
    BusyScope busy(busy_);
    deletion = library_.DeleteChecked(hooks_.progress);
  }
  view_.markedRow = 0;
  CheckCountLV();
  view_.panels[1] = MainTextParam(lang, kMainDeleted, std::to_string(deletion.deleted)) + " " + count;
}

ContextMenuState MainWindowModel::RightClick(int row) {
  ContextMenuState menu;
  const bool someChecked = library_.CheckedCount() > 0;
  menu.newInstall = view_.newInstallEnabled;
  menu.runSelect = view_.runSelectEnabled;
  menu.selectAll = true;
  menu.invertSel = true;
  menu.unselectAll = someChecked;
  menu.delSelect = someChecked;
  if (row < 1 || row > static_cast<int>(library_.Rows().size())) return menu;
  MarkRow(row);
  const bool checked = library_.Rows()[static_cast<std::size_t>(row - 1)].checked;
  menu.selItem = !checked;
  menu.unselectOne = checked;
  menu.property = true;
  return menu;
}

std::string MainWindowModel::RowTip(int row) const {
  const std::vector<LibraryRow>& rows = library_.Rows();
  if (row < 1 || row > static_cast<int>(rows.size())) return {};
  const bool missing = rows[static_cast<std::size_t>(row - 1)].note == LibraryRow::Note::InstallerMissing;
  return missing ? Text(kMainInstallerMissing) : std::string();
}

}  // namespace velgaro
