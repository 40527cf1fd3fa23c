#pragma once
// A database with the demo data for the wizard's tests, and what they look at in it.

#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "support/expectprompt.h"
#include "support/testdb.h"
#include "wizard/newinterface.h"

namespace zelk::test {

class WizardDb : public BackendTest {
  protected:
    bool withDemoData() const override { return true; }

    WizardContext context(const QString& cls = demo::kClass) const {
        return {hdbc(), demo::kSystem, demo::kMainTable, cls};
    }

    // A row of the demo system and main table.
    std::int32_t addInterface(const QString& cls, const QString& name, const QString& kind,
                              const QString& flag = QString()) {
        INDTRecord r;
        setField(r.id01, demo::kMainTable);
        setField(r.id02, cls);
        setField(r.id03, name);
        setField(r.id05, kind);
        setField(r.id07, flag);
        setField(r.id09, demo::kSystem);
        return sysINDTInsertRecord(hdbc(), r);
    }

    INDTRecord interfaceRow(std::int32_t number) {
        INDTRecord r;
        EXPECT_GE(sysINDTGetDataByNo(hdbc(), r, number), 1) << number;
        return r;
    }

    // The interface named `name` in the class, 0 when there is none.
    std::int32_t numberOf(const QString& name, const QString& cls = demo::kClass) {
        return sysINDTGetInterfaceByName(hdbc(), demo::kMainTable, demo::kSystem, cls, name);
    }

    // Every interface row and the number of rows of each item table, as bytes.
    std::vector<QByteArray> snapshot() {
        std::vector<QByteArray> all;
        const std::int32_t top = GetMaxNo(hdbc(), "ID00", "INDT");
        for (std::int32_t n = 1; n <= top; ++n) {
            INDTRecord r;
            if (sysINDTGetDataByNo(hdbc(), r, n) >= 1) all.push_back(toWire(r));
        }
        for (const char* table : {"isit", "ijst", "ilit", "ilst"})
            all.push_back(QByteArray::number(
                GetRecordsetCount(hdbc(), QStringLiteral("select * from %1").arg(table))));
        return all;
    }

    // Item number of the class template's item bound to `column`.
    std::int32_t templateItem(const QString& column) {
        const std::int32_t tmpl =
            sysINDTGetFLMBID(hdbc(), demo::kMainTable, demo::kClass, demo::kSystem);
        const std::int32_t h = sysISITPrepareGetData(hdbc(), tmpl);
        ISITRecord item;
        std::int32_t found = 0;
        while (sysISITGetRecord(h, item) > 0)
            if (fieldText(item.ii02) == column && found == 0) found = item.ii00;
        EXPECT_GT(found, 0) << column.toStdString();
        return found;
    }
};

}  // namespace zelk::test
