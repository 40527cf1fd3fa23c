#pragma once
// The package transfer window, "界面数据导入/导出". For now it keeps what it is opened with.

#include <cstdint>

#include <QString>

#include "platform/form.h"

namespace zelk {

class frm_zelk_ibr : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_ibr(QWidget* parent = nullptr);

    // The user name comes before the class name.
    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& username, const QString& classname);

    std::int32_t hdbc = 0;
    QString SystemName;
    QString MainTable;
    QString UserName;
    QString ClassName;
};

}  // namespace zelk
