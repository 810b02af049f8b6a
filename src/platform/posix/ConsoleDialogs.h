// Dialogs of a console tool: messages go to standard error and take their default answer
// (OK, or No for questions, whose default button is No); save dialogs are cancelled.
#pragma once

#include "platform/Ports.h"

namespace velgaro {

class ConsoleDialogs : public Dialogs {
 public:
  int MessageBox(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) override;
  std::optional<std::string> SaveFile(WindowHandle owner, const SaveFileRequest& request) override;
  std::optional<std::string> OpenFile(WindowHandle owner, const SaveFileRequest& request) override;
  std::string BrowseForFolder(WindowHandle owner, const std::string& title, const std::string& startFolder) override;
};

}  // namespace velgaro
