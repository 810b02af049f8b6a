// The package reader: the bytes as a .vgp file, opened the ways the program opens packages: the list's
// summary, the player's reading of every action, and the properties dialog's reading and rewriting. A
// package the program rewrites must come out sound, with the texts it was given. The batch editor and
// the disk wizard read and rewrite a subset of what the properties dialog does (header, installer path)
// and are not repeated; the dialogs themselves are left out: this target has to run millions of times.
#include "FuzzWorld.h"
#include "package/PackageSummary.h"

namespace velgaro::fuzz {
namespace {

constexpr const char* kFile = "C:\\Packages\\Fuzzed.vgp";
const std::string kNewPath = "C:\\Program Files\\App\\install.exe";

struct Machine {
  Machine() {
    SetKnownPathVariables(paths);
    commandLine = paths.CollapsePathVariables("/S /D=C:\\TEMP\\app");
  }
  SimCodepage codepage;
  PathVariables paths;
  std::string commandLine;   // as the properties dialog stores the one it is given
};

const Machine& TheMachine() {
  static const Machine machine;
  return machine;
}

PackageTextContext TextOf(const SimFileSystem& fs) {
  const Machine& m = TheMachine();
  return PackageTextContext{m.codepage, [&fs, &m](const std::string& t) { return m.paths.ExpandPathVariables(t, fs); }};
}

// Player::StartPackageFile and the ticks after it, in their order, in the player's own image.
void Play(const SimFileSystem& fs, bool listed) {
  PackageImage pkg(TextOf(fs));
  const bool loaded = pkg.LoadPackage(fs, kFile);
  Check(loaded || !listed, "a package the list read whole can be loaded to play");
  if (!loaded || !pkg.CheckPackageVersion()) return;
  pkg.ReadCommandLine();
  pkg.RewindActions();
  while (pkg.ReadNextAction()) {
  }
}

// PackageProperties::GetProperty, then SetProperty with every box changed.
void Properties(SimFileSystem& fs) {
  PackageImage pkg(TextOf(fs));
  const bool read = pkg.LoadPackage(fs, kFile);
  if (read) {
    pkg.ReadExePath();
    pkg.ReadDescription();
    pkg.ReadCommandLineRaw();
    pkg.ReadCreationDate();
  }
  // Every field of a sound package was readable: the rewrite must keep it sound.
  const bool whole = read && !pkg.Damaged();
  pkg.WriteDescription("Новое описание");
  const bool replaced = pkg.ReplaceExePath(kNewPath) && pkg.ReplaceCommandLine(TheMachine().commandLine);
  pkg.options = PackageOptions{true, false, 2, true, false};
  const bool written = pkg.WriteOptions();
  if (!whole) return;
  Check(replaced && written, "the properties of a sound package can be written");
  // Read back as the next load of the file reads it.
  Check(pkg.WritePackageFile(fs, kFile), "the package can be written");
  PackageImage again(TextOf(fs));
  Check(again.LoadPackage(fs, kFile), "the properties dialog leaves a sound package");
  Check(again.ReadExePath() == kNewPath && again.ReadCommandLineRaw() == "/S /D=%TEMP%\\app" &&
            again.ReadDescription() == "Новое описание" && again.options.localSpeed == 2 && again.options.defSelect &&
            !again.Damaged(),
        "the properties dialog writes what it was given");
}

}  // namespace
}  // namespace velgaro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  SimFileSystem fs;
  fs.AddFile(kFile, AsBytes(data, size));
  // Each reader opens the file into its own image, as the list, the player and the properties dialog do.
  const PackageSummary summary = ReadPackageSummary(TheMachine().codepage, fs, TheMachine().paths, kFile);
  Play(fs, summary.state == PackageSummary::State::Ok || summary.state == PackageSummary::State::InstallerMissing);
  Properties(fs);
  return 0;
}
