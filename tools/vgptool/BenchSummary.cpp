#include "BenchSummary.h"

#include <chrono>
#include <cstdio>

#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"

namespace velgaro::vgptool {
namespace {

void FillSampleAction(PackageAction& action, int index) {
  action.windowPath = {{"#32770", "Установка программы", 1}, {"Button", "Далее >", index % 3 + 1}};
  action.steps = {{kButtonLeft, kStepPress, 10 + index, 5},
                  {kButtonLeft, kStepMove, 1, 0},
                  {kButtonLeft, kStepMove, 2, 1},
                  {kButtonLeft, kStepRelease, 2, 1}};
  action.actionText = index % 5 == 0 ? "%PROGRAMFILES%\\Sample\\Data" : "";
}

}  // namespace

bool WriteSamplePackages(FileSystem& fs, const Codepage& codepage, const std::string& folder, int count,
                         int actionsPerPackage) {
  if (!fs.IsDirectory(folder) && !fs.CreateFolder(folder)) return false;
  PackageImage pkg(PackageTextContext{codepage, {}});
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "pkg%05d.vgp", i);
    pkg.options = PackageOptions{false, false, i % 3, true, i % 2 == 0};
    pkg.NewPackageImage(1024, 768, "", "Пакет для проверки скорости чтения списка пакетов, номер " +
                                           std::to_string(i));
    for (int a = 0; a < actionsPerPackage; ++a) {
      FillSampleAction(pkg.action, a);
      pkg.AppendAction();
    }
    pkg.AppendExePath("%PROGRAMFILES%\\Sample " + std::to_string(i) + "\\setup.exe", {});
    pkg.AppendCommandLine("/S /D=%TEMP%\\sample");
    pkg.AppendCreationDate(LocalTime{2026, 12, 6, 10, 0, 0});
    pkg.WriteOptions();
    if (!pkg.WritePackageFile(fs, JoinPath(folder, name))) return false;
  }
  return true;
}

int ReadPackageSummaries(FileSystem& fs, const Codepage& codepage, const std::string& folder) {
  PackageImage pkg(PackageTextContext{codepage, {}});
  int read = 0;
  for (const std::string& name : fs.List(folder, "*.vgp")) {
    if (!pkg.LoadPackage(fs, JoinPath(folder, name))) continue;
    const std::string description = pkg.ReadDescription();
    const std::string exePath = pkg.ReadExePath();
    if (!pkg.Damaged() && !description.empty() && !exePath.empty()) ++read;
  }
  return read;
}

std::optional<BenchFigures> RunSummaryBenchmark(FileSystem& fs, const Codepage& codepage, const std::string& folder,
                                                int count) {
  if (!WriteSamplePackages(fs, codepage, folder, count, kBenchActionsPerPackage)) return std::nullopt;
  const auto start = std::chrono::steady_clock::now();
  BenchFigures figures;
  figures.packagesRead = ReadPackageSummaries(fs, codepage, folder);
  figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return figures;
}

}  // namespace velgaro::vgptool
