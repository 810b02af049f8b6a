// The program's command line: /inst, /add, /nostat, /SPEED= and /?.
#pragma once

#include <string>

#include "app/App.h"

namespace velgaro {

inline constexpr const char* kCommandHelpTitle = "Quick Command Help";
inline constexpr const char* kCommandHelpText =
    "/inst <file.vgp>   - play actions\r\n/add  <file.exe or folder> - write new project, \r\n"
    "\t\t\tor open foder with vgp files\r\n/nostat\t\t- Statistic not show\r\n"
    "/speed {0|1|2}\t- set speed of actions\r\n/? \t\t- current message - help";

// Acts on the process's command line (without the program name). Every test that fails is silent.
// With /inst and an existing package file: UnattendedInstall, the language loaded, RunList set to
// that package and the control window opened.
void ParseCommandLine(App& app, const std::string& commandLine);

}  // namespace velgaro
