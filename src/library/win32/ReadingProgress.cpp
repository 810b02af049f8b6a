#include "library/win32/ReadingProgress.h"

#include <commctrl.h>

#include "widgets/win32/Controls.h"

namespace velgaro::library {

ReadingProgress::ReadingProgress(HWND owner, HWND statusBar, const Language& language, MessagePump& pump,
                                 std::function<void(int)> rowsRead)
    : owner_(owner), status_(statusBar), language_(language), pump_(pump), rowsRead_(std::move(rowsRead)) {}

ReadingProgress::~ReadingProgress() { End(); }

void ReadingProgress::Begin(int rows) {
  if (rowsRead_) rowsRead_(rows);
  bar_ = std::make_unique<widgets::ClsPBar>();
  bar_->Model().Min = 0;
  window_ = std::make_unique<widgets::FrmProgresBar>();
  if (!window_->Show(owner_, language_.LangText("Чтение информации", "Progress", 1))) {
    window_.reset();
    return;
  }
  window_->SetBar(bar_.get());
}

void ReadingProgress::Step(int row, int rows, const std::string& text) {
  if (!bar_) return;
  // The screen follows a few dozen times a second: drawing and repainting for every one of ten
  // thousand packages would take longer than reading them.
  const ULONGLONG now = GetTickCount64();
  if (row != 1 && row != rows && now - lastShown_ < kShowEveryMs) return;
  lastShown_ = now;
  bar_->Model().Max = rows;
  bar_->Model().Value = row;
  if (window_ && rows > 0) bar_->ShowProgress(window_->Picture());
  SetPanelText(text);
  // Messages run each time the screen follows, so the window answers within a few dozen milliseconds
  // however slowly the packages come.
  pump_.RunOnce();
}

void ReadingProgress::Meanwhile() {
  // Nothing to show yet; the window answers as often as it does while the packages are read.
  const ULONGLONG now = GetTickCount64();
  if (now - lastShown_ < kShowEveryMs) return;
  lastShown_ = now;
  pump_.RunOnce();
}

void ReadingProgress::End() {
  if (!bar_ && !window_) return;
  SetPanelText("");
  if (window_) window_->SetBar(nullptr);
  bar_.reset();
  window_.reset();
}

void ReadingProgress::SetPanelText(const std::string& text) {
  if (status_ == nullptr) return;
  widgets::SetStatusText(status_, 1, text);
  UpdateWindow(status_);
}

}  // namespace velgaro::library
