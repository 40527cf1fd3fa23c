#include "management/interfacedata.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "rowchanges/transactions.h"

namespace zelk {

namespace {

const QString kNotDefault = QStringLiteral("aaaaa");

QString kindOf(const INDTRecord& row) {
    return TrimFixedField(fieldText(row.id05));
}
QString flagOf(const INDTRecord& row) {
    return TrimFixedField(fieldText(row.id07));
}

// Every interface of the class, in the library's order.
std::vector<INDTRecord> classInterfaces(const ClassContext& c) {
    std::vector<INDTRecord> rows;
    const std::int32_t stmt = sysINDTPrepareGetData(c.hdbc, c.systemName, c.mainTable, c.className);
    INDTRecord row;
    while (stmt > 0 && sysINDTGetRecord(stmt, row) > 0) rows.push_back(row);
    return rows;
}

InterfaceListRow listRow(const INDTRecord& row) {
    InterfaceListRow r;
    r.number = row.id00;
    r.name = TrimFixedField(fieldText(row.id03));
    r.description = TrimFixedField(fieldText(row.id04));
    const std::int16_t code = interfaceKindCode(kindOf(row));
    r.kindName = GetInterfaceKindName(code);
    const QString owner = TrimFixedField(fieldText(row.id06));
    r.owner =
        owner.isEmpty() || owner == QStringLiteral("默认") ? QStringLiteral("所有用户") : owner;
    r.kindField = rawFieldText(row.id05);
    r.isDefault = HasDefaultFlag(row);
    r.largeIcon = code == 1 || code == 3 ? 1 : 2;
    r.smallIcon = r.isDefault ? 3 : 1;
    r.foreColor = r.isDefault ? kDefaultRowColor : 0;
    return r;
}

std::int32_t deleteItemRows(std::int32_t hdbc, std::int32_t number, const QString& kindName) {
    if (kindName == QStringLiteral("录入条目") || kindName == QStringLiteral("分类模板") ||
        kindName == QStringLiteral("子表界面"))
        return sysISITDeleteRecords(hdbc, number);
    if (kindName == QStringLiteral("录入列表")) return sysILITDeleteRecords(hdbc, number);
    if (kindName == QStringLiteral("检索条目")) return sysIJSTDeleteRecords(hdbc, number);
    if (kindName == QStringLiteral("检索列表")) return sysILSTDeleteRecords(hdbc, number);
    return 0;  // other kinds have no item rows
}

}  // namespace

std::int16_t interfaceKindCode(const QString& kindField) {
    const auto value = numericInt32(TrimFixedField(kindField));
    if (!value || *value < 1 || *value > 7) return 8;
    return static_cast<std::int16_t>(*value);
}

bool interfaceNumberOfKey(const QString& key, std::int32_t& number) {
    const auto value = numericInt32(TrimFixedField(key.mid(6, 30)));
    if (!value) return false;
    number = *value;
    return true;
}

InterfaceListState ReadInterfaceList(const ClassContext& context, DefaultIds& defaults,
                                     const std::function<void(std::int32_t)>& demote) {
    InterfaceListState state;
    TemplatePanelState& panel = state.panel;
    const MissingTemplateTexts missing = missingTemplateTexts(context.className);
    panel.title = missing.title;
    panel.note = missing.note;
    // The whole scan is read before any demotion is written.
    for (INDTRecord& row : classInterfaces(context)) {
        for (int k = 1; k <= 4; ++k) {
            if (kindOf(row) != QString::number(k) || !HasDefaultFlag(row)) continue;
            if (defaults[k] == 0 || defaults[k] == row.id00) {
                defaults[k] = row.id00;
            } else {
                demote(row.id00);
                setField(row.id07, kNotDefault);
            }
        }
        const QString kind = kindOf(row);
        if (kind == QStringLiteral("6")) continue;
        if (kind == QStringLiteral("5")) {
            panel.title = TrimFixedField(fieldText(row.id03));
            panel.note = TrimFixedField(fieldText(row.id04));
            panel.noteColor = kWindowTextColor;
            panel.createVisible = false;
            panel.editVisible = true;
            panel.templateTag = QString::number(row.id00);
            continue;
        }
        state.rows.push_back(listRow(row));
    }
    return state;
}

std::int32_t WriteInterfaceFlag(std::int32_t hdbc, std::int32_t number, const QString& flag) {
    std::int32_t result = -1;
    const bool committed = runInTransaction(hdbc, [&] {
        INDTRecord row;
        if (sysINDTGetDataByNo(hdbc, row, number) < 1) {
            result = 0;
            return true;
        }
        setField(row.id07, flag);
        result = sysINDTUpdateRecord(hdbc, row) < 0 ? -1 : 1;
        return result > 0;
    });
    return committed ? result : -1;
}

bool MakeDefaultInterface(std::int32_t hdbc, std::int32_t number, int kind, DefaultIds& defaults) {
    if (kind < 1 || kind > 4) return false;
    const std::int32_t old = defaults[kind];
    const bool ok = runInTransaction(hdbc, [&] {
        // A recorded default that is gone needs no demotion.
        if (old != 0 && old != number && WriteInterfaceFlag(hdbc, old, kNotDefault) < 0)
            return false;
        return WriteInterfaceFlag(hdbc, number, QString()) == 1;
    });
    if (ok) defaults[kind] = number;
    return ok;
}

bool DeleteInterfaceData(const ClassContext& context, std::int32_t number, const QString& kindName,
                         DefaultIds& defaults) {
    const std::int32_t hdbc = context.hdbc;
    int entry = 0;
    for (int k = 1; k <= 4; ++k)
        if (defaults[k] == number) entry = k;
    const std::int16_t code = GetInterfaceKindCode(kindName);
    const int slot = code >= 1 && code <= 4 ? code : 0;
    std::int32_t promoted = 0;
    const bool ok = runInTransaction(hdbc, [&] {
        // The interface row first: on a server it locks the interface for the rest.
        if (sysINDTDeleteData(hdbc, number) < 0) return false;
        if (deleteItemRows(hdbc, number, kindName) < 0) return false;
        if (entry == 0) return true;
        for (const INDTRecord& row : classInterfaces(context)) {
            if (kindOf(row) != QString::number(code) || flagOf(row) != kNotDefault) continue;
            if (WriteInterfaceFlag(hdbc, row.id00, QString()) != 1) return false;
            promoted = row.id00;
            break;
        }
        return true;
    });
    if (ok && entry != 0) {
        defaults[entry] = 0;
        if (slot != 0) defaults[slot] = promoted;
    }
    return ok;
}

QString itemTableOfKey(const QString& key) {
    const QString table = key.left(4);
    for (const char* name : {"ISIT", "IJST", "ILIT", "ILST"})
        if (table == QLatin1String(name)) return table;
    return QString();
}

ItemDeleteResult DeleteInterfaceItem(std::int32_t hdbc, std::int32_t number,
                                     const QString& itemKey) {
    const QString table = itemTableOfKey(itemKey);
    const auto item = numericInt32(TrimFixedField(itemKey.mid(4, 23)));
    if (table.isEmpty() || !item) return ItemDeleteResult::Failed;
    const bool entryColumns = table == QStringLiteral("ISIT") || table == QStringLiteral("ILIT");
    const QString key = entryColumns ? "ii00" : "is00";
    const QString owner = entryColumns ? "ii01" : "is01";
    const QString where = " from " + table.toLower() + " where " + key + " = " +
                          QString::number(*item) + " and " + owner + " = " +
                          QString::number(number);
    bool missing = false;
    const bool deleted = ChangeInterfaceItems(hdbc, number, [&] {
        // A delete of no row runs without failing: the row is looked for first, after the lock.
        const std::int32_t found = GetRecordsetCount(hdbc, "select " + key + where);
        missing = found == 0;
        return found > 0 && ExecSQL(hdbc, "delete" + where) >= 0;
    });
    if (deleted) return ItemDeleteResult::Deleted;
    return missing ? ItemDeleteResult::Missing : ItemDeleteResult::Failed;
}

}  // namespace zelk
