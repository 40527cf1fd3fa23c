// A class name with a quote in it, through every entry point that takes SQL text.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

const QString kClass = "O'Brien的'分类''";

class Quoting : public BackendTest {
  protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped()) return;
        INDTRecord row;
        setField(row.id01, "GWGL");
        setField(row.id02, kClass);
        setField(row.id03, "[" + kClass + "]分类模板");
        setField(row.id05, "5");
        setField(row.id09, "协同办公");
        number_ = sysINDTInsertRecord(hdbc(), row);
        ASSERT_GE(number_, 1);
        ISITRecord item;
        item.ii01 = number_;
        setField(item.ii02, "bt");
        setField(item.ii28, kClass);
        ASSERT_GE(sysISITInsertRecord(hdbc(), item), 1);
    }
    QString byClass() const { return "id02=" + sqlQuote(kClass); }
    std::int32_t number_ = 0;
};

TEST_P(Quoting, StoredAsGivenAndFoundByTheLibrary) {
    EXPECT_EQ(sysINDTGetFLMBID(hdbc(), "GWGL", kClass, "协同办公"), number_);
    INDTRecord row;
    const std::int32_t h = sysINDTPrepareGetData(hdbc(), "协同办公", "GWGL", kClass);
    ASSERT_EQ(sysINDTGetRecord(h, row), 1);
    EXPECT_EQ(fieldText(row.id02), kClass);
    odbc_FreeStmtHandle(h);
}

TEST_P(Quoting, FoundThroughEveryFreeText) {
    EXPECT_EQ(GetRecordsetCount(hdbc(), "select * from indt where " + byClass()), 1);

    MidTableRecord value;
    GetRecordDataFromMidTable(hdbc(), value, "select id03 from indt where " + byClass());
    EXPECT_EQ(fieldText(value.m00), "[" + kClass + "]分类模板");

    const std::int32_t b =
        sysBufferTablePrepareGetData(hdbc(), "select id02 from indt where " + byClass());
    ASSERT_GT(sysBufferTableGetRecord(b), 0);
    QString text;
    sysBufferTableGetData(b, 1, text);
    EXPECT_EQ(text, kClass);
    odbc_FreeStmtHandle(b);

    const std::int32_t s = sysSYSTablePrepareGetData(hdbc(), "INDT", "id00,id02", byClass());
    QString row;
    ASSERT_EQ(sysSYSTableGetRecord(s, row, 2), 1);
    EXPECT_EQ(row, QString::number(number_) + "|" + kClass);
    odbc_FreeStmtHandle(s);

    const std::int32_t items = sysISITPrepareGetDataEx(hdbc(), "ii28=" + sqlQuote(kClass));
    ISITRecord item;
    EXPECT_EQ(sysISITGetRecord(items, item), 1);
    odbc_FreeStmtHandle(items);

    ASSERT_GE(ExecSQL(hdbc(), "insert into mbhj (mh00, mh01, mh03) values (1, " + sqlQuote(kClass) +
                                  ", " + sqlQuote(kClass) + ")"),
              0);
    MBHJRecord step;
    const std::int32_t c = taskMBHJ_GetFirst(hdbc(), step, "MH03=" + sqlQuote(kClass));
    EXPECT_GT(c, 0);
    EXPECT_EQ(fieldText(step.m01), kClass);
    taskMBHJ_GetNext(c, step);

    ASSERT_GE(ExecSQL(hdbc(), "insert into rgdt (rd00, rd01, rd03) values (1, " + sqlQuote(kClass) +
                                  ", '报表')"),
              0);
    RGDTRecord report;
    EXPECT_GT(userRGDT_GetFirst(hdbc(), report, "RD01 = " + sqlQuote(kClass)), 0);
}

TEST_P(Quoting, UpdatedAndDeletedThroughFreeStatements) {
    const QString renamed = "[" + kClass + "]新名";
    EXPECT_EQ(ExecSQL(hdbc(), "update indt set id03=" + sqlQuote(renamed) + " where " + byClass()),
              0);
    INDTRecord row;
    sysINDTGetDataByNo(hdbc(), row, number_);
    EXPECT_EQ(fieldText(row.id03), renamed);
    EXPECT_EQ(ExecSQL(hdbc(), "delete indt where " + byClass()), 0);
    EXPECT_EQ(sysINDTGetDataByNo(hdbc(), row, number_), 0);
    EXPECT_EQ(GetMaxNo(hdbc(), "id00", "indt"), 0) << "and nothing else went with it";
}

TEST_P(Quoting, AnUnquotedSpliceFailsWithoutHarm) {
    // What the suite's callers did: the text breaks the statement instead of running as SQL.
    EXPECT_LT(ExecSQL(hdbc(), "delete indt where id02='" + kClass + "'"), 0);
    EXPECT_EQ(GetRecordsetCount(hdbc(), "select * from indt"), 1);
}

ZELK_ON_BOTH_BACKENDS(Quoting);

}  // namespace
