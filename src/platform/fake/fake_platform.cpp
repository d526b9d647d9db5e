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

}  // namespace zudav
