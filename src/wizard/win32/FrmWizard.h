// frmWizard, the disk wizard window: a thin view over WizardModel. It hands the model every click,
// tick and change, then shows the model's page, texts, colours and rows.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/Win32MessagePump.h"
#include "widgets/win32/ModalDialog.h"
#include "widgets/win32/ProgressBar.h"
#include "wizard/WizardModel.h"
#include "wizard/win32/WizardListView.h"

namespace velgaro::wizard {

class FrmWizard : public widgets::ModalDialog {
 public:
  // shell opens the disk folder at the end; resources: the module holding the template (null: the program).
  explicit FrmWizard(WizardDeps deps, HINSTANCE resources = nullptr);

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;
  INT_PTR OnNotify(NMHDR& header) override;
  HBRUSH OnColour(UINT kind, HDC dc, HWND control) override;
  bool OnClose() override;
  bool OnSoftFolder(UINT code);   // true when the model took it
  bool OnClicked(UINT id);        // true when the window is to be refreshed
  void Next();
  // Copies the model's state into the controls; applyFocus also moves the focus where the model asks.
  void Refresh(bool applyFocus = true);
  void ShowPage(int page);
  void ShowColours();
  void ApplyFocus(WizardFocus focus);
  void ShowProgress(bool visible);
  void CopyMoved();
  void AddTips();

  const Language& language_;
  win32::Win32MessagePump pump_;
  widgets::ProgressBar progress_{pump_};
  WizardModel model_;
  WizardListView list_;
  int shownPage_ = -1;
  std::map<int, WizardColor> colours_;   // the coloured controls and their colour
  bool refreshing_ = false;   // the window is setting its own controls: their notifications are not edits
  bool checkingName_ = false; // the programs folder name's message is up: its focus changes are not edits
};

}  // namespace velgaro::wizard
