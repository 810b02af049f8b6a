// Copying for the disk wizard: one file whole or not at all, folders created with a log line, whole
// folder trees, and the checks made before anything is copied (no copy into itself, enough room).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"
#include "wizard/CopyLog.h"

namespace velgaro {

// The name the folder's entry really has for name matched without regard to case (the program's own
// files may be spelt "velgaro.ini" or "Velgaro.ini"); name itself when there is no such entry.
std::string ActualName(const FileSystem& fs, const std::string& folder, const std::string& name);

// True when path is folder or lies inside it (without regard to case, at a backslash boundary).
bool SameOrInside(const std::string& path, const std::string& folder);
bool SamePath(const std::string& a, const std::string& b);

// Names of the ordinary files of folder ending in extension (".vgp"), in the order of a file list
// (alphabetical without regard to case). The pattern "*.vgp" also matches longer extensions through
// short names, so the extension is checked again.
std::vector<std::string> ListFileNames(const FileSystem& fs, const std::string& folder, const std::string& extension);
std::vector<std::string> ListPackageFileNames(const FileSystem& fs, const std::string& folder);

// Copies source to destination through a temporary file beside the destination: the destination is
// afterwards either the complete new copy, or (when the copy failed) the old file as it was, or nothing
// when there was none; never a part. The copy is made writable, as files from read-only media must be
// for a rerun and the rewrite.
bool CopyWholeFile(FileSystem& fs, const std::string& source, const std::string& destination);

// CopyFileLogged: the copy with its log line, and the error line when it failed.
bool CopyFileLogged(FileSystem& fs, CopyLog& log, const std::string& source, const std::string& destination);
// CreateFolderLogged: nothing to do (and no line) when the path exists.
bool CreateFolderLogged(FileSystem& fs, CopyLog& log, const std::string& path);

// Bytes the copies would add on the destination's drive: each file's size less the size of the file
// it replaces. Pairs are (source file, destination file).
std::uint64_t BytesNeeded(const FileSystem& fs, const std::vector<std::pair<std::string, std::string>>& files);

// Every file of a folder tree with its destination under destinationFolder, and the folders to make
// (parents first). Linked folders are not entered: their content lies elsewhere and may loop back.
struct TreePlan {
  std::vector<std::string> folders;
  std::vector<std::pair<std::string, std::string>> files;
  std::optional<std::string> unlisted;   // the first folder of the tree that could not be listed
};
TreePlan PlanTreeCopy(const FileSystem& fs, const std::string& sourceFolder, const std::string& destinationFolder);

// CopyFolderTree: the planned folders and files, files whole or not at all; stops at the first
// failure. nullopt on success; else the path of the file or folder that failed.
std::optional<std::string> CopyFolderTree(FileSystem& fs, const TreePlan& plan, MessagePump* pump);

}  // namespace velgaro
