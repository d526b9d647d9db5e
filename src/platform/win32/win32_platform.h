// The platform services on Win32: executable, single-copy lock, locale, help, beep, message boxes, files,
// processes, shortcuts, the screen and the Run lists of the registry. Each kind of service has its file,
// win32_platform_processes, _files, _shell, _screen and _registry; win32_session the user's session.
#pragma once

#include <windows.h>

#include <map>

#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class Win32Platform : public Platform {
  public:
    std::wstring ExecutablePath() const override;
    bool ClaimSingleCopy(const std::wstring& baseName) override;
    wchar_t DecimalSeparator() const override;
    void SetHelpFile(const std::wstring& path) override { helpFile_ = path; }
    std::wstring HelpFile() const override { return helpFile_; }
    void ShowHelp() override;
    StartResult StartProcess(const std::wstring& commandLine, int showCommand, const std::wstring& folder) override;
    StartResult StartWithShell(const ShellStart& start) override;
    void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) override;
    void OpenWith(const std::wstring& file) override;
    std::wstring ExpandEnvironment(const std::wstring& text) const override;
    void DoEvents() override;
    bool FileExists(const std::wstring& path) const override;
    bool FolderExists(const std::wstring& path) const override;
    std::wstring RegisteredProgram(const std::wstring& name) const override;
    std::vector<std::wstring> SystemFolders() const override;
    std::wstring PathVariable() const override;
    std::optional<Shortcut> ReadShortcut(const std::wstring& path) const override;
    bool MakeShortcut(const std::wstring& link, const std::wstring& target) override;
    CopyResult CopyFileTo(const std::wstring& source, const std::wstring& target) override;
    bool RemoveFile(const std::wstring& path) override;
    std::wstring VersionText(const std::wstring& entry) const override;
    void Beep() override;
    void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;
    bool AskYesNo(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;
    Geometry MonitorAt(const Geometry& rect) const override;
    ScreenSize VirtualScreen() const override;
    std::vector<Geometry> WorkAreas() const override;
    std::vector<Geometry> Monitors() const override;
    std::vector<MonitorArea> MonitorAreas() const override;
    PixelPoint PointerPosition() const override;
    std::optional<PixelRect> WindowInFrontPlace() const override;
    float ScreenPixel() const override;
    bool AppsUseDarkTheme() const override;
    bool HighContrastOn() const override;
    std::optional<FileStamp> StampOf(const std::wstring& path) const override;
    bool RemoteDrive(wchar_t letter) const override;
    bool OnlineOnly(const std::wstring& path) const override;
    void RunAway(std::function<void(Platform&)> work) override;
    std::optional<std::wstring> ShellDisplayName(const std::wstring& shellName) const override;
    int CompareAsExplorer(const std::wstring& a, const std::wstring& b) const override;
    std::vector<DesktopWindow> DesktopWindows(bool withAppIds) const override;
    std::uintptr_t WindowInFront() const override;
    void CommandWindow(std::uintptr_t window, WindowCommand command) override;
    void WatchStartedPrograms(std::function<void()> notice) override { startedNotice_ = std::move(notice); }
    bool WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) override;
    bool RemoveRunAtLogon(RunScope scope, const std::wstring& name) override;
    std::optional<Environment> FreshEnvironment() const override;
    Environment ProcessEnvironment() const override;
    void SetProcessVariable(const std::wstring& name, const std::optional<std::wstring>& value) override;
    void RegisterForRestart() override;
    std::vector<std::wstring> AltGrCharacters(unsigned virtualKey) const override;
    std::wstring KeyName(unsigned virtualKey) const override;

    std::vector<std::wstring> ExecutablesIn(const std::wstring& folder) const override;
    std::optional<ExecutableVersion> VersionOf(const std::wstring& executable) const override;
    bool IsRunning(const std::wstring& executable) const override;
    bool MoveOver(const std::wstring& from, const std::wstring& to) override;
    std::optional<std::string> ReadFileBytes(const std::wstring& path, std::size_t largest) const override;
    bool WriteFileWhole(const std::wstring& path, const std::string& bytes) override;
    std::wstring LocalAppDataFolder() const override;
    std::vector<std::wstring> FoldersForEveryUser() const override;
    bool MakeFolders(const std::wstring& path) override;
    std::wstring TimeStamp() const override;

    // The window that owns message boxes and the help viewer.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    // The window a message box or the help viewer belongs to: the program's active window (a modal window
    // over the bar), else the bar.
    HWND DialogOwner() const;
    // Takes the process handle of a program just started, and tells startedNotice_ of it.
    void Watch(HANDLE process);

    HWND owner_ = nullptr;
    std::wstring helpFile_;
    UniqueHandle singleCopyLock_;
    UniqueModule htmlHelp_;
    std::function<void()> startedNotice_;
    struct KnownDrive {
        bool remote;
        ULONGLONG at;
    };
    mutable std::map<wchar_t, KnownDrive> drives_;  // the drives' types asked lately
};

// True when the program runs with an administrator's full rights, above the shell's integrity level.
bool RunsElevated();
// True when a copy of the bar of that name runs in this session: it holds the single-copy lock.
bool SingleCopyHeld(const std::wstring& baseName);

}  // namespace zudav::win32
