#pragma once
// The wizard's generators: a new interface row and one list column or form item per chosen
// field, all in one transaction. Each returns true when everything was committed, false after a
// rollback; they show no message of their own beyond those of the interface row.

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

#include "wizard/newinterface.h"
#include "wizard/wizardlayout.h"

namespace zelk {

// One row of the chosen-field list: the template item's bound column and its number.
struct ChosenField {
    QString column;
    std::int32_t itemNumber = 0;
};

enum class WizardList { ListEntry, BrowseList };

// A list-entry interface (ILIT columns) or a browse list (ILST columns).
bool GenerateListInterface(const WizardContext& context, const InterfaceEntries& entries,
                           const std::vector<ChosenField>& fields, WizardList list);

// An item-entry form (ISIT items) or an item-search form (IJST items), laid out automatically.
// A search form has no control that searches a sub-table: such a field is not placed on it (no
// row is stored) and its caption goes to `notPlaced`.
bool GenerateFormInterface(const WizardContext& context, const InterfaceEntries& entries,
                           const std::vector<ChosenField>& fields, WizardForm form,
                           const LayoutOptions& layout, QStringList* notPlaced = nullptr);

}  // namespace zelk
