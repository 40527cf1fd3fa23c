// Row writes over a layout, shared by the interface, item and suite tables.

#include <algorithm>
#include <cstring>

#include "dataaccess/internal.h"

namespace zelk::da {

namespace {

// Binds columns first.. of the record to the query's marks from 0 on; the next mark's index.
int bindColumns(QSqlQuery& query, const Layout& layout, const char* record, std::size_t first) {
    int mark = 0;
    for (std::size_t i = first; i < layout.columns.size(); ++i)
        query.bindValue(mark++, columnValue(layout.columns[i], record));
    return mark;
}

// "insert into t (c..) values (?..)" over columns first.. of the layout.
QString insertSql(const Layout& layout, std::size_t first) {
    QStringList names;
    QStringList marks;
    for (std::size_t i = first; i < layout.columns.size(); ++i) {
        names << layout.columns[i].name;
        marks << "?";
    }
    return "insert into " + layout.table + " (" + names.join(',') + ") values (" + marks.join(',') +
           ")";
}

std::int32_t keyOf(const Layout& layout, const char* record) {
    std::int32_t key;
    std::memcpy(&key, record + layout.columns[0].offset, sizeof key);
    return key;
}

}  // namespace

bool insertWhole(std::int32_t hdbc, const Layout& layout, const char* record) {
    Connection* conn = connection(hdbc);
    if (!conn) return false;
    QSqlQuery* query = preparedQuery(*conn, insertSql(layout, 0));
    if (!query) return false;
    bindColumns(*query, layout, record, 0);
    return execPrepared(*query);
}

std::int32_t insertWithNewKey(std::int32_t hdbc, const Layout& layout, char* record) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QString sql = insertSql(layout, 1);
    const bool returning = conn->backend == Backend::PostgreSQL;
    if (returning) sql += " returning " + layout.columns[0].name;
    QSqlQuery* query = preparedQuery(*conn, sql);
    if (!query) return -1;
    bindColumns(*query, layout, record, 1);
    if (!execPrepared(*query)) return -1;
    qint64 key = 0;
    if (returning) {
        if (query->next()) key = query->value(0).toLongLong();
        query->finish();
    } else {
        key = query->lastInsertId().toLongLong();
    }
    if (key < 1 || key > INT32_MAX) return -1;
    const auto newKey = static_cast<std::int32_t>(key);
    std::memcpy(record + layout.columns[0].offset, &newKey, sizeof newKey);
    return newKey;
}

std::int32_t updateByKey(std::int32_t hdbc, const Layout& layout, const char* record) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QStringList sets;
    for (std::size_t i = 1; i < layout.columns.size(); ++i) sets << layout.columns[i].name + "=?";
    QSqlQuery* query = preparedQuery(*conn, "update " + layout.table + " set " + sets.join(',') +
                                                " where " + layout.columns[0].name + "=?");
    if (!query) return -1;
    const std::int32_t key = keyOf(layout, record);
    query->bindValue(bindColumns(*query, layout, record, 1), key);
    if (!execPrepared(*query)) return -1;
    // A row that is gone (deleted by someone else) is not saved: say so.
    return query->numRowsAffected() > 0 ? key : -1;
}

std::int32_t deleteWhere(std::int32_t hdbc, const Layout& layout, const QString& column,
                         std::int32_t value) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QSqlQuery* query =
        preparedQuery(*conn, "delete from " + layout.table + " where " + column + "=?");
    if (!query) return -1;
    query->bindValue(0, value);
    if (!execPrepared(*query)) return -1;
    return std::max(0, query->numRowsAffected());
}

}  // namespace zelk::da
