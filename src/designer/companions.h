#pragma once
// The item-entry designer's companion records: a saved item-entry interface can regenerate the
// class's default item-search form (IJST rows) and default browse list (ILST columns) from its
// items. These routines copy between the row layouts and number the browse columns.

#include <cstdint>
#include <set>
#include <vector>

#include <QString>

#include "component/records.h"

namespace zelk {

// The columns of an existing browse list: bound column, position and width, from entry 1 on;
// entry 0 is never filled. It starts with 201 empty entries and grows when a list has more
// columns, so that every column that exists keeps its place.
struct BrowseColumnTable {
    static constexpr int kInitialEntries = 201;

    std::vector<QString> BrowseColumnNames;
    std::vector<std::int32_t> BrowseColumnPositions;
    std::vector<std::int32_t> BrowseColumnWidths;
    int filled = 0;  // entries 1..filled hold the columns last read

    BrowseColumnTable();
    int size() const { return static_cast<int>(BrowseColumnPositions.size()); }
    void ensureEntries(int entries);
    void clear();
};

// The first number from `start` on that no entry from 1 on holds as its position. Entries that
// were never filled hold 0, so 0 is taken while the table has one. The result is not entered.
void FindFreeListNumber(const BrowseColumnTable& table, std::int16_t& start, std::int32_t& result);

// A browse column for an item row: the item's key, bound column, caption and entry order, width
// 1440, the default fonts and colours. `is01` and the rest of `target` stay as they were.
void InitIlstRecord(const ISITRecord& source, ILSTRecord& target);

// Member by member copies between the layouts; member 1 (the interface number) is not set.
void CopyIsitToIjstRecord(const ISITRecord& source, IJSTRecord& target);
void CopyIjstToIlstRecord(const IJSTRecord& source, ILSTRecord& target);

// Reads the columns of browse list `number` into entries 1, 2, ... of `table` (growing it when
// needed); entries beyond the last column keep what they held. False when the list cannot be
// queried; the table is then unchanged.
bool QueryIlstColumns(std::int32_t hdbc, std::int32_t number, BrowseColumnTable& table);

// Gives browse columns their positions and widths while a list is regenerated: a column whose
// bound column was in the list before keeps its position and width (each old column serves one
// new column); a column bound to nothing gets position 0 and width 0; any other column gets a
// position no column of the list holds, distinct from every other new column's.
class BrowseColumnPlacer {
  public:
    explicit BrowseColumnPlacer(BrowseColumnTable table);
    void place(ILSTRecord& column);

  private:
    BrowseColumnTable table_;
    std::vector<bool> used_;
    std::set<std::int32_t> taken_;
    std::int32_t start_ = 0;
};

// What names a class's interfaces: system, main table and class, as readers compare them
// (trimmed).
struct CompanionKeys {
    QString systemName;
    QString mainTable;
    QString className;
};
CompanionKeys companionKeys(const INDTRecord& row);

// The class's default companion interface of `kindCode` ("3" item search, "4" browse list): the
// interface of that kind of the same system, main table and class with no application flag, the
// lowest number when there are several; 0 when the class has none, negative when the lookup
// failed.
std::int32_t FindCompanionInterface(std::int32_t hdbc, const CompanionKeys& keys,
                                    const QString& kindCode);

}  // namespace zelk
