#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

class DemoSmoke : public BackendTest {
    bool withDemoData() const override { return true; }
};

TEST_P(DemoSmoke, LoadsAndReads) {
    INDTRecord r;
    EXPECT_GE(sysINDTGetDataByNo(hdbc(), r, 3), 1);
    EXPECT_EQ(fieldText(r.id03), QString("发文登记"));
}
ZELK_ON_BOTH_BACKENDS(DemoSmoke);
