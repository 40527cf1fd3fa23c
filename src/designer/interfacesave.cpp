#include "designer/interfacesave.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/companions.h"
#include "platform/prompts.h"

namespace zelk {

namespace {

// Raised inside the transaction by a refused call; every other exception ends the save alike.
struct RefusedCall {};

void require(std::int32_t result) {
    if (result < 0) throw RefusedCall{};
}

std::int32_t insertRow(std::int32_t hdbc, ISITRecord& row) {
    return sysISITInsertRecord(hdbc, row);
}
std::int32_t insertRow(std::int32_t hdbc, IJSTRecord& row) {
    return sysIJSTInsertRecord(hdbc, row);
}

// The version, colour and size a saved interface row carries.
void stampRow(INDTRecord& row, const QString& version, const CanvasValues& canvas) {
    setField(row.id08, version);
    setField(row.id12, decimalText(canvas.BackColor));
    setField(row.id13, sizeText(canvas.Width));
    setField(row.id14, sizeText(canvas.Height));
}

// The stored form of the control font name the writer left in the row.
template <std::size_t N>
void encodeFont(std::array<char, N>& field) {
    setField(field, EncodeFontName(fieldText(field)));
}

template <class Row>
void insertKeptRows(std::int32_t hdbc, std::int32_t number, const std::vector<Row>& kept,
                    std::int32_t Row::*interfaceMember) {
    for (const Row& read : kept) {
        Row row = read;
        row.*interfaceMember = number;
        require(insertRow(hdbc, row));
    }
}

void reportFailure(std::int32_t hdbc) {
    odbc_RollbackTrans(hdbc);
    MsgBox(QStringLiteral("界面数据不能保存！"), vbCritical, QStringLiteral("系统提示"));
}

// A companion interface that exists: its row read into `row`. The saved interface itself never
// counts as its own companion.
bool readCompanion(std::int32_t hdbc, std::int32_t number, std::int32_t saved, INDTRecord& row) {
    if (number == 0 || number == saved) return false;
    row = INDTRecord{};
    return sysINDTGetDataByNo(hdbc, row, number) >= 1;
}

}  // namespace

QString nextVersionText(const QString& version) {
    return sizeText(leadingNumber(TrimFixedField(version)) + 1);
}

bool saveSearchForm(SearchFormSave& save) {
    const std::int32_t hdbc = save.hdbc;
    INDTRecord row = save.row;
    odbc_BeginTrans(hdbc);
    try {
        stampRow(row, nextVersionText(fieldText(row.id08)), save.canvas);
        require(sysINDTUpdateRecord(hdbc, row));
        require(sysIJSTDeleteRecords(hdbc, row.id00));
        for (std::int32_t i = 1; i <= save.items.count; ++i) {
            if (!save.items.isLive(i)) continue;
            IJSTRecord item{};
            setField(item.is29, decimalText(save.items.itemNo(i)));
            save.writeItem(i, item);
            encodeFont(item.is20);
            require(sysIJSTInsertRecord(hdbc, item));
        }
        insertKeptRows(hdbc, row.id00, save.keptRows, &IJSTRecord::is01);
        require(odbc_CommitTrans(hdbc));
    } catch (...) {
        reportFailure(hdbc);
        return false;
    }
    save.row = row;
    return true;
}

bool saveEntryForm(EntryFormSave& save) {
    const std::int32_t hdbc = save.hdbc;
    INDTRecord row = save.row;
    const QString mainTable = TrimFixedField(fieldText(row.id01));
    const QString className = TrimFixedField(fieldText(row.id02));
    const std::int32_t searchNumber =
        FindCompanionInterface(hdbc, mainTable, className, QStringLiteral("3"));
    const std::int32_t browseNumber =
        FindCompanionInterface(hdbc, mainTable, className, QStringLiteral("4"));

    // The user's column order and widths outlive the regeneration. They are read before the
    // transaction: a cursor opened inside one loses its rows on PostgreSQL.
    BrowseColumnTable columns;
    bool columnsRead = true;
    if (save.SyncBrowseList && browseNumber != 0 && browseNumber != row.id00)
        columnsRead = QueryIlstColumns(hdbc, browseNumber, columns);

    odbc_BeginTrans(hdbc);
    try {
        if (!columnsRead) throw RefusedCall{};
        const QString version = nextVersionText(fieldText(row.id08));
        stampRow(row, version, save.canvas);
        require(sysINDTUpdateRecord(hdbc, row));
        require(sysISITDeleteRecords(hdbc, row.id00));

        // A companion's version follows the saved interface's new one.
        const QString companionVersion = nextVersionText(version);
        INDTRecord searchRow;
        const bool search =
            save.SyncSearchForm && readCompanion(hdbc, searchNumber, row.id00, searchRow);
        if (search) {
            stampRow(searchRow, companionVersion, save.canvas);
            require(sysINDTUpdateRecord(hdbc, searchRow));
            require(sysIJSTDeleteRecords(hdbc, searchNumber));
        }
        INDTRecord browseRow;
        const bool browse =
            save.SyncBrowseList && readCompanion(hdbc, browseNumber, row.id00, browseRow);
        if (browse) {
            stampRow(browseRow, companionVersion, save.canvas);
            require(sysINDTUpdateRecord(hdbc, browseRow));
            require(sysILSTDeleteRecords(hdbc, browseNumber));
        }
        BrowseColumnPlacer placer(std::move(columns));

        for (std::int32_t i = 1; i <= save.items.count; ++i) {
            if (!save.items.isLive(i)) continue;
            ISITRecord item{};
            setField(item.ii29, decimalText(save.items.itemNo(i)));
            item.ii04 = save.items.entryOrder(i);
            save.writeItem(i, item);
            encodeFont(item.ii20);
            require(sysISITInsertRecord(hdbc, item));

            if (search) {
                IJSTRecord searchItem{};
                setField(searchItem.is29, decimalText(save.items.itemNo(i)));
                save.writeSearchItem(i, searchItem);
                encodeFont(searchItem.is20);
                // The search form asks for every item in a text box; drop-down boxes stay.
                if (TrimFixedField(fieldText(searchItem.is06)) != QStringLiteral("4"))
                    setField(searchItem.is06, QStringLiteral("2"));
                searchItem.is01 = searchNumber;
                require(sysIJSTInsertRecord(hdbc, searchItem));
            }
            // Electronic-file items have no browse column.
            if (browse && !fieldText(item.ii03).startsWith(QStringLiteral("电子文件"))) {
                ILSTRecord column{};
                InitIlstRecord(item, column);
                column.is01 = browseNumber;
                placer.place(column);
                require(sysILSTInsertRecord(hdbc, column));
            }
        }
        insertKeptRows(hdbc, row.id00, save.keptRows, &ISITRecord::ii01);
        require(odbc_CommitTrans(hdbc));
    } catch (...) {
        reportFailure(hdbc);
        return false;
    }
    save.row = row;
    return true;
}

}  // namespace zelk
