// The order file: the bytes as Position.lst of a package folder, read when the list is loaded. The
// order may move rows but never add, drop or duplicate one, and the order saved from the list must
// load back as it was.
#include <algorithm>

#include "FuzzWorld.h"
#include "package/OrderFile.h"
#include "library/PackageLibrary.h"

namespace {

std::vector<std::string> Texts(const velgaro::PackageLibrary& library) {
  std::vector<std::string> texts;
  for (const velgaro::LibraryRow& row : library.Rows()) texts.push_back(row.text);
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  World w;
  // Names a user's folder may hold: letter case, blanks, Cyrillic, a prefix of another name.
  for (const char* name : {"Alpha", "alpha 2", "Beta", "Бета", "C", "C D", "Zeta.old"}) {
    w.fs.AddFile(std::string(World::kPackageFolder) + "\\" + name + ".vgp", "x");
  }
  PackageLibrary library(LibraryDeps{w.fs, w.codepage, w.app.paths, w.app.language, w.app.summaries});
  library.SetFolder(World::kPackageFolder);
  Check(library.LoadListView(), "the folder lists");
  std::vector<std::string> alphabetical = Texts(library);

  w.fs.AddFile(std::string(World::kPackageFolder) + "\\" + kOrderFileName, AsBytes(data, size));
  Check(library.LoadListView(), "the folder lists with an order file");
  const std::vector<std::string> ordered = Texts(library);
  std::vector<std::string> sorted = ordered;
  std::sort(sorted.begin(), sorted.end());
  std::sort(alphabetical.begin(), alphabetical.end());
  Check(sorted == alphabetical, "the order file only moves rows");
  Check(library.IsEqualList(), "the rows are still the folder's packages");

  Check(library.SavePositionList(), "the order file is written");
  Check(library.LoadListView() && Texts(library) == ordered, "the saved order loads back");
  return 0;
}
