#pragma once
// Storing a designed interface: its INDT row, then one row per live item in one transaction, and
// for an item-entry interface optionally the class's default item-search form and browse list
// regenerated from the same items. Nothing of a failed save stays in the database.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "component/records.h"

namespace zelk {

// The canvas values an interface row keeps: background colour, width and height in twips.
struct CanvasValues {
    std::int32_t BackColor = 0;
    double Width = 0;
    double Height = 0;
};

// The designer's items as the save walks them: entries 1..count of its item table, in order.
struct SaveItemSource {
    std::int32_t count = 0;  // taken when the save starts
    std::function<bool(std::int32_t index)> isLive;
    std::function<std::int32_t(std::int32_t index)> itemNo;
    std::function<std::int32_t(std::int32_t index)> entryOrder;
};

// An item table whose entries have Deleted, ItemNo and EntryOrder.
template <class Item>
SaveItemSource itemSource(const std::vector<Item>& table, std::int32_t count) {
    SaveItemSource source;
    source.count = count;
    source.isLive = [&table](std::int32_t i) {
        return table[static_cast<std::size_t>(i)].Deleted == 0;
    };
    source.itemNo = [&table](std::int32_t i) { return table[static_cast<std::size_t>(i)].ItemNo; };
    source.entryOrder = [&table](std::int32_t i) {
        return table[static_cast<std::size_t>(i)].EntryOrder;
    };
    return source;
}

template <class Row>
using ItemRowWriter = std::function<void(std::int32_t index, Row&)>;

// The row of live item `index` as a save builds it: its item number (and entry order in
// item-entry rows), what the kind's writer sets, and the font name in its stored form.
template <class Row>
Row writtenItemRow(const SaveItemSource& items, std::int32_t index,
                   const ItemRowWriter<Row>& write);

// One save of an item-search interface (IJST rows).
struct SearchFormSave {
    std::int32_t hdbc = 0;
    INDTRecord row{};  // a copy of the window's row; holds the stored row after a commit
    CanvasValues canvas;
    // As opened, for an unedited save: values left alone keep their text. Without it (an edited
    // design) the row takes the canvas as it is.
    std::optional<CanvasValues> loadedCanvas;
    SaveItemSource items;
    ItemRowWriter<IJSTRecord> writeItem;     // the kind's writer
    ItemRowWriter<IJSTRecord> keepUnedited;  // puts back what the user did not change
    std::vector<IJSTRecord> keptRows;  // rows the designer could not show, written back as read
};

// One save of an item-entry interface (ISIT rows) and, when asked, its companions.
struct EntryFormSave {
    std::int32_t hdbc = 0;
    INDTRecord row{};
    CanvasValues canvas;
    std::optional<CanvasValues> loadedCanvas;
    SaveItemSource items;
    ItemRowWriter<ISITRecord> writeItem;
    ItemRowWriter<ISITRecord> keepUnedited;
    ItemRowWriter<IJSTRecord> writeSearchItem;
    std::vector<ISITRecord> keptRows;
    bool SyncSearchForm = false;
    bool SyncBrowseList = false;
};

// Only the version, the canvas values and the items are the save's own: the interface row is read
// and written inside the transaction, so that its other members stay as stored. After the commit
// of an item-entry save, a companion asked for but missing is reported. True when the save was
// committed; `row` then holds the row as stored. On any failure (a refused update, delete or
// insert, a writer that throws, a refused commit) everything is rolled back, the user is told
// "界面数据不能保存！" once, and `row` is left as it was.
bool saveSearchForm(SearchFormSave& save);
bool saveEntryForm(EntryFormSave& save);

// The version text that follows `version`: its leading number plus 1.
QString nextVersionText(const QString& version);

}  // namespace zelk
