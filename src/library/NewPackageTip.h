// The recording tip frmFuture: shown before recording starts until the user asks not to see it again.
#pragma once

#include "platform/Ports.h"

namespace velgaro {

// Setting View/FirstTip read as a number (default 0): the tip is shown unless it is 1.
bool RecordingTipWanted(const SettingsStore& settings);
// The tip was closed: "1" when "do not show again" was ticked, "0" otherwise.
bool StoreRecordingTipChoice(SettingsStore& settings, bool noMore);

}  // namespace velgaro
