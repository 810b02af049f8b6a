// A run of packages as the control window is handed it: the package files in the order they play, and
// the one playing now.
#pragma once

#include <string>
#include <vector>

namespace velgaro {

struct PlayRun {
  std::vector<std::string> RunList{""};   // entry 0 is always empty
  std::string CurrentPackagePath;
};

// The run of one package file.
inline PlayRun RunOfOne(const std::string& packagePath) { return PlayRun{{"", packagePath}, packagePath}; }

}  // namespace velgaro
