// frmEditPath: one package's installer path edited by hand, opened by a double click on a row of the
// batch editor. The dialog only holds the text; the editor decides what OK changes (SetNewPath).
#pragma once

#include <optional>
#include <string>

#include "lang/Language.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// The dialog's language section: 1 its caption, 2 the frame (OK and Cancel are New/4 and New/3).
inline constexpr const char* kEditPathSection = "frmEditPath";

struct EditPathDeps {
  const Language& language;
  const FileSystem& fs;
  SettingsStore& settings;
  Dialogs& dialogs;
  const PathVariables& paths;
};

class EditPathForm {
 public:
  EditPathForm(EditPathDeps deps, std::string path, WindowHandle owner = 0);

  const std::string& Path() const { return path_; }   // txtPath
  void SetPath(const std::string& text) { path_ = text; }
  void SetOwner(WindowHandle owner) { owner_ = owner; }

  // cmdBrowse: the installer open-file dialog, starting at the folder last browsed. A chosen file
  // replaces the text in variable form and its folder is remembered; true when it did.
  bool Browse();
  // OK: the path to write back, or nothing when the box is blank (a package must keep an installer).
  std::optional<std::string> Ok() const;

 private:
  EditPathDeps d_;
  std::string path_;
  WindowHandle owner_;
};

}  // namespace velgaro
