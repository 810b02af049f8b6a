// The update window's texts: section "update" (key and built-in Russian text), and Statistic/2, the
// "close" it borrows from the statistics window.
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

inline constexpr const char* kUpdateSection = "update";

enum UpdateKey : int {
  kUpdateTitle = 1,
  kUpdateDescLinkTip = 2,       // cmdDescLink
  kUpdateYourVersion = 3,       // Frame2
  kUpdateVersionLabel = 4,      // Label5 and Label1
  kUpdateSiteVersion = 5,       // Frame1
  kUpdateDirectLinkTip = 6,     // cmdDirectLink
  kUpdateDescLinkLabel = 7,     // Label7
  kUpdateSizeLabel = 8,         // Label6
  kUpdateDescriptionLabel = 9,  // Label2
  kUpdateBetaLabel = 10,        // Label3
  kUpdateDirectLinkLabel = 11,  // Label4
  kUpdateCancel = 12,           // cmdCancel
  kUpdateHeading = 13,          // Label32
  kUpdateCancelled = 14,        // shown ending in "..."
  kUpdateUpdating = 15,         // shown ending in "..."
  kUpdateUnavailable = 16,
  kUpdateState0 = 17,           // 17..21: the ready states 0..4
  kUpdateState1 = 18,
  kUpdateState2 = 19,
  kUpdateState3 = 20,
  kUpdateState4 = 21,
  kUpdateNewVersion = 22,
  kUpdateLatest = 23,
  kUpdateBackup = 24,           // shown ending in "..."
};

std::string UpdateDefault(UpdateKey key);
std::string UpdateText(const Language& language, UpdateKey key);
std::string UpdateTextAffix(const Language& language, UpdateKey key, const std::string& affix);
// Statistic/2 "Закрыть": the cancel button once the request is over.
std::string UpdateCloseText(const Language& language);

}  // namespace velgaro
