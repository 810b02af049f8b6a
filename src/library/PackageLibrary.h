// The package list: the package folder, its rows in the user's order, and the operations on them.
// The main window shows the rows; everything it does to them happens here.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lang/Language.h"
#include "library/LibraryRow.h"
#include "package/PackageImage.h"
#include "package/PackageSummaries.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// Shows the reading of the summaries: the progress window and status-bar panel 2.
class LibraryProgress {
 public:
  virtual ~LibraryProgress() = default;
  virtual void Begin(int rows) = 0;
  // text: "Загрузка k из N"; called for rows whose package file exists.
  virtual void Step(int row, int rows, const std::string& text) = 0;
  virtual void End() = 0;
  // The folder is being listed and ordered, before Begin: a big folder takes a while.
  virtual void Meanwhile() {}
};

struct LibraryDeps {
  FileSystem& fs;
  const Codepage& codepage;
  const PathVariables& paths;
  const Language& language;
  PackageSummaries& summaries;   // what was read of the folder's files, shared with the batch editor
};

class PackageLibrary {
 public:
  explicit PackageLibrary(LibraryDeps deps) : d_(deps) {}

  // The package folder: one absolute folder, empty when none is chosen.
  const std::string& Folder() const { return folder_; }
  void SetFolder(std::string folder) { folder_ = std::move(folder); }

  std::vector<LibraryRow>& Rows() { return rows_; }
  const std::vector<LibraryRow>& Rows() const { return rows_; }
  void Clear() { rows_.clear(); }

  // Rescans the folder into rows (names only, alphabetical, then the saved order). False when the
  // folder cannot be listed: the rows are then empty and the folder is cleared. The rows shown stay as
  // they were until the new ones are complete, for progress may let the window draw meanwhile.
  bool LoadListView(LibraryProgress* progress = nullptr);
  void LoadPositionLV();
  // Reads every row's summary into its columns and check box. A file is opened only when it was written
  // since it was last read, and each installer is looked for once.
  void LoadTipTextLV(LibraryProgress* progress);
  // Reads one row's summary into its columns again; its check box stays as it is.
  void ReReadRow(std::size_t row);
  // Writes Position.lst from the row order; false when it was not written (nothing to write, or the
  // write failed: the old file then stays as it was).
  bool SavePositionList();
  // The folder still holds exactly the packages shown.
  bool IsEqualList() const;
  // The text of a row's column (0: the name, 1: presence, 2: description, 3: installer path).
  std::string CellText(const LibraryRow& row, int column) const;

  int CheckedCount() const;
  void ListSelectAll();
  void ListUnSelect();
  void ListInvertSel();
  void Invert(std::size_t row);
  // Exchange the first highlighted row with its neighbour; false when nothing moved.
  bool MoveUpLV();
  bool MoveDownLV();

  struct Deletion {
    int checked = 0;
    int deleted = 0;
  };
  // Deletes the package files of the checked rows (no question asked here), then rescans.
  Deletion DeleteChecked(LibraryProgress* progress);

  // The package file of a row: folder, backslash, text, ".VGP".
  std::string PackagePath(const std::string& text) const;
  // The same file under the name the folder listing gave it. Opening a file by a name in another case
  // makes Wine search the folder for it, which in a folder of thousands costs more than reading it.
  std::string ListedPath(const std::string& text) const;
  // Run lists (entry 0 empty): the checked rows, or all rows, top to bottom.
  std::vector<std::string> PutVGParray() const;
  std::vector<std::string> AllPackagesRunList() const;

 private:
  struct ListedPackage {
    std::string text;       // the name less ".vgp"
    std::string fileName;   // as the folder listing gave it
  };
  // The installers of one read: each is expanded and looked for once, however many packages start it.
  // Keyed by the path as stored, which the summaries hold for as long as the read lasts; the expanded
  // path is the one the first row that starts it shows.
  struct Installer {
    std::size_t row = 0;
    bool exists = false;
  };
  using Installers = std::unordered_map<std::string_view, Installer>;

  // The folder's packages, in the order of a file list; entries: the listing itself, when wanted.
  std::optional<std::vector<ListedPackage>> PackageNames(std::vector<FolderEntry>* entries = nullptr,
                                                         LibraryProgress* progress = nullptr) const;
  std::string ListedName(const std::string& text) const;
  // Puts texts (the folder's names) into the order of Position.lst.
  void ApplyOrderFile(std::vector<std::string>& texts, LibraryProgress* progress = nullptr) const;
  void ApplySummary(std::size_t row, const std::shared_ptr<const StoredSummary>& summary, Installers& installers);
  void Exchange(std::size_t a, std::size_t b);

  LibraryDeps d_;
  std::string folder_;
  std::vector<LibraryRow> rows_;
  std::unordered_map<std::string, std::string> listedNames_;   // row text -> file name as listed
};

// A row text that names a file inside the folder: no path separators, no drive, not "." or "..".
bool IsPlainPackageName(const std::string& text);

}  // namespace velgaro
