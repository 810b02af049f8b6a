// Reading the package list: header, description, options and installer path of 10,000 packages of
// 20 actions each, from real files. Goal: at least 20,000 packages per second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "BenchFolder.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace velgaro;

// One folder of sample packages for the whole run, removed at exit.
class SampleFolder {
 public:
  SampleFolder() {
    if (Path().empty() || !vgptool::WriteSamplePackages(fs_, codepage_, Path(), vgptool::kBenchPackageCount,
                                                        vgptool::kBenchActionsPerPackage)) {
      std::abort();
    }
  }
  const std::string& Path() const { return folder_.Path(); }
  PosixFileSystem& Fs() { return fs_; }
  const PosixCodepage& Codepage() const { return codepage_; }

 private:
  PosixFileSystem fs_;
  PosixCodepage codepage_{std::string()};  // Windows-1251, whatever the environment says
  bench::TempFolder folder_{"velgaro-bench"};
};

SampleFolder& Samples() {
  static SampleFolder folder;
  return folder;
}

void BM_ReadPackageSummaries(benchmark::State& state) {
  SampleFolder& samples = Samples();
  for (auto _ : state) {
    const int read = vgptool::ReadPackageSummaries(samples.Fs(), samples.Codepage(), samples.Path());
    if (read != vgptool::kBenchPackageCount) state.SkipWithError("a sample package did not read back");
    benchmark::DoNotOptimize(read);
  }
  state.SetItemsProcessed(state.iterations() * vgptool::kBenchPackageCount);
}
BENCHMARK(BM_ReadPackageSummaries)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
