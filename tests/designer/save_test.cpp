// Saving an interface, on SQLite and on PostgreSQL: first the save itself, driven with items of
// its own and simple writers; then the designers' SaveInterface on the demo interfaces.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>

#include "dataaccess/demodata.h"
#include "designer/interfacesave.h"
#include "designer_rows.h"
#include "platform/promptscript.h"
#include "support/refusal.h"
#include "support/testdb.h"

namespace zelk {
namespace {

using testrows::put;
using testrows::readRows;
using Placed = std::pair<std::int32_t, std::int32_t>;  // a browse column's position and width

// What every save test needs of its database.
class SaveFixture : public test::BackendTest {
  protected:
    INDTRecord indtRow(std::int32_t number) {
        INDTRecord row;
        EXPECT_GE(sysINDTGetDataByNo(hdbc(), row, number), 1) << "interface " << number;
        return row;
    }

    // Every row of the interfaces, as bytes (keys included).
    std::vector<QByteArray> snapshot(const std::vector<std::int32_t>& numbers) {
        std::vector<QByteArray> all;
        for (std::int32_t n : numbers) {
            INDTRecord row;
            if (sysINDTGetDataByNo(hdbc(), row, n) >= 1) all.push_back(toWire(row));
            for (const auto& r : readRows<ISITRecord>(hdbc(), n)) all.push_back(toWire(r));
            for (const auto& r : readRows<IJSTRecord>(hdbc(), n)) all.push_back(toWire(r));
            for (const auto& r : readRows<ILSTRecord>(hdbc(), n)) all.push_back(toWire(r));
        }
        return all;
    }

    // From now on the database refuses a row of `table` whose `column` holds `value`.
    void refuse(const char* table, const char* column, const char* value) {
        ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("create unique index zelk_refuse on %1 (%2) "
                                                 "where %2 = %3")
                                      .arg(QString::fromLatin1(table), QString::fromLatin1(column),
                                           QString::fromLatin1(value))),
                  0);
    }

    // `save` fails: every table exactly as before and the message once.
    void expectNoTrace(const std::vector<std::int32_t>& numbers,
                       const std::function<bool()>& save) {
        const auto before = snapshot(numbers);
        PromptScript script;
        script.answer(vbOK);
        EXPECT_FALSE(save());
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].text, QStringLiteral("界面数据不能保存！"));
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
        EXPECT_EQ(script.prompts()[0].style, vbCritical);
        EXPECT_EQ(snapshot(numbers), before);
    }
};

// ---- The save, with items of its own ---------------------------------------------------------

struct FakeItem {
    std::int16_t Deleted = 0;
    std::int32_t ItemNo = 0;
    std::int32_t EntryOrder = 0;
    std::int32_t kind = 2;
    QString bound;
    QString caption;  // empty: the item has no caption label
    QString font = QStringLiteral("宋体");
    bool throws = false;
};

// Writes what a writer of the item's kind would: only the columns it has, never the others.
template <class Row>
void writeFake(const FakeItem& item, std::int32_t number, Row& row) {
    using C = ItemColumns<Row>;
    if (item.throws) throw std::runtime_error("writer failed");
    row.*C::m01 = number;
    setField(row.*C::m02, item.bound);
    setField(row.*C::m06, decimalText(item.kind));
    setField(row.*C::m20, item.font);
    if (!item.caption.isEmpty()) {
        setField(row.*C::m03, item.caption);
        setField(row.*C::m05, QStringLiteral("1"));
    }
}

// Entry 0 of an item table is never used.
std::vector<FakeItem> items(std::initializer_list<FakeItem> live) {
    std::vector<FakeItem> table(1);
    table.insert(table.end(), live);
    return table;
}

class SaveTest : public SaveFixture {
  public:
    static constexpr std::int32_t kEntry = 11, kSearch = 12, kBrowse = 13;
    static constexpr std::int32_t kOtherSearch = 14;  // an application's own search form
    const std::vector<std::int32_t> kAll = {0, kEntry, kSearch, kBrowse, kOtherSearch};

  protected:
    void addInterface(std::int32_t number, const char* kind, const QString& version,
                      const QString& flag = QString(), const QString& system = QString()) {
        INDTRecord row;
        row.id00 = number;
        setField(row.id09, system);
        setField(row.id01, QStringLiteral("GWGL"));
        setField(row.id02, className);
        setField(row.id03, QStringLiteral("界面%1").arg(number));
        setField(row.id05, QString::fromLatin1(kind));
        setField(row.id07, flag);
        setField(row.id08, version);
        ASSERT_GE(sysINDTInsertRecord(hdbc(), row), 0);
    }

    void addClassInterfaces(bool withSearch = true, bool withBrowse = true) {
        addInterface(kEntry, "1", QStringLiteral("7"));
        if (withSearch) addInterface(kSearch, "3", QStringLiteral("20"));
        if (withBrowse) addInterface(kBrowse, "4", QStringLiteral("3"));
        addInterface(kOtherSearch, "3", QStringLiteral("1"), QStringLiteral("aaaaa"));
    }

    void addBrowseColumn(std::int32_t list, const char* bound, std::int32_t position,
                         std::int32_t width) {
        ILSTRecord column{};
        column.is01 = list;
        setField(column.is02, QString::fromLatin1(bound));
        column.is04 = position;
        column.is07 = width;
        ASSERT_GE(sysILSTInsertRecord(hdbc(), column), 1);
    }

    EntryFormSave entrySave(std::vector<FakeItem>& table, bool sync = false) {
        EntryFormSave save;
        save.hdbc = hdbc();
        save.row = indtRow(kEntry);
        save.canvas = CanvasValues{12632256, 9600, 7200.5};
        save.items = itemSource(table, static_cast<std::int32_t>(table.size()) - 1);
        save.writeItem = [&table](std::int32_t i, ISITRecord& row) {
            writeFake(table[static_cast<std::size_t>(i)], kEntry, row);
        };
        save.writeSearchItem = [&table](std::int32_t i, IJSTRecord& row) {
            writeFake(table[static_cast<std::size_t>(i)], kEntry, row);
        };
        save.SyncSearchForm = save.SyncBrowseList = sync;
        return save;
    }

    // Rows a save replaces and a failed save must leave: an item, a search row, a browse column.
    void addOldRows() {
        addBrowseColumn(kBrowse, "a01", 4, 2000);
        ISITRecord old{};
        old.ii01 = kEntry;
        setField(old.ii02, QStringLiteral("old"));
        ASSERT_GE(sysISITInsertRecord(hdbc(), old), 1);
        IJSTRecord oldSearch{};
        oldSearch.is01 = kSearch;
        ASSERT_GE(sysIJSTInsertRecord(hdbc(), oldSearch), 1);
    }

    QString className = QStringLiteral("发文");
};

TEST_P(SaveTest, StoresTheInterfaceRowAndEveryLiveItem) {
    addClassInterfaces();
    addOldRows();
    auto table = items({{0, 1, 3, 2, "a01", "标题", QStringLiteral("Microsoft YaHei UI")},
                        {-1, 2, 0, 2, "a02", "已删除"},
                        {0, 5, 1, 4, "a03", ""},
                        {0, 4, 2, 1, "", "说明"}});
    EntryFormSave save = entrySave(table);
    PromptScript script;
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_TRUE(script.prompts().empty());

    const INDTRecord stored = indtRow(kEntry);
    EXPECT_EQ(toWire(stored), toWire(save.row));
    EXPECT_EQ(fieldText(stored.id08), QStringLiteral("8"));
    EXPECT_EQ(fieldText(stored.id12), QStringLiteral("12632256"));
    EXPECT_EQ(fieldText(stored.id13), QStringLiteral("9600"));
    EXPECT_EQ(fieldText(stored.id14), QStringLiteral("7200.5"));

    const auto rows = readRows<ISITRecord>(hdbc(), kEntry);
    ASSERT_EQ(rows.size(), 3u);  // the old row is gone, the deleted item not stored
    EXPECT_EQ(fieldText(rows[0].ii02), QStringLiteral("a01"));
    EXPECT_EQ(fieldText(rows[0].ii29), QStringLiteral("1"));
    EXPECT_EQ(rows[0].ii04, 3);
    EXPECT_EQ(fieldText(rows[0].ii20), QStringLiteral("Micr*"));
    // Rows come back by item number: 4 before 5.
    EXPECT_EQ(fieldText(rows[1].ii29), QStringLiteral("4"));
    EXPECT_EQ(fieldText(rows[1].ii03), QStringLiteral("说明"));
    EXPECT_EQ(fieldText(rows[2].ii29), QStringLiteral("5"));
    EXPECT_EQ(rows[2].ii04, 1);
    // Every item starts from an empty row: no caption of an earlier item leaks into it.
    EXPECT_EQ(fieldText(rows[2].ii03), QString());
    EXPECT_EQ(fieldText(rows[2].ii05), QString());
    // Nothing touched the companions.
    EXPECT_EQ(fieldText(indtRow(kSearch).id08), QStringLiteral("20"));
    EXPECT_EQ(readRows<IJSTRecord>(hdbc(), kSearch).size(), 1u);
}

TEST_P(SaveTest, RegeneratesTheCompanionsAndKeepsTheBrowseColumns) {
    addClassInterfaces();
    addBrowseColumn(kBrowse, "a03", 2, 3000);
    addBrowseColumn(kBrowse, "a01", 5, 900);
    addBrowseColumn(kBrowse, "gone", 1, 700);
    IJSTRecord oldSearch{};
    oldSearch.is01 = kSearch;
    ASSERT_GE(sysIJSTInsertRecord(hdbc(), oldSearch), 1);

    auto table = items({{0, 1, 1, 5, "a01", "日期"},
                        {0, 2, 2, 4, "a02", ""},
                        {0, 3, 3, 13, "a03", "批注"},
                        {0, 4, 4, 2, "a04", "电子文件"},
                        {0, 5, 5, 2, "a05", "附电子文件"},
                        {0, 6, 6, 2, "a06", ""},
                        {0, 7, 7, 1, "", "说明"}});
    EntryFormSave save = entrySave(table, true);
    ASSERT_TRUE(saveEntryForm(save));

    // A companion's version passes its own and the saved interface's new one (8).
    EXPECT_EQ(fieldText(indtRow(kSearch).id08), QStringLiteral("21"));
    EXPECT_EQ(fieldText(indtRow(kBrowse).id08), QStringLiteral("9"));
    EXPECT_EQ(fieldText(indtRow(kBrowse).id13), QStringLiteral("9600"));
    EXPECT_EQ(fieldText(indtRow(kOtherSearch).id08), QStringLiteral("1"));

    const auto search = readRows<IJSTRecord>(hdbc(), kSearch);
    ASSERT_EQ(search.size(), 7u);
    const char* kinds[] = {"2", "4", "2", "2", "2", "2", "2"};
    for (std::size_t k = 0; k < search.size(); ++k) {
        EXPECT_EQ(search[k].is01, kSearch);
        EXPECT_EQ(fieldText(search[k].is06), QString::fromLatin1(kinds[k])) << k;
    }
    EXPECT_EQ(fieldText(search[1].is03), QString());  // nothing of the item before it

    const auto columns = readRows<ILSTRecord>(hdbc(), kBrowse);
    ASSERT_EQ(columns.size(), 6u);  // "电子文件" has no column
    std::map<QString, Placed> placed;
    for (const auto& c : columns) {
        EXPECT_EQ(c.is01, kBrowse);
        placed[fieldText(c.is02)] = {c.is04, c.is07};
    }
    EXPECT_EQ(placed[QStringLiteral("a01")], Placed(5, 900));
    EXPECT_EQ(placed[QStringLiteral("a03")], Placed(2, 3000));
    // New columns get free positions of their own and the default width.
    EXPECT_EQ(placed[QStringLiteral("a02")], Placed(3, 1440));
    EXPECT_EQ(placed[QStringLiteral("a05")], Placed(4, 1440));
    EXPECT_EQ(placed[QStringLiteral("a06")], Placed(6, 1440));
    // The label, bound to no column, gets the hidden column at position 0.
    EXPECT_EQ(placed[QString()], Placed(0, 0));
    EXPECT_EQ(placed.count(QStringLiteral("gone")), 0u);
}

TEST_P(SaveTest, SkipsCompanionsTheClassDoesNotHaveAndSaysWhich) {
    addClassInterfaces(false, false);
    auto table = items({{0, 1, 1, 2, "a01", "标题"}});
    const auto saveTelling = [&](const char* missing) {
        EntryFormSave save = entrySave(table, true);
        PromptScript script;
        script.answer(vbOK);
        ASSERT_TRUE(saveEntryForm(save));
        ASSERT_EQ(script.prompts().size(), 1u);  // once, after the save was stored
        EXPECT_EQ(script.prompts()[0].text,
                  QStringLiteral("界面已保存，但该分类没有默认的%1，未能同步！")
                      .arg(QString::fromUtf8(missing)));
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
    };
    saveTelling("条目检索界面和数据浏览列表");
    EXPECT_EQ(readRows<ISITRecord>(hdbc(), kEntry).size(), 1u);
    EXPECT_TRUE(readRows<IJSTRecord>(hdbc(), 0).empty());
    EXPECT_TRUE(readRows<ILSTRecord>(hdbc(), 0).empty());
    EXPECT_TRUE(readRows<IJSTRecord>(hdbc(), kOtherSearch).empty());

    addInterface(kSearch, "3", QStringLiteral("20"));
    saveTelling("数据浏览列表");
    addInterface(kBrowse, "4", QStringLiteral("3"));
    ASSERT_GE(sysINDTDeleteData(hdbc(), kSearch), 0);
    saveTelling("条目检索界面");
}

// Another system's interfaces of the same main table and class are never the companions; a
// quote in the class name finds them all the same, and a companion's version never goes back.
TEST_P(SaveTest, SyncFindsOnlyTheSystemsOwnCompanionsAndNeverLowersTheirVersion) {
    className = QStringLiteral("O'Neil's 发文");
    const QString system = QStringLiteral("协同办公");
    addInterface(kEntry, "1", QStringLiteral("7"), QString(), system);
    addInterface(21, "3", QStringLiteral("5"), QString(), QStringLiteral("人事管理"));
    addInterface(22, "4", QStringLiteral("5"), QString(), QStringLiteral("人事管理"));
    addInterface(kSearch, "3", QStringLiteral("100"), QString(), system);
    addInterface(kBrowse, "4", QStringLiteral("3"), QString(), system);
    IJSTRecord otherRow{};
    otherRow.is01 = 21;
    setField(otherRow.is02, QStringLiteral("b01"));
    ASSERT_GE(sysIJSTInsertRecord(hdbc(), otherRow), 1);
    addBrowseColumn(22, "b01", 1, 2000);
    const auto other = snapshot({21, 22});

    auto table = items({{0, 1, 1, 2, "a01", "标题"}});
    EntryFormSave save = entrySave(table, true);
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_EQ(snapshot({21, 22}), other);
    EXPECT_EQ(readRows<IJSTRecord>(hdbc(), kSearch).size(), 1u);
    EXPECT_EQ(readRows<ILSTRecord>(hdbc(), kBrowse).size(), 1u);
    EXPECT_EQ(fieldText(indtRow(kSearch).id08), QStringLiteral("101"));
    EXPECT_EQ(fieldText(indtRow(kEntry).id08), QStringLiteral("8"));
}

TEST_P(SaveTest, KeptRowsAreWrittenBackUnchanged) {
    addClassInterfaces();
    ISITRecord unknown{};
    put(unknown, {{1, "11"}, {6, "x7"}, {13, "4321"}, {29, "1025"}, {36, "保留的默认值"}});
    ASSERT_GE(sysISITInsertRecord(hdbc(), unknown), 1);
    const ISITRecord kept = readRows<ISITRecord>(hdbc(), kEntry).at(0);

    auto table = items({{0, 1, 1, 2, "a01", "标题"}});
    EntryFormSave save = entrySave(table);
    save.keptRows.push_back(kept);
    ASSERT_TRUE(saveEntryForm(save));
    const auto rows = readRows<ISITRecord>(hdbc(), kEntry);
    ASSERT_EQ(rows.size(), 2u);
    ISITRecord expected = kept;
    expected.ii00 = rows[1].ii00;  // every insert takes a new key
    EXPECT_EQ(toWire(rows[1]), toWire(expected));
}

// A save that fails half-way, through a writer that throws or an insert the database refuses
// (the search designer's save shares the transaction), or whose begin or commit is refused:
// five items, the third of them failing.
TEST_P(SaveTest, AFailedSaveLeavesNoTrace) {
    addClassInterfaces();
    addOldRows();
    auto table = items({{0, 1, 1, 2, "dup", "一"},
                        {0, 2, 2, 2, "a02", ""},
                        {0, 3, 3, 2, "a03", "三"},
                        {0, 4, 4, 2, "a04", ""},
                        {0, 5, 5, 2, "a05", ""}});
    table[3].throws = true;
    EntryFormSave save = entrySave(table, true);
    const INDTRecord before = save.row;
    expectNoTrace(kAll, [&] { return saveEntryForm(save); });
    EXPECT_EQ(toWire(save.row), toWire(before));
    table[3] = {0, 3, 3, 2, "dup", "三"};
    refuse("ilst", "is02", "'dup'");
    expectNoTrace(kAll, [&] { return saveEntryForm(save); });
    // The next save raises the version once, from where it was.
    table[1].bound = QStringLiteral("a01");
    table[3].bound = QStringLiteral("a03");
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_EQ(fieldText(indtRow(kEntry).id08), QStringLiteral("8"));
    for (const test::TxnRefusal what : test::kTxnRefusals) {
        SCOPED_TRACE(testing::PrintToString(what));
        expectNoTrace(kAll, [&] {
            test::RefusedTransaction refusal(what, hdbc(), GetParam(), "isit");
            return refusal.ok() && saveEntryForm(save);
        });
    }
}

ZELK_ON_BOTH_BACKENDS(SaveTest);

// ---- The designers' SaveInterface: an interface loaded into a window, edited, saved, read back

class DesignerSaveTest : public SaveFixture {
  protected:
    void SetUp() override {
        SaveFixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(loadDemoData(hdbc(), &demo));
    }

    // Saves with no message, and the window holds the stored row with the next version.
    template <class Designer>
    void saveQuietly(Designer& designer, std::int32_t number) {
        const QString version = nextVersionText(fieldText(indtRow(number).id08));
        PromptScript script;
        designer.SaveInterface();
        EXPECT_TRUE(script.prompts().empty());
        EXPECT_FALSE(designer.DesignModified);
        EXPECT_EQ(fieldText(designer.InterfaceRow.id08), version);
        EXPECT_EQ(toWire(indtRow(number)), toWire(designer.InterfaceRow));
    }

    DemoInterfaces demo;
};

TEST_P(DesignerSaveTest, AFailedSaveKeepsTheWindowAndTheTables) {
    frm_zelk_jssj designer;
    designer.init(hdbc(), demo.itemSearch);
    designer.DesignModified = true;
    const INDTRecord row = designer.InterfaceRow;
    refuse("ijst", "is11", "7777");  // the second row placed at 7777
    for (std::int32_t i : {2, 3}) {
        auto* box = dynamic_cast<DesignBox*>(designer.itemControl(designer.ItemTable[i]));
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->setLeft(7777));
    }
    expectNoTrace({demo.itemSearch}, [&] {
        designer.SaveInterface();
        return !designer.DesignModified;
    });
    EXPECT_EQ(toWire(designer.InterfaceRow), toWire(row));
}

// 1100 rows: the rows past the item limit are told once at opening and kept by every save.
template <class Designer>
void openAndSave1100Rows(std::int32_t hdbc, std::int32_t number, bool sync) {
    using Row = typename Designer::RowType;
    using C = ItemColumns<Row>;
    ASSERT_GE(
        ExecSQL(hdbc, QStringLiteral("delete from %1 where %2=%3")
                          .arg(C::kSearchRow ? "ijst" : "isit", C::kSearchRow ? "is01" : "ii01")
                          .arg(number)),
        0);
    ASSERT_GE(odbc_BeginTrans(hdbc), 0);
    Row row{};
    put(row, {{6, "2"}, {11, "100"}, {13, "1600"}});
    row.*C::m01 = number;
    for (int i = 1; i <= 1100; ++i) {
        setField(row.*C::m02, QStringLiteral("f%1").arg(i));
        setField(row.*C::m29, decimalText(i));
        row.*C::m12 = 100 + 20 * i;
        row.*C::m14 = 400 + 20 * i;
        ASSERT_GE(testrows::insertRow(hdbc, row), 1);
    }
    ASSERT_GE(odbc_CommitTrans(hdbc), 0);

    Designer designer;
    {
        PromptScript script;
        script.answer(vbOK);
        designer.init(hdbc, number);
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].text,
                  QStringLiteral("界面包含的项超过最大限制[1024]，界面编辑操作将可能导致错误！\n"
                                 "有76项未能载入，保存时将原样保留。"));
    }
    ASSERT_EQ(designer.ItemCount, 1024);
    if constexpr (!C::kSearchRow) designer.SyncSearchForm = designer.SyncBrowseList = sync;
    for (int save = 0; save < 2; ++save) {
        designer.ItemTable[1].Deleted = save == 0 ? 0 : -1;  // the second save deletes an item
        PromptScript script;
        designer.SaveInterface();
        EXPECT_TRUE(script.prompts().empty());
        const auto rows = readRows<Row>(hdbc, number);
        ASSERT_EQ(rows.size(), 1100u - static_cast<unsigned>(save));
        EXPECT_EQ(fieldText(rows.back().*C::m02), QStringLiteral("f1100"));
    }
}

TEST_P(DesignerSaveTest, RowsPastTheItemLimitAreToldOnceAndKeptByEverySave) {
    openAndSave1100Rows<frm_zelk_jssj>(hdbc(), demo.itemSearch, false);
    openAndSave1100Rows<frm_zelk_jmsj>(hdbc(), demo.itemEntry, false);
    openAndSave1100Rows<frm_zelk_jmsj>(hdbc(), demo.itemEntrySecond, true);
}

// A name, description or flag changed in the manager while the designer is open survives its save.
TEST_P(DesignerSaveTest, AManagerChangeMadeWhileTheDesignerIsOpenSurvivesItsSave) {
    frm_zelk_jmsj designer;
    designer.init(hdbc(), demo.itemEntry);
    INDTRecord changed = indtRow(demo.itemEntry);
    setField(changed.id03, QStringLiteral("改过的名称"));
    setField(changed.id04, QStringLiteral("改过的说明"));
    setField(changed.id07, QStringLiteral("flag"));
    ASSERT_GE(sysINDTUpdateRecord(hdbc(), changed), 0);
    designer.DesignModified = true;
    saveQuietly(designer, demo.itemEntry);
    const INDTRecord stored = indtRow(demo.itemEntry);
    EXPECT_EQ(fieldText(stored.id03), QStringLiteral("改过的名称"));
    EXPECT_EQ(fieldText(stored.id04), QStringLiteral("改过的说明"));
    EXPECT_EQ(fieldText(stored.id07), QStringLiteral("flag"));
}

// Where kept columns stand is the save's own test above; here the window drives it.
TEST_P(DesignerSaveTest, EntryDesignerRegeneratesTheClassCompanions) {
    frm_zelk_jmsj designer;
    designer.init(hdbc(), demo.itemEntry);
    ASSERT_GT(designer.ItemCount, 3);
    designer.ItemTable[3].Deleted = -1;
    designer.SyncSearchForm = true;
    designer.SyncBrowseList = true;
    designer.DesignModified = true;
    saveQuietly(designer, demo.itemEntry);
    const QString companionVersion = nextVersionText(fieldText(designer.InterfaceRow.id08));

    std::size_t live = 0, browsable = 0;
    for (std::int32_t i = 1; i <= designer.ItemCount; ++i) {
        const DesignItem& item = designer.ItemTable[static_cast<std::size_t>(i)];
        if (item.Deleted != 0) continue;
        ++live;
        if (!item.ItemName.startsWith(QStringLiteral("电子文件"))) ++browsable;
    }
    EXPECT_EQ(readRows<ISITRecord>(hdbc(), demo.itemEntry).size(), live + designer.KeptRows.size());
    EXPECT_EQ(fieldText(indtRow(demo.itemSearch).id08), companionVersion);
    EXPECT_EQ(fieldText(indtRow(demo.browseList).id08), companionVersion);
    EXPECT_EQ(readRows<IJSTRecord>(hdbc(), demo.itemSearch).size(), live);
    EXPECT_EQ(readRows<ILSTRecord>(hdbc(), demo.browseList).size(), browsable);
}

ZELK_ON_BOTH_BACKENDS(DesignerSaveTest);

}  // namespace
}  // namespace zelk
