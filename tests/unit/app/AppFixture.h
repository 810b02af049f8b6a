// An App over the simulated machine; the windows layer's hooks only note that they were called.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/SimApp.h"

namespace velgaro {

class AppFixture : public ::testing::Test, public test::SimApp {
 protected:
  AppFixture() {
    AppWindows& w = app.windows;
    w.acquireSingleInstance = [this] { return Note("acquire", firstCopy); };
    w.bringFirstCopyForward = [this] { return Note("bringForward", firstCopyHasMainWindow); };
    w.endProcess = [this](int code) {
      Note("endProcess");
      endCode = code;
    };
    w.commandLine = [this] { Note("commandLine"); return commandLine; };
    w.openMainWindow = [this] { Note("openMainWindow"); };
    w.openControlWindow = [this](const PlayRun& run) {
      Note("openControlWindow");
      played = run;
    };
    w.showHelp = [this](const std::string& text, const std::string& title) { Note("showHelp"); help = {text, title}; };
  }

  bool Note(const char* call, bool result = true) {
    calls.push_back(call);
    return result;
  }
  void InitPaths() { app.paths.InitPathVariables(sys, registry); }
  // "<unset>" when nobody wrote the setting.
  std::string Setting(const std::string& section, const std::string& key) const {
    return settings.Get(section, key, "<unset>");
  }
  void WriteIni(const std::string& content) { fs.AddFile(sys.exeFolder + "\\velgaro.ini", content); }

  int endCode = -1;
  PlayRun played;   // the run the control window was opened with
  bool firstCopy = true;
  bool firstCopyHasMainWindow = false;
  std::string commandLine;
  std::vector<std::string> calls;
  std::vector<std::string> help;   // text, title
};

}  // namespace velgaro
