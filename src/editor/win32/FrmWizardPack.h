// frmWizardPack, the batch editor window: a thin view over BatchEditorModel. It hands the model every
// click, tick and Enter, then copies the model's rows, counters and status into its controls. Made
// modeless (tests drive it by messages), it is Closed() once closing was agreed to.
#pragma once

#include <windows.h>

#include <string>

#include "editor/BatchEditor.h"
#include "editor/win32/EditorListView.h"
#include "platform/win32/Win32MessagePump.h"
#include "widgets/win32/ModalDialog.h"
#include "widgets/win32/ProgressBar.h"

namespace velgaro::editor {

class FrmWizardPack : public widgets::ModalDialog {
 public:
  // resources: the module holding the dialog template; null: the program itself.
  explicit FrmWizardPack(EditorDeps deps, HINSTANCE resources = nullptr);

  BatchEditorModel& Model() { return model_; }
  bool PreTranslate(MSG& message) override;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;
  INT_PTR OnNotify(NMHDR& header) override;
  bool OnClose() override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void EditPath(int item);   // a double click on a row: frmEditPath
  void ApplyCaptions();
  void Refresh();
  void Focus(int id, bool selectAll);

  const Language& language_;
  win32::Win32MessagePump pump_;
  widgets::ProgressBar progress_{pump_};
  BatchEditorModel model_;
  EditorListView list_;
  std::string shownFolderText_;   // Text1 is only set when the model's text moves on
  bool refreshing_ = false;       // the window is setting its own controls: their notifications are not edits
};

}  // namespace velgaro::editor
