// The deadline of an unattended run (/TIMEOUT=<seconds>): how long the current action's window may stay
// unfound or covered, and how long the installer may run after the last action, before the package is
// given up; and what its statistics row then says, so that an administrator can see where it stuck.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lang/Language.h"
#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

class RunDeadline {
 public:
  explicit RunDeadline(int seconds) : seconds_(seconds > 0 ? seconds : 0) {}
  bool Active() const { return seconds_ > 0; }
  int Seconds() const { return seconds_; }
  // Something is awaited from now on: an action's window, or the installer's end.
  void Restart(std::int64_t nowMs) { since_ = nowMs; }
  bool Passed(std::int64_t nowMs) const { return Active() && nowMs - since_ >= std::int64_t{seconds_} * 1000; }

 private:
  int seconds_;
  std::int64_t since_ = 0;
};

// A window chain as the statistics row shows it: Class "Caption" #ordinal, outermost first, joined by " > ".
std::string DescribeWindowPath(const WindowPath& path);
// Class and caption of the visible top-level windows, front first, leaving out the program's own.
std::vector<std::pair<std::string, std::string>> VisibleTopLevelWindows(const WindowSystem& windows,
                                                                        WindowHandle own);
// The statistics row of a package given up while its window was sought, and while its installer ran.
std::string WindowTimeoutDetails(const Language& language, int seconds, const WindowPath& sought,
                                 const std::vector<std::pair<std::string, std::string>>& visible);
std::string InstallerTimeoutDetails(const Language& language, int seconds);

}  // namespace velgaro
