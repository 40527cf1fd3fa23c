#pragma once
// Rows the management tests build: interfaces of one class and their item rows.

#include <cstdint>
#include <vector>

#include <QString>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

namespace zelk::test {

inline const QString kTestSystem = QStringLiteral("协同办公");
inline const QString kTestTable = QStringLiteral("GWGL");
inline const QString kTestClass = QStringLiteral("发文");

// An interface of the test class with version "1"; returns its number.
inline std::int32_t addInterface(std::int32_t hdbc, const QString& kind, const QString& flag,
                                 const QString& name = QString(),
                                 const QString& description = QString(),
                                 const QString& owner = QString(),
                                 const QString& className = kTestClass) {
    INDTRecord row;
    setField(row.id01, kTestTable);
    setField(row.id02, className);
    setField(row.id03, name.isEmpty() ? "界面" + kind : name);
    setField(row.id04, description);
    setField(row.id05, kind);
    setField(row.id06, owner);
    setField(row.id07, flag);
    setField(row.id08, "1");
    setField(row.id09, kTestSystem);
    return sysINDTInsertRecord(hdbc, row);
}

// The demo class's interface named `name`, 0 when there is none.
inline std::int32_t demoNumber(std::int32_t hdbc, const QString& name) {
    return sysINDTGetInterfaceByName(hdbc, demo::kMainTable, demo::kSystem, demo::kClass, name);
}

inline INDTRecord interfaceRow(std::int32_t hdbc, std::int32_t number) {
    INDTRecord row;
    sysINDTGetDataByNo(hdbc, row, number);
    return row;
}
inline bool interfaceExists(std::int32_t hdbc, std::int32_t number) {
    INDTRecord row;
    return sysINDTGetDataByNo(hdbc, row, number) >= 1;
}
inline QString flagOf(std::int32_t hdbc, std::int32_t number) {
    return fieldText(interfaceRow(hdbc, number).id07);
}
inline QString versionOf(std::int32_t hdbc, std::int32_t number) {
    return fieldText(interfaceRow(hdbc, number).id08);
}
inline void setFlag(std::int32_t hdbc, std::int32_t number, const QString& flag) {
    INDTRecord row = interfaceRow(hdbc, number);
    setField(row.id07, flag);
    sysINDTUpdateRecord(hdbc, row);
}

// `count` item rows of each table, captions "栏目1"..., bound columns "col1"...; their keys.
template <class Row, std::int32_t (*Insert)(std::int32_t, Row&)>
std::vector<std::int32_t> addRows(std::int32_t hdbc, std::int32_t number, int count,
                                  const QString& columnPrefix = QStringLiteral("col")) {
    std::vector<std::int32_t> keys;
    for (int i = 1; i <= count; ++i) {
        Row row;
        if constexpr (requires { row.ii01; }) {
            row.ii01 = number;
            row.ii04 = i;
            setField(row.ii02, columnPrefix + QString::number(i));
            setField(row.ii03, QStringLiteral("栏目%1").arg(i));
        } else {
            row.is01 = number;
            row.is04 = i;
            setField(row.is02, columnPrefix + QString::number(i));
            setField(row.is03, QStringLiteral("栏目%1").arg(i));
        }
        keys.push_back(Insert(hdbc, row));
    }
    return keys;
}
inline std::vector<std::int32_t> addEntryItems(std::int32_t hdbc, std::int32_t n, int count) {
    return addRows<ISITRecord, sysISITInsertRecord>(hdbc, n, count);
}
inline std::vector<std::int32_t> addSearchItems(std::int32_t hdbc, std::int32_t n, int count) {
    return addRows<IJSTRecord, sysIJSTInsertRecord>(hdbc, n, count);
}
inline std::vector<std::int32_t> addListColumns(std::int32_t hdbc, std::int32_t n, int count) {
    return addRows<ILITRecord, sysILITInsertRecord>(hdbc, n, count);
}
inline std::vector<std::int32_t> addBrowseColumns(std::int32_t hdbc, std::int32_t n, int count) {
    return addRows<ILSTRecord, sysILSTInsertRecord>(hdbc, n, count);
}

}  // namespace zelk::test
