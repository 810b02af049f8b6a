// frmProgresBar: the small window "Чтение информации" with the progress bar, shown while the package
// folder is read.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"
#include "widgets/win32/ClsPBar.h"
#include "widgets/win32/TopWindow.h"

namespace velgaro::widgets {

class FrmProgresBar : public TopWindow {
 public:
  static constexpr wchar_t kClassName[] = L"VelgaroProgressWindow";

  // Creates and shows the window centred over owner, not modal; label is progress/1.
  bool Show(HWND owner, const std::string& label);
  HWND Picture() const { return pctProgres_; }
  // The bar drawn into the picture box: drawn again whenever the box is repainted.
  void SetBar(ClsPBar* bar) { bar_ = bar; }

 private:
  static LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  HWND pctProgres_ = nullptr;
  HWND label_ = nullptr;
  ClsPBar* bar_ = nullptr;
  win32::UniqueGdiObject font_;
};

}  // namespace velgaro::widgets
