#include "publicclasses/designerclasses.h"

#include "designer/showdesigner.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "platform/modalwindow.h"

namespace zelk {

namespace {

using Args = std::span<Variant>;

// hdbc and fid, by reference, as both form designer classes take them.
std::vector<ParamInfo> formParams() {
    return {{QStringLiteral("hdbc"), VarType::Int32, true},
            {QStringLiteral("fid"), VarType::Int32, true}};
}

template <class T>
void showFormDesigner(T& c, Args a) {
    std::int32_t hdbc = a[0].toInt32();
    std::int32_t fid = a[1].toInt32();
    c.ShowDesigner(hdbc, fid);
    a[0] = hdbc;
    a[1] = fid;
}

}  // namespace

DesignerEntryClass::DesignerEntryClass(const QString& className)
    : events_(QStringLiteral("__") + className, {{kNeedHelp,
                                                  QStringLiteral("NeedHelp"),
                                                  {{QStringLiteral("id"), VarType::Text, true}}}}) {
}

void DesignerEntryClass::raiseNeedHelp(QString& id) {
    Variant arg(id);
    events_.raise(kNeedHelp, Args(&arg, 1));
    id = arg.toText();
}

void OACLS_ISITer::ShowDesigner(std::int32_t& hdbc, std::int32_t& fid) {
    ShowDesignerWindow(DesignerKind::ItemEntry, hdbc, fid, nullptr,
                       [this](QString& id) { jmsj_NeedHelp(id); });
}

const MemberTable& OACLS_ISITer::table() const {
    static const MemberTable t = membersOf<OACLS_ISITer>(
        QStringLiteral("OACLS_ISITer"), formParams(), showFormDesigner<OACLS_ISITer>);
    return t;
}

void OACLS_IJSTer::ShowDesigner(std::int32_t& hdbc, std::int32_t& fid) {
    ShowDesignerWindow(DesignerKind::ItemSearch, hdbc, fid, nullptr,
                       [this](QString& id) { jssj_NeedHelp(id); });
}

const MemberTable& OACLS_IJSTer::table() const {
    static const MemberTable t = membersOf<OACLS_IJSTer>(
        QStringLiteral("OACLS_IJSTer"), formParams(), showFormDesigner<OACLS_IJSTer>);
    return t;
}

void OACLS_ILITer::ShowDesigner(std::int32_t& hdbc, std::int32_t& fid, QString& vlx) {
    // The list designer's own load steps run before its init.
    ShowModalWindow<frm_zelk_lbsj>([&](frm_zelk_lbsj& LBSJ) { LBSJ.init(hdbc, fid, vlx); }, nullptr,
                                   [this](QString& id) { LBSJ_NeedHelp(id); },
                                   ModalLoad::BeforeInit);
}

const MemberTable& OACLS_ILITer::table() const {
    static const MemberTable t =
        membersOf<OACLS_ILITer>(QStringLiteral("OACLS_ILITer"),
                                {{QStringLiteral("hdbc"), VarType::Int32, true},
                                 {QStringLiteral("fid"), VarType::Int32, true},
                                 {QStringLiteral("vlx"), VarType::Text, true}},
                                [](OACLS_ILITer& c, Args a) {
                                    std::int32_t hdbc = a[0].toInt32();
                                    std::int32_t fid = a[1].toInt32();
                                    QString vlx = a[2].toText();
                                    c.ShowDesigner(hdbc, fid, vlx);
                                    a[0] = hdbc;
                                    a[1] = fid;
                                    a[2] = vlx;
                                });
    return t;
}

}  // namespace zelk
