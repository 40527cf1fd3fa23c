#pragma once
// Makes the database refuse some writes, as a trigger of a real installation might: the write
// fails with an error and the library reports it as a failure.

#include <cstdint>
#include <ostream>

#include <QString>

#include "dataaccess/dravix.h"
#include "support/testdb.h"

namespace zelk::test {

// From now on an `event` ("insert", "update" or "delete") on `table` of a row for which `when`
// holds (a condition on new.<column>; "1=1" for every row) is refused. One refusal per table and
// event. (The empty comment keeps the dialect step from reading "delete on" as a delete without
// "from".)
inline bool refuseRows(std::int32_t hdbc, TestBackend backend, const QString& table,
                       const QString& when, const QString& event = QStringLiteral("insert")) {
    const QString name = QStringLiteral("zelk_refuse_%1_%2").arg(table, event);
    if (backend == TestBackend::SQLite)
        return ExecSQL(hdbc, QStringLiteral("create trigger %1 before %2 /**/ on %3 when %4 begin "
                                            "select raise(abort, 'refused'); end")
                                 .arg(name, event, table, when)) >= 0;
    return ExecSQL(hdbc, QStringLiteral("create or replace function zelk_refuse() returns "
                                        "trigger language plpgsql as 'begin raise exception "
                                        "''refused''; end'")) >= 0 &&
           ExecSQL(hdbc, QStringLiteral("create trigger %1 before %2 /**/ on %3 for each row when "
                                        "(%4) execute function zelk_refuse()")
                             .arg(name, event, table, when)) >= 0;
}

// From now on a second row of `table` whose `column` holds the SQL value `value` is refused.
inline void refuseSecond(std::int32_t hdbc, const QString& table, const QString& column,
                         const QString& value) {
    ASSERT_GE(ExecSQL(hdbc, QStringLiteral("create unique index zelk_refuse_%1 on %1 (%2) "
                                           "where %2 = %3")
                                .arg(table, column, value)),
              0);
}

enum class TxnRefusal { Begin, Commit };
inline constexpr TxnRefusal kTxnRefusals[] = {TxnRefusal::Begin, TxnRefusal::Commit};

inline void PrintTo(TxnRefusal what, std::ostream* out) {
    *out << (what == TxnRefusal::Begin ? "refused begin" : "refused commit");
}

// While it lives the database refuses the connection's next begin (the engine is inside a
// transaction the library did not open, on a server one that a failed statement aborted: as
// when another writer holds the database), or every commit of a transaction that inserted a row
// into `table` (`event` "delete": deleted one; a check deferred to the commit fails). Its end
// rolls back what ran inside. (The empty comment keeps the dialect step from reading "delete on"
// as a delete without "from".)
class RefusedTransaction {
  public:
    RefusedTransaction(TxnRefusal what, std::int32_t hdbc, TestBackend backend, QString table,
                       const QString& event = QStringLiteral("insert"))
        : what_(what), hdbc_(hdbc), backend_(backend), table_(std::move(table)) {
        const bool lite = backend == TestBackend::SQLite;
        const QString trigger = QStringLiteral("zelk_refuse_commit_") + table_;
        if (what == TxnRefusal::Begin) {
            ok_ = ExecSQL(hdbc, QStringLiteral("begin")) >= 0 &&
                  (lite || ExecSQL(hdbc, QStringLiteral("select 1/0")) < 0);
        } else if (lite) {
            ok_ = ExecSQL(hdbc, QStringLiteral("pragma foreign_keys = on")) >= 0 &&
                  ExecSQL(hdbc, QStringLiteral("create table if not exists zelk_refuse_parent "
                                               "(k integer primary key)")) >= 0 &&
                  ExecSQL(hdbc, QStringLiteral("create table if not exists zelk_refuse_later (k "
                                               "integer references zelk_refuse_parent (k) "
                                               "deferrable initially deferred)")) >= 0 &&
                  ExecSQL(hdbc, QStringLiteral("create trigger %1 after %2 /**/ on %3 begin "
                                               "insert into zelk_refuse_later values (1); end")
                                    .arg(trigger, event, table_)) >= 0;
        } else {
            ok_ = ExecSQL(hdbc, QStringLiteral("create or replace function zelk_refuse() returns "
                                               "trigger language plpgsql as 'begin raise "
                                               "exception ''refused''; end'")) >= 0 &&
                  ExecSQL(hdbc, QStringLiteral("create constraint trigger %1 after %2 /**/ on %3 "
                                               "deferrable initially deferred for each row "
                                               "execute function zelk_refuse()")
                                    .arg(trigger, event, table_)) >= 0;
        }
    }
    ~RefusedTransaction() {
        if (what_ == TxnRefusal::Begin) {
            ExecSQL(hdbc_, QStringLiteral("rollback"));
            return;
        }
        const QString trigger = QStringLiteral("zelk_refuse_commit_") + table_;
        ExecSQL(hdbc_, backend_ == TestBackend::SQLite
                           ? QStringLiteral("drop trigger %1").arg(trigger)
                           : QStringLiteral("drop trigger %1 on %2").arg(trigger, table_));
    }
    RefusedTransaction(const RefusedTransaction&) = delete;
    RefusedTransaction& operator=(const RefusedTransaction&) = delete;
    bool ok() const { return ok_; }

  private:
    TxnRefusal what_;
    std::int32_t hdbc_;
    TestBackend backend_;
    QString table_;
    bool ok_ = false;
};

// Runs `action` while the database refuses as RefusedTransaction says.
template <class Action>
void whileRefused(TxnRefusal what, std::int32_t hdbc, TestBackend backend, const QString& table,
                  Action action, const QString& event = QStringLiteral("insert")) {
    RefusedTransaction refusal(what, hdbc, backend, table, event);
    ASSERT_TRUE(refusal.ok());
    action();
}

}  // namespace zelk::test
