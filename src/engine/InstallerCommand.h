// The command line that starts an installer, chosen by the installer's file type.
#pragma once

#include <optional>
#include <string>

#include "platform/Ports.h"

namespace velgaro {

// The text after the last "." of path, in lower case, provided no "\" follows that dot; else empty.
std::string InstallerExtension(const std::string& path);

// "exe", "bat", "cmd": the path, a blank and the command line. "msi": the registered open command with
// "%1" as the path and "%*" as the command line, then a blank. "reg": the same with "%1" only.
// nullopt for any other type, or when no open command is registered.
std::optional<std::string> InstallerCommandLine(const std::string& installerPath, const std::string& commandLine,
                                                const Registry& registry);

}  // namespace velgaro
