// Where the time of reading a package folder goes under Wine, phase by phase, with the program's own
// code over the real adapters: the listing (with the sort and the saved order), the reads of the package
// files (one by one, and read ahead as the program reads them), the installer checks, the whole read with
// nothing read before and again (a reload: only files written since are opened), filling the list view,
// and the progress window's steps. Figures only.
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
  PackageLibrary library(LibraryDeps{a.fs, a.codepage, paths, language, summaries});
  library.SetFolder(folder);

  double t = Now();
  if (!library.LoadListView()) return 1;
  const double listing = Ms(t);
  const std::vector<LibraryRow>& rows = library.Rows();

  // The reads alone (one open, one read and one close per file): one after the other, then as the read
  // of a folder does them, with the next files read ahead meanwhile.
  std::vector<std::string> files;
  for (const LibraryRow& row : rows) files.push_back(library.ListedPath(row.text));
  std::vector<std::string> installers;
  t = Now();
  for (const std::string& file : files) {
    if (package.LoadPackage(a.fs.ReadAll(file))) installers.push_back(package.ReadExePath());
  }
  const double readsInTurn = Ms(t);
  t = Now();
  std::size_t readAhead = 0;
  const std::unique_ptr<FileQueue> queue = a.fs.ReadInTurn(files);
  for (std::size_t i = 0; i < files.size(); ++i) readAhead += queue->Next().has_value() ? 1 : 0;
  const double readsAhead = Ms(t);

  // The installer checks alone, once per installer as a read makes them.
  t = Now();
  std::unordered_set<std::string> distinct(installers.begin(), installers.end());
  int present = 0;
  for (const std::string& installer : distinct) present += FileExists(a.fs, paths.ExpandPathVariables(installer, a.fs));
  const double presence = Ms(t);

  PackageSummaries cold;
  PackageLibrary fresh(LibraryDeps{a.fs, a.codepage, paths, language, cold});
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

  std::printf("%zu packages: listing %.0f ms, reads one by one %.0f ms, read ahead %.0f ms (%zu), installers %.0f ms "
              "(%zu, %d found); whole read %.0f ms (%zu files opened), again %.0f ms; list view %.0f ms, "
              "progress %.0f ms\n",
              rows.size(), listing, readsInTurn, readsAhead, readAhead, presence, distinct.size(), present, wholeCold,
              cold.Reads(), wholeAgain, listFill, steps);
  return 0;
}
