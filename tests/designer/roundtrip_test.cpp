// Item-search rows through the loaders and back through the writers.

#include <gtest/gtest.h>

#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer_rows.h"
#include "entry_rows.h"

using namespace zelk;
using namespace zelk::testrows;

namespace {

struct KindCase {
    std::string name;
    std::int32_t kind;
    bool hasControl;
    bool hasCaption;
};
void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

class ItemSearchDesigner : public ::testing::Test {
  protected:
    void SetUp() override {
        setInstalledFontsProvider([] {
            return QStringList{QStringLiteral("宋体"), QStringLiteral("Times New Roman")};
        });
        d.InterfaceRow.id00 = kInterface;
        d.InitFieldTree();
    }
    void TearDown() override { setInstalledFontsProvider(nullptr); }

    // What the save does around a writer.
    IJSTRecord written(std::int32_t itemIndex) {
        const DesignItem& item = d.ItemTable[itemIndex];
        IJSTRecord out;
        setField(out.is29, decimalText(item.ItemNo));
        d.SaveIJSTItem(item, out);
        setField(out.is20, EncodeFontName(fieldText(out.is20)));
        return out;
    }

    frm_zelk_jssj d;
};

class KindRoundTrip : public ItemSearchDesigner, public ::testing::WithParamInterface<KindCase> {};

TEST_P(KindRoundTrip, StoredRowLoadsAndIsWrittenBackByteForByte) {
    const KindCase& c = GetParam();
    const IJSTRecord row = storedRow(c.name);
    d.LoadItemControl(row);

    ASSERT_EQ(d.ItemCount, 1);
    const DesignItem& item = d.ItemTable[1];
    EXPECT_EQ(item.ControlKind, c.kind);
    EXPECT_EQ(item.ItemNo, 1);
    DesignControl* control = d.itemControl(item);
    if (c.hasControl) {
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(item.ArrayIndex, 1);
        EXPECT_EQ(control->Tag(), "1");
        EXPECT_TRUE(d.KeptRows.empty());
    } else {
        EXPECT_EQ(control, nullptr);
        ASSERT_EQ(d.KeptRows.size(), 1u);
        EXPECT_EQ(d.KeptRows[0].reason, KeptReason::KindUnknown);
        EXPECT_EQ(d.KeptRows[0].itemIndex, 1);
    }
    if (c.hasCaption) {
        ASSERT_GT(item.CaptionIndex, 0);
        EXPECT_EQ(d.LabelArray[item.CaptionIndex].Tag(), "1");
        EXPECT_EQ(d.LabelArray[item.CaptionIndex].Caption(), fieldText(row.is03));
    } else {
        EXPECT_EQ(item.CaptionIndex, 0);
    }
    EXPECT_EQ(d.fieldTreeRoot()->childCount(), 1);
    EXPECT_EQ(d.fieldTreeRoot()->child(0)->data(0, kTreeTagRole).toInt(), 1);

    EXPECT_TRUE(sameRow(row, written(1)));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, KindRoundTrip,
    ::testing::Values(KindCase{"label", 1, true, false}, KindCase{"freelabel", 1, true, false},
                      KindCase{"textbox", 2, true, true}, KindCase{"checkbox", 3, true, false},
                      KindCase{"combobox", 4, true, true}, KindCase{"datepicker", 5, true, true},
                      KindCase{"listbox", 6, true, true}, KindCase{"shape", 7, true, false},
                      KindCase{"frame", 8, true, false}, KindCase{"line", 9, true, false},
                      KindCase{"memobox", 10, true, true}, KindCase{"mmx", 11, true, true},
                      KindCase{"childtable", 12, true, true}, KindCase{"other", 99, false, false}),
    [](const auto& info) { return info.param.name; });

// ---- Edits made on the canvas come back in the row ------------------------------------------

TEST_F(ItemSearchDesigner, MovedAndRestyledTextBoxIsStoredAsEdited) {
    d.LoadItemControl(storedRow("textbox"));
    DesignTextBox& box = d.TextBoxArray[1];
    ASSERT_TRUE(box.Move(1500.4, 450, 2000.2, 360.3));
    box.setFontName(QStringLiteral("Times New Roman"));
    box.setFontSize(14.25);
    box.setForeColor(65280);
    box.setBorderColor(-2147483633);
    d.LabelArray[d.ItemTable[1].CaptionIndex].setCaption(QStringLiteral("ignored"));
    d.setLabelVisible(d.ItemTable[1].CaptionIndex, false);
    d.ItemTable[1].HintText = QStringLiteral("新提示");

    const IJSTRecord out = written(1);
    EXPECT_EQ(out.is11, 1500);
    EXPECT_EQ(out.is13, 3501);  // 1500.4 + 2000.2 rounded once
    EXPECT_EQ(out.is14, 810);   // 450 + 360.3
    EXPECT_EQ(fieldText(out.is20), "Time*");
    EXPECT_EQ(fieldText(out.is22), "14.25");
    EXPECT_EQ(fieldText(out.is23), "65280");
    EXPECT_EQ(fieldText(out.is43), "-2147483633");
    EXPECT_EQ(fieldText(out.is37), QStringLiteral("新提示"));
    EXPECT_EQ(fieldText(out.is03), QStringLiteral("姓名"));  // the item's name, not the label's
    EXPECT_EQ(fieldText(out.is39), "000000100000000");
}

TEST_F(ItemSearchDesigner, DateBoxStoresFractionalSizeAndAlignmentCodes) {
    d.LoadItemControl(storedRow("datepicker"));
    DesignPlainTextBox& date = d.DatePickerArray[1];
    date.setFontSize(10.5);
    date.setAlignment(2);
    IJSTRecord out = written(1);
    EXPECT_EQ(fieldText(out.is22), "10.5");
    EXPECT_EQ(fieldText(out.is40), "0010000001020");
    date.setAlignment(0);
    date.setFontSize(9);
    out = written(1);
    EXPECT_EQ(fieldText(out.is22), "9");
    EXPECT_EQ(fieldText(out.is40), "0010000001010");
}

TEST_F(ItemSearchDesigner, LineEndPointsAreRoundedHalvesToEven) {
    d.LoadItemControl(storedRow("line"));
    DesignLine& line = d.LineArray[1];
    line.setX1(100.5);
    line.setY1(200);
    line.setX2(300);
    line.setY2(400.5);
    const IJSTRecord out = written(1);
    EXPECT_EQ(out.is11, 100);
    EXPECT_EQ(out.is12, 200);
    EXPECT_EQ(out.is13, 300);
    EXPECT_EQ(out.is14, 400);
}

TEST_F(ItemSearchDesigner, CaptionFontNameIsCutToItsFieldWhileControlFontIsShortened) {
    d.LoadItemControl(storedRow("textbox"));
    const QString longName = QStringLiteral("ABCDEFGHIJKLMNO");
    d.LabelArray[d.ItemTable[1].CaptionIndex].setFontName(longName);
    d.TextBoxArray[1].setFontName(longName);
    const IJSTRecord out = written(1);
    EXPECT_EQ(fieldText(out.is15), "ABCDEFGHIJKL");
    EXPECT_EQ(fieldText(out.is20), "ABCDEFGHIJ");
}

TEST_F(ItemSearchDesigner, FrameStoresItsRowsSizeAsWholeNumberAndNoSpecialEffect) {
    IJSTRecord row = storedRow("frame");
    setField(row.is22, QStringLiteral("11.5"));
    setField(row.is40, QStringLiteral("0000000003000"));
    setField(row.is24, QStringLiteral("abc"));
    d.LoadItemControl(row);
    const IJSTRecord out = written(1);
    EXPECT_EQ(fieldText(out.is22), "12");
    EXPECT_EQ(fieldText(out.is40), "0000000000000");
    EXPECT_EQ(fieldText(out.is24), "0");
    EXPECT_EQ(TrimFixedField(fieldText(out.is36)), QStringLiteral("基本信息"));
}

TEST_F(ItemSearchDesigner, ComboSelectionModeAndFlatEffect) {
    IJSTRecord row = storedRow("combobox");
    setField(row.is40, QStringLiteral("0100000003010"));  // effect 3 loads as sunken
    d.LoadItemControl(row);
    EXPECT_EQ(d.ComboBoxArray[1].SpecialEffect(), 2);
    EXPECT_EQ(fieldText(written(1).is40), "0100000002010");
    d.ItemTable[1].DataSelectMode = 1;
    d.ComboBoxArray[1].setSpecialEffect(0);
    EXPECT_EQ(fieldText(written(1).is40), "0100000000110");
}

TEST_F(ItemSearchDesigner, CheckBoxWithCaptionLabelFromTheSaveCarriesCaptionColumns) {
    d.LoadItemControl(storedRow("checkbox"));
    IJSTRecord out = written(1);
    EXPECT_EQ(fieldText(out.is05), "0");
    EXPECT_EQ(out.is07, 0);
    // A caption label given by a property command is stored over the check box's own columns.
    d.LoadItemControl(storedRow("textbox"));
    d.ItemTable[1].CaptionIndex = d.ItemTable[2].CaptionIndex;
    out = written(1);
    EXPECT_EQ(fieldText(out.is05), "1");
    EXPECT_EQ(out.is07, 200);
    EXPECT_EQ(fieldText(out.is38), "0000000000010");
}

TEST_F(ItemSearchDesigner, ShapeStoresItsItemIndexAndItemBackColour) {
    d.LoadItemControl(storedRow("line"));
    IJSTRecord shape = storedRow("shape");
    setField(shape.is31, QStringLiteral("65280"));
    d.LoadItemControl(shape);
    EXPECT_EQ(d.ShapeArray[1].BackColor(), 65280);
    const IJSTRecord out = written(2);
    EXPECT_EQ(out.is07, 2);
    EXPECT_EQ(fieldText(out.is24), "255");
    EXPECT_EQ(fieldText(out.is31), "255");
}

TEST_F(ItemSearchDesigner, ItemEntryDesignerWritesItsCompanionRowsWithItsOwnDifferences) {
    // The same writers in the item-entry designer: no selection mode, bordered date boxes.
    frm_zelk_jmsj entry;
    entry.InterfaceRow.id00 = kInterface;
    ISITRecord combo;
    setField(combo.ii06, QStringLiteral("4"));
    setField(combo.ii40, QStringLiteral("0100000002110"));
    entry.LoadItemControl(combo);
    ISITRecord date;
    setField(date.ii06, QStringLiteral("5"));
    setField(date.ii40, QStringLiteral("0000000001010"));
    entry.LoadItemControl(date);
    ASSERT_EQ(entry.ItemCount, 2);
    IJSTRecord out;
    entry.SaveIJSTItem(entry.ItemTable[1], out);
    EXPECT_EQ(fieldText(out.is40), "0100000002010");
    entry.SaveIJSTItem(entry.ItemTable[2], out);
    EXPECT_EQ(fieldText(out.is40).left(3), "011");
}

// ---- What the property dialogs set on a control is stored from the control ---------------------

enum class Rows { Search, Entry, Companion };  // companion: the entry designer's search rows

struct ControlEditCase {
    const char* name;
    Rows rows;
    const char* kind;  // row of designer_rows.h / entry_rows.h
    void (*edit)(DesignerBase&);
    int member;  // 21, 22 or 41
    const char* expected;
};
void PrintTo(const ControlEditCase& c, std::ostream* os) {
    *os << c.name;
}

template <class Row>
QString memberText(const Row& row, int member) {
    using C = ItemColumns<Row>;
    switch (member) {
        case 21:
            return fieldText(row.*C::m21);
        case 22:
            return fieldText(row.*C::m22);
        default:
            return fieldText(row.*C::m41);
    }
}

void autoSizeLabel(DesignerBase& d) {
    d.LabelArray[1].setAutoSize(true);
}
void restyleDate(DesignerBase& d) {
    d.DatePickerArray[1].setFontBold(true);
    d.DatePickerArray[1].setFontItalic(false);
    d.DatePickerArray[1].setFontUnderline(true);
}
void resizeDate(DesignerBase& d) {
    d.DatePickerArray[1].setFontSize(10.12345);
}

class ControlEdit : public ::testing::TestWithParam<ControlEditCase> {};

TEST_P(ControlEdit, IsStoredAsTheControlHoldsIt) {
    const ControlEditCase& c = GetParam();
    QString stored;
    if (c.rows == Rows::Search) {
        frm_zelk_jssj d;
        d.LoadItemControl(storedRow(c.kind));
        ASSERT_EQ(d.ItemCount, 1);
        c.edit(d);
        IJSTRecord out;
        d.SaveIJSTItem(d.ItemTable[1], out);
        stored = memberText(out, c.member);
    } else {
        frm_zelk_jmsj d;
        d.LoadItemControl(entryrows::entryRow(c.kind));
        ASSERT_EQ(d.ItemCount, 1);
        c.edit(d);
        if (c.rows == Rows::Entry) {
            ISITRecord out;
            d.SaveISITItem(d.ItemTable[1], out);
            stored = memberText(out, c.member);
        } else {
            IJSTRecord out;
            d.SaveIJSTItem(d.ItemTable[1], out);
            stored = memberText(out, c.member);
        }
    }
    EXPECT_EQ(stored, QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    LabelsAndDates, ControlEdit,
    ::testing::Values(
        ControlEditCase{"SearchLabelAutoSize", Rows::Search, "label", autoSizeLabel, 41,
                        "100000100000011"},
        ControlEditCase{"EntryLabelAutoSize", Rows::Entry, "label", autoSizeLabel, 41,
                        "100000100000011"},
        ControlEditCase{"CompanionLabelAutoSize", Rows::Companion, "label", autoSizeLabel, 41,
                        "100000100000011"},
        ControlEditCase{"SearchDateFont", Rows::Search, "datepicker", restyleDate, 21, "1010"},
        ControlEditCase{"EntryDateFont", Rows::Entry, "datepicker", restyleDate, 21, "1010"},
        ControlEditCase{"CompanionDateFont", Rows::Companion, "datepicker", restyleDate, 21,
                        "1010"},
        // Search rows keep a date box's size in single precision, entry rows to four decimals.
        ControlEditCase{"SearchDateSize", Rows::Search, "datepicker", resizeDate, 22, "10.12345"},
        ControlEditCase{"EntryDateSize", Rows::Entry, "datepicker", resizeDate, 22, "10.1235"},
        ControlEditCase{"CompanionDateSize", Rows::Companion, "datepicker", resizeDate, 22,
                        "10.12345"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// ---- Through the database ---------------------------------------------------------------------

#include "dataaccess/dravix.h"
#include "support/testdb.h"

namespace {

std::vector<IJSTRecord> readItems(std::int32_t hdbc, std::int32_t interfaceNumber) {
    std::vector<IJSTRecord> rows;
    const std::int32_t hstmt = sysIJSTPrepareGetData(hdbc, interfaceNumber);
    if (hstmt <= 0) return rows;
    IJSTRecord r;
    while (sysIJSTGetRecord(hstmt, r) > 0) rows.push_back(r);
    return rows;
}

class DatabaseRoundTrip : public zelk::test::BackendTest {};

TEST_P(DatabaseRoundTrip, InterfaceOfEveryKindIsStoredBackAsItWasRead) {
    const char* kinds[] = {"label",      "freelabel", "textbox",    "checkbox", "combobox",
                           "datepicker", "listbox",   "shape",      "frame",    "line",
                           "memobox",    "mmx",       "childtable", "other"};
    int number = 0;
    for (const char* kind : kinds) {
        IJSTRecord r = storedRow(kind);
        setField(r.is29, decimalText(++number));
        if (std::string(kind) == "shape") r.is07 = number;  // its item index
        ASSERT_GT(sysIJSTInsertRecord(hdbc(), r), 0) << kind;
    }
    const std::vector<IJSTRecord> read = readItems(hdbc(), kInterface);
    ASSERT_EQ(read.size(), std::size(kinds));

    frm_zelk_jssj d;
    d.InterfaceRow.id00 = kInterface;
    for (const IJSTRecord& r : read) d.LoadItemControl(r);
    ASSERT_EQ(d.ItemCount, static_cast<std::int32_t>(std::size(kinds)));

    // Save as the save does, into the interface's number 8.
    d.InterfaceRow.id00 = kInterface + 1;
    for (std::int32_t i = 1; i <= d.ItemCount; ++i) {
        IJSTRecord out;
        setField(out.is29, decimalText(d.ItemTable[i].ItemNo));
        d.SaveIJSTItem(d.ItemTable[i], out);
        setField(out.is20, EncodeFontName(fieldText(out.is20)));
        ASSERT_GT(sysIJSTInsertRecord(hdbc(), out), 0);
    }
    const std::vector<IJSTRecord> again = readItems(hdbc(), kInterface + 1);
    ASSERT_EQ(again.size(), read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        IJSTRecord expected = read[i];
        expected.is00 = again[i].is00;
        expected.is01 = kInterface + 1;
        EXPECT_TRUE(sameRow(expected, again[i])) << kinds[i];
    }
}

ZELK_ON_BOTH_BACKENDS(DatabaseRoundTrip);

}  // namespace

namespace {

TEST(ItemEntryCanvas, CheckBoxAndListBoxItemsAreTextBoxesAndStillWriteSearchRows) {
    frm_zelk_jmsj entry;
    entry.InterfaceRow.id00 = kInterface;
    ISITRecord check;
    setField(check.ii06, QStringLiteral("3"));
    setField(check.ii03, QStringLiteral("已婚"));
    setField(check.ii41, QStringLiteral("000000100000110"));
    entry.LoadItemControl(check);
    ISITRecord list;
    setField(list.ii06, QStringLiteral("6"));
    setField(list.ii03, QStringLiteral("成员"));
    entry.LoadItemControl(list);
    ASSERT_EQ(entry.ItemCount, 2);
    EXPECT_EQ(entry.CheckBoxArray[1].Text(), QStringLiteral("已婚"));
    EXPECT_EQ(entry.ListBoxArray[1].Text(), QStringLiteral("『成员』"));
    EXPECT_EQ(entry.itemControl(entry.ItemTable[2]), &entry.ListBoxArray[1]);
    IJSTRecord out;
    entry.SaveIJSTItem(entry.ItemTable[1], out);
    EXPECT_EQ(fieldText(out.is03), QStringLiteral("已婚"));
    EXPECT_EQ(fieldText(out.is41), "000000100000110");
    entry.SaveIJSTItem(entry.ItemTable[2], out);
    EXPECT_EQ(fieldText(out.is06), "6");
}

}  // namespace
