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

// The route's steps of the entry form; a form without a route, or none assigned, falls back to
// the system's steps.
TEST_P(ApprovalSteps, TheRouteOfTheFormOrElseTheStepsOfTheSystem) {
    const QString fid = QString::number(form(QStringLiteral("发文登记")));
    const QStringList route = {"拟稿", "核稿", "部门审核", "领导签发"};
    EXPECT_EQ(listed(fid, "核稿"), route);
    EXPECT_EQ(listed<frm_postil_prop>(fid), route);
    const QString plain = QString::number(form(QStringLiteral("发文登记（简版）")));
    EXPECT_EQ(listed(plain), QStringList({"拟稿", "核稿", "部门审核", "领导签发", "归档"}));
    EXPECT_EQ(listed(QString()), listed(plain));
}

// Names trimmed, kept in order with duplicates and empty ones; a quote breaks out of nothing:
// condition 1 matches no route, condition 2 the system.
TEST_P(ApprovalSteps, NamesAreTrimmedAndQuotesAreOnlyText) {
    gSystemName = QStringLiteral("O'Neil系统");
    addStep(21, "会签  ", gSystemName);
    addStep(22, "", gSystemName);
    addStep(23, "会签", gSystemName);
    EXPECT_EQ(listed("1' or '1'='1"), QStringList({"会签", "", "会签"}));
}

TEST_P(ApprovalSteps, NoRowOrAFailingLookupGivesAnEmptyListAndTheDialogOpens) {
    gSystemName = QStringLiteral("别的系统");
    EXPECT_TRUE(listed("99999", "领导签发").isEmpty());
    ASSERT_EQ(ExecSQL(hdbc(), "drop table mbhj"), 0);
    EXPECT_TRUE(listed("1", "拟稿").isEmpty());
}

ZELK_ON_BOTH_BACKENDS(ApprovalSteps);

}  // namespace
}  // namespace zelk::test
