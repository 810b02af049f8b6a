// One row of the package list: a package file of the package folder and what its summary says.
#pragma once

#include <string>

namespace velgaro {

struct LibraryRow {
  std::string text;          // the package name: the file name less ".vgp"
  bool checked = false;      // selected for the next run
  bool selected = false;     // highlighted
  std::string presence;      // column 1: "Ok" or "Не найден"
  std::string description;   // column 2: the description, or why there is none
  std::string path;          // column 3: the installer path, variables expanded
  bool installerMissing = false;   // hovering shows "Не найден исполняемый файл"
};

}  // namespace velgaro
