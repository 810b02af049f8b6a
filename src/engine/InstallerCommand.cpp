#include "engine/InstallerCommand.h"

#include <algorithm>
#include <cctype>

namespace velgaro {
namespace {

std::optional<std::string> OpenCommandTemplate(const std::string& extension, const Registry& registry) {
  const std::string fileType = registry.GetString(RegRoot::ClassesRoot, "." + extension, "");
  if (fileType.empty()) return std::nullopt;
  const std::string command =
      registry.GetExpandedString(RegRoot::ClassesRoot, fileType + "\\shell\\Open\\command", "");
  if (command.empty()) return std::nullopt;
  return command;
}

// One pass over the template, so that a path holding "%*" or "%1" is not substituted again.
std::string FillTemplate(const std::string& command, const std::string& path, const std::optional<std::string>& args) {
  std::string out;
  for (std::size_t i = 0; i < command.size(); ++i) {
    if (command[i] == '%' && i + 1 < command.size()) {
      if (command[i + 1] == '1') {
        out += path;
        ++i;
        continue;
      }
      if (command[i + 1] == '*' && args) {
        out += *args;
        ++i;
        continue;
      }
    }
    out += command[i];
  }
  return out;
}

}  // namespace

std::string InstallerExtension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('\\', dot) != std::string::npos) return std::string();
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return extension;
}

std::optional<std::string> InstallerCommandLine(const std::string& installerPath, const std::string& commandLine,
                                                const Registry& registry) {
  const std::string extension = InstallerExtension(installerPath);
  if (extension == "exe" || extension == "bat" || extension == "cmd") return installerPath + " " + commandLine;
  if (extension != "msi" && extension != "reg") return std::nullopt;
  const std::optional<std::string> command = OpenCommandTemplate(extension, registry);
  if (!command) return std::nullopt;
  const std::optional<std::string> args = extension == "msi" ? std::optional<std::string>(commandLine) : std::nullopt;
  // The parameters are already inside the template, so the blank is followed by nothing.
  return FillTemplate(*command, installerPath, args) + " ";
}

}  // namespace velgaro
