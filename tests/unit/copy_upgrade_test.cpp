#include "bar/copy_upgrade.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

// The bar Zudav.exe 3.0 (a copy of it over itself would count) starts beside Jeux.exe, answered for as Windows does.
TEST(CopyUpgrade, OnlyAnOlderZudavThatDoesNotRunIsReplacedAndNoFileIsLostOrLeft) {
    const std::wstring bar = L"C:\\Outils\\Zudav.exe", jeux = L"C:\\Outils\\Jeux.exe";
    constexpr std::uint64_t kOwn = 3ull << 48, kOlder = 2ull << 48 | 9ull << 32;
    struct {
        const char* what;
        const wchar_t *product, *file;  // Jeux.exe's version information (nullptr: none)
        std::uint64_t version, after;   // Jeux.exe's file version before and after the bar's start-up
        bool running, locked, temporaryTaken;
        size_t copies;  // made under the temporary name
    } const cases[] = {
        {"older", L"Zudav", L"Zudav.exe", kOlder, kOwn, false, false, false, 1},
        {"older, running", L"Zudav", L"Zudav.exe", kOlder, kOlder, true, false, false, 0},
        {"newer", L"Zudav", L"Zudav.exe", kOwn + 1, kOwn + 1, false, false, false, 0},
        {"equal", L"Zudav", L"Zudav.exe", kOwn, kOwn, false, false, false, 0},
        {"another program", L"Jeux", L"Zudav.exe", kOlder, kOlder, false, false, false, 0},
        {"another file of Zudav", L"Zudav", L"Setup.exe", kOlder, kOlder, false, false, false, 0},
        {"no version information", nullptr, nullptr, 0, 0, false, false, false, 0},
        {"older, read-only", L"Zudav", L"Zudav.exe", kOlder, kOlder, false, true, false, 1},
        {"older, the temporary name taken", L"Zudav", L"Zudav.exe", kOlder, kOlder, false, false, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePlatform platform;
        platform.executablePath = bar;
        platform.existingFiles = {bar, jeux, L"C:\\Outils\\Zudav.chm", c.temporaryTaken ? jeux + L".maj" : bar};
        platform.executableVersions = {{bar, {L"Zudav", L"Zudav.exe", kOwn}}};
        if (c.product != nullptr) {
            platform.executableVersions[jeux] = {c.product, c.file, c.version};
        }
        platform.runningExecutables = {bar, c.running ? jeux : bar};
        platform.lockedFiles = {c.locked ? jeux : L""};
        const std::set<std::wstring> files = platform.existingFiles;

        UpgradeOlderCopies(platform);
        EXPECT_EQ(platform.existingFiles, files) << "a file lost, or a temporary one left";
        EXPECT_EQ(platform.copies.size(), c.copies);
        EXPECT_EQ(platform.executableVersions[jeux].fileVersion, c.after);
    }
}

}  // namespace
}  // namespace zudav
