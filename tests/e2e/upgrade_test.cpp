// A bar of this version starts beside bars that its user made with an older one.
#include "driver.h"

namespace e2e {

TEST_F(Scenario, AStartingBarUpgradesTheOlderBarsBesideItThatDoNotRunAndNothingElse) {
    const auto bytes = [](const std::wstring& file) {
        std::ifstream in(std::filesystem::path(file), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::wstring older = std::filesystem::path(zudav()).replace_filename(L"older\\older_zudav.exe");
    const std::wstring other = std::filesystem::path(zudav()).replace_filename(L"zudav_drag.exe");
    ASSERT_NE(bytes(older), bytes(zudav())) << "the older bar is not older";
    const std::wstring jeux = copyOf(older, L"Jeux.exe"), essai = copyOf(older, L"Essai.exe");
    const HANDLE essaiRuns = start(essai);
    const HWND bar = (copyOf(other, L"Outil.exe"), startBar(copyOf(zudav(), L"Zudav.exe")));

    EXPECT_TRUE(waitFor([&] { return bytes(jeux) == bytes(zudav()); })) << "Jeux.exe was not upgraded";
    EXPECT_TRUE(bytes(essai) == bytes(older) && isRunning(essaiRuns)) << "the running Essai.exe was changed";
    EXPECT_TRUE(bytes(scratch(L"Outil.exe")) == bytes(other)) << "another program was changed";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch(L"")), {}), 4) << "a temporary file is left";
    EXPECT_TRUE(IsWindowVisible(bar) && sendTo(bar, WM_NULL) == 0) << "the bar does not run";
}

}  // namespace e2e
