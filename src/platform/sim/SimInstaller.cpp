#include "platform/sim/SimInstaller.h"

namespace velgaro {
namespace {

Rect Offset(const Rect& r, std::int32_t dx, std::int32_t dy) {
  return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

SimInstaller::SimInstaller(SimDesktop& desktop, SimProcesses& processes, TimerFactory& timers,
                           std::vector<SimInstallerPage> pages)
    : desktop_(desktop), processes_(processes), pages_(std::move(pages)) {
  delay_ = timers.CreateTimer([this] {
    delay_->SetEnabled(false);
    ShowPage();
  });
}

SimInstaller::~SimInstaller() {
  if (dialog_ != 0) desktop_.Destroy(dialog_);
}

void SimInstaller::AttachTo(const std::string& commandLineContains) {
  processes_.onStart = [this, commandLineContains](std::int32_t id, const std::string& commandLine) {
    if (commandLine.find(commandLineContains) != std::string::npos) Launch(id);
  };
}

void SimInstaller::Launch(std::int32_t processId) {
  ++launches_;
  processId_ = processId;
  page_ = 0;
  entered_.clear();
  if (pages_.empty()) {
    processes_.End(processId_);
    return;
  }
  if (pages_[0].delayMs > 0) {
    delay_->SetInterval(pages_[0].delayMs);
    delay_->SetEnabled(true);
  } else {
    ShowPage();
  }
}

void SimInstaller::ShowPage() {
  const SimInstallerPage& page = pages_[static_cast<std::size_t>(page_)];
  SimWindowSpec pageSpec{"#32770", page.caption, 0, 0, kPageRect, true, false};
  pageSpec.process = processId_;
  dialog_ = desktop_.Create(pageSpec);
  const std::int32_t x = kPageRect.left, y = kPageRect.top;
  fields_.clear();
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const std::int32_t top = kFieldTop + static_cast<std::int32_t>(i) * kFieldPitch;
    const Rect client{kFieldLeft, top, kFieldLeft + kFieldWidth, top + kFieldHeight};
    fields_.push_back(desktop_.Create(SimWindowSpec{"Edit", page.fields[i], dialog_, 0, Offset(client, x, y), true, false}));
    if (!page.boxOnText.empty()) {
      desktop_.OnSetText(fields_.back(), [this, trigger = page.boxOnText](const std::string& text) {
        return text == trigger ? ShowBox() : WindowHandle{0};
      });
    }
  }
  button_ = desktop_.Create(SimWindowSpec{"Button", page.button, dialog_, 0, Offset(kButtonClient, x, y), true, false});
  desktop_.OnClick(button_, [this] { ClickNext(); });
}

WindowHandle SimInstaller::ShowBox() {
  const std::string caption = desktop_.GetWindowText(dialog_);
  SimWindowSpec boxSpec{"#32770", caption, 0, dialog_, kBoxRect, true, false};
  boxSpec.process = processId_;
  box_ = desktop_.Create(boxSpec);
  boxButton_ = desktop_.Create(
      SimWindowSpec{"Button", "OK", box_, 0, Offset(kBoxButtonClient, kBoxRect.left, kBoxRect.top), true, false});
  desktop_.OnClick(boxButton_, [this] {
    desktop_.Destroy(box_);
    box_ = boxButton_ = 0;
    ++boxesAnswered_;
  });
  return box_;
}

void SimInstaller::ClickNext() {
  std::vector<std::string> texts;
  for (WindowHandle field : fields_) texts.push_back(desktop_.GetWindowText(field));
  entered_.push_back(texts);
  desktop_.Destroy(dialog_);   // the handler that runs now is a copy, so destroying the button is safe
  dialog_ = button_ = 0;
  fields_.clear();
  ++page_;
  if (Finished()) {
    processes_.End(processId_);
    return;
  }
  const int delay = pages_[static_cast<std::size_t>(page_)].delayMs;
  if (delay > 0) {
    delay_->SetInterval(delay);
    delay_->SetEnabled(true);
  } else {
    ShowPage();
  }
}

}  // namespace velgaro
