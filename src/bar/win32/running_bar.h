// The bar of this executable's name that runs in another process, found by its window's class and its executable's
// base name: a second start brings it back, and the switches tell it to take imported settings.
#pragma once

#include <windows.h>

#include <string>

#include "bar/command_line.h"

namespace zudav::win32 {

// The bar window of another process whose executable has this base name; null when there is none.
HWND FindBarWindow(const std::wstring& application);

class Win32RunningBar : public RunningBar {
  public:
    explicit Win32RunningBar(std::wstring application) : application_(std::move(application)) {}
    Found Find() override;
    bool TakeSettingsAgain() override;
    bool StorePlace() override;

  private:
    bool Ask(WPARAM request) const;

    std::wstring application_;
    HWND window_ = nullptr;
};

}  // namespace zudav::win32
