// Run statistics: one row per package played, with its outcome and time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/LooseCaption.h"
#include "platform/Ports.h"

namespace velgaro {

enum InstallStatus : std::uint8_t { kNotInstalled = 0, kInterrupted = 1, kInstalled = 2 };

struct InstallStat {
  std::uint8_t status = kNotInstalled;
  std::string packageName;
  LocalTime started;
  LocalTime finished;
  std::string duration;  // FormatDuration of finished - started
  std::string details;
  // The windows found by a caption that differs from the recorded one in its numbers, each named once.
  std::vector<CaptionTaken> captionsTaken;
  bool closed = false;   // EndStat has run on this row
};

// H:MM:SS, hours wrapping at 24; a negative count reads as 0.
std::string FormatDuration(std::int32_t seconds);
// finished - started in whole seconds of the time of day; a negative difference (past midnight) gets a day added.
std::int32_t DurationSeconds(const LocalTime& started, const LocalTime& finished);

class Statistics {
 public:
  void ResetStats() { rows_.clear(); }
  void BeginStat(const std::string& packageName, const LocalTime& now);
  // Closes the last row. A row keeps its first outcome: false (and nothing changes) when there is no
  // open row, so a late skip or stop cannot turn an installed package into an interrupted one.
  bool EndStat(std::uint8_t status, const std::string& details, const LocalTime& now,
               const std::vector<CaptionTaken>& captionsTaken = {});
  std::string TotalDuration() const;
  const std::vector<InstallStat>& Rows() const { return rows_; }   // rows 1..N of the run, in order

 private:
  std::vector<InstallStat> rows_;
};

}  // namespace velgaro
