// Malformed packages made from a sound one go through the header reader and the import: each is
// refused with one of the system's messages and the interface tables unchanged, or (a change the
// format cannot see) imported whole. ZELK_FUZZ_CASES and ZELK_FUZZ_SEED run more or others.

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "platform/promptscript.h"
#include "support/testdb.h"
#include "transfer/packageexport.h"
#include "transfer/packageheader.h"
#include "transfer/packageimport.h"
#include "transfer_support.h"

namespace zelk {
namespace {

using namespace transfertest;

using Lines = QList<QByteArray>;

// Rows and largest key of every interface table (interface rows first): an import only inserts,
// so a refused one that left anything behind changes this.
std::vector<std::pair<int, int>> tablesCounts(std::int32_t hdbc) {
    std::vector<std::pair<int, int>> all;
    for (const auto& [table, key] :
         {std::pair{"indt", "id00"}, std::pair{"isit", "ii00"}, std::pair{"ilit", "ii00"},
          std::pair{"ijst", "is00"}, std::pair{"ilst", "is00"}})
        all.emplace_back(GetRecordsetCount(hdbc, QStringLiteral("select * from %1").arg(table)),
                         GetMaxNo(hdbc, QString::fromLatin1(key), QString::fromLatin1(table)));
    return all;
}
int itemRows(const std::vector<std::pair<int, int>>& counts) {
    return counts[1].first + counts[2].first + counts[3].first + counts[4].first;
}

class Mutator {
  public:
    explicit Mutator(quint32 seed) : random_(seed) {}

    QByteArray mutate(const QByteArray& sound) {
        Lines lines = sound.split('\n');
        for (QByteArray& line : lines)
            if (line.endsWith('\r')) line.chop(1);
        if (lines.last().isEmpty()) lines.removeLast();
        QByteArray crlf = "\r\n";
        const int steps = 1 + pick(3);
        QByteArray prefix;
        for (int s = 0; s < steps; ++s) {
            const int at = pick(lines.size());
            switch (pick(16)) {
                case 0:
                    lines = lines.mid(0, at);
                    break;
                case 1:
                    if (!lines.isEmpty()) lines.removeAt(at);
                    break;
                case 2:
                    if (!lines.isEmpty()) lines.insert(at, lines[at]);
                    break;
                case 3:
                    if (lines.size() > 1) lines.swapItemsAt(at, pick(lines.size()));
                    break;
                case 4:
                case 5: {  // a count off by one
                    for (int i = at; i < lines.size(); ++i) {
                        bool ok = false;
                        const int n = lines[i].toInt(&ok);
                        if (ok && !lines[i].contains('|')) {
                            lines[i] = QByteArray::number(n + (pick(2) ? 1 : -1));
                            break;
                        }
                    }
                    break;
                }
                case 6: {  // a piece replaced by junk
                    if (lines.isEmpty()) break;
                    QList<QByteArray> pieces = lines[at].split('|');
                    static const char* junk[] = {"",     "junk", "99999999999", "-1",
                                                 "1e40", " 7 ",  "3.5",         "１２"};
                    pieces[pick(pieces.size())] = junk[pick(8)];
                    lines[at] = pieces.join('|');
                    break;
                }
                case 7:
                    if (!lines.isEmpty()) lines[at].insert(pick(lines[at].size() + 1), '|');
                    break;
                case 8: {  // pieces missing at the end
                    if (lines.isEmpty()) break;
                    QList<QByteArray> pieces = lines[at].split('|');
                    lines[at] = pieces.mid(0, pick(pieces.size())).join('|');
                    break;
                }
                case 9:
                    if (!lines.isEmpty()) lines[at].insert(pick(lines[at].size() + 1), '\0');
                    break;
                case 10:
                    if (!lines.isEmpty()) lines[at].insert(pick(lines[at].size() + 1), '\r');
                    break;
                case 11:
                    crlf = "\n";
                    break;
                case 12:
                    if (!lines.isEmpty())
                        lines[at].insert(pick(lines[at].size() + 1), pick(2) ? "\x81 " : "\xFE");
                    break;
                case 13: {  // random bytes
                    if (lines.isEmpty()) break;
                    QByteArray& line = lines[at];
                    const int n = 1 + pick(8);
                    for (int i = 0; i < n; ++i)
                        line.insert(pick(line.size() + 1), static_cast<char>(pick(256)));
                    break;
                }
                case 14:
                    prefix = "\xEF\xBB\xBF";
                    break;
                default:
                    if (pick(40) == 0)
                        lines.insert(at, QByteArray(1 << 20, 'x'));
                    else if (pick(10) == 0)
                        lines.clear();
                    break;
            }
        }
        QByteArray out = prefix;
        for (const QByteArray& line : lines) out += line + crlf;
        if (pick(10) == 0 && !out.isEmpty()) out.chop(1 + pick(qMin<int>(out.size(), 30)));
        return out;
    }

  private:
    int pick(int n) { return n <= 0 ? 0 : static_cast<int>(random_.bounded(n)); }
    QRandomGenerator random_;
};

// The first section's count of each "[#n]" line, read plainly.
std::map<QString, int> sectionCounts(const QString& path) {
    QFile file(path);
    std::map<QString, int> counts;
    if (!file.open(QIODevice::ReadOnly)) return counts;
    const Lines lines = file.readAll().split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QString line = fromGbk(lines[i]).trimmed();
        if (line.startsWith("[#") && !counts.count(line))
            counts[line] = fromGbk(lines[i + 1]).trimmed().toInt();
    }
    return counts;
}

class PackageFuzz : public test::BackendTest {};

TEST_P(PackageFuzz, MalformedPackagesAreRefusedOrImportedWhole) {
    for (const auto& s : sampleInterfaces()) insertSample(hdbc(), s, QStringLiteral("甲"));
    INDTRecord classTemplate =
        sampleIndt({0, 5, QStringLiteral("[甲]分类模板"), 0}, QStringLiteral("甲"));
    ASSERT_GT(sysINDTInsertRecord(hdbc(), classTemplate), 0);
    QTemporaryDir dir;
    const QString sound = dir.filePath("sound.idf");
    FakeSink sink;
    {
        std::vector<ExportRequest::Row> rows;
        for (const auto& s : sampleInterfaces())
            rows.push_back({s.number, TransferKindNames(s.kind).name, s.name});
        ExportRequest request{sound, "协同办公", "GWGL", "甲", "张明", false, rows};
        ASSERT_EQ(ExportPackage(hdbc(), request, sink), ExportOutcome::Done);
    }
    const QByteArray soundBytes = readAll(sound);
    ASSERT_FALSE(soundBytes.isEmpty());

    int cases = qEnvironmentVariableIntValue("ZELK_FUZZ_CASES");
    if (cases <= 0) cases = GetParam() == test::TestBackend::SQLite ? 1200 : 300;
    bool seedGiven = false;
    const quint32 seed =
        static_cast<quint32>(qEnvironmentVariableIntValue("ZELK_FUZZ_SEED", &seedGiven));
    Mutator mutator(seedGiven ? seed : 20261207u);
    const QStringList headerMessages{QStringLiteral("非界面数据包文件,或文件被破坏!"),
                                     QStringLiteral("界面数据包未包含界面数据"),
                                     QStringLiteral("无效的界面数据文件!")};
    int refusedByHeader = 0, refusedByImport = 0, imported = 0;
    const QString path = dir.filePath("case.idf");
    PromptScript script;  // any prompt fails the test
    for (int c = 0; c < cases; ++c) {
        const QByteArray bytes = mutator.mutate(soundBytes);
        ASSERT_TRUE(writeFile(path, bytes));
        SCOPED_TRACE(QStringLiteral("case %1").arg(c).toStdString());

        PackageHeader header;
        if (const auto refusal = readPackageHeader(path, header)) {
            ++refusedByHeader;
            const QString first = refusal->text.section('\n', 0, 0);
            ASSERT_TRUE(headerMessages.contains(first)) << refusal->text.toStdString();
            continue;
        }
        ImportRequest request{path, header.indtLines, {}, {QStringLiteral("甲")}, "协同办公"};
        int writing = 0;
        for (int i = 1; i <= header.indtLines.size(); ++i) {
            const int kind = header.kinds[i - 1];
            if (kind == 5 || kind == 6) continue;  // templates would ask
            request.ticked.push_back({i, TransferKindNames(kind).name, QString()});
            if (itemKindByName(TransferKindNames(kind).name)) ++writing;
        }
        const auto before = tablesCounts(hdbc());
        try {
            ASSERT_EQ(ImportPackage(hdbc(), request, sink), ImportOutcome::Done);
        } catch (const TransferFailure& failure) {
            ++refusedByImport;
            ASSERT_TRUE(tablesCounts(hdbc()) == before) << failure.what();
            continue;
        }
        ++imported;
        // Whole: one interface row per ticked interface with an item table, and all its rows.
        const auto after = tablesCounts(hdbc());
        ASSERT_EQ(after[0].first, before[0].first + writing);
        const auto counts = sectionCounts(path);
        int expectedItems = 0;
        for (const auto& row : request.ticked) {
            INDTRecord r;
            ParseINDTLine(request.indtLines[row.index - 1], r, "|");
            if (itemKindByName(row.typeText)) expectedItems += counts.at(sectionMarker(r.id00));
        }
        ASSERT_EQ(itemRows(after) - itemRows(before), expectedItems);
    }
    EXPECT_EQ(script.prompts().size(), 0u);
    // The mutations must reach all three outcomes.
    EXPECT_GT(refusedByHeader, 0);
    EXPECT_GT(refusedByImport, 0);
    EXPECT_GT(imported, 0);
    std::cout << "fuzz: " << cases << " cases: " << refusedByHeader << " refused by the header, "
              << refusedByImport << " by the import, " << imported << " imported\n";
}

ZELK_ON_BOTH_BACKENDS(PackageFuzz);

}  // namespace
}  // namespace zelk
