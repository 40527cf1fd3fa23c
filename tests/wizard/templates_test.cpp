// The class templates the wizard offers, and the fields of one of them.

#include <gtest/gtest.h>

#include "wizard/templates.h"
#include "wizard_fixture.h"

using namespace zelk;
using namespace zelk::test;

namespace {

class Templates : public WizardDb {
  protected:
    // Templates of the sub-class and of the empty class besides the demo's class template.
    void SetUp() override {
        WizardDb::SetUp();
        if (IsSkipped()) return;
        ASSERT_GT(addInterface(demo::kSubClass, "[上行文]模板", "5"), 0);
        ASSERT_GT(addInterface(demo::kSubClass, "上行文登记", "1"), 0);
        ASSERT_GT(addInterface("", "公共模板", "5"), 0);
    }
    static QStringList names(const std::vector<TemplateRow>& rows) {
        QStringList out;
        for (const TemplateRow& r : rows) out << r.name;
        return out;
    }
};

TEST_P(Templates, ClassThenEachClassAboveThenTheEmptyClass) {
    const auto rows = CollectTemplates(context(demo::kSubClass));
    EXPECT_EQ(names(rows), QStringList({"[上行文]模板", "[发文]分类模板", "公共模板"}));
    EXPECT_EQ(rows[1].number,
              sysINDTGetFLMBID(hdbc(), demo::kMainTable, demo::kClass, demo::kSystem));
    EXPECT_EQ(rows[1].description, "发文类公文的字段");
}

// A class the tree cannot place goes straight on to the empty class.
TEST_P(Templates, MissingClassRowOrEmptyCodeGoesOnToTheEmptyClass) {
    for (const char* change : {"update sdsd set ss08='' where ss04='发文/上行文'",
                               "delete from sdsd where ss04='发文/上行文'"}) {
        ASSERT_GE(ExecSQL(hdbc(), QString::fromUtf8(change)), 0);
        EXPECT_EQ(ClassAbove(hdbc(), demo::kMainTable, demo::kSubClass), "") << change;
        EXPECT_EQ(names(CollectTemplates(context(demo::kSubClass))),
                  QStringList({"[上行文]模板", "公共模板"}))
            << change;
    }
}

TEST_P(Templates, ACycleInTheClassTreeEndsAtTheEmptyClass) {
    QStringList asked;
    const auto rows = CollectTemplates(context(demo::kSubClass), [&](const QString& cls) {
        asked << cls;
        return cls == demo::kSubClass ? demo::kClass : demo::kSubClass;
    });
    EXPECT_EQ(asked, QStringList({demo::kSubClass, demo::kClass}));
    EXPECT_EQ(names(rows), QStringList({"[上行文]模板", "[发文]分类模板", "公共模板"}));
}

// The system template holds every field; the four the system keeps are never offered.
TEST_P(Templates, FieldsLeaveOutTheColumnsTheSystemKeeps) {
    const std::int32_t tmpl = sysINDTGetSystemID(hdbc(), demo::kMainTable, demo::kSystem);
    std::vector<TemplateField> fields;
    ASSERT_TRUE(CollectTemplateFields(context(), tmpl, fields));
    QStringList columns;
    for (const TemplateField& f : fields) columns << f.column;
    EXPECT_EQ(columns, QStringList({"bh", "bt", "wh", "fwrq", "mj", "jjcd", "zw", "fj", "bz", "ngr",
                                    "psyj", "zt"}));
    EXPECT_EQ(fields[1].caption, "标题");
}

TEST_P(Templates, AFailedQueryOrNoMainTableDefinitionIsReported) {
    WizardContext broken = context();
    broken.hdbc = 9999;
    PromptScript none;
    none.answer(vbOK);
    EXPECT_TRUE(CollectTemplates(broken).empty());
    expectPrompt(none, "没有可供生成的模板界面，请先生成模板");

    WizardContext other = context();
    other.mainTable = "NOTABLE";
    PromptScript script;
    script.answer(vbOK);
    std::vector<TemplateField> fields;
    EXPECT_FALSE(CollectTemplateFields(other, 1, fields));
    EXPECT_TRUE(fields.empty());
    expectPrompt(script, "主表定义数据无法读取！系统不能继续操作！", "系统提示", vbCritical);
}

ZELK_ON_BOTH_BACKENDS(Templates);

}  // namespace
