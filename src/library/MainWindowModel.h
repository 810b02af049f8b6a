// The main window frmMain as the core sees it: the package list, the folder box, the status bar, the
// states of its commands and the window-wide settings. The view forwards every command here and then
// shows View() and the library's rows.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/App.h"
#include "library/PackageLibrary.h"
#include "library/RecentFolders.h"

namespace velgaro {

// What the window shows apart from the rows.
struct MainWindowView {
  std::string caption;
  std::string folderText;                 // Text1
  std::array<std::string, 4> panels;      // status-bar panels 1..4
  bool panel3Visible = false;
  bool panel4Visible = false;
  // Command states (menu items, their context-menu twins and toolbar buttons).
  bool newInstallEnabled = false;         // mnuNewInstall, mnuNewInstall2, toolbar 2
  bool runSelectEnabled = false;          // mnuRunSelect, mnuRunSelect2, toolbar 5
  bool unselectAllEnabled = false;        // mnuUnselectAll
  bool delSelectEnabled = false;          // mnuDelSelect
  bool selectAllEnabled = false;          // mnuSelectAll
  bool invertSelEnabled = false;          // mnuInvertSel
  bool propertyEnabled = false;           // mnuProperty, toolbar 4
  bool runAllEnabled = false;             // mnuRunAll
  bool topMost = false;                   // mnuTopMost checked
  bool portable = false;                  // mnuPortable checked
  int speed = -1;                         // the mnuSpd item checked, -1 none
  std::vector<std::string> languages;     // mnuSubLang items; empty: the design-time item "Русский" only
  int markedRow = 0;                      // 1-based, 0 none
};

// The context menu's items as a right click leaves them.
struct ContextMenuState {
  bool newInstall = false, runSelect = false, selItem = false, unselectOne = false, selectAll = false,
       unselectAll = false, invertSel = false, delSelect = false, property = false;
};

// What the model asks of the windows around it. Empty functions do nothing.
struct MainWindowHooks {
  std::function<void()> hideMainWindow;
  std::function<void(const PlayRun& run)> openControlWindow;   // play the run
  std::function<void(const std::string& exePath, const std::string& name)> openNewPackage;  // record
  std::function<void(bool)> setTopMost;
  std::function<void()> focusFolderBox;                 // with its whole text selected
  std::function<void()> captionsChanged;                // the language changed: apply every caption again
  // The properties dialog for a row's package, modal; returns the name the row takes (empty: cancelled).
  std::function<std::string(const std::string& rowText)> openProperties;
  std::function<void()> openBatchEditor;                // modal
  std::function<void()> openDiskWizard;                 // modal
  std::function<void()> openUpdateCheck;                // modal
  std::function<void()> openAbout;                      // modal
  LibraryProgress* progress = nullptr;
};

class MainWindowModel {
 public:
  MainWindowModel(App& app, Shell& shell, MainWindowHooks hooks, WindowHandle owner = 0);

  const MainWindowView& View() const { return view_; }
  // True while the folder is being read: messages are processed meanwhile, and every command that would
  // change the rows is refused until the read is over.
  bool Busy() const { return busy_; }
  PackageLibrary& Library() { return library_; }
  const PackageLibrary& Library() const { return library_; }
  const RecentFolders& Recent() const { return recent_; }
  void SetOwner(WindowHandle owner) { owner_ = owner; }
  // Where the reading of the folder is shown; null shows nothing.
  void SetProgress(LibraryProgress* progress) { hooks_.progress = progress; }

  // Start and end of the window.
  void Load();
  void Unload();
  // After another part saved or changed packages: rescan and recount.
  void RefreshList();

  // The package folder.
  void ChooseFolderVGP();
  void OpenRecentFolder(int item);          // 1..4
  bool FolderButton();                      // toolbar 1: true when the recent-folder menu is to drop down
  void FolderTyped(const std::string& text);
  void Drop(const std::vector<std::string>& paths);
  void Reload();
  bool VerifyFolderVGP();
  void NewPackage(const std::string& exePath = std::string(), const std::string& name = std::string());

  // Rows.
  void CheckCountLV();
  void ListSelectAll();
  void ListUnSelect();
  void ListInvertSel();
  void ToggleCheck(int row);                // 1-based: a click on the check box, a double click
  void SetChecked(int row, bool checked);   // the context menu's Выбрать / Снять выделение
  void MarkRow(int row);                    // 1-based, 0 none; highlights it
  void SetHighlighted(const std::vector<int>& rows);   // the list's own selection, 1-based
  bool MoveUpLV();
  bool MoveDownLV();
  void DelSelect();
  ContextMenuState RightClick(int row);     // 1-based, 0 over no row
  // The list's tool tip for the row under the pointer (0 none).
  std::string RowTip(int row) const;

  // Runs.
  void ProcRunVGP();
  void RunAll();
  void SelectSpeed(int index);

  // Window-wide settings and commands.
  void ToggleTopMost();
  void TogglePortable();
  void SelectLanguage(const std::string& name);
  void Associate();
  void OpenControlPanel();
  void OpenAddRemovePrograms();

  // Packages and help.
  void ShowProperty();                      // mnuProperty, mnuProperty2, toolbar 4, Shift/Ctrl/Alt+Enter
  void ReReadItem(int row, const std::string& pendingName);   // 1-based
  void WizardPack();                        // mnuWizardPack
  void DiskWizard();                        // mnuIso: the wizard, then the package folder it leaves
  void HelpCHM();                           // mnuHelpCHM, F1, toolbar 7
  void WriteLetter();                       // mnuLetter
  void OpenSite();                          // mnuSite
  void OpenGuestBook();                     // mnuFAQ
  void About();                             // mnuAbout
  void CheckUpdate();                       // mnuCheckUpdate, toolbar 8
  bool PropertiesMode() const { return propertiesMode_; }

 private:
  // Makes folder the package folder and reads it; false (and the scan's error shown) when it cannot be listed.
  bool ScanFolder(const std::string& folder);
  void ShowScanError();
  void OpenFolder(const std::string& folder);       // ChooseFolderVGP from step 2
  void TakeFolder(const std::string& folder);       // typed or dropped: the path exists
  void StoreFolder(const std::string& folder);
  void EnableNewInstall(bool enabled) { view_.newInstallEnabled = enabled; }
  void InicialSpeedMenu();
  void LoadMenuLang();
  void FirstRunAssociation();
  std::string Text(int key) const;
  bool StartRun(std::vector<std::string> runList);

  App& app_;
  Shell& shell_;
  MainWindowHooks hooks_;
  WindowHandle owner_;
  PackageLibrary library_;
  RecentFolders recent_;
  MainWindowView view_;
  bool busy_ = false;
  bool propertiesMode_ = false;   // set by the properties command, cleared by every new-package command
};

// Status-bar panel 4 while portable mode is on.
inline constexpr const char* kPortableMarker = "Portable";

// "Velgaro Replaysetup (Build 1.5.0)".
std::string MainWindowCaption();

}  // namespace velgaro
