#pragma once
// The property dialog of one kind of design item ("属性"). Shown modally by the designers; F1
// raises NeedHelp. Cancelled stays true unless OK stored the properties.

#include "platform/form.h"

namespace zelk {

class frm_list_prop : public Form {
    Q_OBJECT
  public:
    explicit frm_list_prop(QWidget* parent = nullptr);

    bool Cancelled = true;
};

}  // namespace zelk
