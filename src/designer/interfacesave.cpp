#include "designer/interfacesave.h"

#include <algorithm>

#include <QStringList>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/companions.h"
#include "designer/itemcolumns.h"
#include "platform/prompts.h"
#include "rowchanges/transactions.h"

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

// The canvas colour and size an interface row carries; with `unless`, only those that differ
// from it, so that a canvas the user left alone keeps the text stored.
void stampCanvas(INDTRecord& row, const CanvasValues& canvas,
                 const std::optional<CanvasValues>& unless = std::nullopt) {
    if (!unless || canvas.BackColor != unless->BackColor)
        setField(row.id12, decimalText(canvas.BackColor));
    if (!unless || canvas.Width != unless->Width) setField(row.id13, sizeText(canvas.Width));
    if (!unless || canvas.Height != unless->Height) setField(row.id14, sizeText(canvas.Height));
}

// The saved interface's row as stored now, read inside the save's transaction, with what the save
// owns: the next version and the canvas values (all of them for an edited design, so that it
// reopens on the canvas it was saved on). Name, description, flags and the rest stay as stored,
// so that a change made meanwhile in the manager survives.
INDTRecord savedInterfaceRow(std::int32_t hdbc, std::int32_t number, const CanvasValues& canvas,
                             const std::optional<CanvasValues>& loadedCanvas) {
    // Locked before it is read, so that a change committed meanwhile is read, not overwritten.
    if (!lockInterfaceRow(hdbc, number)) throw RefusedCall{};
    INDTRecord row{};
    if (sysINDTGetDataByNo(hdbc, row, number) < 1) throw RefusedCall{};
    setField(row.id08, nextVersionText(fieldText(row.id08)));
    stampCanvas(row, canvas, loadedCanvas);
    require(sysINDTUpdateRecord(hdbc, row));
    return row;
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

// The row of live item `i` with the members the user did not change as they were read.
template <class Row>
Row savedItem(const SaveItemSource& items, std::int32_t i, const ItemRowWriter<Row>& write,
              const ItemRowWriter<Row>& keepUnedited) {
    Row row = writtenItemRow(items, i, write);
    if (keepUnedited) keepUnedited(i, row);
    return row;
}

// Readies an existing companion for regeneration: its row restamped and its rows deleted. False
// when it is not asked for or does not exist; the saved interface never counts as its own. Its
// version passes both its own and the saved interface's, so that whatever reloads on a higher
// version sees the change.
bool clearCompanion(std::int32_t hdbc, bool wanted, std::int32_t number, const INDTRecord& saved,
                    const CanvasValues& canvas,
                    std::int32_t (*deleteRows)(std::int32_t, std::int32_t)) {
    if (!wanted || number == 0 || number == saved.id00) return false;
    INDTRecord row{};
    if (sysINDTGetDataByNo(hdbc, row, number) < 1) return false;
    const double own = leadingNumber(TrimFixedField(fieldText(row.id08)));
    const double after = leadingNumber(TrimFixedField(fieldText(saved.id08)));
    setField(row.id08, sizeText(std::max(own, after) + 1));
    stampCanvas(row, canvas);
    require(sysINDTUpdateRecord(hdbc, row));
    require(deleteRows(hdbc, number));
    return true;
}

// Tells the user, once the save is stored, which companion asked for the class does not have.
void reportMissingCompanions(bool search, bool browse) {
    QStringList missing;
    if (search) missing << QStringLiteral("条目检索界面");
    if (browse) missing << QStringLiteral("数据浏览列表");
    if (missing.isEmpty()) return;
    MsgBox(QStringLiteral("界面已保存，但该分类没有默认的") + missing.join(QStringLiteral("和")) +
               QStringLiteral("，未能同步！"),
           vbInformation, QStringLiteral("系统提示"));
}

}  // namespace

template <class Row>
Row writtenItemRow(const SaveItemSource& items, std::int32_t index,
                   const ItemRowWriter<Row>& write) {
    using C = ItemColumns<Row>;
    Row row{};
    setField(row.*C::m29, decimalText(items.itemNo(index)));
    if constexpr (!C::kSearchRow) row.*C::m04 = items.entryOrder(index);
    write(index, row);
    encodeFont(row.*C::m20);
    return row;
}

template ISITRecord writtenItemRow(const SaveItemSource&, std::int32_t,
                                   const ItemRowWriter<ISITRecord>&);
template IJSTRecord writtenItemRow(const SaveItemSource&, std::int32_t,
                                   const ItemRowWriter<IJSTRecord>&);

QString nextVersionText(const QString& version) {
    return sizeText(leadingNumber(TrimFixedField(version)) + 1);
}

bool saveSearchForm(SearchFormSave& save) {
    const std::int32_t hdbc = save.hdbc;
    INDTRecord row = save.row;
    const bool saved = inSaveTransaction(hdbc, [&] {
        row = savedInterfaceRow(hdbc, save.row.id00, save.canvas, save.loadedCanvas);
        require(sysIJSTDeleteRecords(hdbc, row.id00));
        for (std::int32_t i = 1; i <= save.items.count; ++i) {
            if (!save.items.isLive(i)) continue;
            IJSTRecord item = savedItem(save.items, i, save.writeItem, save.keepUnedited);
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
    bool search = false, browse = false;
    const bool saved = inSaveTransaction(hdbc, [&] {
        row = savedInterfaceRow(hdbc, save.row.id00, save.canvas, save.loadedCanvas);
        require(sysISITDeleteRecords(hdbc, row.id00));

        // Companions are looked up in the transaction, by the row as stored now.
        const CompanionKeys keys = companionKeys(row);
        const auto companion = [&](bool wanted, const char* kind) {
            if (!wanted) return 0;
            const std::int32_t number = FindCompanionInterface(hdbc, keys, QLatin1String(kind));
            require(number);
            return number;
        };
        const std::int32_t searchNumber = companion(save.SyncSearchForm, "3");
        const std::int32_t browseNumber = companion(save.SyncBrowseList, "4");
        // The user's column order and widths outlive the regeneration: read them before the old
        // columns are deleted.
        BrowseColumnTable columns;
        if (save.SyncBrowseList && browseNumber > 0 && browseNumber != row.id00 &&
            !QueryIlstColumns(hdbc, browseNumber, columns))
            throw RefusedCall{};
        search = clearCompanion(hdbc, save.SyncSearchForm, searchNumber, row, save.canvas,
                                sysIJSTDeleteRecords);
        browse = clearCompanion(hdbc, save.SyncBrowseList, browseNumber, row, save.canvas,
                                sysILSTDeleteRecords);
        BrowseColumnPlacer placer(std::move(columns));

        for (std::int32_t i = 1; i <= save.items.count; ++i) {
            if (!save.items.isLive(i)) continue;
            ISITRecord item = savedItem(save.items, i, save.writeItem, save.keepUnedited);
            require(sysISITInsertRecord(hdbc, item));

            if (search) {
                IJSTRecord searchItem = writtenItemRow(save.items, i, save.writeSearchItem);
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
    if (!saved) return false;
    save.row = row;
    reportMissingCompanions(save.SyncSearchForm && !search, save.SyncBrowseList && !browse);
    return true;
}

}  // namespace zelk
