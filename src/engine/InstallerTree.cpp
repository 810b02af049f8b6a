#include "engine/InstallerTree.h"

#include <algorithm>

namespace velgaro {

bool InstallerTree::Owns(WindowHandle window) const {
  if (!Known() || window == 0) return false;
  const std::int32_t process = windows_.WindowProcessId(window);
  if (process == 0) return false;
  if (process == installer_) return true;
  if (!tree_) tree_ = processes_.ProcessTree(installer_);
  return std::find(tree_->begin(), tree_->end(), process) != tree_->end();
}

}  // namespace velgaro
