#include "transfer/packageimport.h"

#include <vector>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/prompts.h"
#include "transfer/packagefile.h"
#include "transfer/packageheader.h"
#include "transfer/packagelines.h"
#include "transfer/templatereplace.h"

namespace zelk {

namespace {

// One pair's transaction: rolled back unless committed, whatever way the pair ends. A refused
// begin or commit fails the import with `refused`: nothing of the pair is written.
class PairTransaction {
  public:
    PairTransaction(std::int32_t hdbc, QString refused)
        : hdbc_(hdbc), refused_(std::move(refused)) {
        if (odbc_BeginTrans(hdbc_) < 0) throw TransferFailure(refused_);
    }
    ~PairTransaction() {
        if (open_) odbc_RollbackTrans(hdbc_);
    }
    PairTransaction(const PairTransaction&) = delete;
    PairTransaction& operator=(const PairTransaction&) = delete;
    void commit() {
        open_ = false;
        if (odbc_CommitTrans(hdbc_) < 0) throw TransferFailure(refused_);
    }
    void rollback() {
        open_ = false;
        odbc_RollbackTrans(hdbc_);
    }

  private:
    std::int32_t hdbc_;
    QString refused_;
    bool open_ = true;
};

std::int32_t insertItem(std::int32_t hdbc, int kind, char* record, std::int32_t owner) {
    switch (kind) {
        case 1:
        case 5:
        case 6: {
            auto& row = *reinterpret_cast<ISITRecord*>(record);
            row.ii01 = owner;
            return sysISITInsertRecord(hdbc, row);
        }
        case 2: {
            auto& row = *reinterpret_cast<ILITRecord*>(record);
            row.ii01 = owner;
            return sysILITInsertRecord(hdbc, row);
        }
        case 3: {
            auto& row = *reinterpret_cast<IJSTRecord*>(record);
            row.is01 = owner;
            return sysIJSTInsertRecord(hdbc, row);
        }
        case 4: {
            auto& row = *reinterpret_cast<ILSTRecord*>(record);
            row.is01 = owner;
            return sysILSTInsertRecord(hdbc, row);
        }
        default:
            return -1;
    }
}

// Whether the interface's class already has a default of the interface's kind (the rows this
// transaction wrote included).
bool classHasDefault(std::int32_t hdbc, const INDTRecord& record) {
    const QString kind = TrimFixedField(fieldText(record.id05));
    const std::int32_t handle = sysINDTPrepareGetData(
        hdbc, fieldText(record.id09), fieldText(record.id01), fieldText(record.id02));
    if (handle <= 0) throw TransferFailure(QStringLiteral("不能读取目的分类的界面"));
    bool found = false;
    INDTRecord row;
    while (sysINDTGetRecord(handle, row) > 0)
        if (TrimFixedField(fieldText(row.id05)) == kind && HasDefaultFlag(row)) found = true;
    return found;
}

}  // namespace

ImportOutcome ImportPackage(std::int32_t hdbc, const ImportRequest& request, TransferSink& sink) {
    sink.setStopRequested(false);
    sink.setCounterVisible(true);
    sink.setProgressVisible(true);

    // The whole package is read once before anything is written.
    std::vector<int> rows;
    bool bringsClassTemplate = false;
    for (const auto& row : request.ticked) {
        rows.push_back(row.index);
        if (row.typeText == QStringLiteral("分类模板")) bringsClassTemplate = true;
    }
    CheckedPackage checked;
    if (const auto refusal = checkPackage(request.path, request.indtLines, rows, checked))
        throw TransferFailure(*refusal);

    // Each destination class needs its class template unless the package brings one.
    const auto destinationClass = [&](const QString& text) {
        return text == request.systemname ? QString() : TrimFixedField(text);
    };
    if (!request.ticked.empty() && !bringsClassTemplate) {
        for (const QString& destination : request.destinations) {
            if (!classTemplateExists(hdbc, destinationClass(destination))) {
                MsgBox(QStringLiteral("该分类中模板未建立，不能导入界面！"), vbOKOnly | vbCritical,
                       QStringLiteral("提示"));
                return ImportOutcome::NoTemplate;
            }
        }
    }

    PackageReader reader;
    if (!reader.open(request.path)) throw TransferFailure(lineErrorText(LineError::CannotOpen));
    std::vector<char> item(2048);
    int ordinary = 0;  // interfaces that came in as ordinary ones: their class had a default
    for (const auto& row : request.ticked) {
        INDTRecord parsed;
        ParseINDTLine(request.indtLines[row.index - 1], parsed, QStringLiteral("|"));
        const SectionPlace place = checked.sections.at(sectionMarker(parsed.id00));
        const ItemKind* kind = itemKindByName(row.typeText);
        if (!kind) continue;  // kinds 0 and 7 carry no item rows
        const QString refused =
            lineDetail(11 + row.index,
                       QStringLiteral("界面 %1 不能写入数据库").arg(sectionMarker(parsed.id00)));
        for (const QString& destination : request.destinations) {
            PairTransaction transaction(hdbc, refused);
            INDTRecord record = parsed;
            setField(record.id02, destinationClass(destination));
            std::int32_t oldTemplate = 0;
            if (kind->kind == 5 && !checkClassTemplate(hdbc, record, oldTemplate)) continue;
            if (kind->kind == 6 && !checkSystemTemplate(hdbc, record)) continue;
            // One default per kind: the class's own default stays as the user set it.
            if (kind->kind >= 1 && kind->kind <= 4 && HasDefaultFlag(record) &&
                classHasDefault(hdbc, record)) {
                setField(record.id07, QStringLiteral("aaaaa"));
                ++ordinary;
            }

            sink.setStatus(QString::fromUtf8(kind->phasePrefix) + row.text +
                           QStringLiteral("]..."));
            sink.setCounterVisible(true);
            sink.setProgressMax(place.count + 1);
            sink.setProgressValue(0);
            sink.pumpEvents();

            // Our library keeps a given number; the new row takes the next free one.
            record.id00 = 0;
            const std::int32_t newNumber = sysINDTInsertRecord(hdbc, record);
            if (newNumber <= 0) throw TransferFailure(refused);
            if (!reader.seek(place.offset, place.firstLine))
                throw TransferFailure(lineErrorText(LineError::CannotOpen));
            for (std::int32_t k = 1; k <= place.count; ++k) {
                QString line;
                if (!reader.readLine(line))
                    throw TransferFailure(
                        lineDetail(reader.lineNumber(), lineErrorText(reader.error())));
                if (const auto fault = parseLine(*kind->lines, line, item.data()))
                    throw TransferFailure(
                        lineDetail(reader.lineNumber(), fault->describe(*kind->lines)));
                if (insertItem(hdbc, kind->kind, item.data(), newNumber) < 1)
                    throw TransferFailure(
                        lineDetail(reader.lineNumber(), QStringLiteral("条目不能写入数据库")));
                sink.setProgressValue(sink.progressValue() + 1);
                sink.setCounter(QStringLiteral("%1/%2").arg(k).arg(place.count));
                sink.pumpEvents();
                if (sink.stopRequested()) {
                    const int answer = MsgBox(QStringLiteral("要终止转入操作吗？"),
                                              vbOKCancel | vbQuestion, QStringLiteral("提示"));
                    sink.setStopRequested(false);
                    if (answer == vbOK) {
                        transaction.rollback();
                        sink.setProgressVisible(false);
                        sink.setCounterVisible(false);
                        sink.setStatus(QStringLiteral("操作被终止"));
                        return ImportOutcome::Stopped;
                    }
                }
            }
            if (kind->kind == 5) finishClassTemplate(hdbc, oldTemplate, newNumber);
            transaction.commit();
            sink.setProgressValue(0);
            sink.setCounterVisible(false);
        }
    }
    sink.setProgressVisible(false);
    sink.setCounterVisible(false);
    sink.setStatus(ordinary == 0 ? QStringLiteral("转入结束")
                                 : QStringLiteral("转入结束，其中") + QString::number(ordinary) +
                                       QStringLiteral("个界面因分类中已有同类默认界面而作为非默认"
                                                      "界面转入"));
    return ImportOutcome::Done;
}

}  // namespace zelk
