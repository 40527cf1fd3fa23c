#pragma once
// "增加栏目": adds field items to an interface. The opener calls init, shows it modally and reads
// Cancelled (true unless an item row was inserted) and NewItemId (the key of the row inserted
// last).

#include <cstdint>

#include <QString>

#include "platform/form.h"

namespace zelk {

class frm_field_new : public Form {
    Q_OBJECT
  public:
    explicit frm_field_new(QWidget* parent = nullptr);

    void init(std::int32_t hdbc, const QString& systemName, const QString& mainTable,
              std::int32_t fid, std::int16_t kind);

    bool Cancelled = true;
    std::int32_t NewItemId = 0;
    std::int32_t hdbc = 0;
    QString SystemName;
    QString MainTable;
    std::int32_t InterfaceId = 0;
    std::int16_t InterfaceKind = 0;
};

}  // namespace zelk
