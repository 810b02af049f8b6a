#include "engine/RunExitCode.h"

#include "engine/Statistics.h"

namespace velgaro {
namespace {

int Severity(int code) {
  switch (code) {
    case kExitNotInstalled: return 3;
    case kExitInterrupted: return 2;
    case kExitRestartRequired: return 1;
    default: return 0;
  }
}

}  // namespace

int PackageExitCode(std::uint8_t status, bool createReboot) {
  switch (status) {
    case kInstalled: return createReboot ? kExitRestartRequired : kExitInstalled;
    case kInterrupted: return kExitInterrupted;
    default: return kExitNotInstalled;
  }
}

int WorseExitCode(int a, int b) { return Severity(b) > Severity(a) ? b : a; }

}  // namespace velgaro
