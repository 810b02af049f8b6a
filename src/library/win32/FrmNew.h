// frmNew, the new-package dialog: two tabs of fields and options over NewPackageForm, which decides
// everything; the dialog copies its state into the controls and hands it every edit and click.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "library/NewPackageForm.h"
#include "library/PackageProperties.h"
#include "platform/win32/FileDropTarget.h"
#include "widgets/win32/ModalDialog.h"

namespace velgaro::library {

class FrmNew : public widgets::ModalDialog {
 public:
  // resources: the module holding the dialog templates; null: the program itself. In properties mode
  // (setup.name the package's row) properties reads and writes the package.
  FrmNew(NewPackageDeps deps, NewPackageSetup setup, HINSTANCE resources = nullptr,
         const PropertiesDeps* properties = nullptr);
  ~FrmNew() override;

  // Runs the dialog with owner disabled; the package to record, or nullopt when it was cancelled.
  // An accepted entry has shown the recording tip first, unless View/FirstTip turned it off.
  std::optional<NewPackageRequest> ShowModal(HWND owner);

  // Create() makes the dialog modeless, for tests that drive it by messages: Closed() once OK was
  // accepted or it was cancelled, Result() the request.
  const std::optional<NewPackageRequest>& Result() const { return result_; }
  // Properties mode: the name the row takes once OK was accepted; empty otherwise.
  std::string PendingName() const { return properties_ ? properties_->NewName() : std::string(); }
  bool PreTranslate(MSG& message) override;
  NewPackageForm& Model() { return model_; }
  IDropTarget& PathDropTarget() { return dropTarget_; }

 private:
  // A check box: its control, its field in the form's state and the form's setter.
  struct Check {
    int id;
    bool NewPackageState::*shown;
    void (NewPackageForm::*set)(bool);
  };
  static const Check kChecks[6];

  bool OnInit() override;
  void OnCommand(UINT id, UINT code) override;
  INT_PTR OnNotify(NMHDR& header) override;
  HBRUSH OnColour(UINT kind, HDC dc, HWND control) override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnModalEnd() override { dropTarget_.Revoke(); }
  void OnOk();
  void OnChecked(UINT id);
  void TakePageColour();
  void AddTabs();
  void CreateTooltips();
  void TakeBoxTexts();
  // FrmNewRefresh.cpp: the controls follow the form's state.
  void Refresh();
  void ShowChecks(const NewPackageState& s);
  void ShowRedCaptions(const NewPackageState& s);
  void ShowTab(int tab);
  void ApplyFocus(NewPackageFocus focus);

  const Language& language_;
  SettingsStore& settings_;
  NewPackageForm model_;
  std::unique_ptr<PackageProperties> properties_;
  win32::FileDropTarget dropTarget_;
  COLORREF pageColour_ = 0;     // what the tab strip fills its page with
  HBRUSH pageBrush_ = nullptr;
  std::vector<std::string> dropped_;   // taken once the drag source has let go
  std::optional<NewPackageRequest> result_;
  int shownTab_ = -1;
  bool fileNameRed_ = false, nameLabelRed_ = false;   // as last painted
  bool refreshing_ = false;   // the dialog is setting its own controls: their notifications are not edits
};

}  // namespace velgaro::library
