// The commands of vgptool, over ports so that tests can run them on simulated files.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro::vgptool {

enum ExitCode : int { kExitOk = 0, kExitWriteFailed = 1, kExitBadInput = 2 };

struct ToolPorts {
  FileSystem& fs;
  const Codepage& codepage;
  std::function<LocalTime()> now;
};

// args without the program name: dump FILE | pack JSON OUT | set FILE [--exe P] [--cmdline C]
// [--description D] [--option NAME=VALUE]... | bench-summary FOLDER [COUNT]. Messages go to err as one line.
int RunVgpTool(const std::vector<std::string>& args, ToolPorts& ports, std::ostream& out, std::ostream& err);

// The local time from the C library, for the entry points.
LocalTime CurrentLocalTime();

}  // namespace velgaro::vgptool
