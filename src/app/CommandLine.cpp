#include "app/CommandLine.h"

#include <cctype>
#include <optional>

#include "app/CommandLineText.h"
#include "app/DeploymentSwitches.h"
#include "app/SettingKeys.h"
#include "package/paths/PathVariables.h"
#include "platform/Utf8Text.h"

namespace velgaro {
namespace {

constexpr std::size_t kShortestSwitchLine = 7;
const std::string kSpeedSwitch = "/SPEED=";

void TakeNoStat(App& app, std::string& line) {
  SwitchCut cut = ExtractSwitch(line, "/nostat");
  if (!cut.found) return;
  app.NoStatistics = true;
  app.CommandSwitches = "/nostat";
  line = std::move(cut.line);
}

// The speed is a lasting setting, not an override for this run. The switch and its digit are cut out
// whatever the digit was; a line ending in "/SPEED=" loses just that.
void TakeSpeed(App& app, std::string& line) {
  if (CharacterCount(line) <= kShortestSwitchLine) return;
  const std::size_t at = line.find(kSpeedSwitch);
  if (at == std::string::npos) return;
  const std::size_t digitAt = at + kSpeedSwitch.size();
  const std::size_t digitSize = CharacterSize(line, digitAt);
  if (digitSize == 1 && std::isdigit(static_cast<unsigned char>(line[digitAt]))) {
    const char digit = line[digitAt];
    if (digit <= '2') {
      app.platform.settings.Set(settings::kInstall, settings::kSpeed, std::string(1, digit));
      app.CommandSwitches += " /speed";
    } else {
      app.platform.settings.Set(settings::kInstall, settings::kSpeed, "2");
    }
  }
  line = line.substr(0, at) + line.substr(digitAt + digitSize);
}

// Only a line that now begins with /ADD counts: a blank left by an earlier cut defeats it.
void TakeAdd(App& app, const std::string& line) {
  if (line.compare(0, 4, "/ADD") != 0) return;
  const FileSystem& fs = app.platform.fs;
  const std::string path = app.paths.ExpandPathVariables(Trim(QuotedPart(line.substr(4))), fs);
  // "-" is the installer path of a package without a program, not a place for packages; a bare file
  // name has no folder to take.
  if (path != "-" && FileExists(fs, path)) {
    const std::string folder = IsFolder(fs, path) ? path : ParentFolder(path);
    if (!folder.empty()) app.platform.settings.Set(settings::kPath, settings::kFolderVgp, folder);
  }
  app.CommandSwitches += "/add";
}

bool IsPackageFile(const FileSystem& fs, const std::string& path) {
  if (path.size() < 4 || ToUpperAscii(path.substr(path.size() - 4)) != ".VGP") return false;
  return FileExists(fs, path) && !IsFolder(fs, path);
}

// The package named after /inst, tested before path variables are expanded.
std::optional<std::string> InstCandidate(const FileSystem& fs, const std::string& line) {
  const std::size_t at = ToLowerAscii(line).find("/inst");
  if (at == std::string::npos) return std::nullopt;
  std::string rest = Trim(line.substr(at + 5));
  std::string candidate = rest;
  if (!FileExists(fs, rest)) {
    std::optional<std::string> token = TakeFirstToken(rest);
    if (!token) return std::nullopt;
    candidate = *token;
  }
  if (!IsPackageFile(fs, candidate)) return std::nullopt;
  return candidate;
}

// With /inst first, the path is read again from the whole rest of the line, variables expanded.
// Anything else (a /inst after another switch, trailing words) would name the wrong file, so the
// checked candidate is played instead.
std::string PackageToPlay(const App& app, const std::string& line, const std::string& candidate) {
  const FileSystem& fs = app.platform.fs;
  const std::string trimmed = Trim(line);
  if (ToLowerAscii(trimmed).rfind("/inst", 0) == 0) {
    const std::string reread = app.paths.ExpandPathVariables(Trim(QuotedPart(trimmed.substr(5))), fs);
    if (IsPackageFile(fs, reread)) return reread;
  }
  const std::string expanded = app.paths.ExpandPathVariables(candidate, fs);
  return IsPackageFile(fs, expanded) ? expanded : candidate;
}

// The file that /inst names when it is no package to play: the quoted text, or the text up to the
// next switch (a file name holds no "/"); nullopt without /inst.
std::optional<std::string> NamedPackage(const std::string& line) {
  const std::size_t at = ToLowerAscii(line).find("/inst");
  if (at == std::string::npos) return std::nullopt;
  const std::string rest = Trim(line.substr(at + 5));
  if (!rest.empty() && rest[0] == '"') {
    const std::size_t close = rest.find('"', 1);
    return Trim(rest.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  }
  return Trim(rest.substr(0, rest.find(" /")));
}

void TakeInst(App& app, const std::string& line) {
  std::optional<std::string> candidate = InstCandidate(app.platform.fs, line);
  // A deployment tool waits for the run with no one at the screen: a package that cannot be played
  // goes to the control window all the same, which ends the run at once and says why, instead of the
  // main window waiting for a person.
  if (!candidate && IsDeploymentRun(app)) candidate = NamedPackage(line);
  if (!candidate) return;

  app.UnattendedInstall = true;
  Platform& p = app.platform;
  app.language.LoadLanguage({p.sys, p.fs, p.ini, p.dialogs, true});

  const std::string package = PackageToPlay(app, line, *candidate);
  if (app.windows.openControlWindow) app.windows.openControlWindow(RunOfOne(package));
}

}  // namespace

void ParseCommandLine(App& app, const std::string& commandLine) {
  std::string line = Trim(commandLine);
  if (line.empty()) return;
  if (line == "/?") {
    if (app.windows.showHelp) app.windows.showHelp(kCommandHelpText, kCommandHelpTitle);
    return;
  }
  if (CharacterCount(line) < kShortestSwitchLine) return;

  // The switches of unattended deployment go first: the report's path keeps its letter case.
  TakeDeploymentSwitches(app, line);
  // From here on the whole line is upper case, paths included.
  line = ToUpperAscii(line);
  TakeNoStat(app, line);
  TakeSpeed(app, line);
  TakeAdd(app, line);
  if (app.DeadlineSeconds > 0) app.CommandSwitches += " /timeout";
  if (!app.ReportPath.empty()) app.CommandSwitches += " /report";
  TakeInst(app, line);
}

}  // namespace velgaro
