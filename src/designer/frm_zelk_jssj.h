#pragma once
// The item-search designer: designs an item-search form, whose items are IJST rows.

#include "designer/itemdesigner.h"

namespace zelk {

class frm_memo_prop;
class frm_mmx_prop;
class frm_text_prop;

class frm_zelk_jssj : public ItemDesigner<IJSTRecord> {
  public:
    explicit frm_zelk_jssj(QWidget* parent = nullptr);

    // Stores the interface and its items in one transaction; reports a failure itself.
    void SaveInterface() override;

    frm_memo_prop* pf5 = nullptr;
    frm_mmx_prop* pf6 = nullptr;
    frm_text_prop* pf7 = nullptr;
    void pf5_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf6_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf7_NeedHelp(QString& id) { raiseNeedHelp(id); }

    void mnu_text_prop_Click() override;
    void mnu_memo_prop_Click() override;
    void mnu_mmx_prop_Click() override;
    void mnu_check_prop_Click() override;

  protected:
    // List boxes, rectangles, frames and lines open nothing.
    void openPropertyDialog(const QString& arrayName) override;
    QString closeCaption() const override { return QStringLiteral("退出设计"); }
    QString ucPropertyCaption() const override { return QStringLiteral("修改属性..."); }
    SpacingRule spacingRule() const override { return SpacingRule::Search; }
    bool storesSearchRows() const override { return true; }
};

}  // namespace zelk
