// The new-package dialog frmNew as the core sees it: its fields, which of them are enabled, the red
// captions, browsing and dropping for the installer, and the checks of OK. The view forwards every edit
// and click here and then shows State().
// Properties mode shares the fields and the first checks of OK; what it does after them (reading and
// rewriting an existing package) is PackageProperties' part: OK then reports PropertiesChecked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/Language.h"
#include "package/NewPackageRequest.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

enum class NewPackageMode { New, Properties };

// The boxes that OK or the dialog's activation put the focus on; "Selected": with all its text selected.
enum class NewPackageFocus { None, PathBox, PathBoxSelected, NameBox, NameBoxSelected, Browse, FileNameCheck };

enum class NewPackageOutcome {
  Stay,               // a check failed (its message was shown): the dialog stays open
  Accepted,           // new mode: Request() holds the package to record
  PropertiesChecked,  // properties mode: the checks passed; the properties dialog goes on from here
};

struct NewPackageOkResult {
  NewPackageOutcome outcome = NewPackageOutcome::Stay;
  NewPackageFocus focus = NewPackageFocus::None;
};

// What the dialog shows.
struct NewPackageState {
  std::string caption;
  std::string path;            // txtAdressExe
  std::string name;            // txtNameExe
  std::string description;     // txtDescription, at most kMaxDescription characters
  std::string commandLine;     // txtComandLine
  bool fileName = true;        // chkFileName
  bool autoReplace = false;    // chkAutoReplace
  bool needReboot = false;
  bool createReboot = false;
  int localSpeed = 0;          // cmbLocalSpeed list index
  bool defSelect = false;
  bool needWait = true;
  std::vector<std::string> speedItems;   // the list's entries
  std::string createDate;      // lblCreateDate
  int charactersLeft = 200;    // Label4

  bool pathEnabled = true;     // txtAdressExe and cmdBrowse
  bool needWaitEnabled = true;
  bool createRebootEnabled = false;
  bool fileNameRed = true;     // chkFileName's caption: the path box is empty
  bool nameLabelRed = true;    // Label1: the name box is empty after trimming

  int tab = 0;                 // TabStrip1: 0 main fields, 1 options
  bool changed = false;        // an edit of path, name, description or parameters (properties mode)
};

struct NewPackageDeps {
  const Language& language;
  const FileSystem& fs;
  SettingsStore& settings;
  Dialogs& dialogs;
  const PathVariables& paths;
};

// What the opening command gives the dialog.
struct NewPackageSetup {
  std::vector<std::string> rowTexts;   // the library's rows: names of the packages in the folder
  std::string packageFolder;
  std::string exePath;                 // a file dropped on the main list: its path (variable form) ...
  std::string name;                    // ... and its title; both empty otherwise
  NewPackageMode mode = NewPackageMode::New;
};

class NewPackageForm {
 public:
  static constexpr int kMaxDescription = 200;
  static constexpr int kTabCount = 2;

  NewPackageForm(NewPackageDeps deps, NewPackageSetup setup, WindowHandle owner = 0);

  const NewPackageState& State() const { return state_; }
  NewPackageMode Mode() const { return setup_.mode; }
  void SetOwner(WindowHandle owner) { owner_ = owner; }

  // Form load: caption, speed list, date label and the opening command's path and name.
  void Load();
  // Where the focus goes when the dialog comes up.
  NewPackageFocus ActivationFocus() const;

  // Edits of the boxes.
  void SetPath(const std::string& text);
  void SetName(const std::string& text);
  void SetDescription(const std::string& text);   // cut to kMaxDescription characters
  void SetCommandLine(const std::string& text);
  // Properties mode: the package's creation date after the label's text.
  void SetCreateDate(const std::string& date);
  // Clicks.
  void SetFileName(bool checked);
  void SetAutoReplace(bool checked);
  void SetNeedReboot(bool checked);
  void SetCreateReboot(bool checked);
  void SetLocalSpeed(int index);
  void SetDefSelect(bool checked);
  void SetNeedWait(bool checked);
  void SelectTab(int tab);
  void NextTab();   // Ctrl+Tab: wraps from the last tab to the first

  // cmdBrowse: the open-file dialog for the installer.
  void Browse();
  // Files dropped on the path box; true when the boxes took the first one.
  bool DropOnPath(const std::vector<std::string>& paths);

  // cmdOk.
  NewPackageOkResult Ok();
  // After Accepted: the package to record, and whether the recording tip is to be shown first.
  const std::optional<NewPackageRequest>& Request() const { return request_; }
  bool ShowRecordingTip() const { return showTip_; }

  // The open-file dialog's filter.
  std::string BrowseFilter() const;

 private:
  void UpdateMarks();
  void Message(const std::string& text, unsigned style);
  PackageOptions Options() const;
  bool NameTaken(const std::string& name) const;
  std::string CreateDateLabel() const;
  std::string Text(int key) const;

  NewPackageDeps d_;
  NewPackageSetup setup_;
  WindowHandle owner_;
  NewPackageState state_;
  std::optional<NewPackageRequest> request_;
  bool showTip_ = false;
};

// The nine characters a package name may not contain, in the order the message lists them. A path
// (properties mode) may contain the first two.
inline constexpr const char* kForbiddenNameCharacters = "\\:/*?\"<>|";

// The open-file dialog's flags: the file must exist, no read-only box.
inline constexpr unsigned kBrowseExeFlags = 0x1004;   // OFN_FILEMUSTEXIST | OFN_HIDEREADONLY

// The open-file dialog for an installer, shared by every dialog with a path box: its filter and title,
// started at the nearest existing folder of from. The chosen file, or empty when cancelled.
std::string InstallerBrowseFilter(const Language& language);
std::string BrowseForInstaller(const Language& language, const FileSystem& fs, Dialogs& dialogs, WindowHandle owner,
                               const std::string& from);

}  // namespace velgaro
