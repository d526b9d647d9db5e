#include "config/win32/input_box.h"

#include "config/win32/config_ids.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/modal.h"
#include "platform/win32/window_look.h"
#include "platform/win32/window_thunk.h"

namespace zudav::win32 {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

class InputBox {
  public:
    std::optional<std::wstring> Ask(HWND owner,
                                    Platform& platform,
                                    const std::wstring& prompt,
                                    const std::wstring& title) {
        const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
        RegisterWindowClass<InputBox>(instance, kInputBoxClass);
        const SIZE size = WindowSizeForClient(owner, 4680, 1500, kStyle, kExStyle);
        // Beside the window that asks, which stays in sight, as the program's other windows open beside theirs. (Over
        // it, Wine left the box a black rectangle: its X window stayed under the owner's.)
        const POINT at = PlaceBesideOwner(owner, size);
        if (CreateWindowExW(kExStyle, kInputBoxClass, title.c_str(), kStyle, at.x, at.y, size.cx, size.cy, owner,
                            nullptr, instance, this) == nullptr) {
            return std::nullopt;
        }
        WindowLayout layout(window_);
        layout_ = &layout;
        const ControlBuilder controls(layout);
        controls.Add(L"STATIC", prompt, SS_NOPREFIX, kInputPrompt, {120, 120, 3120, 600});
        controls.Add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, {3420, 120, 1140, 360});
        controls.Add(L"BUTTON", L"Annuler", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, {3420, 540, 1140, 360});
        text_ = controls.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kInputText, {120, 1020, 4440, 330});
        layout.Arrange();
        SetFocus(text_);
        RunModal(owner, window_, platform);
        layout_ = nullptr;
        return answer_;
    }

    // For the window procedure.
    void Bind(HWND window) { window_ = window; }
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (const auto coloured = LookMessage(window, message, wParam, lParam)) {
            return *coloured;
        }
        if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            if (LOWORD(wParam) == IDOK) {
                answer_ = TextOf(text_);
            }
            Close(window);
            return 0;
        }
        if (message == WM_DPICHANGED && layout_ != nullptr) {
            layout_->OnDpiChanged(wParam, lParam);
            return 0;
        }
        if (message == WM_CLOSE) {
            Close(window);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

  private:
    static void Close(HWND window) {
        // The owner is enabled first so that the activation goes back to it.
        EnableWindow(GetWindow(window, GW_OWNER), TRUE);
        DestroyWindow(window);
    }

    HWND window_ = nullptr;
    HWND text_ = nullptr;
    WindowLayout* layout_ = nullptr;  // while it is open
    std::optional<std::wstring> answer_;
};

}  // namespace

std::optional<std::wstring> AskText(HWND owner,
                                    Platform& platform,
                                    const std::wstring& prompt,
                                    const std::wstring& title) {
    InputBox box;
    return box.Ask(owner, platform, prompt, title);
}

}  // namespace zudav::win32
