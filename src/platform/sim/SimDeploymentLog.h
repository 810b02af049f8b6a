// DeploymentLog for tests: keeps every line told.
#pragma once

#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

class SimDeploymentLog final : public DeploymentLog {
 public:
  void Error(const std::string& line) override { lines.push_back(line); }

  std::vector<std::string> lines;
};

}  // namespace velgaro
