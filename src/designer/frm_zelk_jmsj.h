#pragma once
// The item-entry designer: designs an item-entry form, whose items are ISIT rows. It shares the
// item table, the canvas, the loaders and the writers with the item-search designer, and adds the
// postil kind, the labels' vertical alignment and its own readings of some columns.

#include "designer/companions.h"
#include "designer/itemdesigner.h"
#include "designer/suitedatasource.h"

namespace zelk {

class frm_list_prop;
class frm_memo_prop;
class frm_mmx_prop;
class frm_postil_prop;
class frm_text_prop;

// Check-box and list-box items of entry forms are drawn as text boxes.
using EntryItemDesigner = ItemDesigner<ISITRecord, DesignTextBox, DesignTextBox>;

class frm_zelk_jmsj : public EntryItemDesigner {
  public:
    explicit frm_zelk_jmsj(QWidget* parent = nullptr);

    ControlArray<DesignTextBox> PostilArray;

    // Stores the interface and its items in one transaction; as SyncSearchForm and
    // SyncBrowseList ask, the class's default item-search form and browse list are regenerated
    // from the same items. Reports a failure itself.
    void SaveInterface() override;
    bool SyncSearchForm = false;
    bool SyncBrowseList = false;

    // The columns of a browse list, as QueryIlstColumns reads them, and the suite's own data
    // source with its lookups.
    BrowseColumnTable BrowseColumns;
    SuiteDataSource SuiteData;

    frm_list_prop* pf5 = nullptr;
    frm_memo_prop* pf6 = nullptr;
    frm_mmx_prop* pf7 = nullptr;
    frm_postil_prop* pf8 = nullptr;
    frm_text_prop* pf9 = nullptr;
    void pf5_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf6_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf7_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf8_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf9_NeedHelp(QString& id) { raiseNeedHelp(id); }

    void mnu_text_prop_Click() override;
    void mnu_memo_prop_Click() override;
    void mnu_mmx_prop_Click() override;
    void mnu_check_prop_Click() override;
    // List-box and postil items: reached only through the properties command.
    void ShowListProp();
    void ShowPostilProp();

    // Postil items (kind 13): text boxes like sub-table items, in their own array.
    virtual void LoadPostilItem(const ISITRecord& row);

    // ---- Writers of item-entry rows. Each sets its kind's columns of `row`; the save clears
    // the row before each item and sets ii04 and ii29 itself.
    void SaveISITItem(const DesignItem& item, ISITRecord& row) const;
    void writeOwnRow(std::int32_t index, ISITRecord& row) const override {
        SaveISITItem(ItemTable[static_cast<std::size_t>(index)], row);
    }
    void SaveISITCaption(const DesignItem& item, ISITRecord& row) const;
    void SaveISITLabel(const DesignItem& item, ISITRecord& row) const;
    void SaveISITTextBox(const DesignItem& item, ISITRecord& row) const;
    void SaveISITCheckBox(const DesignItem& item, ISITRecord& row) const;
    void SaveISITComboBox(const DesignItem& item, ISITRecord& row) const;
    void SaveISITDatePicker(const DesignItem& item, ISITRecord& row) const;
    void SaveISITListBox(const DesignItem& item, ISITRecord& row) const;
    void SaveISITShape(const DesignItem& item, ISITRecord& row) const;
    void SaveISITFrame(const DesignItem& item, ISITRecord& row) const;
    void SaveISITLine(const DesignItem& item, ISITRecord& row) const;
    void SaveISITMemoBox(const DesignItem& item, ISITRecord& row) const;
    void SaveISITMMX(const DesignItem& item, ISITRecord& row) const;
    void SaveISITChildTable(const DesignItem& item, ISITRecord& row) const;
    void SaveISITPostil(const DesignItem& item, ISITRecord& row) const;
    // An item of a kind without a control goes back as it was read; only ii04 and ii29, which
    // the save sets, and the interface number ii01 change.
    void SaveISITOther(const DesignItem& item, ISITRecord& row) const;

    // A label's vertical alignment (0 top, 1 middle, 2 bottom), kept in its ToolTipText where
    // the label dialog edits it; anything else reads as top.
    static std::int16_t labelVerticalAlignment(const DesignLabel& label);

  protected:
    // "修改提示" first: whether the class's search form and browse list follow.
    void saveAsAsked() override;
    // A prompt text of "0" is stored as no prompt.
    void beforeCloseQuestion() override;
    void openPropertyDialog(const QString& arrayName) override;
    bool labelVerticalAlignEdited() const override { return true; }
    QString closeCaption() const override { return QStringLiteral("返回"); }
    QString ucPropertyCaption() const override { return QStringLiteral("编辑属性"); }
    SpacingRule spacingRule() const override { return SpacingRule::Entry; }

    void loadItemOfKind(std::int32_t kind, const ISITRecord& row) override;
    void labelLoaded(DesignLabel& label, const ItemSettings& settings) override;
    DesignControl* extraItemControl(std::int32_t kind, std::int32_t arrayIndex) const override;
    void completeDesignItem(DesignItem& item, const ItemSettings& settings) const override;
    void completeWrittenSettings(WrittenGroup group, const DesignItem& item, bool searchRow,
                                 ItemSettings& settings) const override;

  private:
    // Columns every entry writer of a kind with a name stores before the shared writer runs.
    void writeEntryColumns(const DesignItem& item, ISITRecord& row) const;
    void completeEntrySettings(WrittenGroup group, const DesignItem& item,
                               ItemSettings& settings) const;
};

}  // namespace zelk
