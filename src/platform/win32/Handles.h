// Owners of Win32 handles: each closes its handle once, when it goes out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace velgaro::win32 {

// Traits give the empty value and the close call of one handle kind.
template <typename Traits>
class UniqueOwner {
 public:
  using Handle = typename Traits::Handle;

  UniqueOwner() = default;
  explicit UniqueOwner(Handle h) : handle_(h) {}
  ~UniqueOwner() { Reset(); }
  UniqueOwner(const UniqueOwner&) = delete;
  UniqueOwner& operator=(const UniqueOwner&) = delete;
  UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.Release()) {}
  UniqueOwner& operator=(UniqueOwner&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }
  Handle Release() { return std::exchange(handle_, Traits::Empty()); }
  void Reset(Handle h = Traits::Empty()) {
    Handle old = std::exchange(handle_, h);
    if (old != Traits::Empty()) Traits::Close(old);
  }
  // For APIs that return a handle through a pointer argument.
  Handle* Receive() {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Empty();
};

// Kernel objects whose "no handle" is NULL (processes, threads, semaphores).
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};

// Files opened with CreateFile, whose "no handle" is INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};

struct WindowTraits {
  using Handle = HWND;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { DestroyWindow(h); }
};

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

using UniqueHandle = UniqueOwner<KernelHandleTraits>;
using UniqueFile = UniqueOwner<FileHandleTraits>;
using UniqueFind = UniqueOwner<FindHandleTraits>;
using RegKey = UniqueOwner<RegKeyTraits>;
using UniqueWindow = UniqueOwner<WindowTraits>;
using UniqueGdiObject = UniqueOwner<GdiObjectTraits>;

}  // namespace velgaro::win32
