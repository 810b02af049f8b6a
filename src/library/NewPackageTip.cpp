#include "library/NewPackageTip.h"

#include <cstdlib>

#include "app/SettingKeys.h"

namespace velgaro {

bool RecordingTipWanted(const SettingsStore& settings) {
  // Leading digits count, as with every numeric setting; anything else reads as 0.
  return std::strtol(settings.Get(settings::kView, settings::kFirstTip, "0").c_str(), nullptr, 10) != 1;
}

bool StoreRecordingTipChoice(SettingsStore& settings, bool noMore) {
  return settings.Set(settings::kView, settings::kFirstTip, noMore ? "1" : "0");
}

}  // namespace velgaro
