#include "designer/showdesigner.h"

#include <memory>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"

namespace zelk {

void ShowDesignerWindow(DesignerKind kind, std::int32_t hdbc, std::int32_t fid, QWidget* owner,
                        std::function<void(QString&)> needHelp) {
    std::unique_ptr<DesignerBase> window;
    if (kind == DesignerKind::ItemEntry)
        window = std::make_unique<frm_zelk_jmsj>(owner);
    else
        window = std::make_unique<frm_zelk_jssj>(owner);
    if (needHelp)
        QObject::connect(window.get(), &Form::NeedHelp, window.get(),
                         [needHelp](QString& id) { needHelp(id); });
    window->init(hdbc, fid);
    window->showModal(owner);
    window->forceUnload();
}

std::int32_t defaultInterfaceNumber(DesignerKind kind, std::int32_t hdbc, const QString& systemName,
                                    const QString& mainTable, const QString& className) {
    const QString wanted =
        kind == DesignerKind::ItemEntry ? QStringLiteral("1") : QStringLiteral("3");
    INDTRecord row;
    const std::int32_t stmt = sysINDTPrepareGetData(hdbc, systemName, mainTable, className);
    std::int32_t found = 0;
    while (stmt > 0 && sysINDTGetRecord(stmt, row) > 0) {
        if (found == 0 && TrimFixedField(fieldText(row.id05)) == wanted &&
            TrimFixedField(fieldText(row.id07)).isEmpty())
            found = row.id00;
    }
    return found;
}

}  // namespace zelk
