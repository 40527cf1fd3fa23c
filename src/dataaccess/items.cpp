// ISIT, IJST (form items) and ILIT, ILST (list columns): one implementation over the layout.

#include "dataaccess/dialect.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

using namespace da;

namespace {

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

std::int32_t countRows(std::int32_t hdbc, const Layout& layout, std::int32_t interfaceNumber) {
    return firstInteger(
        hdbc, "select count(*) from " + layout.table + " where " + ownerColumn(layout) + "=?",
        {interfaceNumber});
}

}  // namespace

// The calls all four tables offer. Every insert takes a new key from the table; the record's own
// key is never used.
#define ZELK_ROW_TABLE_CALLS(NAME, Record, layout)                                            \
    std::int32_t sys##NAME##PrepareGetData(std::int32_t hdbc, std::int32_t interfaceNumber) { \
        return prepare(hdbc, layout(), interfaceNumber);                                      \
    }                                                                                         \
    std::int32_t sys##NAME##PrepareGetDataEx(std::int32_t hdbc, const QString& condition) {   \
        return prepareEx(hdbc, layout(), condition);                                          \
    }                                                                                         \
    std::int32_t sys##NAME##GetRecord(std::int32_t hstmt, Record& record) {                   \
        return fetchRecord(hstmt, layout(), recordBytes(record));                             \
    }                                                                                         \
    std::int32_t sys##NAME##GetRecordCount(std::int32_t hdbc, std::int32_t interfaceNumber) { \
        return countRows(hdbc, layout(), interfaceNumber);                                    \
    }                                                                                         \
    std::int32_t sys##NAME##InsertRecord(std::int32_t hdbc, Record& record) {                 \
        return insertWithNewKey(hdbc, layout(), recordBytes(record));                         \
    }                                                                                         \
    std::int32_t sys##NAME##DeleteRecords(std::int32_t hdbc, std::int32_t interfaceNumber) {  \
        return deleteWhere(hdbc, layout(), ownerColumn(layout()), interfaceNumber);           \
    }

// The item tables also read and update one row by its key.
#define ZELK_ITEM_TABLE_CALLS(NAME, Record, layout)                                               \
    ZELK_ROW_TABLE_CALLS(NAME, Record, layout)                                                    \
    std::int32_t sys##NAME##GetItem(std::int32_t hdbc, Record& record, std::int32_t itemNumber) { \
        return readByKey(hdbc, layout(), record, itemNumber);                                     \
    }                                                                                             \
    std::int32_t sys##NAME##UpdateRecord(std::int32_t hdbc, Record& record) {                     \
        return updateByKey(hdbc, layout(), recordBytes(record));                                  \
    }

ZELK_ITEM_TABLE_CALLS(ISIT, ISITRecord, isitLayout)
ZELK_ITEM_TABLE_CALLS(IJST, IJSTRecord, ijstLayout)
ZELK_ROW_TABLE_CALLS(ILIT, ILITRecord, ilitLayout)
ZELK_ROW_TABLE_CALLS(ILST, ILSTRecord, ilstLayout)

#undef ZELK_ITEM_TABLE_CALLS
#undef ZELK_ROW_TABLE_CALLS

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
    if (!execPrepared(*query)) return -1;
    return std::max(0, query->numRowsAffected());
}

}  // namespace zelk
