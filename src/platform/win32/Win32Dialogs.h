// Message boxes and the common save dialog.
#pragma once

#include <string>

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Dialogs final : public Dialogs {
 public:
  int MessageBox(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) override;
  std::optional<std::string> SaveFile(WindowHandle owner, const SaveFileRequest& request) override;
  std::optional<std::string> OpenFile(WindowHandle owner, const SaveFileRequest& request) override;
  // SHBrowseForFolder with an edit box and the new dialog style, the start folder preselected.
  std::string BrowseForFolder(WindowHandle owner, const std::string& title, const std::string& startFolder) override;
};

// "Name (*.X)|*.X|" as the dialog wants it: every "|" a NUL, the whole ended by two NULs.
std::wstring DialogFilter(const std::string& filter);

}  // namespace velgaro::win32
