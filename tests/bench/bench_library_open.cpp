// Opening a package folder of 10,000 packages until the list is filled: the scan, the saved order and
// every row's summary, into the rows the list view shows (the list itself is virtual: it reads the rows
// when it draws them). Goal under Wine: 10,000 packages in at most 2 s.
//   bench_library_open                    the benchmark
//   bench_library_open write FOLDER [N]   writes N sample packages (default 10,000) and an order file
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSummary.h"
#include "library/OrderFile.h"
#include "library/PackageLibrary.h"
#include "package/paths/PathVariables.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPaths.h"
#include "platform/sim/SimPlatform.h"

namespace {

using namespace velgaro;

// Sample folders are written without waiting for the disk after every file: 100,000 packages would
// otherwise take a quarter of an hour to write.
class QuickWriteFileSystem : public PosixFileSystem {
 public:
  bool WriteAllReplacing(const std::string& path, const Bytes& bytes) override {
    std::ofstream out(ToNativePath(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  }
};

// The sample packages, and an order file that names them backwards (the reorder is part of the work).
bool WriteSampleFolder(FileSystem& fs, const Codepage& codepage, const std::string& folder, int count) {
  if (!vgptool::WriteSamplePackages(fs, codepage, folder, count, vgptool::kBenchActionsPerPackage)) return false;
  std::vector<std::string> names;
  for (int i = count - 1; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "pkg%05d", i);
    names.push_back(name);
  }
  return WriteOrderFile(fs, codepage, folder, names);
}

void BM_OpenLibraryFolder(benchmark::State& state) {
  PosixFileSystem fs;
  PosixCodepage codepage{std::string()};
  std::string folder = (std::filesystem::temp_directory_path() / "velgaro-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr || !WriteSampleFolder(fs, codepage, folder, vgptool::kBenchPackageCount)) {
    state.SkipWithError("could not write the sample packages");
    return;
  }
  PathVariables paths;
  SimSystemInfo sys;
  SimRegistry registry;
  paths.InitPathVariables(sys, registry);
  PackageImage package(PackageTextContext{codepage, {}});
  Language language;
  for (auto _ : state) {
    PackageSummaries summaries;
    PackageLibrary library(LibraryDeps{fs, codepage, paths, package, language, summaries});
    library.SetFolder(folder);
    if (!library.LoadListView()) state.SkipWithError("the folder could not be listed");
    library.LoadTipTextLV(nullptr);
    benchmark::DoNotOptimize(library.Rows().data());
  }
  state.counters["packages/s"] =
      benchmark::Counter(static_cast<double>(vgptool::kBenchPackageCount) * state.iterations(), benchmark::Counter::kIsRate);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_OpenLibraryFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "write") {
    QuickWriteFileSystem fs;
    PosixCodepage codepage{std::string()};
    const int count = argc >= 4 ? std::atoi(argv[3]) : vgptool::kBenchPackageCount;
    return WriteSampleFolder(fs, codepage, argv[2], count) ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
