#pragma once
// The classes of a main table as the class tree shows them: each class under its parent, the
// first level under a root that stands for the table itself (class "").

#include <cstdint>
#include <vector>

#include <QString>

namespace zelk {

struct ClassEntry {
    std::int32_t id = 0;
    std::int32_t parent = 0;  // 0: first level
    QString name;
    QString fullName;
};

// The classes of the main table (and system, when one is given), parents before children.
std::vector<ClassEntry> ReadClasses(std::int32_t hdbc, const QString& mainTable,
                                    const QString& systemName);

}  // namespace zelk
