// The new-package dialog and the recording tip driven by messages in-process: captions, tabs and
// Ctrl+Tab, the controls following the field rules, a refused entry asking for its message, an accepted
// one returning the request (modeless and through the modal loop), a drop on the path box.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "DraggedData.h"
#include "ProgramTemplates.h"
#include "library/win32/FrmFuture.h"
#include "library/win32/FrmNew.h"
#include "library/win32/NewPackageResources.h"
#include "platform/sim/SimPlatform.h"
#include "platform/win32/WideText.h"

namespace velgaro::library {
namespace {

HINSTANCE Templates() { return win32::test::ProgramTemplates(IDD_NEW); }

std::string Text(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return win32::ToUtf8(buffer);
}

void SetBoxText(HWND box, const std::string& text) {
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win32::ToWide(text).c_str()));
}

bool Shown(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }
bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Pump() { win32::test::PumpWaiting(); }

// The colour the dialog gives a control's text.
COLORREF CaptionColour(HWND dialog, HWND control) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const COLORREF colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}


class NewPackageDialogTest : public ::testing::Test {
 protected:
  NewPackageDialogTest() {
    fs.AddFile("C:\\Setup\\setup.exe", "MZ");
    fs.AddFile("C:\\Setup\\tool.msi", "msi");
    fs.AddFolder("C:\\Packages");
    settings.Set("View", "FirstTip", "1");   // no tip in between
  }

  FrmNew& Open(std::vector<std::string> rows = {}) {
    window = std::make_unique<FrmNew>(NewPackageDeps{language, fs, settings, dialogs, paths},
                                      NewPackageSetup{std::move(rows), "C:\\Packages", "", "", NewPackageMode::New},
                                      Templates());
    EXPECT_TRUE(window->Create(nullptr));
    ShowWindow(window->Handle(), SW_SHOW);
    SetForegroundWindow(window->Handle());
    return *window;
  }
  HWND Item(int id) const { return GetDlgItem(window->Handle(), id); }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }

  SimFileSystem fs;
  SimSettingsStore settings;
  SimDialogs dialogs;
  Language language;
  PathVariables paths;
  std::unique_ptr<FrmNew> window;
};

TEST_F(NewPackageDialogTest, OpensOnTheFirstTabWithTheBuiltInTexts) {
  ASSERT_NE(Templates(), nullptr);
  Open();
  HWND dialog = window->Handle();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text(dialog), "Новый пакет");
  EXPECT_EQ(Text(Item(IDC_NEW_FILENAME)), "Исполняемый файл");
  EXPECT_EQ(Text(Item(IDC_NEW_AUTOREPLACE)), "Автозамена");
  EXPECT_EQ(Text(Item(IDCANCEL)), "Отмена");
  EXPECT_EQ(Text(Item(IDC_NEW_LEFT)), "200");
  EXPECT_EQ(Text(Item(IDC_NEW_CREATEDATE)), "Дата создания: ");
  EXPECT_TRUE(Checked(Item(IDC_NEW_FILENAME)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_NEW_CREATEREBOOT)));
  EXPECT_EQ(SendMessageW(Item(IDC_NEW_TABS), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Item(IDC_NEW_SPEED), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(Item(IDC_NEW_SPEED), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(GetFocus(), Item(IDC_NEW_BROWSE));
  // Both captions are red while their boxes are empty.
  EXPECT_EQ(CaptionColour(dialog, Item(IDC_NEW_FILENAME)), RGB(192, 0, 0));
  EXPECT_EQ(CaptionColour(dialog, Item(IDC_NEW_NAMELABEL)), RGB(192, 0, 0));

  EXPECT_TRUE(Shown(Item(IDC_NEW_PATH)));
  EXPECT_FALSE(Shown(Item(IDC_NEW_NEEDREBOOT)));
  BYTE keys[256] = {};
  ASSERT_TRUE(GetKeyboardState(keys));
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG ctrlTab{Item(IDC_NEW_BROWSE), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  const bool used = window->PreTranslate(ctrlTab);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(used);
  EXPECT_EQ(SendMessageW(Item(IDC_NEW_TABS), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_FALSE(Shown(Item(IDC_NEW_PATH)));
  EXPECT_TRUE(Shown(Item(IDC_NEW_NEEDREBOOT)));
}

TEST_F(NewPackageDialogTest, ControlsFollowWhatIsTypedAndClicked) {
  Open();
  HWND dialog = window->Handle();
  SetBoxText(Item(IDC_NEW_NAME), "x");
  EXPECT_EQ(CaptionColour(dialog, Item(IDC_NEW_NAMELABEL)), GetSysColor(COLOR_BTNTEXT));
  SendMessageW(Item(IDC_NEW_DESCRIPTION), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Пакет"));
  EXPECT_EQ(Text(Item(IDC_NEW_LEFT)), "195");

  Click(IDC_NEW_FILENAME);
  EXPECT_EQ(Text(Item(IDC_NEW_PATH)), "-");
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_NEW_PATH)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_NEW_BROWSE)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_NEW_NEEDWAIT)));
  EXPECT_FALSE(Checked(Item(IDC_NEW_NEEDWAIT)));
  EXPECT_EQ(CaptionColour(dialog, Item(IDC_NEW_FILENAME)), GetSysColor(COLOR_BTNTEXT));

  Click(IDC_NEW_NEEDREBOOT);
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_NEW_CREATEREBOOT)));
}

TEST_F(NewPackageDialogTest, ARefusedEntryAsksForTheMissingPathAndStaysOpen) {
  Open();
  SetBoxText(Item(IDC_NEW_NAME), "Setup");
  Click(IDOK);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Необходимо ввести адрес исполняемого файла");
  EXPECT_EQ(dialogs.shown[0].title, "Velgaro Replaysetup");
  EXPECT_EQ(dialogs.shown[0].owner, reinterpret_cast<WindowHandle>(window->Handle()));
  EXPECT_FALSE(window->Closed());
  EXPECT_EQ(GetFocus(), Item(IDC_NEW_PATH));

  // An existing name: No keeps the dialog and selects the name.
  dialogs.shown.clear();
  window.reset();
  Open({"Setup"});
  SetBoxText(Item(IDC_NEW_PATH), "C:\\Setup\\setup.exe");
  SetBoxText(Item(IDC_NEW_NAME), "Setup");
  Click(IDOK);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].style, kMbQuestionStyle);
  EXPECT_FALSE(window->Closed());
  EXPECT_EQ(GetFocus(), Item(IDC_NEW_NAME));
  DWORD start = 0, end = 0;
  SendMessageW(Item(IDC_NEW_NAME), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
}

TEST_F(NewPackageDialogTest, AnAcceptedEntryClosesWithTheRequest) {
  Open();
  SetBoxText(Item(IDC_NEW_PATH), "C:\\Setup\\setup.exe");
  SetBoxText(Item(IDC_NEW_NAME), "Setup");
  SetBoxText(Item(IDC_NEW_DESCRIPTION), "Тест");   // multi-line: no change notice, read at OK
  SetBoxText(Item(IDC_NEW_COMMANDLINE), "  /S  ");
  SendMessageW(Item(IDC_NEW_SPEED), CB_SETCURSEL, 1, 0);
  SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(IDC_NEW_SPEED, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Item(IDC_NEW_SPEED)));
  Click(IDOK);
  EXPECT_TRUE(dialogs.shown.empty());
  ASSERT_TRUE(window->Closed());
  ASSERT_TRUE(window->Result());
  const NewPackageRequest& r = *window->Result();
  EXPECT_EQ(r.installerPath, "C:\\Setup\\setup.exe");
  EXPECT_EQ(r.packageName, "Setup");
  EXPECT_EQ(r.description, "Тест");
  EXPECT_EQ(r.commandLine, "/S");
  EXPECT_EQ(r.options.localSpeed, 1);
  EXPECT_EQ(r.packageFolder, "C:\\Packages");
  EXPECT_EQ(settings.Get("Path", "FolderBrowseExe", ""), "C:\\Setup");
}

TEST_F(NewPackageDialogTest, ADropOnThePathBoxIsTakenOnceTheDragHasEnded) {
  Open();
  win32::DraggedData files({L"C:\\Setup\\tool.msi"});
  DWORD effect = DROPEFFECT_COPY;
  EXPECT_EQ(window->PathDropTarget().Drop(&files, 0, POINTL{0, 0}, &effect), S_OK);
  EXPECT_EQ(Text(Item(IDC_NEW_PATH)), "");
  Pump();
  EXPECT_EQ(Text(Item(IDC_NEW_PATH)), "C:\\Setup\\tool.msi");
  EXPECT_EQ(Text(Item(IDC_NEW_NAME)), "tool");
}

// The modal loop, driven from a timer once the dialog is up.
HWND FindThreadDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM out) -> BOOL {
        if (GetDlgItem(hwnd, IDC_NEW_PATH) == nullptr || !IsWindowVisible(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK FillAndAccept(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindThreadDialog();
  if (dialog == nullptr) return;
  KillTimer(nullptr, id);
  SetBoxText(GetDlgItem(dialog, IDC_NEW_PATH), "C:\\Setup\\setup.exe");
  SetBoxText(GetDlgItem(dialog, IDC_NEW_NAME), "Modal");
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

void CALLBACK Cancel(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindThreadDialog();
  if (dialog == nullptr) return;
  KillTimer(nullptr, id);
  PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(NewPackageDialogTest, ShowModalReturnsTheRequestOrNothingAndGivesTheOwnerBack) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  auto dialogFor = [&] {
    return std::make_unique<FrmNew>(NewPackageDeps{language, fs, settings, dialogs, paths},
                                    NewPackageSetup{{}, "C:\\Packages", "", "", NewPackageMode::New}, Templates());
  };
  SetTimer(nullptr, 0, 50, &FillAndAccept);
  const std::optional<NewPackageRequest> accepted = dialogFor()->ShowModal(owner);
  ASSERT_TRUE(accepted);
  EXPECT_EQ(accepted->packageName, "Modal");
  EXPECT_TRUE(IsWindowEnabled(owner));

  SetTimer(nullptr, 0, 50, &Cancel);
  EXPECT_FALSE(dialogFor()->ShowModal(owner));
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST_F(NewPackageDialogTest, TheTipStoresItsBoxWhenClosed) {
  FrmFuture tip(language, settings, Templates());
  ASSERT_TRUE(tip.Create(nullptr));
  EXPECT_EQ(Text(tip.Handle()), "Запись пакета");
  EXPECT_EQ(Text(GetDlgItem(tip.Handle(), IDC_FUTURE_NOMORE)), "не &показывать больше");
  SendMessageW(GetDlgItem(tip.Handle(), IDC_FUTURE_NOMORE), BM_CLICK, 0, 0);
  SendMessageW(tip.Handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(tip.Handle(), nullptr);
  EXPECT_EQ(settings.Get("View", "FirstTip", ""), "1");

  ASSERT_TRUE(tip.Create(nullptr));
  SendMessageW(tip.Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(settings.Get("View", "FirstTip", ""), "0");
}

}  // namespace
}  // namespace velgaro::library
