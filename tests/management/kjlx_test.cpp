// The control-kind dialog: which entry a stored kind selects, when OK is offered, and what OK
// stores together with the version counter, on SQLite and PostgreSQL.

#include <gtest/gtest.h>

#include "component/fixedfield.h"
#include "dataaccess/demodata.h"
#include "management/frm_zelk_kjlx.h"
#include "management/testrows.h"
#include "support/expectprompt.h"
#include "support/refusal.h"
#include "support/testdb.h"

namespace zelk {
namespace {

TEST(ControlKindIndex, SelectsTheKindsEntryOrNone) {
    const std::pair<int, int> cases[] = {{3, 2}, {1, 0}, {0, 0}, {-2, 0}, {13, 12}, {14, -1}};
    for (const auto& [kind, index] : cases) EXPECT_EQ(controlKindIndex(kind), index) << kind;
    EXPECT_EQ(controlKindEntries(false)[5], QStringLiteral("6-列表框控件"));
}

class KjlxTest : public test::DemoBackendTest {
  protected:
    std::int32_t item(const char* kind) {
        ISITRecord r;
        r.ii01 = demo_.itemEntry;
        setField(r.ii02, "bt");
        setField(r.ii06, QString::fromLatin1(kind));
        return sysISITInsertRecord(hdbc(), r);
    }
    QString version() { return test::versionOf(hdbc(), demo_.itemEntry); }
    QString storedKind(std::int32_t id) {
        ISITRecord r;
        sysISITGetItem(hdbc(), r, id);
        return fieldText(r.ii06);
    }
};

TEST_P(KjlxTest, OpensOnTheStoredKindAndOffersOkOnlyForAnother) {
    struct Case {
        const char* stored;
        int index;
        const char* caption;
    } cases[] = {{"3", 2, "3-检查框控件"}, {"0", 0, "1-标签控件"}, {"15", -1, "[未定义]"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        frm_zelk_kjlx d;
        d.init(hdbc(), item(c.stored), 0);
        ASSERT_TRUE(d.ItemFound);
        EXPECT_EQ(d.Combo1->currentIndex(), c.index);
        EXPECT_EQ(d.Label2->text(), QString::fromUtf8(c.caption));
        EXPECT_FALSE(d.Command1->isEnabled());
        d.Combo1->setCurrentIndex(7);
        EXPECT_TRUE(d.Command1->isEnabled());
        if (c.index >= 0) {
            d.Combo1->setCurrentIndex(c.index);
            EXPECT_FALSE(d.Command1->isEnabled());
        }
    }
}

TEST_P(KjlxTest, OkStoresTheKindAndRaisesTheVersionOnce) {
    const std::int32_t id = item("3");
    const QString before = version();
    frm_zelk_kjlx d;
    d.init(hdbc(), id, 0);
    d.Combo1->setCurrentIndex(7);
    PromptScript script;
    d.Command1->click();
    EXPECT_TRUE(script.prompts().empty());
    EXPECT_EQ(storedKind(id), QStringLiteral("8"));
    EXPECT_EQ(version().toInt(), before.toInt() + 1);

    frm_zelk_kjlx missing;
    missing.init(hdbc(), 999999, 0);
    EXPECT_FALSE(missing.ItemFound);
}

TEST_P(KjlxTest, RefusedChangeKeepsKindAndVersionAndTheDialog) {
    const std::int32_t id = item("3");
    const QString before = version();
    ASSERT_TRUE(test::refuseRows(hdbc(), GetParam(), "indt",
                                 QStringLiteral("new.id00 = %1").arg(demo_.itemEntry), "update"));
    frm_zelk_kjlx d;
    d.init(hdbc(), id, 0);
    d.Combo1->setCurrentIndex(4);
    PromptScript script;
    script.answer(vbOK);
    d.Command1->click();
    test::expectPrompt(script, QStringLiteral("修改信息保存出错！"), QStringLiteral("系统提示"),
                       vbCritical);
    EXPECT_EQ(storedKind(id), QStringLiteral("3"));
    EXPECT_EQ(version(), before);
    EXPECT_TRUE(d.Command1->isEnabled());
}

ZELK_ON_BOTH_BACKENDS(KjlxTest);

}  // namespace
}  // namespace zelk
