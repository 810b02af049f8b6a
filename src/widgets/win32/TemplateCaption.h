// A dialog control's caption from the language file: the dialog template's own text is its default.
#pragma once

#include <windows.h>

#include "lang/Language.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"

namespace velgaro::widgets {

inline void ApplyTemplateCaption(HWND window, const Language& language, const char* section, int key) {
  if (window == nullptr) return;
  const std::string current = win32::WindowTextUtf8(window);
  const std::string text = language.LangText(current, section, key);
  if (text != current) SetWindowTextW(window, win32::ToWide(text).c_str());
}

}  // namespace velgaro::widgets
