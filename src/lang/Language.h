// Language files: every user-visible text has a section, a key number and a built-in Russian default.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

struct LanguageSection {
  const char* name;
  int keys;  // highest key number read
};

// The sections in the order in which they are loaded.
const std::vector<LanguageSection>& LanguageSections();

std::string DefaultLanguageName(std::uint16_t langId);
// "<exe folder>\language\<name>.lng", with a backslash after the folder only where it lacks one.
std::string LanguageFilePath(const std::string& exeFolder, const std::string& name);
std::string EnsureAffix(const std::string& text, bool atStart, const std::string& affix);
std::string ReplaceParam(const std::string& text, const std::string& value);

class Language {
 public:
  // The language name (file name without ".lng"); empty until set.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  const std::string& FilePath() const { return filePath_; }

  // Sets the name from the setting Language/Language unless the INI settings already set it.
  void ReadLanguageSetting(const SettingsStore& settings, bool iniSettingsLoaded);

  struct LoadContext {
    const SystemInfo& sys;
    const FileSystem& fs;
    const IniFile& ini;
    Dialogs& dialogs;
    bool unattendedInstall;
  };
  // Fills the tables from "<exe folder>\language\<name>.lng"; a missing file shows its message (except
  // for Russian and in an unattended install) and leaves every table empty. A name that is not a plain
  // file name (it holds a path separator) counts as a missing file, so no file outside the folder is read.
  void LoadLanguage(const LoadContext& ctx);

  std::string GetLangString(const std::string& section, int number) const;
  std::string LangText(const std::string& defaultText, const std::string& section, int number) const;
  std::string LangTextAffix(const std::string& defaultText, const std::string& section, int number, bool atStart,
                            const std::string& affix) const;
  std::string LangTextParam(const std::string& defaultText, const std::string& section, int number,
                            const std::string& value) const;

 private:
  std::string name_;
  std::string filePath_;
  std::map<std::string, std::vector<std::string>> tables_;  // lower-case section name -> entries 1..N (index 0 unused)
};

}  // namespace velgaro
