// ISIT, IJST (form items) and ILIT, ILST (list columns): one implementation over the layout.

#include "dataaccess/dialect.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

using namespace da;

namespace {

template <typename R>
char* bytes(R& record) {
    return reinterpret_cast<char*>(&record);
}

const QString& keyColumn(const Layout& layout) {
    return layout.columns[0].name;
}
const QString& ownerColumn(const Layout& layout) {
    return layout.columns[1].name;
}

std::int32_t prepare(std::int32_t hdbc, const Layout& layout, std::int32_t interfaceNumber) {
    return openRecordCursor(hdbc, layout, ownerColumn(layout) + "=?", {interfaceNumber},
                            StatementKind::Record);
}

std::int32_t prepareEx(std::int32_t hdbc, const Layout& layout, const QString& condition) {
    return openRecordCursor(hdbc, layout, adaptSql(condition), {}, StatementKind::Record);
}

template <typename R>
std::int32_t getItem(std::int32_t hdbc, const Layout& layout, R& record, std::int32_t key) {
    R row;
    const std::int32_t found = readOne(hdbc, layout, keyColumn(layout) + "=?", {key}, bytes(row));
    if (found <= 0) return found;
    record = row;
    return key > 0 ? key : 1;
}

std::int32_t countRows(std::int32_t hdbc, const Layout& layout, std::int32_t interfaceNumber) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QSqlQuery* query = preparedQuery(
        *conn, "select count(*) from " + layout.table + " where " + ownerColumn(layout) + "=?");
    if (!query) return -1;
    query->bindValue(0, interfaceNumber);
    if (!execGuarded(*conn, *query, QString()) || !query->next()) return -1;
    const std::int32_t count = query->value(0).toInt();
    query->finish();
    return count;
}

// Every insert takes a new key from the table; the record's own key is never used.
template <typename R>
std::int32_t insertRow(std::int32_t hdbc, const Layout& layout, R& record) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QStringList names;
    QStringList marks;
    for (std::size_t i = 1; i < layout.columns.size(); ++i) {
        names << layout.columns[i].name;
        marks << "?";
    }
    QString sql = "insert into " + layout.table + " (" + names.join(',') + ") values (" +
                  marks.join(',') + ")";
    const bool returning = conn->backend == Backend::PostgreSQL;
    if (returning) sql += " returning " + keyColumn(layout);
    QSqlQuery* query = preparedQuery(*conn, sql);
    if (!query) return -1;
    const char* source = reinterpret_cast<const char*>(&record);
    for (std::size_t i = 1; i < layout.columns.size(); ++i)
        query->bindValue(static_cast<int>(i - 1), columnValue(layout.columns[i], source));
    if (!execGuarded(*conn, *query, QString())) return -1;
    qint64 key = 0;
    if (returning) {
        if (query->next()) key = query->value(0).toLongLong();
        query->finish();
    } else {
        key = query->lastInsertId().toLongLong();
    }
    if (key < 1 || key > INT32_MAX) return -1;
    std::int32_t newKey = static_cast<std::int32_t>(key);
    std::memcpy(bytes(record) + layout.columns[0].offset, &newKey, sizeof newKey);
    return newKey;
}

template <typename R>
std::int32_t updateRow(std::int32_t hdbc, const Layout& layout, R& record) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QStringList sets;
    for (std::size_t i = 1; i < layout.columns.size(); ++i) sets << layout.columns[i].name + "=?";
    QSqlQuery* query = preparedQuery(*conn, "update " + layout.table + " set " + sets.join(',') +
                                                " where " + keyColumn(layout) + "=?");
    if (!query) return -1;
    const char* source = reinterpret_cast<const char*>(&record);
    for (std::size_t i = 1; i < layout.columns.size(); ++i)
        query->bindValue(static_cast<int>(i - 1), columnValue(layout.columns[i], source));
    std::int32_t key;
    std::memcpy(&key, source + layout.columns[0].offset, sizeof key);
    query->bindValue(static_cast<int>(layout.columns.size() - 1), key);
    if (!execGuarded(*conn, *query, QString())) return -1;
    return query->numRowsAffected() > 0 ? key : -1;
}

std::int32_t deleteRows(std::int32_t hdbc, const Layout& layout, std::int32_t interfaceNumber) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QSqlQuery* query = preparedQuery(
        *conn, "delete from " + layout.table + " where " + ownerColumn(layout) + "=?");
    if (!query) return -1;
    query->bindValue(0, interfaceNumber);
    if (!execGuarded(*conn, *query, QString())) return -1;
    return std::max(0, query->numRowsAffected());
}

}  // namespace

// ---- ISIT ---------------------------------------------------------------------------------
std::int32_t sysISITPrepareGetData(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return prepare(hdbc, isitLayout(), interfaceNumber);
}
std::int32_t sysISITPrepareGetDataEx(std::int32_t hdbc, const QString& condition) {
    return prepareEx(hdbc, isitLayout(), condition);
}
std::int32_t sysISITGetRecord(std::int32_t hstmt, ISITRecord& record) {
    return fetchRecord(hstmt, isitLayout(), bytes(record));
}
std::int32_t sysISITGetItem(std::int32_t hdbc, ISITRecord& record, std::int32_t itemNumber) {
    return getItem(hdbc, isitLayout(), record, itemNumber);
}
std::int32_t sysISITGetRecordCount(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return countRows(hdbc, isitLayout(), interfaceNumber);
}
std::int32_t sysISITInsertRecord(std::int32_t hdbc, ISITRecord& record) {
    return insertRow(hdbc, isitLayout(), record);
}
std::int32_t sysISITUpdateRecord(std::int32_t hdbc, ISITRecord& record) {
    return updateRow(hdbc, isitLayout(), record);
}
std::int32_t sysISITDeleteRecords(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return deleteRows(hdbc, isitLayout(), interfaceNumber);
}

std::int32_t sysISITCopyInterface(std::int32_t hdbc, std::int32_t sourceNumber,
                                  std::int32_t newNumber) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    const Layout& layout = isitLayout();
    QStringList names;
    QStringList values{"?"};
    for (std::size_t i = 1; i < layout.columns.size(); ++i) {
        names << layout.columns[i].name;
        if (i > 1) values << layout.columns[i].name;
    }
    // Copies in item order, so that the new keys ascend as the items do.
    const QString sql = "insert into isit (" + names.join(',') + ") select " + values.join(',') +
                        " from isit where ii01=?" + orderClause(layout, conn->backend);
    QSqlQuery* query = preparedQuery(*conn, sql);
    if (!query) return -1;
    query->bindValue(0, newNumber);
    query->bindValue(1, sourceNumber);
    if (!execGuarded(*conn, *query, QString())) return -1;
    return std::max(0, query->numRowsAffected());
}

// ---- IJST ---------------------------------------------------------------------------------
std::int32_t sysIJSTPrepareGetData(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return prepare(hdbc, ijstLayout(), interfaceNumber);
}
std::int32_t sysIJSTPrepareGetDataEx(std::int32_t hdbc, const QString& condition) {
    return prepareEx(hdbc, ijstLayout(), condition);
}
std::int32_t sysIJSTGetRecord(std::int32_t hstmt, IJSTRecord& record) {
    return fetchRecord(hstmt, ijstLayout(), bytes(record));
}
std::int32_t sysIJSTGetItem(std::int32_t hdbc, IJSTRecord& record, std::int32_t itemNumber) {
    return getItem(hdbc, ijstLayout(), record, itemNumber);
}
std::int32_t sysIJSTGetRecordCount(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return countRows(hdbc, ijstLayout(), interfaceNumber);
}
std::int32_t sysIJSTInsertRecord(std::int32_t hdbc, IJSTRecord& record) {
    return insertRow(hdbc, ijstLayout(), record);
}
std::int32_t sysIJSTUpdateRecord(std::int32_t hdbc, IJSTRecord& record) {
    return updateRow(hdbc, ijstLayout(), record);
}
std::int32_t sysIJSTDeleteRecords(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return deleteRows(hdbc, ijstLayout(), interfaceNumber);
}

// ---- ILIT ---------------------------------------------------------------------------------
std::int32_t sysILITPrepareGetData(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return prepare(hdbc, ilitLayout(), interfaceNumber);
}
std::int32_t sysILITPrepareGetDataEx(std::int32_t hdbc, const QString& condition) {
    return prepareEx(hdbc, ilitLayout(), condition);
}
std::int32_t sysILITGetRecord(std::int32_t hstmt, ILITRecord& record) {
    return fetchRecord(hstmt, ilitLayout(), bytes(record));
}
std::int32_t sysILITGetRecordCount(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return countRows(hdbc, ilitLayout(), interfaceNumber);
}
std::int32_t sysILITInsertRecord(std::int32_t hdbc, ILITRecord& record) {
    return insertRow(hdbc, ilitLayout(), record);
}
std::int32_t sysILITDeleteRecords(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return deleteRows(hdbc, ilitLayout(), interfaceNumber);
}

// ---- ILST ---------------------------------------------------------------------------------
std::int32_t sysILSTPrepareGetData(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return prepare(hdbc, ilstLayout(), interfaceNumber);
}
std::int32_t sysILSTPrepareGetDataEx(std::int32_t hdbc, const QString& condition) {
    return prepareEx(hdbc, ilstLayout(), condition);
}
std::int32_t sysILSTGetRecord(std::int32_t hstmt, ILSTRecord& record) {
    return fetchRecord(hstmt, ilstLayout(), bytes(record));
}
std::int32_t sysILSTGetRecordCount(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return countRows(hdbc, ilstLayout(), interfaceNumber);
}
std::int32_t sysILSTInsertRecord(std::int32_t hdbc, ILSTRecord& record) {
    return insertRow(hdbc, ilstLayout(), record);
}
std::int32_t sysILSTDeleteRecords(std::int32_t hdbc, std::int32_t interfaceNumber) {
    return deleteRows(hdbc, ilstLayout(), interfaceNumber);
}

}  // namespace zelk
