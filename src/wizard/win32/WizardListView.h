// LV1 of the disk wizard: the model's package rows in a report list with check boxes, six columns. The
// list decides nothing; it tells its owner which tick the user changed.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "lang/Language.h"
#include "wizard/WizardModel.h"

namespace velgaro::wizard {

class WizardListView {
 public:
  void Attach(HWND list, const Language& language);
  void Show(const std::vector<WizardRow>& rows);
  // A tick the user changed; false for the changes Show makes itself.
  bool TickChanged(const NMLISTVIEW& change, std::size_t& row, bool& ticked) const;

 private:
  HWND list_ = nullptr;
  bool showing_ = false;
};

}  // namespace velgaro::wizard
