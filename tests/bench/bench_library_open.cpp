// Opening a package folder of 10,000 packages until the list is filled: the scan, the saved order and
// every row's summary, into the rows the list view shows (the list itself holds no copy: it reads the
// rows when it draws them); first with nothing read before, then again (a reload: the files are not
// opened again, unless written since). Goal: at least 100,000 packages a second.
//   bench_library_open                    the benchmark
//   bench_library_open write FOLDER [N]   writes N sample packages (default 10,000) and an order file
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchFolder.h"
#include "package/OrderFile.h"
#include "library/PackageLibrary.h"
#include "package/paths/PathVariables.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPaths.h"
#include "platform/sim/SimPlatform.h"

namespace {

using namespace velgaro;
using namespace velgaro::bench;

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

// A sample folder for the whole run, removed at exit; its path is empty when it could not be written.
class SampleFolder {
 public:
  SampleFolder() {
    if (!folder_.Path().empty() && WriteSampleFolder(fs_, codepage_, folder_.Path(), vgptool::kBenchPackageCount)) {
      path_ = folder_.Path();
    }
  }
  const std::string& Path() const { return path_; }

 private:
  TempFolder folder_{"velgaro-bench"};
  QuickWriteFileSystem fs_;
  PosixCodepage codepage_{std::string()};
  std::string path_;
};

SampleFolder& Samples() {
  static SampleFolder folder;
  return folder;
}

// reread: the folder was read before, so only files written since are opened (none here); otherwise
// every file is read as on the first opening.
void OpenLibraryFolder(benchmark::State& state, bool reread) {
  const std::string& folder = Samples().Path();
  if (folder.empty()) {
    state.SkipWithError("could not write the sample packages");
    return;
  }
  PosixFileSystem fs;
  PosixCodepage codepage{std::string()};
  PathVariables paths;
  SimSystemInfo sys;
  SimRegistry registry;
  paths.InitPathVariables(sys, registry);
  Language language;
  PackageSummaries kept;
  for (auto _ : state) {
    PackageSummaries fresh;
    PackageLibrary library(LibraryDeps{fs, codepage, paths, language, reread ? kept : fresh});
    library.SetFolder(folder);
    if (!library.LoadListView()) state.SkipWithError("the folder could not be listed");
    library.LoadTipTextLV(nullptr);
    benchmark::DoNotOptimize(library.Rows().data());
  }
  CountPackagesPerSecond(state, vgptool::kBenchPackageCount);
}

void BM_OpenLibraryFolder(benchmark::State& state) { OpenLibraryFolder(state, false); }
void BM_ReloadLibraryFolder(benchmark::State& state) { OpenLibraryFolder(state, true); }
BENCHMARK(BM_OpenLibraryFolder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReloadLibraryFolder)->Unit(benchmark::kMillisecond)->Iterations(4);

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
