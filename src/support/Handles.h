#pragma once
#include <windows.h>
#include <objidl.h>
#include <oleauto.h>
#include <shtypes.h>

#include <utility>

namespace brivane {

// Move-only owner of one Win32 handle; Traits::close releases it, Traits::invalid() is the empty value.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::invalid(); }
  Handle release() { return std::exchange(handle_, Traits::invalid()); }
  void reset(Handle handle = Traits::invalid()) {
    if (handle_ != Traits::invalid()) Traits::close(handle_);
    handle_ = handle;
  }
  // For APIs that return the handle through an out parameter; releases what was held.
  Handle* out() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::invalid();
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { RegCloseKey(h); }
};
struct MenuTraits {
  using Handle = HMENU;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { DestroyMenu(h); }
};
struct BitmapTraits {
  using Handle = HBITMAP;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { DeleteObject(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { FreeLibrary(h); }
};
struct FindTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { FindClose(h); }
};
struct FileTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { CloseHandle(h); }
};
struct ActivationContextTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ReleaseActCtx(h); }
};
struct KernelObjectTraits {
  using Handle = HANDLE;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { CloseHandle(h); }
};

struct BstrTraits {
  using Handle = BSTR;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { SysFreeString(h); }
};

// Memory from the COM task allocator.
template <typename Pointer>
struct TaskMemoryTraits {
  using Handle = Pointer;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { CoTaskMemFree(h); }
};
struct DcTraits {
  using Handle = HDC;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { DeleteDC(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { DestroyWindow(h); }
};

using RegKey = UniqueHandle<RegKeyTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueBitmap = UniqueHandle<BitmapTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueKernelObject = UniqueHandle<KernelObjectTraits>;
using UniqueActivationContext = UniqueHandle<ActivationContextTraits>;
// A shell item identifier list allocated by the task allocator.
using UniqueItemIdList = UniqueHandle<TaskMemoryTraits<LPITEMIDLIST>>;
// A string allocated by the task allocator.
using UniqueTaskString = UniqueHandle<TaskMemoryTraits<PWSTR>>;
// A memory device context (CreateCompatibleDC).
using UniqueDc = UniqueHandle<DcTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueBstr = UniqueHandle<BstrTraits>;

// Owner of one COM interface reference, with the semantics of WIL's com_ptr: made from a raw pointer or
// copied, it adds a reference of its own; `attach` adopts a reference the caller already holds; `query`
// asks the object for another interface.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(Interface* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  // Takes over a reference the caller holds, releasing what was held before.
  void attach(Interface* p) {
    reset();
    p_ = p;
  }
  // Gives up the reference without releasing it.
  Interface* detach() { return std::exchange(p_, nullptr); }
  Interface** out() {
    reset();
    return &p_;
  }
  void** outVoid() { return reinterpret_cast<void**>(out()); }

  // The object's `Other` interface; empty when it has none (or nothing is held).
  template <typename Other>
  ComPtr<Other> query() const {
    ComPtr<Other> other;
    if (p_) p_->QueryInterface(__uuidof(Other), other.outVoid());
    return other;
  }

 private:
  Interface* p_ = nullptr;
};

// Owner of a storage medium obtained from a data object.
class StorageMedium {
 public:
  StorageMedium() = default;
  ~StorageMedium() { reset(); }
  StorageMedium(const StorageMedium&) = delete;
  StorageMedium& operator=(const StorageMedium&) = delete;

  HRESULT fill(IDataObject* data, FORMATETC& format) {
    reset();
    HRESULT hr = data->GetData(&format, &medium_);
    filled_ = SUCCEEDED(hr);
    return hr;
  }
  const STGMEDIUM& get() const { return medium_; }
  void reset() {
    if (filled_) ReleaseStgMedium(&medium_);
    filled_ = false;
  }

 private:
  STGMEDIUM medium_{};
  bool filled_ = false;
};

// A window's (or the screen's, for no window) device context, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a device context and puts the previous one back at the end of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Keeps a global memory block locked while its contents are read.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
  ~LockedGlobal() {
    if (data_) GlobalUnlock(block_);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;

  const void* data() const { return data_; }
  SIZE_T size() const { return data_ ? GlobalSize(block_) : 0; }

 private:
  HGLOBAL block_;
  void* data_;
};

}  // namespace brivane
