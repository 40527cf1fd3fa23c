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

// From now on a transaction that deleted the row of `table` whose `key` column is `value` is
// refused at its commit (the delete itself succeeds), as a deferred check would refuse it.
inline bool refuseCommitAfterDelete(std::int32_t hdbc, TestBackend backend, const QString& table,
                                    const QString& key, std::int32_t value) {
    const QString number = QString::number(value);
    if (backend == TestBackend::SQLite)
        return ExecSQL(hdbc, QStringLiteral("pragma foreign_keys = on")) >= 0 &&
               ExecSQL(hdbc, "create table zelk_hold_" + table + " (ref integer references " +
                                 table + "(" + key + ") deferrable initially deferred)") >= 0 &&
               ExecSQL(hdbc, "insert into zelk_hold_" + table + " values (" + number + ")") >= 0;
    return ExecSQL(hdbc, QStringLiteral("create or replace function zelk_refuse() returns "
                                        "trigger language plpgsql as 'begin raise exception "
                                        "''refused''; end'")) >= 0 &&
           // Inside a quoted body: the library's dialect would read "delete on" as a delete.
           ExecSQL(hdbc, "do 'begin execute ''create constraint trigger zelk_refuse_commit_" +
                             table + " after delete on " + table +
                             " deferrable initially deferred for each row when (old." + key +
                             " = " + number + ") execute function zelk_refuse()''; end'") >= 0;
}

}  // namespace zelk::test
