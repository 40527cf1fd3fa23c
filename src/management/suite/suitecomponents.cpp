#include "management/suite/suitecomponents.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/automation/server.h"
#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

namespace {

constexpr CLSID kReportGeneratorClsid = Guid::literal("{6F1C2A10-3B4D-4E5F-8A9B-0C1D2E3F4A01}");
constexpr CLSID kArrangementSettingsClsid = Guid::literal("{6F1C2A10-3B4D-4E5F-8A9B-0C1D2E3F4A02}");
constexpr CLSID kHintSettingsClsid = Guid::literal("{6F1C2A10-3B4D-4E5F-8A9B-0C1D2E3F4A03}");

ParamInfo param(const char* name) {
    return {QString::fromLatin1(name), VarType::Any, false};
}

MemberInfo::Body recorder(const char* member) {
    return [member](Dispatch& self, std::span<Variant> args) {
        auto& standIn = static_cast<SuiteComponentStandIn&>(self);
        standIn.record(QString::fromLatin1(member), args);
        if (QString::fromLatin1(member) == QStringLiteral("Show")) standIn.showCalls();
        return Variant();
    };
}

MemberTable table(const char* interfaceName,
                  std::initializer_list<std::pair<const char*, std::vector<const char*>>> members) {
    MemberTable t{QString::fromLatin1(interfaceName)};
    DispId id = 1;
    for (const auto& [name, params] : members) {
        MemberInfo m;
        m.id = id++;
        m.name = QString::fromLatin1(name);
        for (const char* p : params) m.params.push_back(param(p));
        m.call = recorder(name);
        t.add(std::move(m));
    }
    return t;
}

}  // namespace

frm_suite_component::frm_suite_component(const QString& caption, const QStringList& calls) {
    setObjectName(QStringLiteral("frm_suite_component"));
    setWindowTitle(caption);
    auto* list = new QPlainTextEdit(calls.join(QLatin1Char('\n')), this);
    list->setReadOnly(true);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(480, 260);
    connect(close, &QPushButton::clicked, this, [this] { unload(); });
}

SuiteComponentStandIn::SuiteComponentStandIn(QString caption, const MemberTable& table)
    : caption_(std::move(caption)), table_(table) {}

void SuiteComponentStandIn::record(const QString& member, std::span<Variant> args) {
    QStringList texts;
    for (const Variant& a : args) texts << a.debugText();
    calls_ << member + QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

void SuiteComponentStandIn::showCalls() {
    frm_suite_component window(caption_, calls_);
    ShowModal(window);
}

const MemberTable& reportGeneratorMembers() {
    static const MemberTable t =
        table("IReportGenerator", {{"Init",
                                    {"hdbc", "systemName", "mainTable", "userName", "className",
                                     "flag", "extra", "reportPath"}},
                                   {"CreateFromForm", {"interfaceId"}},
                                   {"SetInterfaceName", {"name"}},
                                   {"CreateFromList", {"interfaceId"}},
                                   {"Show", {"modal", "owner"}}});
    return t;
}

const MemberTable& arrangementSettingsMembers() {
    static const MemberTable t =
        table("IArrangementSettings",
              {{"Init", {"hdbc", "mainTable", "systemName", "userName", "className", "fieldName"}},
               {"Show", {"modal", "owner"}}});
    return t;
}

const MemberTable& hintSettingsMembers() {
    static const MemberTable t =
        table("IHintSettings",
              {{"Init",
                {"hdbc", "flag", "mainTable", "systemName", "userName", "className", "fieldName"}},
               {"Show", {"modal", "owner"}}});
    return t;
}

void RegisterSuiteComponents() {
    const auto serve = [](const CLSID& clsid, const QString& progId, const QString& caption,
                          const MemberTable& (*members)()) {
        if (findServedClass(clsid)) return;
        addServedClass({clsid, progId, caption, [caption, members]() -> std::shared_ptr<Dispatch> {
                            return std::make_shared<SuiteComponentStandIn>(caption, members());
                        }});
    };
    serve(kReportGeneratorClsid, kReportGeneratorProgId, QStringLiteral("报表生成器"),
          reportGeneratorMembers);
    serve(kArrangementSettingsClsid, kArrangementSettingsProgId, QStringLiteral("到排数据设置"),
          arrangementSettingsMembers);
    serve(kHintSettingsClsid, kHintSettingsProgId, QStringLiteral("提示设置"), hintSettingsMembers);
    DllRegisterServer();
}

}  // namespace zelk
