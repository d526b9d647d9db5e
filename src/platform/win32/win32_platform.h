// The platform services on Win32: executable, single-copy lock, locale, help, beep and message boxes.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class Win32Platform : public Platform {
  public:
    std::wstring ExecutablePath() const override;
    bool ClaimSingleCopy(const std::wstring& baseName) override;
    wchar_t DecimalSeparator() const override;
    void SetHelpFile(const std::wstring& path) override { helpFile_ = path; }
    void ShowHelp() override;
    bool StartProcess(const std::wstring& commandLine, int showCommand) override;
    void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) override;
    void DoEvents() override;
    bool FileExists(const std::wstring& path) const override;
    std::wstring VersionText(const std::wstring& entry) const override;
    void Beep() override;
    void ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) override;

    // The window that owns message boxes and the help viewer.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    HWND owner_ = nullptr;
    std::wstring helpFile_;
    UniqueHandle singleCopyLock_;
    UniqueModule htmlHelp_;
};

}  // namespace zudav::win32
