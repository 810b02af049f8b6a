#include "editor/win32/FrmEditPath.h"

#include "editor/win32/EditorResources.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::editor {

FrmEditPath::FrmEditPath(EditPathForm& form, const Language& language, HINSTANCE resources)
    : ModalDialog(resources, IDD_EDITPATH), form_(form), language_(language) {}

bool FrmEditPath::ShowModal(HWND owner) {
  accepted_ = false;
  return ModalDialog::ShowModal(owner) && accepted_;
}

bool FrmEditPath::OnInit() {
  form_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  widgets::ApplyTemplateCaption(Handle(), language_, kEditPathSection, 1);
  const widgets::CaptionKey captions[] = {
      {IDC_EP_FRAME, kEditPathSection, 2}, {IDOK, "New", 4}, {IDCANCEL, "New", 3}};
  widgets::ApplyTemplateCaptions(Handle(), language_, captions);
  ShowPath();
  return false;   // the focus was set to the path box
}

// The whole path selected, so that typing replaces it.
void FrmEditPath::ShowPath() {
  HWND box = Item(IDC_EP_PATH);
  SetWindowTextW(box, win32::ToWide(form_.Path()).c_str());
  widgets::FocusDialogControl(Handle(), box);
  widgets::SelectAllText(box);
}

void FrmEditPath::OnCommand(UINT id, UINT code) {
  switch (id) {
    case IDOK:
      form_.SetPath(win32::WindowTextUtf8(Item(IDC_EP_PATH)));
      accepted_ = true;
      Close();
      return;
    case IDCANCEL:
      Close();
      return;
    case IDC_EP_BROWSE:
      if (code != BN_CLICKED) return;
      form_.SetPath(win32::WindowTextUtf8(Item(IDC_EP_PATH)));
      if (form_.Browse()) ShowPath();
      return;
    default:
      return;
  }
}

}  // namespace velgaro::editor
