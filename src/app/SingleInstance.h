// One interactive copy at a time: a second copy brings the first copy's main window forward and ends.
// The semaphore and the placement of the window are the windows layer's (AppWindows); which window
// counts as the first copy's main window, and what follows, is decided here.
#pragma once

#include <string>

#include "app/App.h"
#include "platform/Ports.h"

namespace velgaro {

// The exit code of a second copy asked to install that ended after bringing the first copy forward: 1603,
// Windows Installer's "not installed", as an unattended run reports it.
inline constexpr int kHandedOverInstallExitCode = 1603;

// Name of the semaphore that marks the first copy.
inline constexpr const char* kSingleInstanceName = "Velgaro";

// A main-window caption of a running copy: longer than the product name and beginning with it exactly.
bool IsFirstCopyCaption(const std::string& caption);

// The first top-level window of className whose caption is a running copy's; 0 when there is none.
WindowHandle FindFirstCopyMainWindow(const WindowSystem& windows, const std::string& className);

// True when this copy may go on: it is the first copy, no first copy shows a main window (for example
// during an unattended install), or its command line is a deployment run. Otherwise the first copy's
// window has been brought forward, endProcess has been called (with 1603 when the command line asked
// for an install, else 0), and the result is false.
bool CheckSingleInstance(App& app, const std::string& commandLine);

}  // namespace velgaro
