#pragma once
// The column rows of list interfaces: list-entry columns (ILIT) and browse-list columns (ILST)
// have one layout, so one reader and one writer serve both tables. Edit settings of list-entry
// columns live in the first four digits of member 26.

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "component/records.h"

namespace zelk {

enum class ListTable { ILIT, ILST };

// The data-access calls of one column table; ILST rows cross as ILIT records (same layout).
std::int32_t listPrepareGetData(ListTable table, std::int32_t hdbc, std::int32_t fid);
std::int32_t listGetRecord(ListTable table, std::int32_t hstmt, ILITRecord& row);
std::int32_t listDeleteRecords(ListTable table, std::int32_t hdbc, std::int32_t fid);
std::int32_t listInsertRecord(ListTable table, std::int32_t hdbc, ILITRecord& row);

// Every column row of an interface, in the order the library delivers them.
std::vector<ILITRecord> readListRows(ListTable table, std::int32_t hdbc, std::int32_t fid);

// The edit settings of one list-entry column. Codes are kept as stored (0 to 9), so a code the
// editors cannot show goes back unchanged.
struct ListColumnSetting {
    std::int16_t ColumnReadOnly = 0;
    std::int16_t ColumnAlignment = 0;  // 0 left, 1 centre, 2 right, 3 default
    std::int16_t ColumnEditKind = 0;   // 0 edit ... 5 other
    std::int16_t ColumnInvalid = 0;
    bool operator==(const ListColumnSetting&) const = default;
};

// Settings by a column's Index (from 1); grows with the columns, so no list is too long.
class ListColumnSettingsTable {
  public:
    ListColumnSetting& operator[](int index);
    ListColumnSetting at(int index) const;  // all 0 for an index never set
    void clear() { entries_.clear(); }

  private:
    std::vector<ListColumnSetting> entries_;
};

// Member 26 as read: fewer than ten characters (trimmed) is all 0; a character of digits 1 to 4
// that is not a digit counts as 0 and leaves the others as they are.
ListColumnSetting decodeListColumnSetting(const QString& digits);
// The four digits followed by "000000".
QString encodeListColumnSetting(const ListColumnSetting& setting);

// A width in twips as a member 7: rounded (halves to even), negative as 0, beyond 32 bits as the
// largest 32-bit number.
std::int32_t columnWidthTwips(double twips);

// One column as the designer saves it.
struct ListColumnOut {
    std::int32_t id = 0;  // the number after the key's first character
    QString tag;          // field name as read
    QString text;         // caption
    std::int32_t position = 1;
    double width = 0;  // twips
    ListColumnSetting setting;
};

// Font and colours of the whole list, written into every row.
struct ListAppearance {
    QString fontName = QStringLiteral("宋体");
    double fontSize = 9;
    std::int32_t foreColor = 0;
    std::int32_t backColor = 16777215;
};

// The row the designer writes for one column of interface `fid`.
ILITRecord listDesignerRecord(ListTable table, std::int32_t fid, const ListColumnOut& column,
                              const ListAppearance& look);

// The next version text: a numeric version plus 1, else 1.
QString listVersionText(const QString& version);

enum class ListSaveResult {
    Saved,
    NoInterface,  // the interface row could not be read: nothing written
    RowsRefused,  // the begin, a delete, an insert or the commit failed: nothing changed
};

// The designer's save: one transaction that raises the version (first statement), then, for a
// table, replaces the interface's column rows by `columns` in their order. A browse list
// without columns keeps its rows; `table` empty (an unknown kind) writes no rows.
// `progress(max, value)` follows the columns; a failed save is rolled back before it returns.
struct ListDesignerSave {
    std::int32_t hdbc = 0;
    std::int32_t fid = 0;
    const ListTable* table = nullptr;
    std::vector<ListColumnOut> columns;
    ListAppearance look;
    std::function<void(int max, int value)> progress;
};
ListSaveResult saveListDesigner(const ListDesignerSave& save);

// ---- Column pickers ------------------------------------------------------------------------

// A row of a picker's lists: the number of the row it was read from, caption, field name.
struct PickerRow {
    std::int32_t number = 0;
    QString caption;
    QString field;
};

// The row a picker writes for chosen column `position` (from 1): fixed width, fonts and
// settings texts, key 0.
ILITRecord pickerRecord(std::int32_t fid, std::int32_t position, const PickerRow& row);

enum class PickerSaveResult { Saved, Empty, DeleteFailed, InsertFailed };

// Replaces the interface's column rows by `rows`, in one transaction. `progress(value)` runs
// from 0 to n while the rows are made, then again while they are inserted.
PickerSaveResult savePickedColumns(ListTable table, std::int32_t hdbc, std::int32_t fid,
                                   const std::vector<PickerRow>& rows,
                                   const std::function<void(int value)>& progress = {});

// Deletes an interface row and its ISIT items in one transaction; true when both succeeded.
bool deleteInterfaceData(std::int32_t hdbc, std::int32_t fid);

}  // namespace zelk
