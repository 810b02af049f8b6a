// frmMain, the main window: the package list with its folder box, menus, toolbar and status bar. It
// forwards every command to MainWindowModel and then shows the model's state.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "library/MainWindowModel.h"
#include "library/win32/MainMenus.h"
#include "library/win32/MainToolbar.h"
#include "library/win32/PackageListView.h"
#include "platform/win32/FileDropTarget.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32MessagePump.h"
#include "widgets/win32/TopWindow.h"

namespace velgaro::library {

class ReadingProgress;

// What the main window hands on to the windows around it.
struct MainFrameEvents {
  std::function<void(const PlayRun& run)> openControlWindow;   // play the run
  std::function<void(HWND owner, const std::string& exePath, const std::string& name)> openNewPackage;
  // The properties of a row's package, modal; the name the row takes, empty when cancelled.
  std::function<std::string(HWND owner, const std::string& rowText)> openProperties;
  std::function<void(HWND owner)> openBatchEditor;   // modal
  std::function<void(HWND owner)> openDiskWizard;    // modal
  std::function<void(HWND owner)> openUpdateCheck;   // modal
};

class FrmMain : public widgets::TopWindow {
 public:
  FrmMain(App& app, Shell& shell, MainFrameEvents events);
  ~FrmMain() override;

  // Creates and shows the window, then loads it (the package folder is read). False when the window
  // cannot be created.
  bool Create();
  // Back after a run or a recording; refreshList reads the folder again.
  void ShowAgain(bool refreshList);
  // Keyboard shortcuts and dialog keys of the window; true when the message was used.
  bool PreTranslate(MSG& message);
  // Enter with Shift, Ctrl or Alt in the list: the properties.
  bool IsPropertiesKey(const MSG& message) const;

  MainWindowModel& Model() { return *model_; }
  // The controls, for tests that drive the window by messages.
  HWND ListView() const { return list_.Handle(); }
  HWND StatusBar() const { return status_; }
  HWND FolderBox() const { return folderBox_; }
  HWND Toolbar() const { return toolbar_.Handle(); }
  // Runs a command as the menus, buttons and keys do.
  void Command(UINT id);

 private:
  static LRESULT CALLBACK FolderBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnNotify(NMHDR* header);
  void OnListClick(NMITEMACTIVATE* click, bool doubleClick);
  void OnRightClick();
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void ApplyCaptions();
  void Refresh();
  void SyncHighlight();
  void FolderButton();
  void SetTopMost(bool topMost);
  // FrmMainControls.cpp: the child windows made and placed.
  void CreateControls();
  void CreateTooltips();
  void Layout();
  void LayoutStatusBar();
  double Scale() const;

  App& app_;
  Shell& shell_;
  MainFrameEvents events_;
  std::unique_ptr<ReadingProgress> progress_;
  std::unique_ptr<MainWindowModel> model_;
  MainMenus menus_;
  PackageListView list_;
  win32::FileDropTarget dropTarget_;
  win32::Win32MessagePump pump_;
  MainToolbar toolbar_;
  HWND frame_ = nullptr, folderBox_ = nullptr, browse_ = nullptr;
  HWND moveUp_ = nullptr, moveDown_ = nullptr, status_ = nullptr, tooltip_ = nullptr;
  HACCEL accelerators_ = nullptr;
  win32::UniqueGdiObject font_;
  std::vector<std::wstring> tipTexts_;
  std::wstring tipBuffer_;
  std::vector<std::string> dropped_;   // handled once the drag source has let go
  bool closeRequested_ = false;
  bool loaded_ = false;
};

}  // namespace velgaro::library
