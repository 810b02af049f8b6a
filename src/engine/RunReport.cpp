#include "engine/RunReport.h"

#include <cstdio>

#include "app/ProductName.h"
#include "package/paths/PathVariables.h"

namespace velgaro {
namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence at text[i], or 0.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b = byte(i);
  std::size_t n = 0;
  unsigned min = 0;
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) { n = 2; min = 0x80; }
  else if (b >= 0xE0 && b <= 0xEF) { n = 3; min = 0x800; }
  else if (b >= 0xF0 && b <= 0xF4) { n = 4; min = 0x10000; }
  else return 0;
  if (i + n > text.size()) return 0;
  unsigned code = b & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return n;
}

std::string Outcome(std::uint8_t status) {
  switch (status) {
    case kInstalled: return "installed";
    case kInterrupted: return "interrupted";
    default: return "not installed";
  }
}

std::string Stamp(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

std::string CaptionsTakenJson(const std::vector<CaptionTaken>& captions) {
  std::string out = "[";
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (i > 0) out += ", ";
    out += "{\"recorded\": " + JsonString(captions[i].recorded) + ", \"taken\": " + JsonString(captions[i].taken) + "}";
  }
  return out + "]";
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t n = Utf8Length(text, i);
    if (n == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
      out += escaped;
    } else {
      out.append(text, i, n);
    }
    i += n;
  }
  return out + "\"";
}

std::string RunReportJson(const std::vector<InstallStat>& rows, int exitCode) {
  std::string out = "{\"exit_code\": " + std::to_string(exitCode) + ", \"packages\": [";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const InstallStat& r = rows[i];
    if (i > 0) out += ",";
    out += "\n  {\"package\": " + JsonString(r.packageName) + ", \"outcome\": " + JsonString(Outcome(r.status)) +
           ", \"started\": " + JsonString(Stamp(r.started)) + ", \"finished\": " + JsonString(Stamp(r.finished)) +
           ", \"time\": " + JsonString(r.duration) + ", \"details\": " + JsonString(r.details) +
           ", \"captions_taken\": " + CaptionsTakenJson(r.captionsTaken) + "}";
  }
  return out + (rows.empty() ? "]}\n" : "\n]}\n");
}

bool WriteRunReport(FileSystem& fs, const std::string& path, const std::vector<InstallStat>& rows, int exitCode) {
  const std::string json = RunReportJson(rows, exitCode);
  return fs.WriteAllReplacing(path, Bytes(json.begin(), json.end()));
}

std::string ReportNotWrittenLine(const FileSystem& fs, const std::string& path, int exitCode) {
  const std::string folder = ParentFolder(path);
  const std::string why = !folder.empty() && !fs.IsDirectory(folder)
                              ? "its folder does not exist"
                              : "access denied, read-only or no space left";
  return std::string(kProductName) + ": the run report could not be written to \"" + path + "\" (" + why +
         "); the run's exit code is " + std::to_string(exitCode) + ".";
}

bool DeliverRunReport(FileSystem& fs, DeploymentLog* log, const std::string& path, const std::vector<InstallStat>& rows,
                      int exitCode) {
  if (WriteRunReport(fs, path, rows, exitCode)) return true;
  if (log != nullptr) log->Error(ReportNotWrittenLine(fs, path, exitCode));
  return false;
}

}  // namespace velgaro
