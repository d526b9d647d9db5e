// Owning wrappers for Windows handles: each handle is released exactly once, when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace zudav::win32 {

template <typename Handle, typename Releaser>
class Unique {
  public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Handle{}));
        }
        return *this;
    }
    ~Unique() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void Reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            Releaser{}(handle_);
        }
        handle_ = handle;
    }
    // For out-parameters: releases what is held and hands out the slot.
    Handle* Put() {
        Reset();
        return &handle_;
    }

  private:
    Handle handle_{};
};

struct KeyReleaser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct IconReleaser {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct GdiReleaser {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MenuReleaser {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct KernelReleaser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ModuleReleaser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

struct ComReleaser {
    template <typename Interface>
    void operator()(Interface* object) const {
        object->Release();
    }
};

using UniqueKey = Unique<HKEY, KeyReleaser>;
using UniqueIcon = Unique<HICON, IconReleaser>;
using UniqueFont = Unique<HFONT, GdiReleaser>;
using UniqueBitmap = Unique<HBITMAP, GdiReleaser>;
using UniquePen = Unique<HPEN, GdiReleaser>;
using UniqueMenu = Unique<HMENU, MenuReleaser>;
using UniqueHandle = Unique<HANDLE, KernelReleaser>;
using UniqueModule = Unique<HMODULE, ModuleReleaser>;
// A COM interface pointer that holds one reference.
template <typename Interface>
using UniqueCom = Unique<Interface*, ComReleaser>;

}  // namespace zudav::win32
