#include "component/itemchange.h"

#include "component/fixedfield.h"
#include "component/indtcounter.h"
#include "dataaccess/dravix.h"

namespace zelk {

namespace {

bool changeAndCount(std::int32_t hdbc, std::int32_t number, const std::function<bool()>& change) {
    // The lock serialises two writers of one interface on a server, so neither loses a count.
    if (ExecSQL(hdbc, "update indt set id00 = id00 where id00 = " + QString::number(number)) < 0)
        return false;
    INDTRecord before;
    if (sysINDTGetDataByNo(hdbc, before, number) < 1) return false;
    if (!change()) return false;
    IncrementIndtCounter(hdbc, number);
    // The counter routine reports nothing: a counter left as it was is a failed store.
    INDTRecord after;
    return sysINDTGetDataByNo(hdbc, after, number) >= 1 &&
           fieldText(after.id08) != fieldText(before.id08);
}

}  // namespace

bool ChangeItemsWithVersion(std::int32_t hdbc, std::int32_t number,
                            const std::function<bool()>& change) {
    if (odbc_BeginTrans(hdbc) < 0) return false;
    bool ok = false;
    try {
        ok = changeAndCount(hdbc, number, change);
    } catch (...) {
        odbc_RollbackTrans(hdbc);
        throw;
    }
    if (!ok) {
        odbc_RollbackTrans(hdbc);
        return false;
    }
    return odbc_CommitTrans(hdbc) >= 0;
}

}  // namespace zelk
