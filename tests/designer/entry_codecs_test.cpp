// Item-entry rows through the entry designer's loaders and back through its writers.

#include <gtest/gtest.h>

#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "entry_rows.h"
#include "platform/promptscript.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::entryrows;

namespace {

QStringList testFonts() {
    return {QStringLiteral("宋体"), QStringLiteral("Arial Unicode MS"),
            QStringLiteral("方正舒体简体"), QStringLiteral("ABCDEFGHIJKLMNO"),
            QStringLiteral("Times New Roman")};
}

class EntryDesigner : public ::testing::Test {
  protected:
    void SetUp() override {
        setInstalledFontsProvider(testFonts);
        d.InterfaceRow.id00 = kInterface;
        d.InitFieldTree();
    }
    void TearDown() override { setInstalledFontsProvider(nullptr); }

    // What the save does around a writer: a cleared row, the item number and entry order, the
    // writer, the stored form of the control font name.
    static ISITRecord written(const frm_zelk_jmsj& designer, std::int32_t itemIndex) {
        const DesignItem& item = designer.ItemTable[itemIndex];
        ISITRecord out;
        setField(out.ii29, decimalText(item.ItemNo));
        out.ii04 = item.EntryOrder;
        designer.SaveISITItem(item, out);
        setField(out.ii20, EncodeFontName(fieldText(out.ii20)));
        return out;
    }
    ISITRecord written(std::int32_t itemIndex) const { return written(d, itemIndex); }

    // The item a written row gives when it is loaded again.
    DesignItem reloaded(const ISITRecord& row) {
        again.InterfaceRow.id00 = kInterface;
        again.LoadItemControl(row);
        EXPECT_EQ(again.ItemCount, 1);
        return again.ItemTable[1];
    }

    frm_zelk_jmsj d;
    frm_zelk_jmsj again;
};

// ---- Every kind: a stored row loads and is written back byte for byte -------------------------

struct KindCase {
    std::string name;
    std::int32_t kind;
    bool hasControl;
    bool hasCaption;
};
void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

class EntryKindRoundTrip : public EntryDesigner, public ::testing::WithParamInterface<KindCase> {};

TEST_P(EntryKindRoundTrip, StoredRowLoadsAndIsWrittenBackByteForByte) {
    const KindCase& c = GetParam();
    const ISITRecord row = entryRow(c.name);
    d.LoadItemControl(row);

    ASSERT_EQ(d.ItemCount, 1);
    const DesignItem& item = d.ItemTable[1];
    EXPECT_EQ(item.ControlKind, c.kind);
    EXPECT_EQ(item.ItemName, fieldText(row.ii03));
    EXPECT_EQ(item.HintText, fieldText(row.ii37));
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
    }
    if (c.hasCaption) {
        ASSERT_GT(item.CaptionIndex, 0);
        EXPECT_EQ(d.LabelArray[item.CaptionIndex].Tag(), "1");
        EXPECT_EQ(d.LabelArray[item.CaptionIndex].Caption(), fieldText(row.ii03));
    } else {
        EXPECT_EQ(item.CaptionIndex, 0);
    }
    EXPECT_TRUE(sameRow(row, written(1)));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, EntryKindRoundTrip,
    ::testing::Values(KindCase{"label", 1, true, false}, KindCase{"captionedlabel", 1, true, true},
                      KindCase{"freelabel", 1, true, false}, KindCase{"textbox", 2, true, true},
                      KindCase{"plaintextbox", 2, true, false},
                      KindCase{"checkbox", 3, true, false},
                      KindCase{"captionedcheckbox", 3, true, true},
                      KindCase{"combobox", 4, true, true}, KindCase{"datepicker", 5, true, true},
                      KindCase{"listbox", 6, true, false}, KindCase{"shape", 7, true, false},
                      KindCase{"frame", 8, true, false}, KindCase{"line", 9, true, false},
                      KindCase{"memobox", 10, true, true}, KindCase{"mmx", 11, true, true},
                      KindCase{"childtable", 12, true, true}, KindCase{"postil", 13, true, true},
                      KindCase{"other", 99, false, false},
                      KindCase{"widekind", 40000, false, false}),
    [](const auto& info) { return info.param.name; });

// ---- Mended: an item without a caption label keeps its name ---------------------------------

class UncaptionedItem : public EntryDesigner, public ::testing::WithParamInterface<std::string> {};

TEST_P(UncaptionedItem, NameAndCaptionFlagAreWrittenAndReloaded) {
    ISITRecord row = entryRow(GetParam());
    T(row.ii05, "0");
    d.LoadItemControl(row);
    ASSERT_EQ(d.ItemCount, 1);
    ASSERT_EQ(d.ItemTable[1].CaptionIndex, 0);
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii03), fieldText(row.ii03));
    EXPECT_EQ(fieldText(out.ii05), "0");
    EXPECT_EQ(reloaded(out).ItemName, fieldText(row.ii03));
}

INSTANTIATE_TEST_SUITE_P(InputKinds, UncaptionedItem,
                         ::testing::Values("captionedlabel", "textbox", "captionedcheckbox",
                                           "combobox", "datepicker", "memobox", "mmx", "childtable",
                                           "postil"),
                         [](const auto& info) { return info.param; });

// ---- Mended: what the property dialogs edit is stored ----------------------------------------

class TextLikeItem : public EntryDesigner, public ::testing::WithParamInterface<std::string> {};

TEST_P(TextLikeItem, FormatMaximumLengthAndPromptSurviveSaveAndReload) {
    d.LoadItemControl(entryRow(GetParam()));
    ASSERT_EQ(d.ItemCount, 1);
    DesignItem& item = d.ItemTable[1];
    item.Format = QStringLiteral("#,##0.00");
    item.MaxLength = 64;
    item.HintText = QStringLiteral("新的提示");
    item.DataFormat = QStringLiteral("金额");  // edited by the dialogs, stored nowhere
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii33), "#,##0.00");
    EXPECT_EQ(fieldText(out.ii42), "64");
    EXPECT_EQ(fieldText(out.ii37), QStringLiteral("新的提示"));
    const DesignItem back = reloaded(out);
    EXPECT_EQ(back.Format, "#,##0.00");
    EXPECT_EQ(back.MaxLength, 64);
    EXPECT_EQ(back.HintText, QStringLiteral("新的提示"));
}

INSTANTIATE_TEST_SUITE_P(FiveKinds, TextLikeItem,
                         ::testing::Values("textbox", "combobox", "datepicker", "listbox",
                                           "memobox"),
                         [](const auto& info) { return info.param; });

class DateAndListItem : public EntryDesigner, public ::testing::WithParamInterface<std::string> {};

TEST_P(DateAndListItem, AutoSizeAndAutoWordSelectSurvive) {
    d.LoadItemControl(entryRow(GetParam()));
    DesignItem& item = d.ItemTable[1];
    for (const bool on : {false, true}) {
        item.AutoSize = on;
        item.AutoWordSelect = on;
        const ISITRecord out = written(1);
        const QString switches = fieldText(out.ii41);
        EXPECT_EQ(switches.mid(0, 1), on ? "1" : "0");
        EXPECT_EQ(switches.mid(2, 1), on ? "1" : "0");
        frm_zelk_jmsj other;
        other.LoadItemControl(out);
        EXPECT_EQ(other.ItemTable[1].AutoSize, on);
        EXPECT_EQ(other.ItemTable[1].AutoWordSelect, on);
    }
}

INSTANTIATE_TEST_SUITE_P(TwoKinds, DateAndListItem, ::testing::Values("datepicker", "listbox"),
                         [](const auto& info) { return info.param; });

TEST_F(EntryDesigner, CheckBoxStoresTheEnabledFlagItsDialogEdits) {
    d.LoadItemControl(entryRow("checkbox"));
    EXPECT_TRUE(d.CheckBoxArray[1].Enabled());
    d.ItemTable[1].Enabled = false;  // the dialog leaves the control as it is
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii41).mid(6, 1), "0");
    const DesignItem back = reloaded(out);
    EXPECT_FALSE(back.Enabled);
    EXPECT_FALSE(again.CheckBoxArray[1].Enabled());
}

// ---- Mended: an item of an unknown kind goes back as it was read -----------------------------

TEST_F(EntryDesigner, UnknownKindRowChangesOnlyEntryOrderAndItemNumber) {
    d.LoadItemControl(entryRow("textbox"));
    const ISITRecord row = entryRow("other");
    d.LoadItemControl(row);
    ASSERT_EQ(d.ItemCount, 2);
    d.ItemTable[2].EntryOrder = 3;
    d.ItemTable[2].HintText = QStringLiteral("not stored for this kind");
    ISITRecord expected = row;
    expected.ii04 = 3;
    T(expected.ii29, "2");
    EXPECT_TRUE(sameRow(expected, written(2)));
}

// ---- Rows as the original stored them ----------------------------------------------------------

TEST_F(EntryDesigner, ShortSettingsTextsAreCompletedFromTheirDefaults) {
    ISITRecord row = entryRow("textbox");
    T(row.ii40, "01");       // + "111111101111": border 1, effect 0, alignment 1
    T(row.ii41, "0000001");  // + "011111111010110": locked, tab stop, visible, word wrap
    T(row.ii21, "1");        // + "0000": bold only
    T(row.ii38, "");         // the caption label's whole default
    T(row.ii39, "");
    d.LoadItemControl(row);
    const DesignTextBox& box = d.TextBoxArray[1];
    EXPECT_EQ(box.BorderStyle(), 1);
    EXPECT_EQ(box.SpecialEffect(), 0);
    EXPECT_TRUE(box.Locked());
    EXPECT_TRUE(box.FontBold());
    EXPECT_FALSE(box.FontItalic());
    EXPECT_TRUE(d.ItemTable[1].Visible);
    EXPECT_TRUE(d.ItemTable[1].ReadOnly);
    const DesignLabel& caption = d.LabelArray[d.ItemTable[1].CaptionIndex];
    EXPECT_EQ(caption.ToolTipText(), "0");  // twelve digits: top-aligned
    EXPECT_TRUE(d.labelVisible(d.ItemTable[1].CaptionIndex));
    const ISITRecord out = written(1);
    EXPECT_EQ(fieldText(out.ii40), "0110000000010");
    EXPECT_EQ(fieldText(out.ii41), "000000100100110");
    EXPECT_EQ(fieldText(out.ii21), "1000");
    EXPECT_EQ(fieldText(out.ii38), "0110000001010");
}

struct FontCase {
    std::string name;
    const char* stored;
    const char* applied;
};
void PrintTo(const FontCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredFontName : public EntryDesigner, public ::testing::WithParamInterface<FontCase> {};

TEST_P(StoredFontName, IsWidenedForTheControlAndStoredInItsShortForm) {
    for (const char* kind : {"textbox", "label", "frame", "postil", "datepicker", "checkbox"}) {
        frm_zelk_jmsj designer;
        designer.InterfaceRow.id00 = kInterface;
        ISITRecord row = entryRow(kind);
        T(row.ii20, GetParam().stored);
        designer.LoadItemControl(row);
        ASSERT_EQ(designer.ItemCount, 1) << kind;
        const auto* control =
            dynamic_cast<DesignFontControl*>(designer.itemControl(designer.ItemTable[1]));
        ASSERT_NE(control, nullptr) << kind;
        EXPECT_EQ(control->FontName(), QString::fromUtf8(GetParam().applied)) << kind;
        EXPECT_EQ(fieldText(written(designer, 1).ii20), QString::fromUtf8(GetParam().stored))
            << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(
    LongNames, StoredFontName,
    ::testing::Values(FontCase{"LatinAbbreviated", "Aria*", "Arial Unicode MS"},
                      FontCase{"LatinTenBytes", "ABCDEFGHIJ", "ABCDEFGHIJKLMNO"},
                      FontCase{"ChineseAbbreviated", "方正舒体*", "方正舒体简体"},
                      FontCase{"ChineseShort", "宋体", "宋体"}),
    [](const auto& info) { return info.param.name; });

TEST_F(EntryDesigner, CaptionFontNameIsCutOnACharacterBoundary) {
    d.LoadItemControl(entryRow("textbox"));
    d.LabelArray[d.ItemTable[1].CaptionIndex].setFontName(QStringLiteral("A方正舒体简体"));
    const ISITRecord out = written(1);
    // 13 bytes in a 12-byte field: the last whole character goes, its lead byte is not kept.
    QByteArray expected = toGbk(QStringLiteral("A方正舒体简"));
    expected.append(' ');
    EXPECT_EQ(QByteArray(out.ii15.data(), 12), expected);
    EXPECT_EQ(fieldText(out.ii15), QStringLiteral("A方正舒体简"));
}

// ---- Where item-entry rows read differently from item-search rows -----------------------------

TEST_F(EntryDesigner, LabelVerticalAlignmentTravelsThroughTheToolTip) {
    d.LoadItemControl(entryRow("label"));
    EXPECT_EQ(d.LabelArray[1].ToolTipText(), "2");
    d.LabelArray[1].setToolTipText(QStringLiteral("1"));
    EXPECT_EQ(fieldText(written(1).ii40), "0100000000011");
    d.LabelArray[1].setToolTipText(QStringLiteral("居中"));  // not a code: top
    EXPECT_EQ(fieldText(written(1).ii40), "0100000000010");
}

TEST_F(EntryDesigner, KindsDrawnDifferentlyOnEntryForms) {
    d.LoadItemControl(entryRow("listbox"));
    EXPECT_EQ(d.ListBoxArray[1].Text(), QStringLiteral("『家庭成员』"));  // a text box

    ISITRecord frame = entryRow("frame");
    T(frame.ii31, "65280");
    d.LoadItemControl(frame);
    EXPECT_EQ(d.FrameArray[1].BorderColor(), 255);  // member 43, not 31

    d.LoadItemControl(entryRow("checkbox"));
    EXPECT_EQ(d.CheckBoxArray[1].Text(), QStringLiteral("已婚"));  // no brackets
    EXPECT_EQ(d.CheckBoxArray[1].BorderStyle(), 1);

    d.LoadItemControl(entryRow("postil"));
    ASSERT_EQ(d.ItemCount, 4);
    EXPECT_EQ(d.ItemTable[4].ControlKind, kKindPostil);
    EXPECT_EQ(d.PostilArray[1].Text(), QStringLiteral("『领导批示』"));
    EXPECT_EQ(d.PostilArray[1].Tag(), "4");

    d.LoadItemControl(entryRow("mmx"));
    EXPECT_TRUE(d.ItemTable[5].ShowMediaInline);
    EXPECT_TRUE(d.ItemTable[5].ShowPictureDirect);
    d.ItemTable[5].ShowPictureDirect = false;
    EXPECT_EQ(fieldText(written(5).ii40).mid(5, 1), "1");
}

TEST_F(EntryDesigner, HiddenItemsDoNotWidenTheDesignAreaAndLinesCountTheirSecondEnd) {
    ISITRecord hidden = entryRow("textbox");
    hidden.ii13 = 9000;
    T(hidden.ii41, "000000100000100");
    d.LoadItemControl(hidden);
    EXPECT_TRUE(d.TextBoxArray[1].Visible());  // still drawn
    EXPECT_EQ(d.DesignAreaWidth, 0);           // its caption label did not count either
    ISITRecord line = entryRow("line");
    line.ii11 = 6000;
    line.ii13 = 200;
    d.LoadItemControl(line);
    EXPECT_EQ(d.DesignAreaWidth, 200);
    d.LoadItemControl(entryRow("memobox"));
    EXPECT_EQ(d.DesignAreaWidth, 3200);
    EXPECT_EQ(d.DesignAreaHeight, 660);
}

TEST_F(EntryDesigner, UnloadDesignControlsKeepsLinesMemosSubTablesAndPostils) {
    for (const char* kind : {"label", "textbox", "checkbox", "combobox", "datepicker", "listbox",
                             "shape", "frame", "line", "memobox", "mmx", "childtable", "postil"})
        d.LoadItemControl(entryRow(kind));
    ASSERT_GT(d.DesignAreaWidth, 0);
    d.UnloadDesignControls();
    EXPECT_EQ(d.LabelArray.count(), 1);
    EXPECT_EQ(d.TextBoxArray.count(), 1);
    EXPECT_EQ(d.MMXArray.count(), 1);
    EXPECT_EQ(d.LineArray.count(), 2);
    EXPECT_EQ(d.MemoBoxArray.count(), 2);
    EXPECT_EQ(d.ChildTableArray.count(), 2);
    EXPECT_EQ(d.PostilArray.count(), 2);
    EXPECT_EQ(d.DesignAreaWidth, 0);
    EXPECT_EQ(d.DesignAreaHeight, 0);
}

// ---- The item limit and the labels beyond it ---------------------------------------------------

TEST_F(EntryDesigner, RowsPastTheItemLimitAreKeptAndLabelsKeepTheirVisibleFlag) {
    PromptScript script;
    for (int i = 0; i < 6; ++i) script.answer(vbOK);
    ISITRecord row = entryRow("textbox");
    for (int i = 1; i <= 1030; ++i) {
        setField(row.ii29, decimalText(i));
        d.LoadItemControl(row);
    }
    EXPECT_EQ(d.ItemCount, 1024);
    ASSERT_EQ(d.KeptRows.size(), 6u);
    for (const auto& kept : d.KeptRows) EXPECT_EQ(kept.reason, KeptReason::TableFull);
    EXPECT_EQ(fieldText(d.KeptRows.back().row.ii29), "1030");
    EXPECT_EQ(script.prompts().size(), 6u);
    EXPECT_EQ(script.prompts().front().style, vbCritical);
    // Caption labels 1025 to 1030 were made before the table refused their items.
    EXPECT_GE(d.LabelVisible.size(), 1031u);
    EXPECT_TRUE(d.labelVisible(1024));
}

// ---- Through the database ---------------------------------------------------------------------

std::vector<ISITRecord> readItems(std::int32_t hdbc, std::int32_t interfaceNumber) {
    std::vector<ISITRecord> rows;
    const std::int32_t hstmt = sysISITPrepareGetData(hdbc, interfaceNumber);
    if (hstmt <= 0) return rows;
    ISITRecord r;
    while (sysISITGetRecord(hstmt, r) > 0) rows.push_back(r);
    return rows;
}

class EntryDatabaseRoundTrip : public zelk::test::BackendTest {};

TEST_P(EntryDatabaseRoundTrip, InterfaceOfEveryKindIsStoredBackAsItWasRead) {
    setInstalledFontsProvider(testFonts);
    const char* kinds[] = {"label",    "captionedlabel", "freelabel",  "textbox", "plaintextbox",
                           "checkbox", "combobox",       "datepicker", "listbox", "shape",
                           "frame",    "line",           "memobox",    "mmx",     "childtable",
                           "postil",   "other"};
    int number = 0;
    for (const char* kind : kinds) {
        ISITRecord r = entryRow(kind);
        setField(r.ii29, decimalText(++number));
        if (std::string(kind) == "shape") r.ii07 = number;  // its item index
        ASSERT_GT(sysISITInsertRecord(hdbc(), r), 0) << kind;
    }
    const std::vector<ISITRecord> read = readItems(hdbc(), kInterface);
    ASSERT_EQ(read.size(), std::size(kinds));

    frm_zelk_jmsj d;
    d.InterfaceRow.id00 = kInterface;
    for (const ISITRecord& r : read) d.LoadItemControl(r);
    ASSERT_EQ(d.ItemCount, static_cast<std::int32_t>(std::size(kinds)));

    d.InterfaceRow.id00 = kInterface + 1;
    for (std::int32_t i = 1; i <= d.ItemCount; ++i) {
        ISITRecord out;
        setField(out.ii29, decimalText(d.ItemTable[i].ItemNo));
        out.ii04 = d.ItemTable[i].EntryOrder;
        d.SaveISITItem(d.ItemTable[i], out);
        setField(out.ii20, EncodeFontName(fieldText(out.ii20)));
        ASSERT_GT(sysISITInsertRecord(hdbc(), out), 0);
    }
    const std::vector<ISITRecord> back = readItems(hdbc(), kInterface + 1);
    ASSERT_EQ(back.size(), read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        ISITRecord expected = read[i];
        expected.ii00 = back[i].ii00;
        expected.ii01 = kInterface + 1;
        EXPECT_TRUE(sameRow(expected, back[i])) << kinds[i];
    }
    setInstalledFontsProvider(nullptr);
}

ZELK_ON_BOTH_BACKENDS(EntryDatabaseRoundTrip);

}  // namespace
