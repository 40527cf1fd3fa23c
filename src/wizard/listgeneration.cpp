// List interfaces from the chosen fields: one column per field, in the list's order.

#include <type_traits>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "wizard/generation.h"

namespace zelk {

namespace {

// Browse-list columns have the layout of list-entry columns under other names.
static_assert(sizeof(ILSTRecord) == sizeof(ILITRecord) &&
              offsetof(ILSTRecord, is30) == offsetof(ILITRecord, ii30));

// The column of the field at `position`, with the default look the list designer starts from.
ILITRecord columnOf(const ISITRecord& item, std::int32_t owner, std::int32_t position,
                    WizardList list) {
    ILITRecord c;
    c.ii01 = owner;
    copyField(c.ii02, item.ii02);
    copyField(c.ii03, item.ii03);
    c.ii04 = position;
    setField(c.ii05, QStringLiteral("1"));
    setField(c.ii06, QStringLiteral("2"));
    c.ii07 = 1440;
    for (auto* font : {&c.ii15, &c.ii20}) setField(*font, QStringLiteral("宋体"));
    for (auto* style : {&c.ii16, &c.ii21}) setField(*style, QStringLiteral("0000"));
    for (auto* size : {&c.ii17, &c.ii22}) setField(*size, QStringLiteral("9"));
    for (auto* fore : {&c.ii18, &c.ii23}) setField(*fore, QStringLiteral("0"));
    for (auto* back : {&c.ii19, &c.ii24}) setField(*back, QStringLiteral("16777215"));
    setField(c.ii25, QString());
    setField(c.ii26, list == WizardList::ListEntry ? QStringLiteral("0000000000") : QString());
    setField(c.ii27, QString());
    setField(c.ii28, QString());
    setField(c.ii29, QString());
    setField(c.ii30, QString());
    return c;
}

std::int32_t insertColumn(std::int32_t hdbc, const ILITRecord& column, WizardList list) {
    if (list == WizardList::ListEntry) {
        ILITRecord row = column;
        return sysILITInsertRecord(hdbc, row);
    }
    ILSTRecord row;
    fromWire(toWire(column), row);
    return sysILSTInsertRecord(hdbc, row);
}

}  // namespace

bool GenerateListInterface(const WizardContext& context, const InterfaceEntries& entries,
                           const std::vector<ChosenField>& fields, WizardList list) {
    const std::int32_t hdbc = context.hdbc;
    if (odbc_BeginTrans(hdbc) < 0) return false;
    const std::int32_t number = InsertWizardInterface(
        context, entries, list == WizardList::ListEntry ? kKindListEntry : kKindBrowseList);
    if (number <= 0) {
        odbc_RollbackTrans(hdbc);
        return false;
    }
    std::int32_t position = 0;
    for (const ChosenField& field : fields) {
        ++position;
        ISITRecord item;
        // A field whose template item is gone fails the whole list rather than leave a hole.
        if (sysISITGetItem(hdbc, item, field.itemNumber) < 1 ||
            insertColumn(hdbc, columnOf(item, number, position, list), list) < 1) {
            odbc_RollbackTrans(hdbc);
            return false;
        }
    }
    return odbc_CommitTrans(hdbc) >= 0;
}

}  // namespace zelk
