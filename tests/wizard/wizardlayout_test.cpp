// The automatic layout, control widths, control kinds and flag strings, as tables.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "support/qtprint.h"
#include "wizard/wizardlayout.h"

using namespace zelk;

namespace zelk {
void PrintTo(const ItemPlace& p, std::ostream* os) {
    for (const TwipsRect& r : {p.label, p.control})
        *os << '(' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ')';
}
}  // namespace zelk

namespace {

using S = WizardLayoutStyle;

struct LayoutCase {
    const char* name;
    LayoutOptions options;
    std::vector<GridSlot> gridSlots;
    std::vector<ItemPlace> expected;
    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<GridSlot> consecutive(int n, std::int32_t width = 3000) {
    std::vector<GridSlot> out;
    for (int p = 1; p <= n; ++p) out.push_back({p, width});
    return out;
}

// Two columns of five fields and a single auto-sized column are checked end to end with the
// generated rows.
class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, PlacesLabelsAndControls) {
    EXPECT_EQ(LayoutItems(GetParam().options, GetParam().gridSlots), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, Layout,
    // Auto size has no effect with two columns.
    ::testing::Values(LayoutCase{"TableTwoColumnsFourFields",
                                 {S::Table, false, true},
                                 consecutive(4, 1200),
                                 {{{210, 210, 1710, 570}, {1695, 210, 4695, 570}},
                                  {{4680, 210, 6180, 570}, {6165, 210, 9165, 570}},
                                  {{210, 555, 1710, 915}, {1695, 555, 4695, 915}},
                                  {{4680, 555, 6180, 915}, {6165, 555, 9165, 915}}}},
                      LayoutCase{"FlatSingleColumnFixedWidth",
                                 {S::Flat, true, false},
                                 {{1, 1200}, {2, 6000}, {3, 2000}},
                                 {{{210, 210, 1710, 570}, {1740, 210, 4740, 570}},
                                  {{210, 600, 1710, 960}, {1740, 600, 4740, 960}},
                                  {{210, 990, 1710, 1350}, {1740, 990, 4740, 1350}}}},
                      LayoutCase{"WebSingleColumnAutoSize",
                                 {S::Web, true, true},
                                 {{1, 6000}},
                                 {{{210, 210, 1710, 570}, {1740, 210, 7740, 570}}}},
                      // Search forms leave positions of unplaced items empty: a column closes up,
                      // and one whose first position is empty starts in row 1.
                      LayoutCase{"TwoColumnsWithEmptyPositions",
                                 {S::Typical, false, false},
                                 {{2, 3000}, {3, 3000}, {5, 3000}, {6, 3000}},
                                 {{{4770, 210, 6270, 570}, {6300, 210, 9300, 570}},
                                  {{210, 210, 1710, 570}, {1740, 210, 4740, 570}},
                                  {{210, 600, 1710, 960}, {1740, 600, 4740, 960}},
                                  {{4770, 600, 6270, 960}, {6300, 600, 9300, 960}}}},
                      LayoutCase{"SingleColumnWithEmptyPositions",
                                 {S::Table, true, false},
                                 {{2, 3000}, {4, 3000}},
                                 {{{210, 210, 1710, 570}, {1695, 210, 4695, 570}},
                                  {{210, 555, 1710, 915}, {1695, 555, 4695, 915}}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WidthCase {
    const char* length;
    std::int32_t entry, search;
};

TEST(ControlWidth, FollowsTheLengthWithinLimits) {
    const WidthCase cases[] = {
        {"8", 1200, 1200},    {"20", 2000, 2000},          {"200", 6000, 6000},
        {"", 3000, 3000},     {"abc", 3000, 3000},         {"12.5", 1200, 1250},
        {"13.5", 1400, 1350}, {"30.5", 3000, 3050},        {" 25 ", 2500, 2500},
        {"-5", 1200, 1200},   {"99999999999", 6000, 6000}, {"-30000000000", 1200, 1200},
        {"3e1", 3000, 3000}};
    for (const WidthCase& c : cases) {
        EXPECT_EQ(ControlWidth(QString::fromUtf8(c.length), WizardForm::ItemEntry), c.entry)
            << c.length;
        EXPECT_EQ(ControlWidth(QString::fromUtf8(c.length), WizardForm::ItemSearch), c.search)
            << c.length;
    }
}

struct KindCase {
    const char* name;
    const char* column;
    const char* type;
    // Members 8, 10, 25, 17, 18 and 19 of the field definition.
    const char *m8, *m10, *m25, *m17, *m18, *m19;
    std::int32_t entry, search;
};

FieldRecord fieldOf(const KindCase& c) {
    FieldRecord f;
    setField(f.m02, QString::fromUtf8(c.column));
    setField(f.m04, QString::fromUtf8(c.type));
    setField(f.m07, QString::fromUtf8(c.m8));
    setField(f.m09, QString::fromUtf8(c.m10));
    setField(f.m24, QString::fromUtf8(c.m25));
    setField(f.m16, QString::fromUtf8(c.m17));
    setField(f.m17, QString::fromUtf8(c.m18));
    setField(f.m18, QString::fromUtf8(c.m19));
    return f;
}

TEST(ControlKind, LaterRulesWin) {
    const KindCase cases[] = {
        {"PlainText", "bt", "文本", "0", "0", "0", "0", "", "0", 2, 2},
        {"KeyColumn", "bh", "文本", "0", "0", "0", "0", "", "0", 4, 4},
        {"KeyColumnDate", "bh", "日期", "0", "0", "0", "0", "", "0", 5, 5},
        {"Date", "fwrq", "日期", "0", "0", "0", "0", "", "0", 5, 5},
        {"DropDownMember8", "mj", "日期", "1", "0", "0", "0", "", "0", 4, 4},
        {"DropDownMember10", "mj", "文本", "0", "1", "0", "0", "", "0", 4, 4},
        {"DropDownMember25", "mj", "文本", "0", "0", "1", "0", "", "0", 4, 4},
        {"SubTable", "fj", "文本", "1", "0", "0", "1", "GWFJ", "0", 12, 12},
        {"SubTableWithoutTable", "fj", "文本", "0", "0", "0", "1", "", "0", 2, 12},
        {"MediaDate", "zw", "日期", "0", "0", "0", "0", "", "1", 11, 5},
        {"MediaDropDown", "zw", "文本", "1", "0", "0", "0", "", "1", 11, 4},
        {"MediaPlain", "zw", "文本", "0", "0", "0", "0", "", "1", 11, 2},
        {"MediaSubTable", "zw", "文本", "0", "0", "0", "1", "GWFJ", "1", 11, 12},
    };
    for (const KindCase& c : cases) {
        const FieldRecord f = fieldOf(c);
        EXPECT_EQ(ControlKindOf(f, "bh", WizardForm::ItemEntry), c.entry) << c.name;
        EXPECT_EQ(ControlKindOf(f, "bh", WizardForm::ItemSearch), c.search) << c.name;
    }
    // Without the table's definition no field with a column name is the key column.
    const FieldRecord key = fieldOf(cases[1]);
    EXPECT_EQ(ControlKindOf(key, "", WizardForm::ItemEntry), 2);
}

struct FlagCase {
    WizardForm form;
    S style;
    std::int32_t kind;
    const char *labelInt, *controlInt;  // controlInt nullptr: the template's own
};

TEST(FlagStrings, ByFormStyleAndKind) {
    const auto E = WizardForm::ItemEntry;
    const auto Q = WizardForm::ItemSearch;
    const FlagCase cases[] = {
        // Option1 by kind is checked end to end with the generated rows.
        {E, S::Typical, 12, "000000000001", nullptr},
        {E, S::Flat, 12, "000000000001", "001100010001"},
        {E, S::Table, 5, "001000000001", "001100000001"},
        {E, S::Web, 2, "001000000001", "001100000001"},
        {Q, S::Typical, 5, "000000000001", "010101002201"},
        {Q, S::Flat, 2, "000000000001", "001101002001"},
        {Q, S::Table, 4, "001000000001", "001101002001"},
        {Q, S::Web, 2, "001000000001", "001101002001"},
    };
    for (const FlagCase& c : cases) {
        const ItemFlagStrings f = FlagStringsFor(c.form, c.style, c.kind);
        const std::string where =
            std::to_string(static_cast<int>(c.style)) + "/" + std::to_string(c.kind);
        EXPECT_EQ(f.labelInt, c.labelInt) << where;
        EXPECT_EQ(f.labelSwitch, "000000100000011") << where;
        if (c.controlInt) {
            EXPECT_EQ(f.controlInt, QString(c.controlInt)) << where;
            EXPECT_EQ(f.controlSwitch, QString("001100111000111")) << where;
        } else {
            EXPECT_FALSE(f.controlInt) << where;
            EXPECT_FALSE(f.controlSwitch) << where;
        }
    }
}

}  // namespace
