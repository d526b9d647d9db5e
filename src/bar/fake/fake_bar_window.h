// Test double of the bar window: it holds what the window shows in plain members and records calls.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bar/bar_window.h"
#include "bar/fake/fake_desktop_toolbars.h"
#include "bar/model/stored_keys.h"

namespace zudav {

class FakeBarWindow : public BarWindow {
  public:
    Geometry Bounds() const override { return bounds; }
    Geometry RestoredBounds() const override { return restored; }
    FrameMargins InvisibleFrame() const override { return invisibleFrame; }
    float SizeScale() const override { return scaleAt ? scaleAt(bounds) : sizeScale; }
    bool IsMinimized() const override { return minimized; }
    bool SetLeft(float twips) override;
    bool SetTop(float twips) override;
    bool SetWidth(float twips) override;
    bool SetHeight(float twips) override;
    std::wstring Caption() const override { return caption; }
    void SetCaption(const std::wstring& text) override { caption = text; }
    bool LoadIconFile(const std::wstring& path, Reading reading) override;
    void ClearIcon() override { icon.clear(); }
    void MakeTopmost() override {
        topmost = true;
        belowTaskbar = false;
        Appear();
    }
    void MakeNotTopmost() override {
        topmost = false;
        Appear();
    }
    void StepAsideForFront() override { topmost = belowTaskbar = false; }
    void StandBelowTaskbar() override { topmost = belowTaskbar = true; }
    void ShowOverDesktop() override {
        topmost = true;
        belowTaskbar = false;
        Appear();
    }
    void ShowControls(const BarControls& shown) override { controls = shown; }
    // As the view: the icon boxes' side, in pixels at the bar's DPI.
    PictureLook Look() const override {
        return {look.pixels * static_cast<int>(controls.pictures[0].width) / 480, look.theme};
    }
    void ShowLook(zudav::Look shown) override { looks.push_back(shown); }
    void ShowSquareCorners(bool square) override { squareCorners = square; }
    IconLookup DrawFirstIcon(int box, const std::wstring& path, Reading reading) override;
    bool LoadPicture(int box, const std::wstring& path, Reading reading) override;
    void ShowBuiltInPicture(int box, BuiltInPicture picture) override;
    void ClearPicture(int box) override { pictures[box].clear(); }
    void SetSlotTooltips(int slot, const std::wstring& text) override { tooltips[slot] = text; }
    void ShowSlotItem(int slot, const SlotItem& item) override { items[slot] = item; }
    void SetCellBorder(int cell, bool border) override { borders[cell] = border; }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void TakeFocus() override { ++focusRequests; }
    bool SetHotKey(std::uint16_t value) override {
        hotKey = takenHotKeys.count(value) ? 0 : value;
        return hotKey == value;
    }
    bool HandHotKeyToBoxInFront(std::uint16_t combination) override {
        if (hotKeyBoxInFront) {
            handedHotKeys.push_back(combination);
        }
        return hotKeyBoxInFront;
    }
    bool HasKeyboard() const override { return keyboard; }
    void TakeKeyboard() override { keyboard = true; }
    void GiveKeyboardBack() override { keyboard = false; }
    void BeginDrag() override { ++drags; }
    void SetEnabled(bool on) override { enabled = on; }
    void Minimize() override { minimized = true; }
    void Restore() override { minimized = false; }
    void Show() override { Appear(); }
    void Appear() {
        firstShownAt = firstShownAt.value_or(bounds);
        shown = true;
    }
    bool AddTrayIcon() override {
        ++trayAdds;
        trayIcon = trayAccepted;
        return trayIcon;
    }
    void SetTrayRetryTimer(bool enabled) override { trayRetryTimer = enabled; }
    void BringBackRunningCopy(const std::wstring& application) override { broughtBack.push_back(application); }
    void BringToFront() override { ++frontRequests; }
    void RemoveTrayIcon() override { trayIcon = false; }
    void GiveKeyboardToTrayIcon() override { ++keyboardToTrayIcon; }
    void ShowAbout() override;
    void ShowItemEditor(int slot) override;
    void ShowItemEditorForFile(int slot, const std::wstring& file) override;
    void ShowItemEditorForApp(int slot, const ShellItem& app) override;
    void ShowConfiguration() override;
    void BringModalToFront() override { ++modalBroughtToFront; }
    void PopupMenuAide(bool proposIsDefault, std::optional<PixelPoint> at) override;
    std::optional<FolderChoice> ShowFolderMenu(int slot, const std::wstring& folder, Reading reading) override {
        folderMenus.push_back(std::to_wstring(slot) + L" " + folder + (reading == Reading::Away ? L" away" : L""));
        return folderChoice;
    }
    void ShowRunning(const std::bitset<kSlotCount>& running) override {
        this->running = running;
        ++runningShown;
    }
    std::uintptr_t WindowBeforeBar() const override { return windowBeforeBar; }
    std::function<void()> DesktopNotice() const override {
        return [notices = desktopNotices] { ++*notices; };
    }
    std::optional<int> ChooseWindow(int slot, const std::vector<DesktopWindow>& windows) override {
        windowMenus.push_back({slot, windows.size()});
        return windowChoice;
    }
    DesktopToolbar& Toolbar() override { return toolbar; }
    void StartDockingTimer() override { ++dockingTimerStarts; }
    void SetHideTimer(bool running) override { hideTimer = running; }
    bool PointerOver() const override { return pointerOver; }
    void Announce(const std::wstring& text) override { announcements.push_back(text); }
    void Close() override { ++closeRequests; }

    DesktopToolbarList toolbars;  // this bar's own shell, unless the test gives it one shared with other bars
    FakeDesktopToolbar toolbar{toolbars, 1};
    int dockingTimerStarts = 0;
    bool hideTimer = false;
    bool pointerOver = false;
    // Paths longer than the icon and picture calls take (MAX_PATH with its end), which Windows' shell may fault on.
    static constexpr std::size_t kMaxPath = 259;
    int tooLongHandedOver = 0;

    // Design values of a freshly created bar window.
    Geometry bounds{0, 0, 870, 8490};
    Geometry restored{0, 0, 870, 8490};
    FrameMargins invisibleFrame;
    float sizeScale = 1;
    std::function<float(const Geometry&)> scaleAt;  // when set: the scale of the monitor the window stands on
    bool enabled = true;
    bool minimized = false;
    std::wstring caption = L" ";
    std::wstring icon = L"built-in";
    std::set<std::wstring> loadableIcons;  // files that load as icons
    bool topmost = false;
    bool belowTaskbar = false;  // in the topmost band, under the taskbar
    bool shown = false;
    std::optional<Geometry> firstShownAt;  // where the window was when it was first seen
    int closeRequests = 0;

    // Files whose first icon can be drawn, files of a kind without icons, loadable picture files.
    std::set<std::wstring> filesWithIcon;
    std::set<std::wstring> filesWithoutIconKind;
    std::set<std::wstring> pictureFiles;
    // Told of each file the view would read in place, on the bar's thread.
    std::function<void(const std::wstring&)> readsFile;
    // What each icon box shows: "" (clear), "icon:<path>", "picture:<path>", "placeholder", "free".
    std::array<std::wstring, kSlotCount> pictures;
    PictureLook look;                // pixels: those of an icon box of 480 twips
    std::vector<zudav::Look> looks;  // every look shown, in order
    bool squareCorners = false;
    std::vector<int> picturesMade;  // the boxes whose picture was made from a file (an icon read, a picture loaded)
    std::array<std::wstring, kSlotCount> tooltips;
    std::array<SlotItem, kSlotCount> items;
    std::array<bool, kSlotCount> borders{};
    BarControls controls;
    bool timerEnabled = false;
    int focusRequests = 0;
    std::uint16_t hotKey = 0;              // registered
    std::set<std::uint16_t> takenHotKeys;  // held by other programs
    bool hotKeyBoxInFront = false;         // a hot-key box of the program's has the keyboard
    std::vector<std::uint16_t> handedHotKeys;
    bool keyboard = false;  // the bar has the keyboard, its focus shown
    int drags = 0;
    bool trayIcon = false;
    bool trayAccepted = true;  // false: the notification area refuses the icon
    bool trayRetryTimer = false;
    int trayAdds = 0;
    std::vector<std::wstring> broughtBack;  // the running bars asked to come back
    int frontRequests = 0;
    int aboutShown = 0;
    int editorShown = 0;
    std::vector<std::wstring> folderMenus;     // "<slot> <folder>" of each folder's menu shown
    std::optional<FolderChoice> folderChoice;  // what the user chooses in it
    std::bitset<kSlotCount> running;           // the slots marked as running
    int runningShown = 0;
    std::uintptr_t windowBeforeBar = 0;
    std::shared_ptr<int> desktopNotices = std::make_shared<int>(0);
    std::vector<std::pair<int, size_t>> windowMenus;  // the slot and the number of windows of each menu shown
    std::optional<int> windowChoice;
    std::vector<std::wstring> editorFiles;  // the file each editor opened on ("" when opened by a right press)
    std::vector<ShellItem> editorApps;      // the app each editor opened on
    std::vector<int> editorSlots;           // the slot each editor opened for
    int configurationShown = 0;
    int modalBroughtToFront = 0;
    // Run after each change of the size (not when it stays the same), as the real window lays the bar out on
    // WM_SIZE.
    std::function<void()> onResize;
    // Run inside the About box and the menu, as their nested message loops would.
    std::function<void()> duringModal;
    std::vector<bool> menuPopups;                       // one entry per popup: was "A &Propos de ..." the default item
    std::vector<std::optional<PixelPoint>> menuPlaces;  // and where it opened (none: at the pointer)
    int keyboardToTrayIcon = 0;
    std::vector<std::wstring> announcements;  // what the screen reader was told, in order

  private:
    // Away: the read is left to the view's thread; in place, the file is read here.
    bool ReadAway(const std::wstring& path, Reading reading) const;
};

}  // namespace zudav
