// The playback texts of the control window: language section "Stels", key and built-in Russian text.
#pragma once

#include <string>

namespace velgaro {

constexpr const char* kStelsSection = "Stels";

enum StelsKey : int {
  kTextAutoReplace = 1,
  kTextFilter = 2,
  kTextRecording = 15,
  kTextContinueChanged = 16,    // filter cleared
  kTextNotTextField = 17,
  kTextClearFilter = 20,
  kTextFieldNotRecognised = 21,
  kTextContinueWithChanges = 22,
  kTextContinueUnchanged = 23,
  kTextSaving = 25,
  kTextChangesMade = 26,
  kTextNextInstall = 24,
  kTextPause = 28,
  kTextReadingFile = 32,
  kTextActYourself = 34,
  kTextWaitingInstall = 35,
  kTextWindowCovered = 36,
  kTextSearchingWindow = 37,
  kTextInterrupted = 43,
  kTextStopPressed = 44,
  kTextDone = 45,
  kTextPackageMissing = 46,     // "%s": the package path
  kTextNewerVersion = 47,
  kTextCannotStart = 48,
  kTextInstallerMissing = 49,
  kTextWaitingProgram = 50,
  kTextPackageDamaged = 51,     // "%s": the package path
  // A deadline (/TIMEOUT) gave the package up; the statistics row says why.
  kTextWindowTimeout = 52,      // "%s": the seconds
  kTextInstallerTimeout = 53,   // "%s": the seconds
  kTextWindowSought = 54,       // "%s": the window chain sought
  kTextVisibleWindows = 55,     // "%s": the visible top-level windows
  kTextPackageUnreadable = 56,  // "%s": the package path
  // Windows found by captions that differ from the recorded ones only in their numbers.
  kTextCaptionsTaken = 57,      // "%s": the captions, each "shown" taken for "recorded"
  kTextTakenFor = 58,
};

// The built-in text of a key; for the keys that carry a value, the text before "%s".
std::string StelsDefault(StelsKey key);

}  // namespace velgaro
