// The generators end to end: list columns and form items as stored, their transaction, and the
// generated forms in the designers.

#include <algorithm>

#include <gtest/gtest.h>
#include <QTest>

#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/properties_support.h"
#include "designer/unedited_save.h"
#include "platform/promptscript.h"
#include "support/refusal.h"
#include "wizard/generation.h"
#include "wizard_fixture.h"

using namespace zelk;
using namespace zelk::test;

namespace {

template <class Row, class Prepare, class Fetch>
std::vector<Row> readRows(std::int32_t hdbc, std::int32_t number, Prepare prepare, Fetch fetch) {
    std::vector<Row> rows;
    Row r;
    for (const std::int32_t h = prepare(hdbc, number); h > 0 && fetch(h, r) > 0;) rows.push_back(r);
    return rows;
}

template <class Row>
std::vector<Row> rowsOf(std::int32_t hdbc, std::int32_t number) {
    if constexpr (std::is_same_v<Row, IJSTRecord>)
        return readRows<Row>(hdbc, number, sysIJSTPrepareGetData, sysIJSTGetRecord);
    if constexpr (std::is_same_v<Row, ILITRecord>)
        return readRows<Row>(hdbc, number, sysILITPrepareGetData, sysILITGetRecord);
    if constexpr (std::is_same_v<Row, ILSTRecord>)
        return readRows<Row>(hdbc, number, sysILSTPrepareGetData, sysILSTGetRecord);
    if constexpr (std::is_same_v<Row, ISITRecord>) {
        auto rows = readRows<Row>(hdbc, number, sysISITPrepareGetData, sysISITGetRecord);
        // Entry items keep their template's item numbers and come back in the template's order.
        std::sort(rows.begin(), rows.end(), [](auto& a, auto& b) { return a.ii04 < b.ii04; });
        return rows;
    }
}

// Browse columns read in the layout of list-entry columns.
std::vector<ILITRecord> columnsOf(std::int32_t hdbc, std::int32_t number, WizardList list) {
    if (list == WizardList::ListEntry) return rowsOf<ILITRecord>(hdbc, number);
    std::vector<ILITRecord> out;
    for (const ILSTRecord& r : rowsOf<ILSTRecord>(hdbc, number)) {
        ILITRecord c;
        fromWire(toWire(r), c);
        out.push_back(c);
    }
    return out;
}

TwipsRect labelOf(const auto& r) {
    using C = ItemColumns<std::decay_t<decltype(r)>>;
    return {r.*C::m07, r.*C::m08, r.*C::m09, r.*C::m10};
}
TwipsRect controlOf(const auto& r) {
    using C = ItemColumns<std::decay_t<decltype(r)>>;
    return {r.*C::m11, r.*C::m12, r.*C::m13, r.*C::m14};
}

class Generation : public WizardDb {
  protected:
    InterfaceEntries entries(const QString& name = "生成") { return {name, "", "", "", 1}; }
    std::vector<ChosenField> chosen(const QStringList& columns) {
        std::vector<ChosenField> out;
        for (const QString& c : columns) out.push_back({c, templateItem(c)});
        return out;
    }
    bool form(WizardForm f, const QStringList& columns, LayoutOptions layout = {}) {
        return GenerateFormInterface(context(), entries(), chosen(columns), f, layout);
    }
    std::int32_t generated(const QString& digit) { return numberOf("生成" + digit); }
    void setLength(const char* column, const char* length) {
        ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("update sysfield set fd05='%1' where fd02='%2'")
                                      .arg(QString::fromUtf8(length), QString::fromUtf8(column))),
                  0);
    }
};

TEST_P(Generation, ListColumnsFollowTheChosenOrder) {
    for (const WizardList list : {WizardList::ListEntry, WizardList::BrowseList}) {
        const bool entry = list == WizardList::ListEntry;
        ASSERT_TRUE(GenerateListInterface(context(), entries(), chosen({"wh", "bh", "bt"}), list));
        const std::int32_t n = generated(entry ? "2" : "4");
        ASSERT_GT(n, 0);
        EXPECT_EQ(fieldText(interfaceRow(n).id05), entry ? "2" : "4");
        const auto columns = columnsOf(hdbc(), n, list);
        ASSERT_EQ(columns.size(), 3u);
        const QStringList captions{"文号", "编号", "标题"};
        for (int i = 0; i < 3; ++i) {
            const ILITRecord& c = columns[i];
            EXPECT_EQ(c.ii04, i + 1);
            EXPECT_EQ(fieldText(c.ii03), captions[i]);
            EXPECT_EQ(c.ii07, 1440);
            EXPECT_EQ(fieldText(c.ii26), entry ? "0000000000" : "");
        }
    }
}

TEST_P(Generation, NoChosenFieldsMakesTheRowAlone) {
    ASSERT_TRUE(GenerateListInterface(context(), entries(), {}, WizardList::ListEntry));
    EXPECT_TRUE(columnsOf(hdbc(), generated("2"), WizardList::ListEntry).empty());
    ASSERT_TRUE(form(WizardForm::ItemSearch, {}));
    EXPECT_TRUE(rowsOf<IJSTRecord>(hdbc(), generated("3")).empty());
}

// A refused insert or a field that cannot be read leaves the database as it was, the old
// defaults that the new row took over included.
TEST_P(Generation, AFailedFieldLeavesNoTrace) {
    ISITRecord placed;
    placed.ii01 = 9999;
    placed.ii12 = 990;  // row 3 of a single column
    ASSERT_GT(sysISITInsertRecord(hdbc(), placed), 0);
    refuseSecond(hdbc(), "isit", "ii12", "990");
    const auto before = snapshot();
    const QStringList five{"bh", "bt", "wh", "fwrq", "mj"};
    EXPECT_FALSE(form(WizardForm::ItemEntry, five, {WizardLayoutStyle::Typical, true, false}));
    EXPECT_TRUE(snapshot() == before) << "the database changed";

    refuseSecond(hdbc(), "ijst", "is04", "3");  // the demo search form has one item in place 3
    EXPECT_FALSE(form(WizardForm::ItemSearch, five));
    refuseSecond(hdbc(), "ilit", "ii04", "2");
    EXPECT_FALSE(GenerateListInterface(context(), entries(), chosen(five), WizardList::ListEntry));
    std::vector<ChosenField> gone = chosen(five);
    gone[2].itemNumber = 999999;
    EXPECT_FALSE(GenerateListInterface(context(), entries(), gone, WizardList::BrowseList));
    EXPECT_FALSE(GenerateFormInterface(context(), entries(), gone, WizardForm::ItemEntry, {}));
    std::vector<ChosenField> undefined = chosen(five);
    undefined[3].column = "nosuch";
    EXPECT_FALSE(
        GenerateFormInterface(context(), entries(), undefined, WizardForm::ItemSearch, {}));
    EXPECT_TRUE(snapshot() == before) << "the database changed";
}

TEST_P(Generation, RefusedBeginOrCommitLeavesNoTrace) {
    const auto before = snapshot();
    const std::vector<ChosenField> two = chosen({"bh", "bt"});
    for (const TxnRefusal what : kTxnRefusals) {
        SCOPED_TRACE(testing::PrintToString(what));
        whileRefused(what, hdbc(), GetParam(), "indt", [&] {
            for (const WizardForm f : {WizardForm::ItemEntry, WizardForm::ItemSearch})
                EXPECT_FALSE(GenerateFormInterface(context(), entries(), two, f, {}));
            for (const WizardList list : {WizardList::ListEntry, WizardList::BrowseList})
                EXPECT_FALSE(GenerateListInterface(context(), entries(), two, list));
        });
    }
    EXPECT_TRUE(snapshot() == before) << "the database changed";
}

TEST_P(Generation, EntryFormTypicalTwoColumns) {
    ASSERT_TRUE(form(WizardForm::ItemEntry, {"bh", "bt", "fwrq", "fj", "zw"}));
    const std::int32_t n = generated("1");
    const auto items = rowsOf<ISITRecord>(hdbc(), n);
    ASSERT_EQ(items.size(), 5u);
    struct Expected {
        const char* column;
        int kind;
        TwipsRect label, control;
        const char* controlInt;
    } expected[] = {
        {"bh", 4, {210, 210, 1710, 570}, {1740, 210, 4740, 570}, "011100002201"},
        {"bt", 2, {4770, 210, 6270, 570}, {6300, 210, 9300, 570}, "011100002201"},
        {"fwrq", 5, {210, 600, 1710, 960}, {1740, 600, 4740, 960}, "011100002101"},
        {"fj", 12, {4770, 600, 6270, 960}, {6300, 600, 9300, 960}, "1111111011110"},
        {"zw", 11, {210, 990, 1710, 1350}, {1740, 990, 4740, 1350}, "011100002101"},
    };
    for (int i = 0; i < 5; ++i) {
        const ISITRecord& r = items[i];
        const Expected& e = expected[i];
        ISITRecord source;
        ASSERT_GE(sysISITGetItem(hdbc(), source, templateItem(e.column)), 1);
        EXPECT_NE(r.ii00, source.ii00);
        EXPECT_EQ(fieldText(r.ii02) + fieldText(r.ii03), e.column + fieldText(source.ii03));
        EXPECT_EQ(QString("%1/%2/%3").arg(r.ii01).arg(r.ii04).arg(fieldText(r.ii06)),
                  QString("%1/%2/%3").arg(n).arg(i + 1).arg(e.kind));
        EXPECT_EQ(labelOf(r), e.label) << e.column;
        EXPECT_EQ(controlOf(r), e.control) << e.column;
        EXPECT_EQ(fieldText(r.ii40), e.controlInt) << e.column;
        EXPECT_EQ(fieldText(r.ii41), e.kind == 12 ? fieldText(source.ii41) : "001100111000111");
        for (const auto& kept :
             {&ISITRecord::ii25, &ISITRecord::ii26, &ISITRecord::ii29, &ISITRecord::ii30})
            EXPECT_EQ(fieldText(r.*kept), fieldText(source.*kept)) << e.column;
        EXPECT_EQ(fieldText(r.ii28), fieldText(source.ii28));
    }
    frm_zelk_jmsj designer;
    for (const ISITRecord& r : items) designer.LoadItemControl(r);
    EXPECT_EQ(designer.ItemCount, 5);
    EXPECT_TRUE(designer.KeptRows.empty());
}

// A search form cannot search a sub-table: the field is not put on it (nothing is stored at
// 0, 0, 0, 0), its caption is told, and its column closes up over the empty position.
TEST_P(Generation, SearchFormLeavesSubTablesOut) {
    QStringList notPlaced;
    ASSERT_TRUE(GenerateFormInterface(context(), entries(),
                                      chosen({"fj", "bh", "bt", "fwrq", "zw"}),
                                      WizardForm::ItemSearch, {}, &notPlaced));
    EXPECT_EQ(notPlaced, QStringList{"附件"});
    const auto items = rowsOf<IJSTRecord>(hdbc(), generated("3"));
    ASSERT_EQ(items.size(), 4u);
    const TwipsRect labels[] = {{4770, 210, 6270, 570},
                                {210, 210, 1710, 570},
                                {4770, 600, 6270, 960},
                                {210, 600, 1710, 960}};
    const int kinds[] = {4, 2, 5, 2};
    for (int i = 0; i < 4; ++i) {
        const IJSTRecord& r = items[i];
        EXPECT_EQ(r.is04, i + 2);
        EXPECT_EQ(fieldText(r.is06), QString::number(kinds[i]));
        EXPECT_EQ(labelOf(r), labels[i]) << i;
        EXPECT_NE(controlOf(r), TwipsRect{}) << i;
        EXPECT_EQ(fieldText(r.is40), "010101002201");
        EXPECT_EQ(fieldText(r.is15), "宋体");
        for (const auto& empty :
             {&IJSTRecord::is25, &IJSTRecord::is26, &IJSTRecord::is29, &IJSTRecord::is30})
            EXPECT_EQ(fieldText(r.*empty), "");
        EXPECT_EQ(fieldText(r.is28), "");
    }
    // The entry form takes the sub-table field.
    notPlaced.clear();
    ASSERT_TRUE(GenerateFormInterface(context(), entries(), chosen({"fj", "bh"}),
                                      WizardForm::ItemEntry, {}, &notPlaced));
    EXPECT_TRUE(notPlaced.isEmpty());
    EXPECT_EQ(rowsOf<ISITRecord>(hdbc(), generated("1")).size(), 2u);
    frm_zelk_jssj designer;
    for (const IJSTRecord& r : items) designer.LoadItemControl(r);
    EXPECT_EQ(designer.ItemCount, 4);
    EXPECT_TRUE(designer.KeptRows.empty());
}

// Every form the wizard makes from the demo templates opens and saves unedited without a change.
TEST_P(Generation, GeneratedFormsAreStoredBackAsGeneratedByAnUneditedSave) {
    QStringList columns;
    const std::int32_t h = sysISITPrepareGetData(
        hdbc(), sysINDTGetFLMBID(hdbc(), demo::kMainTable, demo::kClass, demo::kSystem));
    for (ISITRecord item; sysISITGetRecord(h, item) > 0;)
        if (!TrimFixedField(fieldText(item.ii02)).isEmpty()) columns << fieldText(item.ii02);
    ASSERT_GE(columns.size(), 5);
    testrows::TestFonts fonts;
    int made = 0;
    for (const auto style : {WizardLayoutStyle::Typical, WizardLayoutStyle::Flat,
                             WizardLayoutStyle::Table, WizardLayoutStyle::Web})
        for (const bool single : {false, true}) {
            const LayoutOptions layout{style, single, single};
            const QString name = QStringLiteral("生成%1_").arg(++made);
            for (const auto f : {WizardForm::ItemEntry, WizardForm::ItemSearch}) {
                ASSERT_TRUE(
                    GenerateFormInterface(context(), entries(name), chosen(columns), f, layout));
                const bool entry = f == WizardForm::ItemEntry;
                const std::int32_t n = numberOf(name + (entry ? "1" : "3"));
                ASSERT_GT(n, 0);
                if (entry)
                    testrows::expectUneditedSavesKeepRows<frm_zelk_jmsj>(hdbc(), n);
                else
                    testrows::expectUneditedSavesKeepRows<frm_zelk_jssj>(hdbc(), n);
            }
        }
}

// The wizard stores 12 settings digits where the writers emit 13: one setting edited through its
// dialog changes its own digit, and every other stored digit and member stays.
TEST_P(Generation, OneEditedSettingOfAGeneratedFormChangesOnlyItsDigit) {
    testrows::TestFonts fonts;
    for (const auto f : {WizardForm::ItemEntry, WizardForm::ItemSearch}) {
        const bool entry = f == WizardForm::ItemEntry;
        SCOPED_TRACE(entry ? "item-entry form" : "item-search form");
        const QString name = entry ? "十二位1" : "十二位3";
        ASSERT_TRUE(GenerateFormInterface(context(), entries(name.left(3)), chosen({"bh", "bt"}), f,
                                          {WizardLayoutStyle::Typical, false, false}));
        const std::int32_t n = numberOf(name);
        ASSERT_GT(n, 0);
        const auto check = [&]<class Row>(auto designer) {
            using C = ItemColumns<Row>;
            const std::vector<Row> before = testrows::readRows<Row>(hdbc(), n);
            ASSERT_EQ(before.size(), 2u);
            std::size_t edited = 0;
            QString written;  // the writer's digits for the edited item as it opened
            {
                designer->init(hdbc(), n);
                proptest::runPropertyCommand(*designer, "TextBoxArray", [](Form& shown) {
                    proptest::confirm(shown, {{"TextAlign", 2}});
                });
                const auto item = numericInt32(designer->TextBoxArray.at(1).Tag());
                ASSERT_TRUE(item && *item >= 1);
                edited = static_cast<std::size_t>(*item - 1);  // rows load in their order
                const auto& read = designer->ReadItemRows.at(static_cast<std::size_t>(*item));
                ASSERT_TRUE(read.has_value());
                written = fieldText(read->asLoaded.*C::m40);
                EXPECT_TRUE(designer->DesignModified);
                PromptScript none;
                designer->SaveInterface();
            }
            const std::vector<Row> after = testrows::readRows<Row>(hdbc(), n);
            ASSERT_EQ(after.size(), before.size());
            for (std::size_t k = 0; k < after.size(); ++k) {
                Row expected = before[k];
                expected.*C::m00 = after[k].*C::m00;
                if (k == edited) {
                    ASSERT_EQ(fieldText(expected.*C::m40).size(), 12);
                    // The alignment is the twelfth digit; the writer's thirteenth stays.
                    QString digits = fieldText(expected.*C::m40);
                    digits[11] = QLatin1Char('2');
                    ASSERT_EQ(written.size(), 13);
                    EXPECT_EQ(fieldText(after[k].*C::m40), digits + written.mid(12));
                    expected.*C::m40 = after[k].*C::m40;
                }
                EXPECT_TRUE(testrows::sameRow(expected, after[k])) << k;
            }
        };
        if (entry)
            check.template operator()<ISITRecord>(std::make_unique<frm_zelk_jmsj>());
        else
            check.template operator()<IJSTRecord>(std::make_unique<frm_zelk_jssj>());
    }
}

// A generated form stores no canvas size ("0"): it opens on its items' extent or the default. An
// edited save stores the canvas shown, so that the form reopens on it with every item inside.
TEST_P(Generation, AnEditedGeneratedFormReopensOnTheCanvasItWasSavedOn) {
    for (const auto f : {WizardForm::ItemEntry, WizardForm::ItemSearch}) {
        const bool entry = f == WizardForm::ItemEntry;
        SCOPED_TRACE(entry ? "item-entry form" : "item-search form");
        const QString name = entry ? "画布1" : "画布3";
        ASSERT_TRUE(GenerateFormInterface(context(), entries(name.left(2)), chosen({"bh", "bt"}), f,
                                          {WizardLayoutStyle::Typical, false, false}));
        const std::int32_t n = numberOf(name);
        ASSERT_GT(n, 0);
        ASSERT_EQ(fieldText(interfaceRow(n).id13), "0");
        const auto open = [&] {
            auto w = windowtest::makeDesigner(entry ? DesignerKind::ItemEntry
                                                    : DesignerKind::ItemSearch);
            w->init(hdbc(), n);
            return w;
        };
        double width = 0, height = 0;
        {
            auto w = open();
            width = w->PictureTest->Width();
            height = w->PictureTest->Height();
            // A new line typed down to 1800 twips, inside the canvas shown.
            w->show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
            w->Toolbar2->Click("line");
            for (QLineEdit* box : {w->Text2, w->Text4}) {
                QTest::mouseClick(box, Qt::LeftButton);
                QTest::keySequence(box, QKeySequence::SelectAll);
                QTest::keyClicks(box, "1800");
            }
            const DesignLine& line = w->LineArray[w->LineArray.ubound()];
            ASSERT_EQ(line.Y1(), 1800);
            ASSERT_EQ(line.Y2(), 1800);
            ASSERT_LT(1800, height);
            PromptScript none;
            w->SaveInterface();
            EXPECT_FALSE(w->DesignModified);
        }
        EXPECT_EQ(fieldText(interfaceRow(n).id13), QString::number(width));
        EXPECT_EQ(fieldText(interfaceRow(n).id14), QString::number(height));
        auto w = open();
        EXPECT_EQ(w->PictureTest->Width(), width);
        EXPECT_EQ(w->PictureTest->Height(), height);
        for (std::int32_t i = 1; i <= w->ItemCount; ++i) {
            const DesignControl* c = w->itemControl(w->ItemTable[static_cast<std::size_t>(i)]);
            ASSERT_NE(c, nullptr) << i;
            double right = 0, bottom = 0;
            if (const auto* line = qobject_cast<const DesignLine*>(c)) {
                right = std::max(line->X1(), line->X2());
                bottom = std::max(line->Y1(), line->Y2());
            } else {
                const auto* box = static_cast<const DesignBox*>(c);
                right = box->Left() + box->Width();
                bottom = box->Top() + box->Height();
            }
            EXPECT_LE(right, width) << i;
            EXPECT_LE(bottom, height) << i;
        }
    }
}

TEST_P(Generation, SingleColumnAutoSizeFollowsTheLengths) {
    setLength("wh", "30");
    setLength("bt", "abc");
    setLength("ngr", "12.5");
    const LayoutOptions layout{WizardLayoutStyle::Table, true, true};
    ASSERT_TRUE(form(WizardForm::ItemEntry, {"fwrq", "wh", "bt", "ngr"}, layout));
    ASSERT_TRUE(form(WizardForm::ItemSearch, {"fwrq", "wh", "bt", "ngr"}, layout));
    const auto entry = rowsOf<ISITRecord>(hdbc(), generated("1"));
    const auto search = rowsOf<IJSTRecord>(hdbc(), generated("3"));
    ASSERT_EQ(entry.size(), 4u);
    ASSERT_EQ(search.size(), 4u);
    const TwipsRect controls[] = {
        {1695, 210, 2895, 570}, {1695, 555, 4695, 915}, {1695, 900, 4695, 1260}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(labelOf(entry[i]), (TwipsRect{210, 210 + 345 * i, 1710, 570 + 345 * i}));
        EXPECT_EQ(controlOf(entry[i]), controls[i]);
        EXPECT_EQ(controlOf(search[i]), controls[i]);
    }
    EXPECT_EQ(entry[3].ii13, 1695 + 1200);
    EXPECT_EQ(search[3].is13, 1695 + 1250);
}

ZELK_ON_BOTH_BACKENDS(Generation);

}  // namespace
