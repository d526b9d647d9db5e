// Which picture stands for each kind of item, and the refresh that makes a slot's picture again only when what it is
// made from changed.
#include <functional>

#include "bar_test.h"
#include "platform/item_picture.h"
#include "platform/premultiplied.h"

namespace zudav {
namespace {

TEST(PictureRoad, EachKindOfItemHasItsOwnPicture) {
    const PathFacts program{true, false, true}, document{true, false, false}, folder{true, true, false}, missing{};
    const struct {
        const wchar_t* path;
        PathFacts facts;
        PictureRoad road;
    } cases[] = {
        {L"C:\\Prog\\agenda.exe", program, PictureRoad::OwnIcon},
        {L"C:\\Doc\\lettre.txt", document, PictureRoad::ShellPicture},
        {L"C:\\Bureau\\Agenda.lnk", document, PictureRoad::ShellPicture},  // the shortcut's own choice of icon
        {L"C:\\Doc", folder, PictureRoad::ShellPicture},
        {L"C:\\Dossier.exe", folder, PictureRoad::ShellPicture},
        {L"https://example.com/", missing, PictureRoad::BrowserIcon},
        {L"ftp://serveur/fichier", missing, PictureRoad::BrowserIcon},
        {L"shell:Downloads", missing, PictureRoad::ShellPicture},
        {L"shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App", missing, PictureRoad::ShellPicture},
        {L"C:\\Prog\\parti.exe", missing, PictureRoad::Missing},
        {L"C://chemin", missing, PictureRoad::Missing},  // a drive letter is no scheme
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PictureRoadOf(c.path, c.facts), c.road) << c.path;
    }
}

// A menu entry's picture keeps the icon's own edges: its transparency comes from the two drawings, not from its colour.
TEST(PremultipliedPicture, TransparencyIsWhatTheBackgroundsGaveThrough) {
    const struct {
        std::uint32_t onBlack, onWhite, expected;
    } cases[] = {
        {0x00FF0000u, 0x00FF0000u, 0xFFFF0000u},  // opaque red
        {0x00000000u, 0x00000000u, 0xFF000000u},  // opaque black stays drawn
        {0x00000000u, 0x00FFFFFFu, 0x00000000u},  // background alone
        {0x00800000u, 0x00FF7F7Fu, 0x80800000u},  // red at half strength, premultiplied
        {0x00FF0000u, 0x00FFFFFFu, 0x00000000u},  // a colour above its alpha is clipped to it
        {0x00102030u, 0x000F1F2Fu, 0xFF102030u},  // white drawn darker by rounding: still opaque
    };
    std::vector<std::uint32_t> black, white, expected;
    for (const auto& c : cases) {
        black.push_back(c.onBlack);
        white.push_back(c.onWhite);
        expected.push_back(c.expected);
    }
    EXPECT_EQ(PremultipliedFromBackgrounds(black, white), expected);
}

class SlotPictures : public BarTest {
  protected:
    void SetUp() override {
        const std::pair<const wchar_t*, const wchar_t*> items[] = {
            {L"C:\\Prog\\agenda.exe", nullptr}, {L"C:\\Doc\\lettre.txt", nullptr}, {L"C:\\Prog\\ou.exe", kIcon}};
        for (int n = 0; n < 3; ++n) {
            Item(ItemField::Chemin, n, items[n].first);
            Item(ItemField::Icone, n, items[n].second);
            platform.stamps[items[n].first] = {100, 1};
        }
        platform.stamps[kIcon] = {766, 1};
        bar.filesWithIcon = {L"C:\\Prog\\agenda.exe", L"C:\\Doc\\lettre.txt", L"C:\\Prog\\ou.exe",
                             L"C:\\Prog\\neuf.exe"};
        bar.pictureFiles = {kIcon};
        principal.Charger();
    }
    static constexpr const wchar_t* kIcon = L"C:\\Images\\ou.ico";
};

TEST_F(SlotPictures, ARefreshMakesAgainOnlyThePicturesWhoseSourceChanged) {
    const struct {
        const char* what;
        std::function<void()> change;
        std::vector<int> made;
    } cases[] = {
        {"nothing changed", [] {}, {}},
        {"a path", [&] { Item(ItemField::Chemin, 0, L"C:\\Prog\\neuf.exe"); }, {0}},
        {"the file's time", [&] { platform.stamps[L"C:\\Doc\\lettre.txt"].written = 2; }, {1}},
        {"the file's size", [&] { platform.stamps[L"C:\\Doc\\lettre.txt"].size = 99; }, {1}},
        {"the file gone", [&] { platform.stamps.erase(L"C:\\Doc\\lettre.txt"); }, {1}},
        {"the icon file", [&] { platform.stamps[kIcon].written = 5; }, {2}},
        {"the DPI", [&] { bar.look.pixels = 48; }, {0, 1, 2}},
        {"the theme", [&] { bar.look.theme = 1; }, {0, 1, 2}},
        // Cells of 450 twips take icons of 24 pixels: made again by the resize itself, not by the refresh.
        {"the cells' size", [&] { bar.bounds.width = 600, principal.OnResize(); }, {}},
        {"a slot emptied", [&] { store.Delete(L"Zudav", L"Donnees", L"Chemin1"); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        bar.picturesMade.clear();
        principal.Rafraichir();
        EXPECT_EQ(bar.picturesMade, c.made);
    }
    EXPECT_EQ(bar.pictures[0], L"icon:C:\\Prog\\neuf.exe");
    EXPECT_EQ(bar.pictures[1], L"free");
    EXPECT_EQ(bar.pictures[2], std::wstring(L"picture:") + kIcon);
}

}  // namespace
}  // namespace zudav
