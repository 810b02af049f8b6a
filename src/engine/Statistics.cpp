#include "engine/Statistics.h"

#include <cstdio>

namespace velgaro {
namespace {

constexpr std::int32_t kSecondsPerDay = 24 * 3600;

std::int32_t SecondOfDay(const LocalTime& t) { return t.hour * 3600 + t.minute * 60 + t.second; }

}  // namespace

std::string FormatDuration(std::int32_t seconds) {
  if (seconds < 0) seconds = 0;
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", static_cast<int>((seconds / 3600) % 24),
                static_cast<int>((seconds / 60) % 60), static_cast<int>(seconds % 60));
  return text;
}

std::int32_t DurationSeconds(const LocalTime& started, const LocalTime& finished) {
  std::int32_t seconds = SecondOfDay(finished) - SecondOfDay(started);
  if (seconds < 0) seconds += kSecondsPerDay;
  return seconds;
}

void Statistics::BeginStat(const std::string& packageName, const LocalTime& now) {
  InstallStat row;
  row.packageName = packageName;
  row.started = now;
  rows_.push_back(row);
}

bool Statistics::EndStat(std::uint8_t status, const std::string& details, const LocalTime& now,
                         const std::vector<CaptionTaken>& captionsTaken) {
  if (rows_.empty() || rows_.back().closed) return false;
  InstallStat& row = rows_.back();
  row.status = status;
  row.finished = now;
  row.duration = FormatDuration(DurationSeconds(row.started, row.finished));
  row.details = details;
  row.captionsTaken = captionsTaken;
  row.closed = true;
  return true;
}

std::string Statistics::TotalDuration() const {
  std::int64_t total = 0;
  for (const InstallStat& row : rows_) {
    if (row.closed) total += DurationSeconds(row.started, row.finished);
  }
  // Only the time of day is shown, so the sum may wrap at a day without loss.
  return FormatDuration(static_cast<std::int32_t>(total % kSecondsPerDay));
}

}  // namespace velgaro
