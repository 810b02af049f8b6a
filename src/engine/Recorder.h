// The record mode of the control window: the installer started, every press outside the control
// window followed until its release and committed as one action, texts for edit fields typed during a
// pause and committed as actions of their own, and the package saved on stop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "package/NewPackageRequest.h"
#include "engine/ControlPorts.h"
#include "engine/InputInjection.h"
#include "engine/MouseCapture.h"
#include "engine/WindowMatching.h"
#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// What the control window shows in record mode.
struct RecorderView {
  std::string lblCaption;
  bool lblCaptionVisible = true;
  std::string lblAct;
  std::string lblStatus;            // status line of the pause panel
  bool imgPlayVisible = false;
  bool imgPauseVisible = true;
  bool panelShown = false;          // the pause panel is unfolded
  std::string text1;                // the panel's text box, as the recorder last set it
  bool filterEnabled = true, filterChecked = true;
  bool replaceEnabled = false, replaceChecked = false;
};

// The controls whose hover writes into the status line.
enum class RecorderControl { Replace, Browse, Rezume, Insert, Panel, Stop, Filter, Play, Text1 };

// What the recorder asks of the windows around it. Empty functions do nothing.
struct RecorderHooks {
  std::function<bool()> installHook;        // SetWindowsHookEx(WH_MOUSE_LL); true when installed
  std::function<void()> removeHook;
  std::function<bool()> enablePrivilege;    // SeIncreaseBasePriorityPrivilege
  std::function<void()> viewChanged;
  std::function<void()> showPauseTip;       // frmPauseInfo, modal
  std::function<void(bool topMost)> setTopMost;
  std::function<void()> showMainWindowAndRefresh;
  std::function<void()> unloadControlWindow;
};

struct RecorderDeps : ControlPorts {
  Dialogs& dialogs;
};

class Recorder {
 public:
  Recorder(RecorderDeps deps, const NewPackageRequest& request, bool unattendedInstall, RecorderHooks hooks,
           WindowHandle controlWindow);
  ~Recorder();

  // Loading the window in record mode: record, then StartApp.
  void Load();
  void Record();
  bool StartApp();

  // A captured hook event, worked through after the callback returned.
  void OnMouseEvent(const CapturedMouseEvent& event);

  // Buttons and controls.
  void Pause();                              // imgPause
  void Resume();                             // imgPlay
  void CancelText();                         // cmdRezume
  void Stop();                               // imgStop: the package is saved
  void TextChanged(const std::string& text); // Text1 changed by the user
  void FilterClicked(bool checked);          // chkFilter
  void ReplaceClicked(bool checked);         // chkReplace
  std::string HoverText(RecorderControl control, const std::string& tooltip) const;

  void OnBlinkTick();                        // Timer1

  const RecorderView& View() const { return view_; }
  bool SomethingRecorded() const { return somethingRecorded_; }
  void SetSomethingRecorded(bool value) { somethingRecorded_ = value; }
  bool Stopped() const { return stopped_; }
  WindowHandle LastWindow() const { return lastWindow_; }
  Timer& BlinkTimer() { return *timer1_; }
  const WindowMatcher& Matcher() const { return matcher_; }

 private:
  void PauseRecord();
  void RecordAfterPause();
  void AppendAction();
  void SetText1(const std::string& text);   // as the recorder sets the box: a change when it differs
  void OnText1Changed(const std::string& text);
  bool LastWindowIsEdit() const;
  bool HasPathVariableValue(const std::string& text) const;
  void InstallHook();
  std::string Text(int key) const;
  void ViewChanged();

  RecorderDeps d_;
  PackageImage package_;   // the package being recorded
  NewPackageRequest request_;
  bool unattended_;
  RecorderHooks hooks_;
  WindowHandle control_;
  WindowMatcher matcher_;
  InputInjector injector_;
  std::unique_ptr<Timer> timer1_;
  RecorderView view_;

  // The press being followed.
  bool buttonHeld_ = false;
  bool ignorePress_ = false;
  Point pressPoint_;
  std::int16_t currentButton_ = 0;
  WindowPath path_;
  std::vector<MouseStep> steps_;
  WindowHandle lastWindow_ = 0;
  // The text of the pause panel.
  std::string actionText_;
  bool textChanged_ = false;
  bool somethingRecorded_ = false;
  bool recording_ = false;   // the hook is wanted (not paused, not stopped)
  bool stopped_ = false;
};

}  // namespace velgaro
