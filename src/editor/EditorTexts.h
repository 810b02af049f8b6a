// The batch editor's texts: section "frmWizardPack" (key and built-in Russian text), and the few
// texts it borrows from the sections "Error" and "wizard".
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

inline constexpr const char* kEditorSection = "frmWizardPack";

enum EditorKey : int {
  kEditorFindFrame = 1,        // frmFind
  kEditorFindLabel = 2,        // lblFind
  kEditorReplaceLabel = 3,     // lblReplace
  kEditorReplaceButton = 4,    // cmdReplace
  kEditorSaveFrame = 5,        // Frame2
  kEditorHint = 6,             // Label2
  kEditorSaveButton = 7,       // Command1
  kEditorStatsFrame = 8,       // Frame4
  kEditorTotalLabel = 9,       // Label1, beside lblPAll
  kEditorChangedLabel = 10,    // Label3, beside lblPChn
  kEditorToSaveLabel = 11,     // Label4, beside lblPSvd (shown with ":")
  kEditorTitle = 12,
  kEditorColumnName = 13,      // 13..15: the column headers
  kEditorColumnPath = 14,
  kEditorColumnNewPath = 15,
  kEditorAutoReplaceOff = 16,  // Label5
  kEditorSaved = 17,           // "%s": the number saved
  kEditorEnterFind = 18,
  kEditorFindError = 19,
  kEditorEmptyReplace = 20,
  kEditorResults = 21,         // "%s": the number replaced
  kEditorPressSave = 22,
  kEditorNoMatch = 23,
};

// The built-in text; for the keys with "%s", the text with "%s" in it.
std::string EditorDefault(EditorKey key);
// The language's text of a key, or the built-in one.
std::string EditorText(const Language& language, EditorKey key);
// The same with "%s" replaced by value.
std::string EditorTextParam(const Language& language, EditorKey key, const std::string& value);

// Error/2 "Обнаружена ошибка в модуле %s" with the module's name.
std::string ModuleErrorText(const Language& language, const std::string& module);
// wizard/32: the question asked before a window with unsaved changes closes.
std::string AbortWizardText(const Language& language);

}  // namespace velgaro
