// vgptool.exe: wide arguments turned into UTF-8; package texts in the system's ANSI code page.
#include <iostream>
#include <string>
#include <vector>

#include "VgpTool.h"
#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/WideText.h"

int wmain(int argc, wchar_t** argv) {
  velgaro::win32::Win32FileSystem fs;
  velgaro::win32::Win32Codepage codepage;
  velgaro::vgptool::ToolPorts ports{fs, codepage, velgaro::vgptool::CurrentLocalTime};
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(velgaro::win32::ToUtf8(argv[i]));
  return velgaro::vgptool::RunVgpTool(args, ports, std::cout, std::cerr);
}
