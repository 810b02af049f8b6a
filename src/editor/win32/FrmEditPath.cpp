#include "editor/win32/FrmEditPath.h"

#include "editor/win32/EditorResources.h"
#include "widgets/win32/DialogProc.h"
#include "widgets/win32/TemplateCaption.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"

namespace velgaro::editor {

FrmEditPath::FrmEditPath(EditPathForm& form, const Language& language, HINSTANCE resources)
    : form_(form), language_(language), resources_(resources ? resources : GetModuleHandleW(nullptr)) {}

bool FrmEditPath::ShowModal(HWND owner) {
  const INT_PTR result = DialogBoxParamW(resources_, MAKEINTRESOURCEW(IDD_EDITPATH), owner, &FrmEditPath::DialogProc,
                                         reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  return result == IDOK;
}

INT_PTR CALLBACK FrmEditPath::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return widgets::ForwardToDialogObject(hwnd, msg, wParam, lParam, &FrmEditPath::HandleMessage);
}

void FrmEditPath::OnInit() {
  form_.SetOwner(reinterpret_cast<WindowHandle>(hwnd_));
  widgets::ApplyTemplateCaption(hwnd_, language_, kEditPathSection, 1);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDC_EP_FRAME), language_, kEditPathSection, 2);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDOK), language_, "New", 4);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDCANCEL), language_, "New", 3);
  ShowPath();
}

// The whole path selected, so that typing replaces it.
void FrmEditPath::ShowPath() {
  HWND box = GetDlgItem(hwnd_, IDC_EP_PATH);
  SetWindowTextW(box, win32::ToWide(form_.Path()).c_str());
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
  SendMessageW(box, EM_SETSEL, 0, -1);
}

INT_PTR FrmEditPath::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      hwnd_ = hwnd;
      OnInit();
      return FALSE;   // the focus was set to the path box
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          form_.SetPath(win32::WindowTextUtf8(GetDlgItem(hwnd_, IDC_EP_PATH)));
          EndDialog(hwnd_, IDOK);
          return TRUE;
        case IDCANCEL:
          EndDialog(hwnd_, IDCANCEL);
          return TRUE;
        case IDC_EP_BROWSE:
          if (HIWORD(wParam) != BN_CLICKED) return FALSE;
          form_.SetPath(win32::WindowTextUtf8(GetDlgItem(hwnd_, IDC_EP_PATH)));
          if (form_.Browse()) ShowPath();
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace velgaro::editor
