#include "management/managercommands.h"

#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/frm_zelk_flmb.h"
#include "management/frm_zelk_kjlx.h"
#include "management/frm_zelk_zbfl.h"
#include "management/suite/suitecomponents.h"
#include "platform/automation/server.h"
#include "platform/errors.h"
#include "platform/modalwindow.h"
#include "platform/prompts.h"
#include "propdialogs/frm_field_new.h"

namespace zelk {

namespace {

const QString kSystemPrompt = QStringLiteral("系统提示");

// The number in a row key after its prefix (at most 30 characters), when it is one.
std::optional<std::int32_t> keyNumber(const QString& key, int prefix) {
    return numericInt32(key.mid(prefix, 30));
}

template <class Body>
auto trapped(const char* handler, Body&& body) {
    using Result = decltype(body());
    Result result{};
    TrapErrors(QStringLiteral("frm_zelk_ljgl.") + QString::fromLatin1(handler),
               [&] { result = body(); });
    return result;
}

void trappedVoid(const char* handler, const std::function<void()>& body) {
    TrapErrors(QStringLiteral("frm_zelk_ljgl.") + QString::fromLatin1(handler), body);
}

// Shows a dialog on one item row for one use; `init` reads the row, and a row not found opens
// nothing.
template <class Dialog, class Init>
FieldCommandResult showItemDialog(const ManagerCommandContext& c, Init&& init) {
    Dialog dialog;
    if (c.needHelp)
        QObject::connect(&dialog, &Form::NeedHelp, &dialog,
                         [&c](QString& help) { c.needHelp(help); });
    init(dialog);
    if (!dialog.ItemFound) return FieldCommandResult::Missing;
    ShowModal(dialog);
    if (!dialog.unload()) dialog.forceUnload();
    return FieldCommandResult::Done;
}

}  // namespace

std::int16_t fieldDialogKind(const QString& kindName) {
    if (kindName == QStringLiteral("录入条目")) return 1;
    if (kindName == QStringLiteral("录入列表")) return 2;
    if (kindName == QStringLiteral("检索条目")) return 3;
    if (kindName == QStringLiteral("检索列表")) return 4;
    if (kindName == QStringLiteral("分类模板") || kindName == QStringLiteral("系统模板")) return 1;
    return 0;
}

bool subTableClassApplies(const QString& itemKey) {
    return itemKey.startsWith(QStringLiteral("ISIT")) && keyNumber(itemKey, 4).has_value();
}

bool AddFieldCommand(const ManagerCommandContext& c, const QString& interfaceKey,
                     const QString& kindName) {
    return trapped("mnu_AddField_Click", [&] {
        if (!c.allowed || interfaceKey.isEmpty()) return false;
        const auto fid = keyNumber(interfaceKey, 6);
        if (!fid) return false;
        frm_field_new dialog;
        if (c.needHelp)
            QObject::connect(&dialog, &Form::NeedHelp, &dialog,
                             [&c](QString& help) { c.needHelp(help); });
        dialog.init(c.hdbc, c.systemName, c.mainTable, *fid, fieldDialogKind(kindName));
        ShowModal(dialog, c.owner);
        const bool added = !dialog.Cancelled;
        dialog.forceUnload();
        return added;
    });
}

FieldCommandResult ChangeControlTypeCommand(const ManagerCommandContext& c,
                                            const QString& itemKey) {
    return trapped("mnu_ChangeControlType_Click", [&] {
        if (!c.allowed) return FieldCommandResult::Done;
        const auto id = keyNumber(itemKey, 4);
        // The row's own table decides, not the kind of the interface selected since.
        const QString table = itemKey.left(4);
        if (!id || (table != QStringLiteral("ISIT") && table != QStringLiteral("IJST")))
            return FieldCommandResult::Done;
        return showItemDialog<frm_zelk_kjlx>(c, [&](frm_zelk_kjlx& dialog) {
            dialog.init(c.hdbc, *id, table == QStringLiteral("IJST") ? 1 : 0);
        });
    });
}

FieldCommandResult SubTableClassCommand(const ManagerCommandContext& c, const QString& itemKey) {
    return trapped("m_tableclass_Click", [&] {
        if (!c.allowed || !subTableClassApplies(itemKey)) return FieldCommandResult::Done;
        const std::int32_t id = *keyNumber(itemKey, 4);
        return showItemDialog<frm_zelk_zbfl>(c, [&](frm_zelk_zbfl& dialog) {
            dialog.init(c.hdbc, c.systemName, c.mainTable, c.userName, id);
        });
    });
}

bool CreateTemplateCommand(const ManagerCommandContext& c) {
    return trapped("Command1_Click", [&] {
        if (!c.allowed) return false;
        ShowModalWindow<frm_zelk_flmb>(
            [&](frm_zelk_flmb& dialog) {
                dialog.Text1->setText(QStringLiteral("[") + c.className +
                                      QStringLiteral("]分类模板"));
                dialog.init(c.hdbc, c.systemName, c.mainTable, c.className, 0);
                dialog.CreateMode = true;
            },
            nullptr, c.needHelp, ModalLoad::BeforeInit);
        return true;
    });
}

bool EditTemplateCommand(const ManagerCommandContext& c, const QString& templateTag,
                         const QString& name, const QString& description) {
    return trapped("Command2_Click", [&] {
        if (!c.allowed) return false;
        const auto id = numericInt32(TrimFixedField(templateTag));
        if (!id) return false;
        ShowModalWindow<frm_zelk_flmb>(
            [&](frm_zelk_flmb& dialog) {
                dialog.Text1->setText(name);
                dialog.Text2->setText(description);
                dialog.CreateMode = false;
                dialog.init(c.hdbc, c.systemName, c.mainTable, c.className, *id);
            },
            nullptr, c.needHelp, ModalLoad::BeforeInit);
        return true;
    });
}

bool DeleteTemplateCommand(const ManagerCommandContext& c, const QString& templateTag,
                           int interfaceCount) {
    return trapped("mnu_DelFLMB_Click", [&] {
        if (!c.allowed) return false;
        const auto id = numericInt32(TrimFixedField(templateTag));
        if (!id)
            throw ZelkError(QStringLiteral("frm_zelk_ljgl.mnu_DelFLMB_Click"),
                            QStringLiteral("类型不匹配"), 13);
        if (interfaceCount >= 1) {
            MsgBox(QStringLiteral("要删除类型模板，请先删除该类型所属的所有界面!"), vbExclamation,
                   kSystemPrompt);
            return false;
        }
        if (MsgBox(QStringLiteral("操作将删除该分类模板，请按确定继续..."),
                   vbInformation + vbOKCancel, QStringLiteral("系统提示 ")) == vbCancel)
            return false;
        const auto refused = [] {
            MsgBox(QStringLiteral("界面正在使用，请稍后再试!"), vbExclamation, kSystemPrompt);
        };
        if (odbc_BeginTrans(c.hdbc) < 0) {
            refused();
            return false;
        }
        if (sysINDTDeleteRecord(c.hdbc, *id, QStringLiteral("5")) < 0) {
            odbc_RollbackTrans(c.hdbc);
            refused();
            return false;
        }
        // A refused commit took the delete back: the panel shows what is stored.
        if (odbc_CommitTrans(c.hdbc) < 0) refused();
        return true;
    });
}

void CreateReportCommand(const ManagerCommandContext& c, QString& reportPath,
                         const QString& interfaceKey, const QString& interfaceName,
                         const QString& kindName) {
    trappedVoid("mnu_createreport_Click", [&] {
        QString files, reports;
        getFldPath(c.hdbc, files, reports);
        reportPath = TrimFixedField(reports);
        const auto fid = keyNumber(interfaceKey, 6);
        if (!fid) return;
        const std::shared_ptr<Dispatch> generator = CreateObject(kReportGeneratorProgId);
        generator->call(u"Init", {c.hdbc, c.systemName, c.mainTable, c.userName, c.className,
                                  std::int32_t{0}, QString(), reportPath});
        if (kindName == QStringLiteral("录入条目")) {
            generator->call(u"CreateFromForm", {*fid});
        } else if (kindName == QStringLiteral("检索列表")) {
            generator->call(u"SetInterfaceName", {interfaceName});
            generator->call(u"CreateFromList", {*fid});
        }
        const auto handle =
            static_cast<std::int32_t>(c.owner ? static_cast<qint64>(c.owner->winId()) : 0);
        generator->call(u"Show", {true, handle});
        if (c.owner) c.owner->update();
    });
}

void ArrangementSettingsCommand(const ManagerCommandContext& c, const QString& fieldTag) {
    trappedVoid("mnu_dp_Click", [&] {
        if (fieldTag.isEmpty()) return;
        const std::shared_ptr<Dispatch> settings = CreateObject(kArrangementSettingsProgId);
        settings->call(u"Init",
                       {c.hdbc, c.mainTable, c.systemName, c.userName, c.className, fieldTag});
        settings->call(u"Show", {true, std::int32_t{0}});
    });
}

void HintSettingsCommand(const ManagerCommandContext& c, const QString& fieldTag) {
    trappedVoid("mnu_hint_Click", [&] {
        if (fieldTag.isEmpty()) return;
        const std::shared_ptr<Dispatch> settings = CreateObject(kHintSettingsProgId);
        settings->call(u"Init", {c.hdbc, std::int32_t{0}, c.mainTable, c.systemName, c.userName,
                                 c.className, fieldTag});
        settings->call(u"Show", {true, std::int32_t{0}});
    });
}

}  // namespace zelk
