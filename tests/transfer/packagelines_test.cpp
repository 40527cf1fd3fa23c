// Package lines and the package file: the member tables, the parsers, the line reader's rules and
// the header reader's refusals.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "component/fixedfield.h"
#include "platform/errors.h"
#include "transfer/packagefile.h"
#include "transfer/packageheader.h"
#include "transfer/packagelines.h"
#include "transfer_support.h"

namespace zelk {
namespace {

using transfertest::sampleLine;

TEST(PackageLines, TablesCoverTheirRecordsExactly) {
    struct Case {
        const LineTable* table;
        int columns;
        std::size_t end;  // where the last member ends
    };
    for (const Case& c : {Case{&indtLineTable(), 21, 1042}, Case{&isitLineTable(), 46, 1172},
                          Case{&ijstLineTable(), 46, 1142}, Case{&ilitLineTable(), 31, 602},
                          Case{&ilstLineTable(), 31, 602}}) {
        SCOPED_TRACE(c.table->table);
        ASSERT_EQ(c.table->columnCount(), c.columns);
        std::size_t at = 0;
        for (const LineMember& m : c.table->members) {
            EXPECT_EQ(m.offset, at) << m.name;
            at += m.isInt() ? 4 : m.width;
        }
        EXPECT_EQ(at, c.end);
    }
    EXPECT_EQ(ijstLineTable().members[27].width, 12u);
    EXPECT_EQ(isitLineTable().members[27].width, 42u);
}

TEST(PackageLines, ParsesIntoAClearedRecord) {
    INDTRecord r;
    ParseINDTLine(sampleLine(indtLineTable(), 7, QStringLiteral("甲")), r, QStringLiteral("|"));
    EXPECT_EQ(r.id00, 7);
    EXPECT_EQ(fieldText(r.id03), QStringLiteral("甲第3列"));
    // A second line with other values leaves nothing of the first behind.
    ParseINDTLine(QStringLiteral("8|主表|||||||||||||||||||"), r, QStringLiteral("|"));
    EXPECT_EQ(r.id00, 8);
    EXPECT_EQ(fieldText(r.id01), QStringLiteral("主表"));
    EXPECT_EQ(fieldText(r.id03), QString());
    // Text members: value, NUL, blanks.
    EXPECT_EQ(r.id01[4], '\0');
    EXPECT_EQ(r.id01[5], ' ');
}

TEST(PackageLines, ExtraPiecesAndATrailingSeparatorAreIgnored) {
    const QString line = sampleLine(ilitLineTable(), 1, QStringLiteral("列"));
    ILITRecord plain, longer, trailing;
    ParseILITLine(line, plain, "|");
    // A peer writes ILIT lines of 46 pieces.
    ParseILITLine(line + QStringLiteral("|a|b|c|1|2|3|4|5|6|7|8|9|10|11|12"), longer, "|");
    ParseILITLine(line + QStringLiteral("|"), trailing, "|");
    EXPECT_EQ(std::memcmp(&plain, &longer, sizeof plain), 0);
    EXPECT_EQ(std::memcmp(&plain, &trailing, sizeof plain), 0);
}

TEST(PackageLines, ShortLinesAndBadNumbersAreRefused) {
    struct Case {
        QString line;
        LineFault::Kind kind;
        int column;
    };
    const QString full = sampleLine(isitLineTable(), 1, QStringLiteral("x"));
    const QStringList pieces = full.split('|');
    std::vector<Case> cases{
        {QString(), LineFault::BadNumber, 0},
        {pieces.mid(0, 45).join('|'), LineFault::TooFewPieces, 45},
        {pieces.mid(0, 3).join('|'), LineFault::TooFewPieces, 3},
        {QStringLiteral("1|x|") + pieces.mid(2).join('|'), LineFault::BadNumber, 1},
        {QStringLiteral("1|2|") + pieces.mid(2, 2).join('|') + QStringLiteral("|99999999999|") +
             pieces.mid(5).join('|'),
         LineFault::BadNumber, 4},
    };
    for (const Case& c : cases) {
        ISITRecord r;
        const auto fault = parseLine(isitLineTable(), c.line, &r);
        ASSERT_TRUE(fault) << c.line.toStdString();
        EXPECT_EQ(fault->kind, c.kind);
        EXPECT_EQ(fault->column, c.column);
        EXPECT_THROW(ParseISITLine(c.line, r, "|"), ZelkError);
    }
    ISITRecord r;
    EXPECT_FALSE(parseLine(isitLineTable(), QStringLiteral(" 12 |") + pieces.mid(1).join('|'), &r));
    EXPECT_EQ(r.ii00, 12);
}

TEST(PackageLines, TextsAreCutToTheirWidthWithoutALoneLeadByte) {
    INDTRecord r;
    // id05 is 10 wide: exactly 10 bytes keep no NUL; "一二三四五六" is 12 bytes, cut to 10.
    QString line = sampleLine(indtLineTable(), 1, QStringLiteral("t"));
    QStringList pieces = line.split('|');
    pieces[5] = QStringLiteral("0123456789");
    ParseINDTLine(pieces.join('|'), r, "|");
    EXPECT_EQ(QByteArray(r.id05.data(), 10), QByteArray("0123456789"));
    pieces[5] = QStringLiteral("一二三四五六");
    ParseINDTLine(pieces.join('|'), r, "|");
    EXPECT_EQ(fieldText(r.id05), QStringLiteral("一二三四五"));
}

class PackageFileTest : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("p%1.idf").arg(++serial));
        EXPECT_TRUE(transfertest::writeFile(path, bytes));
        return path;
    }
    QTemporaryDir dir;
    int serial = 0;
};

TEST_F(PackageFileTest, ReaderRefusesBadLines) {
    struct Case {
        QByteArray bytes;
        LineError error;
    };
    const std::vector<Case> cases{
        {QByteArray("ok\r\na\0b\r\n", 9), LineError::Nul},
        {QByteArray("ok\r\na\rb\r\n"), LineError::StrayCr},
        {QByteArray("ok\r\nab\r\r\n"), LineError::StrayCr},
        {QByteArray("ok\r\n\x81\x20\r\n"), LineError::InvalidGbk},
        {QByteArray("ok\r\n\x81"), LineError::InvalidGbk},
        {QByteArray("ok\r\n") + QByteArray(kMaxPackageLineBytes + 1, 'x') + "\r\n",
         LineError::TooLong},
        {QByteArray("ok\r\n") + QByteArray(1 << 20, 'x'), LineError::TooLong},
    };
    for (const Case& c : cases) {
        PackageReader reader;
        ASSERT_TRUE(reader.open(write(c.bytes)));
        QString line;
        ASSERT_TRUE(reader.readLine(line));
        EXPECT_FALSE(reader.readLine(line));
        EXPECT_EQ(reader.error(), c.error) << c.bytes.left(20).toHex().toStdString();
        EXPECT_EQ(reader.lineNumber(), 2);
    }
    PackageReader exact;
    ASSERT_TRUE(exact.open(write(QByteArray(kMaxPackageLineBytes, 'y') + "\r\n")));
    QString line;
    EXPECT_TRUE(exact.readLine(line));
}

QByteArray header(const QString& count, const QStringList& lines) {
    QString text = QStringLiteral(
                       "界面数据包\r\n\r\n[文件信息]\r\n协同办公\r\nGWGL\r\n发文\r\n张明\r\n"
                       "2026-01-02 03:04:05\r\n\r\n[界面信息]\r\n") +
                   count + QStringLiteral("\r\n");
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return toGbk(text);
}

TEST_F(PackageFileTest, HeaderReaderListsInterfacesAndRefusesDamage) {
    const QString a = sampleLine(indtLineTable(), 5, QStringLiteral("甲"))
                          .replace(QStringLiteral("甲第5列"), QStringLiteral("1"));
    PackageHeader h;
    ASSERT_FALSE(readPackageHeader(write(header("1", {a})), h));
    EXPECT_EQ(h.values[0], QStringLiteral("协同办公"));
    EXPECT_EQ(h.values[4], QStringLiteral("2026-01-02 03:04:05"));
    ASSERT_EQ(h.indtLines, QStringList{a});
    EXPECT_EQ(h.kinds, std::vector<int>{1});

    struct Case {
        QByteArray bytes;
        QString message;
        QString title;
    };
    const QString notPackage = QStringLiteral("非界面数据包文件,或文件被破坏!");
    const QString invalid = QStringLiteral("无效的界面数据文件!");
    const QString bad7 = QString(a).replace(QStringLiteral("|1|"), QStringLiteral("|8|"));
    const std::vector<Case> cases{
        {toGbk(QStringLiteral("界面数据包 \r\n")), notPackage, QString()},
        {QByteArray("\xEF\xBB\xBF") + header("1", {a}), notPackage, QString()},
        {header("x", {a}), QStringLiteral("界面数据包未包含界面数据"), QString()},
        {header("2", {a}), invalid, QStringLiteral("系统提示")},
        {header("-1", {}), invalid, QStringLiteral("系统提示")},
        {header("40000", {a}), invalid, QStringLiteral("系统提示")},
        {header("1", {bad7}), invalid, QStringLiteral("系统提示")},
        {header("1", {a.section('|', 0, 10)}), invalid, QStringLiteral("系统提示")},
        {header("1", {QStringLiteral("x") + a}), invalid, QStringLiteral("系统提示")},
        {header("1", {a + QStringLiteral("\r")}), invalid, QStringLiteral("系统提示")},
    };
    for (const Case& c : cases) {
        PackageHeader kept = h;
        const auto refusal = readPackageHeader(write(c.bytes), kept);
        ASSERT_TRUE(refusal) << c.bytes.toHex().left(40).toStdString();
        EXPECT_TRUE(refusal->text.startsWith(c.message + "\n")) << refusal->text.toStdString();
        EXPECT_TRUE(refusal->text.contains(QStringLiteral("第"))) << refusal->text.toStdString();
        EXPECT_EQ(refusal->title, c.title);
        EXPECT_EQ(kept.indtLines, h.indtLines);  // a refused package changes nothing
    }
    EXPECT_TRUE(readPackageHeader(dir.filePath("missing.idf"), h));
}

}  // namespace
}  // namespace zelk
