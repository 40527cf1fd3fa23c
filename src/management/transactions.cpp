#include "management/transactions.h"

#include <set>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "designer/indtcounter.h"

namespace zelk {

namespace {

// Connections on which a call of runInTransaction has its transaction open.
std::set<std::int32_t>& openTransactions() {
    thread_local std::set<std::int32_t> open;
    return open;
}

}  // namespace

bool runInTransaction(std::int32_t hdbc, const std::function<bool()>& work) {
    auto& open = openTransactions();
    if (open.count(hdbc) != 0) return work();
    if (odbc_BeginTrans(hdbc) < 0) return false;
    open.insert(hdbc);
    bool ok = false;
    try {
        ok = work();
    } catch (...) {
        open.erase(hdbc);
        odbc_RollbackTrans(hdbc);
        throw;
    }
    open.erase(hdbc);
    if (!ok) {
        odbc_RollbackTrans(hdbc);
        return false;
    }
    // A refused commit has rolled back already.
    return odbc_CommitTrans(hdbc) >= 0;
}

bool lockInterfaceRow(std::int32_t hdbc, std::int32_t number) {
    return ExecSQL(hdbc, "update indt set id00 = id00 where id00 = " + QString::number(number)) >=
           0;
}

bool ChangeInterfaceItems(std::int32_t hdbc, std::int32_t number,
                          const std::function<bool()>& change) {
    return runInTransaction(hdbc, [&] {
        if (!lockInterfaceRow(hdbc, number)) return false;
        // Read after the lock, so that a writer who waited sees the other's counter.
        INDTRecord before;
        if (sysINDTGetDataByNo(hdbc, before, number) < 1) return false;
        if (!change()) return false;
        IncrementIndtCounter(hdbc, number);
        // The counter routine reports nothing: a counter left as it was is a failed store.
        INDTRecord after;
        return sysINDTGetDataByNo(hdbc, after, number) >= 1 &&
               fieldText(after.id08) != fieldText(before.id08);
    });
}

}  // namespace zelk
