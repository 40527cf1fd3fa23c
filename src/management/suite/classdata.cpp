#include "management/suite/classdata.h"

#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"

namespace zelk {

std::vector<ClassEntry> ReadClasses(std::int32_t hdbc, const QString& mainTable,
                                    const QString& systemName) {
    QString sql = "select ss00, ss09, ss02, ss04 from sdsd where lower(ss01) = lower(" +
                  sqlQuote(mainTable.trimmed()) + ")";
    if (!systemName.trimmed().isEmpty())
        sql += " and coalesce(ss10, '') = " + sqlQuote(systemName.trimmed());
    sql += " order by ss05, ss00";
    std::vector<ClassEntry> classes;
    const std::int32_t stmt = sysBufferTablePrepareGetData(hdbc, sql);
    while (stmt > 0 && sysBufferTableGetRecord(stmt) > 0) {
        ClassEntry entry;
        QString value;
        sysBufferTableGetData(stmt, 1, value);
        entry.id = numericInt32(value).value_or(0);
        sysBufferTableGetData(stmt, 2, value);
        entry.parent = numericInt32(value).value_or(0);
        sysBufferTableGetData(stmt, 3, entry.name);
        sysBufferTableGetData(stmt, 4, entry.fullName);
        classes.push_back(entry);
    }
    return classes;
}

}  // namespace zelk
