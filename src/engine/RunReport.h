// The run report (/REPORT=<file>): the statistics rows of a run as UTF-8 JSON, for deployment tools.
//   {"exit_code": 1603, "packages": [{"package": "...", "outcome": "installed" | "not installed" |
//    "interrupted", "started": "2026-12-07 10:00:00", "finished": "...", "time": "0:01:05",
//    "details": "...", "captions_taken": [{"recorded": "Setup 1.2", "taken": "Setup 1.3"}, ...]}, ...]}
#pragma once

#include <string>
#include <vector>

#include "engine/Statistics.h"
#include "platform/Ports.h"

namespace velgaro {

std::string RunReportJson(const std::vector<InstallStat>& rows, int exitCode);
// Through the file system's replacing write: the file is the complete report or what it was before.
bool WriteRunReport(FileSystem& fs, const std::string& path, const std::vector<InstallStat>& rows, int exitCode);

// The line a deployment tool is told when the report could not be written.
std::string ReportNotWrittenLine(const FileSystem& fs, const std::string& path, int exitCode);
// WriteRunReport; a report that cannot be written (no such folder, access denied) is told to the
// deployment log (log may be null). The run's exit code stays what it is either way.
bool DeliverRunReport(FileSystem& fs, DeploymentLog* log, const std::string& path, const std::vector<InstallStat>& rows,
                      int exitCode);

// A JSON string literal of text; bytes that are not UTF-8 become U+FFFD, so the report always parses.
std::string JsonString(const std::string& text);

}  // namespace velgaro
