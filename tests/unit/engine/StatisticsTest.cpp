#include <gtest/gtest.h>

#include "engine/RunExitCode.h"
#include "engine/Statistics.h"

namespace velgaro {
namespace {

LocalTime At(int hour, int minute, int second) { return LocalTime{2024, 5, 17, hour, minute, second}; }

TEST(FormatDurationTest, HoursWithoutLeadingZeroMinutesAndSecondsWithTwoDigits) {
  struct Case {
    std::int32_t seconds;
    const char* text;
  } cases[] = {{0, "0:00:00"}, {5, "0:00:05"}, {3725, "1:02:05"}, {36000, "10:00:00"},
               {86399, "23:59:59"}, {86400 + 61, "0:01:01"}, {-5, "0:00:00"}};
  for (const Case& c : cases) EXPECT_EQ(FormatDuration(c.seconds), c.text) << c.seconds;
}

TEST(DurationSecondsTest, PastMidnightAddsADay) {
  EXPECT_EQ(DurationSeconds(At(23, 59, 50), At(0, 0, 20)), 30);
  EXPECT_EQ(DurationSeconds(At(10, 0, 0), At(10, 0, 0)), 0);
  EXPECT_EQ(DurationSeconds(At(10, 0, 0), At(11, 2, 5)), 3725);
}

TEST(StatisticsTest, RowsKeepTheirFirstOutcome) {
  Statistics stats;
  EXPECT_FALSE(stats.EndStat(kInstalled, "no row", At(1, 0, 0)));
  stats.BeginStat("first", At(23, 59, 50));
  EXPECT_TRUE(stats.EndStat(kInstalled, "done", At(0, 0, 20)));
  // A skip or stop arriving after the package closed must not rewrite it.
  EXPECT_FALSE(stats.EndStat(kInterrupted, "late", At(0, 0, 25)));
  ASSERT_EQ(stats.Rows().size(), 1u);
  const InstallStat& row = stats.Rows()[0];
  EXPECT_EQ(row.packageName, "first");
  EXPECT_EQ(row.status, kInstalled);
  EXPECT_EQ(row.details, "done");
  EXPECT_EQ(row.duration, "0:00:30");
  EXPECT_TRUE(row.closed);
}

TEST(StatisticsTest, TotalSumsClosedRowsAndWrapsAtADay) {
  Statistics stats;
  EXPECT_EQ(stats.TotalDuration(), "0:00:00");
  stats.BeginStat("a", At(10, 0, 0));
  stats.EndStat(kInstalled, "", At(22, 0, 0));
  stats.BeginStat("b", At(22, 0, 0));
  stats.EndStat(kInterrupted, "", At(11, 0, 5));   // 13 hours, across midnight
  stats.BeginStat("c", At(11, 0, 5));              // still open: not counted
  EXPECT_EQ(stats.TotalDuration(), "1:00:05");
  stats.ResetStats();
  EXPECT_TRUE(stats.Rows().empty());
}

TEST(RunExitCodeTest, PackageCodes) {
  EXPECT_EQ(PackageExitCode(kInstalled, false), 0);
  EXPECT_EQ(PackageExitCode(kInstalled, true), 3010);
  EXPECT_EQ(PackageExitCode(kInterrupted, true), 1602);
  EXPECT_EQ(PackageExitCode(kNotInstalled, false), 1603);
}

TEST(RunExitCodeTest, WorstCodeWins) {
  const int order[] = {0, 3010, 1602, 1603};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(WorseExitCode(order[i], order[j]), order[std::max(i, j)]) << order[i] << " " << order[j];
    }
  }
}

}  // namespace
}  // namespace velgaro
