#include "library/win32/MainMenus.h"

#include "library/win32/LibraryResources.h"
#include "platform/win32/WideText.h"

namespace velgaro::library {
namespace {

constexpr const char* kMenuSection = "MainMenu";
constexpr const char* kRussianItem = "Русский";

struct MenuText {
  UINT id;
  int key;            // MainMenu key; 0: not translated
  const char* text;   // design-time caption
  const char* shortcut;
};

constexpr MenuText kItems[] = {
    {IDM_ADD_FOLDER, 2, "Выбрать папку VGP", nullptr},
    {IDM_RELOAD, 54, "Обновить vgp каталог", nullptr},
    {IDM_NEW_INSTALL, 4, "Новый пакет", "Ctrl+N"},
    {IDM_EXIT, 6, "Вы&ход", nullptr},
    {IDM_SELECT_ALL, 8, "Выделить всё", "Ctrl+A"},
    {IDM_UNSELECT_ALL, 9, "Убрать выделение со всех", nullptr},
    {IDM_INVERT_SEL, 10, "Инвертировать выделение", nullptr},
    {IDM_DEL_SELECT, 11, "Удалить выбранное", "Del"},
    {IDM_PROPERTY, 12, "Свойства", nullptr},
    {IDM_ISO, 5, "Мастер создания диска", nullptr},
    {IDM_WIZARD_PACK, 48, "Мастер редактирования пакетов", nullptr},
    {IDM_HELP_CHM, 27, "Содержание справки", "F1"},
    {IDM_CHECK_UPDATE, 51, "Проверить обновление", nullptr},
    {IDM_LETTER, 28, "Написать письмо", nullptr},
    {IDM_SITE, 29, "Сайт", nullptr},
    {IDM_FAQ, 30, "Гостевая книга", nullptr},
    {IDM_ABOUT, 31, "О программе...", nullptr},
    {IDM_TOPMOST, 14, "Поверх всех окон", nullptr},
    {IDM_RUN_SELECT, 17, "Установить выбранное", "F5"},
    {IDM_RUN_ALL, 18, "Установить всё", nullptr},
    {IDM_CONTROL_PANEL, 19, "Панель управления Windows", nullptr},
    {IDM_ADD_REMOVE, 53, "Установка и удаление программ", nullptr},
    {IDM_ASOC, 20, "Сопоставить файлы .vgp", nullptr},
    {IDM_PORTABLE, 0, "Portable mode (use velgaro.ini)", nullptr},
    {IDM_SPEED_FIRST, 23, "Быстрая", nullptr},
    {IDM_SPEED_FIRST + 1, 24, "Средняя", nullptr},
    {IDM_SPEED_FIRST + 2, 25, "Медленая", nullptr},
    {IDM_NEW_INSTALL2, 32, "Новый пакет", nullptr},
    {IDM_RUN_SELECT2, 33, "Установить выбранное", nullptr},
    {IDM_SEL_ITEM2, 34, "Выбрать", nullptr},
    {IDM_UNSELECT_ONE2, 35, "Снять выделение", nullptr},
    {IDM_SELECT_ALL2, 36, "Выделить всё", nullptr},
    {IDM_UNSELECT_ALL2, 37, "Снять выделение со всех", nullptr},
    {IDM_INVERT_SEL2, 38, "Инвертировать выделение", nullptr},
    {IDM_DEL_SELECT2, 39, "Удалить выбранное", nullptr},
    {IDM_PROPERTY2, 40, "Свойства...", nullptr},
};

const MenuText& ItemText(UINT id) {
  for (const MenuText& item : kItems) {
    if (item.id == id) return item;
  }
  return kItems[0];
}

std::wstring Caption(const std::string& text, const char* shortcut) {
  std::wstring caption = win32::ToWide(text);
  if (shortcut != nullptr) caption += L"\t" + win32::ToWide(shortcut);
  return caption;
}

void Append(HMENU menu, UINT id) {
  const MenuText& item = ItemText(id);
  AppendMenuW(menu, MF_STRING, id, Caption(item.text, item.shortcut).c_str());
}

void AppendPopup(HMENU menu, HMENU popup, const char* text) {
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), win32::ToWide(text).c_str());
}

// The caption as shown, without its shortcut.
std::string CurrentText(HMENU menu, UINT item, bool byPosition) {
  wchar_t buffer[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = buffer;
  info.cch = 255;
  if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return {};
  std::wstring text(buffer);
  const std::size_t tab = text.find(L'\t');
  if (tab != std::wstring::npos) text.resize(tab);
  return win32::ToUtf8(text);
}

void SetText(HMENU menu, UINT item, bool byPosition, const std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  std::wstring copy = text;
  info.dwTypeData = copy.data();
  SetMenuItemInfoW(menu, item, byPosition, &info);
}

void Enable(HMENU menu, UINT id, bool enabled) { EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)); }
void Check(HMENU menu, UINT id, bool checked) { CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)); }

}  // namespace

MainMenus::MainMenus() {
  BuildBar();
  BuildContext();
}

MainMenus::~MainMenus() {
  if (barOwned_ && bar_ != nullptr) DestroyMenu(bar_);
  if (context_ != nullptr) DestroyMenu(context_);
}

void MainMenus::BuildBar() {
  bar_ = CreateMenu();
  file_ = CreatePopupMenu();
  for (UINT id : {IDM_ADD_FOLDER, IDM_RELOAD, IDM_NEW_INSTALL}) Append(file_, id);
  AppendMenuW(file_, MF_SEPARATOR, 0, nullptr);
  Append(file_, IDM_ISO);
  Append(file_, IDM_WIZARD_PACK);
  AppendMenuW(file_, MF_SEPARATOR, 0, nullptr);
  Append(file_, IDM_EXIT);
  edit_ = CreatePopupMenu();
  for (UINT id : {IDM_SELECT_ALL, IDM_UNSELECT_ALL, IDM_INVERT_SEL}) Append(edit_, id);
  AppendMenuW(edit_, MF_SEPARATOR, 0, nullptr);
  Append(edit_, IDM_DEL_SELECT);
  AppendMenuW(edit_, MF_SEPARATOR, 0, nullptr);
  Append(edit_, IDM_PROPERTY);
  view_ = CreatePopupMenu();
  Append(view_, IDM_TOPMOST);
  service_ = CreatePopupMenu();
  for (UINT id : {IDM_RUN_SELECT, IDM_RUN_ALL}) Append(service_, id);
  AppendMenuW(service_, MF_SEPARATOR, 0, nullptr);
  for (UINT id : {IDM_CONTROL_PANEL, IDM_ADD_REMOVE, IDM_ASOC}) Append(service_, id);
  AppendMenuW(service_, MF_SEPARATOR, 0, nullptr);
  parametr_ = CreatePopupMenu();
  language_ = CreatePopupMenu();
  AppendMenuW(language_, MF_STRING, IDM_LANGUAGE_FIRST, win32::ToWide(kRussianItem).c_str());
  speed_ = CreatePopupMenu();
  for (UINT i = 0; i < 3; ++i) Append(speed_, IDM_SPEED_FIRST + i);
  AppendPopup(parametr_, language_, "Язык");
  AppendPopup(parametr_, speed_, "Скорость установки");
  Append(parametr_, IDM_PORTABLE);
  AppendPopup(service_, parametr_, "Параметры");
  AppendPopup(bar_, file_, "&Файл");
  AppendPopup(bar_, edit_, "Правка");
  AppendPopup(bar_, view_, "&Вид");
  AppendPopup(bar_, service_, "Сервис");
  help_ = CreatePopupMenu();
  Append(help_, IDM_HELP_CHM);
  Append(help_, IDM_CHECK_UPDATE);
  AppendMenuW(help_, MF_SEPARATOR, 0, nullptr);
  for (UINT id : {IDM_LETTER, IDM_SITE, IDM_FAQ}) Append(help_, id);
  AppendMenuW(help_, MF_SEPARATOR, 0, nullptr);
  Append(help_, IDM_ABOUT);
  AppendPopup(bar_, help_, "&Помощь");
}

void MainMenus::BuildContext() {
  context_ = CreatePopupMenu();
  HMENU popup = CreatePopupMenu();
  for (UINT id : {IDM_NEW_INSTALL2, IDM_RUN_SELECT2}) Append(popup, id);
  AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  for (UINT id : {IDM_SEL_ITEM2, IDM_UNSELECT_ONE2, IDM_SELECT_ALL2, IDM_UNSELECT_ALL2, IDM_INVERT_SEL2}) {
    Append(popup, id);
  }
  AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  Append(popup, IDM_DEL_SELECT2);
  AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  Append(popup, IDM_PROPERTY2);
  AppendPopup(context_, popup, "Контекстное меню");
}

void MainMenus::ApplyCaptions(const Language& language) {
  for (const MenuText& item : kItems) {
    if (item.key == 0) continue;
    HMENU owner = item.id >= IDM_NEW_INSTALL2 && item.id <= IDM_PROPERTY2 ? GetSubMenu(context_, 0) : bar_;
    const std::string current = CurrentText(owner, item.id, false);
    SetText(owner, item.id, false, Caption(language.LangText(current, kMenuSection, item.key), item.shortcut));
  }
  // The popups by position in their parents.
  const struct { HMENU parent; UINT position; int key; } popups[] = {
      {bar_, 0, 1}, {bar_, 1, 7}, {bar_, 2, 13}, {bar_, 3, 16}, {bar_, 4, 26}, {service_, 7, 21}, {parametr_, 0, 15}, {parametr_, 1, 22}};
  for (const auto& p : popups) {
    const std::string current = CurrentText(p.parent, p.position, true);
    SetText(p.parent, p.position, true, win32::ToWide(language.LangText(current, kMenuSection, p.key)));
  }
  recentItem0_ = language.LangText(recentItem0_, kMenuSection, 52);
}

void MainMenus::Update(const MainWindowView& v, const std::string& languageName) {
  Enable(bar_, IDM_NEW_INSTALL, v.newInstallEnabled);
  Enable(bar_, IDM_SELECT_ALL, v.selectAllEnabled);
  Enable(bar_, IDM_UNSELECT_ALL, v.unselectAllEnabled);
  Enable(bar_, IDM_INVERT_SEL, v.invertSelEnabled);
  Enable(bar_, IDM_DEL_SELECT, v.delSelectEnabled);
  Enable(bar_, IDM_PROPERTY, v.propertyEnabled);
  Enable(bar_, IDM_RUN_SELECT, v.runSelectEnabled);
  Enable(bar_, IDM_RUN_ALL, v.runAllEnabled);
  Check(bar_, IDM_TOPMOST, v.topMost);
  Check(bar_, IDM_PORTABLE, v.portable);
  for (int i = 0; i < 3; ++i) Check(bar_, IDM_SPEED_FIRST + static_cast<UINT>(i), v.speed == i);

  if (v.languages != languages_ || GetMenuItemCount(language_) == 0) {
    languages_ = v.languages;
    while (GetMenuItemCount(language_) > 0) DeleteMenu(language_, 0, MF_BYPOSITION);
    if (languages_.empty()) {
      AppendMenuW(language_, MF_STRING, IDM_LANGUAGE_FIRST, win32::ToWide(kRussianItem).c_str());
    }
    for (std::size_t i = 0; i < languages_.size() && IDM_LANGUAGE_FIRST + 1 + i <= IDM_LANGUAGE_LAST; ++i) {
      AppendMenuW(language_, MF_STRING, IDM_LANGUAGE_FIRST + 1 + i, win32::ToWide(languages_[i]).c_str());
    }
  }
  for (std::size_t i = 0; i < languages_.size(); ++i) {
    Check(language_, static_cast<UINT>(IDM_LANGUAGE_FIRST + 1 + i), languages_[i] == languageName);
  }
}

std::string MainMenus::LanguageOf(UINT command) const {
  if (command == IDM_LANGUAGE_FIRST) return kRussianItem;
  const std::size_t i = command - IDM_LANGUAGE_FIRST - 1;
  return command > IDM_LANGUAGE_FIRST && i < languages_.size() ? languages_[i] : std::string();
}

void MainMenus::ShowContextMenu(HWND owner, POINT at, const ContextMenuState& s) {
  HMENU popup = GetSubMenu(context_, 0);
  Enable(popup, IDM_NEW_INSTALL2, s.newInstall);
  Enable(popup, IDM_RUN_SELECT2, s.runSelect);
  Enable(popup, IDM_SEL_ITEM2, s.selItem);
  Enable(popup, IDM_UNSELECT_ONE2, s.unselectOne);
  Enable(popup, IDM_SELECT_ALL2, s.selectAll);
  Enable(popup, IDM_UNSELECT_ALL2, s.unselectAll);
  Enable(popup, IDM_INVERT_SEL2, s.invertSel);
  Enable(popup, IDM_DEL_SELECT2, s.delSelect);
  Enable(popup, IDM_PROPERTY2, s.property);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

UINT MainMenus::ShowRecentMenu(HWND owner, POINT at, const RecentFolders& recent) {
  HMENU popup = CreatePopupMenu();
  if (popup == nullptr) return 0;
  AppendMenuW(popup, MF_STRING, IDM_RECENT_FIRST, win32::ToWide(recentItem0_).c_str());
  SetMenuDefaultItem(popup, IDM_RECENT_FIRST, FALSE);
  if (recent.VisibleCount() > 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  for (int i = 1; i <= recent.VisibleCount(); ++i) {
    AppendMenuW(popup, MF_STRING, IDM_RECENT_FIRST + static_cast<UINT>(i), win32::ToWide(recent.Caption(i)).c_str());
  }
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  DestroyMenu(popup);
  return chosen;
}

}  // namespace velgaro::library
