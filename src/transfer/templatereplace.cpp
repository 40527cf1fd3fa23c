#include "transfer/templatereplace.h"

#include <optional>
#include <set>
#include <vector>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"
#include "transfer/transfersink.h"

namespace zelk {

namespace {

// The first column of every row the select gives, trimmed; nullopt when the select failed.
std::optional<std::vector<QString>> firstColumn(std::int32_t hdbc, const QString& sql) {
    std::vector<QString> values;
    const std::int32_t handle = sysBufferTablePrepareGetData(hdbc, sql);
    if (handle <= 0) return std::nullopt;
    for (std::int32_t row = sysBufferTableGetRecord(handle); row > 0;
         row = sysBufferTableGetRecord(row)) {
        QString value;
        sysBufferTableGetData(row, 1, value);
        values.push_back(TrimFixedField(value));
    }
    return values;
}

}  // namespace

QString classTemplateName(const QString& className) {
    return QStringLiteral("[") + className + QStringLiteral("]分类模板");
}

bool classTemplateExists(std::int32_t hdbc, const QString& className) {
    const std::int32_t handle =
        sysBufferTablePrepareGetData(hdbc, QStringLiteral("select * from indt where id03=") +
                                               sqlQuote(classTemplateName(className)));
    // A select that fails is no answer: the run stops rather than call the template missing.
    if (handle <= 0) throw TransferFailure(QStringLiteral("不能读取分类模板"));
    const bool found = sysBufferTableGetRecord(handle) > 0;
    odbc_FreeStmtHandle(handle);
    return found;
}

bool checkClassTemplate(std::int32_t hdbc, const INDTRecord& record, std::int32_t& oldNumber) {
    oldNumber = sysINDTGetFLMBID(hdbc, fieldText(record.id01), fieldText(record.id02),
                                 fieldText(record.id09));
    if (oldNumber <= 0) return true;
    return MsgBox(QStringLiteral("同分类的分类模板已经存在,导入操作将要覆盖已经存在的分类模板,"
                                 "是否继续?"),
                  vbOKCancel | vbQuestion, QStringLiteral("提示")) == vbOK;
}

void finishClassTemplate(std::int32_t hdbc, std::int32_t oldNumber, std::int32_t newNumber) {
    // Without an old template there is nothing to move or delete (number 0 would name others).
    if (oldNumber > 0 && !RekeyTemplateItems(hdbc, oldNumber, newNumber))
        throw TransferFailure(QStringLiteral("旧分类模板的栏目不能移入新分类模板"));
    if (!RenameClassTemplate(hdbc, newNumber))
        throw TransferFailure(QStringLiteral("分类模板不能改名"));
    // The old template goes with the items it kept, so that no item row is left without it.
    if (oldNumber > 0 && sysINDTDeleteRecord(hdbc, oldNumber, QStringLiteral("5")) < 0)
        throw TransferFailure(QStringLiteral("旧分类模板不能删除"));
}

bool checkSystemTemplate(std::int32_t hdbc, const INDTRecord& record) {
    const std::int32_t oldNumber =
        sysINDTGetSystemID(hdbc, fieldText(record.id01), fieldText(record.id09));
    if (oldNumber <= 0) return true;
    if (MsgBox(QStringLiteral("指定主表的系统模板已经存在,导入操作将要覆盖已经存在的系统模板,"
                              "是否继续?"),
               vbOKCancel | vbQuestion, QStringLiteral("提示")) != vbOK)
        return false;
    if (sysINDTDeleteRecord(hdbc, oldNumber, QStringLiteral("6")) < 0) {
        MsgBox(QStringLiteral("不能更改系统模板！转入系统模板失败"), vbOKOnly,
               QStringLiteral("提示"));
        return false;
    }
    return true;
}

bool RekeyTemplateItems(std::int32_t hdbc, std::int32_t oldNumber, std::int32_t newNumber) {
    const auto columnsOf = [hdbc](std::int32_t number) {
        return firstColumn(
            hdbc, QStringLiteral("select ii02 from isit where ii01=") + QString::number(number));
    };
    const auto newColumns = columnsOf(newNumber);
    const auto oldColumns = columnsOf(oldNumber);
    if (!newColumns || !oldColumns) return false;
    std::set<QString> present(newColumns->begin(), newColumns->end());
    for (const QString& bound : *oldColumns) {
        if (present.count(bound)) continue;
        // Joined, not formatted: a bound column may hold "%1" and the like.
        if (ExecSQL(hdbc, QStringLiteral("update isit set ii01=") + QString::number(newNumber) +
                              QStringLiteral(" where ii01=") + QString::number(oldNumber) +
                              QStringLiteral(" and ii02=") + sqlQuote(bound)) < 0)
            return false;
        present.insert(bound);
    }
    return true;
}

bool RenameClassTemplate(std::int32_t hdbc, std::int32_t newNumber) {
    const auto classes = firstColumn(
        hdbc, QStringLiteral("select id02 from indt where id00=") + QString::number(newNumber));
    if (!classes) return false;
    if (classes->empty()) return true;
    // Joined, not formatted: the class name may hold "%1" and the like.
    return ExecSQL(hdbc, QStringLiteral("update indt set id03=") +
                             sqlQuote(classTemplateName(classes->front())) +
                             QStringLiteral(" where id00=") + QString::number(newNumber)) >= 0;
}

}  // namespace zelk
