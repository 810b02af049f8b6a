// The batch editor window driven by messages in-process over simulated ports: the list, counters and
// status bar after the load, find and replace through the boxes and the button, bold rows, a tick
// taken off, saving, Enter in the boxes, header clicks, the question before closing, and a row's path
// edited by hand in frmEditPath after a double click.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ProgramTemplates.h"
#include "editor/win32/EditorResources.h"
#include "editor/win32/FrmWizardPack.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/CheckListCells.h"
#include "unit/editor/EditorFixture.h"

namespace velgaro::editor {
namespace {

HINSTANCE Templates() { return win32::test::ProgramTemplates(IDD_WIZARDPACK); }

void Pump() { win32::test::PumpWaiting(); }

// The user of the modal path dialog: a thread timer runs inside its message loop, reads the box, and
// plays the given steps.
struct EditPathUser {
  explicit EditPathUser(std::function<void(HWND dialog)> steps) : act(std::move(steps)) {}
  std::function<void(HWND dialog)> act;
  std::string seen;           // the box's text when the dialog came up
  std::string selection;      // "start end" of the selection then
  bool came = false;

  static EditPathUser* current;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(nullptr, L"Редактирование пути исполняемого файла");
    if (dialog == nullptr || current == nullptr) return;
    KillTimer(nullptr, id);
    current->came = true;
    HWND box = GetDlgItem(dialog, IDC_EP_PATH);
    current->seen = win32::WindowTextUtf8(box);
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    current->selection = std::to_string(start) + " " + std::to_string(end);
    current->act(dialog);
  }
};
EditPathUser* EditPathUser::current = nullptr;

class BatchEditorWindowTest : public test::EditorFixture {
 protected:
  BatchEditorWindowTest() {
    AddPackage("alpha", "C:\\Setup\\a\\setup.exe");
    AddPackage("beta", "c:\\setup\\b.exe");
    AddPackage("gamma", "D:\\Other\\g.exe");
    settings.Set("Path", "FolderVGP", kFolder);
  }

  void Open() {
    ASSERT_NE(Templates(), nullptr);
    window = std::make_unique<FrmWizardPack>(EditorDepsOf(app), Templates());
    EXPECT_TRUE(window->Create(nullptr));
    ShowWindow(window->Handle(), SW_SHOW);
    // The folder is read once the window has shown.
    for (int i = 0; i < 50 && Count() == 0; ++i) {
      Pump();
      Sleep(10);
    }
  }

  HWND Item(int id) const { return GetDlgItem(window->Handle(), id); }
  HWND List() const { return Item(IDC_WP_LIST); }
  int Count() const { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
  std::string Cell(int item, int column) const { return widgets::CellText(List(), item, column); }
  bool Ticked(int item) const {
    const auto state = SendMessageW(List(), LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
  }
  // A click on a row's box, as the list reports it (the list holds no boxes of its own).
  void Tick(int item, bool on) {
    if (Ticked(item) == on) return;
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    NMITEMACTIVATE click{};
    click.hdr = NMHDR{List(), IDC_WP_LIST, static_cast<UINT>(NM_CLICK)};
    click.iItem = item;
    click.ptAction = POINT{r.left + 8, (r.top + r.bottom) / 2};
    SendMessageW(window->Handle(), WM_NOTIFY, IDC_WP_LIST, reinterpret_cast<LPARAM>(&click));
  }
  std::string Text(int id) const {
    wchar_t buffer[512] = {};
    GetWindowTextW(Item(id), buffer, 512);
    return win32::ToUtf8(buffer);
  }
  void Type(int id, const std::string& text) {
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win32::ToWide(text).c_str()));
  }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  std::string Status() const {
    wchar_t buffer[512] = {};
    SendMessageW(Item(IDC_WP_STATUS), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer));
    return win32::ToUtf8(buffer);
  }
  std::string Counters() const { return Text(IDC_WP_TOTAL) + "/" + Text(IDC_WP_CHANGED) + "/" + Text(IDC_WP_TOSAVE); }
  bool PressEnter(int id) {
    MSG enter{Item(id), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    return window->PreTranslate(enter);
  }
  void ClickHeader(int column) {
    NMLISTVIEW click{};
    click.hdr = NMHDR{List(), IDC_WP_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iItem = -1;
    click.iSubItem = column;
    SendMessageW(window->Handle(), WM_NOTIFY, IDC_WP_LIST, reinterpret_cast<LPARAM>(&click));
  }
  // Whether the list's row is drawn in a bold font, as the window answers its custom draw.
  bool DrawnBold(int item) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr = NMHDR{List(), IDC_WP_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(item);
    draw.nmcd.hdc = dc;
    SendMessageW(window->Handle(), WM_NOTIFY, IDC_WP_LIST, reinterpret_cast<LPARAM>(&draw));
    const LONG_PTR result = GetWindowLongPtrW(window->Handle(), DWLP_MSGRESULT);
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    SelectObject(dc, before);
    DeleteDC(dc);
    return result == CDRF_NEWFONT && font.lfWeight >= FW_BOLD;
  }

  // A double click on a row, with user playing the path dialog it opens.
  void DoubleClick(int item, EditPathUser& user) {
    EditPathUser::current = &user;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &EditPathUser::Tick);
    NMITEMACTIVATE click{};
    click.hdr = NMHDR{List(), IDC_WP_LIST, static_cast<UINT>(NM_DBLCLK)};
    click.iItem = item;
    SendMessageW(window->Handle(), WM_NOTIFY, IDC_WP_LIST, reinterpret_cast<LPARAM>(&click));
    KillTimer(nullptr, timer);
    EditPathUser::current = nullptr;
  }
  static void SetBox(HWND dialog, const std::string& text) {
    SetWindowTextW(GetDlgItem(dialog, IDC_EP_PATH), win32::ToWide(text).c_str());
  }
  static void Press(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

  std::unique_ptr<FrmWizardPack> window;
};

TEST_F(BatchEditorWindowTest, ReplacesInTheListAndSavesOnlyTheTickedRows) {
  Open();
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(win32::WindowTextUtf8(window->Handle()), "Мастер пакетного поиска и замены пути");
  EXPECT_EQ(Text(IDC_WP_FOLDER), kFolder);
  EXPECT_EQ(Cell(0, 0), "alpha");
  EXPECT_EQ(Cell(1, 1), "c:\\setup\\b.exe");
  EXPECT_EQ(Cell(2, 2), "");
  EXPECT_TRUE(Ticked(0) && Ticked(1) && Ticked(2));
  EXPECT_EQ(Counters(), "3/0/0");
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_WP_SAVE)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_WP_RUNREPLACE)));   // nothing to find yet
  EXPECT_FALSE(IsWindowVisible(Item(IDC_WP_PROGRESS)));

  Type(IDC_WP_FIND, "C:\\Setup");
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_WP_RUNREPLACE)));
  Type(IDC_WP_REPLACE, "E:\\Soft");
  Click(IDC_WP_RUNREPLACE);
  EXPECT_EQ(Cell(0, 2), "E:\\Soft\\a\\setup.exe");
  EXPECT_EQ(Cell(1, 2), "E:\\Soft\\b.exe");   // letter case does not matter
  EXPECT_EQ(Cell(2, 2), "");
  EXPECT_EQ(Counters(), "3/2/2");
  EXPECT_EQ(Status().rfind("Результов последнего поиска - 2", 0), 0u) << Status();
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_WP_SAVE)));
  EXPECT_TRUE(DrawnBold(0));
  EXPECT_TRUE(DrawnBold(1));
  EXPECT_FALSE(DrawnBold(2));

  Tick(1, false);
  EXPECT_FALSE(window->Model().Rows()[1].ticked);
  EXPECT_EQ(Counters(), "3/2/1");
  Click(IDC_WP_SAVE);
  EXPECT_EQ(StoredPath("alpha"), "E:\\Soft\\a\\setup.exe");
  EXPECT_EQ(StoredPath("beta"), "c:\\setup\\b.exe");
  EXPECT_EQ(StoredPath("gamma"), "D:\\Other\\g.exe");
  // The list is read again: the saved path in column 2, nothing pending.
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Cell(0, 1), "E:\\Soft\\a\\setup.exe");
  EXPECT_EQ(Cell(0, 2), "");
  EXPECT_FALSE(DrawnBold(0));
  EXPECT_EQ(Counters(), "3/0/0");
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_WP_SAVE)));
  EXPECT_FALSE(IsWindowVisible(Item(IDC_WP_PROGRESS)));
}

TEST_F(BatchEditorWindowTest, EnterInTheBoxesAndHeaderClicks) {
  Open();
  ASSERT_EQ(Count(), 3);
  Type(IDC_WP_FIND, "d:\\other");
  Type(IDC_WP_REPLACE, "F:");
  EXPECT_TRUE(PressEnter(IDC_WP_REPLACE));
  EXPECT_EQ(Cell(2, 2), "F:\\g.exe");
  EXPECT_EQ(Counters(), "3/1/1");

  ClickHeader(0);   // ascending first
  EXPECT_EQ(Cell(0, 0), "alpha");
  ClickHeader(0);
  EXPECT_EQ(Cell(0, 0), "gamma");
  EXPECT_EQ(Cell(0, 2), "F:\\g.exe");   // the new path moves with its row
  EXPECT_TRUE(DrawnBold(0));
  EXPECT_FALSE(DrawnBold(2));

  Type(IDC_WP_FOLDER, "C:\\Nowhere");
  EXPECT_TRUE(PressEnter(IDC_WP_FOLDER));
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(Counters(), "0/0/0");
  EXPECT_EQ(Status(), "Путь не найден, попробуйте ввести заново");
  EXPECT_EQ(Text(IDC_WP_FOLDER), "C:\\Nowhere");   // left for the user to correct
  EXPECT_EQ(Text(IDC_WP_FIND), "");
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_WP_RUNREPLACE)));

  Type(IDC_WP_FOLDER, kFolder);
  EXPECT_TRUE(PressEnter(IDC_WP_FOLDER));
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Status(), "Папка найдена, и загружена");
}

TEST_F(BatchEditorWindowTest, ClosingWithPendingChangesAsksFirst) {
  Open();
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(window->Closed());   // nothing pending: no question
  EXPECT_TRUE(dialogs.shown.empty());

  window.reset();
  Open();
  Type(IDC_WP_FIND, "setup");
  Type(IDC_WP_REPLACE, "x");
  Click(IDC_WP_RUNREPLACE);
  dialogs.answers = {kIdNo};
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(window->Closed());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Вы действительно хотите прервать работу мастера?");
  dialogs.answers = {kIdYes};
  SendMessageW(window->Handle(), WM_COMMAND, IDCANCEL, 0);   // Esc
  EXPECT_TRUE(window->Closed());
  EXPECT_EQ(StoredPath("alpha"), "C:\\Setup\\a\\setup.exe");
}

TEST_F(BatchEditorWindowTest, ADoubleClickEditsTheRowsPath) {
  Open();
  ASSERT_EQ(Count(), 3);
  fs.AddFolder("C:\\Program Files\\App");
  dialogs.openAnswers = {std::string("C:\\Program Files\\App\\setup.exe")};
  std::string afterBrowse;
  EditPathUser browse{[&afterBrowse](HWND dialog) {
    Press(dialog, IDC_EP_BROWSE);
    afterBrowse = win32::WindowTextUtf8(GetDlgItem(dialog, IDC_EP_PATH));
    Press(dialog, IDOK);
  }};
  DoubleClick(1, browse);
  ASSERT_TRUE(browse.came);
  EXPECT_EQ(browse.seen, "c:\\setup\\b.exe");
  EXPECT_EQ(browse.selection, "0 14");   // the whole path selected
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].request.title, "Открыть");
  EXPECT_EQ(afterBrowse, "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_EQ(Cell(1, 2), "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_TRUE(DrawnBold(1));
  EXPECT_EQ(Counters(), "3/1/1");
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_WP_SAVE)));

  // Again on the same row: it starts from the new path; Cancel keeps it.
  EditPathUser cancel{[](HWND dialog) {
    SetBox(dialog, "X:\\other.exe");
    Press(dialog, IDCANCEL);
  }};
  DoubleClick(1, cancel);
  EXPECT_EQ(cancel.seen, "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_EQ(Cell(1, 2), "%PROGRAMFILES%\\App\\setup.exe");

  // A blank path is not taken.
  EditPathUser blank{[](HWND dialog) {
    SetBox(dialog, "  ");
    Press(dialog, IDOK);
  }};
  DoubleClick(1, blank);
  EXPECT_TRUE(blank.came);
  EXPECT_EQ(Cell(1, 2), "%PROGRAMFILES%\\App\\setup.exe");

  EditPathUser typed{[](HWND dialog) {
    SetBox(dialog, "E:\\g.exe");
    Press(dialog, IDOK);
  }};
  DoubleClick(2, typed);
  EXPECT_EQ(Cell(2, 2), "E:\\g.exe");
  EXPECT_EQ(Counters(), "3/2/2");
  Click(IDC_WP_SAVE);
  EXPECT_EQ(StoredPath("beta"), "%PROGRAMFILES%\\App\\setup.exe");
  EXPECT_EQ(StoredPath("gamma"), "E:\\g.exe");
  EXPECT_EQ(StoredPath("alpha"), "C:\\Setup\\a\\setup.exe");
}

}  // namespace
}  // namespace velgaro::editor
