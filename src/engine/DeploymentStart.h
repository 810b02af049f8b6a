// The start of an unattended deployment run (/inst with /TIMEOUT or /REPORT). No one is at the screen:
// a package that cannot be played ends the run before any window opens, with the exit code and the
// report that the deployment tool waits for.
#pragma once

#include <optional>

#include "app/App.h"
#include "platform/Ports.h"

namespace velgaro {

// Checks the one package of an unattended deployment run. When it is missing, unreadable, damaged or
// too new: its statistics row (not installed, and why) goes into the report when one was asked for
// (a report that cannot be written is told to log, which may be null), and the exit code 1603 to end
// the process with comes back. nullopt when the run may go on, or is no deployment run.
std::optional<int> RefuseUnplayableDeployment(App& app, const PlayRun& run, const Clock& clock, DeploymentLog* log);

}  // namespace velgaro
