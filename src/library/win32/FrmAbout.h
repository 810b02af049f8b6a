// The about box: shows AboutView; its two link buttons open the site and a new letter.
#pragma once

#include <windows.h>

#include "lang/Language.h"
#include "library/AboutBox.h"
#include "platform/Ports.h"

namespace velgaro::library {

class FrmAbout {
 public:
  FrmAbout(const Language& language, Shell& shell);
  FrmAbout(const FrmAbout&) = delete;
  FrmAbout& operator=(const FrmAbout&) = delete;

  void ShowModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Fill(HWND hwnd) const;

  AboutView view_;
  Shell& shell_;
};

}  // namespace velgaro::library
