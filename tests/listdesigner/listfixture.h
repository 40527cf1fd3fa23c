#pragma once
// A demo database for the list designer and picker tests, on SQLite and PostgreSQL, with helpers
// to read an interface's column rows and version and to make an insert fail.

#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "listdesigner/listcolumns.h"
#include "support/expectprompt.h"
#include "support/refusal.h"
#include "support/testdb.h"

namespace zelk::test {

class ListFixture : public DemoBackendTest {
  protected:
    std::vector<ILITRecord> rows(ListTable table, std::int32_t fid) {
        return readListRows(table, hdbc(), fid);
    }
    std::vector<QByteArray> bytes(ListTable table, std::int32_t fid) {
        std::vector<QByteArray> all;
        for (const ILITRecord& r : rows(table, fid)) all.push_back(toWire(r));
        return all;
    }
    QString version(std::int32_t fid) {
        INDTRecord row;
        EXPECT_GE(sysINDTGetDataByNo(hdbc(), row, fid), 1);
        return fieldText(row.id08);
    }
    void setVersion(std::int32_t fid, const QString& text) {
        ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("update indt set id08 = %1 where id00 = %2")
                                      .arg(sqlQuote(text))
                                      .arg(fid)),
                  0);
    }
    // From now on a second column row of the table whose member `member` ("07") holds the
    // SQL value `value` is refused, until allowAgain.
    void refuse(ListTable table, const char* member, const QString& value) {
        const bool entry = table == ListTable::ILIT;
        refuseSecond(hdbc(), entry ? "ilit" : "ilst", (entry ? "ii" : "is") + QString(member),
                     value);
    }
    void allowAgain(ListTable table) {
        ExecSQL(hdbc(), table == ListTable::ILIT ? "drop index zelk_refuse_ilit"
                                                 : "drop index zelk_refuse_ilst");
    }
    // Adds `n` columns to interface `fid` (captions "列1" ...), replacing its rows.
    void makeColumns(ListTable table, std::int32_t fid, int n) {
        std::vector<PickerRow> picked;
        for (int i = 1; i <= n; ++i)
            picked.push_back({0, QStringLiteral("列%1").arg(i), QStringLiteral("f%1").arg(i)});
        ASSERT_EQ(savePickedColumns(table, hdbc(), fid, picked), PickerSaveResult::Saved);
    }
};

}  // namespace zelk::test
