// One opening of the control window, in play or in record mode: what the launcher keeps alive until
// the window unloads.
#pragma once

#include <memory>

#include "app/App.h"
#include "engine/ControlPorts.h"
#include "engine/win32/FrmStels.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32Windows.h"

namespace velgaro {

// The real adapters that the player or the recorder drive, kept by the session while its window is open.
struct ControlAdapters {
  win32::Win32Windows windows;
  win32::Win32Input input;
  win32::Win32Processes processes;
  win32::Win32Clock clock;
  win32::Win32TimerFactory timers;
  win32::Win32MessagePump pump;

  ControlPorts PortsFor(App& app) {
    const Platform& p = app.platform;
    return ControlPorts{windows, input, processes,    p.fs,       p.registry,        p.settings, clock,
                        timers,  pump,  app.language, app.paths, app.PackageText(), p.sys};
  }
};

class ControlSession {
 public:
  virtual ~ControlSession() = default;
  virtual bool Open() = 0;               // false when the window could not be opened
  virtual int ExitCode() const = 0;      // of an unattended run
  virtual bool Unattended() const = 0;
};

// The session of the control window that is open, if any.
std::unique_ptr<ControlSession>& CurrentControlSession();
// Runs from the control window's posted unload message, once no handler of the session is on the stack.
void EndControlSession();
// The pictures' tooltips, language section "Stels".
stels::ControlWindowTips ControlTips(const Language& language);

std::unique_ptr<ControlSession> MakeRecordSession(App& app, NewPackageRequest request);

}  // namespace velgaro
