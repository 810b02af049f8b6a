// The statistics window frmStat: the rows of the run in a report list, the total time, and in an
// unattended run a four-second countdown that ends the program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "engine/Statistics.h"
#include "engine/win32/StatListRows.h"
#include "lang/Language.h"
#include "platform/win32/Handles.h"
#include "widgets/win32/TopWindow.h"

namespace velgaro::stat {

class FrmStat : public widgets::TopWindow {
 public:
  static constexpr wchar_t kClassName[] = L"VelgaroStatWindow";
  static constexpr int kCloseButtonId = IDCANCEL;   // Esc closes as the button does
  static constexpr UINT_PTR kCountdownTimerId = 1;  // Timer1

  // endProgram: ends the program (unattended run); called when the countdown runs out or the user closes.
  FrmStat(const Language& language, Statistics& stats, bool unattended, std::function<void()> endProgram);

  // Creates the window, fills it and, when unattended, starts the countdown. Shown, not modal.
  bool Create(HWND owner);
  // Create, then a modal loop with owner disabled; returns when the window has closed.
  void ShowModal(HWND owner);

  HWND ListView() const { return list_; }
  HWND StatusBar() const { return status_; }
  HWND CloseButton() const { return close_; }
  int Countdown() const { return countdown_; }
  bool Closed() const { return closed_; }

  void OnCountdownTick();   // Timer1
  void OnCloseButton();     // Command1 and closing by the window's own means

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void CreateControls();
  void AddStatInfoLV();
  void Layout();
  void FitLastColumn();
  void ShowCountdown();
  void Finish();

  const Language& language_;
  Statistics& stats_;
  bool unattended_;
  std::function<void()> endProgram_;
  StatWindowTexts texts_;
  int countdown_ = kCountdownStart;
  bool closed_ = false;
  HWND list_ = nullptr, status_ = nullptr, close_ = nullptr;  // children of the window
  win32::UniqueGdiObject font_;
};

// The time of day in the user's time format (GetTimeFormatW).
std::string FormatTimeOfDay(const LocalTime& t);

}  // namespace velgaro::stat
