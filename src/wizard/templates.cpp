// Class templates and their fields for the wizard.

#include "wizard/templates.h"

#include <algorithm>

#include <QSet>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"

namespace zelk {

QString ClassAbove(std::int32_t hdbc, const QString& mainTable, const QString& className) {
    SDSDRecord record;
    if (sysSDSDGetRootClass(hdbc, mainTable, className, record) < 1) return QString();
    const QString fullName = TrimFixedField(fieldText(record.m04));
    const QString code = TrimFixedField(fieldText(record.m08));
    if (code.isEmpty() || !fullName.endsWith(code)) return QString();
    return fullName.left(fullName.size() - code.size());
}

std::vector<TemplateRow> CollectTemplates(const WizardContext& c,
                                          const ClassAboveFunction& classAbove) {
    std::vector<TemplateRow> rows;
    QSet<QString> visited;
    QString current = c.className;
    for (;;) {
        const std::int32_t hstmt =
            sysINDTPrepareGetData(c.hdbc, c.systemName, c.mainTable, current);
        if (hstmt <= 0) {
            MsgBox(QStringLiteral("没有可供生成的模板界面，请先生成模板"), vbInformation,
                   QStringLiteral("系统提示"));
            break;
        }
        INDTRecord row;
        while (sysINDTGetRecord(hstmt, row) > 0) {
            if (TrimFixedField(fieldText(row.id05)) != "5") continue;
            rows.push_back({row.id00, fieldText(row.id03), TrimFixedField(fieldText(row.id04))});
        }
        if (current.isEmpty()) break;
        visited.insert(current);
        QString above = classAbove ? classAbove(current) : ClassAbove(c.hdbc, c.mainTable, current);
        // A class seen before would start the walk over: go on to the empty class instead.
        if (visited.contains(above)) above.clear();
        current = above;
    }
    return rows;
}

bool CollectTemplateFields(const WizardContext& c, std::int32_t templateNumber,
                           std::vector<TemplateField>& fields) {
    TableDefineRecord table;
    if (sysTableGetDefine(c.hdbc, c.mainTable, table) < 1) {
        MsgBox(QStringLiteral("主表定义数据无法读取！系统不能继续操作！"), vbCritical,
               QStringLiteral("系统提示"));
        return false;
    }
    const QByteArray kept[] = {fieldBytes(table.m08), fieldBytes(table.m09), fieldBytes(table.m10),
                               fieldBytes(table.m11)};
    const std::int32_t hstmt = sysISITPrepareGetData(c.hdbc, templateNumber);
    ISITRecord item;
    while (hstmt > 0 && sysISITGetRecord(hstmt, item) >= 1) {
        const QByteArray column = fieldBytes(item.ii02);
        if (std::find(std::begin(kept), std::end(kept), column) != std::end(kept)) continue;
        fields.push_back({item.ii00, fieldText(item.ii03), TrimFixedField(fieldText(item.ii02))});
    }
    return true;
}

}  // namespace zelk
