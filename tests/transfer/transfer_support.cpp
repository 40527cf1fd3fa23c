#include "transfer_support.h"

namespace zelk::transfertest {

namespace {

template <class Row>
void insertItems(std::int32_t hdbc, const LineTable& table, const SampleInterface& s,
                 std::int32_t (*insert)(std::int32_t, Row&)) {
    for (int k = 1; k <= s.items; ++k) {
        Row row;
        ASSERT_FALSE(parseLine(
            table,
            sampleLine(table, k * 10, s.name + QString::number(k), QStringLiteral("F%1").arg(k)),
            &row));
        row.ii01 = s.number;
        ASSERT_GE(insert(hdbc, row), 1);
    }
}

template <class Row>
void insertSearchItems(std::int32_t hdbc, const LineTable& table, const SampleInterface& s,
                       std::int32_t (*insert)(std::int32_t, Row&)) {
    for (int k = 1; k <= s.items; ++k) {
        Row row;
        ASSERT_FALSE(parseLine(
            table,
            sampleLine(table, k * 10, s.name + QString::number(k), QStringLiteral("F%1").arg(k)),
            &row));
        row.is01 = s.number;
        ASSERT_GE(insert(hdbc, row), 1);
    }
}

QString tableRows(std::int32_t hdbc, const LineTable& table, const char* name) {
    QString all;
    const std::int32_t handle =
        sysSYSTablePrepareGetData(hdbc, QString::fromLatin1(name), columnList(table), QString());
    QString row;
    while (handle > 0 && sysSYSTableGetRecord(handle, row, 46) > 0) all += row + QChar(u'\n');
    return all;
}

}  // namespace

void insertSample(std::int32_t hdbc, const SampleInterface& s, const QString& className) {
    INDTRecord r = sampleIndt(s, className);
    ASSERT_EQ(sysINDTInsertRecord(hdbc, r), s.number);
    switch (s.kind) {
        case 1:
        case 5:
        case 6:
            insertItems<ISITRecord>(hdbc, isitLineTable(), s, &sysISITInsertRecord);
            break;
        case 2:
            insertItems<ILITRecord>(hdbc, ilitLineTable(), s, &sysILITInsertRecord);
            break;
        case 3:
            insertSearchItems<IJSTRecord>(hdbc, ijstLineTable(), s, &sysIJSTInsertRecord);
            break;
        case 4:
            insertSearchItems<ILSTRecord>(hdbc, ilstLineTable(), s, &sysILSTInsertRecord);
            break;
        default:
            break;
    }
}

QString tablesDigest(std::int32_t hdbc) {
    return tableRows(hdbc, indtLineTable(), "indt") + tableRows(hdbc, isitLineTable(), "isit") +
           tableRows(hdbc, ilitLineTable(), "ilit") + tableRows(hdbc, ijstLineTable(), "ijst") +
           tableRows(hdbc, ilstLineTable(), "ilst");
}

}  // namespace zelk::transfertest
