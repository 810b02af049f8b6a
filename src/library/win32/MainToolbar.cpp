#include "library/win32/MainToolbar.h"

#include "library/LibraryTexts.h"
#include "library/win32/LibraryResources.h"
#include "library/win32/ToolbarPictures.h"
#include "platform/win32/WideText.h"

namespace velgaro::library {

MainToolbar::~MainToolbar() {
  if (pictures_ != nullptr) ImageList_Destroy(pictures_);
}

bool MainToolbar::Create(HWND parent, UINT id, int pictureSize) {
  toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                             0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
  if (toolbar_ == nullptr) return false;
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  pictures_ = CreateToolbarPictures(pictureSize);
  SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures_));
  return true;
}

void MainToolbar::Load(const Language& lang) {
  if (toolbar_ == nullptr) return;
  const auto menuText = [&](const char* text, int key) { return win32::ToWide(lang.LangText(text, "MainMenu", key)); };
  const auto mainText = [&](MainKey key) { return win32::ToWide(MainText(lang, key)); };
  // Captions and tool tips: button 1 main/27, 28; 2 MainMenu/32, main/29; 4 MainMenu/12, main/31;
  // 5 main/30, MainMenu/33; 7 MainMenu/26, 27.
  buttons_ = {{IDM_TB_FOLDER, kPictureFolder, mainText(kMainFolderButton), mainText(kMainFolderButtonTip)},
              {IDM_NEW_INSTALL, kPictureNewPackage, menuText("Новый пакет", 32), mainText(kMainNewPackageTip)},
              {IDM_PROPERTY, kPictureProperties, menuText("Свойства", 12), mainText(kMainPropertiesTip)},
              {IDM_RUN_SELECT, kPictureInstall, mainText(kMainInstallButton), menuText("Установить выбранное", 33)},
              {IDM_HELP_CHM, kPictureHelp, menuText("&Помощь", 26), menuText("Содержание справки", 27)},
              {IDM_CHECK_UPDATE, kPictureUpdate, menuText("Обновить", 49),
               menuText("Проверить наличие обновления", 50)}};
  while (SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(toolbar_, TB_DELETEBUTTON, 0, 0);
  const BYTE style = BTNS_BUTTON | BTNS_AUTOSIZE;
  std::vector<TBBUTTON> row;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    // Separators stand where buttons 3 and 6 of the design were: before Properties and before Help.
    if (i == 2 || i == 4) row.push_back(TBBUTTON{0, 0, 0, BTNS_SEP, {}, 0, 0});
    const Button& b = buttons_[i];
    row.push_back(TBBUTTON{b.picture, static_cast<int>(b.command), TBSTATE_ENABLED, style, {}, 0,
                           reinterpret_cast<INT_PTR>(b.caption.c_str())});
  }
  SendMessageW(toolbar_, TB_ADDBUTTONSW, row.size(), reinterpret_cast<LPARAM>(row.data()));
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

void MainToolbar::Update(const MainWindowView& view) {
  SendMessageW(toolbar_, TB_ENABLEBUTTON, IDM_NEW_INSTALL, view.newInstallEnabled);
  SendMessageW(toolbar_, TB_ENABLEBUTTON, IDM_PROPERTY, view.propertyEnabled);
  SendMessageW(toolbar_, TB_ENABLEBUTTON, IDM_RUN_SELECT, view.runSelectEnabled);
}

const std::wstring* MainToolbar::TipOf(UINT command) const {
  for (const Button& b : buttons_) {
    if (b.command == command) return &b.tip;
  }
  return nullptr;
}

RECT MainToolbar::ScreenRect(UINT command) const {
  RECT button{};
  SendMessageW(toolbar_, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button));
  MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
  return button;
}

}  // namespace velgaro::library
