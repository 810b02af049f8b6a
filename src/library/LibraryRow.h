// One row of the package list: a package file of the package folder and what its summary says. The row
// keeps what its cells show and no more; the cells' texts are made when the list draws them
// (PackageLibrary::CellText).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "package/PackageSummaries.h"

namespace velgaro {

struct LibraryRow {
  // Column 1: nothing, "Ok", or "Не найден".
  enum class Presence : std::uint8_t { None, Found, Missing };
  // Column 2: nothing, the package's description, or why there is none.
  enum class Note : std::uint8_t { None, Description, InstallerMissing, FileMissing, Damaged };

  std::string text;          // the package name: the file name less ".vgp"
  bool checked = false;      // selected for the next run
  bool selected = false;     // highlighted
  Presence presence = Presence::None;
  Note note = Note::None;
  std::string path;          // column 3: the installer path, variables expanded
  std::shared_ptr<const StoredSummary> summary;   // the description shown with Note::Description
};

}  // namespace velgaro
