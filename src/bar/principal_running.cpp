// The slots whose program runs, marked from the desktop's windows, and a click that brings such a program back.
#include <algorithm>

#include "bar/principal.h"
#include "platform/paths.h"

namespace zudav {

// A refresh that changed no item reads no file and lists no window.
bool Principal::FindRunningKeys() {
    const std::wstring barFolder = FolderOf(platform_.ExecutablePath());
    bool changed = false;
    for (int n = 0; n < kSlotCount; ++n) {
        const BarItem& item = model_.Item(n);
        const std::wstring from = item.chemin + L"|" + item.ficALancer.value_or(L"");
        std::optional<std::wstring>& found = runningKeysFrom_[static_cast<size_t>(n)];
        if (found == from) {
            continue;
        }
        found = from;
        runningKeys_[static_cast<size_t>(n)] = RunningKeyOf(item, barFolder, platform_);
        changed = true;
    }
    return changed;
}

// A bar of documents and folders lists no window; one without apps reads no application id.
void Principal::ShowRunning() {
    const auto has = [&](auto what) { return std::any_of(runningKeys_.begin(), runningKeys_.end(), what); };
    const bool programs = has([](const std::optional<RunningKey>& key) { return key.has_value(); });
    const bool apps = has([](const std::optional<RunningKey>& key) { return key && !key->appId.empty(); });
    running_ = programs ? WindowsOfSlots(runningKeys_, platform_.DesktopWindows(apps)) : SlotWindows{};
    std::bitset<kSlotCount> marked;
    for (int n = 0; n < kSlotCount; ++n) {
        marked[static_cast<size_t>(n)] = !running_[static_cast<size_t>(n)].empty();
    }
    window_.ShowRunning(marked);
}

// The bar's own window hears of the desktop's windows for every window of the bar.
void Principal::OnDesktopWindowsChanged() {
    for (Principal* window : Windows()) {
        window->ShowRunning();
    }
}

void Principal::ClickSlot(std::int16_t n, ClickWay way) {
    if (n < 0 || n >= kSlotCount) {
        return;
    }
    if (way != ClickWay::Administrator && model_.On(Option::Basculer)) {
        ShowRunning();  // the windows as they are at the click
    }
    const std::vector<DesktopWindow>& windows = running_[static_cast<size_t>(n)];
    const ClickAnswer answer = AnswerToClick(model_.On(Option::Basculer), way, windows, window_.WindowBeforeBar());
    switch (answer.kind) {
        case ClickAnswer::Kind::Start:
        case ClickAnswer::Kind::StartAsAdministrator:
            return LancerItem(n, answer.kind == ClickAnswer::Kind::StartAsAdministrator);
        case ClickAnswer::Kind::BringBack:
            return platform_.CommandWindow(answer.window, WindowCommand::BringBack);
        case ClickAnswer::Kind::Minimise:
            return platform_.CommandWindow(answer.window, WindowCommand::Minimise);
        case ClickAnswer::Kind::ChooseWindow: {
            menuOpen_ = true;                                    // an auto-hide bar stays shown under its menu
            const std::vector<DesktopWindow> offered = windows;  // the menu lets notices change the slots meanwhile
            const std::optional<int> chosen = window_.ChooseWindow(n, offered);
            menuOpen_ = false;
            HideLater();
            if (chosen && *chosen >= 0 && static_cast<size_t>(*chosen) < offered.size()) {
                platform_.CommandWindow(offered[static_cast<size_t>(*chosen)].id, WindowCommand::BringBack);
            }
            return;
        }
    }
}

}  // namespace zudav
