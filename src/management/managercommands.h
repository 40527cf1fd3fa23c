#pragma once
// The interface manager's field, template, report and settings commands, apart from its window:
// each takes what the manager holds (connection, names, the selected rows' keys and texts, the
// permission rule's answer) and does the whole command, traps its own failures and reports them.
// The manager connects each handler to one of these with a line.

#include <cstdint>
#include <functional>

#include <QString>
#include <QWidget>

namespace zelk {

class ProgressBar;

struct ManagerCommandContext {
    std::int32_t hdbc = 0;
    QString systemName;
    QString mainTable;
    QString className;
    QString userName;
    // The permission rule for this user and class (CommandsAllowed).
    bool allowed = false;
    // The manager window: owner of the add-field dialog, window of the report generator.
    QWidget* owner = nullptr;
    // Where the dialogs' help requests go.
    std::function<void(QString&)> needHelp;
};

// The kind number the add-field dialog gets for an interface kind name.
std::int16_t fieldDialogKind(const QString& kindName);
// Whether "修改子表分类" applies to an item row: only item-entry rows ("ISIT...").
bool subTableClassApplies(const QString& itemKey);

// "增加栏目" (mnu_AddField_Click), for the selected interface row: true when a field was added,
// so that the item list is reloaded.
bool AddFieldCommand(const ManagerCommandContext& context, const QString& interfaceKey,
                     const QString& kindName);
// How a command on one item row ended: Missing when the row is no longer stored (another user
// removed it meanwhile), so that the manager says so; its dialog was then not opened.
enum class FieldCommandResult { Done, Missing };
// "修改界面栏目控件类型" (mnu_ChangeControlType_Click): the item's table is the row key's prefix.
FieldCommandResult ChangeControlTypeCommand(const ManagerCommandContext& context,
                                            const QString& itemKey);
// "修改子表分类" (m_tableclass_Click): item-entry rows only.
FieldCommandResult SubTableClassCommand(const ManagerCommandContext& context,
                                        const QString& itemKey);

// "创建  >>" / "创建模板" (Command1_Click, mnu_createFLMB_Click): true when the dialog ran, so
// that the panel and the interface list are reloaded.
bool CreateTemplateCommand(const ManagerCommandContext& context);
// "修改  >>" / "修改模板" (Command2_Click, mnu_updateFLMB_Click): the template number is
// Command2's tag; Label1 and Label2 give the name and description.
bool EditTemplateCommand(const ManagerCommandContext& context, const QString& templateTag,
                         const QString& name, const QString& description);
// "删除模板" (mnu_DelFLMB_Click): refused while the class lists interfaces; true when the delete
// reached its commit, committed or refused there (then ChangeClassname with the current class
// shows what is stored).
bool DeleteTemplateCommand(const ManagerCommandContext& context, const QString& templateTag,
                           int interfaceCount);

// "根据界面生成报表" (mnu_createreport_Click) for the selected interface row: the report path
// comes from the library and stays in `reportPath`.
void CreateReportCommand(const ManagerCommandContext& context, QString& reportPath,
                         const QString& interfaceKey, const QString& interfaceName,
                         const QString& kindName);
// "到排数据设置" (mnu_dp_Click) and "提示设置" (mnu_hint_Click) for the field named by the menu
// entry's tag; an empty tag does nothing.
void ArrangementSettingsCommand(const ManagerCommandContext& context, const QString& fieldTag);
void HintSettingsCommand(const ManagerCommandContext& context, const QString& fieldTag);

}  // namespace zelk
