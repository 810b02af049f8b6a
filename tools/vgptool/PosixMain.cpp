// vgptool on Linux: package texts in the native ANSI code page (Windows-1251 unless VELGARO_CODEPAGE).
#include <iostream>
#include <string>
#include <vector>

#include "VgpTool.h"
#include "platform/posix/PosixCodepage.h"
#include "platform/posix/PosixFileSystem.h"

int main(int argc, char** argv) {
  velgaro::PosixFileSystem fs;
  velgaro::PosixCodepage codepage;
  velgaro::vgptool::ToolPorts ports{fs, codepage, velgaro::vgptool::CurrentLocalTime};
  const std::vector<std::string> args(argv + 1, argv + argc);
  return velgaro::vgptool::RunVgpTool(args, ports, std::cout, std::cerr);
}
