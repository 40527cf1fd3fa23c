// The two context menus of the canvas, as a right press shows them over a designer: pop_menu
// over a bound item, mnu_usercontrol over a custom label.

#include <QApplication>
#include <QLabel>
#include <QPainter>

#include "dataaccess/demodata.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/showdesigner.h"
#include "screenshots.h"

namespace {

// The designer with `menu` drawn where it pops up beside `control`.
void shootMenu(zelk::shots::ShotContext& ctx, zelk::frm_zelk_jmsj& form, QMenu* menu,
               zelk::DesignControl* control, const char* name) {
    form.VBSelectControl(control);
    QApplication::processEvents();
    QPixmap picture = form.grab();
    const QPoint at = control->mapTo(&form, QPoint(control->width() / 2, control->height() / 2));
    menu->popup(form.mapToGlobal(at));
    QApplication::processEvents();
    const QPixmap shown = menu->grab();
    menu->hide();
    QPainter painter(&picture);
    painter.drawPixmap(at, shown);
    painter.end();
    QLabel label;
    label.setPixmap(picture);
    label.resize(picture.size());
    ctx.save(&label, QString::fromLatin1(name));
}

}  // namespace

ZELK_SCREENSHOT("canvas_menus", [](zelk::shots::ShotContext& ctx) {
    const std::int32_t fid =
        zelk::defaultInterfaceNumber(zelk::DesignerKind::ItemEntry, ctx.hdbc, zelk::demo::kSystem,
                                     zelk::demo::kMainTable, zelk::demo::kClass);
    zelk::frm_zelk_jmsj form;
    form.init(ctx.hdbc, fid);
    form.resize(1100, 720);
    form.show();
    zelk::DesignControl* bound = nullptr;
    for (std::int32_t i = 1; i <= form.ItemCount && !bound; ++i)
        if (form.ItemTable[i].ControlKind == zelk::kKindTextBox)
            bound = form.itemControl(form.ItemTable[i]);
    if (bound) shootMenu(ctx, form, form.pop_menu, bound, "pop_menu");
    form.Toolbar2_ButtonClick("label");
    if (zelk::DesignControl* custom = form.CurrentControl())
        shootMenu(ctx, form, form.mnu_usercontrol, custom, "mnu_usercontrol");
    form.forceUnload();
});
