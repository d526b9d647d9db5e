// What the program needs from the system beyond its own windows: the running executable, the single-copy
// check, the locale, help, sounds, message boxes, files, processes, the screen and the programs run at logon.
// Win32 in platform/win32, a fake for tests.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop_windows.h"
#include "platform/geometry.h"
#include "platform/program_file.h"

namespace zudav {

// The line break inside the texts of messages (SautLigne).
inline constexpr const wchar_t* kSautLigne = L"\r\n";

enum class MessageIcon { None, Stop, Information, Exclamation };

// A file's size and last write time, as the file system keeps them.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t written = 0;
    bool operator==(const FileStamp& other) const { return size == other.size && written == other.written; }
};

// A monitor as the window system lays the desktop out: its rectangle and its work area (the screen less the taskbar),
// in pixels of the virtual screen, and its DPI.
struct MonitorArea {
    PixelRect monitor;
    PixelRect work;
    int dpi = 96;
    bool primary = false;
};

// Where a program to run at logon is registered: for every user of the machine, or for the current one.
enum class RunScope { Machine, User };

// How a start ended: the program runs, or why it does not.
enum class StartResult {
    Started,
    ElevationRequired,  // the program asks for administrator rights, which only the shell's prompt can give
    NotAProgram,        // a file that is no program (a shortcut, a document, a folder)
    NoAssociation,      // a document no program is registered to open
    NotFound,           // no such file, folder or program
    Cancelled,          // the user declined the administrator prompt
    Other,
};

// What the shell is asked to start, as the Run box or Explorer would: a program, a document, a folder, a shortcut,
// an address or a shell: path, with a verb (empty: the default one; "runas": as administrator), its arguments, a
// working folder and the window state of its first window.
struct ShellStart {
    std::wstring verb;
    std::wstring file;
    std::wstring arguments;
    std::wstring folder;
    int showCommand = 1;
    // The file is a shell item as a folder lists it: started by its id list, as Explorer starts what it shows (an item
    // of a shell folder has no path of its own).
    bool asShellItem = false;
};

// How a copy of a file ended.
enum class CopyResult { Copied, TargetExists, AccessDenied, NameTooLong, Other };

// Environment variables, as name and value, in the order the system holds them.
using Environment = std::vector<std::pair<std::wstring, std::wstring>>;

struct ScreenSize {
    float width = 0;  // twips
    float height = 0;
};

// What a shortcut file (.lnk) points to: its target's path, the arguments, and the file its icon comes from (empty
// when the shortcut chose none).
struct Shortcut {
    std::wstring target;
    std::wstring arguments;
    std::wstring iconFile;
};

// What the version information of an executable file says of it.
struct ExecutableVersion {
    std::wstring productName;       // "ProductName"
    std::wstring originalFilename;  // "OriginalFilename"
    std::uint64_t fileVersion = 0;  // the fixed file version, its four 16-bit parts from the most significant
};

class Platform : public ProgramFinder {
  public:
    virtual ~Platform() = default;

    // Full path of the running executable.
    virtual std::wstring ExecutablePath() const = 0;
    // Claims the single-copy lock of this executable name; false when another copy already holds it.
    virtual bool ClaimSingleCopy(const std::wstring& baseName) = 0;
    // The decimal separator of the user's locale, used by every number <-> text conversion.
    virtual wchar_t DecimalSeparator() const = 0;

    // The program's help file, opened by F1 in any window and by the "Aide" buttons.
    virtual void SetHelpFile(const std::wstring& path) = 0;
    virtual std::wstring HelpFile() const = 0;
    virtual void ShowHelp() = 0;

    // Starts a command line as a new process whose first window takes showCommand, with folder as its working folder.
    virtual StartResult StartProcess(const std::wstring& commandLine, int showCommand, const std::wstring& folder) = 0;
    // Starts through the shell, without the shell's own error message; Cancelled when the user declines its prompt.
    virtual StartResult StartWithShell(const ShellStart& start) = 0;
    // Opens a file or address with the program associated with it; the result is not reported.
    virtual void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) = 0;
    // Windows' "Open with" dialog for a file: the program the user chooses there opens it.
    virtual void OpenWith(const std::wstring& file) = 0;
    // The text with each %NAME% of the environment replaced by its value; an unknown %NAME% stays as it is.
    virtual std::wstring ExpandEnvironment(const std::wstring& text) const = 0;
    // Hands the window events that are pending to their handlers.
    virtual void DoEvents() = 0;
    // Names compare without regard to case, as the file system does.
    virtual bool FileExists(const std::wstring& path) const = 0;
    virtual bool FolderExists(const std::wstring& path) const = 0;
    // Reads a shortcut file, without looking for a target that has moved; nothing when the file is not one.
    virtual std::optional<Shortcut> ReadShortcut(const std::wstring& path) const = 0;
    // A shortcut file made at `link` to `target`, which starts in the target's folder; false when it could not be
    // written.
    virtual bool MakeShortcut(const std::wstring& link, const std::wstring& target) = 0;
    // Copies a file; an existing target is not replaced. (Not CopyFile: a Windows macro.)
    virtual CopyResult CopyFileTo(const std::wstring& source, const std::wstring& target) = 0;
    // Deletes a file; false when it stays.
    virtual bool RemoveFile(const std::wstring& path) = 0;
    // An entry of the program's version information ("FileDescription", "Comments").
    virtual std::wstring VersionText(const std::wstring& entry) const = 0;

    virtual void Beep() = 0;
    // A modal message box with a single OK button, over the program's active window.
    virtual void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) = 0;
    // A modal message box with Yes and No buttons; true when the user answers Yes.
    virtual bool AskYesNo(const std::wstring& title, const std::wstring& text, MessageIcon icon) = 0;

    // The full rectangle of the monitor nearest to a rectangle (twips of the virtual screen, as the work areas).
    virtual Geometry MonitorAt(const Geometry& rect) const = 0;
    // The size of the rectangle that holds every monitor (the virtual screen).
    virtual ScreenSize VirtualScreen() const = 0;
    // The work area (the screen less the taskbar) of every monitor, in twips of the virtual screen.
    virtual std::vector<Geometry> WorkAreas() const = 0;
    // The full rectangle of every monitor, in the same twips.
    virtual std::vector<Geometry> Monitors() const = 0;
    // Every monitor, in pixels, the primary one marked.
    virtual std::vector<MonitorArea> MonitorAreas() const = 0;
    // Where the pointer is; and the rectangle of the window in front (none when no window is).
    virtual PixelPoint PointerPosition() const = 0;
    virtual std::optional<PixelRect> WindowInFrontPlace() const = 0;
    // One pixel of the virtual screen, in its twips (15 at the system's 96 dpi).
    virtual float ScreenPixel() const = 0;
    // The user's choice of dark apps (a light one when the system has no such choice), and whether a high-contrast
    // theme is on.
    virtual bool AppsUseDarkTheme() const = 0;
    virtual bool HighContrastOn() const = 0;
    // What tells that a file changed, from one read of its attributes (a bare program name is looked for where a
    // start finds it). Nothing for a path that is no file nor folder, or that is on a share or a remote drive, which
    // is not read: a network's time-out would hold the bar.
    virtual std::optional<FileStamp> StampOf(const std::wstring& path) const = 0;
    // A drive letter mapped to a share or a WebDAV folder: its files are on the network. Asked of the drive's type, not
    // of its files.
    virtual bool RemoteDrive(wchar_t letter) const = 0;
    // A local file whose data is not on the disk (a cloud file not downloaded): its attributes say so, and reading
    // them downloads nothing.
    virtual bool OnlineOnly(const std::wstring& path) const = 0;
    // Runs work on a thread of its own, with a platform of its own, so that a network's time-out holds that thread
    // and not the bar's; nothing waits for it, not even the bar's exit.
    virtual void RunAway(std::function<void(Platform&)> work) = 0;
    // The visible top-level windows of the desktop, the one in front first; their application ids only when asked
    // (reading them loads the shell's property system).
    virtual std::vector<DesktopWindow> DesktopWindows(bool withAppIds) const = 0;
    // The window in front now (the foreground window); 0 when none.
    virtual std::uintptr_t WindowInFront() const = 0;
    // `notice` is called, from a thread of its own, once each program the bar starts from then on has shown its first
    // window (it waits for input), and again once it has ended: the bar so learns of its own programs' windows where
    // the shell tells nothing (a wait on the process, never a timer).
    virtual void WatchStartedPrograms(std::function<void()> notice) = 0;
    // Brings a window to the front, restored when it is minimised, or minimises it.
    virtual void CommandWindow(std::uintptr_t window, WindowCommand command) = 0;
    // The name the shell shows for one of its names ("shell:AppsFolder\<application id>": the app's name).
    virtual std::optional<std::wstring> ShellDisplayName(const std::wstring& shellName) const = 0;
    // Explorer's order of two names, as it sorts a folder: below 0 when a comes first ("2" before "10", case and
    // accents as the user's language sorts them).
    virtual int CompareAsExplorer(const std::wstring& a, const std::wstring& b) const = 0;

    // The value `name` of the list of programs run at logon. Writing returns false when the list cannot be
    // opened for writing (the machine's list needs an administrator). Removing returns false when the value is there
    // and may not be removed; a value that is absent is fine.
    virtual bool WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) = 0;
    virtual bool RemoveRunAtLogon(RunScope scope, const std::wstring& name) = 0;
    // The folders that only an administrator may change, from which a program may be run for every user: both
    // Program Files folders and the Windows folder, as full paths.
    virtual std::vector<std::wstring> FoldersForEveryUser() const = 0;

    // The variables Windows gives a new logon of the user (the machine's, the user's and the session's), built again
    // from the registry without this process's own; nothing when they cannot be had.
    virtual std::optional<Environment> FreshEnvironment() const = 0;
    // This process's variables, which every program it starts and every %NAME% it expands take.
    virtual Environment ProcessEnvironment() const = 0;
    // Sets one of them, or removes it (no value). Names compare without regard to case.
    virtual void SetProcessVariable(const std::wstring& name, const std::optional<std::wstring>& value) = 0;
    // Windows starts the bar again when an installer or an update closed it to replace its file; not after a crash,
    // a hang, or the computer's restart (the programs run at logon start it then).
    virtual void RegisterForRestart() = 0;
    // What a key gives with AltGr (Ctrl+Alt) held on each keyboard layout the user has loaded, one text per layout:
    // empty where it gives nothing, a dead key's own character. The keyboard's state (a dead key pending) is kept.
    virtual std::vector<std::wstring> AltGrCharacters(unsigned virtualKey) const = 0;
    // The name of a key as the user's keyboard shows it ("E", "\u00c9"), for messages.
    virtual std::wstring KeyName(unsigned virtualKey) const = 0;

    // The full paths of the executable files (*.exe) of a folder, save online-only cloud files (reading one would
    // download it).
    virtual std::vector<std::wstring> ExecutablesIn(const std::wstring& folder) const = 0;
    // The version information of an executable file; nothing when it has none.
    virtual std::optional<ExecutableVersion> VersionOf(const std::wstring& executable) const = 0;
    // True when a process runs that file now, or may run it (one of that name that cannot be asked).
    virtual bool IsRunning(const std::wstring& executable) const = 0;
    // Moves a file over another in one step, written through to the disk; false when the target stays as it was
    // (Windows refuses to replace a running program or a read-only file).
    virtual bool MoveOver(const std::wstring& from, const std::wstring& to) = 0;

    // Up to `largest` + 1 bytes of a file (so that a longer one shows as such); nothing when it cannot be read.
    virtual std::optional<std::string> ReadFileBytes(const std::wstring& path, std::size_t largest) const = 0;
    // Writes a whole file in one step: to a new file in the same folder, then moved over the old one, written through
    // to the disk, so that a crash or a pulled drive leaves the old file or the new one, never half of one. False when
    // the folder or the file cannot be written: the old file is as it was and nothing is left beside it.
    virtual bool WriteFileWhole(const std::wstring& path, const std::string& bytes) = 0;
    // The user's local application data folder (%LOCALAPPDATA%).
    virtual std::wstring LocalAppDataFolder() const = 0;
    // Makes a folder and every missing folder above it; true when it exists afterwards.
    virtual bool MakeFolders(const std::wstring& path) = 0;
    // The local date and time as "AAAA-MM-JJ-HHMMSS", for the names of files.
    virtual std::wstring TimeStamp() const = 0;
};

}  // namespace zudav
