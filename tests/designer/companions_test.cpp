// Companion records: browse-column numbering and the copies between the item and list layouts.

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

#include "component/fixedfield.h"
#include "designer/companions.h"

namespace zelk {
namespace {

BrowseColumnTable tableWith(std::initializer_list<std::pair<const char*, std::int32_t>> columns) {
    BrowseColumnTable table;
    int k = 0;
    for (const auto& [name, position] : columns) {
        ++k;
        table.BrowseColumnNames[static_cast<std::size_t>(k)] = QString::fromUtf8(name);
        table.BrowseColumnPositions[static_cast<std::size_t>(k)] = position;
        table.BrowseColumnWidths[static_cast<std::size_t>(k)] = 1000 + position;
    }
    table.filled = k;
    return table;
}

struct FreeNumberCase {
    const char* name;
    std::vector<std::int32_t> positions;  // entries 1, 2, ...
    std::int16_t start;
    std::int32_t expected;
    friend void PrintTo(const FreeNumberCase& c, std::ostream* os) { *os << c.name; }
};

class FindFreeListNumberTest : public ::testing::TestWithParam<FreeNumberCase> {};

TEST_P(FindFreeListNumberTest, GivesTheFirstFreeNumber) {
    const FreeNumberCase& c = GetParam();
    BrowseColumnTable table;
    for (std::size_t k = 0; k < c.positions.size(); ++k)
        table.BrowseColumnPositions[k + 1] = c.positions[k];
    std::int16_t start = c.start;
    std::int32_t result = -99;
    FindFreeListNumber(table, start, result);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(start, c.start);
}

std::vector<std::int32_t> oneTo(std::int32_t last) {
    std::vector<std::int32_t> all(static_cast<std::size_t>(last));
    std::iota(all.begin(), all.end(), 1);
    return all;
}

INSTANTIATE_TEST_SUITE_P(Cases, FindFreeListNumberTest,
                         ::testing::Values(FreeNumberCase{"EmptyTableStartZero", {}, 0, 1},
                                           FreeNumberCase{"EmptyTableStartOne", {}, 1, 1},
                                           FreeNumberCase{"TakenRunIsSkipped", {1, 2, 3}, 1, 4},
                                           FreeNumberCase{"FreeStartStays", {1, 2, 3}, 5, 5},
                                           FreeNumberCase{"UnorderedPositions", {3, 1, 2, 5}, 1, 4},
                                           FreeNumberCase{"BeyondTheHundredthEntry", oneTo(200),
                                                          150, 201}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BrowseColumnPlacerTest, KeepsExistingColumnsAndNumbersNewOnesApart) {
    BrowseColumnPlacer placer(tableWith({{"a01", 7}, {"a02", 2}, {"", 4}}));
    auto place = [&](const char* bound) {
        ILSTRecord column{};
        setField(column.is02, QString::fromUtf8(bound));
        column.is07 = 1440;
        placer.place(column);
        return std::pair(column.is04, column.is07);
    };
    EXPECT_EQ(place("a02"), std::pair(2, 1002));
    EXPECT_EQ(place("new1"), std::pair(1, 1440));
    EXPECT_EQ(place("a01"), std::pair(7, 1007));
    EXPECT_EQ(place("new2"), std::pair(3, 1440));
    EXPECT_EQ(place("new3"), std::pair(5, 1440));
    // An old column serves one new column only.
    EXPECT_EQ(place("a01"), std::pair(6, 1440));
    // Items bound to no column all get the hidden column of entry 0, whatever the list held.
    EXPECT_EQ(place(""), std::pair(0, 0));
    EXPECT_EQ(place(" "), std::pair(0, 0));
    EXPECT_EQ(place("new4"), std::pair(8, 1440));
}

TEST(InitIlstRecordTest, MakesADefaultBrowseColumnFromAnItem) {
    ISITRecord item{};
    item.ii00 = 77;
    item.ii01 = 5;
    setField(item.ii02, QStringLiteral("a03"));
    setField(item.ii03, QStringLiteral("合同编号"));
    item.ii04 = 12;
    ILSTRecord column{};
    column.is01 = 40;
    column.is11 = 99;
    InitIlstRecord(item, column);
    EXPECT_EQ(column.is00, 77);
    EXPECT_EQ(column.is01, 40);
    EXPECT_EQ(0, std::memcmp(column.is02.data(), item.ii02.data(), column.is02.size()));
    EXPECT_EQ(fieldText(column.is03), QStringLiteral("合同编号"));
    EXPECT_EQ(column.is04, 12);
    EXPECT_EQ(column.is07, 1440);
    EXPECT_EQ(column.is11, 0);
    EXPECT_EQ(fieldText(column.is20), QStringLiteral("宋体"));
    EXPECT_EQ(fieldText(column.is24), QStringLiteral("16777215"));
    EXPECT_EQ(column.is30[0], '\0');
    EXPECT_EQ(column.is30[1], ' ');
}

TEST(CopyRecordTest, IsitToIjstCutsMember27AndKeepsTheInterfaceNumber) {
    ISITRecord item{};
    item.ii00 = 3;
    item.ii01 = 9;
    item.ii13 = 2400;
    std::memset(item.ii27.data(), 'x', item.ii27.size());
    setField(item.ii28, QStringLiteral("合同子表"));
    setField(item.ii45, QStringLiteral("末列"));
    IJSTRecord search{};
    search.is01 = 21;
    CopyIsitToIjstRecord(item, search);
    EXPECT_EQ(search.is00, 3);
    EXPECT_EQ(search.is01, 21);
    EXPECT_EQ(search.is13, 2400);
    EXPECT_EQ(std::string(search.is27.data(), 12), std::string(12, 'x'));
    EXPECT_EQ(fieldText(search.is28), QStringLiteral("合同子表"));
    EXPECT_EQ(fieldText(search.is45), QStringLiteral("末列"));
}

TEST(CopyRecordTest, IjstToIlstWidensMember27WithBlanks) {
    IJSTRecord search{};
    search.is00 = 4;
    search.is01 = 8;
    std::memcpy(search.is27.data(), "abcdefghijkl", 12);
    setField(search.is30, QStringLiteral("30"));
    ILSTRecord column{};
    column.is01 = 33;
    CopyIjstToIlstRecord(search, column);
    EXPECT_EQ(column.is00, 4);
    EXPECT_EQ(column.is01, 33);
    EXPECT_EQ(std::string(column.is27.data(), 42), "abcdefghijkl" + std::string(30, ' '));
    EXPECT_EQ(fieldText(column.is30), QStringLiteral("30"));
}

}  // namespace
}  // namespace zelk
