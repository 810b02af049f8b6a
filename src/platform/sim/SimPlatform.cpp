#include "platform/sim/SimPlatform.h"

#include <algorithm>
#include <cstdint>

#include "platform/Cp1251.h"
#include "platform/IniText.h"
#include "platform/TextFold.h"

namespace velgaro {
namespace {



// The folder part of a normalised key; empty for a root or a name without folder.
std::string ParentKey(const std::string& key) {
  const std::size_t slash = key.find_last_of('\\');
  if (slash == std::string::npos) return {};
  if (slash + 1 == key.size()) return {};            // "c:\" is a root
  if (slash == 2 && key[1] == ':') return key.substr(0, 3);
  if (key.compare(0, 2, "\\\\") == 0 && std::count(key.begin(), key.end(), '\\') <= 3) return {};
  return key.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
  const std::size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? p : p.substr(slash + 1);
}


}  // namespace

std::string SimPathKey(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '/', '\\');
  // Runs of separators count as one, except the two that begin a share path.
  std::string out;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (p[i] == '\\' && !out.empty() && out.back() == '\\' && i > 1) continue;
    out += p[i];
  }
  while (out.size() > 1 && out.back() == '\\' && !(out.size() == 3 && out[1] == ':')) out.pop_back();
  if (out.size() == 2 && out[1] == ':') out += '\\';
  return FoldCase(out);
}

// ---- SimSystemInfo

SimSystemInfo::SimSystemInfo() { driveTypes["C:\\"] = kDriveFixed; }

int SimSystemInfo::DriveType(const std::string& root) const {
  const auto it = driveTypes.find(ToUpperAscii(root));
  return it == driveTypes.end() ? kDriveNoRoot : it->second;
}

std::string SimSystemInfo::EnvironmentVariable(const std::string& name) const {
  for (const auto& [key, value] : environment) {
    if (ToLowerAscii(key) == ToLowerAscii(name)) return value;
  }
  return {};
}

void SimSystemInfo::AddDrive(const std::string& root, int kind) {
  const std::string r = ToUpperAscii(root);
  driveTypes[r] = kind;
  if (std::find(logicalDrives.begin(), logicalDrives.end(), r) == logicalDrives.end()) logicalDrives.push_back(r);
}

// ---- SimFileSystem

const SimFileSystem::Entry* SimFileSystem::Find(const std::string& path) const {
  const auto it = entries_.find(SimPathKey(path));
  return it == entries_.end() ? nullptr : &it->second;
}

void SimFileSystem::AddParents(const std::string& path) {
  std::string parent = ParentKey(SimPathKey(path));
  std::string original = path;
  while (!parent.empty()) {
    // Keep the caller's spelling of the folder: cut the original path to the parent's length.
    std::replace(original.begin(), original.end(), '/', '\\');
    const std::string spelled = original.size() >= parent.size() ? original.substr(0, parent.size()) : parent;
    if (entries_.count(parent) == 0) entries_[parent] = Entry{spelled, true, {}, false};
    parent = ParentKey(parent);
  }
}

void SimFileSystem::AddFile(const std::string& path, const Bytes& content) {
  AddParents(path);
  Entry& added = entries_[SimPathKey(path)] = Entry{path, false, content, false};
  added.modified = NextWriteTime();
}

void SimFileSystem::AddFile(const std::string& path, const std::string& content) {
  AddFile(path, Bytes(content.begin(), content.end()));
}

void SimFileSystem::AddFolder(const std::string& path) {
  AddParents(path);
  const std::string key = SimPathKey(path);
  if (entries_.count(key) == 0) entries_[key] = Entry{path, true, {}, false};
}

void SimFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
  const auto it = entries_.find(SimPathKey(path));
  if (it != entries_.end()) it->second.readOnly = readOnly;
}

void SimFileSystem::SetHidden(const std::string& path, bool hidden) {
  const auto it = entries_.find(SimPathKey(path));
  if (it != entries_.end()) it->second.hidden = hidden;
}

void SimFileSystem::SetUnlistable(const std::string& path, bool unlistable) {
  const std::string key = SimPathKey(path);
  unlistable_.erase(std::remove(unlistable_.begin(), unlistable_.end(), key), unlistable_.end());
  if (unlistable) unlistable_.push_back(key);
}

void SimFileSystem::SetFileSize(const std::string& path, std::uint64_t size) {
  const auto it = entries_.find(SimPathKey(path));
  if (it != entries_.end() && !it->second.isFolder) it->second.size = size;
}

void SimFileSystem::SetModified(const std::string& path, std::uint64_t modified) {
  const auto it = entries_.find(SimPathKey(path));
  if (it != entries_.end()) it->second.modified = modified;
}

void SimFileSystem::SetLink(const std::string& path, bool link) {
  const auto it = entries_.find(SimPathKey(path));
  if (it != entries_.end()) it->second.link = link;
}

void SimFileSystem::SetFreeBytes(const std::string& root, std::uint64_t bytes) {
  freeBytes_[SimPathKey(root)] = bytes;
}

std::string SimFileSystem::Text(const std::string& path) const {
  const Entry* e = Find(path);
  if (!e || e->isFolder) return {};
  return std::string(e->content.begin(), e->content.end());
}

bool SimFileSystem::Exists(const std::string& path) const { return !path.empty() && Find(path) != nullptr; }

bool SimFileSystem::IsDirectory(const std::string& path) const {
  const Entry* e = path.empty() ? nullptr : Find(path);
  return e && e->isFolder;
}

std::optional<Bytes> SimFileSystem::ReadAll(const std::string& path) const {
  const Entry* e = path.empty() ? nullptr : Find(path);
  if (!e || e->isFolder) return std::nullopt;
  return e->content;
}

std::optional<std::uint64_t> SimFileSystem::FileSize(const std::string& path) const {
  const Entry* e = path.empty() ? nullptr : Find(path);
  if (!e || e->isFolder) return std::nullopt;
  return e->size ? *e->size : e->content.size();
}

bool SimFileSystem::Perform(FileOp op, const std::string& path) {
  operations_.push_back(Operation{op, path, false});
  operations_.back().failed = operations_.size() == failOperationAt_;
  return !operations_.back().failed;
}

bool SimFileSystem::WriteAllReplacing(const std::string& path, const Bytes& bytes) {
  if (failWrites_ || path.empty()) return false;
  const std::string key = SimPathKey(path);
  const std::string parent = ParentKey(key);
  if (parent.empty() || !IsDirectory(parent)) return false;
  const auto existing = entries_.find(key);
  if (existing != entries_.end() && (existing->second.isFolder || existing->second.readOnly)) return false;

  std::string temp = path + ".tmp";
  for (int attempt = 1; entries_.count(SimPathKey(temp)) != 0; ++attempt) {
    temp = path + "." + std::to_string(attempt) + ".tmp";
  }
  const std::string tempKey = SimPathKey(temp);
  const bool written = Perform(FileOp::Write, temp);
  Entry& tempEntry = entries_[tempKey] = Entry{temp, false, bytes, false};
  if (!written) tempEntry.content.resize(bytes.size() / 2);
  if (!written || !Perform(FileOp::Flush, temp) || !Perform(FileOp::Rename, temp)) {
    if (Perform(FileOp::Delete, temp)) entries_.erase(tempKey);
    return false;
  }
  // The target keeps its spelling and attributes; only its content is new.
  Entry replaced = existing != entries_.end() ? existing->second : Entry{path, false, {}, false};
  replaced.content = bytes;
  replaced.size.reset();
  replaced.modified = NextWriteTime();
  entries_.erase(tempKey);
  entries_[key] = replaced;
  ++writeCount_;
  return true;
}

std::vector<std::string> SimFileSystem::List(const std::string& folder, const std::string& pattern) const {
  const std::string folderKey = SimPathKey(folder);
  std::vector<std::string> names;
  for (const auto& [key, entry] : entries_) {
    if (ParentKey(key) != folderKey) continue;
    const std::string name = NameOf(entry.path);
    if (WildcardMatch(name, pattern)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return FoldCase(a) < FoldCase(b); });
  return names;
}

std::optional<std::vector<FolderEntry>> SimFileSystem::ListFileEntries(
    const std::string& folder, const std::string& pattern, const std::function<void()>& meanwhile) const {
  const std::string folderKey = SimPathKey(folder);
  if (!IsDirectory(folder)) return std::nullopt;
  if (std::find(unlistable_.begin(), unlistable_.end(), folderKey) != unlistable_.end()) return std::nullopt;
  std::vector<FolderEntry> found;
  for (const auto& [key, entry] : entries_) {
    if (entry.isFolder || entry.hidden || ParentKey(key) != folderKey) continue;
    const std::string name = NameOf(entry.path);
    if (!WildcardMatch(name, pattern)) continue;
    found.push_back(FolderEntry{name, false, entry.link, entry.size ? *entry.size : entry.content.size(), entry.modified});
    // Every entry: a test sees the calls without a folder of hundreds.
    if (meanwhile) meanwhile();
  }
  return found;
}

std::optional<std::vector<FolderEntry>> SimFileSystem::ListEntries(const std::string& folder) const {
  const std::string folderKey = SimPathKey(folder);
  if (!IsDirectory(folder)) return std::nullopt;
  if (std::find(unlistable_.begin(), unlistable_.end(), folderKey) != unlistable_.end()) return std::nullopt;
  std::vector<FolderEntry> found;
  for (const auto& [key, entry] : entries_) {
    if (ParentKey(key) != folderKey) continue;
    const std::uint64_t size = entry.isFolder ? 0 : (entry.size ? *entry.size : entry.content.size());
    found.push_back(FolderEntry{NameOf(entry.path), entry.isFolder, entry.link, size, entry.modified});
  }
  return found;
}

std::optional<std::uint64_t> SimFileSystem::FreeBytes(const std::string& path) const {
  if (path.size() < 3) return std::nullopt;
  const auto it = freeBytes_.find(SimPathKey(path.substr(0, 3)));
  if (it == freeBytes_.end()) return std::nullopt;
  return it->second;
}

bool SimFileSystem::CreateFolder(const std::string& path) {
  if (failWrites_ || path.empty()) return false;
  const std::string key = SimPathKey(path);
  if (entries_.count(key) != 0) return false;
  const std::string parent = ParentKey(key);
  if (!parent.empty() && !IsDirectory(parent)) return false;
  entries_[key] = Entry{path, true, {}, false};
  return true;
}

bool SimFileSystem::Rename(const std::string& from, const std::string& to) {
  if (failWrites_ || from.empty() || to.empty()) return false;
  const auto it = entries_.find(SimPathKey(from));
  const std::string toKey = SimPathKey(to);
  if (it == entries_.end() || it->second.isFolder) return false;
  if (toKey != it->first && entries_.count(toKey) != 0) return false;
  const std::string parent = ParentKey(toKey);
  if (!parent.empty() && entries_.count(parent) == 0) return false;
  if (!Perform(FileOp::Rename, from)) return false;
  Entry moved = it->second;
  moved.path = to;
  entries_.erase(it);
  entries_[toKey] = moved;
  return true;
}

bool SimFileSystem::Remove(const std::string& path) {
  if (failWrites_ || path.empty()) return false;
  const auto it = entries_.find(SimPathKey(path));
  if (it == entries_.end() || it->second.readOnly) return false;
  if (it->second.isFolder) {
    for (const auto& entry : entries_) {
      if (ParentKey(entry.first) == it->first) return false;   // not empty
    }
  }
  if (!Perform(FileOp::Delete, path)) return false;
  entries_.erase(it);
  return true;
}

bool SimFileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists) {
  const std::size_t number = ++copyCount_;
  if (failWrites_ || from.empty() || to.empty()) return false;
  const Entry* source = Find(from);
  if (!source || source->isFolder) return false;
  const std::string toKey = SimPathKey(to);
  const std::string parent = ParentKey(toKey);
  if (parent.empty() || !IsDirectory(parent)) return false;
  const auto existing = entries_.find(toKey);
  if (existing != entries_.end()) {
    if (failIfExists || existing->second.isFolder || existing->second.readOnly) return false;
    if (existing->first == SimPathKey(from)) return false;   // sharing violation on itself
  }
  Entry copied = *source;
  copied.path = existing != entries_.end() ? existing->second.path : to;
  copied.link = false;
  const bool written = Perform(FileOp::Write, to);
  if (number == failCopyAt_ || !written) {
    // Broken off midway: what was written so far stays.
    copied.content.resize(copied.content.size() / 2);
    copied.size.reset();
    copied.readOnly = false;
    copied.modified = NextWriteTime();
    entries_[toKey] = copied;
    return false;
  }
  entries_[toKey] = copied;
  return true;
}

bool SimFileSystem::SetNormalAttributes(const std::string& path) {
  if (path.empty()) return false;
  const auto it = entries_.find(SimPathKey(path));
  if (it == entries_.end()) return false;
  it->second.readOnly = false;
  it->second.hidden = false;
  return true;
}

// ---- SimIniFile

const SimCodepage SimIniFile::codepage_;

// ---- SimSettingsStore (names without regard to case, as in the registry behind it on Windows)

std::string SimSettingsStore::Get(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
  for (const auto& [name, value] : values_) {
    if (ToLowerAscii(name.first) == ToLowerAscii(section) && ToLowerAscii(name.second) == ToLowerAscii(key)) return value;
  }
  return defaultValue;
}

bool SimSettingsStore::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (failWrites) return false;
  for (auto& [name, stored] : values_) {
    if (ToLowerAscii(name.first) == ToLowerAscii(section) && ToLowerAscii(name.second) == ToLowerAscii(key)) {
      stored = value;
      return true;
    }
  }
  values_[{section, key}] = value;
  return true;
}

// ---- SimRegistry

void SimRegistry::Put(RegRoot root, const std::string& key, const std::string& valueName, const std::string& data,
                      bool expandable) {
  values[Key{root, ToLowerAscii(key), ToLowerAscii(valueName)}] = Value{data, expandable};
}

std::optional<SimRegistry::Value> SimRegistry::Find(RegRoot root, const std::string& key,
                                                   const std::string& valueName) const {
  const auto it = values.find(Key{root, ToLowerAscii(key), ToLowerAscii(valueName)});
  if (it == values.end()) return std::nullopt;
  return it->second;
}

std::string SimRegistry::GetString(RegRoot root, const std::string& key, const std::string& valueName) const {
  const std::optional<Value> v = Find(root, key, valueName);
  if (!v || v->expandable) return {};
  return v->data.substr(0, v->data.find('\0'));
}

std::string SimRegistry::GetExpandedString(RegRoot root, const std::string& key, const std::string& valueName) const {
  const std::optional<Value> v = Find(root, key, valueName);
  if (!v) return {};
  std::string data = v->data.substr(0, v->data.find('\0'));
  if (!v->expandable) return data;
  std::string out;
  std::size_t pos = 0;
  while (pos < data.size()) {
    const std::size_t open = data.find('%', pos);
    const std::size_t close = open == std::string::npos ? std::string::npos : data.find('%', open + 1);
    if (close == std::string::npos) break;
    const auto it = environment.find(ToLowerAscii(data.substr(open + 1, close - open - 1)));
    out += data.substr(pos, open - pos);
    if (it != environment.end()) {
      out += it->second;
      pos = close + 1;
    } else {
      out += '%';   // unknown names stay as they are
      pos = open + 1;
    }
  }
  return out + data.substr(pos);
}

bool SimRegistry::SetString(RegRoot root, const std::string& key, const std::string& valueName,
                            const std::string& data) {
  if (failWrites) return false;
  Put(root, key, valueName, data, false);
  return true;
}

// ---- SimCodepage

std::string SimCodepage::ToAnsi(const std::string& utf8) const { return Utf8ToCp1251(utf8); }
std::string SimCodepage::FromAnsi(const std::string& bytes) const { return Cp1251ToUtf8(bytes); }

// ---- SimDialogs

int SimDialogs::MessageBox(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) {
  Shown s;
  s.text = text;
  s.title = title;
  s.style = style;
  s.owner = owner;
  shown.push_back(s);
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return (style & 0x0Fu) == kMbOk ? kIdOk : kIdNo;
}

std::optional<std::string> SimDialogs::FileDialog(WindowHandle owner, const SaveFileRequest& request, bool save,
                                                  std::deque<std::optional<std::string>>& answers) {
  Shown s;
  s.text = request.title;
  s.title = request.filter;
  s.style = request.flags;
  s.isSaveDialog = save;
  s.isOpenDialog = !save;
  s.owner = owner;
  s.request = request;
  shown.push_back(s);
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> SimDialogs::SaveFile(WindowHandle owner, const SaveFileRequest& request) {
  return FileDialog(owner, request, true, saveAnswers);
}

std::optional<std::string> SimDialogs::OpenFile(WindowHandle owner, const SaveFileRequest& request) {
  return FileDialog(owner, request, false, openAnswers);
}

std::string SimDialogs::BrowseForFolder(WindowHandle owner, const std::string& title, const std::string& startFolder) {
  Shown s;
  s.text = title;
  s.title = startFolder;
  s.isFolderDialog = true;
  s.owner = owner;
  shown.push_back(s);
  if (folderAnswers.empty()) return {};
  std::string answer = folderAnswers.front();
  folderAnswers.pop_front();
  return answer;
}

// ---- SimShell

bool SimShell::Open(const std::string& target) {
  opened.push_back(target);
  return !fail;
}

bool SimShell::RunMinimized(const std::string& commandLine) {
  ran.push_back(commandLine);
  return !fail;
}

}  // namespace velgaro
