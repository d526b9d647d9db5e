#include "config/fake/fake_config_window.h"

namespace zudav {
namespace {

std::optional<std::wstring> NextAnswer(std::vector<std::optional<std::wstring>>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    auto answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

}  // namespace

IconLookup FakeConfigWindow::DrawFirstIcon(int position, const std::wstring& path) {
    if (filesWithIcon.count(path) == 0) {
        return IconLookup::NoIcon;
    }
    ico[position] = L"icon:" + path;
    return IconLookup::Drawn;
}

bool FakeConfigWindow::LoadPicture(int position, const std::wstring& path) {
    if (pictureFiles.count(path) == 0) {
        return false;
    }
    ico[position] = L"picture:" + path;
    return true;
}

bool FakeConfigWindow::LoadApplicationIcon(const std::wstring& path) {
    if (pictureFiles.count(path) == 0) {
        return false;
    }
    image1 = L"picture:" + path;
    return true;
}

std::optional<std::wstring> FakeConfigWindow::AskOpenFile(const std::wstring& filter, const std::wstring&) {
    filters.push_back(filter);
    return NextAnswer(files);
}

std::optional<std::wstring> FakeConfigWindow::AskSaveFile(const std::wstring& filter, const std::wstring& initialName) {
    filters.push_back(filter);
    savedNames.push_back(initialName);
    return NextAnswer(files);
}

std::optional<std::wstring> FakeConfigWindow::AskText(const std::wstring& prompt, const std::wstring& title) {
    prompts.emplace_back(prompt, title);
    return NextAnswer(texts);
}

}  // namespace zudav
