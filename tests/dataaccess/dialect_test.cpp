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
    [](const ::testing::TestParamInfo<Rewrite>& info) { return std::string(info.param.name); });

// Free texts that cannot run are refused, never half-run; the suite's own texts are in
// suite_texts_test.cpp.
class FreeTexts : public BackendTest {
  protected:
    bool withDemoData() const override { return true; }
};

TEST_P(FreeTexts, BadTextsAreRefused) {
    EXPECT_LT(GetRecordsetCount(hdbc(), "select * from nosuchtable"), 0);
    EXPECT_LT(ExecSQL(hdbc(), "delete from"), 0);
    EXPECT_LE(sysSYSTablePrepareGetData(hdbc(), "INDT; drop table indt", "id00", ""), 0);
    EXPECT_LE(sysSYSTablePrepareGetData(hdbc(), "INDT", "id00) from isit --", ""), 0);
    EXPECT_EQ(GetRecordsetCount(hdbc(), "select * from indt"), 7);
}

TEST_P(FreeTexts, BufferCursorReadsItsColumnsUntilTheEnd) {
    const std::int32_t b = sysBufferTablePrepareGetData(
        hdbc(), "select ss04 from sdsd where ss01=" + sqlQuote(demo::kMainTable));
    ASSERT_GT(b, 0);
    const std::int32_t r = sysBufferTableGetRecord(b);
    ASSERT_GE(r, 1);
    QString value;
    EXPECT_EQ(sysBufferTableGetData(r, 1, value), 1);
    EXPECT_EQ(sysBufferTableGetData(r, 2, value), 0) << "no second column";
    while (sysBufferTableGetRecord(b) >= 1) {
    }
    EXPECT_EQ(sysBufferTableGetData(b, 1, value), 0) << "freed at the end";
}

ZELK_ON_BOTH_BACKENDS(FreeTexts);

}  // namespace
