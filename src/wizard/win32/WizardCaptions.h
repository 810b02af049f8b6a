// The disk wizard's control captions from the language section "Wizard" (ApplyWizardCaptions); the
// dialog template's own texts are the built-in defaults.
#pragma once

#include <windows.h>

#include "lang/Language.h"

namespace velgaro::wizard {

void ApplyWizardCaptions(HWND dialog, const Language& language);

// Command1's tool tip (key 70) and those of the two picture buttons (keys 68 and 69).
std::string ComputeTip(const Language& language);

}  // namespace velgaro::wizard
