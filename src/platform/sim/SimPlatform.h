// In-memory adapters for tests: system facts, files, INI files, settings, registry, code page and
// scripted dialogs. Every field a test may want to arrange is public.
// (Windows, input, processes, clock, timers and the message pump are in SimDesktop.h.)
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/IniText.h"
#include "platform/Ports.h"

namespace velgaro {

// Windows compares paths without regard to case: the key all sim maps use.
std::string SimPathKey(const std::string& path);

class SimSystemInfo : public SystemInfo {
 public:
  SimSystemInfo();

  std::string exeFolder = "C:\\Tools\\Rec";
  std::map<std::string, int> driveTypes;          // root ("C:\") -> DriveKind; missing roots: kDriveNoRoot
  std::vector<std::string> logicalDrives{"C:\\"};
  std::optional<std::string> userName = std::string("User");
  std::string windowsFolder = "C:\\WINDOWS";
  std::string tempPath = "C:\\TEMP\\";
  std::uint16_t langId = 1049;
  int screenWidth = 1024;
  int screenHeight = 768;

  std::string ExeFolder() const override { return exeFolder; }
  int DriveType(const std::string& root) const override;
  std::vector<std::string> LogicalDrives() const override { return logicalDrives; }
  std::optional<std::string> UserName() const override { return userName; }
  std::string WindowsFolder() const override { return windowsFolder; }
  std::string TempPath() const override { return tempPath; }
  std::uint16_t UserDefaultLangId() const override { return langId; }
  int ScreenWidth() const override { return screenWidth; }
  int ScreenHeight() const override { return screenHeight; }
  std::string EnvironmentVariable(const std::string& name) const override;

  std::map<std::string, std::string> environment{{"SystemRoot", "C:\\WINDOWS"}};   // names without regard to case

  // Adds root to the logical drives (if absent) with the given kind.
  void AddDrive(const std::string& root, int kind);
};

// What fault injection counts: the operations that change a disk.
enum class FileOp { Write, Flush, Rename, Delete };

class SimFileSystem : public FileSystem {
 public:
  struct Operation {
    FileOp op;
    std::string path;   // the file written, flushed, renamed (its old name) or deleted
    bool failed;        // made to fail by FailOperation
  };

  struct Entry {
    std::string path;        // as first given (original case)
    bool isFolder = false;
    Bytes content;
    bool readOnly = false;
    bool hidden = false;     // hidden or system: left out of ListFiles
    bool link = false;       // a symbolic link or junction (ListEntries reports it)
    std::optional<std::uint64_t> size = std::nullopt;   // a file's size as reported, when not its content's
    std::uint64_t modified = 0;   // the last write, as FolderEntry::modified
  };

  // Parent folders are implied: adding a file creates them.
  void AddFile(const std::string& path, const Bytes& content);
  void AddFile(const std::string& path, const std::string& content);
  void AddFolder(const std::string& path);
  void SetReadOnly(const std::string& path, bool readOnly);
  void SetHidden(const std::string& path, bool hidden);
  // A folder that exists but cannot be listed (no access).
  void SetUnlistable(const std::string& path, bool unlistable);
  void SetFailWrites(bool fail) { failWrites_ = fail; }
  // A file reported with a size other than its content's (large files without the bytes).
  void SetFileSize(const std::string& path, std::uint64_t size);
  void SetLink(const std::string& path, bool link);
  // Every write (AddFile included) stamps its file a second and a tick after the one before; Copy and
  // Rename keep the stamp, as on Windows. This sets one.
  void SetModified(const std::string& path, std::uint64_t modified);
  // Free bytes per drive root ("C:\"); a drive not listed here fails FreeBytes.
  void SetFreeBytes(const std::string& root, std::uint64_t bytes);
  // File content as text; empty when missing.
  std::string Text(const std::string& path) const;
  std::size_t WriteCount() const { return writeCount_; }
  // The n-th call of Copy from now (1: the next one) fails after writing half of the file; 0: none fails.
  void FailCopyNumber(std::size_t n) { failCopyAt_ = n == 0 ? 0 : copyCount_ + n; }
  std::size_t CopyCount() const { return copyCount_; }
  const std::map<std::string, Entry>& Entries() const { return entries_; }

  // Fault injection. Every write, flush, rename and delete that would change the disk is counted, all
  // kinds in one sequence; calls refused beforehand (a missing or read-only file) are not. A safe write
  // is, as in the Windows adapter, a write of a temporary file beside the target, its flush, its rename
  // over the target and, when one of those failed, the delete of the temporary file. Copy is a write.
  // FailOperation(n): the n-th operation from now (1: the next) fails as on a real disk: a write leaves
  // the first half of its data behind, a flush, rename or delete changes nothing. 0: none fails.
  void FailOperation(std::size_t n) { failOperationAt_ = n == 0 ? 0 : operations_.size() + n; }
  std::size_t OperationCount() const { return operations_.size(); }
  const std::vector<Operation>& Operations() const { return operations_; }

  bool Exists(const std::string& path) const override;
  bool IsDirectory(const std::string& path) const override;
  std::optional<Bytes> ReadAll(const std::string& path) const override;
  std::optional<std::uint64_t> FileSize(const std::string& path) const override;
  // Fails when writes fail, the target is read-only or a folder, or the parent folder is missing.
  bool WriteAllReplacing(const std::string& path, const Bytes& bytes) override;
  // Patterns: "*", "*.ext", or an exact name; sorted without regard to case.
  std::vector<std::string> List(const std::string& folder, const std::string& pattern) const override;
  std::optional<std::vector<FolderEntry>> ListFileEntries(const std::string& folder, const std::string& pattern,
                                                          const std::function<void()>& meanwhile = {}) const override;
  std::optional<std::vector<FolderEntry>> ListEntries(const std::string& folder) const override;
  // The drive root is the path's first three characters ("C:\").
  std::optional<std::uint64_t> FreeBytes(const std::string& path) const override;
  bool CreateFolder(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  // Fails for a missing source or one that is a folder, a missing target folder, an existing target
  // with failIfExists, and a read-only or folder target.
  bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
  bool SetNormalAttributes(const std::string& path) override;

 private:
  const Entry* Find(const std::string& path) const;
  void AddParents(const std::string& path);
  // Counts an operation; false when it is the one to fail.
  bool Perform(FileOp op, const std::string& path);
  std::uint64_t NextWriteTime() { return writeClock_ += kSecond + 1; }

  static constexpr std::uint64_t kSecond = 10000000;            // in 100-nanosecond steps
  std::uint64_t writeClock_ = 13400000000u * kSecond;          // the year 2025

  std::map<std::string, Entry> entries_;   // key: SimPathKey
  std::vector<std::string> unlistable_;    // keys
  std::map<std::string, std::uint64_t> freeBytes_;   // key: SimPathKey of the root
  bool failWrites_ = false;
  std::size_t writeCount_ = 0;
  std::size_t copyCount_ = 0;
  std::size_t failCopyAt_ = 0;
  std::vector<Operation> operations_;
  std::size_t failOperationAt_ = 0;   // the number in operations_ of the one to fail; 0: none
};

class SimCodepage : public Codepage {
 public:
  std::string ToAnsi(const std::string& utf8) const override;
  std::string FromAnsi(const std::string& bytes) const override;
};

// Profile files stored as SimFileSystem content (ANSI bytes), converted with Windows-1251.
class SimIniFile : public ProfileFile {
 public:
  explicit SimIniFile(SimFileSystem& fs) : ProfileFile(fs, codepage_) {}

 private:
  static const SimCodepage codepage_;
};

class SimSettingsStore : public SettingsStore {
 public:
  std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const override;
  bool Set(const std::string& section, const std::string& key, const std::string& value) override;

  std::map<std::pair<std::string, std::string>, std::string>& Values() { return values_; }
  const std::map<std::pair<std::string, std::string>, std::string>& Values() const { return values_; }
  bool failWrites = false;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

class SimRegistry : public Registry {
 public:
  struct Value {
    std::string data;
    bool expandable = false;   // REG_EXPAND_SZ
  };
  using Key = std::tuple<RegRoot, std::string, std::string>;   // root, key (lower case), value name (lower case)

  void Put(RegRoot root, const std::string& key, const std::string& valueName, const std::string& data,
           bool expandable = false);
  std::optional<Value> Find(RegRoot root, const std::string& key, const std::string& valueName) const;

  std::string GetString(RegRoot root, const std::string& key, const std::string& valueName) const override;
  std::string GetExpandedString(RegRoot root, const std::string& key, const std::string& valueName) const override;
  bool SetString(RegRoot root, const std::string& key, const std::string& valueName, const std::string& data) override;

  // Environment used for REG_EXPAND_SZ ("SystemRoot" -> "C:\WINDOWS"), names without regard to case.
  std::map<std::string, std::string> environment{{"systemroot", "C:\\WINDOWS"}, {"windir", "C:\\WINDOWS"}};
  bool failWrites = false;
  std::map<Key, Value> values;
};

class SimDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;        // message text, or the save dialog's title
    std::string title;       // message title, or the save dialog's filter
    unsigned style = 0;      // message style; save dialog: its flags
    bool isSaveDialog = false;
    bool isFolderDialog = false;   // text: its title, title: its start folder
    bool isOpenDialog = false;     // as the save dialog
    WindowHandle owner = 0;
    SaveFileRequest request; // the save dialog's whole request
  };

  // Answers in order; when empty, kIdOk for OK-only boxes and kIdNo otherwise.
  std::deque<int> answers;
  // Save dialog answers in order; when empty, cancel (nullopt).
  std::deque<std::optional<std::string>> saveAnswers;
  // Open dialog answers in order; when empty, cancel (nullopt).
  std::deque<std::optional<std::string>> openAnswers;
  // Folder browser answers in order; when empty, cancel (empty text).
  std::deque<std::string> folderAnswers;
  std::vector<Shown> shown;

  int MessageBox(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) override;
  std::optional<std::string> SaveFile(WindowHandle owner, const SaveFileRequest& request) override;
  std::optional<std::string> OpenFile(WindowHandle owner, const SaveFileRequest& request) override;
  std::string BrowseForFolder(WindowHandle owner, const std::string& title, const std::string& startFolder) override;

 private:
  std::optional<std::string> FileDialog(WindowHandle owner, const SaveFileRequest& request, bool save,
                                        std::deque<std::optional<std::string>>& answers);
};

// Records what the program asked the shell to open or run.
class SimShell : public Shell {
 public:
  bool Open(const std::string& target) override;
  bool RunMinimized(const std::string& commandLine) override;

  std::vector<std::string> opened;
  std::vector<std::string> ran;
  bool fail = false;
};

}  // namespace velgaro
