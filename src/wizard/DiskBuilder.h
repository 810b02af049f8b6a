// Building the disk folder: the copy of the program with its settings, help and language files, the
// package files, "autorun.inf", the ticked program folders, and the rewrite of the copied packages'
// installer paths. Only files inside the target folder are ever written: the user's own packages,
// settings and installers are read, never changed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"
#include "wizard/CopyLog.h"
#include "wizard/FolderPathFile.h"

namespace velgaro {

// Names inside the target folder.
inline constexpr const char* kDiskPackageFolderName = "Folder VGP";
inline constexpr const char* kDiskProgramFolderName = "Velgaro";
inline constexpr const char* kDiskLanguageFolderName = "Language";
inline constexpr const char* kAutorunFileName = "autorun.inf";
inline constexpr const char* kAutorunSection = "Autorun";
inline constexpr const char* kAutorunOpen = "velgaro\\Velgaro.exe";
inline constexpr const char* kAutorunIcon = "velgaro\\Velgaro.exe,0";

// What the user chose on pages 0 and 1.
struct DiskChoice {
  std::string target;          // the target folder
  std::string packageFolder;   // the disk package folder
  std::string softFolder;      // the programs folder name
  int speed = 0;               // SpeedInstall: 0 fast, 1 medium, 2 slow
};

struct DiskBuilderDeps {
  Platform platform;
  const PathVariables& paths;
  PackageTextContext packageText;   // how package images read and write their texts
  const Language& language;
  MessagePump* pump = nullptr;   // runs once between files of a folder copy; may be null
};
DiskBuilderDeps DiskBuilderDepsOf(App& app, MessagePump* pump);

// A ticked, not nested row of the package list.
struct FolderToCopy {
  std::string name;     // the row text
  std::string folder;   // column 5 as shown (may hold path variables)
};

// What page 5 shows while and after the folders are copied. Empty functions do nothing.
struct FolderCopyHooks {
  std::function<void(const std::string& source, const std::string& destination)> current;   // lblCopySource/Dest
  std::function<void(int copied)> copiedCount;                                                // lblCopyFolder
  std::function<void(int value, int maximum, const std::string& percent)> progress;          // prbCopy, lblPercent
};

struct FolderCopyResult {
  std::string report;    // txtCopyStat
  int copied = 0;
  int total = 0;
  bool refused = false;  // nothing was copied: a copy into itself, or too little room
};

// The outcome of page 2's work.
struct FilesPageResult {
  bool ok = false;
  bool refused = false;   // nothing was copied
  std::string status;     // lblReportStatus
};

// lblPercent: value / maximum * 100 as a whole number of at least two digits, then " %".
std::string PercentText(int value, int maximum);

// The installer path on the disk: "%DRIVEAPP%\", the programs folder name and the part of the
// installer below the parent of folderForExe; empty when the installer does not lie there.
std::string CompileHardExeName(const PathVariables& paths, const FileSystem& fs, const std::string& softFolder,
                               const std::string& folderForExe, const std::string& fileExe);

class DiskBuilder {
 public:
  DiskBuilder(DiskBuilderDeps deps, WindowHandle owner = 0);

  void SetChoice(const DiskChoice& choice) { choice_ = choice; }
  const DiskChoice& Choice() const { return choice_; }
  const CopyLog& Log() const { return log_; }
  CopyLog& Log() { return log_; }

  // "<target>\Folder VGP" and the like.
  std::string DiskPackageFolder() const;
  std::string DiskProgramFolder() const;
  std::string SoftFolderPath() const;

  // Why the program and packages must not be copied into the target; nullopt when they may.
  std::optional<std::string> RefuseFilesTarget() const;
  // Why the program folders must not be copied into the target; nullopt when they may.
  std::optional<std::string> RefuseFoldersTarget(const std::vector<FolderToCopy>& folders) const;

  // Packages, "position.lst", the program, its settings (with the disk's values written into the copy),
  // help and language files. True when no counted copy failed.
  bool CopyAllFiles();
  // "autorun.inf" in the target folder; true on success.
  bool CreateAutorunIni();
  // Page 2: the checks, CopyAllFiles and CreateAutorunIni, the messages and the closing log line.
  FilesPageResult CopyFilesPage();

  // Page 4: each folder into "<target>\<programs folder>\<last component>".
  FolderCopyResult CopyAllFolder(const std::vector<FolderToCopy>& folders, const FolderCopyHooks& hooks);

  // Page 6, option 0: each saved record's package on the disk gets its installer path on the disk. The
  // path is composed from the copied folder that holds the installer (the record's own, or the
  // enclosing folder that a nested one was copied with); a package whose installer lies under no such
  // folder keeps its path. The number of packages written.
  int ReplaceInstallerPaths(const std::vector<SavedFolder>& saved);

 private:
  std::string Text(int key) const;
  std::string TextParam(int key, const std::string& value) const;
  bool WriteDiskSettings(const std::string& iniFile);
  bool EnoughRoom(std::uint64_t needed, std::string& refusal) const;
  // The folder the rewrite composes the installer's disk path from.
  std::string CopiedFolderOf(const std::string& folder, const std::string& installer) const;

  DiskBuilderDeps d_;
  WindowHandle owner_;
  DiskChoice choice_;
  CopyLog log_;
  std::vector<std::string> copiedFolders_;   // the sources CopyAllFolder copied, variables expanded
};

}  // namespace velgaro
