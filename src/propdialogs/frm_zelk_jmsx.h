#pragma once
// "界面属性": the properties of one interface (its INDT row). The opener calls init, shows it
// modally and reads EditCancelled: false once OK stored the row, which the database then holds.

#include <cstdint>

#include <QPushButton>
#include <QString>

#include "platform/form.h"

namespace zelk {

class frm_zelk_jmsx : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_jmsx(QWidget* parent = nullptr);

    void init(std::int32_t hdbc, std::int32_t interfaceId, const QString& systemName);

    bool EditCancelled = true;
    std::int32_t hdbc = 0;
    std::int32_t InterfaceId = 0;
    QString SystemName;

    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"
};

}  // namespace zelk
