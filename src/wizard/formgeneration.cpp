// Form interfaces from the chosen fields: one item per field, with its control kind, its place
// on the automatic grid, fixed fonts and colours and the style's flag strings. The item-entry
// and the item-search form differ only where marked.

#include <type_traits>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/itemcolumns.h"
#include "wizard/generation.h"

namespace zelk {

namespace {

// One item before it is placed: its row and where it takes its grid place.
template <class Row>
struct PendingItem {
    Row row;
    std::int32_t kind = 0;
    GridSlot slot;
};

// The members the search form sets for every field; the entry form replaces the same members
// of the template item.
template <class Row>
void setItemHead(Row& r, std::int32_t owner, std::int32_t order, std::int32_t kind) {
    using C = ItemColumns<Row>;
    r.*C::m01 = owner;
    r.*C::m04 = order;
    setField(r.*C::m05, QStringLiteral("1"));
    setField(r.*C::m06, QString::number(kind));
}

template <class Row>
void setPlace(Row& r, const ItemPlace& p) {
    using C = ItemColumns<Row>;
    r.*C::m07 = p.label.left;
    r.*C::m08 = p.label.top;
    r.*C::m09 = p.label.right;
    r.*C::m10 = p.label.bottom;
    r.*C::m11 = p.control.left;
    r.*C::m12 = p.control.top;
    r.*C::m13 = p.control.right;
    r.*C::m14 = p.control.bottom;
}

// Flag strings of the style and the fonts, colours and values every laid-out item gets.
template <class Row>
void setLook(Row& r, WizardForm form, WizardLayoutStyle style, std::int32_t kind) {
    using C = ItemColumns<Row>;
    const ItemFlagStrings flags = FlagStringsFor(form, style, kind);
    setField(r.*C::m38, flags.labelInt);
    setField(r.*C::m39, flags.labelSwitch);
    if (flags.controlInt) setField(r.*C::m40, *flags.controlInt);
    if (flags.controlSwitch) setField(r.*C::m41, *flags.controlSwitch);
    const QString font = QStringLiteral("宋体");
    setField(r.*C::m15, font);
    setField(r.*C::m16, QStringLiteral("0000"));
    setField(r.*C::m17, QStringLiteral("9"));
    setField(r.*C::m18, QStringLiteral("0"));
    setField(r.*C::m19, QStringLiteral("16777215"));
    setField(r.*C::m20, font);
    setField(r.*C::m21, QStringLiteral("0000"));
    setField(r.*C::m22, QStringLiteral("9"));
    setField(r.*C::m23, QStringLiteral("0"));
    setField(r.*C::m24, QStringLiteral("16777215"));
    setField(r.*C::m31, QStringLiteral("0"));
    setField(r.*C::m32, QStringLiteral("0"));
    setField(r.*C::m33, QStringLiteral("0"));
    setField(r.*C::m34, QStringLiteral("8"));
    setField(r.*C::m35, QStringLiteral("0"));
    setField(r.*C::m36, QString());
    setField(r.*C::m37, QString());
    setField(r.*C::m42, QString());
    setField(r.*C::m43, QStringLiteral("0"));
    setField(r.*C::m44, QString());
    setField(r.*C::m45, QString());
}

std::int32_t insertItem(std::int32_t hdbc, ISITRecord& row) {
    return sysISITInsertRecord(hdbc, row);
}
std::int32_t insertItem(std::int32_t hdbc, IJSTRecord& row) {
    return sysIJSTInsertRecord(hdbc, row);
}

// The items of the chosen fields, placed; false when a field's definition or template item
// cannot be read (an item made of nothing would be stored otherwise). A field the form cannot
// place gets no item: its caption goes to `notPlaced`.
template <class Row>
bool makeItems(const WizardContext& c, const std::vector<ChosenField>& fields, std::int32_t owner,
               WizardForm form, const LayoutOptions& layout, std::vector<PendingItem<Row>>& items,
               QStringList* notPlaced) {
    constexpr bool entry = std::is_same_v<Row, ISITRecord>;
    TableDefineRecord table;
    // Without the definition no field is the key column.
    const QString keyColumn = sysTableGetDefine(c.hdbc, c.mainTable, table) >= 1
                                  ? TrimFixedField(fieldText(table.m03))
                                  : QString();
    std::int32_t order = 0;
    std::int32_t position = 0;  // entry form: the laid-out items counted
    for (const ChosenField& chosen : fields) {
        ++order;
        FieldRecord field;
        ISITRecord source;
        if (sysFieldGetItem(c.hdbc, c.mainTable, chosen.column, field) < 1 ||
            sysISITGetItem(c.hdbc, source, chosen.itemNumber) < 1)
            return false;
        PendingItem<Row> item;
        item.kind = ControlKindOf(field, keyColumn, form);
        if (!entry && !SearchFormPlaces(item.kind)) {
            // Stored without a place it would be an item nobody sees; its position stays empty.
            if (notPlaced) notPlaced->push_back(TrimFixedField(fieldText(source.ii03)));
            continue;
        }
        if constexpr (entry) {
            item.row = source;  // the template item keeps what the wizard does not set
        } else {
            // Each search item starts from nothing, so nothing of the previous one shows.
            copyField(item.row.is02, source.ii02);
            copyField(item.row.is03, source.ii03);
        }
        setItemHead(item.row, owner, order, item.kind);
        const std::int32_t width = ControlWidth(fieldText(field.m05), form);
        item.slot = {entry ? ++position : order, width};
        items.push_back(item);
    }
    std::vector<GridSlot> gridSlots;
    for (const auto& item : items) gridSlots.push_back(item.slot);
    const std::vector<ItemPlace> places = LayoutItems(layout, gridSlots);
    std::size_t next = 0;
    for (auto& item : items) {
        setPlace(item.row, places[next++]);
        setLook(item.row, form, layout.style, item.kind);
    }
    return true;
}

template <class Row>
bool generate(const WizardContext& c, const InterfaceEntries& entries,
              const std::vector<ChosenField>& fields, WizardForm form, const LayoutOptions& layout,
              QStringList* notPlaced) {
    if (odbc_BeginTrans(c.hdbc) < 0) return false;
    const std::int32_t number = InsertWizardInterface(
        c, entries, form == WizardForm::ItemEntry ? kKindItemEntry : kKindItemSearch);
    std::vector<PendingItem<Row>> items;
    bool ok = number > 0 && makeItems<Row>(c, fields, number, form, layout, items, notPlaced);
    for (auto& item : items) {
        if (!ok) break;
        ok = insertItem(c.hdbc, item.row) >= 1;
    }
    if (!ok) {
        odbc_RollbackTrans(c.hdbc);
        return false;
    }
    return odbc_CommitTrans(c.hdbc) >= 0;
}

}  // namespace

bool GenerateFormInterface(const WizardContext& context, const InterfaceEntries& entries,
                           const std::vector<ChosenField>& fields, WizardForm form,
                           const LayoutOptions& layout, QStringList* notPlaced) {
    return form == WizardForm::ItemEntry
               ? generate<ISITRecord>(context, entries, fields, form, layout, notPlaced)
               : generate<IJSTRecord>(context, entries, fields, form, layout, notPlaced);
}

}  // namespace zelk
