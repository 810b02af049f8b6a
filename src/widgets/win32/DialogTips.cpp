#include "widgets/win32/DialogTips.h"

#include <commctrl.h>

#include "platform/win32/WideText.h"

namespace velgaro::widgets {

HWND CreateToolTipWindow(HWND owner) {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void AddAskingTool(HWND tooltip, HWND window, UINT_PTR id, UINT flags, const RECT& rect) {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = flags;
  info.hwnd = window;
  info.uId = id;
  info.rect = rect;
  info.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

HWND CreateDialogTips(HWND dialog, const std::vector<std::pair<int, std::string>>& tips, int maxWidth) {
  HWND tooltip = CreateToolTipWindow(dialog);
  if (tooltip == nullptr) return nullptr;
  if (maxWidth > 0) SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, maxWidth);
  for (const auto& [id, text] : tips) AddControlTip(tooltip, dialog, GetDlgItem(dialog, id), text);
  return tooltip;
}

void AddControlTip(HWND tooltip, HWND window, HWND control, const std::string& text) {
  std::wstring wide = win32::ToWide(text);   // the tool tip keeps its own copy
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = window;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = wide.data();
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace velgaro::widgets
