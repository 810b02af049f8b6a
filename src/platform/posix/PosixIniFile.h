// Profile files of a native run: the portable profile rules over the file system and the code page.
#pragma once

#include "platform/IniText.h"

namespace velgaro {

class PosixIniFile : public ProfileFile {
 public:
  using ProfileFile::ProfileFile;
};

}  // namespace velgaro
