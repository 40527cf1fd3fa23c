#pragma once
// The check-box and postil dialogs, one implementation: the text-box dialog with a sixth page
// "审批特性设置" that ties the item to an approval step (a list read from the database when the
// window loads) and marks it as a single-user handling window. The two differ in their design
// only: width, banner, two captions, the caption labels' array name and the hidden boxes.

#include "propdialogs/itempropertydialog.h"
#include "propdialogs/propertyvars.h"

namespace zelk {

struct ApprovalPropertyVars : PropertyItemVars, PropertyLookVars {
    bool AutoTab = false;
    std::int16_t SpecialEffect = 0;
    bool ApplyToSameKind = false;
    QString ApprovalStepName;
    bool SingleUserWindow = false;
    // Inputs of the step list only: never shown or changed.
    std::int32_t hdbc = 0;
    QString fid;  // the interface number as decimal text
};

class ApprovalPropertyDialog : public ItemPropertyDialog, public ApprovalPropertyVars {
    Q_OBJECT
  public:
    // Fills the list of Combo1 with the approval steps of the interface, or of the system.
    void GetHj();

    QComboBox* Combo1 = nullptr;  // the step name: typed or picked

  protected:
    ApprovalPropertyDialog(const PropertyDialogDesign& design, QWidget* parent);
    // The dialog's constructor hands over page 6's two labels, named as it names them.
    void finishApprovalPage(QLabel* stepCaption, QLabel* note);

    void Form_Load() override;
};

}  // namespace zelk
