// Column rows of list interfaces: the settings digits, the version rule, and the two saves (the
// designer's and the pickers') on SQLite and PostgreSQL, failures included.

#include <gtest/gtest.h>

#include "listfixture.h"
#include "support/refusal.h"

namespace zelk {
namespace {

using test::ListFixture;

struct DigitsCase {
    const char* stored;
    ListColumnSetting expected;
};

TEST(ListColumnSettingTest, DecodesTheFirstFourDigits) {
    const DigitsCase cases[] = {
        {"1130000000", {1, 1, 3, 0}},
        {"0000111110", {0, 0, 0, 0}},
        {"113", {0, 0, 0, 0}},          // too short: all 0
        {"1x310000000", {1, 0, 3, 1}},  // a non-digit counts as 0, the rest keep theirs
        {"0980000000", {0, 9, 8, 0}},   // codes the editors cannot show are kept
        {"1130\0"
         "00000",
         {0, 0, 0, 0}},  // cut at the NUL: too short
    };
    for (const DigitsCase& c : cases)
        EXPECT_EQ(decodeListColumnSetting(QString::fromLatin1(c.stored)), c.expected) << c.stored;
    EXPECT_EQ(encodeListColumnSetting({1, 1, 3, 0}), QStringLiteral("1130000000"));
    EXPECT_EQ(encodeListColumnSetting({0, 9, 8, 1}), QStringLiteral("0981000000"));
}

TEST(ListColumnSettingTest, VersionAndWidthRules) {
    EXPECT_EQ(listVersionText(QString()), QStringLiteral("1"));
    EXPECT_EQ(listVersionText(QStringLiteral(" 7 ")), QStringLiteral("8"));
    EXPECT_EQ(columnWidthTwips(1234.5), 1234);
    EXPECT_EQ(columnWidthTwips(1235.5), 1236);
    EXPECT_EQ(columnWidthTwips(1e12), 2147483647);
    EXPECT_EQ(columnWidthTwips(-1440), 0);  // a header dragged below nothing
}

class ListSaveTest : public ListFixture {
  protected:
    ListDesignerSave designerSave(const ListTable* table, std::int32_t fid) {
        ListDesignerSave save;
        save.hdbc = hdbc();
        save.fid = fid;
        save.table = table;
        for (const ILITRecord& r : rows(table ? *table : ListTable::ILIT, fid)) {
            ListColumnOut c;
            c.id = r.ii00;
            c.tag = rawFieldText(r.ii02);
            c.text = fieldText(r.ii03);
            c.position = r.ii04;
            c.width = r.ii07;
            c.setting = decodeListColumnSetting(fieldText(r.ii26));
            save.columns.push_back(c);
        }
        return save;
    }
};

TEST_P(ListSaveTest, WithoutRowsToWriteTheVersionStillRises) {
    const ListTable browse = ListTable::ILST;
    // A browse list without columns keeps its rows; an unknown kind writes none.
    ListDesignerSave empty = designerSave(&browse, demo_.browseList);
    empty.columns.clear();
    const auto before = bytes(browse, demo_.browseList);
    setVersion(demo_.browseList, QStringLiteral("41"));
    EXPECT_EQ(saveListDesigner(empty), ListSaveResult::Saved);
    EXPECT_EQ(version(demo_.browseList), QStringLiteral("42"));
    EXPECT_EQ(bytes(browse, demo_.browseList), before);

    ListDesignerSave unknown = designerSave(nullptr, demo_.listEntry);
    const auto entryBefore = bytes(ListTable::ILIT, demo_.listEntry);
    setVersion(demo_.listEntry, QStringLiteral("abc"));
    EXPECT_EQ(saveListDesigner(unknown), ListSaveResult::Saved);
    EXPECT_EQ(version(demo_.listEntry), QStringLiteral("1"));
    EXPECT_EQ(bytes(ListTable::ILIT, demo_.listEntry), entryBefore);
}

TEST_P(ListSaveTest, DeleteInterfaceDataRemovesRowAndItems) {
    for (const test::TxnRefusal what : test::kTxnRefusals)
        test::whileRefused(
            what, hdbc(), GetParam(), "indt",
            [&] { EXPECT_FALSE(deleteInterfaceData(hdbc(), demo_.itemEntry)); }, "delete");
    EXPECT_GT(sysISITGetRecordCount(hdbc(), demo_.itemEntry), 0) << "refused: nothing deleted";
    EXPECT_TRUE(deleteInterfaceData(hdbc(), demo_.itemEntry));
    INDTRecord row;
    EXPECT_LT(sysINDTGetDataByNo(hdbc(), row, demo_.itemEntry), 1);
    EXPECT_EQ(sysISITGetRecordCount(hdbc(), demo_.itemEntry), 0);
}

ZELK_ON_BOTH_BACKENDS(ListSaveTest);

}  // namespace
}  // namespace zelk
