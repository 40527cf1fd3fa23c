#pragma once
// The demo data set: one suite system ("协同办公") with its tables, fields, classes, approval
// steps, reports, users, templates and one interface of each kind. The host loads it into a new
// database; tests build their fixtures with it.

#include <cstdint>

#include <QString>

namespace zelk {

// Names in the demo data that tests and the host refer to.
namespace demo {
inline const QString kSystem = QStringLiteral("协同办公");
inline const QString kMainTable = QStringLiteral("GWGL");
inline const QString kChildTable = QStringLiteral("GWFJ");
inline const QString kClass = QStringLiteral("发文");
inline const QString kSubClass = QStringLiteral("发文/上行文");
inline const QString kAdminGroup = QStringLiteral("管理员");
inline const QString kAdminUser = QStringLiteral("张明");
inline const QString kUser = QStringLiteral("李华");
}  // namespace demo

// Interface numbers the demo data set gives its INDT rows.
struct DemoInterfaces {
    std::int32_t systemTemplate = 0;   // kind 6
    std::int32_t classTemplate = 0;    // kind 5, class "发文"
    std::int32_t itemEntry = 0;        // kind 1, default, items of all thirteen kinds
    std::int32_t itemEntrySecond = 0;  // kind 1, not the default ("aaaaa")
    std::int32_t listEntry = 0;        // kind 2
    std::int32_t itemSearch = 0;       // kind 3, items of kinds 1 to 12
    std::int32_t browseList = 0;       // kind 4
};

// Loads the demo data into an open connection's (empty) database in one transaction.
// False when anything failed; nothing is then left behind.
bool loadDemoData(std::int32_t hdbc, DemoInterfaces* numbers = nullptr);

}  // namespace zelk
