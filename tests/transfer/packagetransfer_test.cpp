// Export and import of packages on SQLite and PostgreSQL: the golden package, a peer's package,
// the round trip between databases, template replacement, stops and refused writes.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "platform/promptscript.h"
#include "support/refusal.h"
#include "support/testdb.h"
#include "transfer/packageexport.h"
#include "transfer/packageheader.h"
#include "transfer/packageimport.h"
#include "transfer_support.h"

namespace zelk {
namespace {

using namespace transfertest;

const QString kSystem = QStringLiteral("协同办公");

// The export list of a class as the window builds it.
std::vector<ExportRequest::Row> classRows(std::int32_t hdbc, const QString& className) {
    std::vector<ExportRequest::Row> rows;
    const std::int32_t handle =
        sysINDTPrepareGetData(hdbc, kSystem, QStringLiteral("GWGL"), className);
    INDTRecord r;
    while (handle > 0 && sysINDTGetRecord(handle, r) >= 1) {
        const auto kind = transferKindCode(r);
        if (kind) rows.push_back({r.id00, TransferKindNames(*kind).name, fieldText(r.id03)});
    }
    return rows;
}

ExportOutcome exportRows(std::int32_t hdbc, const QString& path,
                         const std::vector<ExportRequest::Row>& rows, FakeSink& sink) {
    ExportRequest request{
        path,  kSystem, QStringLiteral("GWGL"), QStringLiteral("发文"), QStringLiteral("张明"),
        false, rows};
    return ExportPackage(hdbc, request, sink);
}

// An import request ticking the package rows `which` (all when empty).
ImportRequest importRequest(const QString& path, const QStringList& destinations,
                            std::vector<int> which = {}) {
    PackageHeader header;
    EXPECT_FALSE(readPackageHeader(path, header));
    if (which.empty())
        for (int i = 1; i <= header.indtLines.size(); ++i) which.push_back(i);
    ImportRequest request{path, header.indtLines, {}, destinations, kSystem};
    for (int i : which)
        request.ticked.push_back({i, TransferKindNames(header.kinds[i - 1]).name,
                                  fieldText(header.records[i - 1].id03)});
    return request;
}

// The rows of a table's query as lines, with the pieces at `skip` blanked out.
QStringList rowsWithout(std::int32_t hdbc, const LineTable& table, const QString& name,
                        const QString& condition, std::vector<int> skip) {
    QStringList rows;
    const std::int32_t handle = sysSYSTablePrepareGetData(hdbc, name, columnList(table), condition);
    QString row;
    while (handle > 0 && sysSYSTableGetRecord(handle, row, 46) > 0) {
        QStringList pieces = row.split('|');
        for (int k : skip) pieces[k].clear();
        rows << pieces.join('|');
    }
    return rows;
}

class TransferTest : public test::BackendTest {
  protected:
    void SetUp() override {
        BackendTest::SetUp();
        setPackageClock([] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)); });
        path = dir.filePath(QStringLiteral("包.idf"));
    }
    void TearDown() override { setPackageClock({}); }

    void addSamples(std::int32_t target, const QString& className = QStringLiteral("发文")) {
        for (const auto& s : sampleInterfaces()) insertSample(target, s, className);
    }
    std::unique_ptr<test::TestDb> other() {
        auto db = std::make_unique<test::TestDb>(GetParam());
        EXPECT_TRUE(db->ok()) << db->error().toStdString();
        return db;
    }
    std::int32_t count(std::int32_t target, const QString& sql) {
        return GetRecordsetCount(target, sql);
    }
    // The sample interfaces in class 发文, exported to `path`.
    void exportSamples() {
        addSamples(hdbc());
        ASSERT_EQ(exportRows(hdbc(), path, classRows(hdbc(), QStringLiteral("发文")), sink),
                  ExportOutcome::Done);
    }
    // A class template of class `cls` in database `target`.
    static void addClassTemplate(std::int32_t target, const QString& cls, std::int32_t number) {
        INDTRecord t = sampleIndt({number, 5, "[" + cls + "]分类模板", 0}, cls);
        ASSERT_GT(sysINDTInsertRecord(target, t), 0);
    }

    QTemporaryDir dir;
    QString path;
    FakeSink sink;
};

TEST_P(TransferTest, ExportEqualsTheGoldenPackage) {
    exportSamples();
    EXPECT_EQ(sink.status, QStringLiteral("转出完毕"));
    EXPECT_FALSE(sink.progressVisible);
    const QString golden = QStringLiteral(ZELK_TRANSFER_TEST_DATA "/golden.idf");
    if (!QFile::exists(golden)) {
        QDir().mkpath(QFileInfo(golden).path());
        QFile::copy(path, golden);
        FAIL() << "golden package written to " << golden.toStdString() << "; check it in";
    }
    EXPECT_EQ(readAll(path), readAll(golden));
}

TEST_P(TransferTest, PeerPackageImports) {
    // A peer ends lines with "|", writes list columns with 46 pieces, pads values with blanks and
    // ends lines with LF alone.
    const QString indt = sampleLine(indtLineTable(), 9, QStringLiteral("对方"));
    QStringList pieces = indt.split('|');
    pieces[0] = "77";
    pieces[1] = "GWGL";
    pieces[3] = QStringLiteral("对方列表   ");
    pieces[5] = "2";
    pieces[9] = kSystem;
    const QString item =
        sampleLine(ilitLineTable(), 3, QStringLiteral("列")) + QStringLiteral("|||||||||||||||");
    const QString text = QStringLiteral(
                             "界面数据包\n\n[文件信息]\n协同办公\nGWGL\n\n某人\n昨天\n\n"
                             "[界面信息]\n1\n") +
                         pieces.join('|') + QStringLiteral("|\n\n[#77]\n2\n") + item + "\n" + item +
                         QStringLiteral("|\n#结束\n");
    ASSERT_TRUE(writeFile(path, toGbk(text)));
    ASSERT_EQ(item.count('|') + 1, 46);

    PromptScript script;
    script.answer(vbOK);
    ASSERT_EQ(ImportPackage(hdbc(), importRequest(path, {QStringLiteral("甲")}), sink),
              ImportOutcome::NoTemplate);
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("该分类中模板未建立，不能导入界面！"));
    EXPECT_EQ(count(hdbc(), "select id00 from indt"), 0);

    addClassTemplate(hdbc(), QStringLiteral("甲"), 50);
    ASSERT_EQ(ImportPackage(hdbc(), importRequest(path, {QStringLiteral("甲")}), sink),
              ImportOutcome::Done);
    EXPECT_EQ(sink.status, QStringLiteral("转入结束"));
    const std::int32_t made = sysINDTGetInterfaceByName(
        hdbc(), "GWGL", kSystem, QStringLiteral("甲"), QStringLiteral("对方列表"));
    ASSERT_GT(made, 0);
    EXPECT_NE(made, 77);
    EXPECT_EQ(sysILITGetRecordCount(hdbc(), made), 2);
}

TEST_P(TransferTest, RoundTripIntoTwoClassesOfAnotherDatabase) {
    test::TestDb demo(GetParam(), true);
    ASSERT_TRUE(demo.ok());
    const auto rows = classRows(demo.hdbc(), demo::kClass);
    ASSERT_GE(rows.size(), 5u);
    ASSERT_EQ(exportRows(demo.hdbc(), path, rows, sink), ExportOutcome::Done);

    const QStringList classes{QStringLiteral("甲"), QStringLiteral("乙'丙")};
    ASSERT_EQ(ImportPackage(hdbc(), importRequest(path, classes), sink), ImportOutcome::Done);
    for (const auto& row : rows) {
        const ItemKind* kind = itemKindByName(row.typeText);
        ASSERT_TRUE(kind);
        const QString where = QStringLiteral("id00 = %1").arg(row.tag);
        const bool classTemplate = kind->kind == 5;
        const std::vector<int> indtSkip =
            classTemplate ? std::vector<int>{0, 2, 3} : std::vector<int>{0, 2};
        const QStringList source =
            rowsWithout(demo.hdbc(), indtLineTable(), "indt", where, indtSkip);
        for (const QString& cls : classes) {
            SCOPED_TRACE((row.text + " -> " + cls).toStdString());
            const QString name = classTemplate ? QStringLiteral("[") + cls + "]分类模板" : row.text;
            const std::int32_t made = sysINDTGetInterfaceByName(hdbc(), "GWGL", kSystem, cls, name);
            ASSERT_GT(made, 0);
            EXPECT_EQ(rowsWithout(hdbc(), indtLineTable(), "indt",
                                  QStringLiteral("id00 = %1").arg(made), indtSkip),
                      source);
            const QString table = QString::fromLatin1(kind->queryTable);
            const QString owner = QString::fromLatin1(kind->ownerColumn);
            const QStringList items =
                rowsWithout(demo.hdbc(), *kind->lines, table,
                            owner + QStringLiteral(" = %1").arg(row.tag), {0, 1});
            EXPECT_FALSE(items.isEmpty());
            EXPECT_EQ(rowsWithout(hdbc(), *kind->lines, table,
                                  owner + QStringLiteral(" = %1").arg(made), {0, 1}),
                      items);
        }
    }
}

TEST_P(TransferTest, ClassTemplateTakesOverTheColumnsItLacks) {
    exportSamples();
    auto target = other();
    // The old template of class 甲 has the columns A and F1; the package's has F1 and F2.
    addClassTemplate(target->hdbc(), QStringLiteral("甲"), 60);
    for (const char* bound : {"A", "F1"}) {
        ISITRecord item;
        item.ii01 = 60;
        setField(item.ii02, QString::fromLatin1(bound));
        setField(item.ii03, QStringLiteral("旧"));
        ASSERT_GE(sysISITInsertRecord(target->hdbc(), item), 1);
    }
    const QString before = tablesDigest(target->hdbc());
    const auto request = importRequest(path, {QStringLiteral("甲")}, {5});
    {
        PromptScript script;
        script.answer(vbCancel);
        ASSERT_EQ(ImportPackage(target->hdbc(), request, sink), ImportOutcome::Done);
        EXPECT_EQ(script.prompts()[0].title, QStringLiteral("提示"));
        EXPECT_EQ(script.prompts()[0].style, vbOKCancel | vbQuestion);
        EXPECT_EQ(tablesDigest(target->hdbc()), before);
    }
    PromptScript script;
    script.answer(vbOK);
    ASSERT_EQ(ImportPackage(target->hdbc(), request, sink), ImportOutcome::Done);
    const std::int32_t made =
        sysINDTGetFLMBID(target->hdbc(), "GWGL", QStringLiteral("甲"), kSystem);
    ASSERT_GT(made, 60);
    INDTRecord row;
    ASSERT_GE(sysINDTGetDataByNo(target->hdbc(), row, made), 1);
    EXPECT_EQ(fieldText(row.id03), QStringLiteral("[甲]分类模板"));
    EXPECT_LT(sysINDTGetDataByNo(target->hdbc(), row, 60), 1);
    const auto bound = [&](std::int32_t number) {
        return rowsWithout(target->hdbc(), isitLineTable(), "isit",
                           QStringLiteral("ii01 = %1").arg(number), {})
            .replaceInStrings(QRegularExpression("^[^|]*\\|[^|]*\\|([^|]*)\\|.*$"), "\\1");
    };
    EXPECT_EQ(bound(made), (QStringList{"A", "F1", "F2"}));
    // The old template's own F1 went with it: no item row is left without its interface.
    EXPECT_TRUE(bound(60).isEmpty());
    EXPECT_EQ(
        count(target->hdbc(), "select ii00 from isit where ii01 not in (select id00 from indt)"),
        0);
}

// Class names are inserted, never read as patterns or quotes: export, import and the template's
// new name keep them, and a later import into the class still finds its template.
TEST_P(TransferTest, ClassNamesWithPercentAndQuoteTravelWhole) {
    exportSamples();
    for (const QString cls : {"甲%2乙", "丙%1丁", "%", "a'b"}) {
        SCOPED_TRACE(cls.toStdString());
        auto target = other();
        addClassTemplate(target->hdbc(), cls, 60);
        PromptScript script;
        script.answer(vbOK);  // the old template is replaced
        ASSERT_EQ(ImportPackage(target->hdbc(), importRequest(path, {cls}, {1, 5}), sink),
                  ImportOutcome::Done);
        EXPECT_EQ(sink.status, QStringLiteral("转入结束"));
        const std::int32_t made = sysINDTGetFLMBID(target->hdbc(), "GWGL", cls, kSystem);
        INDTRecord row;
        ASSERT_GE(sysINDTGetDataByNo(target->hdbc(), row, made), 1);
        EXPECT_EQ(fieldText(row.id03), "[" + cls + "]分类模板");
        EXPECT_EQ(count(target->hdbc(), "select id00 from indt where id05='5'"), 1);
        ASSERT_EQ(ImportPackage(target->hdbc(), importRequest(path, {cls}, {1}), sink),
                  ImportOutcome::Done);

        // Out again from that class and into a fresh database.
        const QString second = dir.filePath("second.idf");
        ASSERT_EQ(exportRows(target->hdbc(), second, classRows(target->hdbc(), cls), sink),
                  ExportOutcome::Done);
        auto third = other();
        ASSERT_EQ(ImportPackage(third->hdbc(), importRequest(second, {cls}), sink),
                  ImportOutcome::Done);
        EXPECT_EQ(count(third->hdbc(),
                        "select id00 from indt where id03=" + sqlQuote(QStringLiteral("收文登记"))),
                  2);
        EXPECT_GT(sysINDTGetFLMBID(third->hdbc(), "GWGL", cls, kSystem), 0);
    }
    // A refused rename fails the run with its message and takes the whole pair back.
    auto target = other();
    addClassTemplate(target->hdbc(), QStringLiteral("丁"), 60);
    ASSERT_TRUE(test::refuseRows(target->hdbc(), GetParam(), "indt",
                                 "new.id03 = '[丁]分类模板' and new.id00 <> 60", "update"));
    const QString before = tablesDigest(target->hdbc());
    PromptScript script;
    script.answer(vbOK);
    try {
        ImportPackage(target->hdbc(), importRequest(path, {QStringLiteral("丁")}, {5}), sink);
        FAIL() << "the import went on";
    } catch (const TransferFailure& failure) {
        EXPECT_EQ(failure.detail(), QStringLiteral("分类模板不能改名"));
    }
    EXPECT_EQ(tablesDigest(target->hdbc()), before);
}

// An interface with the empty flag becomes its class's default only where the class has none
// of its kind; elsewhere it comes in as an ordinary one and the run says how many did.
TEST_P(TransferTest, ImportKeepsOneDefaultPerKind) {
    test::TestDb demo(GetParam(), true);
    ASSERT_TRUE(demo.ok());
    std::vector<ExportRequest::Row> rows;
    for (const auto& row : classRows(demo.hdbc(), demo::kClass))
        if (row.typeText != QStringLiteral("分类模板")) rows.push_back(row);
    ASSERT_EQ(exportRows(demo.hdbc(), path, rows, sink), ExportOutcome::Done);
    // 甲 has its own defaults of kinds 1 and 2, 乙 none.
    std::map<int, std::int32_t> own;
    for (const char* cls : {"甲", "乙"}) addClassTemplate(hdbc(), QString::fromUtf8(cls), 0);
    for (int kind : {1, 2}) {
        INDTRecord r = sampleIndt({0, kind, QStringLiteral("自有%1").arg(kind), 0}, "甲");
        setField(r.id07, QString());
        own[kind] = sysINDTInsertRecord(hdbc(), r);
        ASSERT_GT(own[kind], 0);
    }
    const auto defaults = [&](const QString& cls, int kind) {
        std::vector<std::int32_t> found;
        const std::int32_t h = sysINDTPrepareGetData(hdbc(), kSystem, "GWGL", cls);
        INDTRecord r;
        while (h > 0 && sysINDTGetRecord(h, r) > 0)
            if (fieldText(r.id05) == QString::number(kind) && HasDefaultFlag(r))
                found.push_back(r.id00);
        return found;
    };
    const QStringList both{QStringLiteral("甲"), QStringLiteral("乙")};
    ASSERT_EQ(ImportPackage(hdbc(), importRequest(path, both), sink), ImportOutcome::Done);
    EXPECT_TRUE(sink.status.startsWith(QStringLiteral("转入结束，其中2个界面")))
        << sink.status.toStdString();
    ASSERT_EQ(ImportPackage(hdbc(), importRequest(path, {QStringLiteral("乙")}), sink),
              ImportOutcome::Done);
    EXPECT_TRUE(sink.status.startsWith(QStringLiteral("转入结束，其中4个界面")));
    for (const QString& cls : both) {
        for (int kind = 1; kind <= 4; ++kind) {
            SCOPED_TRACE((cls + QString::number(kind)).toStdString());
            const auto found = defaults(cls, kind);
            ASSERT_EQ(found.size(), 1u);
            if (own.count(kind) && cls == QStringLiteral("甲")) {
                EXPECT_EQ(found.front(), own[kind]);
            }
        }
    }
}

TEST_P(TransferTest, StopAtAnItemRow) {
    exportSamples();
    // Item entry 101 (3 rows) into 甲 and 乙; "终止" during row 2 of the second class.
    const auto request = importRequest(path, {QStringLiteral("甲"), QStringLiteral("乙")}, {1, 5});
    for (int answer : {vbCancel, vbOK}) {
        SCOPED_TRACE(answer);
        auto target = other();
        int seen = 0;
        sink.onPump = [&](FakeSink& s) {
            if (s.counter == "2/3" && ++seen == 2) s.stop = true;
        };
        PromptScript script;
        script.answer(answer);
        const ImportOutcome outcome = ImportPackage(target->hdbc(), request, sink);
        sink.onPump = nullptr;
        sink.counter.clear();
        EXPECT_EQ(script.prompts()[0].text, QStringLiteral("要终止转入操作吗？"));
        EXPECT_FALSE(sink.stop);
        const std::int32_t copies =
            count(target->hdbc(), QStringLiteral("select id00 from indt where id03=") +
                                      sqlQuote(QStringLiteral("收文登记")));
        if (answer == vbCancel) {
            EXPECT_EQ(outcome, ImportOutcome::Done);
            EXPECT_EQ(copies, 2);
            EXPECT_EQ(count(target->hdbc(), "select ii00 from isit"), 3 * 2 + 2 * 2);
        } else {
            EXPECT_EQ(outcome, ImportOutcome::Stopped);
            EXPECT_EQ(sink.status, QStringLiteral("操作被终止"));
            EXPECT_EQ(copies, 1);  // 甲 stays, 乙 rolled back, the template never reached
            EXPECT_EQ(count(target->hdbc(), "select ii00 from isit"), 3);
        }
    }
}

TEST_P(TransferTest, RefusedInsertRollsBackItsPairAndEndsTheImport) {
    exportSamples();
    auto target = other();
    addClassTemplate(target->hdbc(), QStringLiteral("甲"), 50);
    addClassTemplate(target->hdbc(), QStringLiteral("乙"), 51);
    // A second row with bound column F2 is refused: the pair (收文登记, 乙) fails at its row 2.
    test::refuseSecond(target->hdbc(), "isit", "ii02", "'F2'");
    const auto request = importRequest(path, {QStringLiteral("甲"), QStringLiteral("乙")}, {1, 2});
    try {
        ImportPackage(target->hdbc(), request, sink);
        FAIL() << "the import went on";
    } catch (const TransferFailure& failure) {
        EXPECT_TRUE(failure.detail().contains(QStringLiteral("第"))) << failure.what();
    }
    const auto named = [&](const QString& cls) {
        return sysINDTGetInterfaceByName(target->hdbc(), "GWGL", kSystem, cls,
                                         QStringLiteral("收文登记"));
    };
    EXPECT_GT(named(QStringLiteral("甲")), 0);
    EXPECT_LE(named(QStringLiteral("乙")), 0);
    EXPECT_EQ(count(target->hdbc(), "select ii00 from isit"), 3);
    EXPECT_EQ(count(target->hdbc(), "select ii00 from ilit"), 0);  // never reached
    // No transaction stays open: a later write commits on its own.
    INDTRecord later = sampleIndt({70, 1, QStringLiteral("之后"), 0}, QStringLiteral("甲"));
    EXPECT_EQ(sysINDTInsertRecord(target->hdbc(), later), 70);
}

TEST_P(TransferTest, RefusedCommitEndsTheImportWithNothingWritten) {
    exportSamples();
    auto target = other();
    addClassTemplate(target->hdbc(), QStringLiteral("甲"), 50);
    const std::int32_t before = count(target->hdbc(), "select id00 from indt");
    const auto request = importRequest(path, {QStringLiteral("甲")}, {1, 2});
    test::whileRefused(test::TxnRefusal::Commit, target->hdbc(), GetParam(), "indt", [&] {
        EXPECT_THROW(ImportPackage(target->hdbc(), request, sink), TransferFailure);
    });
    EXPECT_NE(sink.status, QStringLiteral("转入结束"));
    EXPECT_EQ(count(target->hdbc(), "select id00 from indt"), before);
    EXPECT_EQ(count(target->hdbc(), "select ii00 from isit"), 0);
}

TEST_P(TransferTest, ExportRefusesValuesTheFormatCannotCarry) {
    struct Case {
        QString sql;
        QString column;
    };
    const std::vector<Case> cases{
        {"update indt set id04='a|b' where id00=101", "[#101] 列 id04"},
        {"update isit set ii03='x\r\ny' where ii01=101 and ii02='F2'", "[#101] 列 ii03"},
        {QStringLiteral("update ijst set is36='笑😀' where is01=103"), "[#103] 列 is36"},
        {"update ilst set is28='a|b' where is01=104", "[#104] 列 is28"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column.toStdString());
        auto source = other();
        addSamples(source->hdbc());
        ASSERT_GE(ExecSQL(source->hdbc(), c.sql), 0);
        ASSERT_TRUE(writeFile(path, "earlier package"));
        try {
            exportRows(source->hdbc(), path, classRows(source->hdbc(), QStringLiteral("发文")),
                       sink);
            ADD_FAILURE() << "exported";
        } catch (const TransferFailure& failure) {
            EXPECT_TRUE(failure.detail().startsWith(c.column)) << failure.what();
        }
        EXPECT_EQ(readAll(path), QByteArray("earlier package"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }
}

TEST_P(TransferTest, StoppedOrEmptyExportLeavesTheFolderAsItWas) {
    addSamples(hdbc());
    PromptScript script;
    script.answer(vbCancel).answer(vbOK);
    // Cancel goes on at row 2 of 收文登记; OK at the next row that finds the flag set again.
    int pumps = 0;
    sink.onPump = [&](FakeSink& s) {
        if (s.counter == "2/3" || (pumps > 0 && s.counter == "1/2")) {
            s.stop = true;
            ++pumps;
        }
    };
    EXPECT_EQ(exportRows(hdbc(), path, classRows(hdbc(), QStringLiteral("发文")), sink),
              ExportOutcome::Stopped);
    EXPECT_EQ(script.prompts().size(), 2u);
    EXPECT_EQ(script.prompts()[0].text, QStringLiteral("要终止数据转出吗？"));
    EXPECT_EQ(sink.status, QStringLiteral("操作被强行终止！"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    sink.onPump = nullptr;
    ExportRequest empty{path, kSystem, "GWGL", "", "", true, {}};
    EXPECT_EQ(ExportPackage(hdbc(), empty, sink), ExportOutcome::Nothing);
    EXPECT_FALSE(QFile::exists(path));
    // Rows but none ticked: header, count "0" and the end line.
    empty.listEmpty = false;
    EXPECT_EQ(ExportPackage(hdbc(), empty, sink), ExportOutcome::Done);
    EXPECT_TRUE(readAll(path).endsWith(toGbk(QStringLiteral("[界面信息]\r\n0\r\n#结束\r\n"))));
}

TEST_P(TransferTest, SystemTemplateReplacementAndItsRefusal) {
    exportSamples();
    auto target = other();
    for (const char* cls : {"甲", "乙"})
        addClassTemplate(target->hdbc(), QString::fromUtf8(cls), 0);
    const auto request = importRequest(path, {QStringLiteral("甲"), QStringLiteral("乙")}, {6});
    {
        // 甲 inserts the template; 乙 finds it and replaces it after OK.
        PromptScript script;
        script.answer(vbOK);
        ASSERT_EQ(ImportPackage(target->hdbc(), request, sink), ImportOutcome::Done);
        ASSERT_EQ(script.prompts().size(), 1u);
        const std::int32_t now = sysINDTGetSystemID(target->hdbc(), "GWGL", kSystem);
        INDTRecord row;
        ASSERT_GE(sysINDTGetDataByNo(target->hdbc(), row, now), 1);
        EXPECT_EQ(fieldText(row.id02), QStringLiteral("乙"));
        EXPECT_EQ(count(target->hdbc(), "select id00 from indt where id05='6'"), 1);
        EXPECT_EQ(sysISITGetRecordCount(target->hdbc(), now), 1);
    }
    ASSERT_TRUE(test::refuseRows(target->hdbc(), GetParam(), "indt", "1=1", "delete"));
    const QString before = tablesDigest(target->hdbc());
    PromptScript script;
    script.answer(vbOK).answer(vbOK).answer(vbOK).answer(vbOK);
    ASSERT_EQ(ImportPackage(target->hdbc(), request, sink), ImportOutcome::Done);
    ASSERT_EQ(script.prompts().size(), 4u);
    EXPECT_EQ(script.prompts()[1].text, QStringLiteral("不能更改系统模板！转入系统模板失败"));
    EXPECT_EQ(tablesDigest(target->hdbc()), before);
}

ZELK_ON_BOTH_BACKENDS(TransferTest);

}  // namespace
}  // namespace zelk
