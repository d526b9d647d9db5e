// Test doubles of the platform and of the bar window: they hold state in plain members and record calls.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/bar_window.h"
#include "platform/platform.h"

namespace zudav {

class FakePlatform : public Platform {
  public:
    std::wstring ExecutablePath() const override { return executablePath; }
    bool ClaimSingleCopy(const std::wstring& baseName) override;
    wchar_t DecimalSeparator() const override { return decimalSeparator; }
    void SetHelpFile(const std::wstring& path) override { helpFile = path; }
    void ShowHelp() override { ++helpShown; }
    void Beep() override { ++beeps; }
    void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;

    struct Message {
        std::wstring title;
        std::wstring text;
        MessageIcon icon;
    };

    std::wstring executablePath = L"C:\\Outils\\Zudav.exe";
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
    void PopupMenuAide(bool proposIsDefault) override { menuPopups.push_back(proposIsDefault); }
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
    std::vector<bool> menuPopups;  // one entry per popup: was "A &Propos de ..." the default item
};

}  // namespace zudav
