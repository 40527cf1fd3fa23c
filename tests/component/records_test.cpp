#include <gtest/gtest.h>

#include <cstring>

#include "component/fixedfield.h"
#include "component/records.h"

using namespace zelk;

namespace {

TEST(Records, ItemLayoutsPartWhereWidthOfMember27Differs) {
    EXPECT_EQ(offsetof(IJSTRecord, is28), 296u);
    EXPECT_EQ(offsetof(ISITRecord, ii28), 326u);
    EXPECT_EQ(offsetof(IJSTRecord, is45), 1120u);
    EXPECT_EQ(offsetof(ISITRecord, ii45), 1150u);
    EXPECT_EQ(offsetof(ISITRecord, ii26), offsetof(IJSTRecord, is26));
}

TEST(Records, NeverFilledRecordReadsEmpty) {
    ISITRecord r;
    EXPECT_EQ(toWire(r), QByteArray(sizeof(ISITRecord), '\0'));
    EXPECT_EQ(fieldText(r.ii03), "");
}

struct FieldCase {
    const char* name;
    QString value;
    QByteArray bytes;  // the 12-byte field expected
    QString readBack;
    friend void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }
};

class FieldWrite12 : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldWrite12, WritesValueNulBlanksAndReadsBack) {
    const FieldCase& c = GetParam();
    Text<12> f{};
    setField(f, c.value);
    EXPECT_EQ(QByteArray(f.data(), 12), c.bytes) << c.name;
    EXPECT_EQ(fieldText(f), c.readBack) << c.name;
}

const QByteArray kZhong = toGbk("中");

INSTANTIATE_TEST_SUITE_P(
    Rules, FieldWrite12,
    ::testing::Values(FieldCase{"empty", "", QByteArray("\0           ", 12), ""},
                      FieldCase{"n-1 bytes: NUL, no blank", "abcdefghijk",
                                QByteArray("abcdefghijk\0", 12), "abcdefghijk"},
                      FieldCase{"n bytes: no NUL", "abcdefghijkl", "abcdefghijkl", "abcdefghijkl"},
                      FieldCase{"n+1 bytes: cut", "abcdefghijklm", "abcdefghijkl", "abcdefghijkl"},
                      FieldCase{"two Chinese characters", "宋体",
                                toGbk("宋体") + QByteArray("\0       ", 8), "宋体"},
                      FieldCase{"cut inside a character leaves a blank", "abcdefghijk中",
                                QByteArray("abcdefghijk "), "abcdefghijk"},
                      FieldCase{"six Chinese characters fill exactly", "中中中中中中",
                                kZhong + kZhong + kZhong + kZhong + kZhong + kZhong,
                                "中中中中中中"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(FixedField, ReadCutsAtNulAndStripsTrailingBlanksOnly) {
    Text<10> f{};
    std::memcpy(f.data(), "ab  \0xyz  ", 10);
    EXPECT_EQ(fieldText(f), "ab");
    std::memcpy(f.data(), "  ab\t     ", 10);
    EXPECT_EQ(fieldText(f), "  ab\t");
}

TEST(FixedField, CopyIsUnchangedCutOrBlankFilledWithoutNul) {
    Text<12> wide{};
    Text<10> narrow{};
    setField(wide, "abcdefghij1");
    copyField(narrow, wide);
    EXPECT_EQ(QByteArray(narrow.data(), 10), "abcdefghij");
    Text<4> small{};
    std::memcpy(small.data(), "ab\0 ", 4);
    copyField(wide, small);
    EXPECT_EQ(QByteArray(wide.data(), 12), QByteArray("ab\0         ", 12));
}

}  // namespace

// A text ending in half a character leaves nothing behind for the next conversion.
TEST(FixedField, ConversionsDoNotCarryOverHalfCharacters) {
    const QByteArray half("\xD6", 1);  // the lead byte of "中"
    fromGbk(half);
    EXPECT_EQ(fromGbk(toGbk(QStringLiteral("文A"))), QStringLiteral("文A"));
    EXPECT_EQ(fromGbk(QByteArray("plain")), QStringLiteral("plain"));
    EXPECT_EQ(toGbk(QStringLiteral("中")), QByteArray("\xD6\xD0"));
}
