// uiprobe: reads back what the program's main window shows, for the end-to-end tests, through window
// messages sent from this separate process (buffers are placed in the program's own memory).
//   uiprobe rows                 every row: check box (0/1), then the four columns, tab-separated
//   uiprobe statrows             every row of the statistics window's list, tab-separated
//   uiprobe listrows ID COLUMNS  every row of the list view ID: its check box (0/1) when the list has
//                                check boxes, then the first COLUMNS columns, tab-separated
//   uiprobe count                the number of rows of the list
//   uiprobe status [ID]          the four status-bar panels, one per line; given the id of another
//                                status bar, each of its panels
//   uiprobe text ID              the text of the control ID
//   uiprobe rect ID              the screen rectangle of the control ID: left top right bottom
//   uiprobe itemrect ROW [ID]    the screen rectangle of a row (1-based) of the list, or of list view ID
//   uiprobe toolrect COMMAND     the screen rectangle of the toolbar button of COMMAND
//   uiprobe command ID           sends WM_COMMAND ID and prints the milliseconds it took
//   uiprobe ping SECONDS         answers of the window for SECONDS: rounds, the slowest answer to a sent
//                                WM_NULL and the slowest repaint (its thread back in its loop), in ms
//   uiprobe waitping CLASS SECONDS  as ping, on the top-level window of CLASS once it shows (waiting up to
//                                SECONDS for it) and until it is gone or SECONDS have passed
//   uiprobe filled ROWS SECONDS  waits (up to SECONDS) until the main window shows ROWS rows, the progress
//                                window is gone and the last row holds its description; prints the
//                                wall-clock time then, in seconds since 1970 (for timing from outside)
//   uiprobe find CLASS TEXT      the screen rectangle of the first descendant of that class and text
//   uiprobe children             every visible descendant: class, then text (CR and LF written as \r
//                                and \n), tab-separated
//   uiprobe windowrect           the screen rectangle of the window itself
//   uiprobe state ID             the control ID's check and enabled states: "checked enabled", 0 or 1 each
//   uiprobe popup                "open" while a popup menu is on the screen, else "closed"
//   uiprobe lbitem TEXT          the screen rectangle of the item TEXT of the window, a list box (a
//                                drop-down's list: --class=ComboLBox); exit code 2 when no such item
//                                shows
//   uiprobe tvitem TEXT          the screen rectangle of the label of the top-level item TEXT of the
//                                window's first tree view
//   uiprobe watchlist PREFIX SECONDS  follows the top-level window whose title begins with PREFIX
//                                (waiting for it up to SECONDS) until it is gone, reading its first list
//                                view every 10 ms; prints each row once, as soon as it is read
// The window is the main window, or, given first, --class=CLASS or --title=TITLE: the top-level window
// of that class or exact title (with --title, a visible one first; find looks in every visible window
// so titled) (text, rect, state, find, windowrect, listrows, status ID and
// itemrect ROW ID work on any window).
// Exit code 0, or 2 when the main window (or the control) is not there.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HelperText.h"

namespace {

constexpr int kListId = 104;
constexpr int kStatusId = 107;
constexpr int kToolbarId = 100;

// Memory inside the window's process, for messages that carry pointers.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_ != nullptr) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  bool Ok() const { return address_ != nullptr; }
  char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  LPARAM Param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
  bool Write(std::size_t offset, const void* data, std::size_t size) const {
    return WriteProcessMemory(process_, At(offset), data, size, nullptr) != 0;
  }
  bool Read(std::size_t offset, void* data, std::size_t size) const {
    return ReadProcessMemory(process_, At(offset), data, size, nullptr) != 0;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_;
};

constexpr std::size_t kTextChars = 1024;
constexpr std::size_t kTextAt = 256;

std::string ItemText(HWND list, const RemoteBuffer& buffer, int item, int column) {
  LVITEMW it{};
  it.iSubItem = column;
  it.pszText = reinterpret_cast<LPWSTR>(buffer.At(kTextAt));
  it.cchTextMax = static_cast<int>(kTextChars);
  buffer.Write(0, &it, sizeof(it));
  const auto n = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), buffer.Param());
  std::wstring text(kTextChars, L'\0');
  buffer.Read(kTextAt, text.data(), kTextChars * sizeof(wchar_t));
  text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
  return Utf8(text);
}

bool ScreenRect(HWND window, const RECT& client, HWND from) {
  RECT r = client;
  MapWindowPoints(from, nullptr, reinterpret_cast<POINT*>(&r), 2);
  (void)window;
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return true;
}

// checkBoxes: the first field is the row's check box.
int ListRows(HWND list, int columns, bool checkBoxes) {
  RemoteBuffer buffer(list, kTextAt + kTextChars * sizeof(wchar_t));
  if (list == nullptr || !buffer.Ok()) return 2;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (checkBoxes) {
      const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK);
      std::printf("%d\t", ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0);
    }
    for (int c = 0; c < columns; ++c) std::printf(c ? "\t%s" : "%s", ItemText(list, buffer, i, c).c_str());
    std::printf("\n");
  }
  return 0;
}

// Any list view: the check box column only where the list shows check boxes.
int AnyListRows(HWND top, int id, int columns) {
  HWND list = GetDlgItem(top, id);
  if (list == nullptr || columns < 1) return 2;
  const auto styles = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  return ListRows(list, columns, (styles & LVS_EX_CHECKBOXES) != 0);
}

int StatRows() {
  HWND stat = FindWindowW(L"VelgaroStatWindow", nullptr);
  if (stat == nullptr) return 2;
  return ListRows(FindWindowExW(stat, nullptr, WC_LISTVIEWW, nullptr), 7, false);
}

// panels: how many to print; 0: as many as the bar has.
int Status(HWND main, int id, int panels) {
  HWND status = GetDlgItem(main, id);
  RemoteBuffer buffer(status, kTextChars * sizeof(wchar_t));
  if (status == nullptr || !buffer.Ok()) return 2;
  if (panels == 0) panels = static_cast<int>(SendMessageW(status, SB_GETPARTS, 0, 0));
  for (int panel = 0; panel < panels; ++panel) {
    const auto length = LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
    std::wstring text(kTextChars, L'\0');
    if (length < kTextChars) {
      SendMessageW(status, SB_GETTEXTW, static_cast<WPARAM>(panel), buffer.Param());
      buffer.Read(0, text.data(), kTextChars * sizeof(wchar_t));
    }
    text.resize(length < kTextChars ? length : 0);
    std::printf("%s\n", Utf8(text).c_str());
  }
  return 0;
}

int Text(HWND main, int id) {
  HWND control = GetDlgItem(main, id);
  if (control == nullptr) return 2;
  wchar_t text[1024] = {};
  SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  std::printf("%s\n", Utf8(text).c_str());
  return 0;
}

int Rect(HWND main, int id) {
  HWND control = GetDlgItem(main, id);
  if (control == nullptr) return 2;
  RECT r{};
  GetClientRect(control, &r);
  return ScreenRect(main, r, control) ? 0 : 2;
}

int ItemRect(HWND main, int row, int listId) {
  HWND list = GetDlgItem(main, listId);
  RemoteBuffer buffer(list, sizeof(RECT));
  if (list == nullptr || !buffer.Ok()) return 2;
  RECT r{};
  r.left = LVIR_BOUNDS;
  buffer.Write(0, &r, sizeof(r));
  if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row - 1), buffer.Param())) return 2;
  buffer.Read(0, &r, sizeof(r));
  return ScreenRect(main, r, list) ? 0 : 2;
}

int ToolRect(HWND main, int command) {
  HWND toolbar = GetDlgItem(main, kToolbarId);
  RemoteBuffer buffer(toolbar, sizeof(RECT));
  if (toolbar == nullptr || !buffer.Ok()) return 2;
  if (!SendMessageW(toolbar, TB_GETRECT, static_cast<WPARAM>(command), buffer.Param())) return 2;
  RECT r{};
  buffer.Read(0, &r, sizeof(r));
  return ScreenRect(main, r, toolbar) ? 0 : 2;
}

// Whether a popup menu is on the screen. Its items cannot be read from another process under Wine: the
// tests learn their states from what choosing them does.
int Popup() {
  HWND popup = FindWindowW(L"#32768", nullptr);
  std::printf("%s\n", popup != nullptr && IsWindowVisible(popup) ? "open" : "closed");
  return 0;
}

int Command(HWND main, int id) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  QueryPerformanceCounter(&end);
  std::printf("%.1f\n", static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart));
  return 0;
}

double MsSince(const LARGE_INTEGER& t0) {
  LARGE_INTEGER frequency, t1;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&t1);
  return static_cast<double>(t1.QuadPart - t0.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// How long the window's thread takes to come back to its message loop. A sent message does not tell: a
// thread waiting inside its own SendMessage to another program still answers sent messages, while its
// timers, input and posted messages wait. A paint does: the window is marked for repainting, and its
// update region stays until the thread takes WM_PAINT from its queue, which only its loop does.
// Returns -1 when the window is gone.
double PaintRound(HWND main) {
  LARGE_INTEGER t0;
  QueryPerformanceCounter(&t0);
  if (!InvalidateRect(main, nullptr, FALSE)) return IsWindow(main) ? 0 : -1;
  while (GetUpdateRect(main, nullptr, FALSE) && MsSince(t0) < 10000) Sleep(1);   // beyond 10 s it counts as 10 s
  return IsWindow(main) ? MsSince(t0) : -1;
}

// Prints the count of rounds, the slowest answer to a sent WM_NULL and the slowest paint, in ms; a paint
// every 50 ms at most, so that the window is not kept busy painting.
int Ping(HWND main, double seconds) {
  LARGE_INTEGER begin, lastPaint{};
  QueryPerformanceCounter(&begin);
  double slowestSent = 0, slowestPaint = 0;
  int answers = 0;
  for (;;) {
    LARGE_INTEGER t0;
    QueryPerformanceCounter(&t0);
    DWORD_PTR result = 0;
    // A window that is gone ends the count; one that did not answer within 10 s counts as that slow.
    const bool answered = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
    if (!answered && !IsWindow(main)) break;
    const double ms = MsSince(t0);
    if (ms > slowestSent) slowestSent = ms;
    if (answers == 0 || MsSince(lastPaint) >= 50) {
      QueryPerformanceCounter(&lastPaint);
      const double paint = PaintRound(main);
      if (paint < 0) break;
      if (paint > slowestPaint) slowestPaint = paint;
    }
    ++answers;
    if (MsSince(begin) >= seconds * 1000) break;
    Sleep(5);
  }
  std::printf("%d %.1f %.1f\n", answers, slowestSent, slowestPaint);
  return 0;
}

double EpochSeconds() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<double>(ticks - 116444736000000000ULL) / 1e7;   // 100 ns ticks since 1601
}

// Polls in this process, so that the moment is seen within milliseconds: the main window may not be
// there yet when this starts.
int Filled(int rows, double seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  RemoteBuffer* buffer = nullptr;
  HWND bufferFor = nullptr;
  int result = 2;
  while (GetTickCount64() < end) {
    HWND main = FindWindowW(L"VelgaroMainWindow", nullptr);
    HWND list = main != nullptr ? GetDlgItem(main, kListId) : nullptr;
    if (list != nullptr && list != bufferFor) {
      delete buffer;
      buffer = new RemoteBuffer(list, kTextAt + kTextChars * sizeof(wchar_t));
      bufferFor = list;
    }
    DWORD_PTR count = 0;
    if (list != nullptr && buffer->Ok() && FindWindowW(L"VelgaroProgressWindow", nullptr) == nullptr &&
        SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 1000, &count) && static_cast<int>(count) == rows &&
        (rows == 0 || !ItemText(list, *buffer, rows - 1, 2).empty())) {
      std::printf("%.3f\n", EpochSeconds());
      result = 0;
      break;
    }
    Sleep(2);
  }
  delete buffer;
  return result;
}

struct Search {
  std::wstring cls, text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t cls[256] = {}, text[1024] = {};
  GetClassNameW(child, cls, 256);
  GetWindowTextW(child, text, 1024);
  if (search->cls == cls && search->text == text && IsWindowVisible(child)) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

int Find(HWND top, const std::wstring& cls, const std::wstring& text) {
  Search search{cls, text};
  EnumChildWindows(top, &MatchChild, reinterpret_cast<LPARAM>(&search));   // every descendant
  if (search.found == nullptr) return 2;
  RECT r{};
  GetClientRect(search.found, &r);
  return ScreenRect(top, r, search.found) ? 0 : 2;
}

// An installer's message box shares its title with the page it stands over, and a box just answered
// lingers hidden for a moment: a control is looked for in every visible window of that title.
// A window just closed may linger hidden for a moment under the title of one that shows.
HWND FirstVisibleTitled(const std::wstring& title) {
  for (HWND top = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); top != nullptr;
       top = FindWindowExW(nullptr, top, nullptr, title.c_str())) {
    if (IsWindowVisible(top)) return top;
  }
  return FindWindowW(nullptr, title.c_str());
}

int FindInTitled(const std::wstring& title, const std::wstring& cls, const std::wstring& text) {
  for (HWND top = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); top != nullptr;
       top = FindWindowExW(nullptr, top, nullptr, title.c_str())) {
    if (IsWindowVisible(top) && Find(top, cls, text) == 0) return 0;
  }
  return 2;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  if (!IsWindowVisible(child)) return TRUE;
  wchar_t cls[256] = {}, text[1024] = {};
  GetClassNameW(child, cls, 256);
  GetWindowTextW(child, text, 1024);
  std::wstring shown;
  for (const wchar_t* c = text; *c != 0; ++c) shown += *c == L'\r' ? L"\\r" : *c == L'\n' ? L"\\n" : std::wstring(1, *c);
  std::printf("%s\t%s\n", Utf8(cls).c_str(), Utf8(shown).c_str());
  return TRUE;
}

int WindowRect(HWND top) {
  RECT r{};
  GetWindowRect(top, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

// A list box item's rectangle, when the item shows in the box (a scrolled-away item does not). The
// system carries list box texts and rectangles between processes itself.
int ListBoxItem(HWND box, const std::wstring& wanted) {
  const int count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = SendMessageW(box, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0 || static_cast<std::size_t>(length) >= kTextChars) continue;
    std::wstring text(kTextChars, L'\0');
    SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    if (text != wanted) continue;
    RECT r{}, client{};
    if (SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)) == LB_ERR) return 2;
    GetClientRect(box, &client);
    if (r.top < client.top || r.bottom > client.bottom) return 2;
    return ScreenRect(box, r, box) ? 0 : 2;
  }
  return 2;
}

struct OfClass {
  const wchar_t* cls;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<OfClass*>(param);
  wchar_t cls[256] = {};
  GetClassNameW(child, cls, 256);
  if (std::wstring(cls) != search->cls) return TRUE;
  search->found = child;
  return FALSE;
}

// The first descendant of a class, or null.
HWND FirstOfClass(HWND top, const wchar_t* cls) {
  OfClass search{cls};
  EnumChildWindows(top, &MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int TreeItem(HWND top, const std::wstring& wanted) {
  HWND tree = FirstOfClass(top, WC_TREEVIEWW);
  if (tree == nullptr) return 2;
  RemoteBuffer buffer(tree, kTextAt + kTextChars * sizeof(wchar_t));
  if (!buffer.Ok()) return 2;
  for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); item != nullptr;
       item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    TVITEMW it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = reinterpret_cast<LPWSTR>(buffer.At(kTextAt));
    it.cchTextMax = static_cast<int>(kTextChars);
    std::wstring text(kTextChars, L'\0');
    if (!buffer.Write(0, &it, sizeof(it)) || !SendMessageW(tree, TVM_GETITEMW, 0, buffer.Param())) continue;
    buffer.Read(kTextAt, text.data(), kTextChars * sizeof(wchar_t));
    text.resize(wcslen(text.c_str()));
    if (text != wanted) continue;
    buffer.Write(0, &item, sizeof(item));   // the item goes in, its rectangle comes out
    RECT r{};
    if (!SendMessageW(tree, TVM_GETITEMRECT, TRUE, buffer.Param())) return 2;
    buffer.Read(0, &r, sizeof(r));
    return ScreenRect(tree, r, tree) ? 0 : 2;
  }
  return 2;
}

struct TitlePrefix {
  std::wstring prefix;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitlePrefix(HWND top, LPARAM param) {
  auto* search = reinterpret_cast<TitlePrefix*>(param);
  wchar_t text[1024] = {};
  GetWindowTextW(top, text, 1024);
  if (IsWindowVisible(top) && std::wstring(text).rfind(search->prefix, 0) == 0) {
    search->found = top;
    return FALSE;
  }
  return TRUE;
}

// Every line an installer's details list showed before its window closed, each printed as soon as it is
// read (the list only grows): a replay that presses Close right after the last line cannot hide them all.
int WatchList(const std::wstring& prefix, double seconds) {
  const DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  TitlePrefix search{prefix};
  while (search.found == nullptr && static_cast<LONG>(GetTickCount() - limit) < 0) {
    EnumWindows(&MatchTitlePrefix, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(10);
  }
  if (search.found == nullptr) return 2;
  int shown = 0;
  while (IsWindow(search.found) && static_cast<LONG>(GetTickCount() - limit) < 0) {
    HWND list = FirstOfClass(search.found, WC_LISTVIEWW);
    if (list != nullptr) {
      RemoteBuffer buffer(list, kTextAt + kTextChars * sizeof(wchar_t));
      const int count = buffer.Ok() ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
      for (; shown < count; ++shown) std::printf("%s\n", ItemText(list, buffer, shown, 0).c_str());
      std::fflush(stdout);
    }
    Sleep(10);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  if (std::wstring(argv[1]) == L"statrows") return StatRows();
  if (std::wstring(argv[1]) == L"popup") return Popup();
  if (std::wstring(argv[1]) == L"watchlist" && argc > 3) return WatchList(argv[2], _wtof(argv[3]));
  if (std::wstring(argv[1]) == L"waitping" && argc > 3) {
    const DWORD limit = GetTickCount() + static_cast<DWORD>(_wtof(argv[3]) * 1000);
    HWND window = nullptr;
    while ((window = FindWindowW(argv[2], nullptr)) == nullptr && static_cast<LONG>(GetTickCount() - limit) < 0) Sleep(5);
    return window == nullptr ? 2 : Ping(window, _wtof(argv[3]));
  }
  if (std::wstring(argv[1]) == L"filled" && argc > 3) return Filled(_wtoi(argv[2]), _wtof(argv[3]));
  HWND main = nullptr;
  const std::wstring first = argv[1];
  if (first.rfind(L"--class=", 0) == 0 || first.rfind(L"--title=", 0) == 0) {
    const std::wstring name = first.substr(8);
    if (first[2] == L't' && argc > 4 && std::wstring(argv[2]) == L"find") return FindInTitled(name, argv[3], argv[4]);
    main = first[2] == L'c' ? FindWindowW(name.c_str(), nullptr) : FirstVisibleTitled(name);
    ++argv;
    if (--argc < 2) return 2;
  } else {
    main = FindWindowW(L"VelgaroMainWindow", nullptr);
  }
  if (main == nullptr) return 2;
  const std::wstring what = argv[1];
  const int arg = argc > 2 ? _wtoi(argv[2]) : 0;
  if (what == L"rows") return ListRows(GetDlgItem(main, kListId), 4, true);
  if (what == L"status") return argc > 2 ? Status(main, arg, 0) : Status(main, kStatusId, 4);
  if (what == L"listrows" && argc > 3) return AnyListRows(main, arg, _wtoi(argv[3]));
  if (what == L"count") {
    std::printf("%d\n", static_cast<int>(SendMessageW(GetDlgItem(main, kListId), LVM_GETITEMCOUNT, 0, 0)));
    return 0;
  }
  if (what == L"text") return Text(main, arg);
  if (what == L"rect") return Rect(main, arg);
  if (what == L"itemrect") return ItemRect(main, arg, argc > 3 ? _wtoi(argv[3]) : kListId);
  if (what == L"toolrect") return ToolRect(main, arg);
  if (what == L"command") return Command(main, arg);
  if (what == L"find" && argc > 3) return Find(main, argv[2], argv[3]);
  if (what == L"windowrect") return WindowRect(main);
  if (what == L"state") {
    HWND control = GetDlgItem(main, arg);
    if (control == nullptr) return 2;
    std::printf("%d %d\n", SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0,
                IsWindowEnabled(control) ? 1 : 0);
    return 0;
  }
  if (what == L"children") return EnumChildWindows(main, &PrintChild, 0), 0;
  if (what == L"ping") return Ping(main, argc > 2 ? _wtof(argv[2]) : 1.0);
  if (what == L"lbitem" && argc > 2) return ListBoxItem(main, argv[2]);
  if (what == L"tvitem" && argc > 2) return TreeItem(main, argv[2]);
  return 2;
}
