#include "transfer/packageexport.h"

#include "dataaccess/dravix.h"
#include "platform/prompts.h"
#include "transfer/packagefile.h"
#include "transfer/packageheader.h"
#include "transfer/packagelines.h"

namespace zelk {

namespace {

std::function<QDateTime()>& packageClock() {
    static std::function<QDateTime()> clock;
    return clock;
}

// Frees a row query however the writing of its rows ends.
class RowQuery {
  public:
    explicit RowQuery(std::int32_t handle) : handle_(handle) {}
    ~RowQuery() { release(); }
    RowQuery(const RowQuery&) = delete;
    RowQuery& operator=(const RowQuery&) = delete;
    std::int32_t handle() const { return handle_; }
    void release() {
        if (handle_ > 0) odbc_FreeStmtHandle(handle_);
        handle_ = 0;
    }
    void ended() { handle_ = 0; }  // the fetch that reported the end freed it

  private:
    std::int32_t handle_;
};

// The column that holds a "|" (the line has more pieces than columns): read the row again
// column by column, by its key in the first piece.
QString columnWithSeparator(std::int32_t hdbc, const LineTable& table, const QString& queryTable,
                            const QString& key) {
    const QString keyColumn = QString::fromLatin1(table.members.front().name);
    const std::int32_t handle = sysBufferTablePrepareGetData(
        hdbc, QStringLiteral("select %1 from %2 where %3=%4")
                  .arg(columnList(table), queryTable, keyColumn, QString::number(key.toInt())));
    QString found;
    if (handle > 0 && sysBufferTableGetRecord(handle) > 0) {
        for (int k = 0; k < table.columnCount() && found.isEmpty(); ++k) {
            QString value;
            sysBufferTableGetData(handle, k + 1, value);
            if (value.contains(QChar(u'|')))
                found = QString::fromLatin1(table.members[static_cast<std::size_t>(k)].name);
        }
    }
    odbc_FreeStmtHandle(handle);
    return found.isEmpty() ? QStringLiteral("?") : found;
}

// Every line written must read back with exactly its columns: no "|", CR, LF or NUL inside a
// value, every character in GBK, numbers where the table has integers.
QString checkedLine(std::int32_t hdbc, const LineTable& table, const QString& queryTable,
                    const QString& row, const QString& marker) {
    const QStringList pieces = row.split(QChar(u'|'));
    const auto refuse = [&](const QString& column) {
        return TransferFailure(marker + QStringLiteral(" 列 ") + column +
                               QStringLiteral(" 的值不能写入数据包"));
    };
    if (pieces.size() > table.columnCount())
        throw refuse(columnWithSeparator(hdbc, table, queryTable, pieces.front()));
    if (pieces.size() < table.columnCount())
        throw refuse(
            QString::fromLatin1(table.members[static_cast<std::size_t>(pieces.size())].name));
    bool gbk = true;
    encodeGbkStrict(row, &gbk);
    if (!gbk || row.contains(QChar(u'\0')) || row.contains(QChar(u'\r')) ||
        row.contains(QChar(u'\n'))) {
        for (int k = 0; k < pieces.size(); ++k) {
            const QString& piece = pieces[k];
            encodeGbkStrict(piece, &gbk);
            if (!gbk || piece.contains(QChar(u'\0')) || piece.contains(QChar(u'\r')) ||
                piece.contains(QChar(u'\n')))
                throw refuse(QString::fromLatin1(table.members[static_cast<std::size_t>(k)].name));
        }
    }
    QString line = row;
    while (line.endsWith(QChar(u' '))) line.chop(1);
    std::vector<char> record(table.recordSize);
    if (const auto fault = parseLine(table, line, record.data()))
        throw refuse(
            QString::fromLatin1(table.members[static_cast<std::size_t>(fault->column)].name));
    return line;
}

}  // namespace

void setPackageClock(std::function<QDateTime()> clock) {
    packageClock() = std::move(clock);
}

ExportOutcome ExportPackage(std::int32_t hdbc, const ExportRequest& request, TransferSink& sink) {
    if (request.listEmpty) return ExportOutcome::Nothing;
    PackageWriter writer(request.fileName);
    if (!writer.open()) throw TransferFailure(request.fileName);
    const auto write = [&](const QString& line) {
        if (!writer.writeLine(line)) throw TransferFailure(request.fileName);
    };
    const QDateTime now = packageClock() ? packageClock()() : QDateTime::currentDateTime();
    for (const QString& line :
         {kPackageMark, QString(), QStringLiteral("[文件信息]"), request.systemname,
          request.maintable, request.classname, request.username,
          now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), QString(),
          QStringLiteral("[界面信息]")})
        write(line);

    sink.setStatus(QStringLiteral("准备转出任务一：INDT(界面描述数据)..."));
    sink.pumpEvents();
    sink.setProgressVisible(true);

    // Rows of one query as lines; false when the person stopped the export.
    const auto writeRows = [&](const LineTable& table, const QString& queryTable,
                               const QString& condition, std::int32_t count, std::int32_t section) {
        RowQuery query(sysSYSTablePrepareGetData(hdbc, queryTable, columnList(table), condition));
        if (query.handle() <= 0) throw TransferFailure(QString::fromLatin1(table.table));
        std::int32_t written = 0;
        QString row;
        for (;;) {
            const std::int32_t got = sysSYSTableGetRecord(query.handle(), row, 46);
            if (got <= 0) {
                query.ended();
                break;
            }
            const QString marker =
                sectionMarker(section > 0 ? section : row.section(QChar(u'|'), 0, 0).toInt());
            if (++written > count) break;
            write(checkedLine(hdbc, table, queryTable, row, marker));
            sink.setCounter(QStringLiteral("%1/%2").arg(sink.progressValue() + 1).arg(count));
            sink.pumpEvents();
            if (sink.stopRequested()) {
                if (MsgBox(QStringLiteral("要终止数据转出吗？"), vbOKCancel,
                           QStringLiteral("系统提示")) == vbOK) {
                    query.release();
                    sink.setStatus(QStringLiteral("操作被强行终止！"));
                    sink.setProgressVisible(false);
                    sink.setCounterVisible(false);
                    writer.cancel();
                    return false;
                }
                sink.setStopRequested(false);
            }
            sink.setProgressValue(sink.progressValue() + 1);
        }
        // The count line announced `count` rows: readers take exactly that many lines.
        if (written != count)
            throw TransferFailure((section > 0 ? sectionMarker(section) : QStringLiteral("INDT")) +
                                  QStringLiteral(" 的行数在转出时发生变化"));
        return true;
    };

    // Interface lines; with no ticked row there is no condition and nothing to count.
    QStringList terms;
    for (const auto& row : request.ticked) terms << QStringLiteral("id00 = %1").arg(row.tag);
    const QString condition = terms.join(QStringLiteral(" or "));
    std::int32_t count = 0;
    if (!terms.isEmpty())
        count =
            std::max(0, GetRecordsetCount(hdbc, QStringLiteral("select %1 from INDT where %2")
                                                    .arg(columnList(indtLineTable()), condition)));
    write(QString::number(count));
    if (count > 0) {
        sink.setProgressMax(count);
        sink.setProgressValue(0);
        sink.setCounterVisible(true);
        sink.setStatus(QStringLiteral("转出INDT(界面描述数据)..."));
        sink.pumpEvents();
        if (!writeRows(indtLineTable(), QStringLiteral("INDT"), condition, count, 0))
            return ExportOutcome::Stopped;
        sink.setCounterVisible(false);
    }
    sink.setProgressValue(0);

    for (const auto& row : request.ticked) {
        sink.setStatus(QStringLiteral("转出界面 [") + row.text + QStringLiteral("] ..."));
        sink.pumpEvents();
        const ItemKind* kind = itemKindByName(row.typeText);
        std::int32_t items = 0;
        QString itemCondition;
        if (kind) {
            itemCondition =
                QStringLiteral("%1 =  %2").arg(QString::fromLatin1(kind->ownerColumn)).arg(row.tag);
            items =
                std::max(0, GetRecordsetCount(hdbc, QStringLiteral("select %1 from %2 where %3")
                                                        .arg(columnList(*kind->lines),
                                                             QString::fromLatin1(kind->queryTable),
                                                             itemCondition)));
        }
        write(QString());
        write(sectionMarker(row.tag));
        write(QString::number(items));
        if (items > 0) {
            sink.setProgressMax(items);
            sink.setCounterVisible(true);
            if (!writeRows(*kind->lines, QString::fromLatin1(kind->queryTable), itemCondition,
                           items, row.tag))
                return ExportOutcome::Stopped;
            sink.setProgressValue(0);
            sink.setCounterVisible(false);
        }
    }
    sink.setStatus(QStringLiteral("转出完毕"));
    sink.setProgressVisible(false);
    write(kPackageEnd);
    if (!writer.commit()) throw TransferFailure(request.fileName);
    return ExportOutcome::Done;
}

}  // namespace zelk
