#include "editor/win32/FrmWizardPack.h"

#include <commctrl.h>

#include "editor/EditorTexts.h"
#include "editor/win32/EditorResources.h"
#include "editor/win32/FrmEditPath.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::editor {
namespace {

// The load waits until the window is on screen, so that the progress bar is seen.
constexpr UINT kLoadMessage = WM_APP + 40;

const widgets::CaptionKey kCaptions[] = {
    {IDC_WP_FOLDERFRAME, "main", 1},          {IDC_WP_AUTOREPLACE, "Stels", 1},
    {IDC_WP_FINDFRAME, kEditorSection, 1},    {IDC_WP_FINDLABEL, kEditorSection, 2},
    {IDC_WP_REPLACELABEL, kEditorSection, 3}, {IDC_WP_RUNREPLACE, kEditorSection, 4},
    {IDC_WP_SAVEFRAME, kEditorSection, 5},    {IDC_WP_HINT, kEditorSection, 6},
    {IDC_WP_SAVE, kEditorSection, 7},         {IDC_WP_STATSFRAME, kEditorSection, 8},
    {IDC_WP_TOTALLABEL, kEditorSection, 9},   {IDC_WP_CHANGEDLABEL, kEditorSection, 10}};

}  // namespace

FrmWizardPack::FrmWizardPack(EditorDeps deps, HINSTANCE resources)
    : ModalDialog(resources, IDD_WIZARDPACK),
      language_(deps.language),
      model_(std::move(deps),
             EditorHooks{[this](bool visible) { progress_.Show(visible); },
                         [this](int pos, int max) { progress_.Move(pos, max); },
                         [this] { Focus(IDC_WP_FIND, false); }, [this] { Focus(IDC_WP_REPLACE, false); },
                         [this] { Focus(IDC_WP_FOLDER, true); }}) {}

bool FrmWizardPack::PreTranslate(MSG& message) {
  if (Handle() == nullptr) return false;
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
  return ModalDialog::PreTranslate(message);
}

INT_PTR FrmWizardPack::OnMessage(UINT msg, WPARAM, LPARAM) {
  if (msg != kLoadMessage) return FALSE;
  model_.LoadFromSetting();
  Refresh();
  return TRUE;
}

bool FrmWizardPack::OnInit() {
  model_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  model_.Load();
  list_.Attach(Item(IDC_WP_LIST), language_);
  progress_.Attach(Item(IDC_WP_PROGRESS));
  ApplyCaptions();
  const int parts[] = {-1};
  widgets::SetStatusParts(Item(IDC_WP_STATUS), parts, 1);
  Refresh();
  PostMessageW(Handle(), kLoadMessage, 0, 0);
  return true;
}

void FrmWizardPack::ApplyCaptions() {
  widgets::ApplyTemplateCaption(Handle(), language_, kEditorSection, kEditorTitle);
  widgets::ApplyTemplateCaptions(Handle(), language_, kCaptions);
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
      model_.SetAutoReplace(widgets::IsChecked(Item(id)));
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
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, list_.CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
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
  if (!form || !FrmEditPath(*form, language_, Resources()).ShowModal(Handle())) return;
  if (const std::optional<std::string> path = form->Ok()) model_.SetNewPath(row, *path);
  Refresh();
}

bool FrmWizardPack::OnClose() {
  // The modal loop ends and destroys the window; a modeless one stays for its test to read.
  if (model_.QueryClose()) Close();
  return true;
}

void FrmWizardPack::Refresh() {
  if (Handle() == nullptr) return;
  refreshing_ = true;
  if (model_.FolderText() != shownFolderText_) {
    shownFolderText_ = model_.FolderText();
    win32::SetWindowTextIfChanged(Item(IDC_WP_FOLDER), shownFolderText_);
  }
  win32::SetWindowTextIfChanged(Item(IDC_WP_FIND), model_.FindText());
  win32::SetWindowTextIfChanged(Item(IDC_WP_REPLACE), model_.ReplaceText());
  widgets::SetChecked(Item(IDC_WP_AUTOREPLACE), model_.AutoReplace());
  list_.Show(model_.Rows());
  widgets::ShowTexts(Handle(), {{IDC_WP_TOTAL, std::to_string(model_.Total())},
                                {IDC_WP_CHANGED, std::to_string(model_.Changed())},
                                {IDC_WP_TOSAVE, std::to_string(model_.ToSave())}});
  EnableWindow(Item(IDC_WP_RUNREPLACE), model_.ReplaceEnabled());
  EnableWindow(Item(IDC_WP_SAVE), model_.SaveEnabled());
  widgets::SetStatusText(Item(IDC_WP_STATUS), 0, model_.Status());
  refreshing_ = false;
}

void FrmWizardPack::Focus(int id, bool selectAll) {
  if (Handle() == nullptr) return;
  HWND control = Item(id);
  widgets::FocusDialogControl(Handle(), control);
  if (selectAll) widgets::SelectAllText(control);
}

}  // namespace velgaro::editor
