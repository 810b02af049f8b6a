// The fixed layout of a language file and the language chosen for a new user.
#include "lang/Language.h"

namespace velgaro {

const std::vector<LanguageSection>& LanguageSections() {
  // Stels 51 reports a damaged package file; New 54 refuses a new name that another package has;
  // frmEditPath captions the batch editor's dialog for one path; Wizard 112..115 report the building of
  // a disk's refusals and failures.
  static const std::vector<LanguageSection> sections{
      {"main", 37},      {"MainMenu", 54}, {"About", 7},  {"Future", 5},         {"Pause", 6},    {"Progress", 1},
      {"Statistic", 13}, {"Stels", 51},    {"Wizard", 115}, {"Asociating", 4},  {"MdlFile", 12}, {"Autor", 3},
      {"New", 54},       {"Error", 2},     {"frmWizardPack", 23}, {"update", 24},
      {"frmEditPath", 2},
  };
  return sections;
}

std::string DefaultLanguageName(std::uint16_t langId) {
  // Only these exact IDs count: German as used in Austria, for one, falls back to English.
  switch (langId) {
    case 1031: return "German";
    case 1049: return "Russian";
    case 1058: return "Ukrainian";
    case 1059: return "Belorussian";
    default: return "English";
  }
}

}  // namespace velgaro
