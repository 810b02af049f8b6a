// The properties dialog: the new-package form in properties mode, filled from an existing package, and
// on OK the package written back, renamed when its name changed. The view forwards the dialog's load and
// OK here; everything else it does through the form.
#pragma once

#include <string>

#include "library/NewPackageForm.h"
#include "library/NewPackageTexts.h"
#include "package/PackageImage.h"

namespace velgaro {

struct PropertiesDeps {
  PackageTextContext packageText;   // how the package's texts are read and written
  const Language& language;
  Dialogs& dialogs;
  FileSystem& fs;
  const PathVariables& paths;
};

struct PropertiesOkResult {
  bool close = false;                                // the dialog closes: NewName() is pending for the row
  NewPackageFocus focus = NewPackageFocus::None;     // where the focus goes when it stays open
};

class PackageProperties {
 public:
  // form is in properties mode; rowText names the package: <packageFolder>\<rowText>.VGP.
  PackageProperties(PropertiesDeps deps, NewPackageForm& form, std::string packageFolder, std::string rowText,
                    WindowHandle owner = 0);

  void SetOwner(WindowHandle owner) { owner_ = owner; }
  // GetProperty: after the form's Load, the boxes from the package file.
  void GetProperty();
  // OK: the form's checks, the question about a path that does not exist, then SetProperty.
  PropertiesOkResult Ok();
  // The name the row takes once the dialog has closed by OK; empty otherwise.
  const std::string& NewName() const { return newName_; }

 private:
  PropertiesOkResult SetProperty();
  bool KeepMissingPath();
  std::string PackagePath(const std::string& name) const;
  std::string Text(NewKey key) const { return NewText(d_.language, key); }

  PropertiesDeps d_;
  PackageImage package_;   // the package as read by GetProperty, written back by OK
  NewPackageForm& form_;
  std::string folder_;
  std::string oldName_;
  WindowHandle owner_;
  std::string newName_;
};

}  // namespace velgaro
