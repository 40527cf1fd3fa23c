// The new interface row of the wizard.

#include "wizard/newinterface.h"

#include <vector>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"

namespace zelk {

namespace {

constexpr int kNameLength = 60;

// Every interface of the kind that is the class's default becomes an ordinary one. False, after
// telling the user, when one of them could not be changed.
bool takeOverDefault(const WizardContext& c, const QString& kindCode) {
    std::vector<INDTRecord> defaults;
    const std::int32_t hstmt =
        sysINDTPrepareGetData(c.hdbc, c.systemName, c.mainTable, c.className);
    INDTRecord row;
    while (hstmt > 0 && sysINDTGetRecord(hstmt, row) > 0) {
        if (TrimFixedField(fieldText(row.id05)) == kindCode && HasDefaultFlag(row))
            defaults.push_back(row);
    }
    for (INDTRecord& old : defaults) {
        setField(old.id07, QStringLiteral("aaaaa"));
        if (sysINDTUpdateRecord(c.hdbc, old) < 0) {
            MsgBox(QStringLiteral("界面标志修改错误！"), vbExclamation, QStringLiteral("错误"));
            return false;
        }
    }
    return true;
}

}  // namespace

QString WizardKindCode(const QString& typeText) {
    if (typeText == kKindItemEntry) return QStringLiteral("1");
    if (typeText == kKindListEntry) return QStringLiteral("2");
    if (typeText == kKindItemSearch) return QStringLiteral("3");
    if (typeText == kKindBrowseList) return QStringLiteral("4");
    return QString();
}

QString StoredInterfaceName(const InterfaceEntries& entries, const QString& kindCode) {
    if (entries.name.isEmpty()) return QStringLiteral("未命名界面");
    QString name = entries.name.left(kNameLength);
    if (entries.nameSuffix == 1) name += kindCode;
    return name;
}

bool InterfaceNameInUse(const WizardContext& context, const QString& name) {
    return sysINDTGetInterfaceByName(context.hdbc, context.mainTable, context.systemName,
                                     context.className, name) >= 1;
}

std::int32_t InsertWizardInterface(const WizardContext& context, const InterfaceEntries& entries,
                                   const QString& typeText) {
    const QString kindCode = WizardKindCode(typeText);
    if (kindCode.isEmpty()) return 0;  // not one of the wizard's kinds: nothing to write

    INDTRecord row;
    row.id00 = 0;
    setField(row.id01, context.mainTable);
    setField(row.id02, context.className);
    setField(row.id03, StoredInterfaceName(entries, kindCode));
    setField(row.id04, entries.description);
    setField(row.id05, kindCode);
    setField(row.id06, entries.user);
    setField(row.id07, entries.flag);
    setField(row.id08, QStringLiteral("0"));
    setField(row.id09, context.systemName);
    setField(row.id10, QStringLiteral("0"));
    // The button face's system colour.
    setField(row.id11, QStringLiteral("-2147483633"));
    setField(row.id12, QStringLiteral("-2147483633"));
    setField(row.id13, QStringLiteral("0"));
    setField(row.id14, QStringLiteral("0"));
    setField(row.id15, QStringLiteral("0"));
    setField(row.id16, QString());
    setField(row.id17, QString());
    setField(row.id18, QString());
    setField(row.id19, QString());
    setField(row.id20, QString());

    // The new row takes the default over exactly when the readers will see it as one. A failed
    // change stops here: nothing may be written outside the caller's transaction.
    if (HasDefaultFlag(row) && !takeOverDefault(context, kindCode)) return 0;

    // The library hands out the number under its own lock (id00 0), so that two people
    // running the wizard at once never get the same one; the largest number is still asked
    // for, to tell the user when the table cannot be read.
    if (GetMaxNo(context.hdbc, QStringLiteral("ID00"), QStringLiteral("INDT")) < 0) {
        MsgBox(QStringLiteral("不能打开数据库界面管理表，请联系系统管理员"), vbOKCancel,
               QStringLiteral("提示"));
        return 0;
    }
    if (sysINDTInsertRecord(context.hdbc, row) < 0) {
        MsgBox(QStringLiteral("数据保存失败：不能保存界面定义信息"), vbInformation,
               QStringLiteral("提示"));
        return -1;
    }
    return row.id00;
}

}  // namespace zelk
