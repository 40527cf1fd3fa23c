#include "management/classtemplate.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/controls/progressbar.h"
#include "platform/errors.h"
#include "platform/prompts.h"

namespace zelk {

namespace {

TemplatePlace place(int column, int row, int origin, int rowHeight, int height,
                    std::array<int, 4> lefts) {
    const std::int32_t top = origin + rowHeight * row;
    const int c = column * 2;
    return {{lefts[c], top, lefts[c] + 1500, top + height},
            {lefts[c + 1], top, lefts[c + 1] + 3000, top + height}};
}

bool flagSet(const auto& member) {
    return TrimFixedField(fieldText(member)) == QLatin1String("1");
}

// The version after one more change: the number the text begins with, plus one.
QString nextVersion(const QString& version) {
    return QString::number(static_cast<qint64>(leadingNumber(TrimFixedField(version))) + 1);
}

bool fail(std::int32_t hdbc, const QString& message, int style, const QString& title) {
    odbc_RollbackTrans(hdbc);
    MsgBox(message, style, title);
    return false;
}

const QString kSystemPrompt = QStringLiteral("系统提示");
const QString kItemFailed = QStringLiteral("保存记录失败，请稍后重试");

}  // namespace

TemplatePlace dialogTemplatePlace(int position) {
    return place((position - 1) % 2, (position - 1) / 2, 210, 390, 360, {210, 1740, 4770, 6300});
}

TemplatePlace systemTemplatePlace(int index) {
    return place(index % 2, index / 2, 250, 400, 350, {250, 1750, 4850, 6350});
}

void placeTemplateItem(ISITRecord& row, const TemplatePlace& p) {
    row.ii07 = p.label.left, row.ii08 = p.label.top, row.ii09 = p.label.right;
    row.ii10 = p.label.bottom;
    row.ii11 = p.control.left, row.ii12 = p.control.top, row.ii13 = p.control.right;
    row.ii14 = p.control.bottom;
}

QString templateControlKind(const FieldRecord& field, bool allRules) {
    QString kind = QStringLiteral("2");
    if (flagSet(field.m09)) kind = QStringLiteral("3");
    if (flagSet(field.m07)) kind = QStringLiteral("3");
    if (flagSet(field.m12)) kind = QStringLiteral("3");
    if (flagSet(field.m16)) kind = QStringLiteral("12");
    if (!allRules) return kind;
    const QString type = TrimFixedField(fieldText(field.m04));
    if (type == QStringLiteral("日期")) kind = QStringLiteral("6");
    if (type == QStringLiteral("数值")) kind = QStringLiteral("2");
    if (flagSet(field.m24)) kind = QStringLiteral("5");
    return kind;
}

QString columnControlKind(std::int32_t hdbc, const QString& mainTable, const QString& column,
                          bool allRules) {
    // A fresh record for every column: one that is not a field inherits nothing.
    FieldRecord field;
    sysFieldGetItem(hdbc, mainTable, column, field);
    return templateControlKind(field, allRules);
}

bool DeleteTemplateData(std::int32_t hdbc, std::int32_t id) {
    return sysINDTDeleteData(hdbc, id) >= 0 && sysISITDeleteRecords(hdbc, id) >= 0;
}

bool SaveClassTemplate(std::int32_t hdbc, const QString& systemName, const QString& mainTable,
                       const QString& className, std::int32_t& templateId, const QString& name,
                       const QString& description, const std::vector<ClassTemplateField>& fields,
                       const std::function<void(int)>& progress) {
    if (fields.empty()) return false;
    if (fields.size() > static_cast<std::size_t>(kMaxTemplateFields)) {
        MsgBox(QStringLiteral("模板中最多只能包含%1个栏目，请先移走多余的栏目")
                   .arg(kMaxTemplateFields),
               vbExclamation, kSystemPrompt);
        return false;
    }
    int step = 0;
    const auto advance = [&](bool restart = false) {
        step = restart ? 0 : step + 1;
        if (progress) progress(step);
    };

    // Every item row is built before the first write.
    std::vector<ISITRecord> items(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        advance();
        const int position = static_cast<int>(i) + 1;
        ISITRecord& r = items[i];
        setField(r.ii02, fields[i].bound);
        setField(r.ii03, fields[i].caption);
        r.ii04 = position;
        setField(r.ii05, "1");
        FieldRecord field;
        sysFieldGetItem(hdbc, mainTable, fields[i].bound, field);
        setField(r.ii06, templateControlKind(field, true));
        placeTemplateItem(r, dialogTemplatePlace(position));
        setField(r.ii15, "宋体");
        setField(r.ii16, "1");
        setField(r.ii17, "9");
        setField(r.ii20, "宋体");
        setField(r.ii21, "1");
        setField(r.ii22, "9");
        setField(r.ii25, "0001000011");
        setField(r.ii26, TrimFixedField(fieldText(field.m04)) == QStringLiteral("数值")
                             ? "1111000011"
                             : "1101000011");
    }

    if (odbc_BeginTrans(hdbc) < 0) return fail(hdbc, kItemFailed, vbExclamation, kSystemPrompt);
    advance(true);
    INDTRecord row;
    if (templateId > 0) {
        // The template row is rewritten from what it holds, so owner, flag and the rest stay.
        if (sysINDTGetDataByNo(hdbc, row, templateId) < 1 || !DeleteTemplateData(hdbc, templateId))
            return fail(hdbc, QStringLiteral("界面被独占使用，不能进行修改，请稍后再试"),
                        vbExclamation, kSystemPrompt);
        setField(row.id08, nextVersion(fieldText(row.id08)));
    } else {
        row.id00 = 0;  // the library gives the number
    }
    setField(row.id01, mainTable);
    setField(row.id02, className);
    setField(row.id03, name);
    setField(row.id04, description);
    setField(row.id05, "5");
    setField(row.id09, systemName);
    if (sysINDTInsertRecord(hdbc, row) < 0)
        return fail(hdbc, QStringLiteral("不能保存界面"), vbExclamation, kSystemPrompt);
    for (ISITRecord& item : items) {
        item.ii01 = row.id00;
        const bool stored = sysISITInsertRecord(hdbc, item) >= 1;
        advance();
        if (!stored) return fail(hdbc, kItemFailed, vbExclamation, kSystemPrompt);
    }
    if (odbc_CommitTrans(hdbc) < 0) {
        MsgBox(kItemFailed, vbExclamation, kSystemPrompt);
        return false;
    }
    templateId = row.id00;
    return true;
}

namespace {

bool createFromSystem(const ManagerContext& manager, std::int32_t hdbc,
                      const QString& classFullName, const QString& mainTable, const QString& name,
                      const QString& description, ProgressBar* prg) {
    const std::int32_t systemId =
        sysINDTGetSystemID(manager.hdbc, manager.mainTable, manager.systemName);
    if (systemId < 1) {
        MsgBox(QStringLiteral("系统模板尚未建立，请先建立系统模板"), vbOKOnly);
        return false;
    }
    if (odbc_BeginTrans(hdbc) < 0) return fail(hdbc, kItemFailed, vbExclamation, kSystemPrompt);
    INDTRecord row;
    setField(row.id01, mainTable);
    setField(row.id02, classFullName);
    setField(row.id03, name);
    setField(row.id04, description);
    setField(row.id05, "5");
    setField(row.id09, manager.systemName);
    if (sysINDTInsertRecord(hdbc, row) < 0)
        return fail(hdbc, QStringLiteral("不能保存界面"), vbInformation, QStringLiteral("提示"));
    if (!mainTable.isEmpty()) {
        const std::int32_t n = std::max(0, sysISITGetRecordCount(hdbc, systemId));
        if (prg) {
            prg->SetMax(2 * n);
            prg->SetValue(0);
            prg->setVisible(true);
        }
        const auto step = [prg] {
            if (prg) prg->SetValue(prg->Value() + 1);
        };
        std::vector<ISITRecord> items(static_cast<std::size_t>(n));
        const std::int32_t handle = sysISITPrepareGetData(hdbc, systemId);
        for (ISITRecord& item : items) {
            step();
            // The count promised a row: one missing is a failed read.
            if (handle <= 0 || sysISITGetRecord(handle, item) <= 0) {
                odbc_FreeStmtHandle(handle);
                if (prg) prg->setVisible(false);
                return fail(hdbc, kItemFailed, vbExclamation, kSystemPrompt);
            }
        }
        odbc_FreeStmtHandle(handle);
        for (int i = 0; i < n; ++i) {
            step();
            ISITRecord& r = items[static_cast<std::size_t>(i)];
            r.ii00 = 0;
            r.ii01 = row.id00;
            r.ii04 = i;
            setField(r.ii05, "1");
            setField(r.ii06,
                     columnControlKind(manager.hdbc, manager.mainTable, fieldText(r.ii02), false));
            placeTemplateItem(r, systemTemplatePlace(i));
            setField(r.ii15, "宋体");
            setField(r.ii16, "1");
            setField(r.ii17, "10");
            setField(r.ii18, "");
            setField(r.ii19, "");
            setField(r.ii20, "宋体");
            setField(r.ii21, "1");
            setField(r.ii22, "10");
            setField(r.ii23, "");
            setField(r.ii24, "");
            setField(r.ii25, "0000111110");
            setField(r.ii26, "1100111110");
            setField(r.ii27, "");
            setField(r.ii28, "");
            setField(r.ii29, "");
            setField(r.ii30, "");
            if (sysISITInsertRecord(hdbc, r) < 1) {
                if (prg) prg->setVisible(false);
                return fail(hdbc, kItemFailed, vbExclamation, kSystemPrompt);
            }
        }
        if (prg) prg->setVisible(false);
    }
    if (odbc_CommitTrans(hdbc) < 0) {
        MsgBox(kItemFailed, vbExclamation, kSystemPrompt);
        return false;
    }
    return true;
}

}  // namespace

bool CreateClassTemplateFromSystem(const ManagerContext& manager, std::int32_t hdbc,
                                   const QString& classFullName, const QString& mainTable,
                                   const QString& name, const QString& description,
                                   ProgressBar* prg) {
    bool done = false;
    const bool finished =
        TrapErrors(QStringLiteral("frm_zelk_ljgl.CreateClassTemplateFromSystem"), [&] {
            try {
                done = createFromSystem(manager, hdbc, classFullName, mainTable, name, description,
                                        prg);
            } catch (...) {
                odbc_RollbackTrans(hdbc);
                if (prg) prg->setVisible(false);
                throw;
            }
        });
    return finished && done;
}

}  // namespace zelk
