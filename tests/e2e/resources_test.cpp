// A day of use in short: a bar with a program, a missing program and free slots, refreshed a hundred times, then its
// item editor and its About box opened and closed ten times each. The handles that its wrappers hold come back, kind
// by kind, to what they were after start-up.
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, RefreshesAndOpeningsGiveTheirHandlesBack) {
    writeSettings(L"Zudav",
                  {{L"Chemin0", L"C:\\windows\\system32\\notepad.exe"}, {L"Chemin1", scratch(L"absent.exe")}});
    HWND bar = startBar();
    const auto count = [](const std::vector<LRESULT>& counts, ids::HandleKind kind) { return counts[size_t(kind)]; };
    const std::vector<LRESULT> before = liveHandles(bar);
    EXPECT_GE(count(before, ids::HandleKind::Icon), 5) << "the four built-in pictures and the program's icon";

    for (int i = 0; i < 100; ++i) {
        sendTo(bar, WM_COMMAND, IDM_RAFRAICHIR);
    }
    EXPECT_EQ(liveHandles(bar), before) << "after 100 refreshes";

    const std::pair<const wchar_t*, void (*)(HWND bar)> openings[] = {
        {ids::kEditorWindowClass, [](HWND bar) { postPress(bar, cell(bar, 0), true); }},
        {ids::kAboutWindowClass, [](HWND bar) { post(bar, ids::kTrayMessage, ids::kTrayIconId, WM_LBUTTONDBLCLK); }},
    };
    for (const auto& [windowClass, open] : openings) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(windowClass)));
        for (int i = 0; i < 10; ++i) {
            open(bar);
            HWND window = waitModal(bar, windowClass);
            // Each window makes fonts of its own while it is open.
            EXPECT_GT(count(liveHandles(bar), ids::HandleKind::Font), count(before, ids::HandleKind::Font));
            post(window, WM_KEYDOWN, VK_ESCAPE);
            ASSERT_TRUE(gone(window)) << "opening " << i << " did not close";
        }
        // Released as the window's view goes, just after the window.
        EXPECT_TRUE(waitFor([&] { return liveHandles(bar) == before; }))
            << testing::PrintToString(liveHandles(bar)) << " after 10 openings, not " << testing::PrintToString(before);
    }
}

}  // namespace e2e
