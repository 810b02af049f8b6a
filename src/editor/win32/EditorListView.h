// ListView1 of the batch editor: a report list with check boxes that holds no copy of the model's rows
// (it reads them as it draws), rows with a replaced path drawn bold. The list never decides anything; it
// tells its owner which row's box the user wants changed.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "editor/BatchEditor.h"
#include "widgets/win32/CheckListView.h"

namespace velgaro::editor {

class EditorListView {
 public:
  EditorListView() = default;
  ~EditorListView();
  EditorListView(const EditorListView&) = delete;
  EditorListView& operator=(const EditorListView&) = delete;

  // list: the template's list control (an owner-data list); its columns take their headers from the
  // language.
  void Attach(HWND list, const Language& language);
  HWND Handle() const { return list_.Handle(); }

  // Makes the list show rows, which it reads again whenever it paints.
  void Show(const std::vector<EditorRow>& rows);

  // The row whose box a click (NM_CLICK on the box) or Space (LVN_KEYDOWN) asks to change; false for
  // any other notification.
  bool TickRequest(const NMHDR& header, std::size_t& row) const;
  // LVN_GETDISPINFO: true when answered.
  bool AnswerDisplayInfo(NMHDR& header) const { return list_.AnswerDisplayInfo(&header); }
  // NM_CUSTOMDRAW: the result the dialog returns.
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;

 private:
  const EditorRow* ModelRow(int row) const;   // null when the rows have no such row (any more)

  widgets::CheckListView list_;
  HFONT bold_ = nullptr;
  const std::vector<EditorRow>* rows_ = nullptr;
};

}  // namespace velgaro::editor
