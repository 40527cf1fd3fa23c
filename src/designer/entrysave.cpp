// SaveInterface of the item-entry designer: its rows through its own writers, the companion
// search form through the item-search writers.

#include "designer/frm_zelk_jmsj.h"
#include "designer/interfacesave.h"

namespace zelk {

void frm_zelk_jmsj::SaveInterface() {
    auto save = newSave<EntryFormSave>();
    // An item of a kind without a control is written back by its writer as it was read.
    save.writeItem = [this](std::int32_t i, ISITRecord& row) {
        SaveISITItem(ItemTable[static_cast<std::size_t>(i)], row);
    };
    save.writeSearchItem = [this](std::int32_t i, IJSTRecord& row) {
        SaveIJSTItem(ItemTable[static_cast<std::size_t>(i)], row);
    };
    save.SyncSearchForm = SyncSearchForm;
    save.SyncBrowseList = SyncBrowseList;
    if (!saveEntryForm(save)) return;
    InterfaceRow = save.row;
    DesignModified = false;
}

}  // namespace zelk
