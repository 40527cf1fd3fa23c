// SaveInterface of the item-entry designer: its rows through its own writers, the companion
// search form through the item-search writers.

#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_xgti.h"
#include "designer/interfacesave.h"
#include "propdialogs/frm_list_prop.h"
#include "propdialogs/frm_memo_prop.h"
#include "propdialogs/frm_mmx_prop.h"
#include "propdialogs/frm_postil_prop.h"
#include "propdialogs/frm_text_prop.h"

namespace zelk {

void frm_zelk_jmsj::SaveInterface() {
    // An item of a kind without a control is written back by its writer as it was read.
    auto save = newSave<EntryFormSave>();
    save.writeSearchItem = [this](std::int32_t i, IJSTRecord& row) {
        SaveIJSTItem(ItemTable[static_cast<std::size_t>(i)], row);
    };
    save.SyncSearchForm = SyncSearchForm;
    save.SyncBrowseList = SyncBrowseList;
    if (!saveEntryForm(save)) return;
    InterfaceRow = save.row;
    DesignModified = false;
}

void frm_zelk_jmsj::saveAsAsked() {
    frm_zelk_xgti choice(this);
    ShowModal(choice, this);
    choice.forceUnload();
    SyncSearchForm = choice.SyncSearch;
    SyncBrowseList = choice.SyncBrowse;
    SaveInterface();
}

void frm_zelk_jmsj::beforeCloseQuestion() {
    for (std::int32_t i = 1; i <= ItemCount; ++i) {
        DesignItem& item = ItemTable[static_cast<std::size_t>(i)];
        if (item.HintText == QLatin1String("0")) item.HintText.clear();
    }
}

}  // namespace zelk
