// The bar window Principal: start-up, refresh, the menu commands and the exit processing, as plain logic
// over the bar window view, the platform and the bar's model, which it owns and observes.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bar/bar_screens.h"
#include "bar/bar_window.h"
#include "bar/border_sizing.h"
#include "bar/construire_boutons.h"
#include "bar/docking.h"
#include "bar/drop.h"
#include "bar/full_screen.h"
#include "bar/layout.h"
#include "bar/model/bar_model.h"
#include "bar/running.h"
#include "bar/slot_drag.h"
#include "platform/platform.h"

namespace zudav {

enum class MenuCommand { Configuration, Rafraichir, Propos, Quitter };

class Principal : private BarModelObserver {
  public:
    Principal(Platform& platform, SettingsStore& store, BarWindow& window);
    // A window of the same bar on another screen: it shows and changes the one model of the bar's own window.
    Principal(Platform& platform, BarModel& shared, BarWindow& window);
    Principal(const Principal&) = delete;
    Principal& operator=(const Principal&) = delete;
    ~Principal();

    enum class LoadResult { Running, AlreadyRunning };
    // Start-up, run when the window is loaded. AlreadyRunning: another copy of this executable runs,
    // and nothing was read, written or shown.
    LoadResult Charger();
    // The bar takes its settings from the store as at its start (orientation, name, place, icon, look, options, hot
    // key): after they were replaced as a whole by an import.
    void Reprendre();
    // Another program (an import by the switches) replaced the bar's settings in its store: the bar takes them up, so
    // that what it saves next is theirs and not its old values.
    void TakeSettingsAgain();

    // The window became active; fromThisProgram: the activation came from another window of the program.
    void OnActivated(bool fromThisProgram);
    // Takes the items and options from the store again and rebuilds the slots; the answer tells the slots whose item
    // had its picture made again and found no icon.
    std::bitset<kSlotCount> Rafraichir();
    void OnMenu(MenuCommand command);
    // The "Action" label pops the menu up; the "Arrêter" image closes the bar.
    void OnActionLabelClick();
    void OnStopImageClick();
    // Exit processing, run when the window closes by any road.
    void Decharger();
    // Before its settings are exported: the bar stores its place and size as it would at exit, where it stands now (the
    // store keeps them from its last exit). Nothing is written for a place the bar has not left since it took it from
    // the store or last stored it, so that a portable bar's file stays as it is.
    void StorePlace();

    // A bar on every monitor (key ChaqueEcran, bar/bar_screens.h): the windows this one shows the bar with.
    void JoinScreens(BarScreens* screens) { screens_ = screens; }
    bool OnEveryScreen() const { return model_.On(Option::ChaqueEcran); }
    // Start-up of a window of the bar on another monitor: the bar's caption, icon, look, items and options, without
    // the steps its own window takes for the bar (the single copy, the icon, the hot key, the stored place, the lock).
    void StartOnOtherScreen();
    // What the user sees of the window when it is shown, in pixels of the screen.
    PixelRect SeenPixels() const;
    // The window stands at `seen` (pixels), sized, turned, locked and drawn as `like`, then fitted and docked on its
    // monitor. A minimised window is left as it is.
    void StandAs(const PixelRect& seen, const Principal& like);
    // Shown once placed, a window of another monitor takes the topmost band as the bar's own did at start-up.
    void ShownOnOtherScreen();
    // The bar closes this window of another monitor: it gives back the room it held there, docks no more and no longer
    // follows the model.
    void LeaveScreen();
    // The bar's own window arranges its windows again shortly, from its own message (a closed window goes then).
    void ArrangeScreensSoon();
    bool Minimised() const { return window_.IsMinimized(); }
    // The user moved or sized the window with the pointer and let go: it is docked (fitted first after a sizing by a
    // border), and the bar's other windows follow it.
    void OnMovedByUser(bool sizedByBorder);

    // Every change of the window's size lays the bar out (while ResizeOK and not Block); the slots' pictures are made
    // again when their size changes with the cells'.
    void OnResize();
    // The user drags a border or a corner of the bar: the window's rectangle the window system proposes (pixels of the
    // screen at the window's DPI), in the bar's shape and within the room of its work area (bar/border_sizing.h). A
    // locked bar, or one not laid out yet, is left as proposed: the lock takes its size back at the next paint.
    PixelRect OnSizing(SizingBorder border, const PixelRect& proposed, const PixelRect& room, int dpi) const;
    // Starts the item of slot n as stored now: its program with arguments and window state (as administrator when
    // asked: the Ctrl+Shift click), or its document.
    void LancerItem(std::int16_t n, bool asAdministrator = false);
    // A click on slot n (or Enter, Space, its digit): with "Un clic sur un programme ouvert affiche sa fenêtre"
    // (key Basculer), a running program's window comes back, or is minimised when it is in front already, as on the
    // taskbar; otherwise, or for another copy, the item starts.
    void ClickSlot(std::int16_t n, ClickWay way);
    // A window of the desktop came, went or changed (the shell's notices): the slots show which programs run.
    void OnDesktopWindowsChanged();

    // Files or an app dragged over the bar, at a point of its client area (twips): the cell under the point is
    // highlighted, and the answer says what a drop there would do, among the effects that the drag's source allows.
    DropEffect OnDragOver(float x, float y, AllowedEffects allowed, DragContent content = DragContent::Files);
    // The drag left the bar or was given up.
    void OnDragLeave();
    // Files dropped at a point: the answer comes at once; what the drop does waits for AfterDrop, which the view
    // runs once the program the files came from has been let go (it waits for the answer).
    DropEffect OnDrop(float x, float y, AllowedEffects allowed, std::vector<std::wstring> files);
    // A shell item dropped without a list of files (dragged from the Start menu or the Applications folder): a file is
    // taken as a dropped file, an app only by a free slot, whose item editor opens filled with it.
    DropEffect OnShellItemDrop(float x, float y, AllowedEffects allowed, const ShellItem& item);
    void AfterDrop();

    // The items moved on the bar itself, as on the taskbar, also on a locked bar. A left press on a slot (`at` in the
    // client area's pixels), the pointer moved with the button down over a slot or none, and the release: a press that
    // does not go past the drag distance is a click, and the release over its slot answers that slot, whose item the
    // view starts. Past the distance, the item is dragged (the view shows its picture under the pointer while the
    // answer is true), the slot under the pointer highlighted; released over another slot it goes there, exchanged
    // with the item there as in the configuration window. Escape and a capture lost cancel the press.
    void OnSlotPress(int slot, PixelPoint at);
    bool OnSlotPointerMove(PixelPoint at, DragDistance distance, std::optional<int> under);
    std::optional<int> OnSlotRelease(std::optional<int> under);
    void CancelSlotPress();
    // An item is dragged now (past the drag distance).
    bool DraggingItem() const { return slotDrag_.Dragging(); }
    bool SlotPressed() const { return slotDrag_.Pressed(); }
    // The item of slot `from` goes to slot `to`, exchanged with the item there or moved to it when it is free, stored
    // at once and told to screen readers; false when there is nothing to move (a free slot, the same slot).
    bool MoveItem(int from, int to);

    // Pointer over cell or icon i.
    void Survol(int i);
    void OnTimer();
    // A right press on cell or icon i opens the item editor for that slot, also on a locked bar.
    void OnRightPress(int i);
    // A press on the window's background drags the bar.
    void OnBackgroundPress();
    // A locked bar takes its held place and size back at every repaint.
    void OnPaint();
    // A code of the notification icon (bar/tray.h), and the place the shell gives with it (version 4): where the icon
    // is, the anchor of a menu opened from the keyboard.
    void OnTrayMessage(std::uint32_t code, PixelPoint anchor = {});
    // The shell restarted: its notification area is new and empty.
    void OnShellRestarted();
    // The timer that tries the notification icon again while the notification area refuses it.
    void OnTrayRetry();
    // The bar was started again while it runs: it comes back as from its notification icon, and to the front.
    void OnStartedAgain();
    // The hot key (key Raccourci, registered at start-up) was pressed: the bar comes to the keyboard, or gives it back
    // when it has it.
    void OnHotKey();
    std::uint16_t HotKey() const { return hotKey_; }
    // A hot key chosen in the configuration window, registered at once (0: none). False when another program holds
    // it: the bar keeps the one it had.
    bool ChangeHotKey(std::uint16_t value);
    // The bar's look: its own choice (key Theme), or the system's light or dark apps; high contrast wins over both.
    // Shown at start-up and again when the user changes the system's mode, a high-contrast theme or the bar's choice;
    // the burst of notices one change brings is shown once.
    void OnLookSettingChange();
    ThemeChoice Theme() const { return theme_; }
    void ChangeTheme(ThemeChoice choice);
    // The user's or the machine's environment variables changed (WM_SETTINGCHANGE "Environment"): the bar takes them
    // as Explorer does, for every program it starts from then on and every %NAME% it expands.
    void OnEnvironmentChanged();
    // The session ends (ending), or the bar is asked to close so that its file can be replaced (closeApp: an installer
    // or an update through the Restart Manager). Its place and settings are saved as at exit, its icon removed; asked
    // to close, it closes, and Windows starts it again once the file is replaced.
    void OnEndSession(bool ending, bool closeApp);
    // At start-up, after a change of orientation, a preset, the reset, a resizing by the border, and when the DPI, the
    // monitors or their resolution change: the whole bar lies inside the work area of its monitor, moved in first; a
    // bar too long for it is made thinner, its cells with it, until it fits, never thinner than cells of 16 pixels. A
    // locked bar keeps its size, and its held place is moved in. A minimised bar is fitted once it is restored.
    void FitOnScreen();
    // The monitors, their resolution or the bar's DPI changed: the bar is fitted at once, its room negotiated again
    // once the burst of notices is over.
    void OnDisplayChange();
    // A bar with "Réserver sa place au bord de l'écran" (key Reserver) docked at an edge of its monitor stands flush
    // against it, its room there reserved with the shell: maximised windows stop at it, and bars or the taskbar on the
    // same edge stack. One that is not docked, or no longer asks for it, gives its room back. Run after every change of
    // place, size, orientation or options; a locked bar holds the place it gets.
    void Dock();
    // The edge the bar is docked at now (where it stands shown), whatever its options; and whether another monitor
    // touches the bar at that edge, where it does not hide.
    std::optional<ScreenEdge> DockedAt() const;
    bool DockedWhereAnotherMonitorTouches() const;
    // What may change the room a docked bar holds. Notices come in bursts (one change of the work area is told to
    // every window, a toolbar that moves tells every other): the bar answers once, when the view's docking timer ends.
    // Resumed: the computer woke from sleep or hibernation.
    enum class DockingNotice { ToolbarsMoved, ShellRestarted, WorkAreaChanged, DisplayChanged, Resumed };
    void OnDockingNotice(DockingNotice notice);
    void OnDockingTimer();
    // A bar with "Masquer automatiquement la barre" (key Masquer) docked at an edge hides there, a strip of 2 pixels
    // left on it, half a second after the pointer has left it (the view's hide timer), and comes back whole when the
    // pointer touches that strip, by its hot key, its notification icon or a second start. It never hides while the
    // user works with it: a menu, one of its windows, a drag of the bar, of files over it or of its items, the keyboard
    // that the user gave it. It stays in the topmost band, as the taskbar does, but under the taskbar while hidden over
    // it, and reserves no room (auto-hide wins over Reserver). After a launch it hides at once where another bar would
    // minimise itself. At an edge that another monitor shares it does not hide.
    void OnPointerOver();
    void OnPointerLeft();
    void OnHideTimer();
    // A key pressed on the bar: the user works with it from the keyboard.
    void OnKeyboardUsed();
    // Whether the bar hides at its edge: it then starts without taking the keyboard, which would hold it shown.
    bool HidesAtItsEdge() const { return hideEdge_.has_value(); }
    // The window system's loop that moves or sizes the bar with the pointer runs.
    void OnMoveSizeLoop(bool running);
    bool Hidden() const { return hidden_; }
    // The shell refused the bar as the auto-hide toolbar of its edge (the taskbar hides there): it hides by itself.
    bool AutoHideRefused() const { return autoHideRefused_; }
    // Whether the refusal is still to be told to the user (once while the bar runs).
    bool TellAutoHideRefusal() { return autoHideRefused_ && !std::exchange(refusalTold_, true); }
    // The window in the foreground changed, moved or was resized; the bar stands on barMonitor. A full-screen program
    // in front there takes a bar that stays on top out of the topmost band (its option stays as stored), until it
    // leaves full screen or the foreground, or closes.
    void OnForegroundWindow(const FrontWindow& front, const PixelRect& barMonitor);
    // The shell's notice, to a desktop toolbar, that a full-screen program opened or closed on the bar's monitor.
    void OnFullScreenNotice(bool opened);

    const BarControls& Controls() const { return controls_; }

    BarModel& Model() { return model_; }
    const BarModel& Model() const { return model_; }

    // The vertical correction added to the stored top at start-up (Coef); set in the configuration window, it is
    // stored as typed and taken at once when it reads as a number within 16 bits.
    std::int16_t Correction() const { return correction_; }
    bool Horizontal() const { return horizontal_; }
    // Turns the bar upright or across, unlocked: the orientation is stored and its sides exchanged, so that its length
    // follows its new thickness.
    void Orient(bool horizontal);
    // The lock: a locked bar takes the place and size it holds back at every repaint. Lock holds where the bar stands
    // now; StoreLock stores that place, for the next start.
    bool Locked() const { return locked_; }
    // Whether a change of the window's size lays the bar out (a locked bar's aside): from the start on, but not while
    // its sides are exchanged.
    bool LayoutRuns() const { return layoutOn_; }
    const Geometry& HeldPlace() const { return held_; }
    void Lock();
    void Unlock();
    void StoreLock();

  private:
    struct PendingDrop {
        std::int16_t slot;
        std::vector<std::wstring> files;
        std::optional<ShellItem> app;
    };

    // A program's item started with these arguments in place of its command line, or a document's opened.
    void Lancer(std::int16_t n, const std::wstring& arguments, bool asAdministrator = false);
    // The end of a launch: the message of one that failed, Windows' "Open with" for a file no program opens, and the
    // bar minimised or hidden after one that started.
    void FailLaunch();
    void OfferOpenWith(const std::wstring& file);
    void AfterStart(StartResult result, const std::wstring& file);
    // A folder's slot that opens its contents as a menu, and the entry chosen there started.
    void OpenFolderMenu(std::int16_t n, const std::wstring& folder, bool asAdministrator);
    void AddShortcuts(std::int16_t n, const std::vector<std::wstring>& files);
    // Several files dropped on the free slot n, each put in the next free slot from there.
    void FillFreeSlots(std::int16_t n, const std::vector<std::wstring>& files);
    // Shows one of the bar's modal windows (item editor, configuration, About box, a message box); while it is
    // open the bar runs none of its own commands: the notification icon brings that window to the front instead.
    template <typename ShowWindow>
    void Modal(ShowWindow show) {
        Reveal();  // the window opens beside the bar, which the user may move meanwhile
        ++openModals_;
        EnableOtherWindows(false);  // as its owner is, for the modal window's time
        show();
        EnableOtherWindows(true);
        --openModals_;
        HideLater();
    }
    bool ModalOpen() const;
    void EnableOtherWindows(bool enabled);
    // Each window of the bar, the bar's own first (this one alone when it shows no other), and the one the icon, a
    // second start or the hot key bring back.
    std::vector<Principal*> Windows();
    Principal& AtPointer();
    // A window the bar brings back along with the one at the pointer: restored, shown and fitted.
    void ShowAgain();
    void ComeOrGiveKeyboardBack();
    // While one of the bar's modal windows is open, the bar's own commands (from its icon, its hot key, a second start,
    // or a screen reader that reaches the disabled bar) only bring that window to the front, as a click on the bar
    // would: true when it is open.
    bool BringModalForward();
    // The menu "Fichier", during which an auto-hide bar stays shown.
    void PopupMenu(bool proposIsDefault, std::optional<PixelPoint> at);
    // Auto-hide: the place and the move out of view and back, the timer armed once the user may have left the bar.
    void Hide();
    void Reveal();
    void HideLater();
    // Where the bar stands when shown; the hidden bar moved out of view from it, and back; the top of the topmost band
    // taken again after the bar stood under the taskbar.
    Geometry ShownPlace() const;
    void MoveOutOfView();
    void ShowWhole();
    void TakeTopOfBand();
    bool UserWorksWithIt() const;
    SlotKind KindOf(int slot) const;
    DropEffect DropEffectAt(std::optional<int> slot, AllowedEffects allowed, DragContent content) const;
    DropEffect Dropped(float x, float y, AllowedEffects allowed, PendingDrop drop);
    void HighlightDragSlot(std::optional<int> slot);
    static float UsableSide(float side, float designSide, float screenSide);
    void ReadGeometry();
    // The window's icon, the bar's look and on-top option, and the slots made from the items, as stored.
    void ShowIconLookAndItems();
    // The place stored for the bar: the normal placement of a minimised bar, where an auto-hide bar stands once shown.
    Geometry PlaceToStore() const;
    void WritePlace(const Geometry& place);
    // Moves what the user sees of the bar (its rectangle less the invisible frame) inside the area.
    void MoveInto(const Geometry& area);
    // The bar's rectangle in twips of the screen (its size is in twips of its own monitor), and what the user sees of
    // it (less its invisible frame); the window moved so that what is seen of it stands at a place.
    Geometry OnScreen() const;
    Geometry Seen() const;
    void MoveSeenTo(const Geometry& place);
    // Fitting without docking; where the bar holds room at an edge, its area reaches over that room.
    void Fit();
    EdgeTolerances DockingTolerances() const;
    void ReadEdgeOptions();
    void ReadWindowIcon();
    void ReadLock();
    void AddTrayIcon();
    void RestoreFromTray();
    void ComeToTheKeyboard();
    // The option "on top", as start-up or the configuration window has just applied it.
    void FollowOnTopOption();
    void MoveInBand(TopmostBand::Move move);
    void ShowLook();
    // What each slot's item runs as, found again for the items that changed (true when one did), and the slots marked
    // from the desktop's windows now.
    bool FindRunningKeys();
    void ShowRunning();
    // The slots made again from the items as they are now: those whose item changed get new pictures.
    std::bitset<kSlotCount> Rebuild();
    void OnItemsChanged(const std::vector<int>& slots) override;
    void OnOptionChanged(Option option) override;

    Platform& platform_;
    BarWindow& window_;
    BarScreens* screens_ = nullptr;
    bool otherScreen_ = false;            // a window of the bar on another monitor
    bool screensPending_ = false;         // the monitors changed: the windows follow once the burst of notices is over
    std::optional<BarModel> ownedModel_;  // the bar's own window's; another screen's window shares it
    BarModel& model_;
    PicturesMadeFrom picturesMadeFrom_;
    bool reloading_ = false;  // the items are taken from the store again: the rebuild that follows shows them
    std::int16_t correction_ = 0;
    Geometry held_;            // the place and size held by the lock
    bool horizontal_ = false;  // a horizontal bar
    bool layoutOn_ = false;    // the layout runs on a resize only from the start on, and not while the sides swap
    bool locked_ = false;
    bool activatedOnce_ = false;
    bool picturesMade_ = false;  // the slots show pictures made for their boxes
    BarControls controls_;
    std::optional<int> dernierSurvol_;  // DernierSurvol: the cell hovered last; empty counts as 0
    bool trayDispatching_ = false;      // icon events that arrive during a dispatch are not dispatched
    std::optional<int> dragSlot_;       // the cell highlighted under a drag of files or of an item
    SlotDrag slotDrag_;                 // the left press on a slot, until the button comes up
    std::optional<PendingDrop> pendingDrop_;
    int openModals_ = 0;
    // Without its icon a minimised bar could not be brought back: a launch then leaves it as it is.
    bool trayIcon_ = false;
    int trayTries_ = 0;
    std::uint16_t hotKey_ = 0;
    std::uint32_t trayLastButton_ = 0;  // the icon's button code that came last
    TopmostBand topmostBand_;
    EdgeRoom edgeRoom_;
    bool reserver_ = false;               // Reserver
    bool masquer_ = false;                // Masquer
    std::optional<ScreenEdge> hideEdge_;  // the edge an auto-hide bar is docked at
    float hideLine_ = 0;                  // where that edge is
    bool hidden_ = false;
    Geometry shownPlace_;            // what the user sees of the bar when it is not hidden
    bool hidesOverTaskbar_ = false;  // the taskbar holds its room beyond the edge the bar hides at
    bool underTaskbar_ = false;      // the hidden bar stands under the taskbar in the topmost band
    bool keyboardGiven_ = false;     // the user gave the bar the keyboard
    bool pointerSeenOver_ = false;   // at the hide timer's last tick
    bool autoHideRefused_ = false;
    bool refusalTold_ = false;
    bool menuOpen_ = false;
    bool moving_ = false;          // the move-size loop runs
    bool filesOver_ = false;       // files are dragged over the bar
    bool dockingPending_ = false;  // a notice came: the docking timer runs
    ThemeChoice theme_ = ThemeChoice::System;
    std::optional<Geometry> placeInStore_;  // as the bar took it from the store, or last stored it
    std::optional<Look> look_;              // the look shown
    std::array<std::optional<RunningKey>, kSlotCount> runningKeys_;
    std::array<std::optional<std::wstring>, kSlotCount> runningKeysFrom_;  // the item each key was found for
    SlotWindows running_;  // each slot's program's windows, the one in front first
};

}  // namespace zudav
