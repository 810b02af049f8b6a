#include "app/DeploymentSwitches.h"

#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

constexpr long kLongestDeadline = 7L * 24 * 3600;

bool StartsArgument(const std::string& line, std::size_t at) { return at == 0 || line[at - 1] == ' '; }

// /TIMEOUT=<seconds>: a whole number from 1 to a week; anything else leaves the run without a deadline.
void TakeDeadline(App& app, std::string& line) {
  const std::optional<std::string> value = TakeValueSwitch(line, "/TIMEOUT=");
  if (!value) return;
  if (value->empty() || value->size() > 6 || value->find_first_not_of("0123456789") != std::string::npos) return;
  const long seconds = std::stol(*value);
  if (seconds < 1 || seconds > kLongestDeadline) return;
  app.DeadlineSeconds = static_cast<int>(seconds);
}

// /REPORT=<file>: a relative path is taken from the folder the caller started us in, before anything
// (an open dialog of a batch run) can change the current folder.
void TakeReport(App& app, std::string& line) {
  const std::optional<std::string> value = TakeValueSwitch(line, "/REPORT=");
  if (!value) return;
  const std::string path = Trim(*value);
  if (path.empty() || path.find('\0') != std::string::npos) return;
  app.ReportPath = app.windows.absolutePath ? app.windows.absolutePath(path) : path;
}

}  // namespace

std::optional<std::string> TakeValueSwitch(std::string& line, const std::string& name) {
  for (std::size_t at = FindNoCase(line, name); at != std::string::npos; at = FindNoCase(line, name, at + 1)) {
    const bool quotedWhole = at > 0 && line[at - 1] == '"' && StartsArgument(line, at - 1);
    if (!quotedWhole && !StartsArgument(line, at)) continue;
    const std::size_t valueAt = at + name.size();
    std::size_t begin = at;
    std::size_t end = 0;
    std::string value;
    if (quotedWhole || (valueAt < line.size() && line[valueAt] == '"')) {
      // "/NAME=value" or /NAME="value": the value ends at the next quote.
      const std::size_t open = quotedWhole ? valueAt : valueAt + 1;
      const std::size_t close = line.find('"', open);
      if (close == std::string::npos) return std::nullopt;
      value = line.substr(open, close - open);
      if (quotedWhole) begin = at - 1;
      end = close + 1;
    } else {
      end = line.find(' ', valueAt);
      if (end == std::string::npos) end = line.size();
      value = line.substr(valueAt, end - valueAt);
    }
    line = Trim(line.substr(0, begin) + line.substr(end));
    return value;
  }
  return std::nullopt;
}

void TakeDeploymentSwitches(App& app, std::string& line) {
  TakeDeadline(app, line);
  TakeReport(app, line);
}

bool IsDeploymentRun(const App& app) { return app.DeadlineSeconds > 0 || !app.ReportPath.empty(); }

bool AsksForInstall(const std::string& commandLine) { return FindNoCase(commandLine, "/inst") != std::string::npos; }

bool AsksForDeploymentRun(const std::string& commandLine) {
  return AsksForInstall(commandLine) && (FindNoCase(commandLine, "/TIMEOUT=") != std::string::npos ||
                                         FindNoCase(commandLine, "/REPORT=") != std::string::npos);
}

}  // namespace velgaro
