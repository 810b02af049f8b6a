// The language file: the bytes as language\English.lng beside the program, loaded through the IniFile
// port as the start-up loads it, then every text looked up as the windows take them.
#include "FuzzWorld.h"
#include "lang/Language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  World w;
  w.fs.AddFile(LanguageFilePath(w.sys.exeFolder, "English"), AsBytes(data, size));
  Language& language = w.app.language;
  language.SetName("English");
  language.LoadLanguage({w.sys, w.fs, w.ini, w.dialogs, false});
  for (const LanguageSection& section : LanguageSections()) {
    for (int key = 0; key <= section.keys + 1; ++key) {
      language.LangTextParam("default %s", section.name, key, "C:\\Packages\\a.vgp");
      language.LangTextAffix("default", section.name, key, key % 2 == 0, ": ");
    }
  }
  return 0;
}
