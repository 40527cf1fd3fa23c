#pragma once
// The item-entry designer: designs an item-entry form, whose items are ISIT rows. It shares the
// item table, the canvas and the item-search writers (for the class's companion search form)
// with the item-search designer, and adds the postil kind and its own readings of some columns.

#include "designer/itemdesigner.h"

namespace zelk {

class frm_zelk_jmsj : public ItemDesigner<ISITRecord> {
  public:
    explicit frm_zelk_jmsj(QWidget* parent = nullptr);

    ControlArray<DesignTextBox> PostilArray;

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
