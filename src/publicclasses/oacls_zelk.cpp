#include "publicclasses/oacls_zelk.h"

#include "component/zelkmodule.h"
#include "management/frm_zelk_main.h"
#include "platform/prompts.h"
#include "platform/screen.h"

namespace zelk {

namespace {

using Args = std::span<Variant>;
using P = ParamInfo;

Variant none() {
    return Variant();
}

}  // namespace

OACLS_ZELK::OACLS_ZELK()
    : events_(QStringLiteral("__OACLS_ZELK"),
              {{kOnMainTableChanged,
                QStringLiteral("onMainTableChanged"),
                {{QStringLiteral("svNewMaintable"), VarType::Text}}},
               {kOnHint, QStringLiteral("onHint"), {{QStringLiteral("hint"), VarType::Text}}},
               {kNeedHelp,
                QStringLiteral("NeedHelp"),
                {{QStringLiteral("id"), VarType::Text, true}}}}) {
    Class_Initialize();
}

OACLS_ZELK::~OACLS_ZELK() {
    Class_Terminate();
}

void OACLS_ZELK::Class_Initialize() {
    IS_frm = new frm_zelk_main;
    QObject::connect(IS_frm, &Form::NeedHelp, IS_frm, [this](QString& id) { IS_frm_NeedHelp(id); });
    QObject::connect(IS_frm, &frm_zelk_main::onMainTableChanged, IS_frm,
                     [this](const QString& table) { IS_frm_onMainTableChanged(table); });
}

void OACLS_ZELK::Class_Terminate() noexcept {
    // A host window that was destroyed first took the embedded window with it.
    if (!IS_frm) return;
    if (!IS_frm->unload()) IS_frm->forceUnload();
    delete IS_frm.data();
}

frm_zelk_main* OACLS_ZELK::mainWindow() const {
    return IS_frm.data();
}

frm_zelk_main& OACLS_ZELK::frm() const {
    if (!IS_frm)
        throw AutomationError(HResult::Unexpected,
                              QStringLiteral("the main window was destroyed with its host window"));
    return *IS_frm;
}

void OACLS_ZELK::init(std::int32_t& vSyshdbc, QString& vsystemname, QString& vmaintable,
                      QString& vClassname, QString& vusername) {
    hdbc_ = vSyshdbc;
    systemName_ = vsystemname;
    mainTable_ = vmaintable;
    className_ = vClassname;
    userName_ = vusername;
    gSystemName = vsystemname;
    frm().init(hdbc_, systemName_, mainTable_, className_, userName_);
}

void OACLS_ZELK::parentResize(float& width, float& height) {
    frm_zelk_main& window = frm();
    window.setGeometryTwips(0, 0, width, height);
    if (window.SSSplitter1) window.SSSplitter1->refresh();
}

void OACLS_ZELK::TypeChanged(QString& vmaintable, QString& vClassname) {
    (void)vmaintable;
    (void)vClassname;
}

void OACLS_ZELK::show(bool& vModal, std::int32_t& vParentHwnd) {
    frm_zelk_main& window = frm();
    if (vModal) {
        ischild = false;
        window.FitStandalone();
        ShowModal(window);
    } else {
        // Handles cross the boundary as 32-bit values.
        const auto hostId = static_cast<quintptr>(static_cast<std::uint32_t>(vParentHwnd));
        if (!EmbedInHostWindow(&window, hostId))
            throw AutomationError(HResult::InvalidArg,
                                  QStringLiteral("no window has the handle %1").arg(vParentHwnd),
                                  QString(), 1);
        ischild = true;
        // The host keeps the keyboard focus.
        if (QWidget* host = window.parentWidget()) host->setFocus();
    }
    active_ = true;
    enabled_ = true;
    visible_ = true;
}

void OACLS_ZELK::hide() {
    frm().hide();
    active_ = false;
    visible_ = false;
}

void OACLS_ZELK::SetReportPath(QString& vReportPath) {
    frm().SetReportPath(vReportPath);
}

void OACLS_ZELK::IS_frm_NeedHelp(QString& id) {
    Variant arg(id);
    events_.raise(kNeedHelp, Args(&arg, 1));
    id = arg.toText();
}

void OACLS_ZELK::IS_frm_onMainTableChanged(const QString& table) {
    (void)table;
}

const MemberTable& OACLS_ZELK::table() const {
    using C = OACLS_ZELK;
    static const MemberTable t =
        DispatchTable<C>(QStringLiteral("_OACLS_ZELK"))
            .property(
                kIschild, "ischild", VarType::Bool, [](const C& c) { return Variant(c.ischild); },
                [](C& c, const Variant& v) { c.ischild = v.toBool(); })
            .property(
                kHelpID, "HelpID", VarType::Text, [](const C& c) { return Variant(c.HelpID); },
                [](C& c, const Variant& v) { c.HelpID = v.toText(); })
            .property(
                kHelpWindowStyle, "HelpWindowStyle", VarType::Text,
                [](const C& c) { return Variant(c.HelpWindowStyle); },
                [](C& c, const Variant& v) { c.HelpWindowStyle = v.toText(); })
            .method(kInit, "init",
                    {P{"vSyshdbc", VarType::Int32, true}, P{"vsystemname", VarType::Text, true},
                     P{"vmaintable", VarType::Text, true}, P{"vClassname", VarType::Text, true},
                     P{"vusername", VarType::Text, true}},
                    [](C& c, Args a) {
                        std::int32_t hdbc = a[0].toInt32();
                        QString system = a[1].toText(), table = a[2].toText();
                        QString cls = a[3].toText(), user = a[4].toText();
                        c.init(hdbc, system, table, cls, user);
                        a[0] = hdbc;
                        a[1] = system;
                        a[2] = table;
                        a[3] = cls;
                        a[4] = user;
                        return none();
                    })
            .method(kParentResize, "parentResize",
                    {P{"width", VarType::Single, true}, P{"height", VarType::Single, true}},
                    [](C& c, Args a) {
                        float width = a[0].toSingle(), height = a[1].toSingle();
                        c.parentResize(width, height);
                        a[0] = width;
                        a[1] = height;
                        return none();
                    })
            .method(kTypeChanged, "TypeChanged",
                    {P{"vmaintable", VarType::Text, true}, P{"vClassname", VarType::Text, true}},
                    [](C& c, Args a) {
                        QString table = a[0].toText(), cls = a[1].toText();
                        c.TypeChanged(table, cls);
                        a[0] = table;
                        a[1] = cls;
                        return none();
                    })
            .method(kShow, "show",
                    {P{"vModal", VarType::Bool, true}, P{"vParentHwnd", VarType::Int32, true}},
                    [](C& c, Args a) {
                        bool modal = a[0].toBool();
                        std::int32_t hwnd = a[1].toInt32();
                        c.show(modal, hwnd);
                        a[0] = modal;
                        a[1] = hwnd;
                        return none();
                    })
            .method(kHide, "hide", {},
                    [](C& c, Args) {
                        c.hide();
                        return none();
                    })
            .property(
                kName, "Name", VarType::Text, [](const C& c) { return Variant(c.name_); },
                [](C& c, const Variant& v) { c.name_ = v.toText(); })
            .property(
                kActive, "Active", VarType::Bool, [](const C& c) { return Variant(c.active_); },
                [](C& c, const Variant& v) { c.active_ = v.toBool(); })
            .property(
                kEnabled, "Enabled", VarType::Bool, [](const C& c) { return Variant(c.enabled_); },
                [](C& c, const Variant& v) { c.enabled_ = v.toBool(); })
            .property(
                kVisible, "Visible", VarType::Bool, [](const C& c) { return Variant(c.visible_); },
                [](C& c, const Variant& v) { c.visible_ = v.toBool(); })
            .method(kSetReportPath, "SetReportPath", {P{"vReportPath", VarType::Text, true}},
                    [](C& c, Args a) {
                        QString path = a[0].toText();
                        c.SetReportPath(path);
                        a[0] = path;
                        return none();
                    });
    return t;
}

}  // namespace zelk
