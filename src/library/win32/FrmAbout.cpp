#include "library/win32/FrmAbout.h"

#include "app/ProductName.h"
#include "library/win32/AboutResources.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"

namespace velgaro::library {
namespace {

constexpr UINT kIconResource = 103;   // the program's icon

}  // namespace

FrmAbout::FrmAbout(const Language& language, Shell& shell)
    : ModalDialog(nullptr, IDD_ABOUT), view_(MakeAboutView(language)), shell_(shell) {}

bool FrmAbout::OnInit() {
  win32::SetWindowTextIfChanged(Handle(), view_.caption);
  widgets::ShowTexts(Handle(), {{IDC_ABOUT_PRODUCT, view_.product},       {IDC_ABOUT_VERSION, view_.version},
                                {IDC_ABOUT_PURPOSE, view_.purpose},       {IDC_ABOUT_AUTHORLABEL, view_.authorLabel},
                                {IDC_ABOUT_AUTHOR, view_.author},         {IDC_ABOUT_RIGHTS, view_.rights},
                                {IDC_ABOUT_SITELABEL, view_.siteLabel},   {IDC_ABOUT_SITE, view_.site},
                                {IDC_ABOUT_MAILLABEL, view_.mailLabel},   {IDC_ABOUT_MAIL, view_.mail},
                                {IDOK, view_.close}});
  widgets::SetStaticIcon(Item(IDC_ABOUT_ICON), LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource)));
  return true;
}

void FrmAbout::OnCommand(UINT id, UINT) {
  switch (id) {
    case IDC_ABOUT_SITE: shell_.Open(view_.site); return;
    case IDC_ABOUT_MAIL: shell_.Open("mailto:" + view_.mail); return;
    case IDOK:
    case IDCANCEL: Close(); return;
    default: return;
  }
}

}  // namespace velgaro::library
