#pragma once
// The wizard's new interface row: the kind texts, the stored name, the name check and the
// insert that also hands the class's default marker over to the new interface.

#include <cstdint>

#include <QString>

namespace zelk {

// The kind texts of the wizard's kind box, in its order (kind codes "1" to "4").
inline const QString kKindItemEntry = QStringLiteral("条目录入类界面");
inline const QString kKindListEntry = QStringLiteral("列表录入类界面");
inline const QString kKindItemSearch = QStringLiteral("条目检索类界面");
inline const QString kKindBrowseList = QStringLiteral("数据浏览类界面");

// Where the wizard works: the connection and the context its init received.
struct WizardContext {
    std::int32_t hdbc = 0;
    QString systemName;
    QString mainTable;
    QString className;
};

// What the wizard's first page holds for the new row.
struct InterfaceEntries {
    QString name;         // TextBox1
    QString description;  // Text5
    QString user;         // Text7
    QString flag;         // Text8, as typed
    int nameSuffix = 0;   // Check3's value: 1 adds the kind code to the name
};

// "1" to "4" for the four kind texts, empty for any other text.
QString WizardKindCode(const QString& typeText);

// The name the row of that kind stores: the typed name's first 60 characters, followed by the
// kind code when nameSuffix is 1; "未命名界面" for an empty name.
QString StoredInterfaceName(const InterfaceEntries& entries, const QString& kindCode);

// True when the class already has an interface of that name.
bool InterfaceNameInUse(const WizardContext& context, const QString& name);

// Inserts the new interface row of the kind text inside the caller's transaction and returns its
// number (1 or more). With an empty flag, the class's old defaults of that kind become ordinary
// interfaces first. 0 when a default could not be changed or no number could be had, -1 when
// the insert failed; each failure was shown to the user, and the caller rolls back.
std::int32_t InsertWizardInterface(const WizardContext& context, const InterfaceEntries& entries,
                                   const QString& typeText);

}  // namespace zelk
