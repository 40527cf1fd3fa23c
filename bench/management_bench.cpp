// Refreshing the interface manager on a class of 200 interfaces whose selected one holds 1024
// items, against bare prepared QtSql selects of the same INDT and ISIT rows on the same
// connection. Counters: manager_ms, bare_ms and their ratio (the manager aims at 2 or less).

#include <benchmark/benchmark.h>
#include <QSqlQuery>

#include "benchdb.h"
#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"
#include "management/frm_zelk_ljgl.h"

using namespace zelk;
using bench::Clock;

namespace {

constexpr int kInterfaces = 200;
constexpr int kItems = 1024;
const QString kSystem = QStringLiteral("协同办公");
const QString kTable = QStringLiteral("GWGL");
const QString kClass = QStringLiteral("发文");

// The class's interfaces; returns the number of the one with the items.
std::int32_t fill(std::int32_t hdbc) {
    odbc_BeginTrans(hdbc);
    std::int32_t selected = 0;
    for (int i = 0; i < kInterfaces; ++i) {
        INDTRecord row;
        setField(row.id01, kTable);
        setField(row.id02, kClass);
        setField(row.id03, QString("界面%1").arg(i));
        setField(row.id04, QString("第%1个界面").arg(i));
        setField(row.id05, QString::number(i % 4 + 1));
        setField(row.id07, i < 4 ? QString() : QStringLiteral("aaaaa"));
        setField(row.id08, "1");
        setField(row.id09, kSystem);
        const std::int32_t number = sysINDTInsertRecord(hdbc, row);
        if (i == 0) selected = number;
    }
    for (int i = 0; i < kItems; ++i) {
        ISITRecord item;
        item.ii01 = selected;
        setField(item.ii02, QString("f%1").arg(i));
        setField(item.ii03, QString("栏目%1").arg(i));
        item.ii04 = i + 1;
        setField(item.ii29, QString::number(i + 1));
        sysISITInsertRecord(hdbc, item);
    }
    odbc_CommitTrans(hdbc);
    return selected;
}

double managerRound(frm_zelk_ljgl& manager) {
    const auto start = Clock::now();
    manager.RefreshInterface();
    if (manager.lvw_IM->Count() != kInterfaces || manager.lvw_IT->Count() != kItems)
        throw std::runtime_error("the refresh lost rows");
    return bench::msSince(start);
}

double bareRound(QSqlDatabase db, std::int32_t selected) {
    const auto start = Clock::now();
    QSqlQuery interfaces(db);
    interfaces.setForwardOnly(true);
    interfaces.prepare("select " + da::indtLayout().selectList() +
                       " from indt where id09=? and id01=? and id02=? order by id00");
    interfaces.bindValue(0, kSystem);
    interfaces.bindValue(1, kTable);
    interfaces.bindValue(2, kClass);
    interfaces.exec();
    int n = 0;
    while (interfaces.next()) {
        for (int k = 0; k < 21; ++k) benchmark::DoNotOptimize(interfaces.value(k));
        ++n;
    }
    QSqlQuery items(db);
    items.setForwardOnly(true);
    items.prepare("select " + da::isitLayout().selectList() +
                  " from isit where ii01=? order by cast(ii29 as integer),ii00");
    items.bindValue(0, selected);
    items.exec();
    int m = 0;
    while (items.next()) {
        for (int k = 0; k < 46; ++k) benchmark::DoNotOptimize(items.value(k));
        ++m;
    }
    if (n != kInterfaces || m != kItems) throw std::runtime_error("bare round lost rows");
    return bench::msSince(start);
}

void BM_RefreshInterface200x1024(benchmark::State& state) {
    const auto db = bench::benchDb(state);
    if (!db) return;
    const std::int32_t selected = fill(db->hdbc());
    frm_zelk_ljgl manager;
    manager.AdminUser = true;
    manager.init(db->hdbc(), kSystem, kTable, kClass, QStringLiteral("张明"));
    manager.lvw_IM->SetSelectedItem(manager.lvw_IM->Item("record" + QString::number(selected)));
    const QSqlDatabase qdb = da::connection(db->hdbc())->db();
    bench::compareRounds(
        state, "manager_ms", [&] { return managerRound(manager); },
        [&] { return bareRound(qdb, selected); });
}
BENCHMARK(BM_RefreshInterface200x1024)->Apply(bench::onBothBackends);

}  // namespace
