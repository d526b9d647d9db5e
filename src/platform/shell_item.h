// An item of the shell's namespace as the program takes it, from the program dialog or dragged onto the bar: a file,
// or an app of the Start menu that has none (a Store app), which the shell starts by its application id.
#pragma once

#include <string>

namespace zudav {

struct ShellItem {
    std::wstring path;         // the file; for an app, its application id in the Applications folder
    std::wstring displayName;  // the name the shell shows for it
    bool isApp = false;
};

// What the shell starts an app by: this, then its application id.
inline constexpr const wchar_t* kAppsFolderPrefix = L"shell:AppsFolder\\";

}  // namespace zudav
