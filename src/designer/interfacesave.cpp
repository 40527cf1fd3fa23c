#include "designer/interfacesave.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/companions.h"
#include "designer/itemcolumns.h"
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

// Runs a save's database work in one transaction: true when committed; otherwise everything is
// rolled back and the user told.
template <class Work>
bool inSaveTransaction(std::int32_t hdbc, Work&& work) {
    try {
        // Without a transaction nothing may be written: a refused begin fails the save.
        require(odbc_BeginTrans(hdbc));
        work();
        require(odbc_CommitTrans(hdbc));
        return true;
    } catch (...) {
        odbc_RollbackTrans(hdbc);
        MsgBox(QStringLiteral("界面数据不能保存！"), vbCritical, QStringLiteral("系统提示"));
        return false;
    }
}

// The row of live item `i`: its item number (and entry order in item-entry rows), what the
// kind's writer sets, and the font name in its stored form.
template <class Row>
Row writtenItem(const SaveItemSource& items, std::int32_t i,
                const std::function<void(std::int32_t, Row&)>& write) {
    using C = ItemColumns<Row>;
    Row row{};
    setField(row.*C::m29, decimalText(items.itemNo(i)));
    if constexpr (!C::kSearchRow) row.*C::m04 = items.entryOrder(i);
    write(i, row);
    encodeFont(row.*C::m20);
    return row;
}

// Readies an existing companion for regeneration: its row restamped and its rows deleted. False
// when it is not asked for or does not exist; the saved interface never counts as its own.
bool clearCompanion(std::int32_t hdbc, bool wanted, std::int32_t number, std::int32_t saved,
                    const QString& version, const CanvasValues& canvas,
                    std::int32_t (*deleteRows)(std::int32_t, std::int32_t)) {
    if (!wanted || number == 0 || number == saved) return false;
    INDTRecord row{};
    if (sysINDTGetDataByNo(hdbc, row, number) < 1) return false;
    stampRow(row, version, canvas);
    require(sysINDTUpdateRecord(hdbc, row));
    require(deleteRows(hdbc, number));
    return true;
}

}  // namespace

QString nextVersionText(const QString& version) {
    return sizeText(leadingNumber(TrimFixedField(version)) + 1);
}

bool saveSearchForm(SearchFormSave& save) {
    const std::int32_t hdbc = save.hdbc;
    INDTRecord row = save.row;
    const bool saved = inSaveTransaction(hdbc, [&] {
        stampRow(row, nextVersionText(fieldText(row.id08)), save.canvas);
        require(sysINDTUpdateRecord(hdbc, row));
        require(sysIJSTDeleteRecords(hdbc, row.id00));
        for (std::int32_t i = 1; i <= save.items.count; ++i) {
            if (!save.items.isLive(i)) continue;
            IJSTRecord item = writtenItem(save.items, i, save.writeItem);
            require(sysIJSTInsertRecord(hdbc, item));
        }
        insertKeptRows(hdbc, row.id00, save.keptRows, &IJSTRecord::is01);
    });
    if (saved) save.row = row;
    return saved;
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

    // The user's column order and widths outlive the regeneration: read them before the old
    // columns are deleted.
    BrowseColumnTable columns;
    bool columnsRead = true;
    if (save.SyncBrowseList && browseNumber != 0 && browseNumber != row.id00)
        columnsRead = QueryIlstColumns(hdbc, browseNumber, columns);

    const bool saved = inSaveTransaction(hdbc, [&] {
        if (!columnsRead) throw RefusedCall{};
        const QString version = nextVersionText(fieldText(row.id08));
        stampRow(row, version, save.canvas);
        require(sysINDTUpdateRecord(hdbc, row));
        require(sysISITDeleteRecords(hdbc, row.id00));

        // A companion's version follows the saved interface's new one.
        const QString companionVersion = nextVersionText(version);
        const bool search = clearCompanion(hdbc, save.SyncSearchForm, searchNumber, row.id00,
                                           companionVersion, save.canvas, sysIJSTDeleteRecords);
        const bool browse = clearCompanion(hdbc, save.SyncBrowseList, browseNumber, row.id00,
                                           companionVersion, save.canvas, sysILSTDeleteRecords);
        BrowseColumnPlacer placer(std::move(columns));

        for (std::int32_t i = 1; i <= save.items.count; ++i) {
            if (!save.items.isLive(i)) continue;
            ISITRecord item = writtenItem(save.items, i, save.writeItem);
            require(sysISITInsertRecord(hdbc, item));

            if (search) {
                IJSTRecord searchItem = writtenItem(save.items, i, save.writeSearchItem);
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
    });
    if (saved) save.row = row;
    return saved;
}

}  // namespace zelk
