// What the package benchmarks share: a temporary folder of vgptool's sample packages with an order file
// that names them backwards (so that putting the rows in order is part of the work), and the rate
// counter they report.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSummary.h"
#include "package/OrderFile.h"

namespace velgaro::bench {

// The sample packages pkg00000... and their order file, backwards.
inline bool WriteSampleFolder(FileSystem& fs, const Codepage& codepage, const std::string& folder, int count) {
  if (!vgptool::WriteSamplePackages(fs, codepage, folder, count, vgptool::kBenchActionsPerPackage)) return false;
  std::vector<std::string> names;
  for (int i = count - 1; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "pkg%05d", i);
    names.push_back(name);
  }
  return WriteOrderFile(fs, codepage, folder, names);
}

// A new folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }   // empty when it could not be made

 private:
  std::string path_;
};

// packages/s: count packages handled in every iteration, per second of the state's clock.
inline void CountPackagesPerSecond(benchmark::State& state, int count) {
  state.counters["packages/s"] = benchmark::Counter(
      static_cast<double>(count) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace velgaro::bench
