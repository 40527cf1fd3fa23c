// Item rows through the designers' loaders and back through their writers: what holds for both
// designers, then what the item-search designer's writers do with edits.

#include <gtest/gtest.h>

#include "designer_rows.h"

using namespace zelk;
using namespace zelk::testrows;

namespace {

// ---- Every kind of each designer: a stored row loads and is written back byte for byte -------

struct KindCase {
    Rows form;
    const char* name;
    std::int32_t kind;
    bool hasControl, hasCaption;
    friend void PrintTo(const KindCase& c, std::ostream* os) {
        *os << rowsName(c.form) << '_' << c.name;
    }
};

std::vector<KindCase> kindCases(Rows form) {
    const bool entry = form == Rows::Entry;
    std::vector<KindCase> cases = {
        {form, "label", 1, true, false},      {form, "freelabel", 1, true, false},
        {form, "textbox", 2, true, true},     {form, "checkbox", 3, true, false},
        {form, "combobox", 4, true, true},    {form, "datepicker", 5, true, true},
        {form, "listbox", 6, true, !entry},   {form, "shape", 7, true, false},
        {form, "frame", 8, true, false},      {form, "line", 9, true, false},
        {form, "memobox", 10, true, true},    {form, "mmx", 11, true, true},
        {form, "childtable", 12, true, true}, {form, "other", 99, false, false}};
    if (entry)
        cases.insert(cases.end(), {{form, "captionedlabel", 1, true, true},
                                   {form, "plaintextbox", 2, true, false},
                                   {form, "captionedcheckbox", 3, true, true},
                                   {form, "postil", 13, true, true},
                                   {form, "widekind", 40000, false, false}});
    return cases;
}
std::vector<KindCase> everyKind() {
    std::vector<KindCase> cases = kindCases(Rows::Search);
    const std::vector<KindCase> entry = kindCases(Rows::Entry);
    cases.insert(cases.end(), entry.begin(), entry.end());
    return cases;
}

class KindRoundTrip : public ::testing::TestWithParam<KindCase> {
    TestFonts fonts;
};

TEST_P(KindRoundTrip, StoredRowLoadsAndIsWrittenBackByteForByte) {
    const KindCase& c = GetParam();
    withDesigner(c.form, [&c](auto& d) {
        using Row = RowOf<decltype(d)>;
        using Col = ItemColumns<Row>;
        const Row row = storedRow<Row>(c.name);
        d.LoadItemControl(row);

        ASSERT_EQ(d.ItemCount, 1);
        const DesignItem& item = d.ItemTable[1];
        EXPECT_EQ(item.ControlKind, c.kind);
        EXPECT_EQ(item.ItemName, fieldText(row.*Col::m03));
        EXPECT_EQ(item.HintText, fieldText(row.*Col::m37));
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
            EXPECT_EQ(d.LabelArray[item.CaptionIndex].Caption(), fieldText(row.*Col::m03));
        } else {
            EXPECT_EQ(item.CaptionIndex, 0);
        }
        EXPECT_EQ(d.fieldTreeRoot()->childCount(), 1);
        EXPECT_EQ(static_cast<Node*>(d.fieldTreeRoot()->child(0))->Tag().toInt(), 1);

        EXPECT_TRUE(sameRow(row, written(d, 1)));
    });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, KindRoundTrip, ::testing::ValuesIn(everyKind()),
                         [](const auto& info) {
                             return std::string(rowsName(info.param.form)) + "_" + info.param.name;
                         });

// ---- Cases both designers share --------------------------------------------------------------

class BothDesigners : public ::testing::TestWithParam<Rows> {
    TestFonts fonts;
};
const auto rowsParamName = [](const auto& info) { return std::string(rowsName(info.param)); };

TEST_P(BothDesigners, CaptionFontNameIsCutOnACharacterBoundaryWhileControlFontIsShortened) {
    withDesigner(GetParam(), [](auto& d) {
        using Col = ItemColumns<RowOf<decltype(d)>>;
        d.LoadItemControl(storedRow<RowOf<decltype(d)>>("textbox"));
        d.LabelArray[d.ItemTable[1].CaptionIndex].setFontName(QStringLiteral("A方正舒体简体"));
        d.TextBoxArray[1].setFontName(QStringLiteral("ABCDEFGHIJKLMNO"));
        const auto out = written(d, 1);
        // 13 bytes in a 12-byte field: the last whole character goes, its lead byte is not kept.
        QByteArray expected = toGbk(QStringLiteral("A方正舒体简"));
        expected.append(' ');
        EXPECT_EQ(QByteArray((out.*Col::m15).data(), 12), expected);
        EXPECT_EQ(fieldText(out.*Col::m20), "ABCDEFGHIJ");
    });
}

struct FontCase {
    const char* name;
    const char* stored;
    const char* applied;
};

TEST_P(BothDesigners, LongFontNamesAreWidenedForTheControlAndStoredInTheirShortForm) {
    const FontCase cases[] = {{"LatinAbbreviated", "Aria*", "Arial Unicode MS"},
                              {"LatinTenBytes", "ABCDEFGHIJ", "ABCDEFGHIJKLMNO"},
                              {"ChineseAbbreviated", "方正舒体*", "方正舒体简体"},
                              {"ChineseShort", "宋体", "宋体"}};
    for (const FontCase& font : cases) {
        for (const char* kind : {"textbox", "label", "frame", "datepicker", "checkbox", "postil"}) {
            if (GetParam() == Rows::Search && std::string(kind) == "postil") continue;
            withDesigner(GetParam(), [&](auto& d) {
                using Row = RowOf<decltype(d)>;
                Row row = storedRow<Row>(kind);
                T(row.*ItemColumns<Row>::m20, font.stored);
                d.LoadItemControl(row);
                ASSERT_EQ(d.ItemCount, 1) << kind;
                const auto* control =
                    dynamic_cast<DesignFontControl*>(d.itemControl(d.ItemTable[1]));
                ASSERT_NE(control, nullptr) << kind;
                EXPECT_EQ(control->FontName(), QString::fromUtf8(font.applied))
                    << font.name << ' ' << kind;
                EXPECT_EQ(fieldText(written(d, 1).*ItemColumns<Row>::m20),
                          QString::fromUtf8(font.stored))
                    << font.name << ' ' << kind;
            });
        }
    }
}

TEST_P(BothDesigners, DesignAreaCoversShownControlsCaptionLabelsAndLinesSecondEnd) {
    withDesigner(GetParam(), [](auto& d) {
        using Row = RowOf<decltype(d)>;
        Row box = storedRow<Row>("textbox");
        put(box, {{13, "9000"}, {10, "7000"}});
        d.LoadItemControl(box);
        Row line = storedRow<Row>("line");
        put(line, {{11, "12000"}, {13, "200"}});
        d.LoadItemControl(line);
        // A hidden item is still drawn but does not count, nor does its caption label.
        Row hidden = storedRow<Row>("textbox");
        put(hidden, {{13, "20000"}, {10, "15000"}, {41, "000000100000100"}});
        d.LoadItemControl(hidden);
        EXPECT_TRUE(d.TextBoxArray[2].Visible());
        EXPECT_EQ(d.DesignAreaWidth, 9000);
        EXPECT_EQ(d.DesignAreaHeight, 7000);
    });
}

TEST_P(BothDesigners, UnloadDesignControlsKeepsLinesMemosSubTablesAndPostils) {
    const Rows form = GetParam();
    withDesigner(form, [form](auto& d) {
        using Row = RowOf<decltype(d)>;
        for (const KindCase& c : kindCases(form)) d.LoadItemControl(storedRow<Row>(c.name));
        ASSERT_GT(d.DesignAreaWidth, 0);
        d.UnloadDesignControls();
        for (const int count :
             {d.LabelArray.count(), d.TextBoxArray.count(), d.CheckBoxArray.count(),
              d.ComboBoxArray.count(), d.DatePickerArray.count(), d.ListBoxArray.count(),
              d.ShapeArray.count(), d.FrameArray.count(), d.MMXArray.count()})
            EXPECT_EQ(count, 1);
        EXPECT_EQ(d.LineArray.count(), 2);
        EXPECT_EQ(d.MemoBoxArray.count(), 2);
        EXPECT_EQ(d.ChildTableArray.count(), 2);
        if constexpr (!ItemColumns<Row>::kSearchRow) {
            EXPECT_EQ(d.PostilArray.count(), 2);
        }
        EXPECT_EQ(d.DesignAreaWidth, 0);
        EXPECT_EQ(d.DesignAreaHeight, 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Forms, BothDesigners, ::testing::Values(Rows::Search, Rows::Entry),
                         rowsParamName);

// ---- Edits on the canvas or in a dialog come back in the written row --------------------------

using Members = std::vector<std::pair<int, const char*>>;  // member numbers and their texts

struct EditCase {
    const char* name;
    Rows form;
    bool companion;                  // the entry designer's search rows
    std::vector<const char*> kinds;  // rows of designer_rows.h, loaded in turn
    int item;                        // the item written
    Members changes;                 // to the item's row before it is loaded
    void (*edit)(DesignerBase&);
    Members expected;
    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
};

template <class Row>
QString memberText(const Row& row, int number) {
    QString text;
    forEachMember(row, [&](int n, const auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::int32_t>) {
            if (n == number) text = QString::number(member);
        } else if (n == number) {
            text = fieldText(member);
        }
    });
    return text;
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

// clang-format off
std::vector<EditCase> editCases() {
    const char* kAutoSized = "100000100000011";
    const auto S = Rows::Search;
    const auto E = Rows::Entry;
    return {
        // The two designers share these writers: one case each.
        {"SearchLabelAutoSize", S, false, {"label"}, 1, {}, autoSizeLabel, {{41, kAutoSized}}},
        {"EntryDateFont", E, false, {"datepicker"}, 1, {}, restyleDate, {{21, "1010"}}},
        // Search rows keep a date box's size in single precision, entry rows to four decimals.
        {"SearchDateSize", S, false, {"datepicker"}, 1, {}, resizeDate, {{22, "10.12345"}}},
        {"EntryDateSize", E, false, {"datepicker"}, 1, {}, resizeDate, {{22, "10.1235"}}},
        {"CompanionDateSize", E, true, {"datepicker"}, 1, {}, resizeDate, {{22, "10.12345"}}},
        {"SearchTextBoxMovedAndRestyled", S, false, {"textbox"}, 1, {},
         [](DesignerBase& d) {
             ASSERT_TRUE(d.TextBoxArray[1].Move(1500.4, 450, 2000.2, 360.3));
             d.TextBoxArray[1].setFontName(QStringLiteral("Times New Roman"));
             d.TextBoxArray[1].setFontSize(14.25);
             d.TextBoxArray[1].setForeColor(65280);
             d.TextBoxArray[1].setBorderColor(-2147483633);
             d.LabelArray[d.ItemTable[1].CaptionIndex].setCaption(QStringLiteral("ignored"));
             d.setLabelVisible(d.ItemTable[1].CaptionIndex, false);
             d.ItemTable[1].HintText = QStringLiteral("新提示");
         },
         // Right and bottom edges rounded once from the sums; the item's name, not the label's.
         {{11, "1500"}, {13, "3501"}, {14, "810"}, {20, "Time*"}, {22, "14.25"}, {23, "65280"},
          {43, "-2147483633"}, {37, "新提示"}, {3, "姓名"}, {39, "000000100000000"}}},
        {"SearchDateBoxRightAlignedHalfSize", S, false, {"datepicker"}, 1, {},
         [](DesignerBase& d) {
             d.DatePickerArray[1].setFontSize(10.5);
             d.DatePickerArray[1].setAlignment(2);
         },
         {{22, "10.5"}, {40, "0010000001020"}}},
        {"SearchDateBoxLeftAligned", S, false, {"datepicker"}, 1, {},
         [](DesignerBase& d) {
             d.DatePickerArray[1].setAlignment(0);
             d.DatePickerArray[1].setFontSize(9);
         },
         {{22, "9"}, {40, "0010000001010"}}},
        {"SearchLineEndPointsRoundHalvesToEven", S, false, {"line"}, 1, {},
         [](DesignerBase& d) {
             d.LineArray[1].setX1(100.5);
             d.LineArray[1].setY1(200);
             d.LineArray[1].setX2(300);
             d.LineArray[1].setY2(400.5);
         },
         {{11, "100"}, {12, "200"}, {13, "300"}, {14, "400"}}},
        {"SearchFrameWholeSizeKeepsItsLook", S, false, {"frame"}, 1,
         {{22, "11.5"}, {40, "0000000003000"}, {24, "abc"}}, nullptr,
         {{22, "12"}, {40, "0000000003000"}, {24, "0"}, {36, "基本信息"}}},
        {"SearchComboEffectThreeIsSunken", S, false, {"combobox"}, 1, {{40, "0100000003010"}},
         [](DesignerBase& d) { EXPECT_EQ(d.ComboBoxArray[1].SpecialEffect(), 2); },
         {{40, "0100000002010"}}},
        {"SearchComboSelectionModeAndFlat", S, false, {"combobox"}, 1, {{40, "0100000003010"}},
         [](DesignerBase& d) {
             d.ItemTable[1].DataSelectMode = 1;
             d.ComboBoxArray[1].setSpecialEffect(0);
         },
         {{40, "0100000000110"}}},
        // A caption label given by a property command is stored over the check box's columns.
        {"SearchCheckBoxGivenACaptionLabel", S, false, {"checkbox", "textbox"}, 1, {},
         [](DesignerBase& d) { d.ItemTable[1].CaptionIndex = d.ItemTable[2].CaptionIndex; },
         {{5, "1"}, {7, "200"}, {38, "0000000000010"}}},
        {"SearchShapeItemIndexAndItemBackColour", S, false, {"line", "shape"}, 2, {{31, "65280"}},
         [](DesignerBase& d) { EXPECT_EQ(d.ShapeArray[1].BackColor(), 65280); },
         {{7, "2"}, {24, "255"}, {31, "255"}}},
        // The entry label's vertical alignment travels through its tool tip.
        {"EntryLabelVerticalAlignment", E, false, {"label"}, 1, {},
         [](DesignerBase& d) {
             EXPECT_EQ(d.LabelArray[1].ToolTipText(), "2");
             d.LabelArray[1].setToolTipText(QStringLiteral("1"));
         },
         {{40, "0100000000011"}}},
        {"EntryLabelToolTipNotACodeIsTop", E, false, {"label"}, 1, {},
         [](DesignerBase& d) { d.LabelArray[1].setToolTipText(QStringLiteral("居中")); },
         {{40, "0100000000010"}}},
    };
}
// clang-format on

class ItemEdit : public ::testing::TestWithParam<EditCase> {
    TestFonts fonts;
};

TEST_P(ItemEdit, IsStoredInTheWrittenRow) {
    const EditCase& c = GetParam();
    withDesigner(c.form, [&c](auto& d) {
        using Row = RowOf<decltype(d)>;
        for (std::size_t k = 0; k < c.kinds.size(); ++k) {
            Row row = storedRow<Row>(c.kinds[k]);
            if (static_cast<int>(k) + 1 == c.item)
                for (const auto& [n, text] : c.changes) put(row, {{n, text}});
            d.LoadItemControl(row);
        }
        ASSERT_EQ(d.ItemCount, static_cast<std::int32_t>(c.kinds.size()));
        if (c.edit) c.edit(d);
        const auto check = [&c](const auto& out) {
            for (const auto& [n, text] : c.expected)
                EXPECT_EQ(memberText(out, n), QString::fromUtf8(text)) << "member " << n;
        };
        if (c.companion)
            check(writtenAs<IJSTRecord>(d, c.item));
        else
            check(written(d, c.item));
    });
}

INSTANTIATE_TEST_SUITE_P(CanvasAndDialogs, ItemEdit, ::testing::ValuesIn(editCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
