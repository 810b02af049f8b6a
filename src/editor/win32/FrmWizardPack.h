// frmWizardPack, the batch editor window: a thin view over BatchEditorModel. It hands the model every
// click, tick and Enter, then copies the model's rows, counters and status into its controls.
#pragma once

#include <windows.h>

#include <string>

#include "app/App.h"
#include "editor/BatchEditor.h"
#include "editor/win32/EditorListView.h"
#include "widgets/win32/ProgressBar.h"
#include "platform/win32/Win32MessagePump.h"

namespace velgaro::editor {

class FrmWizardPack {
 public:
  // resources: the module holding the dialog template; null: the program itself.
  explicit FrmWizardPack(App& app, HINSTANCE resources = nullptr);
  ~FrmWizardPack();
  FrmWizardPack(const FrmWizardPack&) = delete;
  FrmWizardPack& operator=(const FrmWizardPack&) = delete;

  // Runs the window with owner disabled until it is closed.
  void ShowModal(HWND owner);

  // The window modeless, for tests that drive it by messages: Closed() once closing was agreed to.
  // PreTranslate is what the modal loop does with each message.
  bool Create(HWND owner);
  HWND Handle() const { return hwnd_; }
  BatchEditorModel& Model() { return model_; }
  bool Closed() const { return closed_; }
  bool PreTranslate(MSG& message);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(UINT id, UINT code);
  INT_PTR OnNotify(NMHDR& header);
  void OnClose();
  void EditPath(int item);   // a double click on a row: frmEditPath
  void ApplyCaptions();
  void Refresh();
  void Focus(int id, bool selectAll);
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  const Language& language_;
  HINSTANCE resources_;
  win32::Win32MessagePump pump_;
  widgets::ProgressBar progress_{pump_};
  BatchEditorModel model_;
  EditorListView list_;
  HWND hwnd_ = nullptr;
  std::string shownFolderText_;   // Text1 is only set when the model's text moves on
  bool refreshing_ = false;       // the window is setting its own controls: their notifications are not edits
  bool closed_ = false;
};

}  // namespace velgaro::editor
