// An OLE drop target that takes file lists only: while files are dragged over the window it offers the
// copy effect, anything else gets no drop; a drop hands the dropped paths over.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace velgaro::win32 {

class FileDropTarget final : public IDropTarget {
 public:
  using DropHandler = std::function<void(const std::vector<std::string>& paths)>;

  explicit FileDropTarget(DropHandler onDrop) : onDrop_(std::move(onDrop)) {}
  FileDropTarget(const FileDropTarget&) = delete;
  FileDropTarget& operator=(const FileDropTarget&) = delete;

  // RegisterDragDrop on window; Revoke undoes it. The object must outlive the registration.
  bool Register(HWND window);
  void Revoke();

  // IUnknown: the owner keeps the object alive; the counts only satisfy OLE.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDropTarget.
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

 private:
  DropHandler onDrop_;
  HWND window_ = nullptr;
  bool acceptable_ = false;
  ULONG references_ = 1;
};

// The paths of a CF_HDROP medium, in their order.
std::vector<std::string> DroppedPaths(HDROP drop);

}  // namespace velgaro::win32
