// "FolderPath.xml" in the program folder: the program folder the user gave each package in an earlier
// run of the disk wizard.
//   <?xml version="1.0"?><list><vgp><name>Editor</name><path>C:\Program Files\Editor</path></vgp></list>
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

inline constexpr const char* kFolderPathFileName = "FolderPath.xml";
// A list for a thousand packages takes well under 1 MiB; a larger file is not ours and is not read.
inline constexpr std::uint64_t kMaxFolderPathFileBytes = 1024 * 1024;

struct SavedFolder {
  std::string name;   // the package name (its row text)
  std::string path;   // its program folder
  bool operator==(const SavedFolder& o) const { return name == o.name && path == o.path; }
};

// One record per element "vgp" anywhere in the document, in document order. A "vgp" with more than one
// child node takes its Name from its children "name" and its Path from its children "path" (the last
// of each wins); one with fewer keeps both empty.
std::vector<SavedFolder> ParseFolderList(const XmlNode& root);

// The records of the file. Empty when the file is missing, larger than kMaxFolderPathFileBytes,
// damaged, has a DOCTYPE, or holds no text at all.
std::vector<SavedFolder> ReadFolderPathFile(const FileSystem& fs, const Xml& xml, const std::string& file);

// Writes the list (every row, in row order) through the safe write; false when it was not written.
bool WriteFolderPathFile(FileSystem& fs, const Xml& xml, const std::string& file,
                         const std::vector<SavedFolder>& rows);

}  // namespace velgaro
