// Closing a recording and writing package files, with the retry dialogue every writer of packages uses.
#pragma once

#include <functional>
#include <string>

#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// What SavePackageAs needs: the image (already scrambled) and where its dialogues come from.
struct SavePackageContext {
  PackageImage& package;
  const Language& language;
  Dialogs& dialogs;
  FileSystem& fs;
  std::string packageFolder;  // start folder of the save dialog
};

// Writes the image to path; when that fails, offers another place until a write succeeds or the user
// gives up. On return path holds the path last tried. True when the file was written.
bool SavePackageAs(const SavePackageContext& ctx, WindowHandle owner, std::string& path);

// Everything the Stop command of a recording hands over. Empty functions do nothing.
struct SaveRecordingContext {
  SaveRecordingContext(PackageImage& p, const Language& l, Dialogs& d, FileSystem& f, const PathVariables& v)
      : package(p), language(l), dialogs(d), fs(f), paths(v) {}

  PackageImage& package;
  const Language& language;
  Dialogs& dialogs;
  FileSystem& fs;
  const PathVariables& paths;
  LocalTime now;                  // the creation date
  std::string installerPath;
  std::string commandLine;        // already expanded
  std::string packageName;        // without extension
  std::string packageFolder;
  WindowHandle owner = 0;         // the control window
  bool unattendedInstall = false;
  std::function<void(const std::string&)> setStatusText;  // the control window's status label
  std::function<void()> showMainWindowAndRefresh;         // LoadListView, LoadTipTextLV, CheckCountLV
  std::function<void()> unloadControlWindow;
};

// Closes the recorded image (path, command line, date, options), writes it to
// <package folder>\<name>.VGP and hands control back to the main window. True when a file was written.
bool SaveRecording(SaveRecordingContext& ctx);

// The nothing-recorded question: true when the user agrees to save with NeedWait set.
bool AskNeedWait(const Language& language, Dialogs& dialogs, WindowHandle owner);

}  // namespace velgaro
