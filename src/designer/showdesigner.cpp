#include "designer/showdesigner.h"

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "platform/modalwindow.h"

namespace zelk {

namespace {

template <class W>
void showDesigner(std::int32_t hdbc, std::int32_t fid, QWidget* owner,
                  std::function<void(QString&)> needHelp) {
    ShowModalWindow<W>([&](W& window) { window.init(hdbc, fid); }, owner, std::move(needHelp));
}

}  // namespace

void ShowDesignerWindow(DesignerKind kind, std::int32_t hdbc, std::int32_t fid, QWidget* owner,
                        std::function<void(QString&)> needHelp) {
    if (kind == DesignerKind::ItemEntry)
        showDesigner<frm_zelk_jmsj>(hdbc, fid, owner, std::move(needHelp));
    else
        showDesigner<frm_zelk_jssj>(hdbc, fid, owner, std::move(needHelp));
}

std::int32_t defaultInterfaceNumber(DesignerKind kind, std::int32_t hdbc, const QString& systemName,
                                    const QString& mainTable, const QString& className) {
    const QString wanted =
        kind == DesignerKind::ItemEntry ? QStringLiteral("1") : QStringLiteral("3");
    INDTRecord row;
    const std::int32_t stmt = sysINDTPrepareGetData(hdbc, systemName, mainTable, className);
    std::int32_t found = 0;
    while (stmt > 0 && sysINDTGetRecord(stmt, row) > 0) {
        if (found == 0 && TrimFixedField(fieldText(row.id05)) == wanted && HasDefaultFlag(row))
            found = row.id00;
    }
    return found;
}

}  // namespace zelk
