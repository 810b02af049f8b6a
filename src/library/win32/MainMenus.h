// The main window's menu bar, context menu and recent-folder menu: built once, captioned from the
// language file, and set from the model's view before they are shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "lang/Language.h"
#include "library/MainWindowModel.h"

namespace velgaro::library {

class MainMenus {
 public:
  MainMenus();
  ~MainMenus();
  MainMenus(const MainMenus&) = delete;
  MainMenus& operator=(const MainMenus&) = delete;

  HMENU Bar() const { return bar_; }
  // The bar belongs to the window once it is attached.
  void AttachedToWindow() { barOwned_ = false; }

  // Every caption from the language, the design-time caption as the default.
  void ApplyCaptions(const Language& language);
  // Enabled and checked states, the language items.
  void Update(const MainWindowView& view, const std::string& languageName);
  // The name of the language item of a command, or empty.
  std::string LanguageOf(UINT command) const;

  void ShowContextMenu(HWND owner, POINT screen, const ContextMenuState& state);
  // Item 0 and the recent folders; returns the command chosen, 0 for none.
  UINT ShowRecentMenu(HWND owner, POINT screen, const RecentFolders& recent);

 private:
  void BuildBar();
  void BuildContext();

  HMENU bar_ = nullptr;
  bool barOwned_ = true;
  HMENU file_ = nullptr, edit_ = nullptr, view_ = nullptr, service_ = nullptr, help_ = nullptr;
  HMENU parametr_ = nullptr, language_ = nullptr, speed_ = nullptr;
  HMENU context_ = nullptr;   // the popup holding mnuPopup
  std::vector<std::string> languages_;
  std::string recentItem0_ = "Выбрать другой каталог";
};

}  // namespace velgaro::library
