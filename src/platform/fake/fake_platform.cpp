#include "platform/fake/fake_platform.h"

#include <cwctype>

namespace zudav {

bool FakePlatform::ClaimSingleCopy(const std::wstring& baseName) {
    std::wstring lower = baseName;
    for (auto& c : lower) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return runningCopies.insert(lower).second;
}

void FakePlatform::ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    messages.push_back({title, text, icon});
}

// The window system refuses negative sizes; positions may be anything.
bool FakeBarWindow::SetLeft(float twips) {
    bounds.left = restored.left = twips;
    return true;
}

bool FakeBarWindow::SetTop(float twips) {
    bounds.top = restored.top = twips;
    return true;
}

bool FakeBarWindow::SetWidth(float twips) {
    if (twips < 0) {
        return false;
    }
    bounds.width = restored.width = twips;
    return true;
}

bool FakeBarWindow::SetHeight(float twips) {
    if (twips < 0) {
        return false;
    }
    bounds.height = restored.height = twips;
    return true;
}

bool FakeBarWindow::LoadIconFile(const std::wstring& path) {
    if (loadableIcons.count(path) == 0) {
        return false;
    }
    icon = path;
    return true;
}

}  // namespace zudav
