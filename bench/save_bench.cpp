// Saving an item-entry interface of 1024 items with its search form and browse list, beside the
// floor: the same rows stored through the bare data-access calls, with no save logic around them.

#include <benchmark/benchmark.h>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/companions.h"
#include "designer/interfacesave.h"
#include "support/testdb.h"

namespace zelk {
namespace {

constexpr std::int32_t kItems = 1024;
constexpr std::int32_t kEntry = 11, kSearch = 12, kBrowse = 13;

struct BenchItem {
    std::int16_t Deleted = 0;
    std::int32_t ItemNo = 0;
    std::int32_t EntryOrder = 0;
};

template <class Row>
void fillRow(std::int32_t i, std::int32_t number, Row& row) {
    using namespace std;
    if constexpr (is_same_v<Row, ISITRecord>) {
        row.ii01 = number;
        setField(row.ii02, QStringLiteral("f%1").arg(i));
        setField(row.ii03, QStringLiteral("字段%1").arg(i));
        setField(row.ii05, QStringLiteral("1"));
        setField(row.ii06, QStringLiteral("2"));
        row.ii11 = 100, row.ii12 = 20 * i, row.ii13 = 1600, row.ii14 = 20 * i + 300;
        setField(row.ii20, QStringLiteral("宋体"));
        setField(row.ii40, QStringLiteral("1111111011110"));
        setField(row.ii41, QStringLiteral("011111111010110"));
    } else {
        row.is01 = number;
        setField(row.is02, QStringLiteral("f%1").arg(i));
        setField(row.is03, QStringLiteral("字段%1").arg(i));
        setField(row.is05, QStringLiteral("1"));
        setField(row.is06, QStringLiteral("2"));
        row.is11 = 100, row.is12 = 20 * i, row.is13 = 1600, row.is14 = 20 * i + 300;
        setField(row.is20, QStringLiteral("宋体"));
        setField(row.is40, QStringLiteral("1111111011110"));
        setField(row.is41, QStringLiteral("011111111010110"));
    }
}

// A database with the class's three interfaces and a browse list of 100 columns.
struct BenchDb {
    test::TestDb db;
    BenchDb() {
        for (const auto& [number, kind] :
             {std::pair(kEntry, "1"), std::pair(kSearch, "3"), std::pair(kBrowse, "4")}) {
            INDTRecord row;
            row.id00 = number;
            setField(row.id01, QStringLiteral("GWGL"));
            setField(row.id02, QStringLiteral("发文"));
            setField(row.id05, QString::fromLatin1(kind));
            setField(row.id08, QStringLiteral("1"));
            sysINDTInsertRecord(db.hdbc(), row);
        }
        for (std::int32_t k = 1; k <= 100; ++k) {
            ILSTRecord column{};
            column.is01 = kBrowse;
            setField(column.is02, QStringLiteral("f%1").arg(3 * k));
            column.is04 = k;
            column.is07 = 1000 + k;
            sysILSTInsertRecord(db.hdbc(), column);
        }
    }
};

void BM_SaveEntryWithCompanions(benchmark::State& state) {
    BenchDb bench;
    std::vector<BenchItem> table(kItems + 1);
    for (std::int32_t i = 1; i <= kItems; ++i) table[static_cast<std::size_t>(i)] = {0, i, i};
    for (auto _ : state) {
        EntryFormSave save;
        save.hdbc = bench.db.hdbc();
        sysINDTGetDataByNo(save.hdbc, save.row, kEntry);
        save.canvas = CanvasValues{16777215, 9600, 30000};
        save.items = itemSource(table, kItems);
        save.writeItem = [](std::int32_t i, ISITRecord& row) { fillRow(i, kEntry, row); };
        save.writeSearchItem = [](std::int32_t i, IJSTRecord& row) { fillRow(i, kEntry, row); };
        save.SyncSearchForm = save.SyncBrowseList = true;
        if (!saveEntryForm(save)) state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_SaveEntryWithCompanions)->Unit(benchmark::kMillisecond);

// The floor: the same three updates, three deletes and 3 x 1024 inserts in one transaction.
void BM_SaveFloor(benchmark::State& state) {
    BenchDb bench;
    const std::int32_t hdbc = bench.db.hdbc();
    std::vector<ISITRecord> items(kItems);
    std::vector<IJSTRecord> search(kItems);
    std::vector<ILSTRecord> columns(kItems);
    for (std::int32_t i = 0; i < kItems; ++i) {
        fillRow(i + 1, kEntry, items[static_cast<std::size_t>(i)]);
        fillRow(i + 1, kSearch, search[static_cast<std::size_t>(i)]);
        InitIlstRecord(items[static_cast<std::size_t>(i)], columns[static_cast<std::size_t>(i)]);
        columns[static_cast<std::size_t>(i)].is01 = kBrowse;
    }
    INDTRecord rows[3];
    for (int k = 0; k < 3; ++k) sysINDTGetDataByNo(hdbc, rows[k], kEntry + k);
    for (auto _ : state) {
        odbc_BeginTrans(hdbc);
        for (auto& row : rows) sysINDTUpdateRecord(hdbc, row);
        sysISITDeleteRecords(hdbc, kEntry);
        sysIJSTDeleteRecords(hdbc, kSearch);
        sysILSTDeleteRecords(hdbc, kBrowse);
        for (std::int32_t i = 0; i < kItems; ++i) {
            const auto k = static_cast<std::size_t>(i);
            sysISITInsertRecord(hdbc, items[k]);
            sysIJSTInsertRecord(hdbc, search[k]);
            sysILSTInsertRecord(hdbc, columns[k]);
        }
        odbc_CommitTrans(hdbc);
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelk
