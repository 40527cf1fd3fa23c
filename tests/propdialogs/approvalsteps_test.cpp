// The approval-step list of the check-box and postil dialogs, read from real databases.

#include <gtest/gtest.h>

#include "component/zelkmodule.h"
#include "dataaccess/demodata.h"
#include "dataaccess/dravix.h"
#include "platform/pointer.h"
#include "propdialogs/frm_check_prop.h"
#include "propdialogs/frm_postil_prop.h"
#include "support/testdb.h"

namespace zelk::test {
namespace {

class ApprovalSteps : public BackendTest {
  protected:
    bool withDemoData() const override { return true; }
    void SetUp() override {
        BackendTest::SetUp();
        savedSystem_ = gSystemName;
        gSystemName = demo::kSystem;
    }
    void TearDown() override { gSystemName = savedSystem_; }

    std::int32_t form(const QString& name) {
        return sysINDTGetInterfaceByName(hdbc(), demo::kMainTable, demo::kSystem, demo::kClass,
                                         name);
    }
    // The steps the dialog offers after loading, with `fid`.
    template <class D = frm_check_prop>
    QStringList listed(const QString& fid, const QString& stepName = QString()) {
        D dialog;
        dialog.ApprovalStepName = stepName;
        dialog.fid = fid;
        dialog.hdbc = hdbc();
        dialog.LoadAllProperties();
        EXPECT_EQ(ScreenMousePointer(), vbDefault);
        EXPECT_EQ(dialog.Combo1->currentText(), stepName);
        EXPECT_EQ(dialog.fid, fid);
        EXPECT_EQ(dialog.hdbc, hdbc());
        QStringList names;
        for (int i = 0; i < dialog.Combo1->count(); ++i) names << dialog.Combo1->itemText(i);
        return names;
    }
    void addStep(int id, const QString& name, const QString& system) {
        ASSERT_EQ(
            ExecSQL(hdbc(),
                    QStringLiteral("insert into mbhj (mh00, mh01, mh03) values (%1, ").arg(id) +
                        sqlQuote(name) + ", " + sqlQuote(system) + ")"),
            0);
    }

  private:
    QString savedSystem_;
};

TEST_P(ApprovalSteps, TheEntryFormListsTheStepsOfItsRoute) {
    const QString fid = QString::number(form(QStringLiteral("发文登记")));
    const QStringList route = {"拟稿", "核稿", "部门审核", "领导签发"};
    EXPECT_EQ(listed(fid, "核稿"), route);
    EXPECT_EQ(listed<frm_postil_prop>(fid), route);
}

TEST_P(ApprovalSteps, AFormWithoutARouteFallsBackToTheSystemsSteps) {
    const QString fid = QString::number(form(QStringLiteral("发文登记（简版）")));
    EXPECT_EQ(listed(fid), QStringList({"拟稿", "核稿", "部门审核", "领导签发", "归档"}));
    EXPECT_EQ(listed(QString()), listed(fid));  // nothing assigned: the same fall-back
}

TEST_P(ApprovalSteps, NeitherConditionGivesAnEmptyListAndKeepsTheStepName) {
    gSystemName = QStringLiteral("别的系统");
    EXPECT_TRUE(listed("99999", "领导签发").isEmpty());
}

TEST_P(ApprovalSteps, NamesAreTrimmedKeptInOrderWithDuplicatesAndEmptyOnes) {
    gSystemName = QStringLiteral("测试系统");
    addStep(21, "会签  ", gSystemName);
    addStep(22, "", gSystemName);
    addStep(23, "会签", gSystemName);
    EXPECT_EQ(listed("99999"), QStringList({"会签", "", "会签"}));
}

TEST_P(ApprovalSteps, QuotesInTheInterfaceAndSystemNameAreOnlyText) {
    // A quote breaks out of nothing: condition 1 matches no route, condition 2 the system.
    gSystemName = QStringLiteral("O'Neil系统");
    addStep(31, "复核", gSystemName);
    EXPECT_EQ(listed("1' or '1'='1"), QStringList({"复核"}));
}

TEST_P(ApprovalSteps, AFailingLookupStillOpensTheDialog) {
    ASSERT_EQ(ExecSQL(hdbc(), "drop table mbhj"), 0);
    EXPECT_TRUE(listed("1", "拟稿").isEmpty());
}

ZELK_ON_BOTH_BACKENDS(ApprovalSteps);

}  // namespace
}  // namespace zelk::test
