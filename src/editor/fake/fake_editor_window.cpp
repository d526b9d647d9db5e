#include "editor/fake/fake_editor_window.h"

namespace zudav {

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

std::optional<ShellItem> FakeEditorWindow::AskProgram(const std::wstring& filter, const std::wstring& initialName) {
    if (programAnswers.empty()) {
        auto file = AskOpenFile(filter, initialName);
        return file ? std::optional<ShellItem>(ShellItem{*file, L"", false}) : std::nullopt;
    }
    dialogs.push_back({filter, initialName});
    auto answer = programAnswers.front();
    programAnswers.erase(programAnswers.begin());
    return answer;
}

}  // namespace zudav
