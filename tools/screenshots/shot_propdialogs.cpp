// The ten item property dialogs after LoadAllProperties with a demo item of their kind, and the
// check-box dialog's approval page with the demo route's steps.

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <functional>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "propdialogs/frm_check_prop.h"
#include "propdialogs/frm_combo_prop.h"
#include "propdialogs/frm_ctable_prop.h"
#include "propdialogs/frm_date_prop.h"
#include "propdialogs/frm_label_prop.h"
#include "propdialogs/frm_list_prop.h"
#include "propdialogs/frm_memo_prop.h"
#include "propdialogs/frm_mmx_prop.h"
#include "propdialogs/frm_postil_prop.h"
#include "propdialogs/frm_text_prop.h"
#include "screenshots.h"

namespace {

using namespace zelk;

std::int32_t demoEntryForm(std::int32_t hdbc) {
    return sysINDTGetInterfaceByName(hdbc, demo::kMainTable, demo::kSystem, demo::kClass,
                                     QStringLiteral("发文登记"));
}

// The first item of that kind on the demo item-entry form.
ISITRecord demoItem(std::int32_t hdbc, int kind) {
    ISITRecord found;
    ISITRecord r;
    const std::int32_t stmt = sysISITPrepareGetData(hdbc, demoEntryForm(hdbc));
    bool have = false;
    while (stmt > 0 && sysISITGetRecord(stmt, r) > 0) {
        if (!have && fieldText(r.ii06) == QString::number(kind)) {
            found = r;
            have = true;
        }
    }
    return found;
}

// What a designer would hand over for the item: its texts from the row, the look of a fresh
// design control.
template <class D>
void fillFromItem(D& d, const ISITRecord& r) {
    if constexpr (requires { d.ItemName; }) d.ItemName = fieldText(r.ii03);
    if constexpr (requires { d.Caption; }) d.Caption = fieldText(r.ii36);
    if constexpr (requires { d.Format; }) d.Format = fieldText(r.ii33);
    if constexpr (requires { d.DefaultValue; }) d.DefaultValue = fieldText(r.ii36);
    if constexpr (requires { d.HintText; }) d.HintText = fieldText(r.ii37);
    if constexpr (requires { d.EntryOrder; }) d.EntryOrder = static_cast<std::int16_t>(r.ii04);
    if constexpr (requires { d.BoundColumn; }) d.BoundColumn = fieldText(r.ii02);
    if constexpr (requires { d.ChildTableClass; }) d.ChildTableClass = fieldText(r.ii28);
    if constexpr (requires { d.ApprovalStepName; }) d.ApprovalStepName = fieldText(r.ii28);
    if constexpr (requires { d.MaxLength; }) d.MaxLength = fieldText(r.ii42);
    d.Visible = true;
    d.Enabled = true;
    d.ForeColor = 0;
    d.BackColor = fieldText(r.ii24).toInt();
    d.BorderColor = 0;
    d.FontName = fieldText(r.ii20);
    d.FontSize = fieldText(r.ii22).toInt();
    d.TextAlign = 1;
    d.BackStyle = 1;
    d.BorderStyle = 1;
    if constexpr (requires { d.SpecialEffect; }) d.SpecialEffect = 2;
    if constexpr (requires { d.Appearance; }) d.Appearance = 1;
}

template <class D>
void shoot(shots::ShotContext& ctx, int kind, const char* name, std::function<void(D&)> more = {}) {
    D dialog;
    fillFromItem(dialog, demoItem(ctx.hdbc, kind));
    if (more) more(dialog);
    dialog.LoadAllProperties();
    dialog.show();
    ctx.save(&dialog, QString::fromLatin1(name));
    dialog.forceUnload();
}

}  // namespace

ZELK_SCREENSHOT("frm_text_prop",
                [](shots::ShotContext& ctx) { shoot<frm_text_prop>(ctx, 2, "frm_text_prop"); });
ZELK_SCREENSHOT("frm_memo_prop",
                [](shots::ShotContext& ctx) { shoot<frm_memo_prop>(ctx, 10, "frm_memo_prop"); });
ZELK_SCREENSHOT("frm_date_prop",
                [](shots::ShotContext& ctx) { shoot<frm_date_prop>(ctx, 5, "frm_date_prop"); });
ZELK_SCREENSHOT("frm_combo_prop",
                [](shots::ShotContext& ctx) { shoot<frm_combo_prop>(ctx, 4, "frm_combo_prop"); });
ZELK_SCREENSHOT("frm_list_prop",
                [](shots::ShotContext& ctx) { shoot<frm_list_prop>(ctx, 6, "frm_list_prop"); });
ZELK_SCREENSHOT("frm_ctable_prop", [](shots::ShotContext& ctx) {
    shoot<frm_ctable_prop>(ctx, 12, "frm_ctable_prop", [](frm_ctable_prop& d) {
        d.ExtraInfoEntryMode = 1;
        d.ListEntryMode = 1;
    });
});
ZELK_SCREENSHOT("frm_mmx_prop", [](shots::ShotContext& ctx) {
    shoot<frm_mmx_prop>(ctx, 11, "frm_mmx_prop", [](frm_mmx_prop& d) { d.ShowMediaInline = true; });
});
ZELK_SCREENSHOT("frm_label_prop", [](shots::ShotContext& ctx) {
    shoot<frm_label_prop>(ctx, 1, "frm_label_prop", [](frm_label_prop& d) {
        d.VerticalAlign = 1;
        d.BackStyle = 0;
        d.BorderStyle = 0;
    });
});
ZELK_SCREENSHOT("frm_postil_prop", [](shots::ShotContext& ctx) {
    shoot<frm_postil_prop>(ctx, 13, "frm_postil_prop", [&ctx](frm_postil_prop& d) {
        d.fid = QString::number(demoEntryForm(ctx.hdbc));
        d.hdbc = ctx.hdbc;
    });
});
ZELK_SCREENSHOT("frm_check_prop", [](shots::ShotContext& ctx) {
    auto forForm = [&ctx](frm_check_prop& d) {
        d.fid = QString::number(demoEntryForm(ctx.hdbc));
        d.hdbc = ctx.hdbc;
    };
    shoot<frm_check_prop>(ctx, 3, "frm_check_prop", forForm);
    frm_check_prop dialog;
    fillFromItem(dialog, demoItem(ctx.hdbc, 3));
    forForm(dialog);
    dialog.LoadAllProperties();
    dialog.show();
    dialog.SSTab1->SetTab(5);
    QApplication::processEvents();
    // The step list drops down in a window of its own: drawn into the dialog's picture below
    // the box, as the user sees it.
    QPixmap picture = dialog.grab();
    dialog.Combo1->showPopup();
    QApplication::processEvents();
    if (QWidget* popup = dialog.Combo1->view()->window(); popup && popup->isVisible()) {
        QPainter painter(&picture);
        const QPoint at = dialog.Combo1->mapTo(&dialog, QPoint(0, dialog.Combo1->height()));
        painter.drawPixmap(at, popup->grab());
    }
    dialog.Combo1->hidePopup();
    QLabel shown;
    shown.setPixmap(picture);
    shown.resize(picture.size());
    ctx.save(&shown, QStringLiteral("frm_check_prop-approval"));
    dialog.forceUnload();
});
