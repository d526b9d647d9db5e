// A press on a slot: a click that starts its item on the release, or a drag that takes the item onto another slot.
#include "bar_test.h"

namespace zudav {
namespace {

using ItemDrag = BarTest;

TEST_F(ItemDrag, APressStartsItsItemOnTheReleaseOrItsItemGoesWhereItIsDraggedAlsoOnALockedBar) {
    const wchar_t *a = L"C:\\a.exe", *b = L"C:\\b.exe", *ab = L"\u00c9l\u00e9ments 1 et 4 \u00e9chang\u00e9s.";
    constexpr int none = -1, cancel = -2;  // no slot under the pointer; the press given up (Escape, capture lost)
    const int slots[] = {0, 3, 5};
    principal.Charger();
    const struct {
        const char* what;
        int slot;
        std::vector<std::array<int, 3>> moves;  // from the press, in pixels, and the slot under the pointer
        int highlighted;  // after the moves: the pressed slot's hover, or the slot the item would go to
        int released;     // over that slot, none, or cancel before
        int launched;
        std::array<const wchar_t*, 3> chemins;  // of slots 0, 3 and 5 afterwards
        const wchar_t* heard;
        bool locked = false;
    } cases[] = {
        {"within the distance", 0, {{4, -4, 0}}, 0, 0, 0, {a, b, L""}, L""},
        {"onto a filled slot", 0, {{0, 5, 1}, {0, 60, 3}}, 3, 3, none, {b, a, L""}, ab},
        {"onto a free slot",
         0,
         {{-5, 0, 5}},
         5,
         5,
         none,
         {L"", b, a},
         L"\u00c9l\u00e9ment 1 d\u00e9plac\u00e9 \u00e0 la position 6."},
        {"beside the slots", 0, {{0, 9, none}}, none, none, none, {a, b, L""}, L""},
        {"back onto its own slot", 0, {{0, 9, 3}, {0, 1, 0}}, none, 0, none, {a, b, L""}, L""},
        {"given up", 3, {{9, 0, 0}}, 0, cancel, none, {a, b, L""}, L""},
        {"on a locked bar", 0, {{0, 9, 3}}, 3, 3, none, {b, a, L""}, ab, true},
        {"a free slot", 5, {{0, 90, 0}}, 5, 0, none, {a, b, L""}, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Item(ItemField::Chemin, 0, a), Item(ItemField::Chemin, 3, b), Item(ItemField::Chemin, 5, L"");
        principal.Rafraichir();
        c.locked ? principal.Lock() : principal.Unlock();
        const Geometry place = bar.bounds;
        bar.announcements.clear();
        principal.Survol(c.slot);  // the pointer came onto the slot
        principal.OnSlotPress(c.slot, {100, 100});
        bool dragged = false;
        for (const auto& [dx, dy, under] : c.moves) {
            dragged = principal.OnSlotPointerMove({100 + dx, 100 + dy}, {4, 4},
                                                  under == none ? std::nullopt : std::optional<int>(under));
        }
        EXPECT_EQ(dragged, c.highlighted != c.slot);
        std::array<bool, kSlotCount> highlighted{};
        if (c.highlighted != none) {
            highlighted[c.highlighted] = true;
        }
        EXPECT_EQ(bar.borders, highlighted);
        if (c.released == cancel) {
            principal.CancelSlotPress();  // the release that follows does nothing
        }
        const auto under = c.released < 0 ? std::nullopt : std::optional<int>(c.released);
        EXPECT_EQ(principal.OnSlotRelease(under).value_or(none), c.launched);
        EXPECT_EQ(std::count(bar.borders.begin(), bar.borders.end(), true), dragged ? 0 : 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Stored(ItemKeyName(ItemField::Chemin, slots[i])).value_or(L""), c.chemins[i]) << slots[i];
        }
        EXPECT_EQ(bar.announcements, *c.heard ? std::vector<std::wstring>{c.heard} : std::vector<std::wstring>{});
        EXPECT_EQ(bar.bounds, place);
    }
    // From the keyboard, a free slot has nothing to move.
    EXPECT_FALSE(principal.MoveItem(5, 6));
    EXPECT_TRUE(bar.announcements.empty());
}

}  // namespace
}  // namespace zudav
