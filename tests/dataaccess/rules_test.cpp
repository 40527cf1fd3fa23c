// Result rules, keys, order, statement handles and transactions.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/dravix.h"
#include "support/refusal.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class Rules : public BackendTest {
  protected:
    std::int32_t addInterface(std::int32_t number, const QString& cls, const QString& kind,
                              const QString& name = "界面") {
        INDTRecord row;
        row.id00 = number;
        setField(row.id01, "GWGL");
        setField(row.id02, cls);
        setField(row.id03, name);
        setField(row.id05, kind);
        setField(row.id09, "协同办公");
        return sysINDTInsertRecord(hdbc(), row);
    }
    std::int32_t addItem(std::int32_t owner, const QString& itemNumber, const QString& caption) {
        ISITRecord item;
        item.ii00 = 999;  // never used: the library gives the key
        item.ii01 = owner;
        setField(item.ii03, caption);
        setField(item.ii29, itemNumber);
        return sysISITInsertRecord(hdbc(), item);
    }
    QStringList isitCaptions(std::int32_t owner) {
        QStringList captions;
        const std::int32_t h = sysISITPrepareGetData(hdbc(), owner);
        ISITRecord item;
        while (sysISITGetRecord(h, item) > 0) captions << fieldText(item.ii03);
        return captions;
    }
};

TEST_P(Rules, InterfaceNumbers) {
    EXPECT_EQ(GetMaxNo(hdbc(), "ID00", "INDT"), 0);
    EXPECT_EQ(addInterface(0, "发文", "1"), 1) << "an empty table starts at 1";
    EXPECT_EQ(addInterface(40, "发文", "2"), 40) << "a given number is kept";
    EXPECT_EQ(addInterface(0, "发文", "3"), 41) << "then the next free number";
    EXPECT_EQ(GetMaxNo(hdbc(), "ID00", "INDT"), 41);

    INDTRecord duplicate;
    duplicate.id00 = 40;
    EXPECT_LT(sysINDTInsertRecord(hdbc(), duplicate), 0);
    EXPECT_EQ(duplicate.id00, 40);
    INDTRecord negative;
    negative.id00 = -3;
    EXPECT_LT(sysINDTInsertRecord(hdbc(), negative), 0);
    EXPECT_LT(GetMaxNo(hdbc(), "ID00; drop table indt", "INDT"), 0);
}

TEST_P(Rules, InterfaceReadsAndWrites) {
    INDTRecord row;
    EXPECT_EQ(sysINDTGetDataByNo(hdbc(), row, 5), 0) << "not found";
    EXPECT_LT(sysINDTGetDataByNo(hdbc() + 1000, row, 5), 0) << "no such connection";
    ASSERT_EQ(addInterface(5, "发文", "1", "发文登记"), 5);
    EXPECT_EQ(sysINDTGetDataByNo(hdbc(), row, 5), 5);

    setField(row.id08, "7");
    EXPECT_GE(sysINDTUpdateRecord(hdbc(), row), 0);
    INDTRecord back;
    sysINDTGetDataByNo(hdbc(), back, 5);
    EXPECT_EQ(fieldText(back.id08), QString("7"));
    row.id00 = 6;
    EXPECT_LT(sysINDTUpdateRecord(hdbc(), row), 0) << "a row that is gone is not saved";

    EXPECT_EQ(sysINDTGetInterfaceByName(hdbc(), "GWGL", "协同办公", "发文", "发文登记"), 5);
    EXPECT_EQ(sysINDTGetInterfaceByName(hdbc(), "GWGL", "协同办公", "收文", "发文登记"), 0);
    EXPECT_EQ(sysINDTDeleteData(hdbc(), 5), 1);
    EXPECT_EQ(sysINDTDeleteData(hdbc(), 5), 0);
}

TEST_P(Rules, TemplatesAreFoundByKind) {
    addInterface(3, "发文", "5", "[发文]分类模板");
    addInterface(4, "", "6", "系统模板");
    addInterface(8, "发文", "1");
    EXPECT_EQ(sysINDTGetFLMBID(hdbc(), "GWGL", "发文", "协同办公"), 3);
    EXPECT_EQ(sysINDTGetFLMBID(hdbc(), "GWGL", "收文", "协同办公"), 0);
    EXPECT_EQ(sysINDTGetSystemID(hdbc(), "GWGL", "协同办公"), 4);
    EXPECT_EQ(sysINDTGetSystemID(hdbc(), "HYGL", "协同办公"), 0);
    // A null text is the empty class, as a row stored with an empty class holds it.
    const std::int32_t h = sysINDTPrepareGetData(hdbc(), "协同办公", "GWGL", QString());
    INDTRecord row;
    EXPECT_EQ(sysINDTGetRecord(h, row), 1);
    EXPECT_EQ(row.id00, 4);
}

TEST_P(Rules, DeleteRecordTakesTheItemsOfItsKindOnly) {
    addInterface(3, "发文", "5");
    addItem(3, "1", "标题");
    addItem(3, "2", "文号");
    EXPECT_EQ(sysINDTDeleteRecord(hdbc(), 3, "6"), 0) << "wrong kind: nothing is deleted";
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), 3), 2);
    EXPECT_EQ(sysINDTDeleteRecord(hdbc(), 3, "5"), 1);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), 3), 0);
    INDTRecord row;
    EXPECT_EQ(sysINDTGetDataByNo(hdbc(), row, 3), 0);
}

TEST_P(Rules, ItemKeysAreAlwaysNew) {
    const std::int32_t first = addItem(1, "1", "标题");
    const std::int32_t second = addItem(1, "2", "文号");
    EXPECT_GE(first, 1);
    EXPECT_GT(second, first);
    EXPECT_EQ(sysISITDeleteRecords(hdbc(), 1), 2);
    EXPECT_GT(addItem(1, "1", "标题"), second) << "a deleted key is not given again";
    ISITRecord missing;
    missing.ii00 = 12345;
    EXPECT_LT(sysISITUpdateRecord(hdbc(), missing), 0);
    EXPECT_EQ(sysISITGetItem(hdbc(), missing, 12345), 0);
}

TEST_P(Rules, RowsComeInTheirOrder) {
    // Items by item number then key; list columns by position then key; interfaces by number.
    for (const auto& [number, caption] :
         {std::pair{"10", "十"}, {"9", "九"}, {"", "无号"}, {"9", "又九"}})
        addItem(1, number, caption);
    addItem(2, "1", "别的界面");
    EXPECT_EQ(isitCaptions(1), QStringList({"无号", "九", "又九", "十"}));

    for (const auto& [position, caption] :
         {std::pair{3, "三"}, {1, "一"}, {2, "二"}, {1, "又一"}}) {
        ILSTRecord column;
        column.is01 = 4;
        column.is04 = position;
        setField(column.is03, QString::fromUtf8(caption));
        ASSERT_GE(sysILSTInsertRecord(hdbc(), column), 1);
    }
    QStringList captions;
    const std::int32_t h = sysILSTPrepareGetData(hdbc(), 4);
    ILSTRecord column;
    while (sysILSTGetRecord(h, column) > 0) captions << fieldText(column.is03);
    EXPECT_EQ(captions, QStringList({"一", "又一", "二", "三"}));

    addInterface(9, "发文", "1", "九");
    addInterface(2, "发文", "3", "二");
    addInterface(5, "收文", "1", "别类");
    addInterface(4, "发文", "4", "四");
    const std::int32_t interfaces = sysINDTPrepareGetData(hdbc(), "协同办公", "GWGL", "发文");
    ASSERT_GT(interfaces, 0);
    QList<std::int32_t> numbers;
    INDTRecord row;
    while (sysINDTGetRecord(interfaces, row) > 0) numbers << row.id00;
    EXPECT_EQ(numbers, QList<std::int32_t>({2, 4, 9}));
}

TEST_P(Rules, CopyInterfaceCopiesEveryItemWithNewKeys) {
    addItem(3, "2", "文号");
    addItem(3, "1", "标题");
    EXPECT_EQ(sysISITCopyInterface(hdbc(), 3, 8), 2);
    EXPECT_EQ(isitCaptions(8), QStringList({"标题", "文号"}));
    EXPECT_EQ(isitCaptions(3), QStringList({"标题", "文号"}));
    EXPECT_EQ(sysISITCopyInterface(hdbc(), 77, 8), 0);
}

TEST_P(Rules, HandlesAreFreedAtTheEndAndFreeingIsHarmless) {
    addItem(1, "1", "标题");
    const std::int32_t h = sysISITPrepareGetData(hdbc(), 1);
    ASSERT_GT(h, 0);
    ISITRecord item;
    EXPECT_EQ(sysISITGetRecord(h, item), 1);
    EXPECT_EQ(sysISITGetRecord(h, item), 0);
    EXPECT_EQ(sysISITGetRecord(h, item), 0) << "the handle is gone after the end";
    EXPECT_EQ(odbc_FreeStmtHandle(h), 0);
    EXPECT_EQ(odbc_FreeStmtHandle(h), 0);
    EXPECT_EQ(sysISITGetRecord(0, item), 0);
    EXPECT_EQ(sysISITGetRecord(-5, item), 0);

    const std::int32_t early = sysISITPrepareGetData(hdbc(), 1);
    EXPECT_NE(early, h) << "handles are not reused at once";
    IJSTRecord other;
    EXPECT_LT(sysIJSTGetRecord(early, other), 0) << "a handle of another table";
    odbc_FreeStmtHandle(early);
    EXPECT_EQ(sysISITGetRecord(early, item), 0);
    EXPECT_LE(sysISITPrepareGetDataEx(hdbc(), "no such column = 1"), 0);
}

TEST_P(Rules, ARolledBackSaveLeavesNoTrace) {
    addInterface(1, "发文", "1", "发文登记");
    addItem(1, "1", "标题");
    ASSERT_EQ(odbc_BeginTrans(hdbc()), 0);
    INDTRecord row;
    sysINDTGetDataByNo(hdbc(), row, 1);
    setField(row.id08, "2");
    EXPECT_GE(sysINDTUpdateRecord(hdbc(), row), 0);
    EXPECT_GE(sysISITDeleteRecords(hdbc(), 1), 0);
    addItem(1, "1", "新标题");
    EXPECT_LT(ExecSQL(hdbc(), "update nosuchtable set x = 1"), 0);
    EXPECT_EQ(addInterface(0, "发文", "2"), 2) << "a refused statement does not end the work";
    odbc_RollbackTrans(hdbc());

    INDTRecord back;
    sysINDTGetDataByNo(hdbc(), back, 1);
    EXPECT_EQ(fieldText(back.id08), QString());
    EXPECT_EQ(isitCaptions(1), QStringList({"标题"}));
    EXPECT_EQ(GetMaxNo(hdbc(), "id00", "indt"), 1);
}

TEST_P(Rules, ACommittedSaveIsSeenByAnotherConnection) {
    // Commit or rollback without a begun transaction is harmless.
    EXPECT_EQ(odbc_CommitTrans(hdbc()), 0);
    EXPECT_EQ(odbc_RollbackTrans(hdbc()), 0);
    EXPECT_EQ(addInterface(0, "发文", "1"), 1);
    EXPECT_EQ(odbc_RollbackTrans(hdbc()), 0);
    const std::int32_t other = db().openAnother();
    ASSERT_GT(other, 0);
    INDTRecord row;
    EXPECT_EQ(sysINDTGetDataByNo(other, row, 1), 1) << "nothing to roll back";
    odbc_BeginTrans(hdbc());
    addInterface(0, "发文", "2");
    odbc_CommitTrans(hdbc());
    EXPECT_EQ(sysINDTGetDataByNo(other, row, 2), 2);
}

// A begin or commit reports success only for what is then stored: a refused begin or commit
// stores nothing, and a server's transaction that a failed statement aborted does not commit.
TEST_P(Rules, ARefusedBeginOrCommitStoresNothing) {
    for (const TxnRefusal what : kTxnRefusals) {
        whileRefused(what, hdbc(), GetParam(), "indt", [&] {
            if (what == TxnRefusal::Begin) {
                EXPECT_LT(odbc_BeginTrans(hdbc()), 0);
            } else {
                ASSERT_EQ(odbc_BeginTrans(hdbc()), 0);
                EXPECT_EQ(addInterface(0, "发文", "1"), 1);
                EXPECT_LT(odbc_CommitTrans(hdbc()), 0);
                EXPECT_EQ(odbc_RollbackTrans(hdbc()), 0) << "the refused commit ended it";
            }
        });
        EXPECT_EQ(GetRecordsetCount(hdbc(), "select * from indt"), 0)
            << testing::PrintToString(what);
    }
    ASSERT_TRUE(refuseRows(hdbc(), GetParam(), "isit", "1 = 1"));
    ASSERT_EQ(odbc_BeginTrans(hdbc()), 0);
    EXPECT_EQ(addInterface(0, "发文", "1"), 1);
    EXPECT_LT(addItem(1, "1", "标题"), 0);
    const bool committed = odbc_CommitTrans(hdbc()) >= 0;
    EXPECT_EQ(committed, GetRecordsetCount(hdbc(), "select * from indt") == 1);
    // SQLite undoes the refused statement alone; a server aborts the whole transaction.
    EXPECT_EQ(committed, GetParam() == TestBackend::SQLite);
}

ZELK_ON_BOTH_BACKENDS(Rules);

class OpenCursors : public Rules {};

// A designer reads a cursor to its end while it looks up and writes other rows on the same
// connection, inside and outside a transaction: no row of the open cursor may be lost.
TEST_P(OpenCursors, KeepTheirRowsWhileOtherStatementsRun) {
    ASSERT_EQ(addInterface(1, "发文", "1"), 1);
    ASSERT_EQ(addInterface(2, "发文", "3"), 2);
    for (int i = 1; i <= 5; ++i)
        ASSERT_GE(addItem(1, QString::number(i), QString("项%1").arg(i)), 1);
    for (const bool inTransaction : {false, true}) {
        if (inTransaction) odbc_BeginTrans(hdbc());
        const std::int32_t cursor = sysISITPrepareGetData(hdbc(), 1);
        const std::int32_t free = ExecSQL(hdbc(), "select * from indt where id00 = 2");
        ASSERT_GT(cursor, 0);
        QStringList seen;
        ISITRecord item;
        while (sysISITGetRecord(cursor, item) > 0) {
            seen << fieldText(item.ii03);
            INDTRecord other;
            EXPECT_EQ(sysINDTGetDataByNo(hdbc(), other, 2), 2);
            EXPECT_GE(GetRecordsetCount(hdbc(), "select * from isit where ii01 = 1"), 5);
            EXPECT_GE(addItem(2, "1", "另"), 1);
        }
        if (free > 0) odbc_FreeStmtHandle(free);
        if (inTransaction) odbc_CommitTrans(hdbc());
        EXPECT_EQ(seen, QStringList({"项1", "项2", "项3", "项4", "项5"}))
            << (inTransaction ? "inside a transaction" : "outside a transaction");
    }
}

ZELK_ON_BOTH_BACKENDS(OpenCursors);

}  // namespace
