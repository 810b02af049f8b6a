// Which windows belong to the installer a package started: those of its own process and of every process
// it started. A look-alike window of another program is never one of them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

class InstallerTree {
 public:
  // installer: the id of the process the package started; 0 when it started none.
  InstallerTree(const WindowSystem& windows, const Processes& processes, std::int32_t installer)
      : windows_(windows), processes_(processes), installer_(installer) {}

  bool Known() const { return installer_ > 0; }
  // The installer's own windows are told without asking the system for its processes; the tree is read
  // once, when a window of another process is first asked about.
  bool Owns(WindowHandle window) const;

 private:
  const WindowSystem& windows_;
  const Processes& processes_;
  std::int32_t installer_;
  mutable std::optional<std::vector<std::int32_t>> tree_;
};

}  // namespace velgaro
