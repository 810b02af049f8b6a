// The four most recent package folders of the recent-folder menu, most recent first, kept as the
// settings Path/vgp_1 .. vgp_4.
#pragma once

#include <array>
#include <string>

#include "platform/Ports.h"

namespace velgaro {

class RecentFolders {
 public:
  static constexpr int kCount = 4;

  // Reads vgp_1 .. vgp_4 up to the first empty one; the items read are shown.
  void Load(const SettingsStore& settings);
  // Puts folder at the top. indexFrom (1..4) names the item that holds it; 0 means a new folder,
  // unless it is found among the items. Stores all four afterwards.
  void MoveVGPRegister(int indexFrom, const std::string& folder, SettingsStore& settings);

  // Item i (1..4).
  const std::string& Caption(int i) const { return captions_[static_cast<std::size_t>(i - 1)]; }
  // Items 1..VisibleCount() are shown: those before the first empty caption.
  int VisibleCount() const { return visible_; }

 private:
  void UpdateVisibility();

  std::array<std::string, kCount> captions_{};
  int visible_ = 0;
};

}  // namespace velgaro
