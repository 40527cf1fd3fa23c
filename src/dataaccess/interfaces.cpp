// INDT: the interface definitions.

#include <QSqlError>

#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

using namespace da;

namespace {

// First id00 of the rows meeting `where`; 0 when none, -1 on failure.
std::int32_t firstNumber(std::int32_t hdbc, const QString& where, const QVariantList& args) {
    return firstInteger(hdbc, "select id00 from indt where " + where + " order by id00", args);
}

// Item table of an interface kind code ("1" to "7"); nullptr for kinds without items.
const Layout* itemLayoutOfKind(const QString& kind) {
    const QString k = kind.trimmed();
    if (k == "1" || k == "5" || k == "6" || k == "7") return &isitLayout();
    if (k == "2") return &ilitLayout();
    if (k == "3") return &ijstLayout();
    if (k == "4") return &ilstLayout();
    return nullptr;
}

// Runs `work` inside the caller's transaction, or inside one of its own when there is none.
template <typename Work>
std::int32_t inTransaction(std::int32_t hdbc, Connection& conn, Work&& work) {
    const bool own = !conn.inTransaction;
    if (own && odbc_BeginTrans(hdbc) < 0) return -1;
    const std::int32_t result = work();
    if (own) {
        if (result < 0) {
            odbc_RollbackTrans(hdbc);
        } else if (odbc_CommitTrans(hdbc) < 0) {
            return -1;
        }
    }
    return result;
}

}  // namespace

std::int32_t sysINDTGetDataByNo(std::int32_t hdbc, INDTRecord& record, std::int32_t number) {
    return readByKey(hdbc, indtLayout(), record, number);
}

std::int32_t sysINDTPrepareGetData(std::int32_t hdbc, const QString& systemName,
                                   const QString& mainTable, const QString& className) {
    return openRecordCursor(hdbc, indtLayout(),
                            "coalesce(id09,'')=? and coalesce(id01,'')=? and coalesce(id02,'')=?",
                            {storedText(systemName), storedText(mainTable), storedText(className)},
                            StatementKind::Record);
}

std::int32_t sysINDTGetRecord(std::int32_t hstmt, INDTRecord& record) {
    return fetchRecord(hstmt, indtLayout(), recordBytes(record));
}

std::int32_t sysINDTInsertRecord(std::int32_t hdbc, INDTRecord& record) {
    Connection* conn = connection(hdbc);
    if (!conn || record.id00 < 0) return -1;
    INDTRecord row = record;
    const std::int32_t result = inTransaction(hdbc, *conn, [&]() -> std::int32_t {
        if (row.id00 == 0) {
            // The next free number. On a server two sessions must not both see the same
            // largest number: the lock is held until this transaction ends. SQLite's
            // transactions already hold the write lock.
            if (conn->backend == Backend::PostgreSQL) {
                QSqlQuery lock(conn->db());
                if (!execGuarded(*conn, lock, "select pg_advisory_xact_lock(74680001)")) return -1;
            }
            QSqlQuery* max = preparedQuery(*conn, "select coalesce(max(id00),0) from indt");
            if (!max || !execPrepared(*max) || !max->next()) return -1;
            const qint64 next = max->value(0).toLongLong() + 1;
            max->finish();
            if (next > INT32_MAX) return -1;
            row.id00 = static_cast<std::int32_t>(next);
        } else if (firstNumber(hdbc, "id00=?", {row.id00}) != 0) {
            return -1;  // the number is taken (or the lookup failed)
        }
        return insertWhole(hdbc, indtLayout(), recordBytes(row)) ? row.id00 : -1;
    });
    if (result > 0) record.id00 = row.id00;
    return result;
}

std::int32_t sysINDTUpdateRecord(std::int32_t hdbc, INDTRecord& record) {
    return updateByKey(hdbc, indtLayout(), recordBytes(record));
}

std::int32_t sysINDTDeleteData(std::int32_t hdbc, std::int32_t number) {
    return deleteWhere(hdbc, indtLayout(), QStringLiteral("id00"), number);
}

std::int32_t sysINDTDeleteRecord(std::int32_t hdbc, std::int32_t number, const QString& kind) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    const QString code = storedText(kind).trimmed();
    return inTransaction(hdbc, *conn, [&]() -> std::int32_t {
        QSqlQuery* del =
            preparedQuery(*conn, "delete from indt where id00=? and trim(coalesce(id05,''))=?");
        if (!del) return -1;
        del->bindValue(0, number);
        del->bindValue(1, code);
        if (!execPrepared(*del)) return -1;
        const int deleted = del->numRowsAffected();
        // Items go only with a row of that kind: a wrong kind deletes nothing at all.
        const Layout* items = itemLayoutOfKind(code);
        if (deleted > 0 && items && deleteWhere(hdbc, *items, items->columns[1].name, number) < 0)
            return -1;
        return std::max(0, deleted);
    });
}

std::int32_t sysINDTGetFLMBID(std::int32_t hdbc, const QString& mainTable, const QString& className,
                              const QString& systemName) {
    return firstNumber(hdbc,
                       "coalesce(id01,'')=? and coalesce(id02,'')=? and coalesce(id09,'')=? "
                       "and trim(coalesce(id05,''))='5'",
                       {storedText(mainTable), storedText(className), storedText(systemName)});
}

std::int32_t sysINDTGetSystemID(std::int32_t hdbc, const QString& mainTable,
                                const QString& systemName) {
    return firstNumber(
        hdbc, "coalesce(id01,'')=? and coalesce(id09,'')=? and trim(coalesce(id05,''))='6'",
        {storedText(mainTable), storedText(systemName)});
}

std::int32_t sysINDTGetInterfaceByName(std::int32_t hdbc, const QString& mainTable,
                                       const QString& systemName, const QString& className,
                                       const QString& name) {
    return firstNumber(
        hdbc,
        "coalesce(id01,'')=? and coalesce(id09,'')=? and coalesce(id02,'')=? "
        "and coalesce(id03,'')=?",
        {storedText(mainTable), storedText(systemName), storedText(className), storedText(name)});
}

}  // namespace zelk
