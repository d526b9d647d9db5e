// Owning wrappers for Windows handles: each handle is released exactly once, when its owner goes.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace zudav::win32 {

// The kinds of handle that the wrappers below hold.
enum class HandleKind {
    Key,
    Icon,
    Font,
    Bitmap,
    Pen,
    Menu,
    Kernel,
    Module,
    Com,
    DeviceContext,
    WinEventHook,
    Brush,
    Count
};

// How many handles of each kind the wrappers hold at this moment: taken when a wrapper receives a handle, given back
// when it releases one. The running bar reports them (kLiveHandlesMessage in bar/win32/bar_ids.h), so that a leak on
// a path that runs again and again shows as a count that grows.
inline std::atomic<int>& LiveHandles(HandleKind kind) {
    static std::atomic<int> counts[static_cast<int>(HandleKind::Count)] = {};
    return counts[static_cast<int>(kind)];
}

template <typename Handle, typename Releaser>
class Unique {
  public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) { Take(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Release();
            handle_ = std::exchange(other.handle_, Handle{});  // still one live handle
        }
        return *this;
    }
    ~Unique() { Release(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void Reset(Handle handle = Handle{}) {
        Release();
        handle_ = handle;
        Take();
    }

    // The address an out-parameter is written to; the wrapper takes what was written when the statement ends.
    class Slot {
      public:
        explicit Slot(Unique& owner) : owner_(owner) {}
        Slot(const Slot&) = delete;
        Slot& operator=(const Slot&) = delete;
        ~Slot() { owner_.Reset(written_); }
        operator Handle*() { return &written_; }

      private:
        Unique& owner_;
        Handle written_{};
    };
    // For out-parameters: releases what is held and hands out the slot.
    Slot Put() {
        Release();
        return Slot(*this);
    }

  private:
    void Take() {
        if (handle_ != Handle{}) {
            ++LiveHandles(Releaser::kKind);
        }
    }
    void Release() {
        if (handle_ != Handle{}) {
            Releaser{}(std::exchange(handle_, Handle{}));
            --LiveHandles(Releaser::kKind);
        }
    }

    Handle handle_{};
};

struct KeyReleaser {
    static constexpr HandleKind kKind = HandleKind::Key;
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct IconReleaser {
    static constexpr HandleKind kKind = HandleKind::Icon;
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
template <HandleKind Kind>
struct GdiReleaser {
    static constexpr HandleKind kKind = Kind;
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MenuReleaser {
    static constexpr HandleKind kKind = HandleKind::Menu;
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A memory device context (CreateCompatibleDC), not one borrowed from a window.
struct DcReleaser {
    static constexpr HandleKind kKind = HandleKind::DeviceContext;
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct KernelReleaser {
    static constexpr HandleKind kKind = HandleKind::Kernel;
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ModuleReleaser {
    static constexpr HandleKind kKind = HandleKind::Module;
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct WinEventHookReleaser {
    static constexpr HandleKind kKind = HandleKind::WinEventHook;
    void operator()(HWINEVENTHOOK hook) const { UnhookWinEvent(hook); }
};

struct ComReleaser {
    static constexpr HandleKind kKind = HandleKind::Com;
    template <typename Interface>
    void operator()(Interface* object) const {
        object->Release();
    }
};

using UniqueKey = Unique<HKEY, KeyReleaser>;
using UniqueIcon = Unique<HICON, IconReleaser>;
using UniqueFont = Unique<HFONT, GdiReleaser<HandleKind::Font>>;
using UniqueBitmap = Unique<HBITMAP, GdiReleaser<HandleKind::Bitmap>>;
using UniquePen = Unique<HPEN, GdiReleaser<HandleKind::Pen>>;
using UniqueBrush = Unique<HBRUSH, GdiReleaser<HandleKind::Brush>>;
using UniqueMenu = Unique<HMENU, MenuReleaser>;
using UniqueDc = Unique<HDC, DcReleaser>;
using UniqueHandle = Unique<HANDLE, KernelReleaser>;
using UniqueModule = Unique<HMODULE, ModuleReleaser>;
using UniqueWinEventHook = Unique<HWINEVENTHOOK, WinEventHookReleaser>;
// A COM interface pointer that holds one reference.
template <typename Interface>
using UniqueCom = Unique<Interface*, ComReleaser>;

}  // namespace zudav::win32
