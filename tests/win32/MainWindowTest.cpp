// The main window driven by messages in-process: what its list, status bar and folder box show, the
// move buttons, the folder box's Enter, and the order written when it closes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>

#include "app/App.h"
#include "common/TestPackage.h"
#include "library/win32/FrmMain.h"
#include "library/win32/LibraryResources.h"
#include "platform/sim/SimPlatform.h"
#include "platform/win32/WideText.h"
#include "widgets/win32/CheckListCells.h"
#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFile.h"
#include "platform/win32/Win32SystemInfo.h"
#include "win32/TempFolder.h"

namespace velgaro::library {
namespace {

// A WM_QUIT left by a closed window must not end a later test's message loop.
void DropQuitMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    settings.Set("Install", "Registry", "1");   // no file association from a test
    settings.Set("Path", "FolderVGP", folder.Path());
  }
  ~MainWindowTest() override {
    window.reset();
    DropQuitMessages();
  }

  void AddPackage(const std::string& name, const std::string& installer, bool defSelect = false) {
    test::TestPackageSpec spec;
    spec.installer = installer;
    spec.description = "about " + name;
    spec.options.defSelect = defSelect;
    ASSERT_TRUE(test::WriteTestPackage(fs, codepage, folder.File(name + ".vgp"), spec));
  }

  FrmMain& Open() {
    window = std::make_unique<FrmMain>(app, shell, MainFrameEvents{});
    EXPECT_TRUE(window->Create());
    return *window;
  }

  std::string Cell(int item, int column) const { return widgets::CellText(window->ListView(), item, column); }
  bool Checked(int item) const {
    const auto state = SendMessageW(window->ListView(), LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
  }
  int Count() const { return static_cast<int>(SendMessageW(window->ListView(), LVM_GETITEMCOUNT, 0, 0)); }
  std::string Panel(int panel) const {
    wchar_t buffer[512] = {};
    SendMessageW(window->StatusBar(), SB_GETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(buffer));
    return win32::ToUtf8(buffer);
  }
  std::string FolderBox() const {
    wchar_t buffer[512] = {};
    GetWindowTextW(window->FolderBox(), buffer, 512);
    return win32::ToUtf8(buffer);
  }
  void Select(int item) {
    LVITEMW it{};
    it.stateMask = LVIS_SELECTED;
    SendMessageW(window->ListView(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&it));
    it.state = LVIS_SELECTED;
    SendMessageW(window->ListView(), LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
  }

  win32::test::TempFolder folder;
  win32::Win32SystemInfo sys;
  win32::Win32FileSystem fs;
  win32::Win32IniFile ini;
  SimSettingsStore settings;
  SimRegistry registry;
  win32::Win32Codepage codepage;
  SimDialogs dialogs;
  SimShell shell;
  App app{Platform{sys, fs, ini, settings, registry, codepage, dialogs}};
  std::unique_ptr<FrmMain> window;
};

TEST_F(MainWindowTest, ListStatusBarAndFolderBoxShowTheFolder) {
  const std::string setup = folder.File("setup.exe");
  ASSERT_TRUE(fs.WriteAllReplacing(setup, Bytes{'M', 'Z'}));
  AddPackage("beta", setup, true);
  AddPackage("alpha", "C:\\Nowhere\\setup.exe");
  Open();
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Cell(0, 0), "alpha");
  EXPECT_EQ(Cell(0, 1), "Не найден");
  EXPECT_EQ(Cell(0, 2), "Не найден исполняемый файл");
  EXPECT_EQ(Cell(0, 3), "C:\\Nowhere\\setup.exe");
  EXPECT_FALSE(Checked(0));
  EXPECT_EQ(Cell(1, 1), "Ok");
  EXPECT_EQ(Cell(1, 2), "about beta");
  EXPECT_TRUE(Checked(1));
  EXPECT_EQ(Panel(1), "1 из 2");
  EXPECT_EQ(Panel(2), "Нажмите F5 чтобы начать установку");
  EXPECT_EQ(FolderBox(), folder.Path());
  wchar_t caption[128] = {};
  GetWindowTextW(window->Handle(), caption, 128);
  EXPECT_EQ(win32::ToUtf8(caption), "Velgaro Replaysetup (Build 1.5.0)");
  const HMENU bar = GetMenu(window->Handle());
  EXPECT_EQ(GetMenuState(bar, IDM_RUN_SELECT, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(SendMessageW(window->Toolbar(), TB_ISBUTTONENABLED, IDM_RUN_SELECT, 0) != 0, true);
}

TEST_F(MainWindowTest, MoveButtonsMoveTheHighlightedRowAndClosingSavesTheOrder) {
  for (const char* n : {"a", "b", "c"}) AddPackage(n, "-");
  Open();
  Select(2);
  SendMessageW(GetDlgItem(window->Handle(), IDC_MAIN_MOVEUP), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(window->Handle(), IDC_MAIN_MOVEUP), BM_CLICK, 0, 0);
  EXPECT_EQ(Cell(0, 0), "c");
  EXPECT_EQ(SendMessageW(window->ListView(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  SendMessageW(GetDlgItem(window->Handle(), IDC_MAIN_MOVEDOWN), BM_CLICK, 0, 0);
  EXPECT_EQ(Cell(0, 0), "a");
  EXPECT_EQ(Cell(1, 0), "c");
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window->Handle()));
  const auto saved = fs.ReadAll(folder.File("Position.lst"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(std::string(saved->begin(), saved->end()), "\r\na\r\nc\r\nb\r\n");
}

TEST_F(MainWindowTest, EnterInTheFolderBoxOpensTheTypedFolder) {
  AddPackage("a", "-");
  Open();
  win32::test::TempFolder other;
  SetWindowTextW(window->FolderBox(), win32::ToWide(other.Path()).c_str());
  SendMessageW(window->FolderBox(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(window->Model().Library().Folder(), other.Path());
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(Panel(2), "Папка найдена, и загружена");
  EXPECT_EQ(settings.Get("Path", "FolderVGP", ""), other.Path());
}

TEST_F(MainWindowTest, CommandsOfTheMenusReachTheModel) {
  for (const char* n : {"a", "b"}) AddPackage(n, "-");
  Open();
  window->Command(IDM_SELECT_ALL);
  EXPECT_TRUE(Checked(0));
  EXPECT_TRUE(Checked(1));
  EXPECT_EQ(Panel(1), "2 из 2");
  window->Command(IDM_INVERT_SEL);
  EXPECT_EQ(Panel(1), "0 из 2");
  window->Command(IDM_SPEED_FIRST + 1);
  EXPECT_EQ(settings.Get("Install", "Speed", ""), "1");
  EXPECT_NE(GetMenuState(GetMenu(window->Handle()), IDM_SPEED_FIRST + 1, MF_BYCOMMAND) & MF_CHECKED, 0u);
  // The top-most band itself is the window manager's under Wine; the menu and the setting are ours.
  window->Command(IDM_TOPMOST);
  EXPECT_NE(GetMenuState(GetMenu(window->Handle()), IDM_TOPMOST, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(settings.Get("View", "TopMost", ""), "1");
}

// The context menu as the right click leaves it, read while it is up and then closed.
struct ShownMenu {
  bool seen = false;
  std::map<UINT, bool> enabled;   // by command
};

LRESULT CALLBACK ReadMenuWhenIdle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_ENTERIDLE && wParam == MSGF_MENU) {
    auto* shown = reinterpret_cast<ShownMenu*>(data);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(reinterpret_cast<HWND>(lParam), MN_GETHMENU, 0, 0));
    if (!shown->seen && menu != nullptr) {
      shown->seen = true;
      for (UINT id : {IDM_SEL_ITEM2, IDM_UNSELECT_ONE2, IDM_UNSELECT_ALL2, IDM_DEL_SELECT2, IDM_PROPERTY2}) {
        const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
        shown->enabled[id] = state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
      }
    }
    EndMenu();
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

TEST_F(MainWindowTest, RightClickOnARowShowsTheCommandsThatFitIt) {
  const std::string setup = folder.File("setup.exe");
  ASSERT_TRUE(fs.WriteAllReplacing(setup, Bytes{'M', 'Z'}));
  AddPackage("alpha", setup, true);   // starts checked
  AddPackage("beta", setup, false);
  Open();
  const auto rightClick = [this](int item) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageW(window->ListView(), LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    POINT p{r.left + 40, (r.top + r.bottom) / 2};
    ClientToScreen(window->ListView(), &p);
    SetCursorPos(p.x, p.y);
    ShownMenu shown;
    SetWindowSubclass(window->Handle(), &ReadMenuWhenIdle, 1, reinterpret_cast<DWORD_PTR>(&shown));
    NMHDR header{window->ListView(), IDC_MAIN_LIST, static_cast<UINT>(NM_RCLICK)};
    SendMessageW(window->Handle(), WM_NOTIFY, IDC_MAIN_LIST, reinterpret_cast<LPARAM>(&header));
    RemoveWindowSubclass(window->Handle(), &ReadMenuWhenIdle, 1);
    return shown;
  };
  ShownMenu checked = rightClick(0);
  ASSERT_TRUE(checked.seen);
  EXPECT_FALSE(checked.enabled[IDM_SEL_ITEM2]);     // "Выбрать"
  EXPECT_TRUE(checked.enabled[IDM_UNSELECT_ONE2]);  // "Снять выделение"
  EXPECT_TRUE(checked.enabled[IDM_PROPERTY2]);
  EXPECT_TRUE(checked.enabled[IDM_DEL_SELECT2]);

  ShownMenu unchecked = rightClick(1);
  ASSERT_TRUE(unchecked.seen);
  EXPECT_TRUE(unchecked.enabled[IDM_SEL_ITEM2]);
  EXPECT_FALSE(unchecked.enabled[IDM_UNSELECT_ONE2]);
}

}  // namespace
}  // namespace velgaro::library
