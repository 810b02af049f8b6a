// Per-user settings of a native run: an INI file "$XDG_CONFIG_HOME/velgaro/settings.ini" (or
// ~/.config/velgaro/settings.ini), one INI section per settings section, UTF-8 text.
#pragma once

#include <string>

#include "platform/Ports.h"

namespace velgaro {

class PosixSettingsStore : public SettingsStore {
 public:
  PosixSettingsStore();                                  // the user's config folder
  explicit PosixSettingsStore(std::string nativeFile);   // a given file (tests, tools)

  std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const override;
  // Written at once, by replacing the whole file; false when it cannot be written or the text has line breaks.
  bool Set(const std::string& section, const std::string& key, const std::string& value) override;
  const std::string& File() const { return file_; }    // empty when no home folder is known

 private:
  std::string file_;
};

// "$XDG_CONFIG_HOME/velgaro/settings.ini", else "$HOME/.config/velgaro/settings.ini"; empty without either.
std::string DefaultSettingsFile();

}  // namespace velgaro
