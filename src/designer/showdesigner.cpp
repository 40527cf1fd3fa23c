#include "designer/showdesigner.h"

#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "platform/modalwindow.h"

namespace zelk {

void ShowDesignerWindow(DesignerKind kind, std::int32_t hdbc, std::int32_t fid, QWidget* owner,
                        std::function<void(QString&)> needHelp) {
    (void)fid;  // the designers' init, which loads the interface, comes with their windows
    const auto init = [hdbc](DesignerBase& designer) { designer.hdbc = hdbc; };
    if (kind == DesignerKind::ItemEntry) {
        ShowModalWindow<frm_zelk_jmsj>(init, owner, std::move(needHelp));
    } else {
        ShowModalWindow<frm_zelk_jssj>(init, owner, std::move(needHelp));
    }
}

}  // namespace zelk
