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
  // A field given this text answers with a message box (as a serial number checked while it is typed):
  // its WM_SETTEXT does not return until the box's OK is pressed. Empty: no box.
  std::string boxOnText{};
};

class SimInstaller {
 public:
  // Page geometry in screen coordinates, and the button and fields in client coordinates of the page.
  static constexpr Rect kPageRect{100, 100, 500, 400};
  static constexpr Rect kButtonClient{300, 250, 380, 275};
  static constexpr std::int32_t kFieldLeft = 20, kFieldTop = 40, kFieldPitch = 35, kFieldWidth = 300, kFieldHeight = 22;
  // The message box of boxOnText, owned by the page and titled like it, and its OK button.
  static constexpr Rect kBoxRect{200, 180, 420, 300};
  static constexpr Rect kBoxButtonClient{80, 70, 140, 95};

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
  WindowHandle Box() const { return box_; }                 // 0 while no box is shown
  WindowHandle BoxButton() const { return boxButton_; }
  int BoxesAnswered() const { return boxesAnswered_; }
  // The texts that each page's fields held when its button was clicked.
  const std::vector<std::vector<std::string>>& Entered() const { return entered_; }
  int Launches() const { return launches_; }

 private:
  void ShowPage();
  void ClickNext();
  WindowHandle ShowBox();

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
  WindowHandle box_ = 0;
  WindowHandle boxButton_ = 0;
  int boxesAnswered_ = 0;
  std::vector<std::vector<std::string>> entered_;
};

}  // namespace velgaro
