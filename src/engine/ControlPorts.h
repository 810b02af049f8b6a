// What the control window's player and recorder both drive: the desktop and the input, the installer's
// processes, the files, registry and settings, time and the message loop, and the texts.
#pragma once

#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

struct ControlPorts {
  WindowSystem& windows;
  Input& input;
  Processes& processes;
  FileSystem& fs;
  Registry& registry;
  SettingsStore& settings;
  Clock& clock;
  TimerFactory& timers;
  MessagePump& pump;
  const Language& language;
  const PathVariables& paths;
  PackageTextContext packageText;   // how package images read and write their texts
  const SystemInfo& sys;            // the screen size, for the factors of absolute pointer moves
};

}  // namespace velgaro
