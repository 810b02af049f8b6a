// ListView1 of the batch editor: the model's rows copied into a report list with check boxes, rows
// with a replaced path drawn bold. The list never decides anything; it tells its owner what changed.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "editor/BatchEditor.h"

namespace velgaro::editor {

class EditorListView {
 public:
  EditorListView() = default;
  ~EditorListView();
  EditorListView(const EditorListView&) = delete;
  EditorListView& operator=(const EditorListView&) = delete;

  // list: the template's list control; its columns take their headers from the language.
  void Attach(HWND list, const Language& language);
  HWND Handle() const { return list_; }

  // Makes the list show rows, which the list reads again whenever it paints.
  void Show(const std::vector<EditorRow>& rows);

  // A tick the user changed: the row and its new state; false for any other change, and for the
  // changes Show makes itself.
  bool TickChanged(const NMLISTVIEW& change, std::size_t& row, bool& ticked) const;
  // NM_CUSTOMDRAW: the result the dialog returns.
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;

 private:
  HWND list_ = nullptr;
  HFONT bold_ = nullptr;
  const std::vector<EditorRow>* rows_ = nullptr;
  bool showing_ = false;
};

}  // namespace velgaro::editor
