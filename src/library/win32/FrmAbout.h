// The about box: shows AboutView; its two link buttons open the site and a new letter.
#pragma once

#include <windows.h>

#include "lang/Language.h"
#include "library/AboutBox.h"
#include "platform/Ports.h"
#include "widgets/win32/ModalDialog.h"

namespace velgaro::library {

class FrmAbout : public widgets::ModalDialog {
 public:
  FrmAbout(const Language& language, Shell& shell);

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;

  AboutView view_;
  Shell& shell_;
};

}  // namespace velgaro::library
