// Every record type goes into the database and comes back byte for byte.

#include <cstring>

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

template <typename R>
void setInt(R& record, const da::Column& column, std::int32_t value) {
    std::memcpy(reinterpret_cast<char*>(&record) + column.offset, &value, sizeof value);
}

// Member k gets k * 1000 + seed (integers) or a text of its own: short Chinese with a quote,
// one byte short of the width, or exactly the width (then without NUL).
template <typename R>
R filledRecord(const da::Layout& layout, int seed) {
    R record;
    for (std::size_t k = 0; k < layout.columns.size(); ++k) {
        const da::Column& c = layout.columns[k];
        const auto letter = [&](char first) { return QChar(char16_t(first + k % 26)); };
        if (c.isInt) {
            setInt(record, c, static_cast<std::int32_t>(k) * 1000 + seed);
        } else {
            const std::size_t kind = (k + static_cast<std::size_t>(seed)) % 3;
            const QString text = kind == 0   ? QString("发'%1").arg(k)
                                 : kind == 1 ? QString(qsizetype(c.width - 1), letter('a'))
                                             : QString(qsizetype(c.width), letter('A'));
            writeFieldBytes(reinterpret_cast<char*>(&record) + c.offset, c.width, toGbk(text));
        }
    }
    return record;
}

// Writes a read-only record's row by free SQL, every text through sqlQuote.
template <typename R>
std::int32_t insertByText(std::int32_t hdbc, const da::Layout& layout, const R& record) {
    QStringList values;
    for (const auto& c : layout.columns) {
        const QVariant v = da::columnValue(c, reinterpret_cast<const char*>(&record));
        values << (c.isInt ? QString::number(v.toInt()) : sqlQuote(v.toString()));
    }
    return ExecSQL(hdbc, "insert into " + layout.table + " (" + layout.selectList() + ") values (" +
                             values.join(',') + ")");
}

class RoundTrip : public BackendTest {};

TEST_P(RoundTrip, InterfaceRowComesBackUnchanged) {
    auto row = filledRecord<INDTRecord>(da::indtLayout(), 1);
    row.id00 = 77;
    const INDTRecord sent = row;
    ASSERT_EQ(sysINDTInsertRecord(hdbc(), row), 77);
    INDTRecord back;
    ASSERT_GE(sysINDTGetDataByNo(hdbc(), back, 77), 1);
    EXPECT_EQ(toWire(back), toWire(sent));
}

// Item and column rows: the key is the library's; everything else comes back as sent, through
// the interface's cursor.
template <typename R, typename Insert, typename Prepare, typename Fetch>
void itemRoundTrip(std::int32_t hdbc, const da::Layout& layout, Insert insert, Prepare prepare,
                   Fetch fetch) {
    auto row = filledRecord<R>(layout, 2);
    setInt(row, layout.columns[1], 5);
    R sent = row;
    const std::int32_t key = insert(hdbc, row);
    ASSERT_GE(key, 1);
    setInt(sent, layout.columns[0], key);
    EXPECT_EQ(toWire(row), toWire(sent)) << "the new key is written into the record";
    const std::int32_t h = prepare(hdbc, 5);
    ASSERT_GT(h, 0);
    R back;
    ASSERT_EQ(fetch(h, back), 1);
    EXPECT_EQ(toWire(back), toWire(sent));
    EXPECT_EQ(fetch(h, back), 0);
}

TEST_P(RoundTrip, ItemAndColumnRows) {
    itemRoundTrip<ISITRecord>(hdbc(), da::isitLayout(), sysISITInsertRecord, sysISITPrepareGetData,
                              sysISITGetRecord);
    itemRoundTrip<IJSTRecord>(hdbc(), da::ijstLayout(), sysIJSTInsertRecord, sysIJSTPrepareGetData,
                              sysIJSTGetRecord);
    itemRoundTrip<ILITRecord>(hdbc(), da::ilitLayout(), sysILITInsertRecord, sysILITPrepareGetData,
                              sysILITGetRecord);
    itemRoundTrip<ILSTRecord>(hdbc(), da::ilstLayout(), sysILSTInsertRecord, sysILSTPrepareGetData,
                              sysILSTGetRecord);
    ISITRecord item;
    ASSERT_EQ(sysISITGetItem(hdbc(), item, 1), 1);
    EXPECT_EQ(item.ii01, 5);
}

TEST_P(RoundTrip, ItemUpdateRewritesTheRowAndReturnsItsKey) {
    auto row = filledRecord<IJSTRecord>(da::ijstLayout(), 3);
    const std::int32_t key = sysIJSTInsertRecord(hdbc(), row);
    ASSERT_GE(key, 1);
    auto changed = filledRecord<IJSTRecord>(da::ijstLayout(), 4);
    changed.is00 = key;
    EXPECT_EQ(sysIJSTUpdateRecord(hdbc(), changed), key);
    IJSTRecord back;
    ASSERT_EQ(sysIJSTGetItem(hdbc(), back, key), key);
    EXPECT_EQ(toWire(back), toWire(changed));
}

// Read-only records: a row written by free SQL reads back as the record.
TEST_P(RoundTrip, ReadOnlyRecords) {
    auto table = filledRecord<TableDefineRecord>(da::tableDefineLayout(), 5);
    setField(table.m01, "GWGL");
    setField(table.m12, "");
    ASSERT_GE(insertByText(hdbc(), da::tableDefineLayout(), table), 0);
    TableDefineRecord tableBack;
    ASSERT_GE(sysTableGetDefine(hdbc(), "gwgl", tableBack), 1);
    EXPECT_EQ(toWire(tableBack), toWire(table));

    auto field = filledRecord<FieldRecord>(da::fieldLayout(), 6);
    setField(field.m01, "GWGL");
    setField(field.m02, "fwrq");
    ASSERT_GE(insertByText(hdbc(), da::fieldLayout(), field), 0);
    FieldRecord fieldBack;
    ASSERT_GE(sysFieldGetItem(hdbc(), "GWGL", "FWRQ", fieldBack), 1);
    EXPECT_EQ(toWire(fieldBack), toWire(field));

    auto cls = filledRecord<SDSDRecord>(da::sdsdLayout(), 7);
    setField(cls.m01, "GWGL");
    setField(cls.m04, "发文/上行文");
    ASSERT_GE(insertByText(hdbc(), da::sdsdLayout(), cls), 0);
    SDSDRecord clsBack;
    ASSERT_GE(sysSDSDGetRootClass(hdbc(), "GWGL", "发文/上行文", clsBack), 1);
    EXPECT_EQ(toWire(clsBack), toWire(cls));

    auto step = filledRecord<MBHJRecord>(da::mbhjLayout(), 8);
    ASSERT_GE(insertByText(hdbc(), da::mbhjLayout(), step), 0);
    MBHJRecord stepBack;
    const std::int32_t cursor = taskMBHJ_GetFirst(hdbc(), stepBack, "MH00=8");
    ASSERT_GT(cursor, 0);
    EXPECT_EQ(toWire(stepBack), toWire(step));
    EXPECT_EQ(taskMBHJ_GetNext(cursor, stepBack), 0);

    auto rep = filledRecord<RGDTRecord>(da::rgdtLayout(), 9);
    ASSERT_GE(insertByText(hdbc(), da::rgdtLayout(), rep), 0);
    RGDTRecord repBack;
    const std::int32_t reports = userRGDT_GetFirst(hdbc(), repBack, "RD00 = '9'");
    ASSERT_GT(reports, 0);
    EXPECT_EQ(toWire(repBack), toWire(rep));
    EXPECT_EQ(userRGDT_GetNext(reports, repBack), 0);
}

TEST_P(RoundTrip, MiddleTableValue) {
    INDTRecord row;
    setField(row.id03, "发文登记");
    const std::int32_t number = sysINDTInsertRecord(hdbc(), row);
    MidTableRecord value;
    setField(value.m00, "旧值");
    EXPECT_EQ(GetRecordDataFromMidTable(
                  hdbc(), value, "select id03 from indt where id00=" + QString::number(number)),
              1);
    EXPECT_EQ(fieldText(value.m00), QString("发文登记"));
    GetRecordDataFromMidTable(hdbc(), value, "select id03 from indt where id00=99999");
    EXPECT_EQ(fieldText(value.m00), QString()) << "no row leaves no earlier value behind";
}

ZELK_ON_BOTH_BACKENDS(RoundTrip);

}  // namespace
