// The Win32 window of the bar Principal: a sizable tool window that draws its thirteen cells and icon boxes, "Action"
// and "Arrêter" itself, hit-tests the pointer against them, and shows them to screen readers. It shows the logic's
// state and forwards events; the modal windows it opens are handed to it by main.cpp.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "bar/accessible_names.h"
#include "bar/bar_window.h"
#include "bar/keyboard.h"
#include "bar/model/stored_keys.h"
#include "bar/principal.h"
#include "bar/slot_geometry.h"
#include "bar/win32/bar_accessible.h"
#include "bar/win32/bar_automation.h"
#include "bar/win32/bar_drop_target.h"
#include "bar/win32/bar_folder_menu.h"
#include "bar/win32/desktop_toolbar.h"
#include "bar/win32/drag_picture.h"
#include "bar/win32/shell_item_menu.h"
#include "platform/dpi_layout.h"
#include "platform/slow_files.h"
#include "platform/win32/child_control.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture.h"

namespace zudav::win32 {

// What opens the bar's modal windows, each over the bar, returning when it is closed: the bar's view does not know the
// windows that know the bar.
struct BarDialogs {
    std::function<void()> about;
    // The item editor of a slot, filled from a file or an app dropped on it when one is given.
    std::function<void(int slot, const ShellItem& dropped)> editor;
    std::function<void()> configuration;
};

class BarView final : public BarWindow, public AccessibleBarView {
  public:
    explicit BarView(HINSTANCE instance);
    ~BarView();
    BarView(const BarView&) = delete;
    BarView& operator=(const BarView&) = delete;

    // Creates the window, hidden, with its design values.
    bool Create();
    // Binds the logic, which from now on also answers files dragged over the window, and what opens its windows.
    void Attach(Principal& principal, BarDialogs dialogs);
    HWND Handle() const { return window_; }
    // Shows and activates the window once start-up has run.
    void ShowLoaded();
    // A window of the bar on another monitor than its own window's: shown without taking the keyboard; closing it asks
    // the bar's own window to close, and it ends nothing itself.
    void ShowOnOtherScreen();
    // Destroys the window without exit processing (a second copy that ends at once, a monitor gone).
    void Discard();
    // The built-in pictures of a placeholder and of a free slot, at the window's DPI, for the windows that show them.
    HICON PlaceholderPicture() const { return icons_.placeholder.Get(); }
    HICON FreeSlotPicture() const { return icons_.freeSlot.Get(); }

    Geometry Bounds() const override;
    Geometry RestoredBounds() const override;
    FrameMargins InvisibleFrame() const override;
    float SizeScale() const override;
    bool IsMinimized() const override;
    bool SetLeft(float twips) override;
    bool SetTop(float twips) override;
    bool SetWidth(float twips) override;
    bool SetHeight(float twips) override;
    std::wstring Caption() const override;
    void SetCaption(const std::wstring& caption) override;
    bool LoadIconFile(const std::wstring& path, Reading reading) override;
    void ClearIcon() override;
    void MakeTopmost() override;
    void MakeNotTopmost() override;
    void StepAsideForFront() override;
    void StandBelowTaskbar() override;
    void ShowOverDesktop() override;
    void ShowControls(const BarControls& controls) override;
    PictureLook Look() const override;
    void ShowLook(zudav::Look look) override;
    void ShowSquareCorners(bool square) override;
    IconLookup DrawFirstIcon(int box, const std::wstring& path, Reading reading) override;
    bool LoadPicture(int box, const std::wstring& path, Reading reading) override;
    void ShowBuiltInPicture(int box, BuiltInPicture picture) override;
    void ClearPicture(int box) override;
    void SetSlotTooltips(int slot, const std::wstring& text) override;
    void ShowSlotItem(int slot, const SlotItem& item) override;
    void SetCellBorder(int cell, bool border) override;
    void SetTimerEnabled(bool enabled) override;
    void TakeFocus() override;
    bool SetHotKey(std::uint16_t value) override;
    bool HandHotKeyToBoxInFront(std::uint16_t combination) override;
    bool HasKeyboard() const override;
    void TakeKeyboard() override;
    void GiveKeyboardBack() override;
    void BeginDrag() override;
    void SetEnabled(bool enabled) override;
    void Minimize() override;
    void Restore() override;
    void Show() override;
    bool AddTrayIcon() override;
    void RemoveTrayIcon() override;
    void GiveKeyboardToTrayIcon() override;
    void SetTrayRetryTimer(bool enabled) override;
    void BringBackRunningCopy(const std::wstring& application) override;
    void BringToFront() override;
    void ShowAbout() override;
    void ShowItemEditor(int slot) override;
    void ShowItemEditorForFile(int slot, const std::wstring& file) override;
    void ShowItemEditorForApp(int slot, const ShellItem& app) override;
    void ShowConfiguration() override;
    void BringModalToFront() override;
    void PopupMenuAide(bool proposIsDefault, std::optional<PixelPoint> at) override;
    std::optional<FolderChoice> ShowFolderMenu(int slot, const std::wstring& folder, Reading reading) override;
    void ShowRunning(const std::bitset<kSlotCount>& running) override;
    std::uintptr_t WindowBeforeBar() const override;
    std::function<void()> DesktopNotice() const override;
    std::optional<int> ChooseWindow(int slot, const std::vector<DesktopWindow>& windows) override;
    DesktopToolbar& Toolbar() override { return toolbar_; }
    void StartDockingTimer() override;
    void SetHideTimer(bool running) override;
    bool PointerOver() const override;
    void Announce(const std::wstring& text) override;
    void Close() override;

    HWND Window() const override { return window_; }
    AccessibleElement Element(int element) const override;
    RECT ElementPlace(int element) const override;
    std::optional<int> ElementAt(POINT client) const override;
    std::optional<int> KeyboardFocus() const override;
    void FocusElement(int element) override;
    void PostDefaultAction(int element) override;
    bool MenuOpen(int element) const override { return openMenu_ == element; }
    // The bar's UI Automation provider, made when first needed; nullptr without UI Automation.
    BarAutomation* Automation();

    // For the window procedure.
    void Bind(HWND window) {
        window_ = window;
        toolbar_.Bind(window);
    }
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // The tools of the tooltip control: one per slot (its number), and "Arrêter".
    static constexpr UINT_PTR kStopTool = kSlotCount;
    static constexpr UINT_PTR kTimer1 = 1;
    static constexpr UINT_PTR kTrayRetryTimer = 2;
    static constexpr UINT_PTR kDockingTimer = 3;
    static constexpr UINT_PTR kHideTimer = 4;
    static constexpr int kHotKeyId = 1;

    // bar_dpi.cpp: the bar laid out at a new DPI, in its place at that DPI; and a change of DPI that Windows did not
    // tell looked for (true when the bar took a new DPI).
    void TakeDpi(int dpi, const RECT& place);
    bool FollowDpi();
    // bar_slots.cpp: what the slots show.
    void ShowAtDpi(int dpi);
    void LoadBuiltInIcons(int dpi);
    int PicturePixels() const;  // an item's picture: 32, 24 or 16 pixels at 96 dpi
    void PlaceParts(const BarPixels& parts);
    void SetTooltip(UINT_PTR tool, const std::wstring& text);
    void InvalidatePart(const PixelRect& rect);
    void InvalidateAll();
    void ShowReadPicture(LPARAM result);
    void ForgetSlowReads(int box);
    // Shows an icon file's pictures as the window's icon, and the small one in the notification area.
    void ShowIconFile(UniqueIcon icon, UniqueIcon smallIcon);
    static int TrayIconSize();
    void Paint();
    // bar_shell.cpp: the notification icon.
    NOTIFYICONDATAW TrayIconData();
    UniqueIcon MakeTrayPicture() const;
    void UpdateTrayIcon();
    // bar_view.cpp
    void ShowIcon(HICON icon);
    bool Resize(int width, int height);
    // bar_messages.cpp: the pointer and the keyboard.
    bool OnPointer(UINT message, LPARAM lParam);
    void OnPartPointer(const BarHit& hit, PointerEvent event);
    static bool AdministratorKeysDown();
    void LaunchSlot(int slot, bool asAdministrator);
    // bar_item_drag.cpp: a slot's item dragged onto another. The slot under a point of the client area where the bar
    // is what the pointer is on (not under another window); how far the pointer goes before a press is a drag; the
    // left button down on a slot, the item's picture under the pointer, the end of the press, and the press given up
    // (Escape, the capture lost).
    std::optional<int> SlotUnder(int x, int y) const;
    DragDistance DragDistanceNow() const;
    void PressSlot(int slot, POINT at);
    void ShowDraggedItem(int slot, POINT at);
    void EndSlotPress();
    void CancelSlotPress();
    // What a key asks for now, with the modifiers held and the element that has the focus.
    KeyAction KeyActionOf(WPARAM key) const;
    bool OnKey(WPARAM key, bool repeated);
    void EditFocused();  // the context key's action: the focused slot's editor, or the focused button
    void RememberForeground();
    void MoveFocus(int element);
    void Activate(int element, bool asAdministrator = false);
    // bar_accessible_view.cpp
    LRESULT AnswerAccessibility(WPARAM wParam, LPARAM lParam);
    // bar_handlers.cpp: the user sizes the bar by a border.
    void SizeByBorder(WPARAM edge, RECT& proposed) const;
    // bar_full_screen.cpp: the window in the foreground, for the logic to step aside for a full-screen program.
    void WatchForeground();
    void StopWatchingForeground();
    // The pointer on the window (its client area or its frame), followed until it leaves.
    void FollowPointer(bool frame);
    void FollowForeground();
    static void CALLBACK
    OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread, DWORD time);

    // The window procedure (bar_messages.cpp) decodes each message and hands it to its handler, which answers it, or
    // leaves it to DefWindowProc (nullopt) once it has acted on it.
    using Answer = std::optional<LRESULT>;
    Answer Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // bar_messages.cpp: the pointer, the keyboard and the focus.
    Answer OnMouseMove(LPARAM at);
    Answer OnMouse(UINT message, LPARAM at);  // the buttons, and the moves, in the client area
    Answer OnNcMouseMove();
    Answer OnMouseLeave(bool frame);
    Answer OnCaptureChanged();
    Answer OnKeyDown(WPARAM key, bool repeated);
    Answer OnSysKeyDown(WPARAM key, bool repeated, bool altDown);
    Answer OnSysCommand(WPARAM command, LPARAM character);
    Answer OnContextMenu(bool fromKeyboard);
    Answer OnHotKey(WPARAM id);
    Answer OnSetFocus();
    Answer OnKillFocus();
    // bar_accessible_view.cpp: the screen readers.
    Answer OnGetObject(WPARAM flags, LPARAM objectId);
    Answer OnDefaultAction(WPARAM element);
    // bar_dpi.cpp
    Answer OnDpiChanged(int dpi, const RECT& suggested);
    Answer OnDisplayChange();
    // bar_slots.cpp
    Answer OnPaint();
    Answer OnPictureRead(LPARAM result);
    // bar_shell.cpp: the shell's restart, a second start of the bar, the notification icon, the desktop toolbar's
    // notices and the menu "Fichier".
    Answer OnTaskbarCreated();
    Answer OnStartedAgain();
    Answer OnTrayIcon(WORD code, WORD icon, WPARAM anchor);
    Answer OnToolbarNotice(WPARAM notice, LPARAM lParam);
    Answer OnCommand(WORD id, WORD code);
    std::array<std::optional<std::array<PixelPoint, 3>>, kSlotCount> FolderMarks() const;
    std::array<std::optional<PixelRect>, kSlotCount> RunningMarks() const;
    // A menu beside a slot, on the side with room, the slot left in sight; TrackPopupMenuEx's answer.
    UINT TrackBesideSlot(HMENU menu, int slot, UINT flags);
    std::optional<MenuSide> MarksSide() const;
    void FollowMarksSide();
    void ListenToDesktopWindows();
    void StopListeningToDesktopWindows();
    Answer OnShellHook(WPARAM code);
    Answer OnDesktopWindows();
    Answer OnInitMenuPopup(HMENU menu);
    Answer OnMenuChar(HMENU menu, wchar_t letter);
    Answer OnUninitMenuPopup(HMENU menu);
    Answer OnMenuRightButtonUp(HMENU menu, int position);
    Answer OnFolderRead(WPARAM token, FolderNews news);
    // bar_full_screen.cpp
    Answer OnActivateApp(bool active);
    // bar_handlers.cpp: the size and place, the settings followed, the timers, the activation, the other processes'
    // messages and the end of the window.
    Answer OnSizing(WPARAM edge, RECT& proposed);
    Answer OnEnterSizeMove();
    Answer OnExitSizeMove();
    Answer OnGetMinMaxInfo(MINMAXINFO& limits);
    Answer OnSize(WPARAM state);
    Answer OnWindowPosChanged();
    Answer OnThemeChanged();
    Answer OnSettingChange(WPARAM action, const wchar_t* area);
    Answer OnSysColorChange();
    Answer OnPowerBroadcast(WPARAM event);
    Answer OnTimer(UINT_PTR id);
    Answer OnActivate(WORD state, HWND previous);
    Answer OnAfterDrop();
    Answer OnTakeSettings(WPARAM request);
    Answer OnLiveHandlesQuery(WPARAM kind);
    Answer OnClose();
    Answer OnEndSession(bool ending, bool closeApp);
    Answer OnDestroy();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    Principal* principal_ = nullptr;
    BarDialogs dialogs_;
    bool closed_ = false;
    bool endsProgram_ = true;     // the bar's own window, whose end ends the program
    bool sizedByBorder_ = false;  // the move-size loop that runs sized the bar
    bool timerRunning_ = false;
    bool trayIconShown_ = false;
    bool topmost_ = false;     // the bar asked to stay above other windows
    UINT taskbarCreated_ = 0;  // the shell's broadcast after it restarts
    UINT liveHandlesQuery_ = 0;
    UINT startedAgain_ = 0;  // a second start of this bar asks it to come back
    UINT takeSettings_ = 0;  // the switches of another process imported settings under this bar

    BarControls places_;                                            // in twips, as the layout placed them
    BarPixels parts_;                                               // the same at the window's DPI
    std::array<Picture, kSlotCount> pictures_;                      // Picture1(0..12)
    std::array<bool, kSlotCount> borders_{};                        // CoolBar(0..12)
    std::array<std::optional<std::wstring>, kSlotCount> slotTips_;  // what each slot's tool shows
    std::array<SlotItem, kSlotCount> items_;                        // for the slots' accessible names
    // First icons and picture files of files on shares or in the cloud, read away from the window.
    PendingReads slowReads_;
    PendingReads slowPictureFiles_;
    int theme_ = 0;   // counts the changes of the theme the pictures were made for
    RECT toPaint_{};  // what the window was asked to paint since it last painted (client pixels)

    std::optional<DragPicture> dragPicture_;  // the item dragged from the pressed slot
    bool tipsOff_ = false;                    // the tooltips are off while the left button is down on a slot

    std::optional<BarHit> pressed_;       // the part that the left button went down on, until it comes up
    int focus_ = SlotElement(0);          // the element the keyboard acts on
    bool focusShown_ = false;             // shown once the keyboard has been used
    bool menuAtFocus_ = false;            // the menu "Fichier" pops up under "Action", not at the pointer
    std::optional<int> openMenu_;         // the element whose menu is open ("Action", a folder's slot)
    bool keyboardLaunch_ = false;         // a slot is started from the keyboard
    FolderMenu* folderMenu_ = nullptr;    // the menu of a slot's folder, while it is open
    bool showFolderAgain_ = false;        // its folder has been read while it was open: it opens again, whole
    ShellItemMenu* shellMenu_ = nullptr;  // the shell's menu of one of its entries, while it is open
    HWND previousWindow_ = nullptr;       // the window that was active before the bar, for Escape
    ShellDesktopToolbar toolbar_;
    DpiFollower dpiFollower_{96};   // the DPI the bar is laid out at
    bool followingClient_ = false;  // a WM_MOUSELEAVE is asked for
    bool followingFrame_ = false;   // a WM_NCMOUSELEAVE

    struct BuiltInIcons {
        UniqueIcon placeholder;  // ImaRien
        UniqueIcon freeSlot;     // Image1
        UniqueIcon stop;         // "Arrêter"
    };
    BuiltInIcons icons_;            // at the icon boxes' size for the window's DPI
    UniqueFont labelFont_;          // the dialog font at the window's DPI, when it is not the system's
    UniqueIcon loadedIcon_;         // the icon loaded from the stored file, while the window shows it
    UniqueIcon loadedSmallIcon_;    // the same file at the notification area's size
    std::wstring awaitedIconFile_;  // an icon file read away from the window, until it comes
    UniqueIcon trayPicture_;
    UniqueMenu menu_;
    UniqueCom<BarDropTarget> dropTarget_;      // registered with OLE while the window lives
    UniqueCom<BarAccessible> accessible_;      // made when a screen reader first asks for it
    UniqueCom<BarAutomation> automation_;      // made when a UI Automation client first asks for it, or hears events
    UniqueWinEventHook foregroundHook_;        // another program's window came to the foreground
    UniqueWinEventHook windowEventsHook_;      // windows shown, hidden, destroyed, where the shell's hook is missing
    UniqueWinEventHook foregroundEventsHook_;  // and the foreground's moves
    UINT shellHook_ = 0;                       // the shell hook's message, once the bar has it
    std::bitset<kSlotCount> running_;          // the slots whose program runs
    std::optional<MenuSide> marksSide_;        // the side the slots' marks were drawn on
    UniqueWinEventHook frontMovesHook_;        // a window moved or changed its size (the foreground one counts)
};

}  // namespace zudav::win32
