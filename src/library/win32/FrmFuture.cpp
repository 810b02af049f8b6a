#include "library/win32/FrmFuture.h"

#include "library/NewPackageTip.h"
#include "widgets/win32/DialogProc.h"
#include "library/win32/NewPackageResources.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::library {
namespace {

constexpr const char* kSection = "Future";

}  // namespace

FrmFuture::FrmFuture(const Language& language, SettingsStore& settings, HINSTANCE resources)
    : language_(language), settings_(settings), resources_(resources ? resources : GetModuleHandleW(nullptr)) {}

FrmFuture::~FrmFuture() {
  if (hwnd_ != nullptr && !modal_) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

void FrmFuture::ShowModal(HWND owner) {
  modal_ = true;
  DialogBoxParamW(resources_, MAKEINTRESOURCEW(IDD_FUTURE), owner, &FrmFuture::DialogProc,
                  reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
}

bool FrmFuture::Create(HWND owner) {
  modal_ = false;
  return CreateDialogParamW(resources_, MAKEINTRESOURCEW(IDD_FUTURE), owner, &FrmFuture::DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CALLBACK FrmFuture::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return widgets::ForwardToDialogObject(hwnd, msg, wParam, lParam, &FrmFuture::HandleMessage);
}

void FrmFuture::ApplyCaptions() {
  widgets::ApplyTemplateCaption(hwnd_, language_, kSection, 1);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDC_FUTURE_RUN), language_, kSection, 2);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDC_FUTURE_PAUSE), language_, kSection, 3);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDC_FUTURE_STOP), language_, kSection, 4);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDC_FUTURE_NOMORE), language_, kSection, 5);
  widgets::ApplyTemplateCaption(GetDlgItem(hwnd_, IDOK), language_, "New", 4);
}

void FrmFuture::Close() {
  StoreRecordingTipChoice(settings_, IsDlgButtonChecked(hwnd_, IDC_FUTURE_NOMORE) == BST_CHECKED);
  HWND hwnd = hwnd_;
  if (modal_) {
    EndDialog(hwnd, IDOK);
    return;
  }
  hwnd_ = nullptr;
  SetWindowLongPtrW(hwnd, DWLP_USER, 0);
  DestroyWindow(hwnd);
}

INT_PTR FrmFuture::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      hwnd_ = hwnd;
      ApplyCaptions();
      SendDlgItemMessageW(hwnd, IDC_FUTURE_ICON, STM_SETICON,
                          reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
      return TRUE;
    case WM_COMMAND:
      // OK, Esc and the close box all close the tip.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Close();
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace velgaro::library
