// Test doubles of the platform and of the bar window: they hold state in plain members and record calls.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/bar_window.h"
#include "platform/editor_window.h"
#include "platform/platform.h"

namespace zudav {

class FakePlatform : public Platform {
  public:
    std::wstring ExecutablePath() const override { return executablePath; }
    bool ClaimSingleCopy(const std::wstring& baseName) override;
    wchar_t DecimalSeparator() const override { return decimalSeparator; }
    void SetHelpFile(const std::wstring& path) override { helpFile = path; }
    void ShowHelp() override { ++helpShown; }
    bool StartProcess(const std::wstring& commandLine, int showCommand) override;
    void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) override;
    void DoEvents() override { ++eventPasses; }
    bool FileExists(const std::wstring& path) const override { return existingFiles.count(path) > 0; }
    std::wstring VersionText(const std::wstring& entry) const override;
    void Beep() override { ++beeps; }
    void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;

    struct Message {
        std::wstring title;
        std::wstring text;
        MessageIcon icon;
    };

    struct Started {
        std::wstring commandLine;
        int showCommand;
    };
    struct Opened {
        std::wstring verb;
        std::wstring file;
        std::wstring folder;
    };

    std::wstring executablePath = L"C:\\Outils\\Zudav.exe";
    std::set<std::wstring> existingFiles;
    std::set<std::wstring> startablePrograms;  // commands whose first word (or quoted path) starts
    std::vector<Started> started;
    std::vector<Opened> opened;
    int eventPasses = 0;
    std::map<std::wstring, std::wstring> versionInfo;
    wchar_t decimalSeparator = L'.';
    std::set<std::wstring> runningCopies;  // lower-cased base names already running
    std::wstring helpFile;
    int helpShown = 0;
    int beeps = 0;
    std::vector<Message> messages;
};

class FakeBarWindow : public BarWindow {
  public:
    Geometry Bounds() const override { return bounds; }
    Geometry RestoredBounds() const override { return restored; }
    bool IsMinimized() const override { return minimized; }
    bool SetLeft(float twips) override;
    bool SetTop(float twips) override;
    bool SetWidth(float twips) override;
    bool SetHeight(float twips) override;
    std::wstring Caption() const override { return caption; }
    void SetCaption(const std::wstring& text) override { caption = text; }
    bool LoadIconFile(const std::wstring& path) override;
    void ClearIcon() override { icon.clear(); }
    void MakeTopmost() override { topmost = shown = true; }
    void ShowControls(const BarControls& shown) override { controls = shown; }
    IconLookup DrawFirstIcon(int box, const std::wstring& path) override;
    bool LoadPicture(int box, const std::wstring& path) override;
    void ShowBuiltInPicture(int box, BuiltInPicture picture) override;
    void ClearPicture(int box) override { pictures[box].clear(); }
    void SetSlotTooltips(int slot, const std::wstring& text) override { tooltips[slot] = text; }
    void SetCellBorder(int cell, bool border) override { borders[cell] = border; }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void TakeFocus() override { ++focusRequests; }
    void BeginDrag() override { ++drags; }
    void Minimize() override { minimized = true; }
    void Restore() override { minimized = false; }
    void Show() override { shown = true; }
    void AddTrayIcon() override {
        ++trayAdds;
        trayIcon = true;
    }
    void RemoveTrayIcon() override { trayIcon = false; }
    void ShowAbout() override;
    void ShowItemEditor() override;
    void PopupMenuAide(bool proposIsDefault) override;
    void Close() override { ++closeRequests; }

    // Design values of a freshly created bar window.
    Geometry bounds{0, 0, 870, 8490};
    Geometry restored{0, 0, 870, 8490};
    bool minimized = false;
    std::wstring caption = L" ";
    std::wstring icon = L"built-in";
    std::set<std::wstring> loadableIcons;  // files that load as icons
    bool topmost = false;
    bool shown = false;
    int closeRequests = 0;

    // Files whose first icon can be drawn, files of a kind without icons, loadable picture files.
    std::set<std::wstring> filesWithIcon;
    std::set<std::wstring> filesWithoutIconKind;
    std::set<std::wstring> pictureFiles;
    // What each icon box shows: "" (clear), "icon:<path>", "picture:<path>", "placeholder", "free".
    std::array<std::wstring, 13> pictures;
    std::array<std::wstring, 13> tooltips;
    std::array<bool, 13> borders{};
    BarControls controls;
    bool timerEnabled = false;
    int focusRequests = 0;
    int drags = 0;
    bool trayIcon = false;
    int trayAdds = 0;
    int aboutShown = 0;
    int editorShown = 0;
    // Run inside the About box and the menu, as their nested message loops would.
    std::function<void()> duringModal;
    std::vector<bool> menuPopups;  // one entry per popup: was "A &Propos de ..." the default item
};

class FakeEditorWindow : public EditorWindow {
  public:
    IconLookup DrawFirstIcon(const std::wstring& path) override;
    bool LoadPicture(const std::wstring& path) override;
    void ShowPlaceholder() override { preview = L"placeholder"; }
    void ClearPicture() override { preview.clear(); }
    std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) override;
    void Close() override { ++closes; }

    struct Dialog {
        std::wstring filter;
        std::wstring initialName;
    };

    std::set<std::wstring> filesWithIcon;
    std::set<std::wstring> pictureFiles;
    // What the preview shows: "" (clear), "icon:<path>", "picture:<path>", "placeholder".
    std::wstring preview;
    // The user's answers to the next dialogs, in order; nothing: cancelled.
    std::vector<std::optional<std::wstring>> answers;
    std::vector<Dialog> dialogs;
    int closes = 0;
};

}  // namespace zudav
