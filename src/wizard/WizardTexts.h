// The disk wizard's texts of language section "Wizard": key and built-in Russian text, and the few
// texts it borrows from the sections "New" and "main". Captions whose built-in text is the dialog
// template's own are looked up by the view with the template's text as the default.
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

inline constexpr const char* kWizardSection = "Wizard";

enum WizardKey : int {
  kWizardTitle = 1,
  kWizardNext = 4,                // cmdNext
  kWizardBrowse = 6,              // Command4
  kWizardBulletProgram = 10,      // 10..12: page 0's bullet lines, shown beginning with "- "
  kWizardBulletPackages = 11,
  kWizardBulletAutorun = 12,
  kWizardStep = 17,
  kWizardAbortQuestion = 32,
  kWizardNotAllCopied = 33,
  kWizardCopyFailed = 37,
  kWizardCopySucceeded = 38,
  kWizardFinish = 40,
  kWizardChooseTarget = 41,
  kWizardMustChooseTarget = 42,
  kWizardChoosePackageFolder = 43,
  kWizardFiles = 44,
  kWizardNeedPackageFile = 45,
  kWizardSpeedFast = 47,          // 47..49: cmbSpeed's items
  kWizardSpeedMedium = 48,
  kWizardSpeedSlow = 49,
  kWizardAutorunError = 50,
  kWizardAutorunWriteFailed = 51,
  kWizardAutorunCreated = 52,
  kWizardCopyingFile = 53,        // "%s": the source
  kWizardFileCopyError = 54,
  kWizardCreatingFolder = 55,
  kWizardFolderCreateError = 56,
  kWizardSelectAllTip = 68,
  kWizardClearAllTip = 69,
  kWizardCompute = 71,
  kWizardColumnPackage = 72,      // 72..75: LV1's headers
  kWizardColumnInstaller = 73,
  kWizardColumnFolder = 74,
  kWizardColumnSize = 75,
  kWizardCopyFinishedWithErrors = 83,
  kWizardCopyDone = 84,
  kWizardChooseOneFolder = 85,
  kWizardNotEnoughSpace = 86,
  kWizardPressNextToCopy = 87,
  kWizardChooseProgramFolder = 88,
  kWizardCounting = 89,           // shown ending in "..."
  kWizardCopyingFolders = 90,     // "%s": the programs folder on the disk
  kWizardFolderCopied = 91,
  kWizardCopyErrorInto = 92,      // "%s": the destination
  kWizardFolderNotFound = 93,
  kWizardEqualFolders = 94,
  kWizardCheckFolderPaths = 95,   // shown ending in ":"
  kWizardNestedFolders = 96,
  kWizardSetFoldersRight = 97,    // shown ending in ":"
  kWizardDoubleClickFolders = 98,
  kWizardPressNextToCopyLower = 99,
  kWizardEnterSoftFolder = 100,
  kWizardReplaceNo = 101,         // optReplaceVGP item 1
  kWizardReplaceYes = 102,        // optReplaceVGP item 0
  kWizardFoldersCopiedTotal = 111,   // shown ending in ":"
  kWizardTargetInsideCopied = 112,   // "%s": the folder being copied
  kWizardTargetIsPackageFolder = 113,   // "%s": the package folder
  kWizardFileNotCopied = 114,        // "%s": the file whose copy failed
  kWizardSettingsWriteError = 115,
  kWizardTargetInsidePackageFolder = 118,   // "%s": the package folder
};

// The built-in text; for the keys with "%s", the text with "%s" in it. Empty for a key without one.
std::string WizardDefault(WizardKey key);
std::string WizardText(const Language& language, WizardKey key);
// The same with "%s" replaced by value.
std::string WizardTextParam(const Language& language, WizardKey key, const std::string& value);
// The same made to end (or, atStart, to begin) with affix.
std::string WizardTextAffix(const Language& language, WizardKey key, const std::string& affix, bool atStart = false);

// wizard/98 looked up with another built-in text: the status line when every ticked folder is empty.
std::string WizardNonEmptyFolderText(const Language& language);
// new/16 "Введите имя пакета": a programs folder name of blanks only.
std::string WizardBlankNameText(const Language& language);
// new/17 with the wizard's own built-in text: the folder name holds a forbidden character.
std::string WizardNameCharactersText(const Language& language);
// main/13 "из": the "of" of the step counter.
std::string WizardOfText(const Language& language);

}  // namespace velgaro
