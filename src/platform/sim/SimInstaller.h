// A scripted installer on the simulated desktop: one top-level "#32770" dialog per page, each with its
// edit fields and a next button. A click on the next button keeps the fields' texts, closes the page and
// shows the next one (after the page's delay in timer time); a click on the last page ends the process.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/SimDesktop.h"

namespace velgaro {

struct SimInstallerPage {
  std::string caption;
  std::vector<std::string> fields;   // "Edit" children, top to bottom, with their first texts
  std::string button = "Next >";
  int delayMs = 0;                   // time between the click on the previous page and this page
};

class SimInstaller {
 public:
  // Page geometry in screen coordinates, and the button and fields in client coordinates of the page.
  static constexpr Rect kPageRect{100, 100, 500, 400};
  static constexpr Rect kButtonClient{300, 250, 380, 275};
  static constexpr std::int32_t kFieldLeft = 20, kFieldTop = 40, kFieldPitch = 35, kFieldWidth = 300, kFieldHeight = 22;

  SimInstaller(SimDesktop& desktop, SimProcesses& processes, TimerFactory& timers, std::vector<SimInstallerPage> pages);
  ~SimInstaller();

  // Shows the first page whenever a started command line contains the text (the installer's path).
  void AttachTo(const std::string& commandLineContains);
  void Launch(std::int32_t processId);

  int PageIndex() const { return page_; }   // -1 before the launch; the page count once finished
  bool Finished() const { return page_ >= static_cast<int>(pages_.size()); }
  WindowHandle PageWindow() const { return dialog_; }
  WindowHandle Button() const { return button_; }
  WindowHandle Field(std::size_t index) const { return index < fields_.size() ? fields_[index] : 0; }
  // The texts that each page's fields held when its button was clicked.
  const std::vector<std::vector<std::string>>& Entered() const { return entered_; }
  int Launches() const { return launches_; }

 private:
  void ShowPage();
  void ClickNext();

  SimDesktop& desktop_;
  SimProcesses& processes_;
  std::vector<SimInstallerPage> pages_;
  std::unique_ptr<Timer> delay_;
  std::int32_t processId_ = 0;
  int page_ = -1;
  int launches_ = 0;
  WindowHandle dialog_ = 0;
  WindowHandle button_ = 0;
  std::vector<WindowHandle> fields_;
  std::vector<std::vector<std::string>> entered_;
};

}  // namespace velgaro
