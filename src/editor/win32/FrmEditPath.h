// frmEditPath: the text box of one row's installer path, with a browse button, OK and Cancel. All it
// decides is nothing: the text goes to EditPathForm, and the editor applies the form's OK.
#pragma once

#include <windows.h>

#include "editor/EditPathForm.h"
#include "lang/Language.h"
#include "widgets/win32/ModalDialog.h"

namespace velgaro::editor {

class FrmEditPath : public widgets::ModalDialog {
 public:
  // resources: the module holding the dialog template; null: the program itself.
  FrmEditPath(EditPathForm& form, const Language& language, HINSTANCE resources = nullptr);

  // Shows the dialog until it is closed: true for OK, with the form holding the text of the box.
  bool ShowModal(HWND owner);

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;
  void ShowPath();

  EditPathForm& form_;
  const Language& language_;
  bool accepted_ = false;
};

}  // namespace velgaro::editor
