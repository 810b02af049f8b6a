// frmUpdate, the update check window: a thin view over UpdateModel. Its WinHTTP request reports the
// ready states to this window's thread, which hands them to the model and shows State().
#pragma once

#include <windows.h>

#include "app/App.h"
#include "platform/win32/Win32HttpGet.h"
#include "platform/win32/Win32Xml.h"
#include "update/UpdateModel.h"

namespace velgaro::update {

class FrmUpdate {
 public:
  FrmUpdate(App& app, Shell& shell, HINSTANCE resources = nullptr);
  ~FrmUpdate();
  FrmUpdate(const FrmUpdate&) = delete;
  FrmUpdate& operator=(const FrmUpdate&) = delete;

  // Runs the window with owner disabled until it is closed.
  void ShowModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(UINT id, UINT code);
  void OnReadyState(WPARAM request, LPARAM state);
  void Refresh();
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  App& app_;
  Shell& shell_;
  HINSTANCE resources_;
  win32::Win32Xml xml_;
  std::unique_ptr<win32::Win32HttpGet> http_;   // made with the window, which its reports go to
  std::unique_ptr<UpdateModel> model_;
  HWND hwnd_ = nullptr;
  bool closed_ = false;
  bool backupTimerRunning_ = false;
};

}  // namespace velgaro::update
