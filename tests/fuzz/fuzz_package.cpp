// The package reader: the bytes as a .vgp file, opened the ways the program opens packages: the list's
// summary, the player's reading of every action, and the properties dialog's reading and rewriting. A
// package the program rewrites must come out sound, with the texts it was given. The batch editor and
// the disk wizard read and rewrite a subset of what the properties dialog does (header, installer path)
// and are not repeated; the dialogs themselves are left out: this target has to run millions of times.
#include "FuzzWorld.h"
#include "library/PackageSummary.h"

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

PackageImage NewImage(const SimFileSystem& fs) {
  const Machine& m = TheMachine();
  return PackageImage(PackageTextContext{m.codepage, [&fs, &m](const std::string& t) {
                                           return m.paths.ExpandPathVariables(t, fs);
                                         }});
}

// Player::StartPackageFile and the ticks after it, in their order. The list has just loaded these
// bytes into the one image and expanded the installer path; the player's own load would give the same.
void Play(PackageImage& pkg, bool loaded) {
  if (!loaded || !pkg.CheckPackageVersion()) return;
  pkg.ReadCommandLine();
  pkg.readPosition = kFirstActionOffset;
  pkg.actionIndex = 0;
  while (pkg.ReadNextAction()) {
  }
}

// PackageProperties::GetProperty, then SetProperty with every box changed.
void Properties(const SimFileSystem& fs, PackageImage& pkg) {
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
  // Read back as the next load of the file would read it.
  Check(pkg.ReadHeader() && pkg.ReadOptions(), "the properties dialog leaves a sound package");
  Check(pkg.ReadExePath() == kNewPath && pkg.ReadCommandLineRaw() == "/S /D=%TEMP%\\app" &&
            pkg.ReadDescription() == "Новое описание" && pkg.options.localSpeed == 2 && pkg.options.defSelect &&
            !pkg.Damaged(),
        "the properties dialog writes what it was given");
}

}  // namespace
}  // namespace velgaro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  SimFileSystem fs;
  fs.AddFile(kFile, AsBytes(data, size));
  // The program's one image goes from package to package: each reader starts from what the last left.
  PackageImage pkg = NewImage(fs);
  const PackageSummary summary = ReadPackageSummary(pkg, fs, TheMachine().paths, kFile);
  Play(pkg, summary.state == PackageSummary::State::Ok || summary.state == PackageSummary::State::InstallerMissing);
  Properties(fs, pkg);
  return 0;
}
