#include "editor/win32/editor_view.h"

#include <commctrl.h>

#include <array>
#include <optional>

#include "editor/frm_ajoute_enleve.h"
#include "editor/win32/editor_ids.h"
#include "platform/win32/child_control.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/drawing.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/modal.h"
#include "platform/win32/pictures.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"
#include "platform/win32/window_thunk.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {
namespace {

constexpr const wchar_t* kClassName = kEditorWindowClass;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr float kFrameLeft = 90;
constexpr float kFrameTop = 60;

class EditorView final : public EditorWindow, public ControlOwner, public ModalView {
  public:
    EditorView(HWND owner, Platform& platform, BarModel& model, int slot, HICON placeholder)
        : ModalView(owner),
          platform_(platform),
          placeholder_(CopyIcon(placeholder)),
          logic_(platform, model, slot, *this) {}

    void Show(const ShellItem& dropped) {
        instance_ = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
        RegisterWindowClass<EditorView>(instance_, kClassName, LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ZUDAV)));
        const SIZE size = WindowSizeForClient(owner_, 8955, 3915, kStyle, kExStyle);
        const POINT at = PlaceBesideOwner(owner_, size);
        window_ = CreateWindowExW(kExStyle, kClassName, logic_.caption.c_str(), kStyle, at.x, at.y, size.cx, size.cy,
                                  owner_, nullptr, instance_, this);
        if (window_ == nullptr) {
            return;
        }
        CreateControls();
        // Loaded before it is shown, so that nothing the user types lands in a blank editor.
        logic_.Charger();
        if (dropped.isApp) {
            logic_.OnAppDropped(dropped);
        } else if (!dropped.path.empty()) {
            logic_.OnFileDropped(dropped.path);
        }
        Push();
        layout_->Arrange();
        // What the user types at once replaces the path: a plain letter on a button would press the button of that
        // access key ("&Enlever" for an "e").
        SendMessageW(text2_, EM_SETSEL, 0, -1);
        focus_ = text2_;
        RunModal(owner_, window_, platform_);
    }

    // EditorWindow
    IconLookup DrawFirstIcon(const std::wstring& path) override {
        return ShowItemPicture(icone1_.EditPicture(), path, MulDiv(32, WindowDpi(window_), 96));
    }
    bool LoadPicture(const std::wstring& path) override { return ShowPictureFile(icone1_.EditPicture(), path); }
    void ShowPlaceholder() override { icone1_.ShowSharedIcon(placeholder_.Get()); }
    void ClearPicture() override { icone1_.ClearPicture(); }
    std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) override {
        HWND focus = GetFocus();
        auto file = AskOpenFileName(window_, filter, initialName);
        TakeKeyboardBack(focus);
        return file;
    }
    std::optional<ShellItem> AskProgram(const std::wstring& filter, const std::wstring& initialName) override {
        auto item = AskProgramItem(window_, filter, initialName);
        TakeKeyboardBack(text2_);  // on the path the dialog filled in
        return item;
    }
    // The shell's dialog may close without giving the activation back to its owner: the editor takes the keyboard
    // again, so that Alt+A and Escape work at once.
    void TakeKeyboardBack(HWND focus) {
        SetForegroundWindow(window_);
        SetFocus(focus != nullptr && IsChild(window_, focus) ? focus : text2_);
    }
    void Close() override { CloseModal(); }

    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (const auto coloured = LookMessage(window, message, wParam, lParam)) {
            return *coloured;
        }
        switch (message) {
            case WM_TIMER:
                if (wParam == kPreviewTimer) {
                    KillTimer(window_, kPreviewTimer);
                    Run([this] { logic_.OnText2Pause(); });
                    return 0;
                }
                break;
            case WM_COMMAND:
                if (OnCommand(LOWORD(wParam), HIWORD(wParam))) {
                    return 0;
                }
                break;
            case WM_CLOSE:
                Run([this] { logic_.Annuler(); });
                return 0;
            case WM_PAINT:
                PaintFrames();
                return 0;
            case WM_DPICHANGED:
                layout_->OnDpiChanged(wParam, lParam);
                return 0;
            case WM_ACTIVATE:
                // As a dialog box does: the control that had the keyboard has it again when the window comes back.
                if (LOWORD(wParam) == WA_INACTIVE) {
                    HWND focus = GetFocus();
                    focus_ = focus != nullptr && IsChild(window_, focus) ? focus : focus_;
                } else if (HIWORD(wParam) == 0) {
                    SetFocus(focus_);
                }
                return 0;
            default:
                break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    // Icone1 and Label3 (both drawn by ChildControl) choose an icon.
    void OnControlPointer(int id, PointerEvent event) override {
        if (event == PointerEvent::Click && (id == kIcone1 || id == kLabel3)) {
            Run([this] { logic_.OnIconeClick(); });
        }
    }

  private:
    void CreateControls() {
        layout_.emplace(window_);
        numberFont_ = &layout_->Font(L"MS Shell Dlg", 18, {true, false});
        headingFont_ = &layout_->Font(L"Comic Sans MS", 12);
        boldFont_ = &layout_->Font(L"MS Shell Dlg", 8, {true, false});
        tooltip_ = CreateTooltipWindow(window_);
        // Frame1 holds every control; their positions are given inside it.
        const ControlBuilder frame(*layout_, kFrameLeft, kFrameTop);

        constexpr UINT kCentred = DT_CENTER | DT_TOP | DT_WORDBREAK;
        frame.Label(labels_[0], *this, L"1", kCentred, {90, 210, 375, 375}, numberFont_->Get());
        frame.Label(labels_[1], *this, L"2", kCentred, {90, 960, 375, 375}, numberFont_->Get());
        frame.Add(L"BUTTON", L"Parcourir pour localiser le programme \u00e0 ajouter", WS_TABSTOP | BS_PUSHBUTTON,
                  kCommand1, {510, 240, 5025, 345});
        text2_ = frame.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kText2, {510, 630, 5025, 315});
        frame.Add(L"BUTTON", L"Ajouter une ligne de commande", WS_TABSTOP | BS_PUSHBUTTON, kCommand3,
                  {5655, 240, 2985, 345});
        text3_ = frame.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kText3, {5655, 630, 2985, 315});
        // Hints are given room for their whole text in the system's dialog font.
        frame.Label(labels_[2], *this, L"Indiquer ici une info-bulle s'il y a lieu.", DT_LEFT | DT_TOP | DT_WORDBREAK,
                    {480, 1035, 4500, 195});
        text1_ = frame.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kText1, {465, 1305, 8145, 315});
        frame.Label(labels_[3], *this, L"Option de lancement...", kCentred, {5160, 1785, 2415, 345},
                    headingFont_->Get());

        const std::array<Twips, 7> optionPlaces = {{{615, 1710, 1875, 270},
                                                    {2655, 1710, 1875, 270},
                                                    {615, 1980, 1875, 270},
                                                    {2655, 2250, 1875, 270},
                                                    {2655, 1980, 1875, 270},
                                                    {56850, 1995, 240, 270},
                                                    {615, 2250, 1875, 270}}};
        for (int i = 0; i < 7; ++i) {
            DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
            options_[i] = frame.Add(L"BUTTON", kOption1Captions[i], style, kOption1 + i, optionPlaces[i]);
        }
        ShowWindow(options_[5], SW_HIDE);  // element 5 cannot be chosen

        check1_ = frame.Add(L"BUTTON", L"Il s'agit d'un fichier \u00e0 lancer", WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX,
                            kCheck1, {5220, 2220, 3045, 285}, boldFont_->Get());
        AddTooltip(
            tooltip_, window_, check1_,
            L"Si cette case est active, ce fichier sera lanc\u00e9 avec le programme associ\u00e9 par d\u00e9faut.");

        struct Button {
            int index;
            const wchar_t* caption;
            const wchar_t* tip;
            float left;
        } const buttons[] = {
            {0, L"&Ajouter Modifier", L"Ajouter le programme \u00e0 la barre.", 465},
            {2, L"&Enlever", L"Retirer le programme de la barre.", 1425},
            {1, L"Annuler &Retour", L"Fermer cette fen\u00eatre.", 2385},
            {3, L"Aide", L"Fermer cette fen\u00eatre.", 3345},
        };
        for (const auto& button : buttons) {
            const DWORD kind = button.index == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            HWND control = frame.Add(L"BUTTON", button.caption, WS_TABSTOP | kind | BS_MULTILINE,
                                     kCommand2 + button.index, {button.left, 2685, 975, 630});
            AddTooltip(tooltip_, window_, control, button.tip);
        }
        contenu_ = frame.Add(L"BUTTON", L"Afficher le contenu du dossier en menu", WS_TABSTOP | BS_AUTOCHECKBOX,
                             kContenu, {480, 3375, 5025, 270});
        AddTooltip(tooltip_, window_, contenu_,
                   L"Un clic sur ce bouton de la barre ouvre un menu des fichiers et des dossiers qu'il contient.");
        // After the buttons on its left in the tab order: the preview takes the keyboard, its label says what it does.
        const std::wstring hint = L"Cliquer pour changer d'icone-->";
        frame.PlaceText(label3_, kLabel3, *this, {4410, 2880, 3405, 195});
        label3_.SetTextFormat(DT_RIGHT | DT_TOP | DT_SINGLELINE);
        label3_.SetText(hint, layout_->DialogFont());
        frame.Place(icone1_, kIcone1, *this, {7980, 2775, 645, 570});
        icone1_.SetName(hint);
        icone1_.SetFocusable(true);
        // Pointer presses on the tooltip and path boxes refresh the preview.
        common_controls::Subclass(text1_, EditSubclass, kText1, reinterpret_cast<DWORD_PTR>(this));
        common_controls::Subclass(text2_, EditSubclass, kText2, reinterpret_cast<DWORD_PTR>(this));
    }

    // The controls -> the logic's fields, before an event.
    void Pull() override {
        logic_.text1 = TextOf(text1_);
        logic_.text2 = TextOf(text2_);
        logic_.text3 = TextOf(text3_);
        const LRESULT check = SendMessageW(check1_, BM_GETCHECK, 0, 0);
        logic_.check1 = check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 0;
        logic_.contenu = SendMessageW(contenu_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        logic_.option1.reset();
        for (int i = 0; i < 7; ++i) {
            if (SendMessageW(options_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
                logic_.option1 = i;
                break;
            }
        }
    }

    // The logic's fields -> the controls, after it.
    void Push() override {
        if (window_ == nullptr || !IsWindow(window_)) {
            return;
        }
        SetTextIfChanged(window_, logic_.caption);
        SetTextIfChanged(text1_, logic_.text1);
        pushing_ = true;  // not typed: the preview follows what the logic chose
        SetTextIfChanged(text2_, logic_.text2);
        pushing_ = false;
        SetTextIfChanged(text3_, logic_.text3);
        SendMessageW(check1_, BM_SETCHECK,
                     logic_.check1 == 1   ? BST_CHECKED
                     : logic_.check1 == 2 ? BST_INDETERMINATE
                                          : BST_UNCHECKED,
                     0);
        for (int i = 0; i < 7; ++i) {
            SendMessageW(options_[i], BM_SETCHECK, logic_.option1 == i ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        SendMessageW(contenu_, BM_SETCHECK, logic_.contenu == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(contenu_, logic_.contenuPossible ? TRUE : FALSE);
    }

    static LRESULT CALLBACK
    EditSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
        auto* view = reinterpret_cast<EditorView*>(data);
        const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
        const LRESULT result = common_controls::DefaultProc(control, message, wParam, lParam);
        if (press || (release && id == kText2)) {
            view->Run([view] { view->logic_.RafraichirIcone(); });
        }
        if (message == WM_NCDESTROY) {
            common_controls::RemoveSubclass(control, EditSubclass, id);
        }
        return result;
    }

    bool OnCommand(int id, int notification) {
        if (id == kText2 && notification == EN_KILLFOCUS) {
            Run([this] { logic_.OnText2LostFocus(); });
            return true;
        }
        if (id == kText2 && notification == EN_CHANGE && !pushing_) {
            constexpr UINT kTypingPause = 400;  // ms: the picture waits for the user to stop typing
            SetTimer(window_, kPreviewTimer, kTypingPause, nullptr);
            return true;
        }
        if (notification != BN_CLICKED) {
            return false;
        }
        switch (id) {
            case kCommand1:
                Run([this] { logic_.OnCommand1Click(); });
                return true;
            case kCommand3:
                Run([this] { logic_.OnCommand3Click(); });
                return true;
            case kCommand2 + 0:
                Run([this] { logic_.Enregistrer(); });
                return true;
            case IDOK:  // Enter outside the push buttons presses "Ajouter Modifier", the window's default button
                Run([this] {
                    if (GetFocus() == text2_) {
                        logic_.OnText2LostFocus();  // as when the pointer leaves the path for the button
                    }
                    logic_.Enregistrer();
                });
                return true;
            case kCommand2 + 1:
            case IDCANCEL:  // Escape
                Run([this] { logic_.Annuler(); });
                return true;
            case kCommand2 + 2:
                Run([this] { logic_.Enlever(); });
                return true;
            case kCommand2 + 3:
                Run([this] { logic_.Aide(); });
                return true;
            default:
                return false;
        }
    }

    // Frame1's border and the rectangle Shape1 around the launch options.
    void PaintFrames() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        const TwipsScale scale(layout_->Dpi());
        RECT frame{scale.ToPixels(kFrameLeft), scale.ToPixels(kFrameTop), scale.ToPixels(kFrameLeft + 8730),
                   scale.ToPixels(kFrameTop + 3705)};
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        const RECT shape = ControlBuilder(*layout_, kFrameLeft, kFrameTop).ToPixels({480, 1680, 7965, 945});
        DrawOutline(dc, shape, ColourOf(ProgramPalette().windowText));
        EndPaint(window_, &paint);
    }

    Platform& platform_;
    UniqueIcon placeholder_;  // a copy: the bar loads its pictures again when its DPI changes
    FrmAjouteEnleve logic_;
    HINSTANCE instance_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND text1_ = nullptr;
    HWND text2_ = nullptr;
    static constexpr UINT_PTR kPreviewTimer = 1;
    bool pushing_ = false;  // the logic's text going into Text2, not the user's typing
    HWND text3_ = nullptr;
    HWND focus_ = nullptr;  // the control that has the keyboard while the window is active
    HWND check1_ = nullptr;
    HWND contenu_ = nullptr;
    std::array<HWND, 7> options_{};
    std::array<ChildControl, 4> labels_;  // the step numbers, the hint and the heading
    ChildControl label3_;
    ChildControl icone1_;
    std::optional<WindowLayout> layout_;
    const UniqueFont* numberFont_ = nullptr;
    const UniqueFont* headingFont_ = nullptr;
    const UniqueFont* boldFont_ = nullptr;
};

}  // namespace

void ShowEditor(HWND owner,
                Platform& platform,
                BarModel& model,
                int slot,
                HICON placeholder,
                const ShellItem& dropped) {
    EditorView view(owner, platform, model, slot, placeholder);
    view.Show(dropped);
}

}  // namespace zudav::win32
