// The main window's commands on one package (properties), the batch editor, and the Help menu.
#include "library/MainWindowModel.h"

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "library/LibraryTexts.h"

namespace velgaro {

void MainWindowModel::ShowProperty() {
  if (busy_) return;
  library_.SavePositionList();
  const std::vector<LibraryRow>& rows = library_.Rows();
  if (view_.markedRow == 0 && !rows.empty()) MarkRow(1);
  const int row = view_.markedRow;
  if (rows.empty() || row < 1 || row > static_cast<int>(rows.size())) return;
  propertiesMode_ = true;
  const std::string text = rows[static_cast<std::size_t>(row - 1)].text;
  if (!FileExists(app_.platform.fs, library_.PackagePath(text))) {
    app_.platform.dialogs.MessageBox(owner_, Text(kMainFileMissing), kProductName, kMbIconStop);
    return;
  }
  const std::string pendingName = hooks_.openProperties ? hooks_.openProperties(text) : std::string();
  ReReadItem(row, pendingName);
}

void MainWindowModel::ReReadItem(int row, const std::string& pendingName) {
  std::vector<LibraryRow>& rows = library_.Rows();
  if (row < 1 || row > static_cast<int>(rows.size())) return;
  if (!pendingName.empty()) rows[static_cast<std::size_t>(row - 1)].text = pendingName;
  if (library_.IsEqualList()) {
    if (!pendingName.empty()) library_.ReReadRow(static_cast<std::size_t>(row - 1));
    return;
  }
  // The folder no longer holds exactly the rows (a rename that failed left both files): read it again.
  RefreshList();
}

void MainWindowModel::WizardPack() {
  if (busy_) return;
  library_.SavePositionList();
  if (hooks_.openBatchEditor) hooks_.openBatchEditor();
  RefreshList();   // the editor may have changed the folder or the packages' paths
}

void MainWindowModel::DiskWizard() {
  if (busy_) return;
  library_.SavePositionList();   // the disk gets the order the user sees
  if (hooks_.openDiskWizard) hooks_.openDiskWizard();
  // The wizard's last page may have made the disk's package folder the one to work with.
  const std::string folder = app_.platform.settings.Get(settings::kPath, settings::kFolderVgp, "");
  if (folder.empty()) {
    library_.Clear();
    library_.SetFolder("");
    EnableNewInstall(false);
    CheckCountLV();
    view_.folderText = Text(kMainChooseFolder);
    view_.panels[1] = Text(kMainChooseFolder);
    return;
  }
  const bool listed = ScanFolder(folder);
  EnableNewInstall(listed);
  CheckCountLV();
  if (!listed) ShowScanError();
}

void MainWindowModel::CheckUpdate() {
  if (hooks_.openUpdateCheck) hooks_.openUpdateCheck();
}

void MainWindowModel::HelpCHM() {
  const std::string help = AddBackslash(app_.platform.sys.ExeFolder()) + "help.chm";
  if (!FileExists(app_.platform.fs, help) || IsFolder(app_.platform.fs, help)) {
    app_.platform.dialogs.MessageBox(owner_, Text(kMainHelpMissing), Text(kMainError), kMbIconExclamation);
    return;
  }
  shell_.Open(help);
}

void MainWindowModel::WriteLetter() { shell_.Open(std::string("mailto:") + kAuthorMail); }

void MainWindowModel::OpenSite() { shell_.Open(kVendorSite); }

void MainWindowModel::OpenGuestBook() { shell_.Open(std::string(kVendorSite) + kGuestBookPage); }

void MainWindowModel::About() {
  if (hooks_.openAbout) hooks_.openAbout();
}

}  // namespace velgaro
