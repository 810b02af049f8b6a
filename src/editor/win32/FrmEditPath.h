// frmEditPath: the text box of one row's installer path, with a browse button, OK and Cancel. All it
// decides is nothing: the text goes to EditPathForm, and the editor applies the form's OK.
#pragma once

#include <windows.h>

#include "editor/EditPathForm.h"
#include "lang/Language.h"

namespace velgaro::editor {

class FrmEditPath {
 public:
  // resources: the module holding the dialog template; null: the program itself.
  FrmEditPath(EditPathForm& form, const Language& language, HINSTANCE resources = nullptr);
  FrmEditPath(const FrmEditPath&) = delete;
  FrmEditPath& operator=(const FrmEditPath&) = delete;

  // Shows the dialog until it is closed: true for OK, with the form holding the text of the box.
  bool ShowModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void ShowPath();

  EditPathForm& form_;
  const Language& language_;
  HINSTANCE resources_;
  HWND hwnd_ = nullptr;
};

}  // namespace velgaro::editor
