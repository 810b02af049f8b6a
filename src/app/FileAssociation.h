// The .vgp file type under HKEY_CLASSES_ROOT: type "velgaro", its icon, and the verbs Open (/add) and
// Install (/inst).
#pragma once

#include <string>

#include "lang/Language.h"
#include "platform/Ports.h"

namespace velgaro {

inline constexpr const char* kPackageTypeName = "velgaro";

// The executable named in the registry: the running program's folder and "velgaro.exe".
std::string AssociatedExecutable(const std::string& exeFolder);

// Writes the type. Unless force is set, a .vgp type owned by another program is only taken over when
// the user says yes. False when nothing was written (the user said no).
bool AssociatePackageFiles(Registry& registry, Dialogs& dialogs, const Language& language,
                           const std::string& exeFolder, bool force);

}  // namespace velgaro
