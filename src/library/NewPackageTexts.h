// The texts of the new-package dialog (language section "New") that are not captions of its controls:
// key and built-in Russian text. The captions' defaults are the dialog template's own texts.
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

enum NewKey : int {
  kNewCaption = 1,
  kNewDescriptionTip = 2,
  kNewBrowseTip = 5,
  kNewPathTip = 6,
  kNewNameTip = 7,
  kNewExecutables = 12,
  kNewRegistryFiles = 13,
  kNewBatchFiles = 14,
  kNewOpenTitle = 15,
  kNewEnterName = 16,
  kNewNameCharacters = 17,
  kNewAlreadyExists = 18,     // "%s": the package name
  kNewOverwrite = 19,
  kNewPathCharacters = 20,
  kNewFileNotFound = 21,      // 21..24: keeping a path that does not exist (properties)
  kNewSureItWillExist = 22,
  kNewPressNoForAnother = 23,
  kNewSavePathTitle = 24,
  kNewPropertiesCaption = 25,
  kNewWrongValue = 27,
  kNewRenameFailed = 28,      // "%s": the old package path
  kNewRenameTitle = 29,
  kNewPathMissing = 30,
  kNewPathNotFound = 31,
  kNewAutoReplaceTip = 32,
  kNewUnsupportedType = 33,
  kNewCharactersLeftTip = 34,
  kNewNeedRebootTip = 37,
  kNewSpeedTip = 38,
  kNewDefSelectTip = 40,
  kNewCreateRebootTip = 42,
  kNewNeedWaitTip = 44,
  kNewCreateDate = 46,
  kNewMainTab = 47,
  kNewOptionsTab = 48,
  kNewSpeedNone = 49,         // 49..51: the speed list
  kNewSpeedMedium = 50,
  kNewSpeedSlow = 51,
  kNewAllFormats = 52,
  kNewCommandScripts = 53,
  kNewNameInUse = 54,         // "%s": the package name; the properties refuse to take it
};

// The built-in text; for the keys with "%s", the text with "%s" in it. Empty for an unknown key.
std::string NewDefault(NewKey key);
std::string NewText(const Language& language, NewKey key);
// The same with "%s" replaced by value.
std::string NewTextParam(const Language& language, NewKey key, const std::string& value);

}  // namespace velgaro
