// Where the time of reading a package folder goes under Wine, phase by phase, with the program's own
// code over the real adapters: the listing (with the sort and the saved order), the reads of the package
// files, the installer checks, the whole read cold (nothing kept) and again (a reload: only files written
// since are opened), filling the list view, and the progress window's steps. Figures only.
//   bench_library_split.exe FOLDER
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <unordered_set>
#include <vector>

#include "lang/Language.h"
#include "library/PackageLibrary.h"
#include "library/win32/PackageListView.h"
#include "library/win32/ReadingProgress.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Platform.h"

namespace {

using namespace velgaro;

double Now() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Ms(double since) { return (Now() - since) * 1000; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::string folder = win32::ToUtf8(argv[1]);
  win32::Win32Adapters a;
  PathVariables paths;
  paths.InitPathVariables(a.sys, a.registry);
  PackageImage package(PackageTextContext{a.codepage, {}});
  Language language;
  PackageSummaries summaries;
  PackageLibrary library(LibraryDeps{a.fs, a.codepage, paths, package, language, summaries});
  library.SetFolder(folder);

  double t = Now();
  if (!library.LoadListView()) return 1;
  const double listing = Ms(t);
  const std::vector<LibraryRow>& rows = library.Rows();

  // The reads alone: one open, one read and one close per file.
  std::vector<std::string> installers;
  t = Now();
  for (const LibraryRow& row : rows) {
    const std::string file = library.ListedPath(row.text);
    const auto summary = summaries.Summary(package, a.fs, file.substr(file.find_last_of('\\') + 1));
    if (summary) installers.push_back(summary->exePath);
  }
  const double reads = Ms(t);

  // The installer checks alone, once per installer as a read makes them.
  t = Now();
  std::unordered_set<std::string> distinct(installers.begin(), installers.end());
  int present = 0;
  for (const std::string& installer : distinct) present += FileExists(a.fs, paths.ExpandPathVariables(installer, a.fs));
  const double presence = Ms(t);

  PackageSummaries cold;
  PackageLibrary fresh(LibraryDeps{a.fs, a.codepage, paths, package, language, cold});
  fresh.SetFolder(folder);
  t = Now();
  fresh.LoadListView();
  fresh.LoadTipTextLV(nullptr);
  const double wholeCold = Ms(t);
  t = Now();
  fresh.LoadListView();
  fresh.LoadTipTextLV(nullptr);
  const double wholeAgain = Ms(t);

  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  HWND top = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 760, 520, nullptr,
                             nullptr, nullptr, nullptr);
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, top, nullptr, nullptr,
                                nullptr);
  library::PackageListView view;
  view.Create(top, 104, fresh);
  MoveWindow(view.Handle(), 0, 0, 740, 400, TRUE);
  t = Now();
  view.Refresh();
  UpdateWindow(view.Handle());
  const double listFill = Ms(t);

  win32::Win32MessagePump pump;
  library::ReadingProgress progress(top, status, language, pump, nullptr);
  const int n = static_cast<int>(rows.size());
  t = Now();
  progress.Begin(n);
  for (int k = 1; k <= n; ++k) progress.Step(k, n, "Загрузка " + std::to_string(k) + " из " + std::to_string(n));
  progress.End();
  const double steps = Ms(t);
  DestroyWindow(top);

  std::printf("%zu packages: listing %.0f ms, reads %.0f ms, installers %.0f ms (%zu, %d found); "
              "whole read %.0f ms, again %.0f ms (%zu files opened); list view %.0f ms, progress %.0f ms\n",
              rows.size(), listing, reads, presence, distinct.size(), present, wholeCold, wholeAgain, cold.Reads(),
              listFill, steps);
  return 0;
}
