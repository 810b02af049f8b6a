#include "widgets/win32/ModalDialog.h"

#include <commctrl.h>

#include "platform/win32/ModalLoop.h"
#include "widgets/win32/DialogProc.h"

namespace velgaro::widgets {

ModalDialog::ModalDialog(HINSTANCE resources, int templateId)
    : resources_(resources ? resources : GetModuleHandleW(nullptr)), templateId_(templateId) {}

ModalDialog::~ModalDialog() { Destroy(); }

void ModalDialog::Destroy() {
  if (hwnd_ == nullptr) return;
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(hwnd, DWLP_USER, 0);   // no handler runs while the window goes
  DestroyWindow(hwnd);                      // and the tool tips it owns
}

bool ModalDialog::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  closed_ = false;
  if (CreateDialogParamW(resources_, MAKEINTRESOURCEW(templateId_), owner, &ModalDialog::DialogProc,
                         reinterpret_cast<LPARAM>(this)) != nullptr) {
    return true;
  }
  hwnd_ = nullptr;   // a dialog that failed after WM_INITDIALOG has gone
  return false;
}

bool ModalDialog::ShowModal(HWND owner) {
  if (!Create(owner)) return false;
  modal_ = true;
  win32::RunModalWindow(hwnd_, owner, closed_, [this](MSG& message) { return PreTranslate(message); });
  modal_ = false;
  OnModalEnd();
  Destroy();
  return true;
}

bool ModalDialog::PreTranslate(MSG& message) {
  return hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message) != FALSE;
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ForwardToDialogObject(hwnd, msg, wParam, lParam, &ModalDialog::HandleMessage);
}

INT_PTR ModalDialog::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      hwnd_ = hwnd;
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<INT_PTR>(OnColour(msg, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_CLOSE:
      return OnClose() ? TRUE : FALSE;
    default:
      return OnMessage(msg, wParam, lParam);
  }
}

}  // namespace velgaro::widgets
