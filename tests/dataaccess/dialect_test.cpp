// The suite's SQL texts on both back ends.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dialect.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

struct Rewrite {
    const char* name;
    const char* suite;
    const char* adapted;
};

std::string rewriteName(const ::testing::TestParamInfo<Rewrite>& info) {
    return info.param.name;
}

class AdaptSql : public ::testing::TestWithParam<Rewrite> {};

TEST_P(AdaptSql, Rewrites) {
    EXPECT_EQ(da::adaptSql(QString::fromUtf8(GetParam().suite)),
              QString::fromUtf8(GetParam().adapted));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AdaptSql,
    ::testing::Values(
        Rewrite{"DeleteWithoutFrom", "delete indt where id00=5 and id05='5'",
                "delete from indt where id00=5 and id05='5'"},
        Rewrite{"DeleteWithFromStays", "DELETE FROM isit WHERE ii00 = 3",
                "DELETE FROM isit WHERE ii00 = 3"},
        Rewrite{"Left", "II01 = 4 and left(II02,5)='ZDYBQ' ",
                "II01 = 4 and substr(II02,1,5)='ZDYBQ' "},
        Rewrite{"NestedLeft", "left(left(ii03, 4), 2) = '电子'",
                "substr(substr(ii03,1, 4),1, 2) = '电子'"},
        Rewrite{"LeftJoinStays", "select * from a left join b on a.x = b.x",
                "select * from a left join b on a.x = b.x"},
        Rewrite{"QuotedInteger", "update isit set ii01='8' where ii01='3'and ii02='bt'",
                "update isit set ii01=8 where ii01=3 and ii02='bt'"},
        Rewrite{"QuotedIntegerWithBlanks", "MR00 = ' 12 ' or mh00<>'-1'", "MR00 = 12 or mh00<>-1"},
        Rewrite{"EmptyTextAsInteger", "id00=''", "id00=0"},
        Rewrite{"TextColumnKeepsQuotes", "id05='3' and MR05='12'", "id05='3' and MR05='12'"},
        Rewrite{"TrailingBlanksOfComparedTexts", "id07='aaaaa ' and id03 <> 'x  '",
                "id07='aaaaa' and id03 <> 'x'"},
        Rewrite{"QuotesInsideTextsUntouched", "id02='delete indt where left(''a'',1)'",
                "id02='delete indt where left(''a'',1)'"},
        Rewrite{"NonNumberStays", "id00='abc'", "id00='abc'"}),
    rewriteName);

// The Parts' own texts run on both back ends.
class SuiteTexts : public BackendTest {
  protected:
    bool withDemoData() const override { return true; }
    std::int32_t count(const QString& sql) { return GetRecordsetCount(hdbc(), sql); }
};

TEST_P(SuiteTexts, CountsAndConditions) {
    // Item-entry designer: the class's default search form.
    MidTableRecord value;
    GetRecordDataFromMidTable(hdbc(), value,
                              "select id00 from indt where id01='GWGL' and id02='发文' and "
                              "id05='3' and (id07='' or id07 is null)");
    INDTRecord search;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), search, fieldText(value.m00).toInt()), 1);
    EXPECT_EQ(fieldText(search.id05), QString("3"));

    EXPECT_EQ(count("select id00,id01,id02 from INDT where id00 = 1 or id00 = 3"), 2);
    EXPECT_EQ(count("select ii00,ii01 from isit where ii01 =  3"),
              sysISITGetRecordCount(hdbc(), 3));
    EXPECT_EQ(count("select * from indt where id03='[发文]分类模板'"), 1);
    EXPECT_EQ(count("select * from indt where id00 = 99999"), 0);
    EXPECT_LT(count("select * from nosuchtable"), 0);

    // Custom labels of an interface.
    const std::int32_t h = sysISITPrepareGetDataEx(
        hdbc(), "II01 = 3 and II02 is not null and II02 <>'' and left(II02,5)='ZDYBQ' ");
    ISITRecord item;
    ASSERT_EQ(sysISITGetRecord(h, item), 1);
    EXPECT_EQ(fieldText(item.ii02), QString("ZDYBQ1"));
    EXPECT_EQ(sysISITGetRecord(h, item), 0);

    // Template fields the list lacks.
    const QString missing =
        "(II01 = (SELECT ID00  FROM INDT  WHERE (ID01 = 'GWGL') AND (ID09 = '协同办公') AND "
        "(ID05 = '6'))) AND  (II02 NOT IN (SELECT II02  FROM ILIT  WHERE II01 = 6 and II02 is "
        "not null and ii02<>'')) ";
    const std::int32_t fields = sysISITPrepareGetDataEx(hdbc(), missing);
    ASSERT_GT(fields, 0);
    int n = 0;
    while (sysISITGetRecord(fields, item) > 0) ++n;
    EXPECT_EQ(n, 16 - 6);

    // Lowest item of a list.
    const std::int32_t lowest = sysILSTPrepareGetDataEx(
        hdbc(),
        "(IS01 = 7) AND (IS14 IN  (SELECT MAX(IS14)  FROM ILST  WHERE IS01 = 7 and not is02 is "
        "null))");
    ILSTRecord column;
    EXPECT_EQ(sysILSTGetRecord(lowest, column), 1);
    odbc_FreeStmtHandle(lowest);
}

TEST_P(SuiteTexts, StatementsOfTheTransfer) {
    // Re-key the old class template's items, rename the new one, delete the old row.
    ASSERT_EQ(sysINDTGetDataByNo(hdbc(), *std::make_unique<INDTRecord>(), 2), 2);
    EXPECT_EQ(ExecSQL(hdbc(), "update isit set ii01='90' where ii01='2'and ii02='bt'"), 0);
    EXPECT_EQ(count("select ii00 from isit where ii01='90'"), 1);
    EXPECT_EQ(ExecSQL(hdbc(), "update indt set id03='[发文]分类模板' where id00='1'"), 0);
    EXPECT_EQ(ExecSQL(hdbc(), "delete indt where id00=2 and id05='5'"), 0);
    EXPECT_EQ(count("select * from indt where id00=2"), 0);
    EXPECT_EQ(ExecSQL(hdbc(), "UPDATE INDT SET ID08 = '42' WHERE ID00 = 3"), 0);
    INDTRecord row;
    sysINDTGetDataByNo(hdbc(), row, 3);
    EXPECT_EQ(fieldText(row.id08), QString("42"));
    EXPECT_EQ(ExecSQL(hdbc(), "delete from isit where ii00 = 1"), 0);
    EXPECT_LT(ExecSQL(hdbc(), "delete from"), 0);
}

TEST_P(SuiteTexts, GenericCursors) {
    const std::int32_t h =
        sysSYSTablePrepareGetData(hdbc(), "INDT", "id00,id03,id05,id07", "id00 = 3 or id00 = 4");
    ASSERT_GT(h, 0);
    QString row;
    ASSERT_EQ(sysSYSTableGetRecord(h, row, 4), 1);
    EXPECT_EQ(row, QString("3|发文登记|1|"));
    ASSERT_EQ(sysSYSTableGetRecord(h, row, 4), 1);
    EXPECT_EQ(row, QString("4|发文登记（简版）|1|aaaaa"));
    EXPECT_EQ(sysSYSTableGetRecord(h, row, 4), 0);
    EXPECT_LE(sysSYSTablePrepareGetData(hdbc(), "INDT; drop table indt", "id00", ""), 0);
    EXPECT_LE(sysSYSTablePrepareGetData(hdbc(), "INDT", "id00) from isit --", ""), 0);

    const std::int32_t b = sysBufferTablePrepareGetData(
        hdbc(), "select ss04 from sdsd where ss01='" + demo::kMainTable + "'");
    QStringList classes;
    std::int32_t r = sysBufferTableGetRecord(b);
    while (r >= 1) {
        QString value;
        EXPECT_EQ(sysBufferTableGetData(r, 1, value), 1);
        EXPECT_EQ(sysBufferTableGetData(r, 2, value), 0) << "no second column";
        classes << value;
        r = sysBufferTableGetRecord(r);
    }
    EXPECT_EQ(classes.size(), 5);
    EXPECT_TRUE(classes.contains("发文/上行文"));
    QString value;
    EXPECT_EQ(sysBufferTableGetData(b, 1, value), 0) << "freed at the end";
}

ZELK_ON_BOTH_BACKENDS(SuiteTexts);

}  // namespace
