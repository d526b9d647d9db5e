// What the program needs from the system beyond its own windows: the running executable, the single-copy
// check, the locale, help, sounds, message boxes, files, processes, the screen and the programs run at logon.
// Win32 in platform/win32, a fake for tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"

namespace zudav {

enum class MessageIcon { None, Stop, Information, Exclamation };

// Where a program to run at logon is registered: for every user of the machine, or for the current one.
enum class RunScope { Machine, User };

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

class Platform {
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
    virtual void ShowHelp() = 0;

    // Starts a command line as a new process whose first window takes showCommand; false when it cannot start.
    virtual bool StartProcess(const std::wstring& commandLine, int showCommand) = 0;
    // Opens a file or address with the program associated with it; the result is not reported.
    virtual void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) = 0;
    // Hands the window events that are pending to their handlers.
    virtual void DoEvents() = 0;
    // Names compare without regard to case, as the file system does.
    virtual bool FileExists(const std::wstring& path) const = 0;
    virtual bool FolderExists(const std::wstring& path) const = 0;
    // Reads a shortcut file, without looking for a target that has moved; nothing when the file is not one.
    virtual std::optional<Shortcut> ReadShortcut(const std::wstring& path) const = 0;
    // Copies a file; an existing target is not replaced. False when nothing was copied. (Not CopyFile: a
    // Windows macro.)
    virtual bool CopyFileTo(const std::wstring& source, const std::wstring& target) = 0;
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

    // The value `name` of the list of programs run at logon. Writing returns false when the list cannot be
    // opened for writing (the machine's list needs an administrator); removing a value that is absent is fine.
    virtual bool WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) = 0;
    virtual void RemoveRunAtLogon(RunScope scope, const std::wstring& name) = 0;
};

}  // namespace zudav
