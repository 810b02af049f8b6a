// The control window frmStels: a small top-most bar that shows the player's or the recorder's view and
// hands the clicks on its pictures on. Labels and pictures are drawn, not child windows, so a press on
// any of them yields the control window's own handle; in record mode the pause panel below the bar
// has controls of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "engine/Player.h"
#include "engine/Recorder.h"
#include "engine/win32/ControlBarLayout.h"
#include "engine/win32/PausePanel.h"
#include "platform/win32/Handles.h"
#include "widgets/win32/TopWindow.h"

namespace velgaro::stels {

struct ControlWindowEvents {
  std::function<void()> pause;      // imgPause
  std::function<void()> play;       // imgPlay
  std::function<void()> playNext;   // imgPlayNext
  std::function<void()> stop;       // imgStop, and a user's request to close the window
  std::function<void()> unload;     // runs once the message that asked for the unload is over
  std::function<void()> hookEvents; // the mouse hook queued events (record mode)
  std::function<std::string(RecorderControl, const std::string& tooltip)> hover;   // record mode
};

// Tooltips of the pictures.
struct ControlWindowTips {
  std::string play, pause, playNext, stop;
};

class FrmStels : public widgets::TopWindow {
 public:
  static constexpr wchar_t kClassName[] = L"VelgaroControlWindow";
  // Posted by the mouse hook when it has queued events.
  static constexpr UINT kHookEventsMessage = WM_APP + 2;

  FrmStels(ControlWindowEvents events, ControlWindowTips tips);
  // Record mode: the bar of the recorder and its pause panel.
  FrmStels(ControlWindowEvents events, ControlWindowTips tips, PausePanelTexts panelTexts, PausePanelEvents panelEvents);
  ~FrmStels() override;

  // Creates the window hidden, shaped and placed (PositionForm). False when the window cannot be created.
  bool Create();

  void ShowTopMost();
  void Hide();
  void SetView(const PlayerView& view);
  void SetRecordView(const RecorderView& view);
  const PlayerView& View() const { return view_; }
  ControlMode Mode() const { return mode_; }
  PausePanel* Panel() { return panel_.get(); }

  // Unloading runs the unload event from a posted message, after the current timer tick or click is over.
  void RequestUnload();

  // What a click on a picture does; public for tests that drive the window without a mouse.
  void Click(Picture picture);

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void PositionForm();
  void CreateTooltips();
  // FrmStelsPaint.cpp: the bar drawn.
  void CreateFonts();
  void OnPaint();
  void Draw(HDC dc);
  void OnLeftDown(Point p);
  void OnLeftUp(Point p);
  void OnMouseMove(Point p);
  const std::string& TipText(UINT_PTR tool) const;

  ControlWindowEvents events_;
  ControlWindowTips tips_;
  ControlMode mode_ = ControlMode::Play;
  std::unique_ptr<PausePanel> panel_;
  bool panelShown_ = false;
  PlayerView view_;
  std::optional<Picture> pressed_;
  HWND tooltip_ = nullptr;  // owned by the window
  win32::UniqueGdiObject captionFont_, textFont_, positionFont_;
  std::wstring tipBuffer_;
};

}  // namespace velgaro::stels
