// The batch editor over a folder of 10,000 real package files and their saved order (a temporary
// folder): listing them with their installer paths (the first time, and once the folder was read
// before), one find and replace over every row, and writing every row's new path (the save reads the
// folder again afterwards, as the window does). Rates are per second of wall-clock time:
// the safe write waits for the disk. Goal: saving at least 2,000 packages/s.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchFolder.h"
#include "app/App.h"
#include "editor/BatchEditor.h"
#include "package/OrderFile.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/sim/SimPlatform.h"

namespace {

using namespace velgaro;
using namespace velgaro::bench;

constexpr int kCount = vgptool::kBenchPackageCount;

// The files on disk, the rest of the platform simulated: no dialog may wait for an answer.
struct EditorBench {
  EditorBench() {
    ok = !folder.Path().empty() && WriteSampleFolder(fs, codepage, folder.Path(), kCount);
    app.paths.InitPathVariables(sys, registry);
    settings.Set("Path", "FolderVGP", folder.Path());
    model = std::make_unique<BatchEditorModel>(EditorDepsOf(app), EditorHooks{});
    model->Load();
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
  TempFolder folder{"velgaro-bench-editor"};
  std::unique_ptr<BatchEditorModel> model;
  bool ok = false;
};

EditorBench& Bench() {
  static EditorBench bench;
  return bench;
}

// The bench with every sample package listed; nullptr (and the benchmark skipped) without the samples.
EditorBench* Listed(benchmark::State& state) {
  EditorBench& b = Bench();
  if (!b.ok) {
    state.SkipWithError("could not write the sample packages");
    return nullptr;
  }
  b.model->LoadFromSetting();
  return &b;
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
  CountPackagesPerSecond(state, kCount);
}
void BM_EditorList(benchmark::State& state) { EditorList(state, false); }
void BM_EditorListReadBefore(benchmark::State& state) { EditorList(state, true); }
BENCHMARK(BM_EditorList)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_EditorListReadBefore)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_EditorReplace(benchmark::State& state) {
  EditorBench* b = Listed(state);
  if (!b) return;
  for (auto _ : state) {
    if (b->ReplaceAll() != kCount) state.SkipWithError("not every row replaced");
  }
  CountPackagesPerSecond(state, kCount);
}
BENCHMARK(BM_EditorReplace)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_EditorSave(benchmark::State& state) {
  EditorBench* b = Listed(state);
  if (!b) return;
  for (auto _ : state) {
    state.PauseTiming();
    b->ReplaceAll();
    state.ResumeTiming();
    const EditorSaveReport report = b->model->Save();
    if (report.saved.size() != static_cast<std::size_t>(kCount)) state.SkipWithError("not every package written");
  }
  CountPackagesPerSecond(state, kCount);
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
