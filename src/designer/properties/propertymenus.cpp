// The designers' hidden menus of the item kinds: one entry "属性" each, running the kind's
// property handler. Nothing pops them up; the property command reaches the handlers directly.

#include "designer/designerbase.h"
#include "platform/errors.h"

namespace zelk {

void DesignerBase::buildPropertyMenus() {
    struct Entry {
        QMenu*& menu;
        const char* menuName;
        const char* caption;
        QAction*& action;
        const char* actionName;
        void (DesignerBase::*handler)();
    };
    const Entry entries[] = {
        {pop_text, "pop_text", "文本框菜单", mnu_text_prop, "mnu_text_prop",
         &DesignerBase::mnu_text_prop_Click},
        {pop_combo, "pop_combo", "组合框菜单", mnu_combo_prop, "mnu_combo_prop",
         &DesignerBase::mnu_combo_prop_Click},
        {pop_memo, "pop_memo", "多行文本菜单", mnu_memo_prop, "mnu_memo_prop",
         &DesignerBase::mnu_memo_prop_Click},
        {pop_date, "pop_date", "日期菜单", mnu_date_prop, "mnu_date_prop",
         &DesignerBase::mnu_date_prop_Click},
        {pop_mmx, "pop_mmx", "多媒体控件属性", mnu_mmx_prop, "mnu_mmx_prop",
         &DesignerBase::mnu_mmx_prop_Click},
        {pop_label, "pop_label", "标签属性", mnu_label_prop, "mnu_label_prop",
         &DesignerBase::mnu_label_prop_Click},
        {pop_check, "pop_check", "检查框属性", mnu_check_prop, "mnu_check_prop",
         &DesignerBase::mnu_check_prop_Click},
        {pop_childtable, "pop_childtable", "子表属性菜单", mnu_childtable_prop,
         "mnu_childtable_prop", &DesignerBase::mnu_childtable_prop_Click},
    };
    for (const Entry& e : entries) {
        e.menu = new QMenu(QString::fromUtf8(e.caption), this);
        e.menu->setObjectName(QString::fromLatin1(e.menuName));
        e.action = e.menu->addAction(QStringLiteral("属性"));
        e.action->setObjectName(QString::fromLatin1(e.actionName));
        const QString source = QString::fromLatin1(e.actionName) + QStringLiteral("_Click");
        // Virtual handlers: the designer's own override runs.
        connect(e.action, &QAction::triggered, this,
                Trapped(source, [this, handler = e.handler] { (this->*handler)(); }));
    }
}

}  // namespace zelk
