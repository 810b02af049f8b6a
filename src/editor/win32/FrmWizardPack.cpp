#include "editor/win32/FrmWizardPack.h"

#include <commctrl.h>

#include "editor/EditorTexts.h"
#include "editor/win32/EditorResources.h"
#include "editor/win32/FrmEditPath.h"
#include "widgets/win32/DialogProc.h"
#include "widgets/win32/TemplateCaption.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"

namespace velgaro::editor {
namespace {

// The load waits until the window is on screen, so that the progress bar is seen.
constexpr UINT kLoadMessage = WM_APP + 40;

struct Caption {
  int id;
  const char* section;
  int key;
};
const Caption kCaptions[] = {
    {IDC_WP_FOLDERFRAME, "main", 1},          {IDC_WP_AUTOREPLACE, "Stels", 1},
    {IDC_WP_FINDFRAME, kEditorSection, 1},    {IDC_WP_FINDLABEL, kEditorSection, 2},
    {IDC_WP_REPLACELABEL, kEditorSection, 3}, {IDC_WP_RUNREPLACE, kEditorSection, 4},
    {IDC_WP_SAVEFRAME, kEditorSection, 5},    {IDC_WP_HINT, kEditorSection, 6},
    {IDC_WP_SAVE, kEditorSection, 7},         {IDC_WP_STATSFRAME, kEditorSection, 8},
    {IDC_WP_TOTALLABEL, kEditorSection, 9},   {IDC_WP_CHANGEDLABEL, kEditorSection, 10}};

}  // namespace

FrmWizardPack::FrmWizardPack(App& app, HINSTANCE resources)
    : language_(app.language),
      resources_(resources ? resources : GetModuleHandleW(nullptr)),
      model_(EditorDepsOf(app),
             EditorHooks{[this](bool visible) { progress_.Show(visible); },
                         [this](int pos, int max) { progress_.Move(pos, max); },
                         [this] { Focus(IDC_WP_FIND, false); }, [this] { Focus(IDC_WP_REPLACE, false); },
                         [this] { Focus(IDC_WP_FOLDER, true); }}) {}

FrmWizardPack::~FrmWizardPack() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

bool FrmWizardPack::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  closed_ = false;
  return CreateDialogParamW(resources_, MAKEINTRESOURCEW(IDD_WIZARDPACK), owner, &FrmWizardPack::DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

void FrmWizardPack::ShowModal(HWND owner) {
  if (!Create(owner)) return;
  win32::RunModalWindow(hwnd_, owner, closed_, [this](MSG& message) { return PreTranslate(message); });
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

bool FrmWizardPack::PreTranslate(MSG& message) {
  if (hwnd_ == nullptr) return false;
  // Enter in a box is that box's action, whichever button is the default at the moment.
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
    if (message.hwnd == Item(IDC_WP_FOLDER)) {
      model_.FolderTyped(win32::WindowTextUtf8(message.hwnd));
      Refresh();
      return true;
    }
    if (message.hwnd == Item(IDC_WP_FIND) || message.hwnd == Item(IDC_WP_REPLACE)) {
      if (IsWindowEnabled(Item(IDC_WP_RUNREPLACE))) OnCommand(IDC_WP_RUNREPLACE, BN_CLICKED);
      return true;
    }
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

INT_PTR CALLBACK FrmWizardPack::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return widgets::ForwardToDialogObject(hwnd, msg, wParam, lParam, &FrmWizardPack::HandleMessage);
}

INT_PTR FrmWizardPack::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      hwnd_ = hwnd;
      OnInit();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CLOSE:
      OnClose();
      return TRUE;
    case kLoadMessage:
      model_.LoadFromSetting();
      Refresh();
      return TRUE;
    default:
      return FALSE;
  }
}

void FrmWizardPack::OnInit() {
  model_.SetOwner(reinterpret_cast<WindowHandle>(hwnd_));
  model_.Load();
  list_.Attach(Item(IDC_WP_LIST), language_);
  progress_.Attach(Item(IDC_WP_PROGRESS));
  ApplyCaptions();
  const int parts[] = {-1};
  SendDlgItemMessageW(hwnd_, IDC_WP_STATUS, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
  Refresh();
  PostMessageW(hwnd_, kLoadMessage, 0, 0);
}

void FrmWizardPack::ApplyCaptions() {
  widgets::ApplyTemplateCaption(hwnd_, language_, kEditorSection, kEditorTitle);
  for (const Caption& c : kCaptions) widgets::ApplyTemplateCaption(Item(c.id), language_, c.section, c.key);
  // The label before the last counter always ends in a colon, whatever the language file says.
  const std::string toSave = language_.LangTextAffix(EditorDefault(kEditorToSaveLabel), kEditorSection,
                                                     kEditorToSaveLabel, false, ":");
  win32::SetWindowTextIfChanged(Item(IDC_WP_TOSAVELABEL), toSave);
}

void FrmWizardPack::OnCommand(UINT id, UINT code) {
  if (refreshing_) return;
  switch (id) {
    case IDCANCEL: OnClose(); return;
    case IDC_WP_FIND:
    case IDC_WP_REPLACE:
      if (code != EN_CHANGE) return;
      model_.SetFindText(win32::WindowTextUtf8(Item(IDC_WP_FIND)));
      model_.SetReplaceText(win32::WindowTextUtf8(Item(IDC_WP_REPLACE)));
      break;
    case IDC_WP_AUTOREPLACE:
      if (code != BN_CLICKED) return;
      model_.SetAutoReplace(SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
      break;
    case IDC_WP_BROWSE:
      if (code != BN_CLICKED) return;
      model_.ChoosePackageFolder();
      break;
    case IDC_WP_RUNREPLACE:
      if (code != BN_CLICKED) return;
      // The boxes are read again: a text set without EN_CHANGE must not be missed.
      model_.SetFindText(win32::WindowTextUtf8(Item(IDC_WP_FIND)));
      model_.SetReplaceText(win32::WindowTextUtf8(Item(IDC_WP_REPLACE)));
      model_.RunReplace();
      break;
    case IDC_WP_SAVE:
      if (code != BN_CLICKED) return;
      model_.Save();   // failures were reported by the save itself; their rows stay pending
      break;
    default:
      return;
  }
  Refresh();
}

INT_PTR FrmWizardPack::OnNotify(NMHDR& header) {
  if (header.idFrom != IDC_WP_LIST) return FALSE;
  // The list asks for its cells whenever it paints, also while the window sets its controls.
  if (list_.AnswerDisplayInfo(header)) return TRUE;
  if (refreshing_) return FALSE;
  std::size_t row = 0;
  if (list_.TickRequest(header, row)) {
    model_.SetTicked(row, !model_.Rows()[row].ticked);
    Refresh();
    return FALSE;
  }
  switch (header.code) {
    case NM_CUSTOMDRAW:
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, list_.CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
      return TRUE;
    case LVN_COLUMNCLICK:
      model_.SortListView(reinterpret_cast<NMLISTVIEW&>(header).iSubItem + 1);
      Refresh();
      return FALSE;
    case NM_DBLCLK:
      EditPath(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
      return FALSE;
    default:
      return FALSE;
  }
}

void FrmWizardPack::EditPath(int item) {
  if (item < 0) return;   // a double click beside the rows
  const auto row = static_cast<std::size_t>(item);
  std::optional<EditPathForm> form = model_.EditPath(row);
  if (!form || !FrmEditPath(*form, language_, resources_).ShowModal(hwnd_)) return;
  if (const std::optional<std::string> path = form->Ok()) model_.SetNewPath(row, *path);
  Refresh();
}

void FrmWizardPack::OnClose() {
  // The modal loop ends and destroys the window; a modeless one stays for its test to read.
  if (model_.QueryClose()) closed_ = true;
}

void FrmWizardPack::Refresh() {
  if (hwnd_ == nullptr) return;
  refreshing_ = true;
  if (model_.FolderText() != shownFolderText_) {
    shownFolderText_ = model_.FolderText();
    win32::SetWindowTextIfChanged(Item(IDC_WP_FOLDER), shownFolderText_);
  }
  win32::SetWindowTextIfChanged(Item(IDC_WP_FIND), model_.FindText());
  win32::SetWindowTextIfChanged(Item(IDC_WP_REPLACE), model_.ReplaceText());
  SendMessageW(Item(IDC_WP_AUTOREPLACE), BM_SETCHECK, model_.AutoReplace() ? BST_CHECKED : BST_UNCHECKED, 0);
  list_.Show(model_.Rows());
  win32::SetWindowTextIfChanged(Item(IDC_WP_TOTAL), std::to_string(model_.Total()));
  win32::SetWindowTextIfChanged(Item(IDC_WP_CHANGED), std::to_string(model_.Changed()));
  win32::SetWindowTextIfChanged(Item(IDC_WP_TOSAVE), std::to_string(model_.ToSave()));
  EnableWindow(Item(IDC_WP_RUNREPLACE), model_.ReplaceEnabled());
  EnableWindow(Item(IDC_WP_SAVE), model_.SaveEnabled());
  const std::wstring status = win32::ToWide(model_.Status());
  SendDlgItemMessageW(hwnd_, IDC_WP_STATUS, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(status.c_str()));
  refreshing_ = false;
}

void FrmWizardPack::Focus(int id, bool selectAll) {
  if (hwnd_ == nullptr) return;
  HWND control = Item(id);
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  if (selectAll) SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace velgaro::editor
