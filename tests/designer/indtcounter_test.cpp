#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "rowchanges/indtcounter.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

struct CounterCase {
    const char* stored;
    const char* expected;
    friend void PrintTo(const CounterCase& c, std::ostream* out) { *out << '"' << c.stored << '"'; }
};

class IncrementIndtCounterTest : public ::testing::TestWithParam<CounterCase> {};

TEST_P(IncrementIndtCounterTest, RaisesTheStoredVersionByOne) {
    TestDb db;
    ASSERT_TRUE(db.ok()) << db.error().toStdString();
    INDTRecord row;
    setField(row.id03, "发文登记");
    setField(row.id08, QString::fromUtf8(GetParam().stored));
    const std::int32_t number = sysINDTInsertRecord(db.hdbc(), row);
    ASSERT_GE(number, 1);

    IncrementIndtCounter(db.hdbc(), number);

    INDTRecord back;
    ASSERT_GE(sysINDTGetDataByNo(db.hdbc(), back, number), 1);
    EXPECT_EQ(fieldText(back.id08), QString::fromUtf8(GetParam().expected));
    EXPECT_EQ(fieldText(back.id03), QString("发文登记"));
}

INSTANTIATE_TEST_SUITE_P(Versions, IncrementIndtCounterTest,
                         ::testing::Values(CounterCase{"0", "1"}, CounterCase{"9", "10"},
                                           CounterCase{"", "1"}, CounterCase{"abc", "1"},
                                           CounterCase{"12abc", "13"},
                                           CounterCase{"2147483647", "2147483648"}));

TEST(IncrementIndtCounter, MissingInterfaceChangesNothing) {
    TestDb db;
    ASSERT_TRUE(db.ok());
    IncrementIndtCounter(db.hdbc(), 42);
    EXPECT_EQ(GetMaxNo(db.hdbc(), "ID00", "INDT"), 0);
}

}  // namespace
