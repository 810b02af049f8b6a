// The package-summary benchmark: many sample packages written once, then the summary (header,
// description, options, installer path) of each read back as the package list does.
#pragma once

#include <optional>
#include <string>

#include "platform/Ports.h"

namespace velgaro::vgptool {

constexpr int kBenchPackageCount = 10000;
constexpr int kBenchActionsPerPackage = 20;

// Writes count packages of actionsPerPackage actions into folder (created when missing).
bool WriteSamplePackages(FileSystem& fs, const Codepage& codepage, const std::string& folder, int count,
                         int actionsPerPackage);

// Reads the summary of every "*.vgp" in folder; the number of packages read whole.
int ReadPackageSummaries(FileSystem& fs, const Codepage& codepage, const std::string& folder);

struct BenchFigures {
  int packagesRead = 0;
  double seconds = 0;
  double PackagesPerSecond() const { return seconds > 0 ? packagesRead / seconds : 0; }
};

// Writes the sample packages, then times one pass of ReadPackageSummaries.
std::optional<BenchFigures> RunSummaryBenchmark(FileSystem& fs, const Codepage& codepage, const std::string& folder,
                                                int count);

}  // namespace velgaro::vgptool
