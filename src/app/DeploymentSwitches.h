// The switches of unattended deployment, ours: /TIMEOUT=<seconds> and /REPORT=<file>. Each may be
// written /NAME=value, /NAME="value with blanks" or, as PowerShell, .NET, Python's subprocess and Wine
// quote an argument that holds a blank, "/NAME=value with blanks".
#pragma once

#include <optional>
#include <string>

#include "app/App.h"

namespace velgaro {

// Cuts one occurrence of a value switch such as "/REPORT=" out of line: the first that starts the line,
// follows a blank, or is the start of a quoted argument. The value, or nullopt when the switch is
// absent or its closing quote missing (the line then stays as it was).
std::optional<std::string> TakeValueSwitch(std::string& line, const std::string& name);

// /TIMEOUT= and /REPORT= cut out of line (in its own letter case: the report's path keeps it).
void TakeDeploymentSwitches(App& app, std::string& line);

// A run that a deployment tool started: it waits for the exit code, and no one sits at the screen.
bool IsDeploymentRun(const App& app);

// The same questions of a command line not read yet (a second copy decides on them before it reads it):
// whether it asks to install a package, and whether it asks for that with a deployment switch.
bool AsksForInstall(const std::string& commandLine);
bool AsksForDeploymentRun(const std::string& commandLine);

}  // namespace velgaro
