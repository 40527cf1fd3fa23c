// Package export and import of 50 interfaces with 1024 item rows in all (every item table), each
// beside its floor in the same run: the import against the same rows inserted by prepared QtSql
// statements (one transaction per interface), the export against a bare select of the rows
// written as lines. The ratios are printed as counters (floor time / our time).

#include <benchmark/benchmark.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"
#include "transfer/packageexport.h"
#include "transfer/packageheader.h"
#include "transfer/packageimport.h"
#include "transfer/packagelines.h"
#include "transfer/transfersink.h"

namespace zelk {
namespace {

constexpr int kInterfaces = 50;
constexpr int kItems = 1024;
const QString kSystem = QStringLiteral("协同办公");

class QuietSink : public TransferSink {
  public:
    void setStatus(const QString&) override {}
    void setProgressVisible(bool) override {}
    void setProgressMax(int) override {}
    void setProgressValue(int v) override { value_ = v; }
    int progressValue() const override { return value_; }
    void setCounterVisible(bool) override {}
    void setCounter(const QString&) override {}
    void pumpEvents() override {}
    bool stopRequested() const override { return false; }
    void setStopRequested(bool) override {}

  private:
    int value_ = 0;
};

QString line(const LineTable& table, int base, const QString& tag) {
    QStringList pieces;
    for (int k = 0; k < table.columnCount(); ++k)
        pieces << (table.members[static_cast<std::size_t>(k)].isInt()
                       ? QString::number(base + k)
                       : QStringLiteral("%1列%2").arg(tag).arg(k));
    return pieces.join(QChar(u'|'));
}

const LineTable& tableOfKind(int kind) {
    switch (kind) {
        case 2:
            return ilitLineTable();
        case 3:
            return ijstLineTable();
        case 4:
            return ilstLineTable();
        default:
            return isitLineTable();
    }
}

template <class Row>
bool insertRow(std::int32_t hdbc, const LineTable& table, const QString& text,
               std::int32_t (*insert)(std::int32_t, Row&)) {
    Row row;
    parseLine(table, text, &row);
    return insert(hdbc, row) >= 1;
}

// The source: 50 interfaces of kinds 1 to 4 in class 甲, 1024 item rows; and the export list.
struct Source {
    test::TestDb db;
    std::vector<ExportRequest::Row> rows;
    Source() {
        int left = kItems;
        for (int i = 0; i < kInterfaces; ++i) {
            const int kind = 1 + i % 4;
            INDTRecord r;
            parseLine(indtLineTable(), line(indtLineTable(), 0, QStringLiteral("界面")), &r);
            setField(r.id01, QStringLiteral("GWGL"));
            setField(r.id02, QStringLiteral("甲"));
            setField(r.id03, QStringLiteral("界面%1").arg(i));
            setField(r.id05, QString::number(kind));
            setField(r.id09, kSystem);
            const std::int32_t number = sysINDTInsertRecord(db.hdbc(), r);
            rows.push_back({number, TransferKindNames(kind).name, fieldText(r.id03)});
            const int items = left / (kInterfaces - i);
            left -= items;
            const LineTable& table = tableOfKind(kind);
            for (int k = 0; k < items; ++k) {
                QStringList pieces = line(table, k, QStringLiteral("条目%1").arg(k)).split('|');
                pieces[1] = QString::number(number);
                const QString text = pieces.join('|');
                if (kind == 2)
                    insertRow<ILITRecord>(db.hdbc(), table, text, &sysILITInsertRecord);
                else if (kind == 3)
                    insertRow<IJSTRecord>(db.hdbc(), table, text, &sysIJSTInsertRecord);
                else if (kind == 4)
                    insertRow<ILSTRecord>(db.hdbc(), table, text, &sysILSTInsertRecord);
                else
                    insertRow<ISITRecord>(db.hdbc(), table, text, &sysISITInsertRecord);
            }
        }
    }
};

Source& source() {
    static Source made;
    return made;
}

QString sqliteFile(const test::TestDb& db) {
    QString file = db.connectionString();
    return file.startsWith("sqlite:") ? file.mid(7) : file;
}

QString uniqueName(const char* prefix) {
    static int serial = 0;
    return QStringLiteral("%1-%2").arg(QString::fromLatin1(prefix)).arg(++serial);
}

double seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// The floor of the export: every row selected and written as a GBK line, nothing checked.
void bareExport(QSqlDatabase& db, const QString& path,
                const std::vector<ExportRequest::Row>& rows) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QStringEncoder gbk("GBK");
    const auto writeQuery = [&](const QString& sql) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(sql);
        const int columns = query.record().count();
        while (query.next()) {
            QStringList values;
            for (int c = 0; c < columns; ++c) values << query.value(c).toString();
            file.write(gbk.encode(values.join('|')));
            file.write("\r\n");
        }
    };
    QStringList numbers;
    for (const auto& row : rows) numbers << QString::number(row.tag);
    writeQuery("select " + columnList(indtLineTable()) + " from indt where id00 in (" +
               numbers.join(',') + ")");
    for (const auto& row : rows) {
        const ItemKind* kind = itemKindByName(row.typeText);
        writeQuery(QStringLiteral("select %1 from %2 where %3 = %4")
                       .arg(columnList(*kind->lines), QString::fromLatin1(kind->queryTable),
                            QString::fromLatin1(kind->ownerColumn))
                       .arg(row.tag));
    }
}

void BM_ExportAgainstBareSelect(benchmark::State& state) {
    Source& src = source();
    QTemporaryDir dir;
    QuietSink sink;
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", uniqueName("zelk-bench-export"));
    db.setDatabaseName(sqliteFile(src.db));
    db.open();
    double ours = 0, floor = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        ExportRequest request{
            dir.filePath("p.idf"), kSystem, "GWGL", "甲", "张明", false, src.rows};
        ExportPackage(src.db.hdbc(), request, sink);
        ours += seconds(t0);
        t0 = std::chrono::steady_clock::now();
        bareExport(db, dir.filePath("bare.txt"), src.rows);
        floor += seconds(t0);
    }
    state.counters["rows_per_s"] = benchmark::Counter(kItems * state.iterations() / ours);
    state.counters["floor_rows_per_s"] = benchmark::Counter(kItems * state.iterations() / floor);
    state.counters["ratio"] = floor / ours;
    db.close();
}
BENCHMARK(BM_ExportAgainstBareSelect)->Unit(benchmark::kMillisecond);

// The floor of the import: the same rows, parsed beforehand, bound to prepared inserts.
struct Prepared {
    QStringList indtLines;
    std::vector<std::vector<QVariantList>> items;  // per interface, per row: values
    std::vector<const ItemKind*> kinds;
};

QVariantList valuesOf(const LineTable& table, const QString& text, bool withKey) {
    std::vector<char> record(table.recordSize);
    parseLine(table, text, record.data());
    QVariantList values;
    for (int k = withKey ? 0 : 1; k < table.columnCount(); ++k) {
        const LineMember& m = table.members[static_cast<std::size_t>(k)];
        if (m.isInt()) {
            std::int32_t v = 0;
            std::memcpy(&v, record.data() + m.offset, 4);
            values << v;
        } else {
            values << fromGbk(readFieldBytes(record.data() + m.offset, m.width));
        }
    }
    return values;
}

void preparedImport(QSqlDatabase& db, const Prepared& data, const QString& cls) {
    const auto insertText = [](const LineTable& table, bool withKey) {
        QStringList names, marks;
        for (int k = withKey ? 0 : 1; k < table.columnCount(); ++k) {
            names << QString::fromLatin1(table.members[static_cast<std::size_t>(k)].name);
            marks << "?";
        }
        return QStringLiteral("insert into %1 (%2) values (%3)")
            .arg(QString::fromLatin1(table.table).toLower(), names.join(','), marks.join(','));
    };
    QSqlQuery indt(db), next(db);
    indt.prepare(insertText(indtLineTable(), true));
    std::map<const LineTable*, std::unique_ptr<QSqlQuery>> items;
    for (const ItemKind* kind : data.kinds) {
        auto& q = items[kind->lines];
        if (!q) {
            q = std::make_unique<QSqlQuery>(db);
            q->prepare(insertText(*kind->lines, false));
        }
    }
    for (std::size_t i = 0; i < data.kinds.size(); ++i) {
        db.transaction();
        next.exec("select coalesce(max(id00), 0) + 1 from indt");
        next.next();
        const int number = next.value(0).toInt();
        QVariantList values = valuesOf(indtLineTable(), data.indtLines[static_cast<int>(i)], true);
        values[0] = number;
        values[2] = cls;
        for (int k = 0; k < values.size(); ++k) indt.bindValue(k, values[k]);
        indt.exec();
        QSqlQuery& q = *items[data.kinds[i]->lines];
        for (QVariantList row : data.items[i]) {
            row[0] = number;  // the owner, first after the key
            for (int k = 0; k < row.size(); ++k) q.bindValue(k, row[k]);
            q.exec();
        }
        db.commit();
    }
}

void BM_ImportAgainstPreparedInserts(benchmark::State& state) {
    Source& src = source();
    QTemporaryDir dir;
    QuietSink sink;
    const QString path = dir.filePath("p.idf");
    ExportRequest request{path, kSystem, "GWGL", "甲", "张明", false, src.rows};
    ExportPackage(src.db.hdbc(), request, sink);
    PackageHeader header;
    readPackageHeader(path, header);
    ImportRequest import{path, header.indtLines, {}, {QStringLiteral("乙")}, kSystem};
    Prepared data;
    data.indtLines = header.indtLines;
    CheckedPackage checked;
    std::vector<int> all;
    for (int i = 1; i <= header.indtLines.size(); ++i) {
        import.ticked.push_back({i, TransferKindNames(header.kinds[i - 1]).name, QString()});
        all.push_back(i);
    }
    checkPackage(path, header.indtLines, all, checked);
    {
        // Item lines of every section, for the floor.
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (int i = 0; i < header.indtLines.size(); ++i) {
            const ItemKind* kind = itemKindByName(TransferKindNames(header.kinds[i]).name);
            data.kinds.push_back(kind);
            const SectionPlace place = checked.sections.at(sectionMarker(header.records[i].id00));
            std::vector<QVariantList> rows;
            for (int k = 0; k < place.count; ++k)
                rows.push_back(valuesOf(*kind->lines,
                                        fromGbk(lines[place.firstLine - 1 + k].chopped(1)), false));
            data.items.push_back(std::move(rows));
        }
    }
    test::TestDb target;
    INDTRecord t;
    setField(t.id03, QStringLiteral("[乙]分类模板"));
    setField(t.id05, QStringLiteral("5"));
    sysINDTInsertRecord(target.hdbc(), t);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", uniqueName("zelk-bench-import"));
    db.setDatabaseName(sqliteFile(target));
    db.open();
    double ours = 0, floor = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        ImportPackage(target.hdbc(), import, sink);
        ours += seconds(t0);
        t0 = std::chrono::steady_clock::now();
        preparedImport(db, data, QStringLiteral("丙"));
        floor += seconds(t0);
    }
    state.counters["rows_per_s"] = benchmark::Counter(kItems * state.iterations() / ours);
    state.counters["floor_rows_per_s"] = benchmark::Counter(kItems * state.iterations() / floor);
    state.counters["ratio"] = floor / ours;
    db.close();
}
BENCHMARK(BM_ImportAgainstPreparedInserts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelk
