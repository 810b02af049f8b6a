// The disk wizard frmWizard as the core sees it: its pages and the moves between them, the choice of
// the target folder, of the disk package folder and of the programs folder name, the package list
// with each package's program folder, the size measurement with its nesting rule and free-space
// verdict, and "FolderPath.xml". The view forwards every event here and then shows State() and Rows().
//
// The status line (lblTipStatus) holds both the report of equal or nested folders and the verdict of
// the measurement: the report first, the verdict after it. The report is made only when the verdict is
// not a red one (a red verdict already stops the user).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"
#include "wizard/DiskBuilder.h"
#include "wizard/FolderPathFile.h"
#include "wizard/WizardTexts.h"

namespace velgaro {

inline constexpr int kWizardLastStep = 7;
inline constexpr const char* kDefaultSoftFolder = "Programs";
// The characters a folder name must not hold, in the order the message lists them.
inline constexpr const char* kForbiddenFolderCharacters = "\\:/*?\"<>|";

// Colours of the wizard's texts: Normal is the system's button-text colour; Olive a value taken from
// the settings; Green a value the user just chose; Red a missing or refused value.
enum class WizardColor { Normal, Olive, Green, Red };

struct WizardLabel {
  std::string text;
  WizardColor color = WizardColor::Normal;
};

// Where the view puts the focus after an event; None leaves it.
enum class WizardFocus { None, Next, TargetBrowse, PackageBrowse, SoftFolderBox, Compute };

// One row of the package list LV1.
struct WizardRow {
  std::string name;            // column 1: the file name less ".vgp"
  std::string installerMark;   // column 2: "+" when the installer exists, "-" when not; empty if unread
  std::string installer;       // column 3: the installer path as stored (may hold path variables)
  std::string folderMark;      // column 4: "+" when column 5 is an existing folder, else "-"
  std::string folder;          // column 5: the program folder as shown
  std::string sizeText;        // column 6: the measured size
  bool ticked = true;
};

// The measurement of one row: Folder has its path variables expanded.
struct WizardItem {
  std::string name;
  std::string folder;
  std::uint64_t size = 0;
  bool nested = false;
};

// What the window shows besides the rows.
struct WizardState {
  int step = 0;                        // WizardStep: the page shown, 0..7
  std::string caption;                 // the window title with the step counter
  bool nextEnabled = false;            // cmdNext
  bool backEnabled = false;            // cmdPrev
  std::string nextCaption;             // cmdNext's caption (wizard/4, wizard/40 on the last page)
  WizardFocus focus = WizardFocus::None;

  WizardLabel targetLabel;             // Label1
  WizardLabel packageFolderLabel;      // Label2
  std::string fileCount;               // lblCountFile
  WizardLabel diagnosis;               // lblDiagnoz
  std::string softFolderName;          // txtNameSoftFolder
  WizardColor softFolderColor = WizardColor::Normal;
  bool softFolderSelectAll = false;    // its whole text selected (a refused name)
  std::vector<std::string> speedItems; // cmbSpeed
  int speed = -1;                      // its selected item; -1 none
  bool speedOlive = false;

  std::string summaryTarget;           // lblDest
  std::string summaryPackages;         // lblsource
  std::string summaryProgram;          // lblProga

  bool computeEnabled = true;          // Command1
  WizardLabel totalSize;               // lblTotalSize
  WizardLabel totalFree;               // lblTotalFree
  WizardLabel tipStatus;               // lblTipStatus
  std::string measuring;               // lblStat while sizes are measured; empty: hidden

  std::string copyLog;                 // txtLog: CopyLog after page 2's copy
  std::string reportStatus;            // lblReportStatus
  std::string copyStat;                // txtCopyStat: the folder copy's report
  std::string copySource;              // lblCopySource
  std::string copyDest;                // lblCopyDest
  int copiedFolders = 0;               // lblCopyFolder
  int copyValue = 0;                   // prbCopy's value and maximum
  int copyMax = 1;
  std::string percent;                 // lblPercent
  bool replacePaths = false;           // optReplaceVGP: item 0 (true) rewrites the disk's installer paths
  bool copying = false;                // page 4's Next is copying the folders: page 5 shows meanwhile

  std::string keepFolderOption;        // optUseVgpFolder item 0: the main window's package folder
  std::string diskFolderOption;        // optUseVgpFolder item 1: the disk's package folder
  bool useDiskFolder = false;          // item 1 chosen

  bool finished = false;               // the last page was passed: closing asks nothing
  bool closeRequested = false;         // the window should close now
};

struct WizardDeps {
  Platform platform;
  const PathVariables& paths;
  PackageTextContext packageText;   // how package images read and write their texts
  const Language& language;
  const Xml& xml;
  MessagePump* pump = nullptr;   // runs once between the levels of a folder walk; may be null
  Shell* shell = nullptr;        // opens the disk folder when the wizard finishes; may be null
};
WizardDeps WizardDepsOf(App& app, const Xml& xml, MessagePump* pump, Shell* shell = nullptr);

// What the model asks of the window while it reads or measures. Empty functions do nothing.
struct WizardHooks {
  std::function<void(bool visible)> showProgress;   // pBar1
  std::function<void(int pos, int max)> progress;
  std::function<void()> copyProgress;   // the folder copy moved on: show the copy fields of State()
};

class WizardModel {
 public:
  WizardModel(WizardDeps deps, WizardHooks hooks, WindowHandle owner = 0);

  const WizardState& State() const { return state_; }
  // Rows and items are indexed from 0; the free space of the target drive is FreeSpace().
  const std::vector<WizardRow>& Rows() const { return rows_; }
  const std::vector<WizardItem>& Items() const { return items_; }
  std::uint64_t FreeSpace() const { return freeSpace_; }
  const std::vector<SavedFolder>& SavedFolders() const { return savedFolders_; }
  const std::string& TargetFolder() const { return target_; }
  const std::string& PackageFolder() const { return packageFolder_; }
  bool Computed() const { return computed_; }
  bool Busy() const { return busy_; }
  void SetOwner(WindowHandle owner) { owner_ = owner; }

  // The window loads: speed list and setting, page 0, the title, the stored target folder.
  void Load();
  // The title base, " (", "Шаг", step + 1, "из", "7)". The closing page, past the count, shows the
  // title base alone.
  std::string StepCaption() const;

  // cmdNext: the page's work, then the next page. False (and nothing done) when Next is disabled, a
  // check keeps the user on the page, or work is running.
  bool Next();
  // cmdPrev; false when Back is disabled.
  bool Back();
  // Cancel or the close box: true when the window may close (finished, or the user agreed).
  bool QueryClose();

  // Command4: the target folder through the folder browser.
  void ChooseTargetFolder();
  // Command5: the disk package folder through the folder browser.
  void ChoosePackageFolder();
  // Pre-selects the disk package folder from the setting, when it holds a package file.
  void ReadFolderVGPForISO();
  void SetSpeed(int item);
  // optReplaceVGP: true for item 0 (rewrite the copied packages' installer paths).
  void SetReplacePaths(bool replace) { state_.replacePaths = replace; }
  // optUseVgpFolder: true for item 1 (work with the disk's package folder from now on).
  void SetUseDiskFolder(bool useDisk) { state_.useDiskFolder = useDisk; }
  const DiskBuilder& Builder() const { return builder_; }

  // Checks a programs folder name: true for a usable one. With showMessages, a refused name is
  // explained in a message box and the focus goes back to the box.
  bool IsValidName(const std::string& name, bool showMessages);
  void SoftFolderChanged(const std::string& text);   // every change: checked without messages
  bool SoftFolderLostFocus();                         // checked with messages

  // Lists the disk package folder into ticked rows and reads each package's columns 2 to 5.
  void LoadVGPList();
  // Applies "FolderPath.xml" of the program folder to the rows (a missing or bad file changes nothing).
  void LoadFolderForWizard();
  // Writes "FolderPath.xml" and keeps the ticked rows whose installer and folder exist in SavedFolders().
  bool SaveItemListForWizard();
  // A double click on a row: its program folder through the folder browser.
  void EditItemFolder(std::size_t row);

  // Command1: measures every row's folder and gives the verdict.
  void Compute();
  void SetTicked(std::size_t row, bool ticked);
  void SelectAll();     // cmdChekAll
  void ClearAll();      // cmdUncheckAll

  // Measures every row, sets the Nested flags and returns the bytes to copy.
  std::uint64_t CountSpace();
  // Nested flags and the total again from the stored sizes, with the verdict.
  void ReCountFolderSize();
  // Reports equal or nested folders among ticked rows into the status line; true when any was found.
  bool VerivyFolderForRecursive();

 private:
  std::string Text(int key) const;
  std::string BrowseFolder(const std::string& start, const std::string& title);
  void Message(const std::string& text, unsigned style);
  std::vector<std::string> PackageFiles(const std::string& folder) const;
  void ShowFileCount(std::size_t count);
  void ReadRow(WizardRow& row, const std::string& file);
  // Rows named after the package files, and their columns 2 to 5 read from the packages.
  static std::vector<WizardRow> RowsOf(const std::vector<std::string>& files);
  void ReadRows(std::vector<WizardRow>& rows, const std::vector<std::string>& files, bool showProgress);
  std::vector<SavedFolder> ReadSavedFolders() const;
  void ApplySavedFolders(std::vector<WizardRow>& rows, const std::vector<SavedFolder>& saved) const;
  // Why the target must not receive the disk, judged on page 1 from the package folder and the program
  // folders that page 4 will offer to copy; nullopt when it may.
  std::optional<std::string> RefuseTarget();
  std::string FolderMark(const std::string& folder) const;
  std::string Expanded(const std::string& path) const;
  std::uint64_t TickedTotal() const;
  void ApplyNesting();
  // The verdict on total against the free space: status line, colours and Next.
  void FreeSpaceVerdict(std::uint64_t total, WizardKey enoughKey);
  void ReportAfterVerdict();
  void UpdateCaption();
  void CopyFolders();
  void OfferPackageFolders();
  void Finish();
  void ShowProgress(bool visible) const;
  void MoveProgress(int pos, int max) const;

  WizardDeps d_;
  WizardHooks hooks_;
  WindowHandle owner_;
  WizardState state_;
  DiskBuilder builder_;
  std::vector<WizardRow> rows_;
  std::vector<std::string> rowFiles_;   // each row's package file as the folder listed it
  std::vector<WizardItem> items_;
  std::vector<SavedFolder> savedFolders_;
  std::uint64_t freeSpace_ = 0;         // record 0 of the WizardItem table
  std::string target_;
  std::string packageFolder_;
  std::string softFolder_ = kDefaultSoftFolder;
  std::string copyLog_;
  bool computed_ = false;
  bool busy_ = false;
};

}  // namespace velgaro
