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

std::int32_t FindCompanionInterface(std::int32_t hdbc, const QString& mainTable,
                                    const QString& className, const QString& kindCode) {
    const QString sql = QStringLiteral("select id00 from indt where id01=") + sqlQuote(mainTable) +
                        QStringLiteral(" and id02=") + sqlQuote(className) +
                        QStringLiteral(" and id05=") + sqlQuote(kindCode) +
                        QStringLiteral(" and (id07='' or id07 is null)");
    MidTableRecord value;
    GetRecordDataFromMidTable(hdbc, value, sql);
    const QString text = TrimFixedField(fieldText(value.m00));
    if (text.trimmed().isEmpty()) return 0;
    return toInt32(leadingNumber(text)).value_or(0);
}

}  // namespace zelk
