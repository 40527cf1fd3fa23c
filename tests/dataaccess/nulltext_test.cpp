// A null text passed for an empty value finds the rows stored with the empty value.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "support/testdb.h"

namespace zelk {
namespace {

class NullText : public test::BackendTest {
  protected:
    bool withDemoData() const override { return true; }
};

TEST_P(NullText, MatchesTheEmptyValue) {
    for (const QString& none : {QString(), QStringLiteral("")}) {
        const std::int32_t handle =
            sysINDTPrepareGetData(hdbc(), demo::kSystem, demo::kMainTable, none);
        ASSERT_GT(handle, 0);
        INDTRecord r;
        int rows = 0;
        while (sysINDTGetRecord(handle, r) >= 1) ++rows;
        EXPECT_GE(rows, 1) << "null: " << none.isNull();
    }
}

ZELK_ON_BOTH_BACKENDS(NullText);

}  // namespace
}  // namespace zelk
