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

bool FakePlatform::StartProcess(const std::wstring& commandLine, int showCommand) {
    // The program is the quoted path, or the text up to the first blank.
    std::wstring program;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        program = commandLine.substr(1, commandLine.find(L'"', 1) - 1);
    } else {
        program = commandLine.substr(0, commandLine.find(L' '));
    }
    if (startablePrograms.count(program) == 0) {
        return false;
    }
    started.push_back({commandLine, showCommand});
    return true;
}

void FakePlatform::ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) {
    opened.push_back({verb, file, folder});
}

std::wstring FakePlatform::VersionText(const std::wstring& entry) const {
    auto it = versionInfo.find(entry);
    return it == versionInfo.end() ? std::wstring() : it->second;
}

IconLookup FakeBarWindow::DrawFirstIcon(int box, const std::wstring& path) {
    if (filesWithIcon.count(path) > 0) {
        pictures[box] = L"icon:" + path;
        return IconLookup::Drawn;
    }
    return filesWithoutIconKind.count(path) > 0 ? IconLookup::NotIconKind : IconLookup::NoIcon;
}

bool FakeBarWindow::LoadPicture(int box, const std::wstring& path) {
    if (pictureFiles.count(path) == 0) {
        return false;
    }
    pictures[box] = L"picture:" + path;
    return true;
}

void FakeBarWindow::ShowBuiltInPicture(int box, BuiltInPicture picture) {
    pictures[box] = picture == BuiltInPicture::Placeholder ? L"placeholder" : L"free";
}

void FakeBarWindow::ShowAbout() {
    ++aboutShown;
    if (duringModal) {
        duringModal();
    }
}

void FakeBarWindow::PopupMenuAide(bool proposIsDefault) {
    menuPopups.push_back(proposIsDefault);
    if (duringModal) {
        duringModal();
    }
}

void FakeBarWindow::ShowItemEditor() {
    ++editorShown;
    if (duringModal) {
        duringModal();
    }
}

IconLookup FakeEditorWindow::DrawFirstIcon(const std::wstring& path) {
    if (filesWithIcon.count(path) == 0) {
        return IconLookup::NoIcon;  // draws nothing over what the preview shows
    }
    preview = L"icon:" + path;
    return IconLookup::Drawn;
}

bool FakeEditorWindow::LoadPicture(const std::wstring& path) {
    if (pictureFiles.count(path) == 0) {
        return false;
    }
    preview = L"picture:" + path;
    return true;
}

std::optional<std::wstring> FakeEditorWindow::AskOpenFile(const std::wstring& filter, const std::wstring& initialName) {
    dialogs.push_back({filter, initialName});
    if (answers.empty()) {
        return std::nullopt;
    }
    auto answer = answers.front();
    answers.erase(answers.begin());
    return answer;
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
