#include "platform/posix/ConsoleDialogs.h"

#include <cstdio>

namespace velgaro {

int ConsoleDialogs::MessageBox(WindowHandle, const std::string& text, const std::string& title, unsigned style) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  return (style & 0x0Fu) == kMbYesNo ? kIdNo : kIdOk;
}

std::optional<std::string> ConsoleDialogs::SaveFile(WindowHandle, const SaveFileRequest&) { return std::nullopt; }

std::optional<std::string> ConsoleDialogs::OpenFile(WindowHandle, const SaveFileRequest&) { return std::nullopt; }

std::string ConsoleDialogs::BrowseForFolder(WindowHandle, const std::string&, const std::string&) { return {}; }

}  // namespace velgaro
