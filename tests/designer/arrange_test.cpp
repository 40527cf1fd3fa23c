// Alignment, size and spacing over the selected rectangles, without widgets.

#include <gtest/gtest.h>

#include "designer/canvas/arrange.h"

namespace zelk {
namespace {

using R = ArrangeRect;

struct ArrangeCase {
    const char* name;
    const char* key;
    SpacingRule rule;
    std::vector<R> in;
    std::vector<R> out;
};

void PrintTo(const ArrangeCase& c, std::ostream* os) {
    *os << c.name;
}

class Arrange : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(Arrange, GivesTheRectanglesOfTheExample) {
    const ArrangeCase& c = GetParam();
    const auto command = arrangeCommandOfKey(QString::fromLatin1(c.key));
    ASSERT_TRUE(command);
    EXPECT_EQ(arrangeRects(*command, c.in, c.rule), c.out);
}

const auto E = SpacingRule::Entry;
const auto S = SpacingRule::Search;
const std::vector<R> kThree = {{0, 0, 500, 200}, {1000, 0, 500, 200}, {4000, 0, 500, 200}};
const std::vector<R> kThreeFromRight = {{4000, 0, 500, 200}, {1000, 0, 500, 200}, {0, 0, 500, 200}};
const std::vector<R> kOne = {{100, 200, 300, 400}};

INSTANTIATE_TEST_SUITE_P(
    Examples, Arrange,
    ::testing::Values(ArrangeCase{"EntrySpread",
                                  "horiSplit",
                                  E,
                                  kThree,
                                  {{0, 0, 500, 200}, {2000, 0, 500, 200}, {4000, 0, 500, 200}}},
                      ArrangeCase{"SearchSpread",
                                  "horiSplit",
                                  S,
                                  kThree,
                                  {{0, 0, 500, 200}, {1833, 0, 500, 200}, {3666, 0, 500, 200}}},
                      ArrangeCase{"EntrySpreadFromTheRight",
                                  "horiSplit",
                                  E,
                                  kThreeFromRight,
                                  {{4000, 0, 500, 200}, {6000, 0, 500, 200}, {8000, 0, 500, 200}}},
                      ArrangeCase{"SearchSpreadFromTheRight",
                                  "horiSplit",
                                  S,
                                  kThreeFromRight,
                                  {{4000, 0, 500, 200}, {5833, 0, 500, 200}, {7666, 0, 500, 200}}},
                      ArrangeCase{"EntrySpreadDown",
                                  "vertSplit",
                                  E,
                                  {{0, 0, 10, 300}, {0, 1000, 10, 300}, {0, 4000, 10, 300}},
                                  {{0, 0, 10, 300}, {0, 2000, 10, 300}, {0, 4000, 10, 300}}},
                      // Wholly above the origin: spread over its own span, -4000 to -1000.
                      ArrangeCase{"EntrySpreadAboveTheOrigin",
                                  "vertSplit",
                                  E,
                                  {{0, -4000, 10, 500}, {0, -3000, 10, 500}, {0, -1000, 10, 500}},
                                  {{0, -4000, 10, 500}, {0, -2500, 10, 500}, {0, -1000, 10, 500}}},
                      ArrangeCase{"SearchSpreadLeftOfTheOrigin",
                                  "horiSplit",
                                  S,
                                  {{-3000, 0, 100, 10}, {-2500, 0, 100, 10}, {-600, 0, 100, 10}},
                                  {{-3000, 0, 100, 10}, {-2100, 0, 100, 10}, {-1200, 0, 100, 10}}},
                      ArrangeCase{"Centre",
                                  "alignCenter",
                                  E,
                                  {{100, 0, 1001, 10}, {0, 50, 500, 10}},
                                  {{100, 0, 1001, 10}, {350.5, 50, 500, 10}}},
                      ArrangeCase{"Left",
                                  "alignLeft",
                                  S,
                                  {{100, 0, 1001, 10}, {900, 50, 500, 10}},
                                  {{100, 0, 1001, 10}, {100, 50, 500, 10}}},
                      ArrangeCase{"Right",
                                  "alignRight",
                                  S,
                                  {{100, 0, 1001, 10}, {900, 50, 500, 10}},
                                  {{100, 0, 1001, 10}, {601, 50, 500, 10}}},
                      ArrangeCase{"SameWidth",
                                  "sameWidth",
                                  E,
                                  {{100, 0, 1001, 10}, {900, 50, 500, 20}},
                                  {{100, 0, 1001, 10}, {900, 50, 1001, 20}}},
                      ArrangeCase{"SameHeight",
                                  "sameHeight",
                                  E,
                                  {{100, 0, 1001, 10}, {900, 50, 500, 20}},
                                  {{100, 0, 1001, 10}, {900, 50, 500, 10}}},
                      ArrangeCase{"OneLeft", "alignLeft", E, kOne, kOne},
                      ArrangeCase{"OneRight", "alignRight", E, kOne, kOne},
                      ArrangeCase{"OneCentre", "alignCenter", E, kOne, kOne},
                      ArrangeCase{"OneWidth", "sameWidth", E, kOne, kOne},
                      ArrangeCase{"OneHeight", "sameHeight", E, kOne, kOne},
                      ArrangeCase{"OneEntrySpread", "vertSplit", E, kOne, kOne},
                      ArrangeCase{"OneSearchSpread", "horiSplit", S, kOne, kOne},
                      ArrangeCase{"NothingSelected", "horiSplit", E, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArrangeKeys, AreComparedExactly) {
    EXPECT_TRUE(arrangeCommandOfKey("alignLeft"));
    EXPECT_FALSE(arrangeCommandOfKey("AlignLeft"));
    EXPECT_FALSE(arrangeCommandOfKey("tabOrder"));
}

}  // namespace
}  // namespace zelk
