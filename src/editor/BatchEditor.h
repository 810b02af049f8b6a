// The batch package editor frmWizardPack as the core sees it: the packages of the package folder with
// their stored installer paths, a find and replace over those paths, and the writing of the new paths.
// The view forwards every event here and then shows the rows and the state below.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/App.h"
#include "editor/EditPathForm.h"
#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/PackageSummaries.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// One row of ListView1.
struct EditorRow {
  std::string name;      // column 1: the file name less ".vgp"
  std::string path;      // column 2: the stored installer path; expanded while auto-replace is on
  std::string newPath;   // column 3: the proposed path; empty until a replacement matched
  bool ticked = false;
  bool bold = false;     // column 3 was set by a replacement
};

struct EditorDeps {
  Platform platform;
  const PathVariables& paths;
  PackageTextContext packageText;   // how package images read and write their texts
  const Language& language;
  PackageSummaries& summaries;   // what was read of the folder's files, shared with the main window
  bool portableMode = false;
};
EditorDeps EditorDepsOf(App& app);

// What the model asks of the window. Empty functions do nothing.
struct EditorHooks {
  std::function<void(bool visible)> showProgress;   // prbSave
  // The bar moves; the view also lets waiting messages through here, so the window stays live.
  std::function<void(int pos, int max)> progress;
  std::function<void()> focusFind;
  std::function<void()> focusReplace;
  std::function<void()> focusFolderBox;             // with its whole text selected
};

struct EditorSaveFailure {
  enum class Reason { Unreadable, Damaged, NotWritten };
  std::string name;   // the row
  std::string path;   // the package file (the last path tried when the write failed)
  Reason reason = Reason::NotWritten;
};

struct EditorSaveReport {
  int counted = 0;                        // ticked changed rows whose package file was there
  std::vector<std::string> saved;         // files written (the user may have chosen another place)
  std::vector<EditorSaveFailure> failed;  // those rows keep their new path, still to be saved
};

class BatchEditorModel {
 public:
  BatchEditorModel(EditorDeps deps, EditorHooks hooks, WindowHandle owner = 0);

  // Rows are indexed from 0.
  const std::vector<EditorRow>& Rows() const { return rows_; }
  const std::string& PackageFolder() const { return folder_; }
  const std::string& FolderText() const { return folderText_; }   // Text1
  const std::string& Status() const { return status_; }           // status-bar panel 1
  const std::string& FindText() const { return find_; }
  const std::string& ReplaceText() const { return replace_; }
  int Total() const { return total_; }
  int Changed() const { return changed_; }
  int ToSave() const { return toSave_; }
  bool Saved() const { return saved_; }
  bool AutoReplace() const { return autoReplace_; }
  bool SaveEnabled() const { return toSave_ > 0; }                     // Command1
  bool ReplaceEnabled() const { return !find_.empty() && !rows_.empty(); }   // cmdReplace
  // True while a folder is read or packages are written: messages are processed meanwhile, and every
  // command is refused until the work is over.
  bool Busy() const { return busy_; }
  void SetOwner(WindowHandle owner) { owner_ = owner; }

  // The window loads: nothing is pending yet.
  void Load();
  // The one-shot tmpLoad tick: opens the folder of the setting Path/FolderVGP.
  void LoadFromSetting();

  // Rescans the package folder into rows (names only) in the saved order. False when the folder
  // cannot be listed: the rows are then empty, the folder cleared and the error in the status bar.
  bool LoadPackageRows();
  void ApplySavedOrder();
  // Ticks every row and reads each package's installer path into column 2 (a file is opened only when
  // it was written since it was last read, by this window or the main window).
  void LoadTipText();
  // Swaps the names of two rows; false when either is not a row.
  bool ReplaceListItem(std::size_t oldItem, std::size_t nextItem);

  void SetFindText(const std::string& text) { find_ = text; }
  void SetReplaceText(const std::string& text) { replace_ = text; }
  void SetAutoReplace(bool ticked);
  // Replaces the first occurrence of the find text in each path; the number of rows replaced, or -1
  // when nothing was searched (no find text, the question declined, no rows, busy).
  int RunReplace();
  void SetTicked(std::size_t row, bool ticked);   // a tick changed: then RecountChanges
  // A double click on a row: frmEditPath on the row's current path (column 3 when set, else column 2);
  // nothing when the row is not there or the editor is busy.
  std::optional<EditPathForm> EditPath(std::size_t row) const;
  // A row's new path set by hand, as a replacement sets it: false, and nothing changed, for a blank
  // path. The stored path itself is no change: the row then goes back to unchanged.
  bool SetNewPath(std::size_t row, const std::string& path);
  void RecountChanges();

  // Writes the new paths of the ticked changed rows, each file through the safe write, and reloads
  // the list. A file that cannot be written does not stop the others.
  EditorSaveReport Save();

  void ChoosePackageFolder();
  void FolderTyped(const std::string& text);   // Enter in Text1

  // A click on the header of column 1..3: sorts by it, ascending and descending in turn.
  void SortListView(int column);

  // The window is asked to close: true when it may (nothing pending, or the user agrees to lose it).
  bool QueryClose();

 private:
  // Makes folder the package folder and reads it; false when it cannot be listed.
  bool OpenFolder(const std::string& folder);
  void StoreFolder(const std::string& folder, bool alsoIni);
  void ClearFindAndReplace();
  std::string ListedName(const std::string& name) const;
  std::string PackagePath(const std::string& name) const;
  void SaveRow(const EditorRow& row, const std::string& file, const std::string& newPath, EditorSaveReport& report);
  void ShowProgress(bool visible) const;
  void MoveProgress(int pos, int max) const;

  EditorDeps d_;
  EditorHooks hooks_;
  WindowHandle owner_;
  std::string folder_;
  std::string folderText_;
  std::string status_;
  std::string find_;
  std::string replace_;
  std::vector<EditorRow> rows_;
  std::unordered_map<std::string, std::string> listed_;   // row name -> file name as the folder listed it
  int total_ = 0;
  int changed_ = 0;
  int toSave_ = 0;
  bool saved_ = true;
  bool autoReplace_ = false;
  bool sortDescending_ = true;   // so that the first click sorts ascending
  bool busy_ = false;
};

}  // namespace velgaro
