#pragma once
// The item-row queries of one item table, chosen by the row type: item-entry rows (ISIT) or
// item-search rows (IJST).

#include <QString>
#include <cstdint>
#include <type_traits>

#include "component/records.h"
#include "dataaccess/dravix.h"

namespace zelk {

// The rows of an interface, or the rows a condition selects; a handle of 0 when refused.
template <class Row>
std::int32_t prepareRows(std::int32_t hdbc, std::int32_t number) {
    if constexpr (std::is_same_v<Row, ISITRecord>)
        return sysISITPrepareGetData(hdbc, number);
    else
        return sysIJSTPrepareGetData(hdbc, number);
}
template <class Row>
std::int32_t prepareRowsWhere(std::int32_t hdbc, const QString& condition) {
    if constexpr (std::is_same_v<Row, ISITRecord>)
        return sysISITPrepareGetDataEx(hdbc, condition);
    else
        return sysIJSTPrepareGetDataEx(hdbc, condition);
}
// The next row; below 1 at the end.
inline std::int32_t fetchRow(std::int32_t hstmt, ISITRecord& row) {
    return sysISITGetRecord(hstmt, row);
}
inline std::int32_t fetchRow(std::int32_t hstmt, IJSTRecord& row) {
    return sysIJSTGetRecord(hstmt, row);
}

}  // namespace zelk
