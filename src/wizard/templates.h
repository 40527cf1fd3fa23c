#pragma once
// The class templates a new interface can start from, and the fields of one of them.

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "wizard/newinterface.h"

namespace zelk {

// The class above `className` as the class tree gives it: the class's full name ends with its
// code, and what stands before the code is the full name of the class above. The empty class
// when the class is not found, has no code, or its full name does not end with it.
QString ClassAbove(std::int32_t hdbc, const QString& mainTable, const QString& className);

struct TemplateRow {
    std::int32_t number = 0;  // id00
    QString name;             // id03
    QString description;      // id04
};

// The class templates (kind 5) of the class, then of each class above it, then those stored
// with the empty class. The walk visits each class once, so a broken class tree still ends it.
// A query that fails ends the walk after telling the user; the rows found so far stay.
// `classAbove` stands in for the class tree (ClassAbove by default).
using ClassAboveFunction = std::function<QString(const QString& className)>;
std::vector<TemplateRow> CollectTemplates(const WizardContext& context,
                                          const ClassAboveFunction& classAbove = {});

struct TemplateField {
    std::int32_t itemNumber = 0;  // ii00
    QString caption;              // ii03
    QString column;               // ii02
};

// The fields a template offers: its items, except those bound to the four columns the system
// keeps itself (the sixth to ninth columns of the main table's definition). False, after telling
// the user, when the main table's definition cannot be read.
bool CollectTemplateFields(const WizardContext& context, std::int32_t templateNumber,
                           std::vector<TemplateField>& fields);

}  // namespace zelk
