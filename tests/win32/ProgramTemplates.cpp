#include "ProgramTemplates.h"

#include <string>

namespace velgaro::win32::test {

HINSTANCE ProgramTemplates(int id) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  if (FindResourceW(self, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) != nullptr) return self;   // RT_DIALOG
  static HMODULE program = [] {
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path = buffer;
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"velgaro.exe";
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }();
  return program;
}

void PumpWaiting() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace velgaro::win32::test
