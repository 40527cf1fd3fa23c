#pragma once
// Stand-ins for the suite's outside components the manager hands work to: the report generator,
// the arrangement settings and the hint settings. Each is an automation class created by its
// ProgID and called by member name; its Show opens a small modal window listing what it was
// given. The host serves and registers them once at start.

#include <QString>
#include <QStringList>

#include "platform/automation/dispatch.h"
#include "platform/form.h"

namespace zelk {

inline const QString kReportGeneratorProgId = QStringLiteral("Zelk.ReportGenerator");
inline const QString kArrangementSettingsProgId = QStringLiteral("Zelk.ArrangementSettings");
inline const QString kHintSettingsProgId = QStringLiteral("Zelk.HintSettings");

// The window a stand-in shows: the calls it was given, one a line.
class frm_suite_component : public Form {
  public:
    frm_suite_component(const QString& caption, const QStringList& calls);
};

// One stand-in object: it records each call as "Member(arg, ...)" and shows the record.
class SuiteComponentStandIn : public DispatchObject {
  public:
    SuiteComponentStandIn(QString caption, const MemberTable& table);
    const QString& caption() const { return caption_; }
    const QStringList& calls() const { return calls_; }
    void record(const QString& member, std::span<Variant> args);
    // Shows the calls in a modal window.
    void showCalls();

  protected:
    const MemberTable& table() const override { return table_; }

  private:
    QString caption_;
    const MemberTable& table_;
    QStringList calls_;
};

// The member tables of the three components, shared by the stand-ins and by test doubles.
const MemberTable& reportGeneratorMembers();
const MemberTable& arrangementSettingsMembers();
const MemberTable& hintSettingsMembers();

// Serves the three stand-ins (once) and registers them in the per-user store.
void RegisterSuiteComponents();

}  // namespace zelk
