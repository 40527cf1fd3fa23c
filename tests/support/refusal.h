#pragma once
// Makes the database refuse some writes, as a trigger of a real installation might: the write
// fails with an error and the library reports it as a failure.

#include <cstdint>

#include <QString>

#include "dataaccess/dravix.h"
#include "support/testdb.h"

namespace zelk::test {

// From now on an insert (or update) into `table` of a row for which `when` holds (a condition
// on new.<column>) is refused. One refusal per table and event.
inline bool refuseRows(std::int32_t hdbc, TestBackend backend, const QString& table,
                       const QString& when, const QString& event = QStringLiteral("insert")) {
    const QString name = QStringLiteral("zelk_refuse_%1_%2").arg(table, event);
    if (backend == TestBackend::SQLite)
        return ExecSQL(hdbc, QStringLiteral("create trigger %1 before %2 on %3 when %4 begin "
                                            "select raise(abort, 'refused'); end")
                                 .arg(name, event, table, when)) >= 0;
    return ExecSQL(hdbc, QStringLiteral("create or replace function zelk_refuse() returns "
                                        "trigger language plpgsql as 'begin raise exception "
                                        "''refused''; end'")) >= 0 &&
           ExecSQL(hdbc, QStringLiteral("create trigger %1 before %2 on %3 for each row when (%4) "
                                        "execute function zelk_refuse()")
                             .arg(name, event, table, when)) >= 0;
}

}  // namespace zelk::test
