// A bar whose items, pictures, icon and copies are on a share, on a drive mapped to one, or in the cloud without their
// data: its thread touches none of them (the fixture fails on any call that would), and the bar gets their pictures
// and upgrades its copies all the same, away from it.
#include "bar/copy_upgrade.h"
#include "bar_test.h"
#include "platform/slow_files.h"

namespace zudav {
namespace {

struct Place {
    const wchar_t* folder;  // where everything lies, the bar too
    bool onlineOnly;        // the items and copies are cloud files without their data; the bar runs
};

class NetworkFiles : public BarTest, public ::testing::WithParamInterface<Place> {};

TEST_P(NetworkFiles, NothingOnTheBarsThreadWaitsForThem) {
    const std::wstring folder = GetParam().folder, program = folder + L"agenda.exe", icon = folder + L"agenda.ico",
                       copy = folder + L"Jeux.exe";
    constexpr std::uint64_t kOwn = 3ull << 48, kOlder = 2ull << 48;
    platform.remoteDrives = {L'Z'};
    platform.executablePath = folder + L"Zudav.exe";
    platform.existingFiles = {platform.executablePath, copy};
    platform.executableVersions = {{platform.executablePath, {L"Zudav", L"Zudav.exe", kOwn}},
                                   {copy, {L"Zudav", L"Zudav.exe", kOlder}}};
    if (GetParam().onlineOnly) {
        platform.onlineOnlyFiles = {program, icon, copy};
    }
    Item(ItemField::Chemin, 0, program.c_str());
    Item(ItemField::Chemin, 1, L"C:\\Prog\\ou.exe");
    Item(ItemField::Icone, 1, icon.c_str());
    Put(L"icone", icon.c_str());

    principal.Charger();
    EXPECT_EQ(bar.pictures[0], L"away:" + program);
    EXPECT_EQ(bar.pictures[1], L"away:" + icon);
    EXPECT_EQ(bar.icon, L"away:" + icon);
    bar.picturesMade.clear();
    principal.Rafraichir();
    EXPECT_EQ(bar.picturesMade, std::vector<int>{}) << "made again only when the item changes";

    platform.RunAwayWork();
    // A cloud file is left as it is: reading its version would download it.
    EXPECT_EQ(platform.executableVersions[copy].fileVersion, GetParam().onlineOnly ? kOlder : kOwn);
}

INSTANTIATE_TEST_SUITE_P(SharesMappedDrivesAndTheCloud,
                         NetworkFiles,
                         ::testing::Values(Place{L"\\\\serveur\\outils\\", false},
                                           Place{L"\\\\?\\UNC\\serveur\\outils\\", false},
                                           Place{L"//serveur/outils/", false},
                                           Place{L"Z:\\outils\\", false},
                                           Place{L"z:\\outils\\", false},
                                           Place{L"\\\\?\\Z:\\outils\\", false},
                                           Place{L"C:\\Users\\Moi\\OneDrive\\", true}));

}  // namespace
}  // namespace zudav
