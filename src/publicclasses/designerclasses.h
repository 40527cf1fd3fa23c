#pragma once
// The designer entry classes: a host opens one designer directly, without the main window.
// OACLS_ISITer opens the item-entry designer, OACLS_IJSTer the item-search designer and
// OACLS_ILITer the list designer. Each ShowDesigner opens a fresh window on one interface and
// returns when it has closed and is gone; while it is open, the window's help requests reach
// the host as the class's NeedHelp event.

#include <cstdint>

#include <QString>

#include "platform/automation/dispatch.h"
#include "platform/automation/events.h"

namespace zelk {

// What the three classes share: the two stored texts and the help event.
class DesignerEntryClass : public DispatchObject {
  public:
    static constexpr DispId kHelpID = 0x40030001;
    static constexpr DispId kHelpWindowStyle = 0x40030002;
    static constexpr DispId kShowDesigner = 0x60030000;
    static constexpr DispId kNeedHelp = 1;  // event

    EventSource* events() override { return &events_; }

    QString HelpID;  // kept for the host; the component never reads them
    QString HelpWindowStyle;

  protected:
    explicit DesignerEntryClass(const QString& className);

    // Raises NeedHelp; a sink's change to the id comes back through it.
    void raiseNeedHelp(QString& id);

    // The members of class T: the two texts, then ShowDesigner with its parameters and body.
    template <class T>
    static MemberTable membersOf(const QString& className, std::vector<ParamInfo> params,
                                 std::function<void(T&, std::span<Variant>)> showDesigner) {
        return DispatchTable<T>(QLatin1Char('_') + className)
            .property(
                kHelpID, QStringLiteral("HelpID"), VarType::Text,
                [](const T& c) { return Variant(c.HelpID); },
                [](T& c, const Variant& v) { c.HelpID = v.toText(); })
            .property(
                kHelpWindowStyle, QStringLiteral("HelpWindowStyle"), VarType::Text,
                [](const T& c) { return Variant(c.HelpWindowStyle); },
                [](T& c, const Variant& v) { c.HelpWindowStyle = v.toText(); })
            .method(kShowDesigner, QStringLiteral("ShowDesigner"), std::move(params),
                    [showDesigner](T& c, std::span<Variant> a) {
                        showDesigner(c, a);
                        return Variant();
                    })
            .build();
    }

  private:
    EventSource events_;
};

class OACLS_ISITer final : public DesignerEntryClass {
  public:
    OACLS_ISITer() : DesignerEntryClass(QStringLiteral("OACLS_ISITer")) {}
    void ShowDesigner(std::int32_t& hdbc, std::int32_t& fid);

  private:
    void jmsj_NeedHelp(QString& id) { raiseNeedHelp(id); }
    const MemberTable& table() const override;
};

class OACLS_IJSTer final : public DesignerEntryClass {
  public:
    OACLS_IJSTer() : DesignerEntryClass(QStringLiteral("OACLS_IJSTer")) {}
    void ShowDesigner(std::int32_t& hdbc, std::int32_t& fid);

  private:
    void jssj_NeedHelp(QString& id) { raiseNeedHelp(id); }
    const MemberTable& table() const override;
};

class OACLS_ILITer final : public DesignerEntryClass {
  public:
    OACLS_ILITer() : DesignerEntryClass(QStringLiteral("OACLS_ILITer")) {}
    // vlx: "录入列表" (list-entry columns) or "检索列表" (browse-list columns).
    void ShowDesigner(std::int32_t& hdbc, std::int32_t& fid, QString& vlx);

  private:
    void LBSJ_NeedHelp(QString& id) { raiseNeedHelp(id); }
    const MemberTable& table() const override;
};

}  // namespace zelk
