#pragma once
// The interface wizard, "用户界面向导". For now it keeps what it is opened with.

#include <cstdint>

#include <QString>

#include "platform/form.h"

namespace zelk {

class frm_zelk_jmxd : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_jmxd(QWidget* parent = nullptr);

    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& classname, const QString& username);

    std::int32_t hdbc = 0;
    QString SystemName;
    QString MainTable;
    QString ClassName;
    QString UserName;
};

}  // namespace zelk
