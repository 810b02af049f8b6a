// All native adapters in one place, for tools that run the core outside Windows:
//   PosixPlatform p;
//   Platform platform{p.sys, p.fs, p.ini, p.settings, p.registry, p.codepage, p.dialogs};
#pragma once

#include "platform/posix/ConsoleDialogs.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixIniFile.h"
#include "platform/posix/PosixRegistry.h"
#include "platform/posix/PosixSettingsStore.h"
#include "platform/posix/PosixSystemInfo.h"

namespace velgaro {

struct PosixPlatform {
  PosixSystemInfo sys;
  PosixFileSystem fs;
  PosixCodepage codepage;
  PosixIniFile ini{fs, codepage};
  PosixSettingsStore settings;
  PosixRegistry registry;
  ConsoleDialogs dialogs;
};

}  // namespace velgaro
