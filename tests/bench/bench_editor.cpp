// The batch editor over a folder of 10,000 real package files and their saved order (a temporary
// folder): listing them with their installer paths (the first time, and once the folder was read
// before), one find and replace over every row, and writing every row's new path (the save reads the
// folder again afterwards, as the window does). Rates are per second of wall-clock time:
// the safe write waits for the disk. Goal: saving at least 2,000 packages/s.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchSummary.h"
#include "app/App.h"
#include "editor/BatchEditor.h"
#include "package/OrderFile.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/sim/SimPlatform.h"

namespace {

using namespace velgaro;

constexpr int kCount = vgptool::kBenchPackageCount;

// The files on disk, the rest of the platform simulated: no dialog may wait for an answer.
struct EditorBench {
  EditorBench() {
    folder = (std::filesystem::temp_directory_path() / "velgaro-bench-editor-XXXXXX").string();
    ok = ::mkdtemp(folder.data()) != nullptr && vgptool::WriteSamplePackages(fs, codepage, folder, kCount, 20) &&
         WriteReversedOrder();
    app.paths.InitPathVariables(sys, registry);
    settings.Set("Path", "FolderVGP", folder);
    model = std::make_unique<BatchEditorModel>(EditorDepsOf(app), EditorHooks{});
    model->Load();
  }
  ~EditorBench() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  // The saved order names the packages backwards, so putting the rows in order is part of the work.
  bool WriteReversedOrder() {
    std::vector<std::string> names;
    for (int i = kCount - 1; i >= 0; --i) {
      char name[32];
      std::snprintf(name, sizeof name, "pkg%05d", i);
      names.push_back(name);
    }
    return WriteOrderFile(fs, codepage, folder, names);
  }
  // Every sample path holds "Sample": the case changes, so each run matches every row again.
  int ReplaceAll() {
    model->SetFindText("sample");
    model->SetReplaceText("Sample");
    return model->RunReplace();
  }

  PosixFileSystem fs;
  PosixCodepage codepage{std::string()};
  SimSystemInfo sys;
  SimFileSystem simFs;
  SimIniFile ini{simFs};
  SimSettingsStore settings;
  SimRegistry registry;
  SimDialogs dialogs;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
  std::string folder;
  std::unique_ptr<BatchEditorModel> model;
  bool ok = false;
};

EditorBench& Bench() {
  static EditorBench bench;
  return bench;
}

void Rate(benchmark::State& state) {
  state.counters["packages/s"] =
      benchmark::Counter(static_cast<double>(kCount) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// reread: the folder was read before (by the main window, say), so no file is opened again; otherwise
// every file is read as on the first opening.
void EditorList(benchmark::State& state, bool reread) {
  EditorBench& b = Bench();
  if (!b.ok) return state.SkipWithError("could not write the sample packages");
  for (auto _ : state) {
    if (!reread) b.app.summaries = PackageSummaries{};
    b.model->LoadFromSetting();   // LoadPackageRows, then LoadTipText
    if (b.model->Total() != kCount || b.model->Rows().back().path.empty()) state.SkipWithError("not listed whole");
  }
  Rate(state);
}
void BM_EditorList(benchmark::State& state) { EditorList(state, false); }
void BM_EditorListReadBefore(benchmark::State& state) { EditorList(state, true); }
BENCHMARK(BM_EditorList)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_EditorListReadBefore)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_EditorReplace(benchmark::State& state) {
  EditorBench& b = Bench();
  if (!b.ok) return state.SkipWithError("could not write the sample packages");
  b.model->LoadFromSetting();
  for (auto _ : state) {
    if (b.ReplaceAll() != kCount) state.SkipWithError("not every row replaced");
  }
  Rate(state);
}
BENCHMARK(BM_EditorReplace)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_EditorSave(benchmark::State& state) {
  EditorBench& b = Bench();
  if (!b.ok) return state.SkipWithError("could not write the sample packages");
  b.model->LoadFromSetting();
  for (auto _ : state) {
    state.PauseTiming();
    b.ReplaceAll();
    state.ResumeTiming();
    const EditorSaveReport report = b.model->Save();
    if (report.saved.size() != static_cast<std::size_t>(kCount)) state.SkipWithError("not every package written");
  }
  Rate(state);
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
