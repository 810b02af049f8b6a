// Command dispatch of vgptool. Exit codes: 0 done, 1 the output could not be written, 2 bad input.
#include "VgpTool.h"

#include <cstdlib>
#include <ctime>
#include <exception>
#include <ostream>

#include "BenchSummary.h"
#include "VgpJson.h"
#include "package/PackageImage.h"

namespace velgaro::vgptool {
namespace {

const char kUsage[] =
    "usage: vgptool dump FILE | pack JSON OUT.vgp | set FILE [--exe P] [--cmdline C] [--description D] "
    "[--option NAME=VALUE]...";

int Fail(std::ostream& err, int code, const std::string& message) {
  err << "vgptool: " << message << "\n";
  return code;
}

PackageImage MakeImage(const ToolPorts& ports) {
  // Texts exactly as stored: the tool never expands path variables.
  return PackageImage(PackageTextContext{ports.codepage, {}});
}

int Dump(const std::string& file, ToolPorts& ports, std::ostream& out, std::ostream& err) {
  PackageImage pkg = MakeImage(ports);
  if (!pkg.LoadPackage(ports.fs, file)) return Fail(err, kExitBadInput, file + ": not a readable package");
  std::string error;
  const std::optional<std::string> json = PackageToJson(pkg, error);
  if (!json) return Fail(err, kExitBadInput, file + ": " + error);
  out << *json << "\n";
  return kExitOk;
}

int Pack(const std::string& jsonFile, const std::string& outFile, ToolPorts& ports, std::ostream& err) {
  const std::optional<Bytes> json = ports.fs.ReadAll(jsonFile);
  if (!json) return Fail(err, kExitBadInput, jsonFile + ": cannot be read");
  PackageImage pkg = MakeImage(ports);
  std::string error;
  if (!PackageFromJson(std::string(json->begin(), json->end()), ports.now(), pkg, error)) {
    return Fail(err, kExitBadInput, jsonFile + ": " + error);
  }
  if (!pkg.WritePackageFile(ports.fs, outFile)) return Fail(err, kExitWriteFailed, outFile + ": cannot be written");
  return kExitOk;
}

struct SetRequest {
  std::optional<std::string> exePath, commandLine, description;
  std::vector<std::string> options;
};

int Set(const std::string& file, const std::vector<std::string>& flags, ToolPorts& ports, std::ostream& err) {
  SetRequest request;
  for (std::size_t i = 0; i < flags.size(); i += 2) {
    if (i + 1 >= flags.size()) return Fail(err, kExitBadInput, flags[i] + " needs a value");
    const std::string& value = flags[i + 1];
    if (flags[i] == "--exe") {
      request.exePath = value;
    } else if (flags[i] == "--cmdline") {
      request.commandLine = value;
    } else if (flags[i] == "--description") {
      request.description = value;
    } else if (flags[i] == "--option") {
      request.options.push_back(value);
    } else {
      return Fail(err, kExitBadInput, "unknown argument \"" + flags[i] + "\"");
    }
  }

  PackageImage pkg = MakeImage(ports);
  if (!pkg.LoadPackage(ports.fs, file)) return Fail(err, kExitBadInput, file + ": not a readable package");
  std::string error;
  for (const std::string& assignment : request.options) {
    if (!ApplyOption(assignment, pkg.options, error)) return Fail(err, kExitBadInput, error);
  }
  // The order in which the properties dialog saves.
  if (request.description) pkg.WriteDescription(*request.description);
  const bool replaced = (!request.exePath || pkg.ReplaceExePath(*request.exePath)) &&
                        (!request.commandLine || pkg.ReplaceCommandLine(*request.commandLine)) &&
                        (request.options.empty() || pkg.WriteOptions());
  if (!replaced) return Fail(err, kExitBadInput, file + ": the package is damaged");
  if (!pkg.WritePackageFile(ports.fs, file)) return Fail(err, kExitWriteFailed, file + ": cannot be written");
  return kExitOk;
}

int BenchSummary(const std::vector<std::string>& args, ToolPorts& ports, std::ostream& out, std::ostream& err) {
  int count = kBenchPackageCount;
  if (args.size() > 2) {
    count = std::atoi(args[2].c_str());
    if (count <= 0) return Fail(err, kExitBadInput, "COUNT must be a positive number");
  }
  const std::optional<BenchFigures> figures = RunSummaryBenchmark(ports.fs, ports.codepage, args[1], count);
  if (!figures) return Fail(err, kExitWriteFailed, args[1] + ": the sample packages cannot be written");
  out << figures->packagesRead << " package summaries read in " << figures->seconds << " s: "
      << static_cast<long long>(figures->PackagesPerSecond()) << " packages/s\n";
  return figures->packagesRead == count ? kExitOk : kExitBadInput;
}

int Dispatch(const std::vector<std::string>& args, ToolPorts& ports, std::ostream& out, std::ostream& err) {
  const std::string command = args.empty() ? std::string() : args[0];
  if (command == "dump" && args.size() == 2) return Dump(args[1], ports, out, err);
  if (command == "pack" && args.size() == 3) return Pack(args[1], args[2], ports, err);
  if (command == "set" && args.size() >= 2) {
    return Set(args[1], std::vector<std::string>(args.begin() + 2, args.end()), ports, err);
  }
  if (command == "bench-summary" && (args.size() == 2 || args.size() == 3)) return BenchSummary(args, ports, out, err);
  return Fail(err, kExitBadInput, kUsage);
}

}  // namespace

int RunVgpTool(const std::vector<std::string>& args, ToolPorts& ports, std::ostream& out, std::ostream& err) {
  try {
    return Dispatch(args, ports, out, err);
  } catch (const std::exception& e) {
    return Fail(err, kExitBadInput, e.what());
  }
}

LocalTime CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* tm = std::localtime(&now);
  if (!tm) return LocalTime{};
  return LocalTime{tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday, tm->tm_hour, tm->tm_min, tm->tm_sec};
}

}  // namespace velgaro::vgptool
