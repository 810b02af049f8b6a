// Reading a language file into memory and looking texts up in it.
#include "lang/Language.h"

#include <cstddef>

namespace velgaro {

namespace {

// GetPrivateProfileStringA buffer: values longer than 2047 bytes are cut.
constexpr std::size_t kValueBuffer = 2048;

const char* const kMissingFileText = "Отсутствует файл перевода ";
const char* const kMissingFileTitle = "Ошибка загрузки языка";

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The name is joined into a path: separators would let a setting point at any file on the disk.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name.find_first_of(std::string("\\/:\0", 4)) == std::string::npos;
}

std::map<std::string, std::vector<std::string>> EmptyTables() {
  std::map<std::string, std::vector<std::string>> tables;
  for (const LanguageSection& section : LanguageSections()) {
    tables[AsciiLower(section.name)].assign(static_cast<std::size_t>(section.keys) + 1, std::string());
  }
  return tables;
}

}  // namespace

std::string LanguageFilePath(const std::string& exeFolder, const std::string& name) {
  std::string path = exeFolder;
  if (path.empty() || path.back() != '\\') path += '\\';
  return path + "language\\" + name + ".lng";
}

void Language::ReadLanguageSetting(const SettingsStore& settings, bool iniSettingsLoaded) {
  if (iniSettingsLoaded) return;  // the INI file's value stands
  name_ = settings.Get("Language", "Language", "");
}

void Language::LoadLanguage(const LoadContext& ctx) {
  if (name_.empty()) name_ = DefaultLanguageName(ctx.sys.UserDefaultLangId());
  filePath_ = LanguageFilePath(ctx.sys.ExeFolder(), name_);

  auto tables = EmptyTables();
  if (IsPlainFileName(name_) && ctx.fs.Exists(filePath_)) {
    for (const LanguageSection& section : LanguageSections()) {
      std::vector<std::string>& entries = tables[AsciiLower(section.name)];
      for (int key = 1; key <= section.keys; ++key) {
        entries[static_cast<std::size_t>(key)] =
            ctx.ini.Read(filePath_, section.name, std::to_string(key), std::string(), kValueBuffer);
      }
    }
    tables_.swap(tables);
    return;
  }

  tables_.swap(tables);
  if (AsciiLower(name_) != "russian" && !ctx.unattendedInstall) {
    ctx.dialogs.MessageBox(0, kMissingFileText + filePath_, kMissingFileTitle, kMbOk);
  }
}

std::string Language::GetLangString(const std::string& section, int number) const {
  const auto table = tables_.find(AsciiLower(section));
  if (table == tables_.end() || number < 1) return std::string();
  const std::vector<std::string>& entries = table->second;
  if (static_cast<std::size_t>(number) >= entries.size()) return std::string();
  return entries[static_cast<std::size_t>(number)];
}

std::string Language::LangText(const std::string& defaultText, const std::string& section, int number) const {
  std::string text = GetLangString(section, number);
  return text.empty() ? defaultText : text;
}

std::string Language::LangTextAffix(const std::string& defaultText, const std::string& section, int number,
                                    bool atStart, const std::string& affix) const {
  return EnsureAffix(LangText(defaultText, section, number), atStart, affix);
}

std::string Language::LangTextParam(const std::string& defaultText, const std::string& section, int number,
                                    const std::string& value) const {
  return ReplaceParam(LangText(defaultText, section, number), value);
}

}  // namespace velgaro
