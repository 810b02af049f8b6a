// Shared pieces of the package tests: an image over the simulated code page with known path
// variables, and a small recorded package.
#pragma once

#include <string>

#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro::test {

inline PathVariables KnownPathVariables() {
  PathVariables vars;
  vars.SetTable({PathVariable{"%CDROM%", ""}, {"%USERNAME%", "user1"}, {"%WINDOWS%", "C:\\WINDOWS"},
                 {"%TEMP%", "C:\\TEMP"}, {"%PROGRAMFILES%", "C:\\Program Files"}, {"%APPFOLDER%", "C:\\Tools\\Rec\\"},
                 {"%DRIVEAPP%", "C:\\"}},
                {});
  return vars;
}

struct PackageWorld {
  SimFileSystem fs;
  SimCodepage codepage;
  PathVariables vars = KnownPathVariables();
  PackageImage pkg{PackageTextContext{codepage, [this](const std::string& t) { return vars.ExpandPathVariables(t, fs); }}};

  PackageWorld() { fs.AddFolder("C:\\Packages"); }
  PackageWorld(const PackageWorld&) = delete;
  PackageWorld& operator=(const PackageWorld&) = delete;
};

inline PackageAction SampleAction(const std::string& caption, const std::string& text) {
  PackageAction a;
  a.windowPath = {{"#32770", caption, 1}, {"Button", "Далее >", 2}};
  a.steps = {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepMove, 3, -1}, {kButtonLeft, kStepRelease, 3, -1}};
  a.actionText = text;
  return a;
}

// A recording as the Stop command finds it: the header and n actions, nothing written after them yet.
inline void RecordActions(PackageImage& pkg, int actions, bool needWait = false) {
  pkg.options = PackageOptions{};
  pkg.options.needWait = needWait;
  pkg.NewPackageImage(1024, 768, "C:\\Program Files\\App\\setup.exe", "Описание");
  for (int i = 0; i < actions; ++i) {
    pkg.action = SampleAction("Setup", "");
    pkg.AppendAction();
  }
}

// A whole recording, as the Stop command closes it, left unscrambled.
inline void RecordSample(PackageImage& pkg, int actions, bool withOptions = true) {
  pkg.options = PackageOptions{false, true, 1, true, false};
  pkg.NewPackageImage(1024, 768, "%PROGRAMFILES%\\App\\setup.exe", "Тестовый пакет");
  for (int i = 0; i < actions; ++i) {
    pkg.action = SampleAction("Установка " + std::to_string(i), i % 2 ? "%TEMP%\\x" : "");
    pkg.AppendAction();
  }
  pkg.options.needWait = true;
  pkg.AppendExePath("%PROGRAMFILES%\\App\\setup.exe", {});
  pkg.AppendCommandLine("/S /D=%TEMP%\\app");
  pkg.AppendCreationDate(LocalTime{2026, 12, 6, 9, 5, 7});
  if (withOptions) pkg.WriteOptions();
}

}  // namespace velgaro::test
