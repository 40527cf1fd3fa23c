#pragma once
// The item-entry designer: designs an item-entry form, whose items are ISIT rows. It shares the
// item table, the canvas and the item-search writers (for the class's companion search form)
// with the item-search designer, and adds the postil kind and its own readings of some columns.

#include "designer/companions.h"
#include "designer/itemdesigner.h"
#include "designer/suitedatasource.h"

namespace zelk {

class frm_zelk_jmsj : public ItemDesigner<ISITRecord> {
  public:
    explicit frm_zelk_jmsj(QWidget* parent = nullptr);

    ControlArray<DesignTextBox> PostilArray;

    // Stores the interface and its items in one transaction; as SyncSearchForm and
    // SyncBrowseList ask, the class's default item-search form and browse list are regenerated
    // from the same items. Reports a failure itself.
    void SaveInterface();
    bool SyncSearchForm = false;
    bool SyncBrowseList = false;

    // The columns of a browse list, as QueryIlstColumns reads them, and the suite's own data
    // source with its lookups.
    BrowseColumnTable BrowseColumns;
    SuiteDataSource SuiteData;

    // The writer of an item's kind (ISIT rows).
    void SaveISITItem(const DesignItem& item, ISITRecord& row) const;

    // Postil items (kind 13). Until their own loader is in place they are kept as read, like
    // rows of a kind without a control.
    virtual void LoadPostilItem(const ISITRecord& row) { LoadOtherItem(row); }

  protected:
    void loadItemOfKind(std::int32_t kind, const ISITRecord& row) override;
    DesignControl* extraItemControl(std::int32_t kind, std::int32_t arrayIndex) const override;
    void completeDesignItem(DesignItem& item, const ItemSettings& settings) const override;
    void completeWrittenSettings(WrittenGroup group, const DesignItem& item, bool searchRow,
                                 ItemSettings& settings) const override;
};

}  // namespace zelk
