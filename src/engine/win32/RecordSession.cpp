// The control window in record mode: the recorder, its mouse hook, the pause panel and its tips.
#include <windows.h>

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "engine/Recorder.h"
#include "engine/RunExitCode.h"
#include "engine/win32/ControlSession.h"
#include "engine/win32/MouseHook.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Shell.h"
#include "widgets/win32/TipWindow.h"

namespace velgaro {
namespace {

constexpr const char* kAddRemoveCommand = "rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl";

class RecordSession final : public ControlSession {
 public:
  RecordSession(App& app, NewPackageRequest request) : app_(app), request_(std::move(request)) {}

  bool Open() override;
  int ExitCode() const override { return kExitInstalled; }
  bool Unattended() const override { return app_.UnattendedInstall; }

 private:
  stels::PausePanelTexts PanelTexts() const;
  stels::PausePanelEvents PanelEvents();
  RecorderHooks Hooks();
  std::optional<std::string> InsertText(stels::InsertItem item);
  void ShowPauseTip();
  std::string Text(const char* russian, const char* section, int key) const {
    return app_.language.LangText(russian, section, key);
  }

  App& app_;
  NewPackageRequest request_;   // the package to record
  ControlAdapters adapters_;
  win32::Win32Shell shell_;
  std::unique_ptr<stels::FrmStels> window_;
  std::unique_ptr<stels::MouseHook> hook_;
  std::unique_ptr<Recorder> recorder_;   // declared last: it goes first, and removes the hook
};

stels::PausePanelTexts RecordSession::PanelTexts() const {
  stels::PausePanelTexts t;
  t.status = Text("Строка информации", "Stels", 8);
  t.filter = Text("Фильтр", "Stels", 2);
  t.filterTip = Text("Текст сохраняется только для полей ввода", "Stels", 3);
  t.replace = Text("Автозамена", "Stels", 1);
  t.replaceTip = Text("Автоматическая замена пути на переменную", "New", 32);
  t.insert = Text("Вставить", "Stels", 9) + " >>";
  t.insertTip = Text("Вставить в текст значение", "Stels", 10);
  t.browse = Text("Выбор папки >>", "Stels", 6);
  t.browseTip = Text("Вставить в текст путь к файлу или папке", "Stels", 7);
  t.panel = Text("Панель", "Stels", 4);
  t.panelTip = Text("Открыть панель установки и удаления программ", "Stels", 5);
  t.rezume = Text("Отменить", "Stels", 42);
  t.rezumeTip = Text("Продолжить запись без введённого текста", "Stels", 41);
  t.clipboard = Text("Из буфера обмена", "MainMenu", 42);
  t.programFiles = Text("Путь к папке Program Files", "MainMenu", 43);
  t.userName = Text("Имя пользователя", "MainMenu", 44);
  t.temp = Text("Путь к временной папке TEMP", "MainMenu", 45);
  t.file = Text("файла", "MainMenu", 46);
  t.folder = Text("папки", "MainMenu", 47);
  return t;
}

std::string ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = win32::ToUtf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::optional<std::string> RecordSession::InsertText(stels::InsertItem item) {
  const auto table = app_.paths.Table();
  const auto value = [&table](const char* name) {
    for (const PathVariable& v : table) {
      if (v.name == name) return v.value;
    }
    return std::string();
  };
  const WindowHandle owner = reinterpret_cast<WindowHandle>(window_->Handle());
  switch (item) {
    case stels::InsertItem::Clipboard: return ClipboardText(window_->Handle());
    case stels::InsertItem::ProgramFiles: return value("%PROGRAMFILES%");
    case stels::InsertItem::UserName: return value("%USERNAME%");
    case stels::InsertItem::Temp: return value("%TEMP%");
    case stels::InsertItem::File: {
      SaveFileRequest request;
      request.filter = "*.*|*.*|";
      request.title = Text("Открыть", "New", 15);
      request.startFolder = NearestExistingFolder(
          app_.platform.fs, app_.platform.settings.Get(settings::kPath, settings::kFolderBrowseExe, "c:\\"));
      request.flags = 0x1004;   // the file must exist; no read-only box
      std::optional<std::string> chosen = app_.platform.dialogs.OpenFile(owner, request);
      if (!chosen) return std::nullopt;
      while (!chosen->empty() && chosen->back() == '\0') chosen->pop_back();
      return chosen;
    }
    case stels::InsertItem::Folder: {
      std::string folder = app_.platform.dialogs.BrowseForFolder(
          owner, Text("Выберите папку для обзора", "Stels", 18), std::string());
      if (folder.empty()) return std::nullopt;
      return folder;
    }
  }
  return std::nullopt;
}

stels::PausePanelEvents RecordSession::PanelEvents() {
  stels::PausePanelEvents e;
  e.textChanged = [this](const std::string& text) { recorder_->TextChanged(text); };
  e.filterClicked = [this](bool checked) { recorder_->FilterClicked(checked); };
  e.replaceClicked = [this](bool checked) { recorder_->ReplaceClicked(checked); };
  e.rezume = [this] { recorder_->CancelText(); };
  e.controlPanel = [this] { shell_.RunMinimized(kAddRemoveCommand); };
  e.insertText = [this](stels::InsertItem item) { return InsertText(item); };
  e.hoverText = [this](RecorderControl control, const std::string& tip) { return recorder_->HoverText(control, tip); };
  return e;
}

void RecordSession::ShowPauseTip() {
  widgets::TipContent tip;
  tip.caption = std::string(kProductName) + " - " + Text("Пауза", "Stels", 28);
  const char* const lines[] = {
      "Запись приостановлена: пока горит пауза, нажатия мыши не записываются.",
      "Чтобы задать текст поля ввода:",
      "1. Нажмите мышью в это поле программы установки.",
      "2. Нажмите кнопку паузы и введите текст в поле панели паузы.",
      "3. Если поле не распознано как текстовое, уберите галочку `Фильтр`.",
      "Затем нажмите `Продолжить запись`: текст будет вставлен в поле и записан."};
  for (int key = 1; key <= 6; ++key) {
    if (key > 1) tip.text += "\r\n";
    tip.text += Text(lines[key - 1], "Pause", key);
  }
  tip.dontShowAgain = Text(tip.dontShowAgain.c_str(), "Pause", 7);
  const bool dontShow = widgets::ShowTip(window_->Handle(), tip);
  app_.platform.settings.Set(settings::kView, settings::kPauseTip, dontShow ? "1" : "0");
}

RecorderHooks RecordSession::Hooks() {
  RecorderHooks hooks;
  hooks.installHook = [this] { return hook_->Install(); };
  hooks.removeHook = [this] { hook_->Remove(); };
  hooks.enablePrivilege = [] { return stels::EnablePrivilege(L"SeIncreaseBasePriorityPrivilege"); };
  hooks.viewChanged = [this] {
    if (recorder_) window_->SetRecordView(recorder_->View());
  };
  hooks.showPauseTip = [this] { ShowPauseTip(); };
  hooks.setTopMost = [this](bool topMost) {
    if (topMost) window_->ShowTopMost();
  };
  hooks.showMainWindowAndRefresh = [this] {
    if (app_.windows.showMainWindow) app_.windows.showMainWindow(true);
  };
  hooks.unloadControlWindow = [this] {
    window_->Hide();
    window_->RequestUnload();
  };
  return hooks;
}

bool RecordSession::Open() {
  stels::ControlWindowEvents events;
  events.pause = [this] { recorder_->Pause(); };
  events.play = [this] { recorder_->Resume(); };
  // The bar stays while the package is saved and hides once the main window is back: hidden first, it
  // would hand the foreground to the installer still open, which then keeps the keyboard.
  events.stop = [this] { recorder_->Stop(); };
  events.unload = &EndControlSession;
  events.hookEvents = [this] {
    for (const CapturedMouseEvent& event : hook_->TakeQueued()) recorder_->OnMouseEvent(event);
  };
  events.hover = [this](RecorderControl control, const std::string& tip) { return recorder_->HoverText(control, tip); };
  window_ = std::make_unique<stels::FrmStels>(std::move(events), ControlTips(app_.language), PanelTexts(),
                                              PanelEvents());
  if (!window_->Create()) return false;

  const WindowHandle control = reinterpret_cast<WindowHandle>(window_->Handle());
  const RecorderDeps deps{adapters_.PortsFor(app_), app_.platform.dialogs};
  recorder_ = std::make_unique<Recorder>(deps, request_, app_.UnattendedInstall, Hooks(), control);
  hook_ = std::make_unique<stels::MouseHook>(adapters_.windows, recorder_->Matcher(), window_->Handle(),
                                             stels::FrmStels::kHookEventsMessage);
  window_->SetRecordView(recorder_->View());
  recorder_->Load();
  return true;
}

}  // namespace

std::unique_ptr<ControlSession> MakeRecordSession(App& app, NewPackageRequest request) {
  return std::make_unique<RecordSession>(app, std::move(request));
}

}  // namespace velgaro
