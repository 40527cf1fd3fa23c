// Loading and storing an interface of 1024 items: the library against a bare loop of prepared
// QtSql statements on the same connection and the same rows. Counters: library_ms, bare_ms
// and their ratio (the library aims at no more than 1.5).

#include <benchmark/benchmark.h>
#include <QSqlQuery>

#include "benchdb.h"
#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

using namespace zelk;
using bench::Clock;

namespace {

constexpr int kItems = 1024;
constexpr std::int32_t kInterface = 1;

std::vector<ISITRecord> makeItems() {
    std::vector<ISITRecord> items(kItems);
    for (int i = 0; i < kItems; ++i) {
        ISITRecord& r = items[static_cast<std::size_t>(i)];
        r.ii01 = kInterface;
        setField(r.ii02, QString("f%1").arg(i));
        setField(r.ii03, QString("栏目%1").arg(i));
        r.ii04 = i + 1;
        setField(r.ii05, "1");
        setField(r.ii06, QString::number(i % 13 + 1));
        r.ii07 = 240;
        r.ii08 = 240 + i * 30;
        r.ii09 = 1320;
        r.ii10 = 540 + i * 30;
        r.ii11 = 1380;
        r.ii12 = 240 + i * 30;
        r.ii13 = 4380;
        r.ii14 = 540 + i * 30;
        setField(r.ii15, "宋体");
        setField(r.ii16, "0000");
        setField(r.ii17, "9");
        setField(r.ii18, "0");
        setField(r.ii19, "-2147483633");
        setField(r.ii20, "宋体");
        setField(r.ii21, "0000");
        setField(r.ii22, "9");
        setField(r.ii23, "0");
        setField(r.ii24, "16777215");
        setField(r.ii27, "0");
        setField(r.ii29, QString::number(i + 1));
        setField(r.ii31, "0");
        setField(r.ii36, "默认值");
        setField(r.ii37, "请输入");
        setField(r.ii38, "111111101111");
        setField(r.ii39, "011111111010110");
        setField(r.ii40, "1111111011110");
        setField(r.ii41, "011111111010110");
        setField(r.ii42, "50");
        setField(r.ii43, "0");
    }
    return items;
}

double libraryRound(std::int32_t hdbc, std::vector<ISITRecord>& items) {
    const auto start = Clock::now();
    odbc_BeginTrans(hdbc);
    sysISITDeleteRecords(hdbc, kInterface);
    for (ISITRecord& r : items) sysISITInsertRecord(hdbc, r);
    odbc_CommitTrans(hdbc);
    const std::int32_t h = sysISITPrepareGetData(hdbc, kInterface);
    ISITRecord row;
    int n = 0;
    while (sysISITGetRecord(h, row) > 0) ++n;
    if (n != kItems) throw std::runtime_error("library round lost rows");
    return bench::msSince(start);
}

// The same rows as column values, the way a caller with its own QtSql code would hold them.
std::vector<QVariantList> asValues(const std::vector<ISITRecord>& items) {
    std::vector<QVariantList> rows;
    const auto& columns = da::isitLayout().columns;
    for (const ISITRecord& r : items) {
        QVariantList values;
        for (std::size_t k = 1; k < columns.size(); ++k)
            values << da::columnValue(columns[k], reinterpret_cast<const char*>(&r));
        rows.push_back(values);
    }
    return rows;
}

double bareRound(QSqlDatabase db, const std::vector<QVariantList>& rows) {
    const auto& layout = da::isitLayout();
    QStringList names, marks;
    for (std::size_t k = 1; k < layout.columns.size(); ++k) {
        names << layout.columns[k].name;
        marks << "?";
    }
    const auto start = Clock::now();
    db.transaction();
    QSqlQuery del(db);
    del.prepare("delete from isit where ii01=?");
    del.bindValue(0, kInterface);
    del.exec();
    QSqlQuery insert(db);
    insert.prepare("insert into isit (" + names.join(',') + ") values (" + marks.join(',') + ")");
    for (const QVariantList& values : rows) {
        for (int k = 0; k < values.size(); ++k) insert.bindValue(k, values[k]);
        insert.exec();
    }
    db.commit();
    QSqlQuery select(db);
    select.setForwardOnly(true);
    select.prepare("select " + layout.selectList() +
                   " from isit where ii01=? order by cast(ii29 as integer),ii00");
    select.bindValue(0, kInterface);
    select.exec();
    int n = 0;
    while (select.next()) {
        for (int k = 0; k < 46; ++k) benchmark::DoNotOptimize(select.value(k));
        ++n;
    }
    if (n != kItems) throw std::runtime_error("bare round lost rows");
    return bench::msSince(start);
}

void BM_Interface1024_SaveAndLoad(benchmark::State& state) {
    const auto db = bench::benchDb(state);
    if (!db) return;
    auto items = makeItems();
    const auto rows = asValues(items);
    // SQLite: the bare loop uses the library's own connection; the server wants its own plan.
    const QSqlDatabase qdb = da::connection(db->hdbc())->db();
    bench::compareRounds(
        state, "library_ms", [&] { return libraryRound(db->hdbc(), items); },
        [&] { return bareRound(qdb, rows); });
}
BENCHMARK(BM_Interface1024_SaveAndLoad)->Apply(bench::onBothBackends);

}  // namespace
