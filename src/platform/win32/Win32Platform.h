// One of each Win32 adapter of the non-desktop ports, for the entry point to build the program's
// platform from.
#pragma once

#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFile.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SettingsStore.h"
#include "platform/win32/Win32SystemInfo.h"

namespace velgaro::win32 {

struct Win32Adapters {
  Win32SystemInfo sys;
  Win32FileSystem fs;
  Win32IniFile ini;
  Win32SettingsStore settings;
  Win32Registry registry;
  Win32Codepage codepage;
  Win32Dialogs dialogs;
};

}  // namespace velgaro::win32
