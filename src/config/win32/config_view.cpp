#include "config/win32/config_view.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "bar/settings/conversions.h"
#include "config/frm_aide.h"
#include "config/win32/config_ids.h"
#include "config/win32/input_box.h"
#include "platform/win32/child_control.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/drawing.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/fonts.h"
#include "platform/win32/hot_key_box.h"
#include "platform/win32/modal.h"
#include "platform/win32/pictures.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"
#include "platform/win32/window_thunk.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {
namespace {

// A fixed dialog frame without minimise or maximise buttons. No WS_CLIPCHILDREN: the outlines of the
// miniature screens are drawn by the window under its frames' controls.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Corners of the frames whose controls are placed inside them.
constexpr float kFrame1Left = 90, kFrame1Top = 60;
constexpr float kFrame2Left = 90, kFrame2Top = 1260;
constexpr float kFrame3Left = 75, kFrame3Top = 2835;
constexpr float kFrame4Left = 75, kFrame4Top = 2775;

// The item column: Ico(0) at 210 and Ico(12) at 7755.
float IcoTop(int position) {
    return 210.0f + static_cast<float>(position) * (7755.0f - 210.0f) / (kSlotCount - 1);
}

class ConfigView final : public ConfigWindow, public ControlOwner, public ModalView {
  public:
    ConfigView(HWND owner, Platform& platform, Principal& principal, BarWindow& bar, HICON freeSlot)
        : ModalView(owner),
          platform_(platform),
          freeSlot_(CopyIcon(freeSlot)),
          logic_(platform, principal, bar, *this) {}

    void Show() {
        instance_ = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
        RegisterWindowClass<ConfigView>(instance_, kConfigWindowClass,
                                        LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ZUDAV)));
        const SIZE size = WindowSizeForClient(owner_, 6975, 10770, kStyle, kExStyle);
        // Beside the bar, whose docking it changes, so that the bar stays in sight.
        const POINT at = PlaceBesideOwner(owner_, size);
        window_ = CreateWindowExW(kExStyle, kConfigWindowClass, logic_.caption.c_str(), kStyle, at.x, at.y, size.cx,
                                  size.cy, owner_, nullptr, instance_, this);
        if (window_ == nullptr) {
            return;
        }
        CreateControls();
        logic_.Charger();
        Push();
        layout_->Arrange();  // with the miniature of the bar's orientation alone on show
        RunModal(owner_, window_, platform_);
    }

    // ConfigWindow
    IconLookup DrawFirstIcon(int position, const std::wstring& path) override {
        return ShowItemPicture(ico_[position].EditPicture(), path, MulDiv(32, WindowDpi(window_), 96));
    }
    bool LoadPicture(int position, const std::wstring& path) override {
        return ShowPictureFile(ico_[position].EditPicture(), path);
    }
    void ShowFreeSlotPicture(int position) override { ico_[position].ShowSharedIcon(freeSlot_.Get()); }
    void ClearPicture(int position) override { ico_[position].ClearPicture(); }
    void ShowSelection(int position) override { image2_.ShowCopyOf(ico_[position]); }
    void ClearSelection() override { image2_.ClearPicture(); }
    void ShowBarIcon() override {
        auto icon = reinterpret_cast<HICON>(SendMessageW(owner_, WM_GETICON, ICON_BIG, 0));
        if (icon == nullptr) {
            icon = reinterpret_cast<HICON>(GetClassLongPtrW(owner_, GCLP_HICON));
        }
        // A copy: the bar may change its icon while this window shows the old one. A bar without an icon of its own
        // stands for the built-in one, as its notification icon shows it: an empty box would not say what to click.
        UniqueIcon shown(icon != nullptr ? CopyIcon(icon) : nullptr);
        if (!shown) {
            shown = LoadResourceIcon(instance_, IDI_ZUDAV, 32, WindowDpi(owner_));
        }
        if (shown) {
            image1_.ShowOwnedIcon(std::move(shown));
        } else {
            image1_.ClearPicture();
        }
    }
    bool LoadApplicationIcon(const std::wstring& path) override { return ShowPictureFile(image1_.EditPicture(), path); }
    std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) override {
        return AskOpenFileName(window_, filter, initialName);
    }
    std::optional<std::wstring> AskSaveFile(const std::wstring& filter, const std::wstring& initialName) override {
        return AskSaveFileName(window_, filter, initialName);
    }
    std::optional<std::wstring> AskText(const std::wstring& prompt, const std::wstring& title) override {
        return win32::AskText(window_, platform_, prompt, title);
    }
    void ShowFields() override { Push(); }
    void Close() override { CloseModal(); }

    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (const auto coloured = LookMessage(window, message, wParam, lParam)) {
            return *coloured;
        }
        static const UINT hotKeyTaken = RegisterWindowMessageW(kHotKeyTakenMessage);
        if (message == hotKeyTaken) {
            Run([this, wParam] { logic_.OnRaccourciPris(static_cast<std::uint16_t>(wParam)); });
            return 0;
        }
        switch (message) {
            case WM_COMMAND:
                if (HIWORD(wParam) == BN_CLICKED && OnClick(LOWORD(wParam))) {
                    return 0;
                }
                if (HIWORD(wParam) == CBN_SELCHANGE && LOWORD(wParam) == kConfigTheme) {
                    Run([this] { logic_.OnThemeChange(); });
                    return 0;
                }
                if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == kConfigRaccourci) {
                    Run([this] { logic_.OnRaccourciChange(); });
                    return 0;
                }
                break;
            case WM_CLOSE:
                Run([this] { logic_.Fermer(); });
                return 0;
            case WM_PAINT:
                PaintShapes();
                return 0;
            case WM_DPICHANGED:
                layout_->OnDpiChanged(wParam, lParam);
                return 0;
            default:
                break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void OnControlPointer(int id, PointerEvent event) override {
        if (event != PointerEvent::Click) {
            return;
        }
        if (id == kConfigImage1) {
            Run([this] { logic_.OnImage1Click(); });
        } else if (id >= kConfigIco && id < kConfigIco + kSlotCount) {
            Run([this, id] { logic_.OnIcoClick(id - kConfigIco); });
        }
    }

  private:
    void CreateControls() {
        layout_.emplace(window_);
        presetFont_ = &layout_->Font(L"Arial", 12, {true, false});
        legendFont_ = &layout_->Font(L"Arial", 6.75f);
        tooltip_ = CreateTooltipWindow(window_);
        const ControlBuilder client(*layout_);
        const DWORD tab = WS_TABSTOP;

        client.Add(L"BUTTON", L"Ajouter ou enlever un item", BS_GROUPBOX, 0, {90, 60, 4515, 1065});
        label1_ = client.Inside(kFrame1Left, kFrame1Top)
                      .Add(L"STATIC", L"Label1", SS_NOPREFIX, kConfigLabel1, {90, 225, 4320, 735});

        client.Add(L"BUTTON", L"Param\u00e8tres facultatifs", BS_GROUPBOX, 0, {90, 1260, 4515, 1245});
        const ControlBuilder frame2 = client.Inside(kFrame2Left, kFrame2Top);
        check1_[0] = frame2.Add(L"BUTTON", L"Toujours au premier plan", tab | BS_AUTOCHECKBOX, kConfigCheck1 + 0,
                                {120, 240, 3720, 225});
        check1_[2] = frame2.Add(L"BUTTON", L"Retour automatique \u00e0 la barre des t\u00e2ches", tab | BS_AUTOCHECKBOX,
                                kConfigCheck1 + 2, {120, 555, 3720, 225});
        frame2.Add(L"STATIC", L"Lancer au d\u00e9marrage de Windows...", 0, 0, {90, 945, 2760, 225});
        frame2.Add(L"BUTTON", L"Oui", tab | BS_PUSHBUTTON, kConfigCommand4 + 0, {3090, 840, 645, 345});
        frame2.Add(L"BUTTON", L"Non", tab | BS_PUSHBUTTON, kConfigCommand4 + 1, {3720, 840, 645, 345});

        barreHV_[0] = client.Add(L"BUTTON", L"Zudav Verticale", WS_GROUP | tab | BS_AUTORADIOBUTTON, kConfigBarreHV + 0,
                                 {90, 2550, 1485, 315});
        barreHV_[1] = client.Add(L"BUTTON", L"Zudav Horizontale", BS_AUTORADIOBUTTON, kConfigBarreHV + 1,
                                 {1830, 2565, 2415, 315});
        for (int index = 0; index < 2; ++index) {
            common_controls::Subclass(barreHV_[index], PressSubclass, kConfigBarreHV + index,
                                      reinterpret_cast<DWORD_PTR>(this));
        }
        CreateVerticalMiniature(client);
        CreateHorizontalMiniature(client);

        check2_ = client.Add(L"BUTTON", L"Verrouiller cette barre d'outils...", WS_GROUP | tab | BS_AUTOCHECKBOX,
                             kConfigCheck2, {2070, 5805, 2565, 240});
        common_controls::Subclass(check2_, PressSubclass, kConfigCheck2, reinterpret_cast<DWORD_PTR>(this));
        client.Add(L"STATIC", L"Nom de la barre...", 0, 0, {570, 6075, 1350, 270});
        texts_[0] = client.Add(L"EDIT", L"", tab | WS_BORDER | ES_AUTOHSCROLL, kConfigText1, {150, 6345, 2040, 390});
        client.Add(L"STATIC", L"Coeficient de d\u00e9calage", 0, 0, {2280, 6075, 1740, 270});
        texts_[1] =
            client.Add(L"EDIT", L"", tab | WS_BORDER | ES_AUTOHSCROLL, kConfigText1 + 1, {2805, 6345, 615, 390});
        AddTooltip(tooltip_, window_, texts_[1],
                   L"Si vous constatez, au fur des lancements, un d\u00e9calage vertical.");
        client.Add(L"STATIC", L"S\u00e9lection", 0, 0, {3975, 6345, 765, 195});
        client.Place(image2_, kConfigImage2, *this, {4095, 6555, 510, 510});
        client.Add(L"STATIC", L"Icone de l'application (Cliquez pour modifier)", 0, 0, {750, 6975, 915, 900});
        client.Place(image1_, kConfigImage1, *this, {150, 7110, 510, 510});
        image1_.SetName(L"Icone de l'application (Cliquez pour modifier)");  // the label beside it shows it
        image1_.SetFocusable(true);
        // It ends where the buttons under it begin.
        client.Add(L"STATIC",
                   L"Pour d\u00e9placer une icone, s\u00e9l\u00e9ctionnez-la puis cliquez sur l'icone avec laquelle "
                   L"vous voulez intervertir.",
                   SS_RIGHT, 0, {2445, 7140, 2400, 930});

        struct Button {
            const wchar_t* caption;
            int id;
            float left, width;
        } const buttons[] = {
            {L"Cr\u00e9er une nouvelle barre.", kConfigCommand3, 150, 1410},
            {L"Reset", kConfigCommand5, 1545, 1125},
            {L"Aide", kConfigCommand6, 2655, 1125},
            {L"&Fermer", kConfigCommand1, 3765, 1125},
        };
        for (const Button& button : buttons) {
            client.Add(L"BUTTON", button.caption, tab | BS_PUSHBUTTON | BS_MULTILINE, button.id,
                       {button.left, 8070, button.width, 705});
        }

        // The item column, read after the controls on its left: Tab reaches each position, Space or Enter clicks it.
        for (int i = 0; i < kSlotCount; ++i) {
            client.Place(ico_[i], kConfigIco + i, *this, {5115, IcoTop(i), 520, 520});
            ico_[i].SetFocusable(true);
            ttt_[i] = client.Add(L"STATIC", L"Info Bulle", SS_NOPREFIX, kConfigTTT + i, {5730, IcoTop(i), 1140, 555});
        }

        // Under the buttons and the item column, in the room the window gained for it: the hot key that brings the bar
        // to the keyboard. A key without Ctrl or Alt would be taken from every program: the box adds Ctrl+Alt to it.
        client.Add(L"STATIC", L"Raccourci clavier de la barre :", 0, 0, {150, 8925, 2640, 270});
        hotKey_ = client.Add(HOTKEY_CLASSW, L"", tab | WS_BORDER, kConfigRaccourci, {2820, 8880, 2070, 345});
        SendMessageW(hotKey_, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
        // A bar at an edge of the screen: their tooltip says whether the bar is at one.
        edgeBoxes_[0] = client.Add(L"BUTTON", L"R\u00e9server sa place au bord de l'\u00e9cran", tab | BS_AUTOCHECKBOX,
                                   kConfigReserver, {150, 9345, 4740, 240});
        edgeBoxes_[1] = client.Add(L"BUTTON", L"Masquer automatiquement la barre", tab | BS_AUTOCHECKBOX,
                                   kConfigMasquer, {150, 9645, 4740, 240});
        for (HWND box : edgeBoxes_) {
            AddTooltip(tooltip_, window_, box, L"");
        }
        // The bar's look, light or dark whatever the system's apps are.
        client.Add(L"STATIC", L"Apparence :", 0, 0, {150, 10035, 1275, 270});
        theme_ =
            client.Add(WC_COMBOBOXW, L"", tab | WS_VSCROLL | CBS_DROPDOWNLIST, kConfigTheme, {1470, 9975, 2070, 1200});
        for (const wchar_t* choice : {L"Syst\u00e8me", L"Clair", L"Sombre"}) {
            SendMessageW(theme_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
        }
        // Beside the look, which every window of the bar shows: the same bar at the same edge of every monitor.
        chaqueEcran_ = client.Add(L"BUTTON", L"Afficher la barre sur chaque \u00e9cran", tab | BS_AUTOCHECKBOX,
                                  kConfigChaqueEcran, {3705, 10050, 3165, 240});
        // Under the item column, beside the options above: the bar's settings to a file and back.
        client.Add(L"BUTTON", L"Exporter...", tab | BS_PUSHBUTTON, kConfigExporter, {5115, 8880, 1755, 390});
        client.Add(L"BUTTON", L"Importer...", tab | BS_PUSHBUTTON, kConfigImporter, {5115, 9345, 1755, 390});
        // Under the look, across the window: what a click on a running program's slot does.
        basculer_ = client.Add(L"BUTTON", L"Un clic sur un programme ouvert affiche sa fen\u00eatre",
                               tab | BS_AUTOCHECKBOX, kConfigBasculer, {150, 10440, 6675, 240});
    }

    // Frame3: tall buttons for vertical bars along the top edge of a miniature screen.
    void CreateVerticalMiniature(const ControlBuilder& client) {
        frame3_.push_back(client.Add(L"BUTTON", L"FrameV", BS_GROUPBOX, kConfigFrame3, {75, 2835, 4770, 2910}));
        const ControlBuilder frame = client.Inside(kFrame3Left, kFrame3Top);
        texts_[2] = MarginBox(frame, kConfigText1 + 2, {2970, 135, 660, 300});
        texts_[3] = MarginBox(frame, kConfigText1 + 3, {4095, 1080, 390, 300});
        frame3_.push_back(texts_[2]);
        frame3_.push_back(texts_[3]);
        for (int k = 1; k <= 4; ++k) {
            frame3_.push_back(PresetButton(frame, IntegerToText(k), kConfigCommandGx + k,
                                           {225.0f + 330.0f * static_cast<float>(k - 1), 435, 345, 2190}));
        }
        for (int k = 1; k <= 6; ++k) {  // Command2(6) leftmost, captioned "1"
            frame3_.push_back(PresetButton(frame, IntegerToText(7 - k), kConfigCommand2 + k,
                                           {2085.0f + 330.0f * static_cast<float>(6 - k), 435, 345, 2190}));
        }
        // In the gap between the two groups of buttons, a word on each line. A control's left and width are rounded to
        // pixels one by one: these keep the legend clear of both buttons from 96 to 288 dpi.
        frame3_.push_back(frame.Add(L"STATIC", L"Position des barres sur l'\u00e9cran.", 0, 0, {1565, 1035, 520, 1065},
                                    legendFont_->Get()));
    }

    // Frame4: wide buttons for horizontal bars in rows at the four corners of a miniature screen.
    void CreateHorizontalMiniature(const ControlBuilder& client) {
        frame4_.push_back(client.Add(L"BUTTON", L"FrameV", BS_GROUPBOX, kConfigFrame4, {75, 2775, 4770, 3015}));
        const ControlBuilder frame = client.Inside(kFrame4Left, kFrame4Top);
        for (int k = 0; k < 6; ++k) {
            const float left = k < 3 ? 660 : 2340;
            const float row = static_cast<float>(k % 3);
            const std::wstring caption = IntegerToText(k % 3 + 1);
            frame4_.push_back(PresetButton(frame, caption, kConfigCommandHt + k, {left, 225 + 270 * row, 1620, 285}));
            frame4_.push_back(PresetButton(frame, caption, kConfigCommandB + k, {left, 2175 - 270 * row, 1620, 285}));
        }
        texts_[5] = MarginBox(frame, kConfigText1 + 5, {225, 1260, 510, 300});
        texts_[6] = MarginBox(frame, kConfigText1 + 6, {3945, 1260, 510, 300});
        texts_[4] = MarginBox(frame, kConfigText1 + 4, {1980, 2565, 945, 300});
        frame4_.insert(frame4_.end(), {texts_[4], texts_[5], texts_[6]});
        // On one line between the top rows and the bottom ones, level with the side margins.
        frame4_.push_back(frame.Add(L"STATIC", L"Position des barres sur l'\u00e9cran.", SS_CENTER, 0,
                                    {1395, 1320, 2430, 300}, legendFont_->Get()));
    }

    // The margin boxes are narrow: their text gets the whole width.
    static HWND MarginBox(const ControlBuilder& frame, int id, const Twips& at) {
        HWND box = frame.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_CENTER, id, at);
        SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        return box;
    }

    HWND PresetButton(const ControlBuilder& frame, const std::wstring& caption, int id, const Twips& at) {
        return frame.Add(L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, id, at, presetFont_->Get());
    }

    static int CheckOf(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }
    static void SetCheck(HWND box, int state) {
        SendMessageW(box, BM_SETCHECK, state == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    // The controls -> the logic's fields, before an event.
    void Pull() override {
        std::wstring* texts[] = {&logic_.text1, &logic_.text2, &logic_.text3, &logic_.text4,
                                 &logic_.text5, &logic_.text6, &logic_.text7};
        for (size_t i = 0; i < texts_.size(); ++i) {
            *texts[i] = TextOf(texts_[i]);
        }
        logic_.check1[0] = CheckOf(check1_[0]);
        logic_.check1[2] = CheckOf(check1_[2]);
        logic_.check2 = CheckOf(check2_);
        logic_.reserver = CheckOf(edgeBoxes_[0]);
        logic_.masquer = CheckOf(edgeBoxes_[1]);
        logic_.basculer = CheckOf(basculer_);
        logic_.chaqueEcran = CheckOf(chaqueEcran_);
        logic_.theme = std::max(0, static_cast<int>(SendMessageW(theme_, CB_GETCURSEL, 0, 0)));
        logic_.barreHV = CheckOf(barreHV_[1]);
        logic_.raccourci = LOWORD(SendMessageW(hotKey_, HKM_GETHOTKEY, 0, 0));
        logic_.modificateurTenu = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    }

    // The logic's fields -> the controls, after it.
    void Push() override {
        if (window_ == nullptr || !IsWindow(window_)) {
            return;
        }
        SetTextIfChanged(window_, logic_.caption);
        SetTextIfChanged(label1_, logic_.label1);
        const std::wstring* texts[] = {&logic_.text1, &logic_.text2, &logic_.text3, &logic_.text4,
                                       &logic_.text5, &logic_.text6, &logic_.text7};
        for (size_t i = 0; i < texts_.size(); ++i) {
            SetTextIfChanged(texts_[i], *texts[i]);
        }
        SetCheck(check1_[0], logic_.check1[0]);
        SetCheck(check1_[2], logic_.check1[2]);
        SetCheck(check2_, logic_.check2);
        SetCheck(edgeBoxes_[0], logic_.reserver);
        SetCheck(edgeBoxes_[1], logic_.masquer);
        SetCheck(basculer_, logic_.basculer);
        SetCheck(chaqueEcran_, logic_.chaqueEcran);
        if (SendMessageW(theme_, CB_GETCURSEL, 0, 0) != logic_.theme) {
            SendMessageW(theme_, CB_SETCURSEL, static_cast<WPARAM>(logic_.theme), 0);
        }
        const std::wstring* ancrages[] = {&logic_.ancrage, &logic_.ancrageMasquer};
        for (size_t i = 0; i < edgeBoxes_.size(); ++i) {
            if (shownAncrages_[i] != *ancrages[i]) {
                shownAncrages_[i] = *ancrages[i];
                SetTooltipText(tooltip_, window_, edgeBoxes_[i], shownAncrages_[i]);
            }
        }
        SetCheck(barreHV_[0], logic_.barreHV == 0 ? 1 : 0);
        SetCheck(barreHV_[1], logic_.barreHV == 1 ? 1 : 0);
        if (LOWORD(SendMessageW(hotKey_, HKM_GETHOTKEY, 0, 0)) != logic_.raccourci) {
            SendMessageW(hotKey_, HKM_SETHOTKEY, logic_.raccourci, 0);
        }
        ShowFrame(frame3_, logic_.frame3Visible);
        ShowFrame(frame4_, logic_.frame4Visible);
        for (int i = 0; i < kSlotCount; ++i) {
            SetTextIfChanged(ttt_[i], logic_.items[i].tool);
            // Its name for screen readers: the item's tooltip, or the position.
            const std::wstring& tool = logic_.items[i].tool;
            ico_[i].SetName(tool.empty() ? L"Emplacement " + IntegerToText(i + 1) : tool);
        }
    }

    void ShowFrame(const std::vector<HWND>& controls, bool visible) {
        if (controls.empty()) {
            return;
        }
        // The window's own style: before the window shows, every control reads as not visible.
        const bool shown = (GetWindowLongPtrW(controls.front(), GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown == visible) {
            return;
        }
        for (HWND control : controls) {
            ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
        }
        InvalidateRect(window_, nullptr, TRUE);  // the outline of the miniature goes or comes with it
    }

    bool OnClick(int id) {
        const auto in = [id](int base, int first, int last) { return id >= base + first && id <= base + last; };
        if (id == kConfigCommand1 || id == IDCANCEL) {
            Run([this] { logic_.Fermer(); });
        } else if (id == kConfigCommand3) {
            Run([this] { logic_.OnCommand3Click(); });
        } else if (in(kConfigCommand4, 0, 1)) {
            Run([this, id] { logic_.OnCommand4Click(id - kConfigCommand4); });
        } else if (id == kConfigCommand5) {
            Run([this] { logic_.OnCommand5Click(); });
        } else if (id == kConfigCommand6) {
            Run([this] { logic_.OnCommand6Click(); });
        } else if (id == kConfigExporter) {
            Run([this] { logic_.OnExporterClick(); });
        } else if (id == kConfigImporter) {
            Run([this] { logic_.OnImporterClick(); });
        } else if (in(kConfigCommandGx, 1, 4)) {
            Run([this, id] { logic_.OnPresetClick(PresetGroup::CommandGx, id - kConfigCommandGx); });
        } else if (in(kConfigCommand2, 1, 6)) {
            Run([this, id] { logic_.OnPresetClick(PresetGroup::Command2, id - kConfigCommand2); });
        } else if (in(kConfigCommandHt, 0, 5)) {
            Run([this, id] { logic_.OnPresetClick(PresetGroup::CommandHt, id - kConfigCommandHt); });
        } else if (in(kConfigCommandB, 0, 5)) {
            Run([this, id] { logic_.OnPresetClick(PresetGroup::CommandB, id - kConfigCommandB); });
        } else {
            return false;
        }
        return true;
    }

    // Any mouse button pressed on an orientation option turns the bar; the pointer moving over the lock box
    // applies the lock as the box shows it.
    static LRESULT CALLBACK
    PressSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
        auto* view = reinterpret_cast<ConfigView*>(data);
        const LRESULT result = common_controls::DefaultProc(control, message, wParam, lParam);
        const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        if (press && id != kConfigCheck2) {
            const int index = static_cast<int>(id) - kConfigBarreHV;
            view->Run([view, index] { view->logic_.OnBarreHVPress(index); });
        } else if (message == WM_MOUSEMOVE && id == kConfigCheck2) {
            view->Run([view] { view->logic_.OnCheck2PointerMove(); });
        }
        if (message == WM_NCDESTROY) {
            common_controls::RemoveSubclass(control, PressSubclass, id);
        }
        return result;
    }

    // Shape1: the outline around the item column, and that of the miniature screen on show.
    void PaintShapes() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        const ControlBuilder client(*layout_);
        const COLORREF ink = ColourOf(ProgramPalette().windowText);
        DrawOutline(dc, client.ToPixels({4950, 135, 2010, 8220}), ink);
        if (logic_.frame3Visible) {
            DrawOutline(dc, client.Inside(kFrame3Left, kFrame3Top).ToPixels({135, 60, 4425, 2685}), ink);
        }
        if (logic_.frame4Visible) {
            DrawOutline(dc, client.Inside(kFrame4Left, kFrame4Top).ToPixels({135, 135, 4425, 2820}), ink);
        }
        EndPaint(window_, &paint);
    }

    Platform& platform_;
    UniqueIcon freeSlot_;  // a copy: the bar loads its pictures again when its DPI changes
    FrmAide logic_;
    HINSTANCE instance_ = nullptr;
    HWND tooltip_ = nullptr;
    std::array<HWND, 2> edgeBoxes_{};  // Reserver, Masquer
    HWND basculer_ = nullptr;
    HWND chaqueEcran_ = nullptr;
    HWND theme_ = nullptr;                       // "Apparence :"
    std::array<std::wstring, 2> shownAncrages_;  // the edge boxes' tooltips as shown
    HWND label1_ = nullptr;
    std::array<HWND, 7> texts_{};   // Text1 ... Text7
    std::array<HWND, 3> check1_{};  // Check1(0) and Check1(2)
    HWND check2_ = nullptr;
    HWND hotKey_ = nullptr;
    std::array<HWND, 2> barreHV_{};
    std::vector<HWND> frame3_;  // the controls of each miniature, shown and hidden together
    std::vector<HWND> frame4_;
    std::array<ChildControl, kSlotCount> ico_;
    std::array<HWND, kSlotCount> ttt_{};
    ChildControl image1_;
    ChildControl image2_;
    std::optional<WindowLayout> layout_;
    const UniqueFont* presetFont_ = nullptr;
    const UniqueFont* legendFont_ = nullptr;
};

}  // namespace

void ShowConfigWindow(HWND owner, Platform& platform, Principal& principal, BarWindow& bar, HICON freeSlot) {
    ConfigView view(owner, platform, principal, bar, freeSlot);
    view.Show();
}

}  // namespace zudav::win32
