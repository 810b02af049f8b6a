// A dialog control's caption from the language file: the dialog template's own text is its default.
#pragma once

#include <windows.h>

#include <initializer_list>

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

// A control of a dialog and the language file's key of its caption.
struct CaptionKey {
  int id;
  const char* section;
  int key;
};

inline void ApplyTemplateCaptions(HWND dialog, const Language& language, const CaptionKey* keys, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    ApplyTemplateCaption(GetDlgItem(dialog, keys[i].id), language, keys[i].section, keys[i].key);
  }
}

template <std::size_t N>
void ApplyTemplateCaptions(HWND dialog, const Language& language, const CaptionKey (&keys)[N]) {
  ApplyTemplateCaptions(dialog, language, keys, N);
}

}  // namespace velgaro::widgets
