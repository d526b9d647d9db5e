// The Win32 window of the bar Principal: a sizable tool window with its thirteen cells and icon boxes,
// the "Action" label, the "Arrêter" image and the pop-up menu. It shows the logic's state and forwards events.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <array>
#include <optional>
#include <string>

#include "bar/bar_window.h"
#include "bar/labarre.h"
#include "bar/principal.h"
#include "bar/settings/keys.h"
#include "bar/win32/bar_drop_target.h"
#include "platform/slow_files.h"
#include "platform/win32/child_control.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class BarView final : public BarWindow, public ControlOwner {
  public:
    BarView(HINSTANCE instance, Platform& platform, LaBarre& module);
    ~BarView();
    BarView(const BarView&) = delete;
    BarView& operator=(const BarView&) = delete;

    // Creates the window, hidden, with its design values.
    bool Create();
    // Binds the logic, which from now on also answers files dragged over the window.
    void Attach(Principal& principal);
    HWND Handle() const { return window_; }
    // Shows and activates the window once start-up has run.
    void ShowLoaded();
    // Destroys the window without exit processing (a second copy that ends at once).
    void Discard();

    Geometry Bounds() const override;
    Geometry RestoredBounds() const override;
    FrameMargins InvisibleFrame() const override;
    bool IsMinimized() const override;
    bool SetLeft(float twips) override;
    bool SetTop(float twips) override;
    bool SetWidth(float twips) override;
    bool SetHeight(float twips) override;
    std::wstring Caption() const override;
    void SetCaption(const std::wstring& caption) override;
    bool LoadIconFile(const std::wstring& path) override;
    void ClearIcon() override;
    void MakeTopmost() override;
    void MakeNotTopmost() override;
    void ShowControls(const BarControls& controls) override;
    IconLookup DrawFirstIcon(int box, const std::wstring& path) override;
    bool LoadPicture(int box, const std::wstring& path) override;
    void ShowBuiltInPicture(int box, BuiltInPicture picture) override;
    void ClearPicture(int box) override;
    void SetSlotTooltips(int slot, const std::wstring& text) override;
    void SetCellBorder(int cell, bool border) override;
    void SetTimerEnabled(bool enabled) override;
    void TakeFocus() override;
    void BeginDrag() override;
    void Minimize() override;
    void Restore() override;
    void Show() override;
    bool AddTrayIcon() override;
    void RemoveTrayIcon() override;
    void SetTrayRetryTimer(bool enabled) override;
    void BringBackRunningCopy(const std::wstring& application) override;
    void BringToFront() override;
    void ShowAbout() override;
    void ShowItemEditor() override;
    void ShowItemEditorForFile(const std::wstring& file) override;
    void ShowConfiguration() override;
    void BringModalToFront() override;
    void PopupMenuAide(bool proposIsDefault) override;
    void Close() override;

    void OnControlPointer(int id, PointerEvent event) override;

    // For the window procedure.
    void Bind(HWND window) { window_ = window; }
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void CreateControls();
    void PlaceControl(const ChildControl& control, float left, float top, float width, float height);
    void SetTooltip(const ChildControl& control, const std::wstring& text);
    void ShowIcon(HICON icon);
    NOTIFYICONDATAW TrayIconData() const;
    void UpdateTrayIcon();
    bool Resize(int width, int height);
    void ShowReadIcon(LPARAM result);
    // The built-in pictures and the "Action" label at the size for the window's DPI, shown where the old ones were.
    void ShowAtDpi(int dpi);

    HINSTANCE instance_;
    Platform& platform_;
    LaBarre& module_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    Principal* principal_ = nullptr;
    bool closed_ = false;
    bool timerRunning_ = false;
    bool trayIconShown_ = false;
    bool topmost_ = false;     // the bar asked to stay above other windows
    UINT taskbarCreated_ = 0;  // the shell's broadcast after it restarts
    UINT liveHandlesQuery_ = 0;
    UINT startedAgain_ = 0;  // a second start of this bar asks it to come back

    std::array<ChildControl, keys::kItemCount> pictures_;                 // Picture1(0..12)
    std::array<ChildControl, keys::kItemCount> cells_;                    // CoolBar(0..12)
    ChildControl label_;                                                  // Label1, "Action"
    ChildControl stopImage_;                                              // Image2, "Arrêter"
    std::array<std::optional<std::wstring>, keys::kItemCount> slotTips_;  // what each slot's tools show
    PendingReads slowReads_;  // icons of files on shares or in the cloud, read away from the window

    struct BuiltInIcons {
        UniqueIcon tray;         // the notification icon of a bar without an icon of its own
        UniqueIcon placeholder;  // ImaRien
        UniqueIcon freeSlot;     // Image1
        UniqueIcon stop;         // "Arrêter"
    };
    BuiltInIcons icons_;     // at the size for the window's DPI
    UniqueFont labelFont_;   // the dialog font at the window's DPI, when it is not the system's
    UniqueIcon loadedIcon_;  // the icon loaded from the stored file, while the window shows it
    UniqueMenu menu_;
    UniqueCom<BarDropTarget> dropTarget_;  // registered with OLE while the window lives
};

}  // namespace zudav::win32
