#include "library/RecentFolders.h"

#include "app/SettingKeys.h"

namespace velgaro {
namespace {

std::string KeyOf(int i) { return "vgp_" + std::to_string(i); }

}  // namespace

void RecentFolders::Load(const SettingsStore& settings) {
  captions_ = {};
  visible_ = 0;
  for (int i = 1; i <= kCount; ++i) {
    std::string folder = settings.Get(settings::kPath, KeyOf(i), "");
    if (folder.empty()) break;
    captions_[static_cast<std::size_t>(i - 1)] = std::move(folder);
    visible_ = i;
  }
}

void RecentFolders::MoveVGPRegister(int indexFrom, const std::string& folder, SettingsStore& settings) {
  // No folder is no recent folder: putting an empty caption on top would hide, and then forget, the others.
  if (folder.empty()) return;
  for (int k = 1; k <= kCount; ++k) {
    if (Caption(k) == folder) {
      indexFrom = k;
      break;
    }
  }
  if (indexFrom < 0 || indexFrom > kCount) indexFrom = 0;
  if (indexFrom == 0) {
    for (int k = kCount; k > 1; --k) captions_[static_cast<std::size_t>(k - 1)] = captions_[static_cast<std::size_t>(k - 2)];
    captions_[0] = folder;
  } else {
    const std::string moved = Caption(indexFrom);
    for (int k = indexFrom; k > 1; --k) captions_[static_cast<std::size_t>(k - 1)] = captions_[static_cast<std::size_t>(k - 2)];
    captions_[0] = moved;
  }
  UpdateVisibility();
  for (int i = 1; i <= kCount; ++i) settings.Set(settings::kPath, KeyOf(i), Caption(i));
}

void RecentFolders::UpdateVisibility() {
  visible_ = 0;
  for (int k = 1; k <= kCount && !Caption(k).empty(); ++k) visible_ = k;
}

}  // namespace velgaro
