// The about box: the program's name and version, its author and the vendor's links, in the texts of
// the language sections About and Autor.
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

struct AboutView {
  std::string caption;       // About 1
  std::string product;       // "Velgaro Replaysetup"
  std::string version;       // About 5 "Версия " and the version: "Версия 1.5.0"
  std::string purpose;       // About 2
  std::string authorLabel;   // Autor 1
  std::string author;        // Autor 2
  std::string rights;        // Autor 3
  std::string siteLabel;     // About 3
  std::string site;
  std::string mailLabel;     // About 4
  std::string mail;
  std::string close;         // About 6
};

AboutView MakeAboutView(const Language& language);

}  // namespace velgaro
