// The suite's read-only tables: table and field definitions, classes, approval steps, reports,
// user groups and folders.

#include "dataaccess/dialect.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

using namespace da;

namespace {

// Names are matched without surrounding blanks.
QString nameText(const QString& text) {
    return storedText(text).trimmed();
}

// First row of a condition cursor into `record`: the cursor while rows remain, else 0.
template <typename R>
std::int32_t firstOf(std::int32_t hdbc, const Layout& layout, R& record, const QString& condition) {
    const std::int32_t cursor =
        openRecordCursor(hdbc, layout, adaptSql(condition), {}, StatementKind::Cursor);
    if (cursor <= 0) return 0;
    return fetchRecord(cursor, layout, recordBytes(record)) > 0 ? cursor : 0;
}

}  // namespace

// Table names are matched without regard to case, as the suite's server did.
std::int32_t sysTableGetDefine(std::int32_t hdbc, const QString& table, TableDefineRecord& record) {
    return readInto(hdbc, tableDefineLayout(), "lower(td01)=lower(?)", {nameText(table)}, record);
}

std::int32_t sysTablePrepareGetChildTableData(std::int32_t hdbc, const QString& table) {
    const std::int32_t handle = openRecordCursor(hdbc, tableDefineLayout(), "lower(td12)=lower(?)",
                                                 {nameText(table)}, StatementKind::Record);
    Statement* statement = findStatement(handle);
    if (!statement) return 0;
    // A table without child tables gives no handle at all.
    if (!statement->query->next()) {
        freeStatement(handle);
        return 0;
    }
    statement->pending = true;
    return handle;
}

std::int32_t sysTableGetRecord(std::int32_t hstmt, TableDefineRecord& record) {
    return fetchRecord(hstmt, tableDefineLayout(), recordBytes(record));
}

std::int32_t sysFieldGetItem(std::int32_t hdbc, const QString& table, const QString& column,
                             FieldRecord& record) {
    return readInto(hdbc, fieldLayout(), "lower(fd01)=lower(?) and lower(fd02)=lower(?)",
                    {nameText(table), nameText(column)}, record);
}

// The class's own row: its full name (member 4) ends in its identifier (member 8), and what
// stands before that is the full name of the class above it.
std::int32_t sysSDSDGetRootClass(std::int32_t hdbc, const QString& mainTable,
                                 const QString& className, SDSDRecord& record) {
    return readInto(hdbc, sdsdLayout(), "lower(ss01)=lower(?) and ss04=?",
                    {nameText(mainTable), nameText(className)}, record);
}

std::int32_t taskMBHJ_GetFirst(std::int32_t hdbc, MBHJRecord& record, const QString& condition) {
    return firstOf(hdbc, mbhjLayout(), record, condition);
}

std::int32_t taskMBHJ_GetNext(std::int32_t cursor, MBHJRecord& record) {
    return fetchRecord(cursor, mbhjLayout(), recordBytes(record)) > 0 ? 1 : 0;
}

std::int32_t userRGDT_GetFirst(std::int32_t hdbc, RGDTRecord& record, const QString& condition) {
    return firstOf(hdbc, rgdtLayout(), record, condition);
}

std::int32_t userRGDT_GetNext(std::int32_t cursor, RGDTRecord& record) {
    return fetchRecord(cursor, rgdtLayout(), recordBytes(record)) > 0 ? 1 : 0;
}

std::int32_t ValidateUserGroup(std::int32_t hdbc, const QString& user, const QString& group) {
    const std::int32_t count =
        firstInteger(hdbc, "select count(*) from sysmember where mb01=? and mb02=?",
                     {nameText(group), nameText(user)});
    return count < 0 ? -1 : count > 0 ? 1 : 0;
}

std::int32_t getFldPath(std::int32_t hdbc, QString& first, QString& second) {
    Connection* conn = connection(hdbc);
    if (!conn) return -1;
    QSqlQuery query(conn->db());
    if (!execGuarded(*conn, query, "select fp01, fp02 from syspath order by fp00")) return -1;
    if (!query.next()) {
        first.clear();
        second.clear();
        return 0;
    }
    first = query.value(0).toString();
    second = query.value(1).toString();
    return 1;
}

}  // namespace zelk
