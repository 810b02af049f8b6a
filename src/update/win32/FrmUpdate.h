// frmUpdate, the update check window: a thin view over UpdateModel. Its WinHTTP request reports the
// ready states to this window's thread, which hands them to the model and shows State().
#pragma once

#include <windows.h>

#include "lang/Language.h"
#include "platform/Ports.h"
#include "platform/win32/Win32HttpGet.h"
#include "platform/win32/Win32Xml.h"
#include "update/UpdateModel.h"
#include "widgets/win32/ModalDialog.h"

namespace velgaro::update {

class FrmUpdate : public widgets::ModalDialog {
 public:
  FrmUpdate(const Language& language, const SettingsStore& settings, Shell& shell, HINSTANCE resources = nullptr);

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;
  HBRUSH OnColour(UINT kind, HDC dc, HWND control) override;
  bool OnClose() override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnModalEnd() override { model_->Unload(); }
  void OnReadyState(WPARAM request, LPARAM state);
  void Refresh();

  const Language& language_;
  const SettingsStore& settings_;
  Shell& shell_;
  win32::Win32Xml xml_;
  std::unique_ptr<win32::Win32HttpGet> http_;   // made with the window, which its reports go to
  std::unique_ptr<UpdateModel> model_;
  bool backupTimerRunning_ = false;
};

}  // namespace velgaro::update
