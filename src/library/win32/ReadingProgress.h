// What the main window shows while the package folder is read: the progress window with its bar, and
// "Загрузка k из N" in status-bar panel 2. Messages are let through a few dozen times a second, also
// while the folder is listed and ordered, before the bar shows.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "lang/Language.h"
#include "library/PackageLibrary.h"
#include "platform/Ports.h"
#include "widgets/win32/ClsPBar.h"
#include "widgets/win32/FrmProgresBar.h"

namespace velgaro::library {

class ReadingProgress final : public LibraryProgress {
 public:
  // rowsRead: the list is told how many rows there are before their summaries come.
  ReadingProgress(HWND owner, HWND statusBar, const Language& language, MessagePump& pump,
                  std::function<void(int rows)> rowsRead);
  ~ReadingProgress() override;

  void Begin(int rows) override;
  void Step(int row, int rows, const std::string& text) override;
  void End() override;
  void Meanwhile() override;

  // The progress window while it is shown, else null (tests look at it).
  HWND Window() const { return window_ ? window_->Handle() : nullptr; }

 private:
  void SetPanelText(const std::string& text);

  HWND owner_;
  HWND status_;
  const Language& language_;
  MessagePump& pump_;
  std::function<void(int)> rowsRead_;
  std::unique_ptr<widgets::ClsPBar> bar_;
  std::unique_ptr<widgets::FrmProgresBar> window_;
  static constexpr ULONGLONG kShowEveryMs = 30;
  ULONGLONG lastShown_ = 0;
};

}  // namespace velgaro::library
