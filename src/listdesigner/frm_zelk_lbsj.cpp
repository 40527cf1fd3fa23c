#include "listdesigner/frm_zelk_lbsj.h"

namespace zelk {

frm_zelk_lbsj::frm_zelk_lbsj(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_lbsj"));
    setWindowTitle(QStringLiteral("列表型界面编辑工具"));
    resizeTwips(8430, 4620);
}

void frm_zelk_lbsj::init(std::int32_t hdbc, std::int32_t fid, const QString& vlx) {
    hdbc_ = hdbc;
    fid_ = fid;
    vlx_ = vlx;
}

}  // namespace zelk
