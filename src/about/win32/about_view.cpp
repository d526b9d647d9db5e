#include "about/win32/about_view.h"

#include <array>
#include <optional>

#include "about/frm_about.h"
#include "about/win32/about_ids.h"
#include "platform/win32/child_control.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/modal.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"
#include "platform/win32/window_thunk.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {
namespace {

constexpr const wchar_t* kClassName = kAboutWindowClass;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

enum ControlId {
    kPicon = kAboutPicon,
    kTitle = kAboutTitle,
    kVersion = kAboutVersion,
    kDescription = kAboutDescription,
    kMailLink = kAboutMailLink,
    kDisclaimer = kAboutDisclaimer,
    kWebLink = kAboutWebLink,
};

class AboutView final : public ControlOwner {
  public:
    AboutView(HWND owner, Platform& platform) : owner_(owner), platform_(platform), logic_(platform) {}

    void Show(const std::wstring& sautLigne) {
        const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
        RegisterWindowClass<AboutView>(instance, kClassName);
        const SIZE size = WindowSizeForClient(owner_, 5940, 5745, kStyle, kExStyle);
        const POINT at = PlaceBesideOwner(owner_, size);
        window_ = CreateWindowExW(kExStyle, kClassName, logic_.caption.c_str(), kStyle, at.x, at.y, size.cx, size.cy,
                                  owner_, nullptr, instance, this);
        if (window_ == nullptr) {
            return;
        }
        CreateControls(instance);
        Load(sautLigne);
        layout_->Arrange();
        RunModal(owner_, window_, platform_);
    }

    // For the window procedure.
    void Bind(HWND window) { window_ = window; }
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (const auto coloured = LookMessage(window, message, wParam, lParam)) {
            return *coloured;
        }
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                    Close();
                    return 0;
                }
                break;
            case WM_CLOSE:
                Close();
                return 0;
            case WM_PAINT:
                PaintSeparator();
                return 0;
            case WM_DPICHANGED:
                layout_->OnDpiChanged(wParam, lParam);
                return 0;
            case WM_SYSCOLORCHANGE:  // the high-contrast theme's colours changed
                InvalidateRect(window_, nullptr, TRUE);
                break;
            default:
                break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void OnControlPointer(int id, PointerEvent event) override {
        if (event != PointerEvent::Click) {
            return;
        }
        if (id == kWebLink) {
            logic_.OnLabel1Click(2);
        } else if (id == kMailLink) {
            logic_.OnLabel2Click();
        }
    }

  private:
    void CreateControls(HINSTANCE instance) {
        layout_.emplace(window_);
        titleFont_ = &layout_->Font(L"MS Shell Dlg", 13.5f, {true, false});
        mailFont_ = &layout_->Font(L"Arial", 12, {false, true});
        webFont_ = &layout_->Font(L"Arial", 14.25f, {false, true});
        const auto linkPointer =
            static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_LIEN), IMAGE_CURSOR, 0, 0, LR_SHARED));
        const ControlBuilder client(*layout_);

        client.Place(picon_, kPicon, *this, {210, 270, 495, 810});
        client.PlaceText(title_, kTitle, *this, {1050, 30, 4275, 480}, titleFont_->Get());
        client.PlaceText(version_, kVersion, *this, {1050, 615, 3885, 225});
        client.PlaceText(description_, kDescription, *this, {1050, 930, 4245, 900});
        // Wide enough for its text on one line in the link's larger font.
        client.PlaceText(mail_, kMailLink, *this, {2145, 2025, 3700, 270}, mailFont_->Get());
        mail_.SetTextFormat(DT_LEFT | DT_TOP | DT_SINGLELINE);
        mail_.SetPointer(linkPointer);
        client.PlaceText(disclaimer_, kDisclaimer, *this, {255, 2625, 5145, 1230});
        disclaimer_.SetText(logic_.lblDisclaimer, layout_->DialogFont());
        client.PlaceText(web_, kWebLink, *this, {765, 3960, 4665, 930}, webFont_->Get());
        web_.SetTextFormat(DT_CENTER | DT_TOP | DT_WORDBREAK);
        web_.SetPointer(linkPointer);
        ShowLinks();
        // The links take the keyboard in reading order, before the button under them.
        mail_.SetFocusable(true);
        web_.SetFocusable(true);

        ok_ = client.Add(L"BUTTON", logic_.cmdOK, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, {2265, 5190, 1875, 465});
    }

    // Each step on its own: one that cannot be done leaves the creation value.
    void Load(const std::wstring& sautLigne) {
        const auto barIcon = reinterpret_cast<HICON>(SendMessageW(owner_, WM_GETICON, ICON_BIG, 0));
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(barIcon));
        wchar_t caption[256] = {};
        GetWindowTextW(owner_, caption, 256);
        logic_.Charger(caption, sautLigne);
        SetWindowTextW(window_, logic_.caption.c_str());
        if (barIcon != nullptr) {
            picon_.ShowSharedIcon(barIcon);
        }
        description_.SetText(logic_.lblDescription, layout_->DialogFont());
        version_.SetText(logic_.lblVersion, layout_->DialogFont());
        title_.SetText(logic_.lblTitle, titleFont_->Get());
        SetFocus(ok_);
    }

    // Blue links and a navy rule, as designed; in the dark look lighter ones, under a high-contrast theme the theme's
    // colours for links and text.
    void ShowLinks() {
        mail_.SetText(logic_.label2, mailFont_->Get(), ChildControl::Ink::Link);
        web_.SetText(logic_.label1, webFont_->Get(), ChildControl::Ink::Link);
    }

    void PaintSeparator() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        const RECT separator = ControlBuilder(*layout_).ToPixels({240, 2445, 5210, 0});
        UniquePen pen(CreatePen(PS_SOLID, 2, ColourOf(ProgramPalette().rule)));
        HGDIOBJ previous = SelectObject(dc, pen.Get());
        MoveToEx(dc, separator.left, separator.top, nullptr);
        LineTo(dc, separator.right, separator.bottom);
        SelectObject(dc, previous);
        EndPaint(window_, &paint);
    }

    void Close() {
        // The bar is enabled first so that the activation goes back to it.
        EnableWindow(owner_, TRUE);
        DestroyWindow(window_);
    }

    HWND owner_;
    Platform& platform_;
    FrmAbout logic_;
    HWND window_ = nullptr;
    HWND ok_ = nullptr;
    ChildControl picon_, title_, version_, description_, mail_, disclaimer_, web_;
    std::optional<WindowLayout> layout_;
    const UniqueFont *titleFont_ = nullptr, *mailFont_ = nullptr, *webFont_ = nullptr;
};

}  // namespace

void ShowAboutBox(HWND owner, Platform& platform, const std::wstring& sautLigne) {
    AboutView view(owner, platform);
    view.Show(sautLigne);
}

}  // namespace zudav::win32
