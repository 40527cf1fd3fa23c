#include "transfer/templatereplace.h"

#include <set>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"

namespace zelk {

namespace {

// The first column of every row the select gives, trimmed.
std::vector<QString> firstColumn(std::int32_t hdbc, const QString& sql) {
    std::vector<QString> values;
    const std::int32_t handle = sysBufferTablePrepareGetData(hdbc, sql);
    if (handle <= 0) return values;
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
    if (handle <= 0) return false;
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
    if (oldNumber > 0) RekeyTemplateItems(hdbc, oldNumber, newNumber);
    RenameClassTemplate(hdbc, newNumber);
    if (oldNumber > 0)
        ExecSQL(hdbc, QStringLiteral("delete from indt where id00=%1 and id05='5'").arg(oldNumber));
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

void RekeyTemplateItems(std::int32_t hdbc, std::int32_t oldNumber, std::int32_t newNumber) {
    const auto columnsOf = [hdbc](std::int32_t number) {
        return firstColumn(hdbc, QStringLiteral("select ii02 from isit where ii01=%1").arg(number));
    };
    const std::vector<QString> newColumns = columnsOf(newNumber);
    std::set<QString> present(newColumns.begin(), newColumns.end());
    for (const QString& bound : columnsOf(oldNumber)) {
        if (present.count(bound)) continue;
        ExecSQL(hdbc, QStringLiteral("update isit set ii01=%1 where ii01=%2 and ii02=%3")
                          .arg(newNumber)
                          .arg(oldNumber)
                          .arg(sqlQuote(bound)));
        present.insert(bound);
    }
}

void RenameClassTemplate(std::int32_t hdbc, std::int32_t newNumber) {
    const std::vector<QString> classes =
        firstColumn(hdbc, QStringLiteral("select id02 from indt where id00=%1").arg(newNumber));
    if (classes.empty()) return;
    ExecSQL(hdbc, QStringLiteral("update indt set id03=%1 where id00=%2")
                      .arg(sqlQuote(classTemplateName(classes.front())))
                      .arg(newNumber));
}

}  // namespace zelk
