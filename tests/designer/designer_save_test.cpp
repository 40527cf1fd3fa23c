// The designers' SaveInterface: an interface loaded into a window, edited and saved, read back.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "platform/promptscript.h"
#include "support/testdb.h"

namespace zelk {
namespace {

using test::BackendTest;

template <class Row>
std::vector<Row> readRows(std::int32_t hdbc, std::int32_t number) {
    std::vector<Row> rows;
    std::int32_t stmt = 0;
    if constexpr (std::is_same_v<Row, IJSTRecord>)
        stmt = sysIJSTPrepareGetData(hdbc, number);
    else
        stmt = sysISITPrepareGetData(hdbc, number);
    Row row;
    auto fetch = [&] {
        if constexpr (std::is_same_v<Row, IJSTRecord>)
            return sysIJSTGetRecord(stmt, row);
        else
            return sysISITGetRecord(stmt, row);
    };
    while (stmt > 0 && fetch() > 0) rows.push_back(std::exchange(row, {}));
    return rows;
}

// What opening a designer does with the database: its interface row, then every item row.
template <class Designer>
void loadInterface(Designer& designer, std::int32_t hdbc, std::int32_t number) {
    using Row = typename Designer::RowType;
    designer.hdbc = hdbc;
    ASSERT_GE(sysINDTGetDataByNo(hdbc, designer.InterfaceRow, number), 1);
    designer.InitFieldTree();
    for (const Row& row : readRows<Row>(hdbc, number)) designer.LoadItemControl(row);
}

class SearchDesignerSaveTest : public BackendTest {
  protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(loadDemoData(hdbc(), &demo));
        number = demo.itemSearch;
    }
    DemoInterfaces demo;
    std::int32_t number = 0;
};

TEST_P(SearchDesignerSaveTest, SavesWhatWasLoadedAndEdited) {
    const auto before = readRows<IJSTRecord>(hdbc(), number);
    ASSERT_GE(before.size(), 3u);
    frm_zelk_jssj designer;
    loadInterface(designer, hdbc(), number);
    ASSERT_EQ(designer.ItemCount, static_cast<std::int32_t>(before.size()));

    // Delete the second item, move the first one.
    designer.ItemTable[2].Deleted = -1;
    DesignControl* first = designer.itemControl(designer.ItemTable[1]);
    ASSERT_NE(first, nullptr);
    auto* box = dynamic_cast<DesignBox*>(first);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->setLeft(box->Left() + 150));
    designer.DesignModified = true;
    const QString version = fieldText(designer.InterfaceRow.id08);

    PromptScript script;
    designer.SaveInterface();
    EXPECT_TRUE(script.prompts().empty());
    EXPECT_FALSE(designer.DesignModified);
    EXPECT_EQ(fieldText(designer.InterfaceRow.id08), nextVersionText(version));
    INDTRecord stored;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), stored, number), 1);
    EXPECT_EQ(toWire(stored), toWire(designer.InterfaceRow));

    const auto after = readRows<IJSTRecord>(hdbc(), number);
    ASSERT_EQ(after.size(), before.size() - 1);
    EXPECT_EQ(after[0].is11, before[0].is11 + 150);
    EXPECT_EQ(after[0].is13, before[0].is13 + 150);
    for (std::size_t k = 1; k < after.size(); ++k) {
        const IJSTRecord& was = before[k + 1];
        const IJSTRecord& now = after[k];
        EXPECT_EQ(now.is01, number);
        EXPECT_EQ(fieldText(now.is02), fieldText(was.is02)) << k;
        // Rectangles, frames and lines have no name column of their own: an empty row gets none.
        const QString kind = fieldText(was.is06);
        const bool named = kind != QStringLiteral("7") && kind != QStringLiteral("8") &&
                           kind != QStringLiteral("9");
        if (named) {
            EXPECT_EQ(fieldText(now.is03), fieldText(was.is03)) << k;
        }
        EXPECT_EQ(fieldText(now.is06), fieldText(was.is06)) << k;
        EXPECT_EQ(fieldText(now.is29), decimalText(static_cast<std::int64_t>(k) + 2)) << k;
        EXPECT_EQ(now.is11, was.is11) << k;
        EXPECT_EQ(now.is14, was.is14) << k;
    }
}

TEST_P(SearchDesignerSaveTest, AFailedSaveKeepsTheWindowAndTheTables) {
    frm_zelk_jssj designer;
    loadInterface(designer, hdbc(), number);
    designer.DesignModified = true;
    const INDTRecord row = designer.InterfaceRow;
    const auto rows = readRows<IJSTRecord>(hdbc(), number);
    // The database refuses the second row placed at 7777.
    ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("create unique index zelk_refuse on ijst (is11) "
                                             "where is11 = 7777")),
              0);
    for (std::int32_t i : {2, 3}) {
        auto* box = dynamic_cast<DesignBox*>(designer.itemControl(designer.ItemTable[i]));
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->setLeft(7777));
    }
    {
        PromptScript script;
        script.answer(vbOK);
        designer.SaveInterface();
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].text, QStringLiteral("界面数据不能保存！"));
    }
    EXPECT_TRUE(designer.DesignModified);
    EXPECT_EQ(toWire(designer.InterfaceRow), toWire(row));
    INDTRecord stored;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), stored, number), 1);
    EXPECT_EQ(toWire(stored), toWire(row));
    const auto now = readRows<IJSTRecord>(hdbc(), number);
    ASSERT_EQ(now.size(), rows.size());
    for (std::size_t k = 0; k < now.size(); ++k) EXPECT_EQ(toWire(now[k]), toWire(rows[k]));
}

TEST_P(SearchDesignerSaveTest, AnInterfaceOf1030RowsKeepsEveryRow) {
    ASSERT_GE(sysIJSTDeleteRecords(hdbc(), number), 0);
    odbc_BeginTrans(hdbc());
    for (int i = 1; i <= 1030; ++i) {
        IJSTRecord row{};
        row.is01 = number;
        setField(row.is02, QStringLiteral("f%1").arg(i));
        setField(row.is06, QStringLiteral("2"));
        setField(row.is29, decimalText(i));
        row.is11 = 100;
        row.is12 = 100 + 20 * i;
        row.is13 = 1600;
        row.is14 = 400 + 20 * i;
        ASSERT_GE(sysIJSTInsertRecord(hdbc(), row), 1);
    }
    odbc_CommitTrans(hdbc());

    frm_zelk_jssj designer;
    {
        // Rows past the item limit are kept, and the user hears of each.
        PromptScript script;
        for (int k = 0; k < 6; ++k) script.answer(vbOK);
        loadInterface(designer, hdbc(), number);
    }
    ASSERT_EQ(designer.ItemCount, 1024);
    PromptScript script;
    designer.SaveInterface();
    const auto rows = readRows<IJSTRecord>(hdbc(), number);
    ASSERT_EQ(rows.size(), 1030u);
    for (std::size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(fieldText(rows[k].is02), QStringLiteral("f%1").arg(k + 1)) << k;
}

TEST_P(SearchDesignerSaveTest, NoCaptionLeaksIntoALaterItem) {
    ASSERT_GE(sysIJSTDeleteRecords(hdbc(), number), 0);
    IJSTRecord captioned{};
    captioned.is01 = number;
    setField(captioned.is02, QStringLiteral("a01"));
    setField(captioned.is03, QStringLiteral("标题"));
    setField(captioned.is05, QStringLiteral("1"));
    setField(captioned.is06, QStringLiteral("2"));
    setField(captioned.is29, QStringLiteral("1"));
    captioned.is07 = 100, captioned.is08 = 100, captioned.is09 = 900, captioned.is10 = 400;
    captioned.is11 = 1000, captioned.is12 = 100, captioned.is13 = 2500, captioned.is14 = 400;
    ASSERT_GE(sysIJSTInsertRecord(hdbc(), captioned), 1);
    IJSTRecord line{};
    line.is01 = number;
    setField(line.is06, QStringLiteral("9"));
    setField(line.is29, QStringLiteral("2"));
    line.is11 = 100, line.is12 = 800, line.is13 = 3000, line.is14 = 800;
    ASSERT_GE(sysIJSTInsertRecord(hdbc(), line), 1);

    {
        frm_zelk_jssj designer;
        loadInterface(designer, hdbc(), number);
        ASSERT_EQ(designer.ItemCount, 2);
        PromptScript script;
        designer.SaveInterface();
    }
    frm_zelk_jssj reopened;
    loadInterface(reopened, hdbc(), number);
    ASSERT_EQ(reopened.ItemCount, 2);
    EXPECT_GT(reopened.ItemTable[1].CaptionIndex, 0);
    EXPECT_EQ(reopened.ItemTable[2].CaptionIndex, 0);
    const auto rows = readRows<IJSTRecord>(hdbc(), number);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(fieldText(rows[1].is03), QString());
    EXPECT_NE(fieldText(rows[1].is05), QStringLiteral("1"));
}

ZELK_ON_BOTH_BACKENDS(SearchDesignerSaveTest);

std::vector<ILSTRecord> browseRows(std::int32_t hdbc, std::int32_t number) {
    std::vector<ILSTRecord> rows;
    const std::int32_t stmt = sysILSTPrepareGetData(hdbc, number);
    ILSTRecord row;
    while (stmt > 0 && sysILSTGetRecord(stmt, row) > 0) rows.push_back(std::exchange(row, {}));
    return rows;
}

class EntryDesignerSaveTest : public SearchDesignerSaveTest {};

TEST_P(EntryDesignerSaveTest, RegeneratesTheClassCompanions) {
    // The user had arranged the browse list: remember where each bound column stood.
    std::map<QString, std::pair<std::int32_t, std::int32_t>> arranged;
    for (const ILSTRecord& c : browseRows(hdbc(), demo.browseList))
        arranged[fieldText(c.is02)] = {c.is04, c.is07};
    ASSERT_FALSE(arranged.empty());

    frm_zelk_jmsj designer;
    loadInterface(designer, hdbc(), demo.itemEntry);
    ASSERT_GT(designer.ItemCount, 3);
    designer.ItemTable[3].Deleted = -1;
    designer.SyncSearchForm = true;
    designer.SyncBrowseList = true;
    designer.DesignModified = true;
    const QString version = nextVersionText(fieldText(designer.InterfaceRow.id08));
    {
        PromptScript script;
        designer.SaveInterface();
        EXPECT_TRUE(script.prompts().empty());
    }
    EXPECT_FALSE(designer.DesignModified);
    EXPECT_EQ(fieldText(designer.InterfaceRow.id08), version);

    std::size_t live = 0, browsable = 0;
    for (std::int32_t i = 1; i <= designer.ItemCount; ++i) {
        const DesignItem& item = designer.ItemTable[static_cast<std::size_t>(i)];
        if (item.Deleted != 0) continue;
        ++live;
        if (!item.ItemName.startsWith(QStringLiteral("电子文件"))) ++browsable;
    }
    const auto items = readRows<ISITRecord>(hdbc(), demo.itemEntry);
    EXPECT_EQ(items.size(), live + designer.KeptRows.size());

    INDTRecord search, browse;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), search, demo.itemSearch), 1);
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), browse, demo.browseList), 1);
    EXPECT_EQ(fieldText(search.id08), nextVersionText(version));
    EXPECT_EQ(fieldText(browse.id08), nextVersionText(version));

    const auto searchRows = readRows<IJSTRecord>(hdbc(), demo.itemSearch);
    ASSERT_EQ(searchRows.size(), live);
    for (const IJSTRecord& r : searchRows) {
        EXPECT_EQ(r.is01, demo.itemSearch);
        const QString kind = fieldText(r.is06);
        EXPECT_TRUE(kind == QStringLiteral("2") || kind == QStringLiteral("4"))
            << kind.toStdString();
    }

    const auto columns = browseRows(hdbc(), demo.browseList);
    ASSERT_EQ(columns.size(), browsable);
    std::set<std::int32_t> positions;
    int kept = 0, unbound = 0;
    for (const ILSTRecord& c : columns) {
        EXPECT_EQ(c.is01, demo.browseList);
        const QString bound = fieldText(c.is02);
        if (bound.isEmpty()) {
            // Labels, lines and frames: a hidden column at position 0.
            EXPECT_EQ(std::pair(c.is04, c.is07), std::pair(0, 0));
            ++unbound;
            continue;
        }
        if (const auto was = arranged.find(bound); was != arranged.end()) {
            EXPECT_EQ(c.is04, was->second.first) << bound.toStdString();
            EXPECT_EQ(c.is07, was->second.second) << bound.toStdString();
            ++kept;
        }
        positions.insert(c.is04);
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(unbound, 0);
    EXPECT_EQ(positions.size() + static_cast<std::size_t>(unbound), columns.size())
        << "every bound column has a position of its own";
    EXPECT_EQ(positions.count(0), 0u);
}

TEST_P(EntryDesignerSaveTest, WithoutSynchronisationTheCompanionsStay) {
    const auto search = readRows<IJSTRecord>(hdbc(), demo.itemSearch);
    const auto columns = browseRows(hdbc(), demo.browseList);
    frm_zelk_jmsj designer;
    loadInterface(designer, hdbc(), demo.itemEntry);
    PromptScript script;
    designer.SaveInterface();
    EXPECT_TRUE(script.prompts().empty());
    const auto searchAfter = readRows<IJSTRecord>(hdbc(), demo.itemSearch);
    const auto columnsAfter = browseRows(hdbc(), demo.browseList);
    ASSERT_EQ(searchAfter.size(), search.size());
    ASSERT_EQ(columnsAfter.size(), columns.size());
    for (std::size_t k = 0; k < search.size(); ++k)
        EXPECT_EQ(toWire(searchAfter[k]), toWire(search[k]));
    for (std::size_t k = 0; k < columns.size(); ++k)
        EXPECT_EQ(toWire(columnsAfter[k]), toWire(columns[k]));
}

ZELK_ON_BOTH_BACKENDS(EntryDesignerSaveTest);

}  // namespace
}  // namespace zelk
