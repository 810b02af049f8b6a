// Opening a package folder of 10,000 packages until the list is filled: the scan, the saved order and
// every row's summary, into the rows the list view shows (the list itself holds no copy: it reads the
// rows when it draws them); first with nothing read before, then again (a reload: the files are not
// opened again, unless written since). Goal: at least 100,000 packages a second.
//   bench_library_open                    the benchmark
//   bench_library_open write FOLDER [N]   writes N sample packages (default 10,000) and an order file
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSummary.h"
#include "package/OrderFile.h"
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

// A sample folder for the whole run, removed at exit.
class SampleFolder {
 public:
  SampleFolder() {
    std::string folder = (std::filesystem::temp_directory_path() / "velgaro-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) != nullptr && WriteSampleFolder(fs_, codepage_, folder, vgptool::kBenchPackageCount)) {
      path_ = folder;
    }
  }
  ~SampleFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
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
  const PackageTextContext packageText{codepage, {}};
  Language language;
  PackageSummaries kept;
  for (auto _ : state) {
    PackageSummaries fresh;
    PackageLibrary library(LibraryDeps{fs, codepage, paths, packageText, language, reread ? kept : fresh});
    library.SetFolder(folder);
    if (!library.LoadListView()) state.SkipWithError("the folder could not be listed");
    library.LoadTipTextLV(nullptr);
    benchmark::DoNotOptimize(library.Rows().data());
  }
  state.counters["packages/s"] = benchmark::Counter(
      static_cast<double>(vgptool::kBenchPackageCount) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
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
