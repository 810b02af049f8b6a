// One opening of the control window, in play or in record mode: what the launcher keeps alive until
// the window unloads.
#pragma once

#include <memory>

#include "app/App.h"
#include "engine/win32/FrmStels.h"

namespace velgaro {

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

std::unique_ptr<ControlSession> MakeRecordSession(App& app);

}  // namespace velgaro
