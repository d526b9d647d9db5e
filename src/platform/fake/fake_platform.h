// Test double of the platform: it holds state in plain members and records calls.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zudav {

class FakePlatform : public Platform {
  public:
    std::wstring ExecutablePath() const override { return executablePath; }
    bool ClaimSingleCopy(const std::wstring& baseName) override;
    wchar_t DecimalSeparator() const override { return decimalSeparator; }
    void SetHelpFile(const std::wstring& path) override { helpFile = path; }
    std::wstring HelpFile() const override { return helpFile; }
    void ShowHelp() override { ++helpShown; }
    StartResult StartProcess(const std::wstring& commandLine, int showCommand, const std::wstring& folder) override;
    StartResult StartWithShell(const ShellStart& start) override;
    void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) override;
    void OpenWith(const std::wstring& file) override { openedWith.push_back(file); }
    std::wstring ExpandEnvironment(const std::wstring& text) const override;
    void DoEvents() override { ++eventPasses; }
    bool FileExists(const std::wstring& path) const override;
    bool FolderExists(const std::wstring& path) const override;
    std::wstring RegisteredProgram(const std::wstring& name) const override;
    std::vector<std::wstring> SystemFolders() const override { return systemFolders; }
    std::wstring PathVariable() const override;
    std::optional<Shortcut> ReadShortcut(const std::wstring& path) const override;
    // Made in a folder that is not read-only: the file exists from then on.
    bool MakeShortcut(const std::wstring& link, const std::wstring& target) override;
    CopyResult CopyFileTo(const std::wstring& source, const std::wstring& target) override;
    bool RemoveFile(const std::wstring& path) override;
    std::wstring VersionText(const std::wstring& entry) const override;
    void Beep() override { ++beeps; }
    void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;
    bool AskYesNo(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;
    Geometry MonitorAt(const Geometry& rect) const override;
    ScreenSize VirtualScreen() const override { return virtualScreen; }
    std::vector<Geometry> WorkAreas() const override { return workAreas; }
    std::vector<Geometry> Monitors() const override { return monitors; }
    std::vector<MonitorArea> MonitorAreas() const override { return monitorAreas; }
    PixelPoint PointerPosition() const override { return pointer; }
    std::optional<PixelRect> WindowInFrontPlace() const override { return windowInFrontPlace; }
    // Monitors in pixels, at 15 twips a pixel: their rectangles and work areas in twips follow.
    void SetMonitors(std::vector<MonitorArea> areas);
    float ScreenPixel() const override { return 15; }
    bool AppsUseDarkTheme() const override { return appsDark; }
    bool HighContrastOn() const override { return highContrast; }
    std::optional<std::wstring> ShellDisplayName(const std::wstring& shellName) const override {
        const auto found = shellNames.find(shellName);
        return found == shellNames.end() ? std::nullopt : std::optional<std::wstring>(found->second);
    }
    std::vector<DesktopWindow> DesktopWindows(bool withAppIds) const override {
        std::vector<DesktopWindow> windows = desktopWindows;
        for (DesktopWindow& window : windows) {
            window.appId = withAppIds ? window.appId : L"";
        }
        return windows;
    }
    std::uintptr_t WindowInFront() const override { return windowInFront; }
    void WatchStartedPrograms(std::function<void()> notice) override { startedNotice = std::move(notice); }
    void CommandWindow(std::uintptr_t window, WindowCommand command) override {
        windowCommands.push_back({window, command});
    }
    // As StrCmpLogicalW sorts French names: case and accents aside, runs of digits by their value.
    int CompareAsExplorer(const std::wstring& a, const std::wstring& b) const override;
    std::optional<FileStamp> StampOf(const std::wstring& path) const override;
    bool RemoteDrive(wchar_t letter) const override { return remoteDrives.count(letter) > 0; }
    bool OnlineOnly(const std::wstring& path) const override { return onlineOnlyFiles.count(path) > 0; }
    void RunAway(std::function<void(Platform&)> work) override { awayWork.push_back(std::move(work)); }
    // Runs the work asked away, as its thread would: calls from it are not the bar's.
    void RunAwayWork();
    // Notes a file-system call for `path`: on the bar's thread, one for a file on the network or online only would hold
    // the bar, and is recorded in waitingCalls.
    void Touch(const std::wstring& path) const;
    bool WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) override;
    bool RemoveRunAtLogon(RunScope scope, const std::wstring& name) override;
    std::vector<std::wstring> FoldersForEveryUser() const override { return foldersForEveryUser; }
    std::optional<Environment> FreshEnvironment() const override { return freshEnvironment; }
    Environment ProcessEnvironment() const override { return {environment.begin(), environment.end()}; }
    void SetProcessVariable(const std::wstring& name, const std::optional<std::wstring>& value) override;
    void RegisterForRestart() override { ++restartRegistrations; }
    std::vector<std::wstring> AltGrCharacters(unsigned virtualKey) const override;
    std::wstring KeyName(unsigned virtualKey) const override {
        return std::wstring(1, static_cast<wchar_t>(virtualKey));
    }

    std::vector<std::wstring> ExecutablesIn(const std::wstring& folder) const override;
    std::optional<ExecutableVersion> VersionOf(const std::wstring& executable) const override;
    bool IsRunning(const std::wstring& executable) const override;
    bool MoveOver(const std::wstring& from, const std::wstring& to) override;
    std::optional<std::string> ReadFileBytes(const std::wstring& path, std::size_t largest) const override;
    bool WriteFileWhole(const std::wstring& path, const std::string& bytes) override;
    std::wstring LocalAppDataFolder() const override { return localAppData; }
    bool MakeFolders(const std::wstring& path) override;
    std::wstring TimeStamp() const override { return timeStamp; }

    struct Message {
        std::wstring title;
        std::wstring text;
        MessageIcon icon;
    };

    struct Started {
        std::wstring commandLine;
        int showCommand;
        std::wstring folder;
        StartResult result;
    };
    struct Opened {
        std::wstring verb;
        std::wstring file;
        std::wstring folder;
    };

    std::wstring executablePath = L"C:\\Outils\\Zudav.exe";
    std::set<std::wstring> existingFiles;
    std::map<std::wstring, FileStamp> stamps;         // what tells that a file changed; none for the others
    std::map<std::wstring, std::wstring> shellNames;  // shell names and the names the shell shows for them
    std::set<std::wstring> existingFolders;
    std::vector<std::wstring> shortcutsMade;        // "link -> target"
    std::map<std::wstring, std::wstring> appPaths;  // App Paths: a program's name and the path registered for it
    std::vector<std::wstring> systemFolders{L"C:\\Windows\\system32", L"C:\\Windows"};
    std::map<std::wstring, Shortcut> shortcuts;  // shortcut files and what they hold
    std::set<std::wstring> startablePrograms;    // commands whose first word (or quoted path) starts
    std::vector<Started> started;                // every process start asked for, and its answer

    StartResult otherPrograms = StartResult::NotFound;  // the answer for any other command
    StartResult shellAnswer = StartResult::NotFound;    // how a start asked of the shell ends
    std::vector<ShellStart> shellStarts;                // every start asked of the shell
    std::map<std::wstring, std::wstring> environment;   // the process's variables, which %NAME% expands
    std::optional<Environment> freshEnvironment;        // what the registry gives a new logon
    int restartRegistrations = 0;
    // The keyboard layouts the user has loaded: for each, what a virtual key gives with AltGr.
    std::vector<std::map<unsigned, std::wstring>> keyboardLayouts{{}};
    std::vector<Opened> opened;
    std::vector<std::wstring> openedWith;  // files shown in the "Open with" dialog
    int eventPasses = 0;
    std::map<std::wstring, std::wstring> versionInfo;
    wchar_t decimalSeparator = L'.';
    std::set<std::wstring> runningCopies;  // lower-cased base names already running
    std::wstring helpFile;
    bool appsDark = false;      // the user's light or dark apps
    bool highContrast = false;  // a high-contrast theme
    int helpShown = 0;
    int beeps = 0;
    std::vector<Message> messages;        // OK boxes and Yes/No questions, in order
    std::function<void()> duringMessage;  // run inside each OK box, as its nested message loop would
    std::vector<bool> answers;            // the user's answers to the next questions; none left: No
    std::vector<std::pair<std::wstring, std::wstring>> copies;  // source, target
    std::vector<Geometry> monitors{{0, 0, 19200, 14400}};       // the first one stands in for any rectangle on none
    ScreenSize virtualScreen{19200, 14400};
    std::vector<Geometry> workAreas{{0, 0, 19200, 13800}};
    std::vector<MonitorArea> monitorAreas{{{0, 0, 1280, 960}, {0, 0, 1280, 920}, 96, true}};
    PixelPoint pointer;
    std::optional<PixelRect> windowInFrontPlace;
    std::map<std::pair<RunScope, std::wstring>, std::wstring> runAtLogon;
    std::set<RunScope> refusedRunScopes;  // lists that cannot be opened for writing
    std::vector<std::wstring> foldersForEveryUser{L"C:\\Program Files", L"C:\\Program Files (x86)", L"C:\\Windows"};

    CopyResult copyAnswer = CopyResult::Copied;     // of a copy whose source exists and target does not
    std::set<std::wstring> lockedFiles;             // files that cannot be deleted
    std::map<std::wstring, std::string> fileBytes;  // what ReadFileBytes reads and WriteFileWhole writes
    std::set<std::wstring> readOnlyFolders;         // WriteFileWhole fails there
    std::vector<std::wstring> written;              // every file WriteFileWhole wrote, in order
    std::set<std::wstring> madeFolders;
    std::wstring localAppData = L"C:\\Users\\Moi\\AppData\\Local";
    std::wstring timeStamp = L"2026-12-07-101500";
    std::set<std::pair<RunScope, std::wstring>> protectedRunValues;  // values this user may not remove

    // The version information of executable files: a copy or a move takes its source's along.
    std::map<std::wstring, ExecutableVersion> executableVersions;
    std::set<std::wstring> runningExecutables;  // which, as on Windows, cannot be moved over

    // The network as Windows shows it: shares' paths start with one of `shares`; drive letters mapped to a share; cloud
    // files whose data is not on the disk.
    std::vector<std::wstring> shares{L"\\\\serveur\\", L"\\\\?\\UNC\\serveur\\", L"//serveur/"};
    std::set<wchar_t> remoteDrives;
    std::set<std::wstring> onlineOnlyFiles;
    std::vector<std::function<void(Platform&)>> awayWork;  // asked, not run yet
    std::vector<DesktopWindow> desktopWindows;             // front first
    std::uintptr_t windowInFront = 0;
    std::function<void()> startedNotice;
    std::vector<std::pair<std::uintptr_t, WindowCommand>> windowCommands;
    bool onBarThread = true;
    mutable std::vector<std::wstring> waitingCalls;  // file-system calls that would have held the bar
};

}  // namespace zudav
