// An unedited save stores nothing new: the demo interfaces and interfaces of generated rows, in
// which every stored member holds a value other than its default, opened and saved in both
// designers on both back ends.

#include <random>

#include <gtest/gtest.h>

#include "dataaccess/demodata.h"
#include "support/testdb.h"
#include "unedited_save.h"

namespace zelk {
namespace {

using namespace testrows;

// Values of each member's domain, none of them what an empty row or a writer's constant holds.
class RowGenerator {
  public:
    explicit RowGenerator(unsigned seed) : random_(seed) {}

    template <class Row>
    Row row(std::int32_t number, std::int32_t kind) {
        Row r{};
        forEachMember(r, [&](int n, auto& member) {
            if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::int32_t>)
                member = number_(n);
            else
                setField(member, text(n, kind));
        });
        using C = ItemColumns<Row>;
        r.*C::m00 = 0;
        r.*C::m01 = number;
        // Boxes run from left and top to right and bottom.
        r.*C::m09 = r.*C::m07 + pick(100, 3000);
        r.*C::m10 = r.*C::m08 + pick(100, 1000);
        r.*C::m13 = r.*C::m11 + pick(100, 3000);
        r.*C::m14 = r.*C::m12 + pick(100, 1000);
        return r;
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <class T>
    const T& oneOf(std::initializer_list<T> values) {
        return values.begin()[pick(0, static_cast<int>(values.size()) - 1)];
    }
    QString digits(int count, int highest) {
        QString out;
        for (int k = 0; k < count; ++k) out += QChar('0' + pick(0, highest));
        return out;
    }
    QString colour() {
        if (pick(0, 3) == 0) return QString::number(-2147483648LL + pick(0, 24));
        return QString::number(pick(1, 16777215));
    }
    std::int32_t number_(int member) {
        // 07 to 10 the caption box (07: a line's width, a shape's own number), 11 to 14 the
        // control's box, 04 the entry order.
        if (member == 4) return pick(1, 60);
        return pick(1, 5000);
    }
    QString text(int member, std::int32_t kind) {
        switch (member) {
            case 2:
                return QStringLiteral("F%1").arg(pick(1, 999));
            case 3:
                return oneOf({"姓名", "自定义框架1", "单位名称", "批示"}) +
                       QString::number(pick(1, 99));
            case 5:
                return QString::number(pick(0, 1));
            case 6:
                return QString::number(kind);
            case 15:
            case 20:
                return oneOf({"黑体", "楷体", "Arial", "方正舒体*"});
            case 16:
            case 21:
                return QStringLiteral("1") + digits(3, 1);
            case 17:
            case 22:
                return oneOf({"10.5", "12", "14", "16"});
            case 18:
            case 19:
            case 23:
            case 24:
            case 31:
            case 43:
                return colour();
            case 27:
                return QString::number(pick(1, 2));
            case 28:
                return QStringLiteral("分类%1").arg(pick(1, 99));
            case 29:
                return QString::number(pick(1, 9999));
            case 33:
                return oneOf({"@", "yyyy-mm-dd", "0.00"});
            case 36:
                return QStringLiteral("默认值%1").arg(pick(1, 99));
            case 37:
                return QStringLiteral("提示%1").arg(pick(1, 99));
            case 38:
            case 40:
                return digits(13, 6);
            case 39:
            case 41:
                return digits(15, 2);
            case 42:
                return QString::number(pick(1, 250));
            default:
                return QStringLiteral("v%1").arg(pick(1, 99999));
        }
    }

    std::mt19937 random_;
};

class UneditedSave : public test::DemoBackendTest {
  protected:
    // A copy of a demo interface of the same kind, its items generated.
    template <class Row>
    std::int32_t generatedInterface(const QString& kind, std::int32_t copyOf, unsigned seed) {
        INDTRecord row{};
        EXPECT_GE(sysINDTGetDataByNo(hdbc(), row, copyOf), 1);
        row.id00 = 900 + kind.toInt();
        setField(row.id03, QStringLiteral("生成") + kind);
        setField(row.id07, QStringLiteral("gen"));  // never the class's default
        EXPECT_GE(sysINDTInsertRecord(hdbc(), row), 0);
        RowGenerator generate(seed);
        const std::int32_t lastKind = ItemColumns<Row>::kSearchRow ? 12 : 13;
        EXPECT_GE(odbc_BeginTrans(hdbc()), 0);
        for (int round = 0; round < 16; ++round)
            for (std::int32_t kind = 1; kind <= lastKind + 1; ++kind) {
                Row item = generate.template row<Row>(row.id00, kind > lastKind ? 99 : kind);
                EXPECT_GT(insertRow(hdbc(), item), 0);
            }
        EXPECT_GE(odbc_CommitTrans(hdbc()), 0);
        return row.id00;
    }

    TestFonts fonts;
};

TEST_P(UneditedSave, EveryDemoInterfaceIsStoredBackAsRead) {
    for (const std::int32_t number :
         {demo_.itemEntry, demo_.itemEntrySecond, demo_.classTemplate, demo_.systemTemplate})
        expectUneditedSavesKeepRows<frm_zelk_jmsj>(hdbc(), number);
    expectUneditedSavesKeepRows<frm_zelk_jssj>(hdbc(), demo_.itemSearch);
}

TEST_P(UneditedSave, GeneratedRowsOfEveryKindAreStoredBackAsRead) {
    const std::int32_t search = generatedInterface<IJSTRecord>("3", demo_.itemSearch, 20261207);
    const std::int32_t entry = generatedInterface<ISITRecord>("1", demo_.itemEntry, 7);
    ASSERT_GE(readRows<IJSTRecord>(hdbc(), search).size(), 200u);
    ASSERT_GE(readRows<ISITRecord>(hdbc(), entry).size(), 200u);
    expectUneditedSavesKeepRows<frm_zelk_jssj>(hdbc(), search);
    expectUneditedSavesKeepRows<frm_zelk_jmsj>(hdbc(), entry);
}

// An edit is stored; every member and settings digit it did not touch keeps what was read.
TEST_P(UneditedSave, AnEditChangesOnlyTheMembersAndDigitsItTouches) {
    const std::int32_t number = generatedInterface<IJSTRecord>("3", demo_.itemSearch, 11);
    const auto before = readRows<IJSTRecord>(hdbc(), number);
    bool enabled = false;
    std::size_t edited = 0;  // the row of the first text box: rows load in their stored order
    {
        frm_zelk_jssj designer;
        designer.init(hdbc(), number);
        ASSERT_EQ(designer.ItemCount, static_cast<std::int32_t>(before.size()));
        while (designer.ItemTable[++edited].ControlKind != kKindTextBox) {
        }
        DesignItem& item = designer.ItemTable[edited--];
        enabled = item.Enabled = !item.Enabled;
        auto* box = dynamic_cast<DesignBox*>(designer.itemControl(item));
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->setLeft(box->Left() + 150));
        PromptScript script;
        designer.SaveInterface();
    }
    const auto after = readRows<IJSTRecord>(hdbc(), number);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t k = 0; k < after.size(); ++k) {
        IJSTRecord expected = before[k];
        expected.is00 = after[k].is00;
        if (k == edited) {
            expected.is11 += 150;
            expected.is13 += 150;
            QString switches = fieldText(expected.is41);
            switches[6] = enabled ? '1' : '0';
            setField(expected.is41, switches);
        }
        EXPECT_TRUE(sameRow(expected, after[k])) << k;
    }
}

ZELK_ON_BOTH_BACKENDS(UneditedSave);

// Settings digits merge position by position whatever the stored length: an edited digit is the
// writer's, an unedited one the stored one, and neither text's extra digits are lost.
TEST(SettingsDigits, AnEditChangesItsOwnDigitWhateverTheStoredLength) {
    struct Case {
        const char* stored;
        const char* loaded;
        const char* now;
        const char* expected;
    } const cases[] = {
        {"010101002201", "0100000002010", "0100000002020", "0101010022020"},  // shorter
        {"0101010022011", "0100000002010", "0100000002020", "0101010022021"},
        {"01010100220111", "0100000002010", "0100000002020", "01010100220211"},  // longer
        {"", "1111111011110", "1111111011100", "1111111011100"},
        {"12", "00", "01", "11"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readrows::mergedDigits(c.stored, c.loaded, c.now), c.expected) << c.stored;
}

}  // namespace
}  // namespace zelk
