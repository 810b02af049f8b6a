#include "wizard/DiskCopy.h"

#include <algorithm>

#include "package/paths/PathVariables.h"
#include "platform/TextFold.h"

namespace velgaro {
namespace {

// Beside the destination, so the final rename stays on one drive.
constexpr const char* kPartSuffix = ".vgpart";
constexpr const char* kOldSuffix = ".vgold";

std::string Normalized(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  return FoldCase(path);
}

}  // namespace

std::string ActualName(const FileSystem& fs, const std::string& folder, const std::string& name) {
  for (const std::string& listed : fs.List(folder, name)) {
    if (FoldCase(listed) == FoldCase(name)) return listed;
  }
  return name;
}

bool SameOrInside(const std::string& path, const std::string& folder) {
  const std::string p = Normalized(path);
  const std::string f = Normalized(folder);
  if (p.empty() || f.empty()) return false;
  if (p == f) return true;
  return p.size() > f.size() && p.compare(0, f.size(), f) == 0 && (f.back() == '\\' || p[f.size()] == '\\');
}

bool SamePath(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() && Normalized(a) == Normalized(b);
}

std::vector<std::string> ListFileNames(const FileSystem& fs, const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  std::optional<std::vector<std::string>> listed = fs.ListFiles(folder, "*" + extension);
  if (!listed) return names;
  const std::string wanted = FoldCase(extension);
  for (std::string& name : *listed) {
    if (name.size() > wanted.size() && FoldCase(name.substr(name.size() - wanted.size())) == wanted) {
      names.push_back(std::move(name));
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = FoldCase(a), fb = FoldCase(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

std::vector<std::string> ListPackageFileNames(const FileSystem& fs, const std::string& folder) {
  return ListFileNames(fs, folder, ".vgp");
}

bool CopyWholeFile(FileSystem& fs, const std::string& source, const std::string& destination) {
  if (Normalized(source) == Normalized(destination)) return false;
  const std::string part = destination + kPartSuffix;
  const std::string old = destination + kOldSuffix;
  for (const std::string& leftover : {part, old}) {
    if (fs.Exists(leftover)) {
      fs.SetNormalAttributes(leftover);
      fs.Remove(leftover);
    }
  }
  if (!fs.Copy(source, part, true)) {
    fs.Remove(part);   // whatever the broken copy left
    return false;
  }
  fs.SetNormalAttributes(part);
  // A rename never replaces a file: the old one steps aside until the new one has its name, so that
  // a failure at any point leaves it where it was.
  const bool replacing = fs.Exists(destination);
  if (replacing && !fs.Rename(destination, old)) {
    fs.Remove(part);
    return false;
  }
  if (!fs.Rename(part, destination)) {
    if (replacing) fs.Rename(old, destination);
    fs.Remove(part);
    return false;
  }
  if (!replacing) return true;
  fs.SetNormalAttributes(old);
  return fs.Remove(old);   // false: the old copy is still on the disk beside the new one
}

bool CopyFileLogged(FileSystem& fs, CopyLog& log, const std::string& source, const std::string& destination) {
  const bool copied = CopyWholeFile(fs, source, destination);
  log.CopyingFile(source, destination);
  if (!copied) log.FileCopyError();
  return copied;
}

bool CreateFolderLogged(FileSystem& fs, CopyLog& log, const std::string& path) {
  if (fs.Exists(path)) return true;
  const bool created = fs.CreateFolder(path);
  log.CreatingFolder(path);
  if (!created) log.FolderCreateError(path);
  return created;
}

std::uint64_t BytesNeeded(const FileSystem& fs, const std::vector<std::pair<std::string, std::string>>& files) {
  std::uint64_t needed = 0;
  for (const auto& [source, destination] : files) {
    const std::uint64_t size = fs.FileSize(source).value_or(0);
    const std::uint64_t replaced = fs.FileSize(destination).value_or(0);
    if (size > replaced) needed += size - replaced;
  }
  return needed;
}

TreePlan PlanTreeCopy(const FileSystem& fs, const std::string& sourceFolder, const std::string& destinationFolder) {
  TreePlan plan;
  std::vector<std::pair<std::string, std::string>> level{{sourceFolder, destinationFolder}};
  while (!level.empty()) {
    std::vector<std::pair<std::string, std::string>> next;
    for (const auto& [from, to] : level) {
      plan.folders.push_back(to);
      const std::optional<std::vector<FolderEntry>> entries = fs.ListEntries(from);
      if (!entries) {
        if (!plan.unlisted) plan.unlisted = from;
        continue;
      }
      for (const FolderEntry& entry : *entries) {
        const std::string source = JoinPath(from, entry.name);
        const std::string destination = JoinPath(to, entry.name);
        if (!entry.isFolder) {
          plan.files.emplace_back(source, destination);
        } else if (!entry.isLink) {
          next.emplace_back(source, destination);
        }
      }
    }
    level.swap(next);
  }
  return plan;
}

std::optional<std::string> CopyFolderTree(FileSystem& fs, const TreePlan& plan, MessagePump* pump) {
  for (const std::string& folder : plan.folders) {
    if (!fs.IsDirectory(folder) && !fs.CreateFolder(folder)) return folder;
  }
  for (const auto& [source, destination] : plan.files) {
    if (pump) pump->RunOnce();
    if (!CopyWholeFile(fs, source, destination)) return source;
  }
  return std::nullopt;
}

}  // namespace velgaro
