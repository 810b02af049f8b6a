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

namespace velgaro::library {

class FrmNew {
 public:
  // resources: the module holding the dialog templates; null: the program itself. In properties mode
  // (setup.name the package's row) properties reads and writes the package.
  FrmNew(NewPackageDeps deps, NewPackageSetup setup, HINSTANCE resources = nullptr,
         const PropertiesDeps* properties = nullptr);
  ~FrmNew();
  FrmNew(const FrmNew&) = delete;
  FrmNew& operator=(const FrmNew&) = delete;

  // Runs the dialog with owner disabled; the package to record, or nullopt when it was cancelled.
  // An accepted entry has shown the recording tip first, unless View/FirstTip turned it off.
  std::optional<NewPackageRequest> ShowModal(HWND owner);

  // The dialog modeless, for tests that drive it by messages: Closed() once OK was accepted or it was
  // cancelled, Result() the request. PreTranslate is what the modal loop does with each message.
  bool Create(HWND owner);
  HWND Handle() const { return hwnd_; }
  bool Closed() const { return closed_; }
  const std::optional<NewPackageRequest>& Result() const { return result_; }
  // Properties mode: the name the row takes once OK was accepted; empty otherwise.
  std::string PendingName() const { return properties_ ? properties_->NewName() : std::string(); }
  bool PreTranslate(MSG& message);
  NewPackageForm& Model() { return model_; }
  IDropTarget& PathDropTarget() { return dropTarget_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(UINT id, UINT code);
  void OnOk();
  INT_PTR OnColor(HDC dc, HWND control);
  void TakePageColour();
  void ApplyCaptions();
  void CreateTooltips();
  void TakeBoxTexts();
  void Refresh();
  void ShowTab(int tab);
  void ApplyFocus(NewPackageFocus focus);
  void Close();
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  const Language& language_;
  SettingsStore& settings_;
  HINSTANCE resources_;
  NewPackageForm model_;
  std::unique_ptr<PackageProperties> properties_;
  win32::FileDropTarget dropTarget_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  COLORREF pageColour_ = 0;     // what the tab strip fills its page with
  HBRUSH pageBrush_ = nullptr;
  std::vector<std::string> dropped_;   // taken once the drag source has let go
  std::optional<NewPackageRequest> result_;
  int shownTab_ = -1;
  bool fileNameRed_ = false, nameLabelRed_ = false;   // as last painted
  bool refreshing_ = false;   // the dialog is setting its own controls: their notifications are not edits
  bool closed_ = false;
};

}  // namespace velgaro::library
