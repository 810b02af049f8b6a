#include "platform/win32/Win32Dialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#undef MessageBox  // the port's method, not the A/W macro

#include <algorithm>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

constexpr std::size_t kFileNameChars = 255;

HWND AsWindow(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

constexpr UINT kBrowseFlags = 0x50;   // BIF_EDITBOX | BIF_NEWDIALOGSTYLE

int CALLBACK PreselectFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

std::wstring DialogFilter(const std::string& filter) {
  std::wstring text = ToWide(filter);
  std::replace(text.begin(), text.end(), L'|', L'\0');
  if (text.empty() || text.back() != L'\0') text.push_back(L'\0');
  text.push_back(L'\0');
  return text;
}

int Win32Dialogs::MessageBox(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) {
  return MessageBoxW(AsWindow(owner), ToWide(text).c_str(), ToWide(title).c_str(), style);
}

namespace {

// The common file dialogs share everything but the call.
std::optional<std::string> RunFileDialog(WindowHandle owner, const SaveFileRequest& request, bool save) {
  const std::wstring filter = DialogFilter(request.filter);
  const std::wstring title = ToWide(request.title);
  const std::wstring startFolder = ToWidePath(request.startFolder);
  std::wstring fileName(kFileNameChars, L'\0');
  const std::wstring initial = ToWidePath(request.fileName);
  std::copy_n(initial.begin(), std::min(initial.size(), kFileNameChars - 1), fileName.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = AsWindow(owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = static_cast<DWORD>(kFileNameChars);
  dialog.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.Flags = request.flags;
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
  return ToUtf8(WideFromBuffer(fileName.data(), fileName.size()));
}

}  // namespace

std::optional<std::string> Win32Dialogs::SaveFile(WindowHandle owner, const SaveFileRequest& request) {
  return RunFileDialog(owner, request, true);
}

std::optional<std::string> Win32Dialogs::OpenFile(WindowHandle owner, const SaveFileRequest& request) {
  return RunFileDialog(owner, request, false);
}

std::string Win32Dialogs::BrowseForFolder(WindowHandle owner, const std::string& title,
                                          const std::string& startFolder) {
  const std::wstring wideTitle = ToWide(title);
  const std::wstring start = ToWidePath(startFolder);
  BROWSEINFOW info{};
  info.hwndOwner = AsWindow(owner);
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = kBrowseFlags;
  info.lpfn = &PreselectFolder;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (chosen == nullptr) return {};
  std::wstring path(MAX_PATH + 1, L'\0');
  const bool ok = SHGetPathFromIDListW(chosen, path.data()) != FALSE;
  CoTaskMemFree(chosen);
  return ok ? ToUtf8(WideFromBuffer(path.data(), path.size())) : std::string();
}

}  // namespace velgaro::win32
