#include "platform/win32/FileDropTarget.h"

#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(copied);
    paths.push_back(ToUtf8(path));
  }
  return paths;
}

bool FileDropTarget::Register(HWND window) {
  if (FAILED(RegisterDragDrop(window, this))) return false;
  window_ = window;
  return true;
}

void FileDropTarget::Revoke() {
  if (window_ != nullptr) RevokeDragDrop(window_);
  window_ = nullptr;
}

HRESULT FileDropTarget::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG FileDropTarget::AddRef() { return ++references_; }

ULONG FileDropTarget::Release() { return references_ > 1 ? --references_ : 1; }

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  FORMATETC format = FileListFormat();
  acceptable_ = data != nullptr && data->QueryGetData(&format) == S_OK;
  *effect = acceptable_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = acceptable_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT FileDropTarget::DragLeave() {
  acceptable_ = false;
  return S_OK;
}

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  *effect = DROPEFFECT_NONE;
  acceptable_ = false;
  if (data == nullptr) return S_OK;
  FORMATETC format = FileListFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) return S_OK;
  std::vector<std::string> paths;
  if (auto* drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
    paths = DroppedPaths(drop);
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  *effect = DROPEFFECT_COPY;
  // The drag source waits until this returns: a handler that opens a window should post the work.
  try {
    if (onDrop_ && !paths.empty()) onDrop_(paths);
  } catch (...) {
  }
  return S_OK;
}

}  // namespace velgaro::win32
