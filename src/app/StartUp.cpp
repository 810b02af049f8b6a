#include "app/StartUp.h"

#include "app/CommandLine.h"
#include "app/PortableSettings.h"
#include "app/SingleInstance.h"

namespace velgaro {

void StartUp(App& app) {
  const std::string commandLine = app.windows.commandLine ? app.windows.commandLine() : std::string();
  if (!CheckSingleInstance(app, commandLine)) return;

  Platform& p = app.platform;
  app.paths.InitPathVariables(p.sys, p.registry);

  // Both tests run, each once: removable media alone copies the INI settings without turning
  // portable mode on.
  const bool portableByIni = IsPortableByIni(p.sys, p.fs, p.ini, app.PortableMode);
  const bool onRemovableMedia = IsOnRemovableMedia(p.sys);
  if (portableByIni || onRemovableMedia) LoadIniSettings(app);

  app.language.ReadLanguageSetting(p.settings, app.IniSettingsLoaded);
  ParseCommandLine(app, commandLine);

  if (app.UnattendedInstall) return;  // the control window is already playing
  app.language.LoadLanguage({p.sys, p.fs, p.ini, p.dialogs, false});
  if (app.windows.openMainWindow) app.windows.openMainWindow();
}

}  // namespace velgaro
