// The exit code of an unattended run, in Windows Installer's codes.
#pragma once

#include <cstdint>

namespace velgaro {

enum RunExitCode : int {
  kExitInstalled = 0,
  kExitRestartRequired = 3010,
  kExitInterrupted = 1602,
  kExitNotInstalled = 1603,
};

// The code of one package from its statistics status; an installed package that asks for a restart
// of the computer reports 3010 (playback itself restarts nothing).
int PackageExitCode(std::uint8_t status, bool createReboot);
// The worse of two codes: 1603 > 1602 > 3010 > 0.
int WorseExitCode(int a, int b);

}  // namespace velgaro
