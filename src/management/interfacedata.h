#pragma once
// What the interface manager reads and writes of a class's interfaces, apart from its window:
// the interface list with the default rule, the flag writer, deleting an interface with its
// rows, setting a default and deleting one item row.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "component/records.h"

namespace zelk {

// Recorded default interface of each kind 1 to 4 (entry 0 unused); 0 when none is recorded.
using DefaultIds = std::array<std::int32_t, 5>;

// The context every scan of a class's interfaces uses.
struct ClassContext {
    std::int32_t hdbc = 0;
    QString systemName;
    QString mainTable;
    QString className;
};

// Fore colours of the list rows and the template note.
inline constexpr std::int32_t kDefaultRowColor = 0xC00000;
inline constexpr std::int32_t kMissingTemplateColor = 255;
inline constexpr std::int32_t kWindowTextColor = static_cast<std::int32_t>(0x80000008u);

// One listed interface, as the interface list shows it.
struct InterfaceListRow {
    std::int32_t number = 0;
    QString name;
    QString description;
    QString kindName;   // "未知类型界面" for an empty or unknown kind
    QString owner;      // "所有用户" for an empty owner or "默认"
    QString kindField;  // id05 as stored
    bool isDefault = false;
    int largeIcon = 2;  // 1 item forms, 2 the rest
    int smallIcon = 1;  // 3 the default, 1 the rest
    std::int32_t foreColor = 0;
    QString key() const { return QStringLiteral("record") + QString::number(number); }
};

// The class-template panel above the list.
struct TemplatePanelState {
    QString title;
    QString note;
    std::int32_t noteColor = kMissingTemplateColor;
    bool createVisible = true;  // Command1 "创建  >>"
    bool editVisible = false;   // Command2 "修改  >>"
    QString templateTag;        // Command2's tag: the template's number
};

struct InterfaceListState {
    TemplatePanelState panel;
    std::vector<InterfaceListRow> rows;
};

// The kind code a stored kind field holds: its whole number, 8 for an empty or unknown one.
std::int16_t interfaceKindCode(const QString& kindField);
// The interface number of a list key "record<n>"; false when the tail is no number.
bool interfaceNumberOfKey(const QString& key, std::int32_t& number);

// Reads the class's interfaces and applies the default rule: the first empty-flag interface of
// a kind stays default unless another is recorded; every other is demoted through `demote`
// (the flag writer, "aaaaa") and listed as not default.
InterfaceListState ReadInterfaceList(const ClassContext& context, DefaultIds& defaults,
                                     const std::function<void(std::int32_t number)>& demote);

// Writes the application flag of interface `number` inside the caller's transaction (its own
// when alone). 1 written, 0 no such row, -1 failure.
std::int32_t WriteInterfaceFlag(std::int32_t hdbc, std::int32_t number, const QString& flag);

// Makes `number` (of kind 1 to 4) the default of its kind: the recorded default demoted and
// the new one promoted in one transaction. False, with both flags as they were, on failure;
// `defaults` changes only on success.
bool MakeDefaultInterface(std::int32_t hdbc, std::int32_t number, int kind, DefaultIds& defaults);

// Deletes interface `number` with the item rows of the table its kind name names and, when it
// was a recorded default, promotes the first "aaaaa" interface of its kind (none: the entry
// becomes 0), all in one transaction. False, with every row as it was, on failure.
bool DeleteInterfaceData(const ClassContext& context, std::int32_t number, const QString& kindName,
                         DefaultIds& defaults);

// The item table a list row key names ("ISIT12" -> "ISIT"); empty for another key.
QString itemTableOfKey(const QString& key);
enum class ItemDeleteResult { Deleted, Missing, Failed };
// Deletes one item row of the interface `number` (its table named by the row key) and raises the
// interface's version, together. Missing when the interface has no such row (another user or a
// designer's save removed it): nothing changed, as on failure.
ItemDeleteResult DeleteInterfaceItem(std::int32_t hdbc, std::int32_t number,
                                     const QString& itemKey);

}  // namespace zelk
