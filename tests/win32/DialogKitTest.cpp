// The life the dialog kit gives every window: a modal dialog's messages reach its handlers, its owner
// is disabled while it runs and enabled again, the window goes when it closes or with its object; a
// missing template is a failure, not a crash; a top-level window's class is registered once and its
// window goes with its object; the modal tip returns its box as the user left it.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "ProgramTemplates.h"
#include "editor/win32/EditorResources.h"
#include "widgets/win32/ModalDialog.h"
#include "widgets/win32/TipWindow.h"
#include "widgets/win32/TopWindow.h"

namespace velgaro::widgets {
namespace {

class ProbeDialog : public ModalDialog {
 public:
  explicit ProbeDialog(int templateId = IDD_EDITPATH)
      : ModalDialog(win32::test::ProgramTemplates(IDD_EDITPATH), templateId) {}

  int inits = 0;
  std::vector<UINT> commands;   // the buttons clicked
  HWND owner = nullptr;
  bool ownerEnabledWhileOpen = true;
  bool ended = false;

  void CloseFromTimer() { SetTimer(Handle(), 1, 10, nullptr); }

 private:
  bool OnInit() override {
    ++inits;
    return true;
  }
  void OnCommand(UINT id, UINT code) override {
    if (code == BN_CLICKED) commands.push_back(id);
    if (id == IDCANCEL) Close();
  }
  INT_PTR OnMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg != WM_TIMER) return FALSE;
    KillTimer(Handle(), 1);
    ownerEnabledWhileOpen = IsWindowEnabled(owner) != FALSE;
    PostMessageW(Handle(), WM_CLOSE, 0, 0);   // the close box: the dialog manager makes it Cancel
    return TRUE;
  }
  void OnModalEnd() override { ended = IsWindow(Handle()) != FALSE; }
};

ProbeDialog* shownDialog = nullptr;

void CALLBACK StartClosing(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (shownDialog != nullptr) shownDialog->CloseFromTimer();
}

HWND MakeOwner() {
  return CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST(ModalDialogTest, ModelessDialogGetsItsMessagesAndGoesWithItsObject) {
  ASSERT_NE(win32::test::ProgramTemplates(IDD_EDITPATH), nullptr);
  HWND window = nullptr;
  {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    window = dialog.Handle();
    EXPECT_EQ(dialog.inits, 1);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(dialog.Closed());
    SendMessageW(window, WM_CLOSE, 0, 0);   // the dialog manager posts Cancel
    win32::test::PumpWaiting();
    EXPECT_EQ(dialog.commands, (std::vector<UINT>{IDOK, IDCANCEL}));
    EXPECT_TRUE(dialog.Closed());
    EXPECT_TRUE(IsWindow(window));   // a modeless dialog stays for its reader
  }
  EXPECT_FALSE(IsWindow(window));
}

TEST(ModalDialogTest, ShowModalDisablesTheOwnerUntilClosedThenDestroysTheWindow) {
  HWND owner = MakeOwner();
  ProbeDialog dialog;
  dialog.owner = owner;
  // A thread timer that fires inside the modal loop, once the dialog is there, starts its own.
  shownDialog = &dialog;
  SetTimer(nullptr, 0, 20, &StartClosing);
  EXPECT_TRUE(dialog.ShowModal(owner));
  shownDialog = nullptr;
  EXPECT_FALSE(dialog.ownerEnabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(dialog.ended);
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_TRUE(dialog.Closed());
  DestroyWindow(owner);
}

TEST(ModalDialogTest, AMissingTemplateIsAFailure) {
  HWND owner = MakeOwner();
  ProbeDialog dialog(9999);
  EXPECT_FALSE(dialog.Create(owner));
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_FALSE(dialog.ShowModal(owner));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(dialog.inits, 0);
  DestroyWindow(owner);
}

class ProbeWindow : public TopWindow {
 public:
  bool Create() { return CreateTopWindow(L"VelgaroKitProbe", {}, "probe", {0, WS_POPUP, 0, 0, 50, 20}); }
  int closes = 0;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_CLOSE) {
      ++closes;
      return 0;
    }
    return DefaultHandling(msg, wParam, lParam);
  }
};

TEST(TopWindowTest, TwoWindowsOfOneClassGetTheirOwnMessagesAndGoWithTheirObjects) {
  HWND first = nullptr;
  {
    ProbeWindow a, b;
    ASSERT_TRUE(a.Create());
    ASSERT_TRUE(b.Create());   // the class is there already
    first = a.Handle();
    EXPECT_NE(a.Handle(), b.Handle());
    SendMessageW(b.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(a.closes, 0);
    EXPECT_EQ(b.closes, 1);
    EXPECT_TRUE(IsWindow(first));
  }
  EXPECT_FALSE(IsWindow(first));
}

// The user of the modal tip: a thread timer inside its loop ticks the box when asked, then closes the tip.
bool tickTheBox = false;
bool ownerWasDisabled = false;
HWND tipOwner = nullptr;

void CALLBACK AnswerTip(HWND, UINT, UINT_PTR id, DWORD) {
  HWND tip = FindWindowW(L"VelgaroTipWindow", nullptr);
  if (tip == nullptr) return;   // not up yet
  KillTimer(nullptr, id);
  ownerWasDisabled = !IsWindowEnabled(tipOwner);
  if (tickTheBox) SendMessageW(GetDlgItem(tip, 101), BM_CLICK, 0, 0);
  SendMessageW(tip, WM_COMMAND, tickTheBox ? IDOK : IDCANCEL, 0);
}

TEST(TipWindowTest, TheBoxComesBackAsTheUserLeftIt) {
  tipOwner = MakeOwner();
  TipContent content{"Пауза", "Первая строка\r\nВторая строка"};
  for (const bool tick : {true, false}) {
    tickTheBox = tick;
    ownerWasDisabled = false;
    SetTimer(nullptr, 0, 20, &AnswerTip);
    EXPECT_EQ(ShowTip(tipOwner, content), tick);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(tipOwner));
    EXPECT_EQ(FindWindowW(L"VelgaroTipWindow", nullptr), nullptr);
  }
  content.dontShowAgainChecked = true;   // Esc leaves a ticked box ticked
  tickTheBox = false;
  SetTimer(nullptr, 0, 20, &AnswerTip);
  EXPECT_TRUE(ShowTip(tipOwner, content));
  DestroyWindow(tipOwner);
}

}  // namespace
}  // namespace velgaro::widgets
