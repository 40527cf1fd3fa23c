// The companion routines that read the database, apart from the pure record work so that the
// latter links without a connection.

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/companions.h"

namespace zelk {

bool QueryIlstColumns(std::int32_t hdbc, std::int32_t number, BrowseColumnTable& table) {
    const std::int32_t stmt = sysILSTPrepareGetData(hdbc, number);
    if (stmt <= 0) return false;
    BrowseColumnTable read = table;
    int row = 0;
    ILSTRecord column;
    while (sysILSTGetRecord(stmt, column) > 0) {
        ++row;
        read.ensureEntries(row + 1);
        const auto k = static_cast<std::size_t>(row);
        read.BrowseColumnNames[k] = fieldText(column.is02);
        read.BrowseColumnPositions[k] = column.is04;
        read.BrowseColumnWidths[k] = column.is07;
        column = ILSTRecord{};
    }
    odbc_FreeStmtHandle(stmt);
    read.filled = row;
    table = std::move(read);
    return true;
}

CompanionKeys companionKeys(const INDTRecord& row) {
    return {TrimFixedField(fieldText(row.id09)), TrimFixedField(fieldText(row.id01)),
            TrimFixedField(fieldText(row.id02))};
}

namespace {

// A text column compared as the readers compare it: trimmed, a missing value as empty.
QString sameText(const char* column, const QString& value) {
    return QStringLiteral("coalesce(trim(%1),'')=").arg(QLatin1String(column)) +
           sqlQuote(value.trimmed());
}

}  // namespace

std::int32_t FindCompanionInterface(std::int32_t hdbc, const CompanionKeys& keys,
                                    const QString& kindCode) {
    const QString sql =
        QStringLiteral("select id00 from indt where ") + sameText("id09", keys.systemName) +
        QStringLiteral(" and ") + sameText("id01", keys.mainTable) + QStringLiteral(" and ") +
        sameText("id02", keys.className) + QStringLiteral(" and ") + sameText("id05", kindCode) +
        QStringLiteral(" and ") + sameText("id07", QString()) + QStringLiteral(" order by id00");
    MidTableRecord value;
    if (GetRecordDataFromMidTable(hdbc, value, sql) < 0) return -1;
    const QString text = TrimFixedField(fieldText(value.m00));
    if (text.trimmed().isEmpty()) return 0;
    return toInt32(leadingNumber(text)).value_or(0);
}

}  // namespace zelk
