// Alignment, size and spacing over the selected rectangles, without widgets.

#include <gtest/gtest.h>

#include "designer/canvas/arrange.h"

namespace zelk {
namespace {

using R = ArrangeRect;
using Rects = std::vector<R>;
const auto E = SpacingRule::Entry;
const auto S = SpacingRule::Search;

TEST(Arrange, GivesTheRectanglesOfTheExamples) {
    const Rects three = {{0, 0, 500, 200}, {1000, 0, 500, 200}, {4000, 0, 500, 200}};
    const Rects fromRight = {{4000, 0, 500, 200}, {1000, 0, 500, 200}, {0, 0, 500, 200}};
    const Rects pair = {{100, 0, 1001, 10}, {900, 50, 500, 20}};
    const struct {
        const char* key;
        SpacingRule rule;
        Rects in, out;
    } cases[] = {
        {"horiSplit", E, three, {{0, 0, 500, 200}, {2000, 0, 500, 200}, {4000, 0, 500, 200}}},
        {"horiSplit", S, three, {{0, 0, 500, 200}, {1833, 0, 500, 200}, {3666, 0, 500, 200}}},
        {"horiSplit",
         E,
         fromRight,
         {{4000, 0, 500, 200}, {6000, 0, 500, 200}, {8000, 0, 500, 200}}},
        {"horiSplit",
         S,
         fromRight,
         {{4000, 0, 500, 200}, {5833, 0, 500, 200}, {7666, 0, 500, 200}}},
        {"vertSplit",
         E,
         {{0, 0, 10, 300}, {0, 1000, 10, 300}, {0, 4000, 10, 300}},
         {{0, 0, 10, 300}, {0, 2000, 10, 300}, {0, 4000, 10, 300}}},
        // Wholly above or left of the origin: spread over its own span.
        {"vertSplit",
         E,
         {{0, -4000, 10, 500}, {0, -3000, 10, 500}, {0, -1000, 10, 500}},
         {{0, -4000, 10, 500}, {0, -2500, 10, 500}, {0, -1000, 10, 500}}},
        {"horiSplit",
         S,
         {{-3000, 0, 100, 10}, {-2500, 0, 100, 10}, {-600, 0, 100, 10}},
         {{-3000, 0, 100, 10}, {-2100, 0, 100, 10}, {-1200, 0, 100, 10}}},
        {"alignCenter",
         E,
         {{100, 0, 1001, 10}, {0, 50, 500, 10}},
         {{100, 0, 1001, 10}, {350.5, 50, 500, 10}}},
        {"alignLeft", S, pair, {{100, 0, 1001, 10}, {100, 50, 500, 20}}},
        {"alignRight", S, pair, {{100, 0, 1001, 10}, {601, 50, 500, 20}}},
        {"sameWidth", E, pair, {{100, 0, 1001, 10}, {900, 50, 1001, 20}}},
        {"sameHeight", E, pair, {{100, 0, 1001, 10}, {900, 50, 500, 10}}},
        {"horiSplit", E, {}, {}},
    };
    for (const auto& c : cases) {
        const auto command = arrangeCommandOfKey(QString::fromLatin1(c.key));
        ASSERT_TRUE(command) << c.key;
        EXPECT_EQ(arrangeRects(*command, c.in, c.rule), c.out) << c.key << " " << c.in.size();
    }
    // One rectangle is its own reference: every command leaves it.
    const Rects one = {{100, 200, 300, 400}};
    for (const char* key : {"alignLeft", "alignRight", "alignCenter", "sameWidth", "sameHeight",
                            "vertSplit", "horiSplit"})
        for (SpacingRule rule : {E, S})
            EXPECT_EQ(arrangeRects(*arrangeCommandOfKey(key), one, rule), one) << key;
    EXPECT_FALSE(arrangeCommandOfKey("AlignLeft"));
    EXPECT_FALSE(arrangeCommandOfKey("tabOrder"));
}

}  // namespace
}  // namespace zelk
