// The bar window as the logic sees it: geometry in twips, caption, icon, z-order and closing.
// The Win32 view implements it; the fake records what the logic asked for.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bar/accessible_names.h"
#include "bar/desktop_toolbar.h"
#include "bar/layout.h"
#include "platform/desktop_windows.h"
#include "platform/geometry.h"
#include "platform/icon_lookup.h"
#include "platform/look.h"
#include "platform/shell_item.h"
#include "platform/slow_files.h"

namespace zudav {

// The bar's built-in pictures that an icon box may show.
enum class BuiltInPicture {
    Placeholder,  // ImaRien: an item whose icon cannot be had
    FreeSlot,     // Image1: a free slot
};

// What the slots' pictures are made for: their size in pixels at the bar's DPI, and the theme (a count that changes
// with it).
struct PictureLook {
    int pixels = 32;
    int theme = 0;
    bool operator==(const PictureLook& other) const { return pixels == other.pixels && theme == other.theme; }
};

class BarWindow {
  public:
    virtual ~BarWindow() = default;

    // The window's outer rectangle as it is now.
    virtual Geometry Bounds() const = 0;
    // The rectangle the window has when it is not minimised (its normal placement).
    virtual Geometry RestoredBounds() const = 0;
    // What of the window's rectangle the user does not see: its invisible resize borders (twips).
    virtual FrameMargins InvisibleFrame() const = 0;
    // What one twip of the window's size measures in twips of the screen (which places and work areas use): its
    // monitor's DPI over the system's.
    virtual float SizeScale() const = 0;
    virtual bool IsMinimized() const = 0;

    // Each returns false when the window system refuses the value; the property then keeps its value.
    virtual bool SetLeft(float twips) = 0;
    virtual bool SetTop(float twips) = 0;
    virtual bool SetWidth(float twips) = 0;
    virtual bool SetHeight(float twips) = 0;

    virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;

    // Loads the window icon from a picture file; false (built-in icon kept) when it is not an icon. A file read away
    // shows once it is read, and gives true: the built-in icon stays meanwhile, and for good when it is not an icon.
    virtual bool LoadIconFile(const std::wstring& path, Reading reading) = 0;
    // No icon at all.
    virtual void ClearIcon() = 0;

    // Above all non-topmost windows, shown, not activated, not moved.
    virtual void MakeTopmost() = 0;
    // Out of the topmost band, shown, not activated, not moved.
    virtual void MakeNotTopmost() = 0;
    // Out of the topmost band and behind the window in the foreground (a full-screen program), which stays in front;
    // not activated, not moved.
    virtual void StepAsideForFront() = 0;
    // In the topmost band just under the taskbar of the bar's monitor, which then covers what of the bar lies over it;
    // not activated, not moved. Without a taskbar there, on top of the band.
    virtual void StandBelowTaskbar() = 0;
    // In the topmost band above the desktop that Show desktop brought to the front, and shown again where the shell
    // hid it with the other windows; not activated, not moved, a minimised bar left so.
    virtual void ShowOverDesktop() = 0;

    // The bar's side of the shell's list of desktop toolbars.
    virtual DesktopToolbar& Toolbar() = 0;
    // A short timer (a fifth of a second) that ends a burst of notices about the room at the edges: started again by
    // each, it asks the logic once when they stop (OnDockingTimer).
    virtual void StartDockingTimer() = 0;
    // The timer that lets an auto-hide bar hide half a second after the pointer left it (OnHideTimer), every half
    // second while it runs; and whether the pointer is on the window now.
    virtual void SetHideTimer(bool running) = 0;
    virtual bool PointerOver() const = 0;

    // Pops up the menu "Fichier" at a point of the screen, or at the pointer (under "Action" when the keyboard opened
    // it there); proposIsDefault shows "A &Propos de ..." as its default item.
    virtual void PopupMenuAide(bool proposIsDefault, std::optional<PixelPoint> at) = 0;
    // The contents of a slot's folder as a pop-up menu beside the slot (its first entry selected when opened from the
    // keyboard), and what the user chose in it: an entry's file or folder, or the folder itself ("Ouvrir le dossier");
    // nothing when the menu was closed.
    struct FolderChoice {
        std::wstring path;  // the chosen entry's path, as the shell parses it
        bool asAdministrator = false;
    };
    // The slots whose program has a window open on the desktop, marked as such; screen readers hear them "ouvert".
    virtual void ShowRunning(const std::bitset<kSlotCount>& running) = 0;
    // What tells the bar, from any thread, that a window of the desktop came or went: it then looks again.
    virtual std::function<void()> DesktopNotice() const = 0;
    // The window that was in front before the bar took the click or the key: the foreground window, or the one
    // that had it before the bar when the bar has it now.
    virtual std::uintptr_t WindowBeforeBar() const = 0;
    // The menu beside a slot of its program's windows, by their titles with their pictures, the one in front first;
    // the index of the one chosen, nothing when the menu was closed.
    virtual std::optional<int> ChooseWindow(int slot, const std::vector<DesktopWindow>& windows) = 0;

    // A folder that is slow to read (`Reading::Away`: on a share, online only) opens its menu at once, "Lecture…" in
    // it; another is given a moment to be read first.
    virtual std::optional<FolderChoice> ShowFolderMenu(int slot, const std::wstring& folder, Reading reading) = 0;

    // Places the cells, the icon boxes and the "Arrêter" image (twips of the client area).
    virtual void ShowControls(const BarControls& controls) = 0;

    virtual PictureLook Look() const = 0;
    // Draws the bar, and every window of the program from then on, in a look.
    virtual void ShowLook(zudav::Look look) = 0;
    // Square corners for a bar flush against an edge of the screen, the system's own otherwise.
    virtual void ShowSquareCorners(bool square) = 0;
    // Icon box Picture1(box): the first icon of a file at its top-left corner, a picture file (bitmap or
    // icon, false when it does not load), a built-in picture, or nothing. A file read away shows once it is read (the
    // placeholder for a file of icons that has none) and gives Drawn or true meanwhile.
    virtual IconLookup DrawFirstIcon(int box, const std::wstring& path, Reading reading) = 0;
    virtual bool LoadPicture(int box, const std::wstring& path, Reading reading) = 0;
    virtual void ShowBuiltInPicture(int box, BuiltInPicture picture) = 0;
    virtual void ClearPicture(int box) = 0;
    // The tooltip of icon box Picture1(slot), then of cell CoolBar(slot).
    virtual void SetSlotTooltips(int slot, const std::wstring& text) = 0;
    // What the slot holds, for screen readers (its name, role and action), at each rebuild.
    virtual void ShowSlotItem(int slot, const SlotItem& item) = 0;

    // The hover highlight of cell CoolBar(cell).
    virtual void SetCellBorder(int cell, bool border) = 0;
    // Timer1 (2000 ms). Enabling a running timer does not restart its interval.
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void TakeFocus() = 0;
    // The hot key that brings the bar to the keyboard, as the hot-key control holds it (0: none), in place of the one
    // it had. False when another program holds the combination: the bar then has none.
    virtual bool SetHotKey(std::uint16_t value) = 0;
    // When the window in front has the keyboard in one of the program's hot-key boxes (this bar's configuration or
    // another bar's), the user is typing a combination there: it is handed to that box, and true returned.
    virtual bool HandHotKeyToBoxInFront(std::uint16_t combination) = 0;
    // Whether the bar has the keyboard now.
    virtual bool HasKeyboard() const = 0;
    // Takes the foreground and the keyboard, the focus shown on the first slot.
    virtual void TakeKeyboard() = 0;
    // The keyboard goes back to the window that had it before the bar took it.
    virtual void GiveKeyboardBack() = 0;
    // Moves the window with the pointer as if its caption were dragged, until the button is released.
    virtual void BeginDrag() = 0;

    // A disabled window takes no input (a modal window of the bar is open over another of its windows).
    virtual void SetEnabled(bool enabled) = 0;
    virtual void Minimize() = 0;
    virtual void Restore() = 0;
    virtual void Show() = 0;

    // The notification-area icon: the window's icon and caption; its mouse codes come back to the logic. Adding
    // returns false when the notification area refused the icon (as it may while the shell starts at logon).
    virtual bool AddTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;
    // The keyboard goes back to the notification area, onto the icon, after a menu it opened there.
    virtual void GiveKeyboardToTrayIcon() = 0;
    // A timer that asks the logic every two seconds to try the icon again (OnTrayRetry).
    virtual void SetTrayRetryTimer(bool enabled) = 0;

    // The bar of the same name that already runs is asked to come back (restored, shown, in front); this process may
    // hand it the foreground.
    virtual void BringBackRunningCopy(const std::wstring& application) = 0;
    // Takes the foreground, as the user's own start of the bar allows.
    virtual void BringToFront() = 0;

    // The About box, the item editor of a slot and the configuration window, modal over the bar; each returns when
    // closed.
    virtual void ShowAbout() = 0;
    virtual void ShowItemEditor(int slot) = 0;
    // The item editor of a slot, filled as if the user had browsed for a file dropped on the slot.
    virtual void ShowItemEditorForFile(int slot, const std::wstring& file) = 0;
    // The same for an app of the Start menu, which has no file.
    virtual void ShowItemEditorForApp(int slot, const ShellItem& app) = 0;
    virtual void ShowConfiguration() = 0;
    // Brings the program's modal window that is open over the bar (and the message box or file dialog it shows) to
    // the front, as the window system does when the user clicks a disabled owner.
    virtual void BringModalToFront() = 0;

    // Says a sentence to the screen reader, if one is listening, without moving the keyboard's focus (a launch that
    // failed, items exchanged in the configuration window).
    virtual void Announce(const std::wstring& text) = 0;

    // Closes the window by the same road as the window system's close (exit processing runs).
    virtual void Close() = 0;
};

}  // namespace zudav
