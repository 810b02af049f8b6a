// The fixed layout of a language file and the language chosen for a new user.
#include "lang/Language.h"

namespace velgaro {

const std::vector<LanguageSection>& LanguageSections() {
  // Stels 51 reports a damaged package file, 52..55 a package given up at its deadline, 56 a package
  // file that cannot be read, 57 and 58 the windows found by captions that differ in their numbers; New 54 refuses a new name that another package has;
  // frmEditPath captions the batch editor's dialog for one path; Wizard 112..115 report the building of
  // a disk's refusals and failures; 116 and 117 caption the two lines of its first page that had no key;
  // 118 refuses a disk target inside the package folder.
  // Texts that had no key get one past their section's end: main 38 is the main window's folder frame,
  // 39 and 40 the tool tips of its folder box and of the portable-mode panel; Pause 7 is the pause tip's
  // "do not show again" box.
  static const std::vector<LanguageSection> sections{
      {"main", 40},      {"MainMenu", 54}, {"About", 7},  {"Future", 5},         {"Pause", 7},    {"Progress", 1},
      {"Statistic", 13}, {"Stels", 58},    {"Wizard", 118}, {"Asociating", 4},  {"MdlFile", 12}, {"Autor", 3},
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
