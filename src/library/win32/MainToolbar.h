// The main window's toolbar: buttons 1, 2, 4, 5 and 7 of the design (3 and 6 are separators) with the
// program's pictures, their captions and tool tips from the language, and their enabled states.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "lang/Language.h"
#include "library/MainWindowModel.h"

namespace velgaro::library {

class MainToolbar {
 public:
  MainToolbar() = default;
  ~MainToolbar();
  MainToolbar(const MainToolbar&) = delete;
  MainToolbar& operator=(const MainToolbar&) = delete;

  bool Create(HWND parent, UINT id, int pictureSize);
  HWND Handle() const { return toolbar_; }
  // Cleared and filled again, so that the buttons are sized for the captions of the language.
  void Load(const Language& language);
  void Update(const MainWindowView& view);
  // The tool tip of a button's command; nullptr for a command that is no button's.
  const std::wstring* TipOf(UINT command) const;
  // Where the button of a command lies on the screen.
  RECT ScreenRect(UINT command) const;

 private:
  struct Button {
    UINT command;
    int picture;
    std::wstring caption;
    std::wstring tip;
  };
  HWND toolbar_ = nullptr;
  HIMAGELIST pictures_ = nullptr;
  std::vector<Button> buttons_;
};

}  // namespace velgaro::library
