// frmFuture, the tip shown before recording starts: how to record, and a box to not show it again.
// Closing it stores the box as View/FirstTip; made modeless (tests), it destroys itself when closed.
#pragma once

#include <windows.h>

#include "lang/Language.h"
#include "platform/Ports.h"
#include "widgets/win32/ModalDialog.h"

namespace velgaro::library {

class FrmFuture : public widgets::ModalDialog {
 public:
  // resources: the module holding the dialog template; null: the program itself.
  FrmFuture(const Language& language, SettingsStore& settings, HINSTANCE resources = nullptr);

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;

  const Language& language_;
  SettingsStore& settings_;
};

}  // namespace velgaro::library
