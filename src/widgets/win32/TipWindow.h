// A small modal tip: a few lines of explanation, a "do not show again" box and an OK button.
#pragma once

#include <windows.h>

#include <string>

namespace velgaro::widgets {

struct TipContent {
  std::string caption;
  std::string text;                                      // lines joined with "\r\n"
  std::string dontShowAgain = "не &показывать больше";
  bool dontShowAgainChecked = false;
};

// Shows the tip modally over owner (the owner waits); returns the state of the box when it was closed.
bool ShowTip(HWND owner, const TipContent& content);

}  // namespace velgaro::widgets
