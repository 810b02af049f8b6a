#include "library/win32/FrmAbout.h"

#include "app/ProductName.h"
#include "library/win32/AboutResources.h"
#include "widgets/win32/DialogProc.h"
#include "platform/win32/WideText.h"

namespace velgaro::library {
namespace {

constexpr UINT kIconResource = 103;   // the program's icon

void SetText(HWND window, const std::string& text) { SetWindowTextW(window, win32::ToWide(text).c_str()); }

}  // namespace

FrmAbout::FrmAbout(const Language& language, Shell& shell) : view_(MakeAboutView(language)), shell_(shell) {}

void FrmAbout::ShowModal(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, &FrmAbout::DialogProc,
                  reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK FrmAbout::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return widgets::ForwardToDialogObject(hwnd, msg, wParam, lParam, &FrmAbout::HandleMessage);
}

void FrmAbout::Fill(HWND hwnd) const {
  const struct { int id; const std::string& text; } texts[] = {
      {IDC_ABOUT_PRODUCT, view_.product},       {IDC_ABOUT_VERSION, view_.version},
      {IDC_ABOUT_PURPOSE, view_.purpose},       {IDC_ABOUT_AUTHORLABEL, view_.authorLabel},
      {IDC_ABOUT_AUTHOR, view_.author},         {IDC_ABOUT_RIGHTS, view_.rights},
      {IDC_ABOUT_SITELABEL, view_.siteLabel},   {IDC_ABOUT_SITE, view_.site},
      {IDC_ABOUT_MAILLABEL, view_.mailLabel},   {IDC_ABOUT_MAIL, view_.mail},
      {IDOK, view_.close}};
  SetText(hwnd, view_.caption);
  for (const auto& t : texts) SetText(GetDlgItem(hwnd, t.id), t.text);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource));
  SendDlgItemMessageW(hwnd, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

INT_PTR FrmAbout::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      Fill(hwnd);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_ABOUT_SITE: shell_.Open(view_.site); return TRUE;
        case IDC_ABOUT_MAIL: shell_.Open("mailto:" + view_.mail); return TRUE;
        case IDOK:
        case IDCANCEL: EndDialog(hwnd, IDOK); return TRUE;
        default: return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace velgaro::library
