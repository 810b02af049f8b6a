// frmWizard, the disk wizard window: a thin view over WizardModel. It hands the model every click,
// tick and change, then shows the model's page, texts, colours and rows.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "app/App.h"
#include "widgets/win32/ProgressBar.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Xml.h"
#include "wizard/WizardModel.h"
#include "wizard/win32/WizardListView.h"

namespace velgaro::wizard {

class FrmWizard {
 public:
  // shell opens the disk folder at the end; resources: the module holding the template (null: the program).
  FrmWizard(App& app, Shell& shell, HINSTANCE resources = nullptr);
  ~FrmWizard();
  FrmWizard(const FrmWizard&) = delete;
  FrmWizard& operator=(const FrmWizard&) = delete;

  // Runs the window with owner disabled until it is closed.
  void ShowModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(UINT id, UINT code);
  INT_PTR OnNotify(NMHDR& header);
  INT_PTR OnColor(HDC dc, HWND control, bool editBox);
  void OnClose();
  void Next();
  // Copies the model's state into the controls; applyFocus also moves the focus where the model asks.
  void Refresh(bool applyFocus = true);
  void ShowPage(int page);
  void ShowColours();
  void ApplyFocus(WizardFocus focus);
  void ShowProgress(bool visible);
  void CopyMoved();
  void AddTips();
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  const Language& language_;
  HINSTANCE resources_;
  win32::Win32MessagePump pump_;
  widgets::ProgressBar progress_{pump_};
  win32::Win32Xml xml_;
  WizardModel model_;
  WizardListView list_;
  HWND hwnd_ = nullptr;
  int shownPage_ = -1;
  std::map<int, WizardColor> colours_;   // the coloured controls and their colour
  bool refreshing_ = false;   // the window is setting its own controls: their notifications are not edits
  bool checkingName_ = false; // the programs folder name's message is up: its focus changes are not edits
  bool closed_ = false;
};

}  // namespace velgaro::wizard
