#pragma once
// Owners of exactly one Windows handle each: movable, never copyable, so no handle is freed twice
// and none outlives its owner. GDI objects are deleted, and the DCs held here registered, through
// the framework's GDI bookkeeping.
#include "ui/gdi_bookkeeping.h"

#include <utility>

#include <windows.h>

namespace ui {

template <typename Handle, typename Traits> class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) { Adopted(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() {
    if constexpr (requires { Traits::Disown(handle_); })
      if (handle_ != Traits::Invalid())
        Traits::Disown(handle_);
    return std::exchange(handle_, Traits::Invalid());
  }
  void reset(Handle handle = Traits::Invalid()) {
    if (handle_ != Traits::Invalid())
      Traits::Close(handle_);
    handle_ = handle;
    Adopted();
  }

private:
  // Traits may keep books of the handles owned (Adopt when taken, Disown when given away).
  void Adopted() {
    if constexpr (requires { Traits::Adopt(handle_); })
      if (handle_ != Traits::Invalid())
        Traits::Adopt(handle_);
  }

  Handle handle_ = Traits::Invalid();
};

template <typename T> struct TypedGdiTraits {
  static T Invalid() { return nullptr; }
  static void Close(T h) { DeleteGdiObject(h); }
};
using UniqueFont = UniqueHandle<HFONT, TypedGdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, TypedGdiTraits<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, TypedGdiTraits<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, TypedGdiTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<HRGN, TypedGdiTraits<HRGN>>;

struct MemoryDCTraits {
  static HDC Invalid() { return nullptr; }
  static void Adopt(HDC h) { HoldDC(h); }
  static void Disown(HDC h) { LetGoDC(h); }
  static void Close(HDC h) {
    LetGoDC(h);
    DeleteDC(h);
  }
};
using UniqueMemoryDC = UniqueHandle<HDC, MemoryDCTraits>;

struct FileTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueFile = UniqueHandle<HANDLE, FileTraits>;

struct FindTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
using UniqueFind = UniqueHandle<HANDLE, FindTraits>; // FindFirstFile's search

struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;

// A window's DC from GetDC, released on scope exit.
class WindowDC {
public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) { HoldDC(dc_); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) {
      LetGoDC(dc_);
      ReleaseDC(window_, dc_);
    }
  }
  HDC get() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC for the scope, the previous one restored on exit.
class ScopedSelect {
public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {
    HoldDC(dc_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    SelectObject(dc_, previous_);
    LetGoDC(dc_);
  }

private:
  HDC dc_;
  HGDIOBJ previous_;
};

} // namespace ui
