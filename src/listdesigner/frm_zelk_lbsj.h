#pragma once
// The list designer, "列表型界面编辑工具": edits the columns of a list-entry interface (ILIT
// rows) or a browse list (ILST rows). For now it keeps what it is opened on and loads nothing.

#include <cstdint>

#include <QString>

#include "platform/form.h"

namespace zelk {

class frm_zelk_lbsj : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_lbsj(QWidget* parent = nullptr);

    // vlx: "录入列表" or "检索列表".
    void init(std::int32_t hdbc, std::int32_t fid, const QString& vlx);

  private:
    std::int32_t hdbc_ = 0;
    std::int32_t fid_ = 0;
    QString vlx_;
};

}  // namespace zelk
