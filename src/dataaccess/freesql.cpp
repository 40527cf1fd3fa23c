// Free SQL texts: generic cursors, statements, counts and the middle-table value.

#include <QSqlRecord>

#include "component/fixedfield.h"
#include "dataaccess/dialect.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

using namespace da;

namespace {

QString valueText(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

const Layout* interfaceLayout(const QString& table) {
    const QString name = table.toLower();
    for (const Layout* layout :
         {&indtLayout(), &isitLayout(), &ijstLayout(), &ilitLayout(), &ilstLayout()})
        if (layout->table == name) return layout;
    return nullptr;
}

std::int32_t openStatement(std::int32_t hdbc, const QString& sql, StatementKind kind) {
    Connection* conn = connection(hdbc);
    if (!conn) return 0;
    auto statement = std::make_unique<Statement>();
    statement->hdbc = hdbc;
    statement->kind = kind;
    statement->query = std::make_unique<QSqlQuery>(conn->db());
    statement->query->setForwardOnly(true);
    if (!execGuarded(*conn, *statement->query, sql)) return 0;
    return registerStatement(std::move(statement));
}

QString withoutTrailingSemicolon(QString sql) {
    sql = sql.trimmed();
    while (sql.endsWith(';')) sql = sql.chopped(1).trimmed();
    return sql;
}

}  // namespace

// ---- Generic cursors ----------------------------------------------------------------------

std::int32_t sysSYSTablePrepareGetData(std::int32_t hdbc, const QString& table,
                                       const QString& columns, const QString& condition) {
    // Table and column names are spliced, so they must be plain names.
    if (!isSqlName(table.trimmed())) return 0;
    QStringList names;
    for (const QString& part : columns.split(',')) {
        const QString name = part.trimmed();
        if (name != "*" && !isSqlName(name)) return 0;
        names << name;
    }
    Connection* conn = connection(hdbc);
    if (!conn) return 0;
    QString sql = "select " + names.join(',') + " from " + table.trimmed();
    if (!condition.trimmed().isEmpty()) sql += " where " + adaptSql(condition);
    if (const Layout* layout = interfaceLayout(table.trimmed()))
        sql += orderClause(*layout, conn->backend);
    return openStatement(hdbc, sql, StatementKind::SysTable);
}

std::int32_t sysSYSTableGetRecord(std::int32_t hstmt, QString& row, std::int32_t columnCount) {
    Statement* statement = findStatement(hstmt);
    if (!statement) return 0;
    if (statement->kind != StatementKind::SysTable) return -1;
    if (!statement->query->next()) {
        freeStatement(hstmt);
        return 0;
    }
    const int available = statement->query->record().count();
    const int count = columnCount > 0 ? std::min(columnCount, available) : available;
    QStringList values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) values << valueText(statement->query->value(i));
    row = values.join('|');
    return 1;
}

std::int32_t sysBufferTablePrepareGetData(std::int32_t hdbc, const QString& selectText) {
    return openStatement(hdbc, adaptSql(selectText), StatementKind::Buffer);
}

std::int32_t sysBufferTableGetRecord(std::int32_t hstmt) {
    Statement* statement = findStatement(hstmt);
    if (!statement) return 0;
    if (statement->kind != StatementKind::Buffer) return -1;
    if (!statement->query->next()) {
        freeStatement(hstmt);
        return 0;
    }
    statement->onRow = true;
    return hstmt;
}

std::int32_t sysBufferTableGetData(std::int32_t hstmt, std::int32_t column, QString& value) {
    Statement* statement = findStatement(hstmt);
    if (!statement || statement->kind != StatementKind::Buffer || !statement->onRow) return 0;
    if (column < 1 || column > statement->query->record().count()) return 0;
    value = valueText(statement->query->value(column - 1));
    return 1;
}

// ---- Statements and counts ----------------------------------------------------------------

std::int32_t ExecSQL(std::int32_t hdbc, const QString& sql) {
    Connection* conn = connection(hdbc);
    if (!conn || sql.trimmed().isEmpty()) return -1;
    QSqlQuery query(conn->db());
    // The statement has run when this returns; there is no handle left for the caller to free.
    return execGuarded(*conn, query, adaptSql(sql)) ? 0 : -1;
}

std::int32_t GetMaxNo(std::int32_t hdbc, const QString& column, const QString& table) {
    Connection* conn = connection(hdbc);
    if (!conn || !isSqlName(column.trimmed()) || !isSqlName(table.trimmed())) return -1;
    QSqlQuery query(conn->db());
    const QString sql = "select max(" + column.trimmed() + ") from " + table.trimmed();
    if (!execGuarded(*conn, query, sql) || !query.next()) return -1;
    return query.value(0).isNull() ? 0 : query.value(0).toInt();
}

std::int32_t GetRecordsetCount(std::int32_t hdbc, const QString& selectText) {
    Connection* conn = connection(hdbc);
    if (!conn || selectText.trimmed().isEmpty()) return -1;
    QSqlQuery query(conn->db());
    const QString sql = "select count(*) from (" + withoutTrailingSemicolon(adaptSql(selectText)) +
                        ") zelk_counted";
    if (!execGuarded(*conn, query, sql) || !query.next()) return -1;
    return query.value(0).toInt();
}

std::int32_t GetRecordDataFromMidTable(std::int32_t hdbc, MidTableRecord& record,
                                       const QString& sql) {
    // Never leave an earlier value behind: a query without a row gives the empty text.
    setField(record.m00, QString());
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QSqlQuery query(conn->db());
    query.setForwardOnly(true);
    if (!execGuarded(*conn, query, adaptSql(sql))) return -1;
    if (!query.next()) return 0;
    setField(record.m00, valueText(query.value(0)));
    return 1;
}

}  // namespace zelk
