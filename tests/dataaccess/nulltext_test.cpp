// A null text passed to a lookup is the empty text, never SQL's NULL.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class NullTextTest : public BackendTest {};

TEST_P(NullTextTest, NullClassFindsTheTableLevel) {
    INDTRecord row;
    setField(row.id01, "GWGL");
    setField(row.id03, "表级界面");
    setField(row.id09, "协同办公");
    ASSERT_GE(sysINDTInsertRecord(hdbc(), row), 1);
    int found = 0;
    const std::int32_t stmt = sysINDTPrepareGetData(hdbc(), "协同办公", "GWGL", QString());
    while (stmt > 0 && sysINDTGetRecord(stmt, row) > 0) ++found;
    EXPECT_EQ(found, 1);
}

ZELK_ON_BOTH_BACKENDS(NullTextTest);

}  // namespace
