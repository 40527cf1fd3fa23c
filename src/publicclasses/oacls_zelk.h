#pragma once
// OACLS_ZELK: the class a host creates to show the component as a whole. It keeps what the host
// hands over, forwards it to the main window, shows that window modally or inside a window of
// the host, and passes the window's help requests on to the host as its own NeedHelp event.

#include <cstdint>

#include <QPointer>
#include <QString>

#include "platform/automation/dispatch.h"
#include "platform/automation/events.h"

namespace zelk {

class frm_zelk_main;

class OACLS_ZELK final : public DispatchObject {
  public:
    // Dispatch ids, as the host knows them.
    static constexpr DispId kIschild = 0x40030000;
    static constexpr DispId kHelpID = 0x40030013;
    static constexpr DispId kHelpWindowStyle = 0x40030014;
    static constexpr DispId kInit = 0x60030004;
    static constexpr DispId kParentResize = 0x60030005;
    static constexpr DispId kTypeChanged = 0x60030006;
    static constexpr DispId kShow = 0x60030007;
    static constexpr DispId kHide = 0x60030008;
    static constexpr DispId kName = 0x68030003;
    static constexpr DispId kActive = 0x68030002;
    static constexpr DispId kEnabled = 0x68030001;
    static constexpr DispId kVisible = 0x68030000;
    static constexpr DispId kSetReportPath = 0x6003000C;
    // Events.
    static constexpr DispId kOnMainTableChanged = 2;
    static constexpr DispId kOnHint = 1;
    static constexpr DispId kNeedHelp = 3;

    OACLS_ZELK();
    ~OACLS_ZELK() override;
    OACLS_ZELK(const OACLS_ZELK&) = delete;
    OACLS_ZELK& operator=(const OACLS_ZELK&) = delete;

    EventSource* events() override { return &events_; }

    bool ischild = false;
    QString HelpID;  // kept for the host; the component never reads it
    QString HelpWindowStyle;

    void init(std::int32_t& vSyshdbc, QString& vsystemname, QString& vmaintable,
              QString& vClassname, QString& vusername);
    // Width and height in twips.
    void parentResize(float& width, float& height);
    void TypeChanged(QString& vmaintable, QString& vClassname);
    // Modal: returns when the window has been closed or hidden. Otherwise the window becomes a
    // borderless child of the host window vParentHwnd; an id that names no window is refused
    // (InvalidArg) and nothing changes.
    void show(bool& vModal, std::int32_t& vParentHwnd);
    void hide();
    void SetReportPath(QString& vReportPath);

    // The main window, while it exists.
    frm_zelk_main* mainWindow() const;

  private:
    // Creates the main window, neither loaded nor shown.
    void Class_Initialize();
    // Unloads the main window and lets it go.
    void Class_Terminate() noexcept;

    const MemberTable& table() const override;
    // The main window, or an automation error when the host's window took it away with it.
    frm_zelk_main& frm() const;

    // Events of the main window.
    void IS_frm_NeedHelp(QString& id);
    void IS_frm_onMainTableChanged(const QString& table);

    QPointer<frm_zelk_main> IS_frm;
    QString name_;
    std::int32_t hdbc_ = 0;
    QString systemName_;
    QString mainTable_;
    QString className_;
    QString userName_;
    bool active_ = false;
    bool enabled_ = false;
    bool visible_ = false;
    EventSource events_;
};

}  // namespace zelk
