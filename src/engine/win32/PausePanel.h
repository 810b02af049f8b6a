// The pause panel of the control window in record mode: the status line, the text box for the last
// pressed field, the filter and auto-replace boxes and the insert, folder, panel and cancel buttons.
// Its controls are windows of their own; it is unfolded only while the hook is removed.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "engine/Recorder.h"
#include "engine/win32/ControlBarLayout.h"

namespace velgaro::stels {

// Items of the insert menu (Command1) and the folder menu (cmdBrowse).
enum class InsertItem { Clipboard, ProgramFiles, UserName, Temp, File, Folder };

struct PausePanelTexts {
  std::string status = "Строка информации";
  std::string filter = "Фильтр", filterTip;
  std::string replace = "Автозамена", replaceTip;
  std::string insert = "Вставить >>", insertTip;
  std::string browse = "Выбор папки >>", browseTip;
  std::string panel = "Панель", panelTip;
  std::string rezume = "Отменить", rezumeTip;
  // The menus' items, in the order of InsertItem.
  std::string clipboard = "Из буфера обмена", programFiles = "Путь к папке Program Files",
              userName = "Имя пользователя", temp = "Путь к временной папке TEMP", file = "файла", folder = "папки";
};

struct PausePanelEvents {
  std::function<void(const std::string&)> textChanged;   // by the user, or by an insert
  std::function<void(bool)> filterClicked;
  std::function<void(bool)> replaceClicked;
  std::function<void()> rezume;
  std::function<void()> controlPanel;
  std::function<std::optional<std::string>(InsertItem)> insertText;   // nullopt: nothing to insert
  std::function<std::string(RecorderControl, const std::string& tooltip)> hoverText;
};

class PausePanel {
 public:
  PausePanel(PausePanelTexts texts, PausePanelEvents events) : texts_(std::move(texts)), events_(std::move(events)) {}

  void Create(HWND parent, HFONT font, HWND tooltip);
  // Shows the recorder's state; the text box only changes when the recorder set another text.
  void Show(const RecorderView& view);
  // Puts text in place of the selection of the text box, focuses it and selects the text put in.
  void HighLightText(const std::string& text);

  // Messages of the parent that belong to the panel; true when handled.
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  bool OnSetCursor(HWND over);
  void OnHoverText(const std::string& text) { SetStatus(text); }
  HWND Control(int id) const { return GetDlgItem(parent_, id); }

 private:
  HWND Make(const wchar_t* cls, const std::string& text, DWORD style, int id, const Box& box);
  void AddTip(HWND control, const std::string& text);
  void PopUpMenu(int buttonId, bool folderMenu);
  void SetStatus(const std::string& text);
  std::string TextOfBox() const;

  PausePanelTexts texts_;
  PausePanelEvents events_;
  HWND parent_ = nullptr;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;
  std::string shownText_;   // the text the recorder last put into the box
  bool settingText_ = false;
};

}  // namespace velgaro::stels
