// The main window's texts of language section "main": key and built-in Russian text.
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

enum MainKey : int {
  kMainChooseFolder = 1,
  kMainFolderError = 2,
  kMainHelpMissing = 5,
  kMainError = 6,
  kMainBrowseTitle = 7,
  kMainNoFurtherWork = 9,
  kMainChooseSaveFolder = 10,
  kMainAttention = 11,
  kMainPressF5 = 12,
  kMainOf = 13,
  kMainDeleteQuestion = 14,   // "%s": the number of packages
  kMainCannotRestore = 15,
  kMainDeleteTitle = 16,
  kMainDeleted = 17,          // "%s": the number deleted
  kMainLoading = 18,          // "%s": the row being read
  kMainInstallerMissing = 19,
  kMainFileMissing = 21,
  kMainCountTip = 22,
  kMainFolderLoaded = 24,
  kMainPathRetry = 25,
  kMainPathNotFound = 26,
  kMainFolderButton = 27,
  kMainFolderButtonTip = 28,
  kMainNewPackageTip = 29,
  kMainInstallButton = 30,
  kMainPropertiesTip = 31,
  kMainNothingThere = 32,
  kMainNotFound = 33,
  kMainColumnPackage = 34,    // 34..37: the column headers
};

// The built-in text; for the keys with "%s", the text with "%s" in it.
std::string MainDefault(MainKey key);

// The language's text of a key, or the built-in one.
std::string MainText(const Language& language, MainKey key);
// The same with "%s" replaced by value.
std::string MainTextParam(const Language& language, MainKey key, const std::string& value);
// The same with a final affix (". " or "?") ensured.
std::string MainTextAffix(const Language& language, MainKey key, const std::string& affix);

}  // namespace velgaro
