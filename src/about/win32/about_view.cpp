#include "about/win32/about_view.h"

#include <array>

#include "about/frm_about.h"
#include "about/win32/about_ids.h"
#include "platform/win32/child_control.h"
#include "platform/win32/drawing.h"
#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/modal.h"
#include "platform/win32/twips.h"
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
        RunModal(owner_, window_, platform_);
    }

    // For the window procedure.
    void Bind(HWND window) { window_ = window; }
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
            case WM_SYSCOLORCHANGE:
            case WM_SETTINGCHANGE:  // a high-contrast theme turned on or off
                ShowLinks();
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
    void Place(ChildControl& control, int id, float left, float top, float width, float height) {
        control.Create(window_, id, *this);
        const TwipsScale scale = TwipsScale::ForWindow(window_);
        MoveWindow(control.Handle(), scale.ToPixels(left), scale.ToPixels(top), scale.ToPixels(width),
                   scale.ToPixels(height), FALSE);
    }

    void CreateControls(HINSTANCE instance) {
        titleFont_ = MakeFont(window_, L"MS Shell Dlg", 13.5f, {true, false});
        mailFont_ = MakeFont(window_, L"Arial", 12, {false, true});
        webFont_ = MakeFont(window_, L"Arial", 14.25f, {false, true});
        const auto dialogFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        const auto linkPointer =
            static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_LIEN), IMAGE_CURSOR, 0, 0, LR_SHARED));

        Place(picon_, kPicon, 210, 270, 495, 810);
        Place(title_, kTitle, 1050, 30, 4275, 480);
        Place(version_, kVersion, 1050, 615, 3885, 225);
        Place(description_, kDescription, 1050, 930, 4245, 900);
        // Wide enough for its text on one line in the link's larger font.
        Place(mail_, kMailLink, 2145, 2025, 3700, 270);
        mail_.SetTextFormat(DT_LEFT | DT_TOP | DT_SINGLELINE);
        mail_.SetPointer(linkPointer);
        Place(disclaimer_, kDisclaimer, 255, 2625, 5145, 1230);
        disclaimer_.SetText(logic_.lblDisclaimer, dialogFont);
        Place(web_, kWebLink, 765, 3960, 4665, 930);
        web_.SetTextFormat(DT_CENTER | DT_TOP | DT_WORDBREAK);
        web_.SetPointer(linkPointer);
        ShowLinks();
        // The links take the keyboard in reading order, before the button under them.
        mail_.SetFocusable(true);
        web_.SetFocusable(true);

        const TwipsScale scale = TwipsScale::ForWindow(window_);
        ok_ = CreateWindowExW(0, L"BUTTON", logic_.cmdOK.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                              scale.ToPixels(2265), scale.ToPixels(5190), scale.ToPixels(1875), scale.ToPixels(465),
                              window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
        SendMessageW(ok_, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
        separator_ = {scale.ToPixels(240), scale.ToPixels(2445), scale.ToPixels(5450), scale.ToPixels(2445)};
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
        const auto dialogFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        description_.SetText(logic_.lblDescription, dialogFont);
        version_.SetText(logic_.lblVersion, dialogFont);
        title_.SetText(logic_.lblTitle, titleFont_.Get());
        SetFocus(ok_);
    }

    // Blue links and a navy rule, as designed; under a high-contrast theme the theme's colours for links and text.
    void ShowLinks() {
        const COLORREF link = HighContrastOn() ? GetSysColor(COLOR_HOTLIGHT) : RGB(0, 0, 255);
        mail_.SetText(logic_.label2, mailFont_.Get(), link);
        web_.SetText(logic_.label1, webFont_.Get(), link);
    }

    void PaintSeparator() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        UniquePen pen(CreatePen(PS_SOLID, 2, HighContrastOn() ? GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 128)));
        HGDIOBJ previous = SelectObject(dc, pen.Get());
        MoveToEx(dc, separator_.left, separator_.top, nullptr);
        LineTo(dc, separator_.right, separator_.bottom);
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
    RECT separator_{};
    ChildControl picon_, title_, version_, description_, mail_, disclaimer_, web_;
    UniqueFont titleFont_, mailFont_, webFont_;
};

}  // namespace

void ShowAboutBox(HWND owner, Platform& platform, const std::wstring& sautLigne) {
    AboutView view(owner, platform);
    view.Show(sautLigne);
}

}  // namespace zudav::win32
