// FolderPath.xml: the bytes as the file beside the program, read through the native XML adapter as the
// disk wizard reads it. What the wizard writes back (its rows: a package's file name and a folder for
// each) must read back the same.
#include <algorithm>

#include "FuzzWorld.h"
#include "platform/posix/PosixXml.h"
#include "wizard/FolderPathFile.h"

namespace {

// A row of the wizard: named after a package file, with a folder; neither holds a control character.
bool IsRow(const velgaro::SavedFolder& record) {
  auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20; };
  return !record.name.empty() && std::none_of(record.name.begin(), record.name.end(), control) &&
         std::none_of(record.path.begin(), record.path.end(), control);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  World w;
  PosixXml xml;
  const std::string file = AddBackslash(w.sys.exeFolder) + kFolderPathFileName;
  w.fs.AddFile(file, AsBytes(data, size));

  std::vector<SavedFolder> rows = ReadFolderPathFile(w.fs, xml, file);
  rows.erase(std::remove_if(rows.begin(), rows.end(), [](const SavedFolder& r) { return !IsRow(r); }), rows.end());
  if (rows.empty()) return 0;
  Check(WriteFolderPathFile(w.fs, xml, file, rows), "the rows are written");
  Check(ReadFolderPathFile(w.fs, xml, file) == rows, "the rows written read back the same");
  return 0;
}
