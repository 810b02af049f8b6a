// What the statistics window shows, as texts: the column headers, one line per package, an empty line
// and the total, and the countdown of an unattended run. No Win32 here, so tests can read it directly.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/Statistics.h"
#include "lang/Language.h"

namespace velgaro::stat {

constexpr const char* kSection = "Statistic";
constexpr int kColumnCount = 7;   // №, package, result, time, started, finished, details
constexpr int kCountdownStart = 4;

using ListLine = std::array<std::string, kColumnCount>;

struct StatWindowTexts {
  std::string caption;   // key 1
  std::string close;     // key 2
  std::array<std::string, kColumnCount> columns;   // "№", then keys 5..10
};

StatWindowTexts LoadStatWindowTexts(const Language& language);

std::string StatusText(std::uint8_t status, const Language& language);

// AddStatInfoLV: nothing for an empty run; otherwise the rows numbered from 1, an empty line, and the
// total line with key 3 in the package column and the total time in the time column.
std::vector<ListLine> BuildListLines(const std::vector<InstallStat>& rows, const std::string& totalDuration,
                                     const Language& language,
                                     const std::function<std::string(const LocalTime&)>& timeOfDay);

// "Автоматическое завершение программы через <n> сек", or key 4 with n in place of its %s.
std::string CountdownText(const Language& language, int secondsLeft);

}  // namespace velgaro::stat
