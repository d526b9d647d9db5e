#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

#include "platform/paths.h"

namespace zudav {

namespace {

std::wstring Lower(std::wstring text) {
    for (auto& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

bool HoldsName(const std::set<std::wstring>& names, const std::wstring& path) {
    for (const auto& name : names) {
        if (Lower(name) == Lower(path)) {
            return true;
        }
    }
    return false;
}

wchar_t Folded(wchar_t c) {
    const std::wstring accented = L"\u00e0\u00e2\u00e9\u00e8\u00ea\u00ee\u00f4\u00f9\u00fb\u00e7",
                       plain = L"aaeeeiouuc";
    c = static_cast<wchar_t>(std::towlower(c));
    const size_t at = accented.find(c);
    return at == std::wstring::npos ? c : plain[at];
}

}  // namespace

bool FakePlatform::ClaimSingleCopy(const std::wstring& baseName) {
    return runningCopies.insert(Lower(baseName)).second;
}

std::optional<FileStamp> FakePlatform::StampOf(const std::wstring& path) const {
    Touch(path);
    const auto found = stamps.find(path);
    return found == stamps.end() ? std::nullopt : std::optional<FileStamp>(found->second);
}

void FakePlatform::Touch(const std::wstring& path) const {
    const std::wstring lower = Lower(path);
    const bool share = std::any_of(shares.begin(), shares.end(),
                                   [&](const std::wstring& start) { return lower.rfind(Lower(start), 0) == 0; });
    const size_t at = lower.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
    const bool remote = lower.size() > at + 1 && lower[at + 1] == L':' &&
                        remoteDrives.count(static_cast<wchar_t>(std::towupper(lower[at]))) > 0;
    if (onBarThread && (share || remote || onlineOnlyFiles.count(path) > 0)) {
        waitingCalls.push_back(path);
    }
}

void FakePlatform::RunAwayWork() {
    const std::vector<std::function<void(Platform&)>> work = std::move(awayWork);
    awayWork.clear();
    onBarThread = false;
    for (const auto& run : work) {
        run(*this);
    }
    onBarThread = true;
}

bool FakePlatform::FileExists(const std::wstring& path) const {
    Touch(path);
    return HoldsName(existingFiles, path);
}

bool FakePlatform::FolderExists(const std::wstring& path) const {
    Touch(path);
    return HoldsName(existingFolders, path);
}

std::wstring FakePlatform::RegisteredProgram(const std::wstring& name) const {
    for (const auto& [registered, program] : appPaths) {
        if (Lower(registered) == Lower(name)) {
            return program;
        }
    }
    return {};
}

std::wstring FakePlatform::PathVariable() const {
    const std::wstring path = ExpandEnvironment(L"%PATH%");
    return path == L"%PATH%" ? L"" : path;
}

CopyResult FakePlatform::CopyFileTo(const std::wstring& source, const std::wstring& target) {
    Touch(target);
    if (!FileExists(source)) {
        return CopyResult::Other;
    }
    if (FileExists(target)) {
        return CopyResult::TargetExists;
    }
    if (copyAnswer == CopyResult::Copied) {
        copies.emplace_back(source, target);
        existingFiles.insert(target);
        if (auto version = executableVersions.find(source); version != executableVersions.end()) {
            executableVersions[target] = version->second;
        }
    }
    return copyAnswer;
}

bool FakePlatform::RemoveFile(const std::wstring& path) {
    Touch(path);
    if (HoldsName(lockedFiles, path)) {
        return false;
    }
    for (auto it = fileBytes.begin(); it != fileBytes.end(); ++it) {
        if (Lower(it->first) == Lower(path)) {
            fileBytes.erase(it);
            break;
        }
    }
    for (auto it = existingFiles.begin(); it != existingFiles.end(); ++it) {
        if (Lower(*it) == Lower(path)) {
            existingFiles.erase(it);
            return true;
        }
    }
    return false;
}

bool FakePlatform::AskYesNo(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    messages.push_back({title, text, icon});
    if (answers.empty()) {
        return false;
    }
    const bool yes = answers.front();
    answers.erase(answers.begin());
    return yes;
}

bool FakePlatform::WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) {
    if (refusedRunScopes.count(scope) > 0) {
        return false;
    }
    runAtLogon[{scope, name}] = commandLine;
    return true;
}

void FakePlatform::SetMonitors(std::vector<MonitorArea> areas) {
    const auto twips = [](const PixelRect& r) {
        return Geometry{r.left * 15.0f, r.top * 15.0f, (r.right - r.left) * 15.0f, (r.bottom - r.top) * 15.0f};
    };
    monitors.clear();
    workAreas.clear();
    PixelRect all = areas.empty() ? PixelRect{} : areas.front().monitor;
    for (const MonitorArea& area : areas) {
        monitors.push_back(twips(area.monitor));
        workAreas.push_back(twips(area.work));
        all = {std::min(all.left, area.monitor.left), std::min(all.top, area.monitor.top),
               std::max(all.right, area.monitor.right), std::max(all.bottom, area.monitor.bottom)};
    }
    virtualScreen = {(all.right - all.left) * 15.0f, (all.bottom - all.top) * 15.0f};
    monitorAreas = std::move(areas);
}

Geometry FakePlatform::MonitorAt(const Geometry& rect) const {
    for (const Geometry& monitor : monitors) {
        if (rect.left >= monitor.left && rect.left < monitor.left + monitor.width && rect.top >= monitor.top &&
            rect.top < monitor.top + monitor.height) {
            return monitor;
        }
    }
    return monitors.front();
}

void FakePlatform::ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    messages.push_back({title, text, icon});
    if (duringMessage) {
        duringMessage();
    }
}

StartResult FakePlatform::StartProcess(const std::wstring& commandLine, int showCommand, const std::wstring& folder) {
    // The program is the quoted path, or the text up to the first blank.
    std::wstring program;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        program = commandLine.substr(1, commandLine.find(L'"', 1) - 1);
    } else {
        program = commandLine.substr(0, commandLine.find(L' '));
    }
    const StartResult result = startablePrograms.count(program) > 0 ? StartResult::Started : otherPrograms;
    started.push_back({commandLine, showCommand, folder, result});
    return result;
}

StartResult FakePlatform::StartWithShell(const ShellStart& start) {
    shellStarts.push_back(start);
    return shellAnswer;
}

// As Windows does: names without regard to case, and an unknown %NAME% left as it is, its second % free to open
// the next name.
std::wstring FakePlatform::ExpandEnvironment(const std::wstring& text) const {
    std::wstring expanded;
    std::size_t at = 0;
    for (std::size_t open; (open = text.find(L'%', at)) != std::wstring::npos;) {
        const std::size_t close = text.find(L'%', open + 1);
        if (close == std::wstring::npos) {
            break;
        }
        expanded += text.substr(at, open - at);
        const std::wstring name = Lower(text.substr(open + 1, close - open - 1));
        auto value = std::find_if(environment.begin(), environment.end(),
                                  [&](const auto& variable) { return Lower(variable.first) == name; });
        if (value != environment.end() && !name.empty()) {
            expanded += value->second;
            at = close + 1;
        } else {
            expanded += text.substr(open, close - open);
            at = close;
        }
    }
    return expanded + text.substr(at);
}

bool FakePlatform::RemoveRunAtLogon(RunScope scope, const std::wstring& name) {
    if (runAtLogon.count({scope, name}) > 0 && protectedRunValues.count({scope, name}) > 0) {
        return false;
    }
    runAtLogon.erase({scope, name});
    return true;
}

void FakePlatform::ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) {
    opened.push_back({verb, file, folder});
}

std::optional<Shortcut> FakePlatform::ReadShortcut(const std::wstring& path) const {
    Touch(path);
    auto it = shortcuts.find(path);
    return it == shortcuts.end() ? std::nullopt : std::optional<Shortcut>(it->second);
}

std::wstring FakePlatform::VersionText(const std::wstring& entry) const {
    auto it = versionInfo.find(entry);
    return it == versionInfo.end() ? std::wstring() : it->second;
}

void FakePlatform::SetProcessVariable(const std::wstring& name, const std::optional<std::wstring>& value) {
    for (auto it = environment.begin(); it != environment.end();) {
        it = Lower(it->first) == Lower(name) ? environment.erase(it) : std::next(it);
    }
    if (value) {
        environment[name] = *value;
    }
}

std::vector<std::wstring> FakePlatform::AltGrCharacters(unsigned virtualKey) const {
    std::vector<std::wstring> characters;
    for (const auto& layout : keyboardLayouts) {
        const auto it = layout.find(virtualKey);
        characters.push_back(it == layout.end() ? std::wstring() : it->second);
    }
    return characters;
}

std::vector<std::wstring> FakePlatform::ExecutablesIn(const std::wstring& folder) const {
    Touch(folder);
    std::vector<std::wstring> found;
    for (const std::wstring& file : existingFiles) {
        const std::wstring name = Lower(FileNameOf(file));
        if (Lower(FolderOf(file)) == Lower(folder) && name.size() > 4 && name.substr(name.size() - 4) == L".exe" &&
            onlineOnlyFiles.count(file) == 0) {
            found.push_back(file);
        }
    }
    return found;
}

std::optional<ExecutableVersion> FakePlatform::VersionOf(const std::wstring& executable) const {
    Touch(executable);
    auto it = executableVersions.find(executable);
    return it == executableVersions.end() ? std::nullopt : std::optional<ExecutableVersion>(it->second);
}

bool FakePlatform::IsRunning(const std::wstring& executable) const {
    return HoldsName(runningExecutables, executable);
}

bool FakePlatform::MoveOver(const std::wstring& from, const std::wstring& to) {
    Touch(to);
    if (!FileExists(from) || HoldsName(lockedFiles, to) || IsRunning(to)) {
        return false;
    }
    existingFiles.erase(from);
    existingFiles.insert(to);
    executableVersions.erase(to);
    if (auto version = executableVersions.find(from); version != executableVersions.end()) {
        executableVersions[to] = version->second;
        executableVersions.erase(version);
    }
    return true;
}

std::optional<std::string> FakePlatform::ReadFileBytes(const std::wstring& path, std::size_t largest) const {
    Touch(path);
    for (const auto& [name, bytes] : fileBytes) {
        if (Lower(name) == Lower(path)) {
            return bytes.substr(0, largest + 1);
        }
    }
    return std::nullopt;
}

bool FakePlatform::WriteFileWhole(const std::wstring& path, const std::string& bytes) {
    Touch(path);
    if (HoldsName(readOnlyFolders, FolderOf(path)) || HoldsName(lockedFiles, path)) {
        return false;
    }
    for (auto it = fileBytes.begin(); it != fileBytes.end(); ++it) {
        if (Lower(it->first) == Lower(path)) {
            fileBytes.erase(it);
            break;
        }
    }
    fileBytes[path] = bytes;
    existingFiles.insert(path);
    written.push_back(path);
    return true;
}

bool FakePlatform::MakeFolders(const std::wstring& path) {
    Touch(path);
    if (HoldsName(readOnlyFolders, path)) {
        return false;
    }
    madeFolders.insert(path);
    existingFolders.insert(path);
    return true;
}

int FakePlatform::CompareAsExplorer(const std::wstring& a, const std::wstring& b) const {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::iswdigit(a[i]) && std::iswdigit(b[j])) {
            size_t x = i, y = j;
            while (x < a.size() && std::iswdigit(a[x])) {
                ++x;
            }
            while (y < b.size() && std::iswdigit(b[y])) {
                ++y;
            }
            const auto m = std::stoull(a.substr(i, x - i)), n = std::stoull(b.substr(j, y - j));
            if (m != n) {
                return m < n ? -1 : 1;
            }
            i = x, j = y;
            continue;
        }
        const wchar_t c = Folded(a[i++]), d = Folded(b[j++]);
        if (c != d) {
            return c < d ? -1 : 1;
        }
    }
    return static_cast<int>(i < a.size()) - static_cast<int>(j < b.size());
}

bool FakePlatform::MakeShortcut(const std::wstring& link, const std::wstring& target) {
    if (HoldsName(readOnlyFolders, FolderOf(link))) {
        return false;
    }
    shortcutsMade.push_back(link + L" -> " + target);
    existingFiles.insert(link);
    return true;
}

}  // namespace zudav
