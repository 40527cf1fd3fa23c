#pragma once
// Replacing an existing class template or system template by one a package brings.

#include <QString>
#include <cstdint>

#include "component/records.h"

namespace zelk {

// "[class]分类模板".
QString classTemplateName(const QString& className);

// True when a row named after the class's template exists (any system or main table); a
// failed select throws TransferFailure.
bool classTemplateExists(std::int32_t hdbc, const QString& className);

// The class template check: the old template's number (0 or less: none) in `oldNumber`; false
// when one exists and the person answers Cancel.
bool checkClassTemplate(std::int32_t hdbc, const INDTRecord& record, std::int32_t& oldNumber);
// After the item rows: old items whose bound column the new template lacks move to it, the new
// one takes the class's template name, and the old row goes with the items it kept. A failed
// statement throws TransferFailure (the caller's transaction then rolls back).
void finishClassTemplate(std::int32_t hdbc, std::int32_t oldNumber, std::int32_t newNumber);
// The system template check: asks before the old one is deleted; false when the person answers
// Cancel or the delete is refused (after its message).
bool checkSystemTemplate(std::int32_t hdbc, const INDTRecord& record);

// Each false when one of its statements failed.
bool RekeyTemplateItems(std::int32_t hdbc, std::int32_t oldNumber, std::int32_t newNumber);
bool RenameClassTemplate(std::int32_t hdbc, std::int32_t newNumber);

}  // namespace zelk
