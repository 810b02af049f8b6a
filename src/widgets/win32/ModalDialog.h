// The life of a dialog made from a template and run modal: created with this object as its creation
// parameter, its messages handed to the virtual handlers below, shown with its owner disabled until it
// is closed, then destroyed. Destroying the object destroys a window still open. A dialog can also be
// created modeless (tests drive it by messages); Close() then only marks it closed.
#pragma once

#include <windows.h>

namespace velgaro::widgets {

class ModalDialog {
 public:
  // resources: the module holding the template; null: the program itself.
  ModalDialog(HINSTANCE resources, int templateId);
  virtual ~ModalDialog();
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Creates the dialog and runs it with owner disabled until Close(); OnModalEnd, then the window goes.
  // False when it could not be made.
  bool ShowModal(HWND owner);
  // The dialog modeless, not yet closed; false when the template could not be made into a window.
  bool Create(HWND owner);
  HWND Handle() const { return hwnd_; }
  bool Closed() const { return closed_; }
  // What the modal loop does with each message before it is dispatched: true when it was dealt with.
  virtual bool PreTranslate(MSG& message);

 protected:
  void Close() { closed_ = true; }
  // Unhooks and destroys the window, if there is one; it may be called again.
  void Destroy();
  bool RunningModal() const { return modal_; }
  HINSTANCE Resources() const { return resources_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  // WM_INITDIALOG: true lets the dialog manager focus the first control; false when OnInit set the focus.
  virtual bool OnInit() { return true; }
  virtual void OnCommand(UINT /*id*/, UINT /*code*/) {}
  virtual INT_PTR OnNotify(NMHDR& /*header*/) { return FALSE; }
  // WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT (kind): the brush, or null for the default.
  virtual HBRUSH OnColour(UINT /*kind*/, HDC /*dc*/, HWND /*control*/) { return nullptr; }
  // WM_CLOSE (the close box, Alt+F4): false leaves it to the dialog manager, which sends IDCANCEL.
  virtual bool OnClose() { return false; }
  // Any other message: what the dialog procedure returns.
  virtual INT_PTR OnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return FALSE; }
  // The modal loop is over and the window is still there.
  virtual void OnModalEnd() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HINSTANCE resources_;
  int templateId_;
  HWND hwnd_ = nullptr;
  bool closed_ = false;
  bool modal_ = false;
};

}  // namespace velgaro::widgets
