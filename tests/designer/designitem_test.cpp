// The item table, AddDesignItem, and what the loaders make of unusual rows.

#include <gtest/gtest.h>

#include "designer_rows.h"
#include "platform/promptscript.h"

using namespace zelk;
using namespace zelk::testrows;

namespace {

IJSTRecord textBoxRow(const char* name = "姓名") {
    IJSTRecord r = storedRow<IJSTRecord>("textbox");
    T(r.is03, name);
    return r;
}

class ItemTable : public ::testing::Test {
  protected:
    void SetUp() override { d.InitFieldTree(); }
    frm_zelk_jssj d;
};

TEST_F(ItemTable, ItemsGetConsecutiveIndexesAndNumbersAfterTheLargestNumber) {
    for (int i = 0; i < 3; ++i) d.LoadItemControl(textBoxRow());
    EXPECT_EQ(d.ItemCount, 3);
    EXPECT_EQ(d.ItemTable[3].ItemNo, 3);
    d.ItemTable[2].ItemNo = 4;  // brought to the front
    d.LoadItemControl(textBoxRow());
    EXPECT_EQ(d.ItemTable[4].ItemNo, 5);
    EXPECT_EQ(d.TextBoxArray[4].Tag(), "4");
    EXPECT_EQ(d.fieldTreeRoot()->childCount(), 4);
}

TEST_F(ItemTable, TextMembersHoldTheFieldAsRead) {
    IJSTRecord r = textBoxRow();
    std::memcpy(r.is37.data(), "abc  \0zz", 8);  // blanks before the NUL, rubbish after it
    d.LoadItemControl(r);
    EXPECT_EQ(d.ItemTable[1].HintText, "abc");
    EXPECT_EQ(d.ItemTable[1].ItemName, QStringLiteral("姓名"));
}

class ItemLimit : public ::testing::TestWithParam<Rows> {};

TEST_P(ItemLimit, RowsPastTheLimitAreToldOnceEachAddNothingAndAreKept) {
    withDesigner(GetParam(), [](auto& d) {
        using Row = RowOf<decltype(d)>;
        Row row = storedRow<Row>("textbox");
        const auto load = [&](int number) {
            setField(row.*ItemColumns<Row>::m29, decimalText(number));
            d.LoadItemControl(row);
        };
        for (int i = 1; i <= kMaxDesignItems; ++i) load(i);
        ASSERT_EQ(d.ItemCount, kMaxDesignItems);
        d.ItemTable[5].Deleted = -1;  // deleted items still count
        const int nodes = d.fieldTreeRoot()->childCount();
        PromptScript script;
        for (int i = 0; i < 6; ++i) script.answer(vbOK);
        for (int i = 1025; i <= 1030; ++i) load(i);
        ASSERT_EQ(script.prompts().size(), 6u);
        for (const auto& prompt : script.prompts()) {
            EXPECT_EQ(
                prompt.text,
                QStringLiteral("界面包含的项超过最大限制[1024]，界面编辑操作将可能导致错误！"));
            EXPECT_EQ(prompt.title, QStringLiteral("系统提示"));
            EXPECT_EQ(prompt.style, vbCritical);
        }
        EXPECT_EQ(d.ItemCount, kMaxDesignItems);
        EXPECT_EQ(d.fieldTreeRoot()->childCount(), nodes);
        // The controls and caption labels made before the table refused their items are not
        // left on the canvas; the labels' visible flags grew with them.
        for (int k = 1025; k <= 1030; ++k) {
            EXPECT_FALSE(d.TextBoxArray[k].Visible()) << k;
            EXPECT_TRUE(d.TextBoxArray[k].Tag().isEmpty()) << k;
            EXPECT_FALSE(d.LabelArray[k].Visible()) << k;
        }
        ASSERT_EQ(d.KeptRows.size(), 6u);
        for (const auto& kept : d.KeptRows) EXPECT_EQ(kept.reason, KeptReason::TableFull);
        EXPECT_EQ(std::memcmp(&d.KeptRows.back().row, &row, sizeof row), 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Forms, ItemLimit, ::testing::Values(Rows::Search, Rows::Entry),
                         [](const auto& info) { return std::string(rowsName(info.param)); });

// ---- Members filled from numeric columns ----------------------------------------------------

struct NumberCase {
    const char* name;
    const char* size;   // is22
    const char* extra;  // is27
    const char* back;   // is24
    std::int32_t fontSize;
    std::int16_t extraMode;
    std::int32_t backColor;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};

class NumericMembers : public ItemTable, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumericMembers, AreRoundedOrLeftAtZero) {
    const NumberCase& c = GetParam();
    IJSTRecord r = storedRow<IJSTRecord>("childtable");
    put(r, {{22, c.size}, {27, c.extra}, {24, c.back}});
    d.LoadItemControl(r);
    EXPECT_EQ(d.ItemTable[1].FontSize, c.fontSize);
    EXPECT_EQ(d.ItemTable[1].ExtraInfoEntryMode, c.extraMode);
    EXPECT_EQ(d.ItemTable[1].BackColor, c.backColor);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, NumericMembers,
    ::testing::Values(NumberCase{"half_up", "11.5", "3", "-2147483643", 12, 0, -2147483643},
                      NumberCase{"empty", "", "", "abc", 0, 0, 0},
                      NumberCase{"lowest_mode", "9", "-32768", "99999999999", 9, -32768, 0},
                      NumberCase{"mode_beyond_16_bits", "9", "-32769", "0", 9, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The two designers read the multimedia display code differently ------------------------

struct MediaCase {
    const char* name;
    const char* ints;
    bool entryInline, entryDirect, searchInline;
    friend void PrintTo(const MediaCase& c, std::ostream* os) { *os << c.name; }
};
class MediaDisplay : public ::testing::TestWithParam<MediaCase> {};

TEST_P(MediaDisplay, FollowsEachDesignersReading) {
    const MediaCase& c = GetParam();
    frm_zelk_jssj search;
    IJSTRecord sr = storedRow<IJSTRecord>("mmx");
    T(sr.is40, c.ints);
    search.LoadItemControl(sr);
    frm_zelk_jmsj entry;
    ISITRecord er = storedRow<ISITRecord>("mmx");
    T(er.ii40, c.ints);
    entry.LoadItemControl(er);
    EXPECT_EQ(entry.ItemTable[1].ShowMediaInline, c.entryInline);
    EXPECT_EQ(entry.ItemTable[1].ShowPictureDirect, c.entryDirect);
    EXPECT_EQ(search.ItemTable[1].ShowMediaInline, c.searchInline);
    EXPECT_FALSE(search.ItemTable[1].ShowPictureDirect);
}

INSTANTIATE_TEST_SUITE_P(Codes, MediaDisplay,
                         ::testing::Values(MediaCase{"code2", "0000020000000", true, true, false},
                                           MediaCase{"code1", "0000010000000", true, false, true},
                                           MediaCase{"code0", "0000000000000", false, false,
                                                     false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Loaders -------------------------------------------------------------------------------

TEST_F(ItemTable, RowsWithoutANumericKindAreKeptAndMakeNothing) {
    IJSTRecord r = textBoxRow();
    T(r.is06, "abc");
    d.LoadItemControl(r);
    T(r.is06, "");
    d.LoadItemControl(r);
    EXPECT_EQ(d.ItemCount, 0);
    EXPECT_EQ(d.TextBoxArray.count(), 1);
    ASSERT_EQ(d.KeptRows.size(), 2u);
    EXPECT_EQ(d.KeptRows[0].reason, KeptReason::KindNotNumeric);
}

TEST_F(ItemTable, PostilAndZeroKindsBecomeItemsWithoutControls) {
    for (const char* kind : {"13", "0"}) {
        IJSTRecord r = storedRow<IJSTRecord>("other");
        T(r.is06, kind);
        d.LoadItemControl(r);
    }
    EXPECT_EQ(d.ItemTable[1].ControlKind, 13);
    EXPECT_EQ(d.ItemTable[2].ControlKind, 0);
    EXPECT_EQ(d.ItemTable[2].ArrayIndex, 0);
    EXPECT_EQ(d.DesignAreaWidth, 0);
    // A search form's kind beyond 16 bits makes no item; its row is kept as read.
    IJSTRecord wide = storedRow<IJSTRecord>("other");
    T(wide.is06, "40000");
    d.LoadItemControl(wide);
    EXPECT_EQ(d.ItemCount, 2);
    EXPECT_EQ(d.KeptRows.back().reason, KeptReason::LoadFailed);
}

TEST_F(ItemTable, FreeLabelsShowTheirTextAndNeverGetACaptionLabel) {
    for (const char* bound : {"", "null", "NuLl", " NULL"}) {  // a leading blank: a bound column
        IJSTRecord r = storedRow<IJSTRecord>("freelabel");
        put(r, {{2, bound}, {5, "1"}});
        d.LoadItemControl(r);
    }
    EXPECT_EQ(d.LabelArray[1].Caption(), QStringLiteral("这是一段说明文字"));
    EXPECT_EQ(d.ItemTable[3].CaptionIndex, 0);
    EXPECT_EQ(d.LabelArray[4].Caption(), QStringLiteral("『说明』"));
    EXPECT_EQ(d.ItemTable[4].CaptionIndex, 5);
}

TEST_F(ItemTable, CaptionLabelNeedsFlagAndName) {
    IJSTRecord r = textBoxRow("   ");
    d.LoadItemControl(r);
    r = textBoxRow();
    T(r.is05, "0");
    d.LoadItemControl(r);
    EXPECT_EQ(d.ItemTable[1].CaptionIndex, 0);
    EXPECT_EQ(d.ItemTable[2].CaptionIndex, 0);
    r = textBoxRow();
    put(r, {{38, "0000000000000"}, {17, ""}});  // alignment 0 shows left
    d.LoadItemControl(r);
    const DesignLabel& caption = d.LabelArray[d.ItemTable[3].CaptionIndex];
    EXPECT_EQ(caption.TextAlign(), 1);
    EXPECT_EQ(caption.FontSize(), 9);
}

TEST_F(ItemTable, SizesAndColoursFromTheRow) {
    IJSTRecord r = textBoxRow();
    put(r, {{22, ""}, {23, "a word"}, {24, "255"}});
    d.LoadItemControl(r);
    IJSTRecord label = storedRow<IJSTRecord>("label");
    T(label.is22, "");
    d.LoadItemControl(label);
    const DesignTextBox& box = d.TextBoxArray[1];
    EXPECT_EQ(box.FontSize(), d.TextBoxArray[0].FontSize());  // template's size
    EXPECT_EQ(box.ForeColor(), d.TextBoxArray[0].ForeColor());
    EXPECT_EQ(box.BackColor(), 255);
    EXPECT_EQ(d.LabelArray[d.ItemTable[2].ArrayIndex].FontSize(), 9);
}

TEST_F(ItemTable, CheckBoxValueAndDateAlignment) {
    for (const char* value : {"1", "0", "", "true", " 1"}) {
        IJSTRecord r = storedRow<IJSTRecord>("checkbox");
        T(r.is36, value);
        d.LoadItemControl(r);
    }
    EXPECT_EQ(d.CheckBoxArray[1].Value(), 1);
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(d.CheckBoxArray[i].Value(), 0) << i;

    for (const char* ints : {"0000000000030", "0000000000020", "0000000000010", "0000000000000"}) {
        IJSTRecord r = storedRow<IJSTRecord>("datepicker");
        T(r.is40, ints);
        d.LoadItemControl(r);
    }
    EXPECT_EQ(d.DatePickerArray[1].Alignment(), 1);
    EXPECT_EQ(d.DatePickerArray[2].Alignment(), 2);
    EXPECT_EQ(d.DatePickerArray[3].Alignment(), 0);
    EXPECT_EQ(d.DatePickerArray[4].Alignment(), 0);
    EXPECT_EQ(d.DatePickerArray[4].Appearance(), 0);
}

TEST_F(ItemTable, ListBoxShowsTwoRows) {
    d.LoadItemControl(storedRow<IJSTRecord>("listbox"));
    EXPECT_EQ(d.ListBoxArray[1].items(),
              (QStringList{QStringLiteral("『家庭成员』"), QStringLiteral("家庭成员")}));
}

struct HiddenCase {
    const char* kind;
    bool shownOnCanvas;
    friend void PrintTo(const HiddenCase& c, std::ostream* os) { *os << c.kind; }
};
class HiddenSwitch : public ItemTable, public ::testing::WithParamInterface<HiddenCase> {};

TEST_P(HiddenSwitch, ItemIsRegisteredButDoesNotWidenTheDesignArea) {
    IJSTRecord r = storedRow<IJSTRecord>(GetParam().kind);
    const QString switches = fieldText(r.is41);
    T(r.is41, (switches.left(13) + "0" + switches.mid(14)).toUtf8().constData());
    r.is09 = r.is10 = 0;
    d.LoadItemControl(r);
    ASSERT_EQ(d.ItemCount, 1);
    DesignControl* c = d.itemControl(d.ItemTable[1]);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Tag(), "1");
    EXPECT_EQ(c->Visible(), GetParam().shownOnCanvas);
    EXPECT_EQ(d.DesignAreaWidth, 0);
    EXPECT_EQ(d.DesignAreaHeight, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, HiddenSwitch,
                         ::testing::Values(HiddenCase{"textbox", true}, HiddenCase{"mmx", true},
                                           HiddenCase{"listbox", false}, HiddenCase{"line", false}),
                         [](const auto& info) { return std::string(info.param.kind); });

TEST_F(ItemTable, BadGeometryOrWidthIsSkippedAndTheItemStillRegistered) {
    IJSTRecord r = textBoxRow();
    r.is13 = r.is11 - 500;  // right edge left of the left edge
    d.LoadItemControl(r);
    IJSTRecord line = storedRow<IJSTRecord>("line");
    line.is07 = 70000;  // beyond a 16-bit line width
    d.LoadItemControl(line);
    EXPECT_EQ(d.ItemCount, 2);
    EXPECT_EQ(d.TextBoxArray[1].Left(), 1200);
    EXPECT_EQ(d.TextBoxArray[1].Tag(), "1");
    EXPECT_EQ(d.LineArray[1].BorderWidth(), d.LineArray[0].BorderWidth());
    EXPECT_EQ(d.LineArray[1].Tag(), "2");
    EXPECT_TRUE(d.KeptRows.empty());
}

TEST_F(ItemTable, LabelVisibilityGrowsBeyondTheOriginalArray) {
    // Bound labels with caption labels: two labels per item pass 1024 labels.
    IJSTRecord r = storedRow<IJSTRecord>("label");
    withCaption(r, "标签");
    T(r.is41, "000000100000001");  // the label item itself is stored hidden
    for (int i = 0; i < 520; ++i) d.LoadItemControl(r);
    const DesignItem& last = d.ItemTable[520];
    EXPECT_EQ(last.CaptionIndex, 1040);
    EXPECT_TRUE(d.labelVisible(last.CaptionIndex));
    EXPECT_FALSE(d.labelVisible(last.ArrayIndex));
    IJSTRecord out;
    d.SaveIJSTItem(last, out);
    EXPECT_EQ(fieldText(out.is39), "000000100000010");
    EXPECT_EQ(fieldText(out.is41), "000000100000001");
}

// A designer whose label step fails, as an unexpected failure inside a loader would.
class FailingLabels : public frm_zelk_jssj {
  public:
    bool failCaptions = false;
    bool failItems = false;

  protected:
    void labelLoaded(DesignLabel& label, const ItemSettings&) override {
        label.show();
        const bool caption = label.Caption().isEmpty() || !label.Caption().startsWith("『");
        if ((caption && failCaptions) || (!caption && failItems))
            throw std::runtime_error("label step failed");
    }
};

TEST(LoaderFailure, FailingCaptionLabelLeavesTheItemWithoutOne) {
    FailingLabels d;
    d.failCaptions = true;
    d.LoadItemControl(storedRow<IJSTRecord>("textbox"));
    ASSERT_EQ(d.ItemCount, 1);
    EXPECT_EQ(d.ItemTable[1].CaptionIndex, 0);
    EXPECT_EQ(d.TextBoxArray[1].Tag(), "1");
    EXPECT_FALSE(d.LabelArray[1].Visible());
}

TEST(LoaderFailure, FailingLoaderHidesItsControlAndKeepsTheRow) {
    FailingLabels d;
    d.failItems = true;
    const IJSTRecord row = storedRow<IJSTRecord>("label");
    d.LoadItemControl(row);
    EXPECT_EQ(d.ItemCount, 0);
    EXPECT_FALSE(d.LabelArray[1].Visible());
    ASSERT_EQ(d.KeptRows.size(), 1u);
    EXPECT_EQ(d.KeptRows[0].reason, KeptReason::LoadFailed);
    EXPECT_EQ(std::memcmp(&d.KeptRows[0].row, &row, sizeof row), 0);
}

}  // namespace
