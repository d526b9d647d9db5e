// A saved file put in the place of the old one: replaced, tried again while held, moved where replacing cannot serve.
#include "platform/file_replacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace zudav {
namespace {

TEST(FileReplacement, HeldIsTriedForTwoSecondsAndAMoveServesWhereReplacingCannot) {
    using A = ReplaceAnswer;
    const struct {
        unsigned long error;
        A answer;
    } errors[] = {{32, A::Held},        {1175, A::Held},        {2, A::CannotServe},
                  {50, A::CannotServe}, {1176, A::CannotServe}, {5, A::Refused}};
    for (const auto& e : errors) {
        EXPECT_EQ(ReplaceAnswerOf(e.error), e.answer) << e.error;
    }
    const struct {
        std::vector<A> answers;  // the last one repeats
        bool moves, placed;
        unsigned waited;
        int moved;
    } cases[] = {
        {{A::Replaced}, true, true, 0, 0},      {{A::Held, A::Held, A::Replaced}, true, true, 200, 0},
        {{A::Held}, true, false, 2000, 0},      {{A::Held, A::CannotServe}, true, true, 100, 1},
        {{A::CannotServe}, false, false, 0, 1}, {{A::Refused}, true, false, 0, 0},
    };
    for (const auto& c : cases) {
        size_t tries = 0;
        unsigned waited = 0;
        int moved = 0;
        const bool placed = ReplaceFileRetrying([&] { return c.answers[std::min(tries++, c.answers.size() - 1)]; },
                                                [&] { return ++moved, c.moves; }, [&](unsigned ms) { waited += ms; });
        EXPECT_EQ(placed, c.placed) << tries;
        EXPECT_EQ(waited, c.waited) << tries;
        EXPECT_EQ(moved, c.moved) << tries;
    }
}

}  // namespace
}  // namespace zudav
