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
#include "platform/promptscript.h"
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
    // SQL value `value` is refused.
    void refuse(ListTable table, const char* member, const QString& value) {
        const QString name =
            table == ListTable::ILIT ? QStringLiteral("ilit") : QStringLiteral("ilst");
        const QString column =
            (table == ListTable::ILIT ? QStringLiteral("ii") : QStringLiteral("is")) +
            QLatin1String(member);
        ASSERT_GE(ExecSQL(hdbc(), QStringLiteral("create unique index zelk_refuse on %1 (%2) "
                                                 "where %2 = %3")
                                      .arg(name, column, value)),
                  0);
    }
    void allowAgain() { ExecSQL(hdbc(), QStringLiteral("drop index zelk_refuse")); }
    // Adds `n` columns to interface `fid` (captions "列1" ...), replacing its rows.
    void makeColumns(ListTable table, std::int32_t fid, int n) {
        std::vector<PickerRow> picked;
        for (int i = 1; i <= n; ++i)
            picked.push_back({0, QStringLiteral("列%1").arg(i), QStringLiteral("f%1").arg(i)});
        ASSERT_EQ(savePickedColumns(table, hdbc(), fid, picked), PickerSaveResult::Saved);
    }

    // The one prompt the script saw: its text, title and style.
    static void expectPrompt(const PromptScript& script, const QString& text, const QString& title,
                             int style) {
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_EQ(script.prompts()[0].text, text);
        EXPECT_EQ(script.prompts()[0].title, title);
        EXPECT_EQ(script.prompts()[0].style, style);
    }
};

}  // namespace zelk::test
