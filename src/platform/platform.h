// What the program needs from the system beyond its own windows: the running executable, the single-copy
// check, the locale, help, sounds, message boxes, files and processes. Win32 in platform/win32, a fake for tests.
#pragma once

#include <string>

namespace zudav {

enum class MessageIcon { Stop, Information };

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

    virtual void Beep() = 0;
    // A modal message box with a single OK button.
    virtual void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) = 0;
};

}  // namespace zudav
