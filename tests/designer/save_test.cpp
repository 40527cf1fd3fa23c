// Saving an interface: what a save stores, on SQLite and on PostgreSQL. These tests drive the
// save with items of their own and simple writers; the designer tests drive it through windows.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <utility>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/interfacesave.h"
#include "platform/promptscript.h"
#include "support/testdb.h"

namespace zelk {
namespace {

using test::BackendTest;

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
template <class Row, class C>
void writeFake(const FakeItem& item, std::int32_t number, Row& row, C columns) {
    if (item.throws) throw std::runtime_error("writer failed");
    columns.interfaceNumber(row) = number;
    setField(columns.bound(row), item.bound);
    setField(columns.kind(row), decimalText(item.kind));
    setField(columns.font(row), item.font);
    if (!item.caption.isEmpty()) {
        setField(columns.caption(row), item.caption);
        setField(columns.captionFlag(row), QStringLiteral("1"));
    }
}

struct IsitColumns {
    std::int32_t& interfaceNumber(ISITRecord& r) { return r.ii01; }
    Text<10>& bound(ISITRecord& r) { return r.ii02; }
    Text<12>& kind(ISITRecord& r) { return r.ii06; }
    Text<12>& font(ISITRecord& r) { return r.ii20; }
    Text<22>& caption(ISITRecord& r) { return r.ii03; }
    Text<12>& captionFlag(ISITRecord& r) { return r.ii05; }
};
struct IjstColumns {
    std::int32_t& interfaceNumber(IJSTRecord& r) { return r.is01; }
    Text<10>& bound(IJSTRecord& r) { return r.is02; }
    Text<12>& kind(IJSTRecord& r) { return r.is06; }
    Text<12>& font(IJSTRecord& r) { return r.is20; }
    Text<22>& caption(IJSTRecord& r) { return r.is03; }
    Text<12>& captionFlag(IJSTRecord& r) { return r.is05; }
};

std::vector<ISITRecord> isitRows(std::int32_t hdbc, std::int32_t number) {
    std::vector<ISITRecord> rows;
    const std::int32_t stmt = sysISITPrepareGetData(hdbc, number);
    ISITRecord row;
    while (stmt > 0 && sysISITGetRecord(stmt, row) > 0) rows.push_back(std::exchange(row, {}));
    return rows;
}
std::vector<IJSTRecord> ijstRows(std::int32_t hdbc, std::int32_t number) {
    std::vector<IJSTRecord> rows;
    const std::int32_t stmt = sysIJSTPrepareGetData(hdbc, number);
    IJSTRecord row;
    while (stmt > 0 && sysIJSTGetRecord(stmt, row) > 0) rows.push_back(std::exchange(row, {}));
    return rows;
}
std::vector<ILSTRecord> ilstRows(std::int32_t hdbc, std::int32_t number) {
    std::vector<ILSTRecord> rows;
    const std::int32_t stmt = sysILSTPrepareGetData(hdbc, number);
    ILSTRecord row;
    while (stmt > 0 && sysILSTGetRecord(stmt, row) > 0) rows.push_back(std::exchange(row, {}));
    return rows;
}

INDTRecord indtRow(std::int32_t hdbc, std::int32_t number) {
    INDTRecord row;
    EXPECT_GE(sysINDTGetDataByNo(hdbc, row, number), 1) << "interface " << number;
    return row;
}

class SaveTest : public BackendTest {
  public:
    static constexpr std::int32_t kEntry = 11;
    static constexpr std::int32_t kSearch = 12;
    static constexpr std::int32_t kBrowse = 13;
    static constexpr std::int32_t kOtherSearch = 14;  // an application's own search form
    static constexpr std::int32_t kSearchOwn = 15;    // a search form saved by its own designer

    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        className = QStringLiteral("发文");
    }

    void addInterface(std::int32_t number, const char* kind, const QString& cls,
                      const QString& version, const QString& flag = QString()) {
        INDTRecord row;
        row.id00 = number;
        setField(row.id01, QStringLiteral("GWGL"));
        setField(row.id02, cls);
        setField(row.id03, QStringLiteral("界面%1").arg(number));
        setField(row.id05, QString::fromLatin1(kind));
        setField(row.id07, flag);
        setField(row.id08, version);
        ASSERT_GE(sysINDTInsertRecord(hdbc(), row), 0);
    }

    void addClassInterfaces(bool withSearch = true, bool withBrowse = true) {
        addInterface(kEntry, "1", className, QStringLiteral("7"));
        if (withSearch) addInterface(kSearch, "3", className, QStringLiteral("20"));
        if (withBrowse) addInterface(kBrowse, "4", className, QStringLiteral("3"));
        addInterface(kOtherSearch, "3", className, QStringLiteral("1"), QStringLiteral("aaaaa"));
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

    EntryFormSave entrySave(std::vector<FakeItem>& items) {
        EntryFormSave save;
        save.hdbc = hdbc();
        save.row = indtRow(hdbc(), kEntry);
        save.canvas = CanvasValues{12632256, 9600, 7200.5};
        save.items = itemSource(items, static_cast<std::int32_t>(items.size()) - 1);
        save.writeItem = [&items](std::int32_t i, ISITRecord& row) {
            writeFake(items[static_cast<std::size_t>(i)], kEntry, row, IsitColumns{});
        };
        save.writeSearchItem = [&items](std::int32_t i, IJSTRecord& row) {
            writeFake(items[static_cast<std::size_t>(i)], kEntry, row, IjstColumns{});
        };
        return save;
    }

    // Every row of the interfaces the tests use, as bytes (keys included).
    std::vector<QByteArray> snapshot() {
        std::vector<QByteArray> all;
        for (std::int32_t n : {0, kEntry, kSearch, kBrowse, kOtherSearch, kSearchOwn}) {
            INDTRecord row;
            if (sysINDTGetDataByNo(hdbc(), row, n) >= 1) all.push_back(toWire(row));
            for (const auto& r : isitRows(hdbc(), n)) all.push_back(toWire(r));
            for (const auto& r : ijstRows(hdbc(), n)) all.push_back(toWire(r));
            for (const auto& r : ilstRows(hdbc(), n)) all.push_back(toWire(r));
        }
        return all;
    }

    QString className;
};

// Entry 0 of an item table is never used.
std::vector<FakeItem> items(std::initializer_list<FakeItem> live) {
    std::vector<FakeItem> table(1);
    table.insert(table.end(), live);
    return table;
}

TEST_P(SaveTest, StoresTheInterfaceRowAndEveryLiveItem) {
    addClassInterfaces();
    ISITRecord old{};
    old.ii01 = kEntry;
    setField(old.ii03, QStringLiteral("旧项"));
    ASSERT_GE(sysISITInsertRecord(hdbc(), old), 1);

    auto table = items({{0, 1, 3, 2, "a01", "标题", QStringLiteral("Microsoft YaHei UI")},
                        {-1, 2, 0, 2, "a02", "已删除"},
                        {0, 5, 1, 4, "a03", ""},
                        {0, 4, 2, 1, "", "说明"}});
    EntryFormSave save = entrySave(table);
    PromptScript script;
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_TRUE(script.prompts().empty());

    const INDTRecord stored = indtRow(hdbc(), kEntry);
    EXPECT_EQ(toWire(stored), toWire(save.row));
    EXPECT_EQ(fieldText(stored.id08), QStringLiteral("8"));
    EXPECT_EQ(fieldText(stored.id12), QStringLiteral("12632256"));
    EXPECT_EQ(fieldText(stored.id13), QStringLiteral("9600"));
    EXPECT_EQ(fieldText(stored.id14), QStringLiteral("7200.5"));

    const auto rows = isitRows(hdbc(), kEntry);
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
    EXPECT_EQ(fieldText(indtRow(hdbc(), kSearch).id08), QStringLiteral("20"));
    EXPECT_TRUE(ijstRows(hdbc(), kSearch).empty());
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
    EntryFormSave save = entrySave(table);
    save.SyncSearchForm = true;
    save.SyncBrowseList = true;
    ASSERT_TRUE(saveEntryForm(save));

    // The companions' versions follow the saved interface's new version.
    EXPECT_EQ(fieldText(indtRow(hdbc(), kSearch).id08), QStringLiteral("9"));
    EXPECT_EQ(fieldText(indtRow(hdbc(), kBrowse).id08), QStringLiteral("9"));
    EXPECT_EQ(fieldText(indtRow(hdbc(), kBrowse).id13), QStringLiteral("9600"));
    EXPECT_EQ(fieldText(indtRow(hdbc(), kOtherSearch).id08), QStringLiteral("1"));

    const auto search = ijstRows(hdbc(), kSearch);
    ASSERT_EQ(search.size(), 7u);
    const char* kinds[] = {"2", "4", "2", "2", "2", "2", "2"};
    for (std::size_t k = 0; k < search.size(); ++k) {
        EXPECT_EQ(search[k].is01, kSearch);
        EXPECT_EQ(fieldText(search[k].is06), QString::fromLatin1(kinds[k])) << k;
    }

    const auto columns = ilstRows(hdbc(), kBrowse);
    ASSERT_EQ(columns.size(), 6u);  // "电子文件" has no column
    std::map<QString, std::pair<std::int32_t, std::int32_t>> placed;
    for (const auto& c : columns) {
        EXPECT_EQ(c.is01, kBrowse);
        placed[fieldText(c.is02)] = {c.is04, c.is07};
    }
    EXPECT_EQ(placed[QStringLiteral("a01")], std::pair(5, 900));
    EXPECT_EQ(placed[QStringLiteral("a03")], std::pair(2, 3000));
    // New columns get free positions of their own and the default width.
    EXPECT_EQ(placed[QStringLiteral("a02")], std::pair(3, 1440));
    EXPECT_EQ(placed[QStringLiteral("a05")], std::pair(4, 1440));
    EXPECT_EQ(placed[QStringLiteral("a06")], std::pair(6, 1440));
    // The label, bound to no column, gets the hidden column at position 0.
    EXPECT_EQ(placed[QString()], std::pair(0, 0));
    EXPECT_EQ(placed.count(QStringLiteral("gone")), 0u);
}

TEST_P(SaveTest, SkipsCompanionsTheClassDoesNotHave) {
    addClassInterfaces(false, false);
    auto table = items({{0, 1, 1, 2, "a01", "标题"}});
    EntryFormSave save = entrySave(table);
    save.SyncSearchForm = true;
    save.SyncBrowseList = true;
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_EQ(isitRows(hdbc(), kEntry).size(), 1u);
    EXPECT_TRUE(ijstRows(hdbc(), 0).empty());
    EXPECT_TRUE(ilstRows(hdbc(), 0).empty());
    EXPECT_TRUE(ijstRows(hdbc(), kOtherSearch).empty());
}

TEST_P(SaveTest, AClassNameWithAQuoteSaves) {
    className = QStringLiteral("O'Neil's 发文");
    addClassInterfaces();
    auto table = items({{0, 1, 1, 2, "a01", "标题"}});
    EntryFormSave save = entrySave(table);
    save.SyncSearchForm = true;
    save.SyncBrowseList = true;
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_EQ(ijstRows(hdbc(), kSearch).size(), 1u);
    EXPECT_EQ(ilstRows(hdbc(), kBrowse).size(), 1u);
}

TEST_P(SaveTest, KeptRowsAreWrittenBackUnchanged) {
    addClassInterfaces();
    ISITRecord unknown{};
    unknown.ii01 = kEntry;
    setField(unknown.ii06, QStringLiteral("x7"));
    setField(unknown.ii29, QStringLiteral("1025"));
    setField(unknown.ii36, QStringLiteral("保留的默认值"));
    unknown.ii13 = 4321;
    ASSERT_GE(sysISITInsertRecord(hdbc(), unknown), 1);
    const ISITRecord kept = isitRows(hdbc(), kEntry).at(0);

    auto table = items({{0, 1, 1, 2, "a01", "标题"}});
    EntryFormSave save = entrySave(table);
    save.keptRows.push_back(kept);
    ASSERT_TRUE(saveEntryForm(save));
    const auto rows = isitRows(hdbc(), kEntry);
    ASSERT_EQ(rows.size(), 2u);
    ISITRecord expected = kept;
    expected.ii00 = rows[1].ii00;  // every insert takes a new key
    EXPECT_EQ(toWire(rows[1]), toWire(expected));
}

SearchFormSave searchSave(std::int32_t hdbc, std::vector<FakeItem>& table) {
    SearchFormSave save;
    save.hdbc = hdbc;
    save.row = indtRow(hdbc, SaveTest::kSearchOwn);
    save.canvas = CanvasValues{-2147483633, 4800, 3600};
    save.items = itemSource(table, static_cast<std::int32_t>(table.size()) - 1);
    save.writeItem = [&table](std::int32_t i, IJSTRecord& row) {
        writeFake(table[static_cast<std::size_t>(i)], SaveTest::kSearchOwn, row, IjstColumns{});
    };
    return save;
}

TEST_P(SaveTest, SearchFormStoresItemsAndKeptRows) {
    addInterface(kSearchOwn, "3", className, QStringLiteral("abc"));
    std::vector<FakeItem> table(1);
    for (int i = 1; i <= 1024; ++i)
        table.push_back(FakeItem{0, i, 0, 2, QStringLiteral("f%1").arg(i), QString()});
    table[3].caption = QStringLiteral("第三项");
    SearchFormSave save = searchSave(hdbc(), table);
    for (int k = 0; k < 6; ++k) {
        IJSTRecord kept{};
        setField(kept.is29, decimalText(1025 + k));
        save.keptRows.push_back(kept);
    }
    ASSERT_TRUE(saveSearchForm(save));
    EXPECT_EQ(fieldText(indtRow(hdbc(), kSearchOwn).id08), QStringLiteral("1"));
    EXPECT_EQ(fieldText(indtRow(hdbc(), kSearchOwn).id12), QStringLiteral("-2147483633"));
    const auto rows = ijstRows(hdbc(), kSearchOwn);
    ASSERT_EQ(rows.size(), 1030u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].is01, kSearchOwn);
        EXPECT_EQ(fieldText(rows[k].is29), decimalText(static_cast<std::int64_t>(k) + 1));
    }
    EXPECT_EQ(fieldText(rows[3].is03), QString());
}

// A save that fails half-way: every table exactly as before, the message once, the window's row
// untouched.
class SaveFailureTest : public SaveTest {
  protected:
    void expectNoTrace(const std::function<bool()>& run) {
        const auto before = snapshot();
        PromptScript script;
        script.answer(vbOK);
        EXPECT_FALSE(run());
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].text, QStringLiteral("界面数据不能保存！"));
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("系统提示"));
        EXPECT_EQ(script.prompts()[0].style, vbCritical);
        EXPECT_EQ(snapshot(), before);
    }

    void refuseBound(const char* table, const char* column) {
        ASSERT_GE(
            ExecSQL(hdbc(), QStringLiteral("create unique index zelk_refuse on %1 (%2) "
                                           "where %2 = 'dup'")
                                .arg(QString::fromLatin1(table), QString::fromLatin1(column))),
            0);
    }

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
};

std::vector<FakeItem> fiveItems(bool thirdThrows) {
    auto table = items({{0, 1, 1, 2, "dup", "一"},
                        {0, 2, 2, 2, "a02", ""},
                        {0, 3, 3, 2, "dup", "三"},
                        {0, 4, 4, 2, "a04", ""},
                        {0, 5, 5, 2, "a05", ""}});
    table[3].throws = thirdThrows;
    if (thirdThrows) table[3].bound = QStringLiteral("a03");
    return table;
}

TEST_P(SaveFailureTest, EntryWriterThrows) {
    addClassInterfaces();
    addOldRows();
    auto table = fiveItems(true);
    EntryFormSave save = entrySave(table);
    save.SyncSearchForm = save.SyncBrowseList = true;
    const INDTRecord before = save.row;
    expectNoTrace([&] { return saveEntryForm(save); });
    EXPECT_EQ(toWire(save.row), toWire(before));
    // The next save raises the version once, from where it was.
    table[3].throws = false;
    ASSERT_TRUE(saveEntryForm(save));
    EXPECT_EQ(fieldText(indtRow(hdbc(), kEntry).id08), QStringLiteral("8"));
}

TEST_P(SaveFailureTest, EntryCompanionInsertRefused) {
    addClassInterfaces();
    addOldRows();
    refuseBound("ilst", "is02");
    auto table = fiveItems(false);
    EntryFormSave save = entrySave(table);
    save.SyncSearchForm = save.SyncBrowseList = true;
    expectNoTrace([&] { return saveEntryForm(save); });
}

TEST_P(SaveFailureTest, SearchWriterThrows) {
    addInterface(kSearchOwn, "3", className, QStringLiteral("2"));
    auto table = fiveItems(true);
    SearchFormSave save = searchSave(hdbc(), table);
    expectNoTrace([&] { return saveSearchForm(save); });
}

TEST_P(SaveFailureTest, SearchInsertRefused) {
    addInterface(kSearchOwn, "3", className, QStringLiteral("2"));
    refuseBound("ijst", "is02");
    auto table = fiveItems(false);
    SearchFormSave save = searchSave(hdbc(), table);
    expectNoTrace([&] { return saveSearchForm(save); });
}

ZELK_ON_BOTH_BACKENDS(SaveTest);
ZELK_ON_BOTH_BACKENDS(SaveFailureTest);

}  // namespace
}  // namespace zelk
