// frmFuture, the tip shown before recording starts: how to record, and a box to not show it again.
#pragma once

#include <windows.h>

#include "lang/Language.h"
#include "platform/Ports.h"

namespace velgaro::library {

class FrmFuture {
 public:
  // resources: the module holding the dialog template; null: the program itself.
  FrmFuture(const Language& language, SettingsStore& settings, HINSTANCE resources = nullptr);
  FrmFuture(const FrmFuture&) = delete;
  FrmFuture& operator=(const FrmFuture&) = delete;
  ~FrmFuture();

  // Shows the tip until it is closed; closing stores the check box as View/FirstTip.
  void ShowModal(HWND owner);
  // The same tip modeless, for tests; it destroys itself when closed.
  bool Create(HWND owner);
  HWND Handle() const { return hwnd_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void ApplyCaptions();
  void Close();

  const Language& language_;
  SettingsStore& settings_;
  HINSTANCE resources_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

}  // namespace velgaro::library
