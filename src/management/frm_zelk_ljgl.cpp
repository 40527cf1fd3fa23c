// The interface manager's frame: controls, start-up, class changes, child windows, the
// permission rule and the key dispatchers.

#include "management/frm_zelk_ljgl.h"

#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "designer/showdesigner.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "management/panelrules.h"
#include "platform/controls/eventargs.h"
#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/modalwindow.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "propdialogs/frm_zelk_jmsx.h"
#include "wizard/frm_zelk_jmxd.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_ljgl");

QAction* menuItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* separator(QMenu* menu, const QString& name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

void place(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

}  // namespace

frm_zelk_ljgl::frm_zelk_ljgl(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_ljgl"));
    setWindowTitle(QStringLiteral("类型与界面管理"));
    resizeTwips(6375, 5730);

    Picture2 = new QFrame(this);
    Picture2->setFixedHeight(twipsToPixels(390));
    Image1 = new QLabel(Picture2);
    Label4 = new QLabel(QStringLiteral("类型模板、类型界面管理"), Picture2);
    auto* title = new QHBoxLayout(Picture2);
    title->setContentsMargins(4, 0, 4, 0);
    title->addWidget(Image1);
    title->addWidget(Label4, 1);

    SSSplitter1 = new Splitter(Qt::Horizontal, this);
    picFLMB = new QFrame;
    picFLMB->setAutoFillBackground(true);
    Image2 = new QLabel(picFLMB);
    Label1 = new QLabel(picFLMB);
    Label2 = new QLabel(picFLMB);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Command1 = new QPushButton(QStringLiteral("创建  >>"), picFLMB);
    Command2 = new QPushButton(QStringLiteral("修改  >>"), picFLMB);
    Command2->hide();
    lvw_IT = new ReportView(picFLMB);
    place(Image2, 120, 150, 480, 480);
    place(Label1, 720, 210, 2100, 360);
    place(Label2, 120, 750, 2700, 900);
    place(Command1, 1560, 1740, 1200, 375);
    place(Command2, 1560, 1740, 1200, 375);
    lvw_IM = new ReportView;
    SSSplitter1->AddPane(picFLMB, 2900);
    SSSplitter1->AddPane(lvw_IM, 3475);
    SSSplitter1->SetPaneFixed(1, true);
    prg = new ProgressBar(this);
    prg->setFixedHeight(twipsToPixels(150));
    prg->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture2);
    layout->addWidget(SSSplitter1, 1);
    layout->addWidget(prg);

    const double unit = 6375.0 / 33;
    for (const auto& [caption, parts] :
         {std::pair{"名称", 10}, {"描述", 10}, {"类型", 5}, {"所有者", 5}, {"模板", 3}})
        lvw_IM->AddColumn(QString(), QString::fromUtf8(caption), unit * parts);
    lvw_IM->SetFullRowSelect(true);
    lvw_IM->SetHideSelection(false);
    lvw_IT->SetFullRowSelect(true);
    lvw_IT->SetHideSelection(false);

    m_popmenu = new QMenu(this);
    m_popmenu->setObjectName(QStringLiteral("m_popmenu"));
    mnu_default = menuItem(m_popmenu, "mnu_default", QStringLiteral("设为默认界面"));
    m_newInterface = menuItem(m_popmenu, "m_newInterface", QStringLiteral("新建界面"));
    m_deleteinterface = menuItem(m_popmenu, "m_deleteinterface", QStringLiteral("删除界面"));
    m2 = separator(m_popmenu, "m2");
    mnu_idesign = menuItem(m_popmenu, "mnu_idesign", QStringLiteral("界面编辑"));
    mnu_idesign->setVisible(false);
    mnu_createreport = menuItem(m_popmenu, "mnu_createreport", QStringLiteral("根据界面生成报表"));
    m_interfaceproperty =
        menuItem(m_popmenu, "m_interfaceproperty", QStringLiteral("查看/修改界面属性"));
    m_field = menuItem(m_popmenu, "m_field", QStringLiteral("查看栏目"));
    m_field->setVisible(false);
    m3 = separator(m_popmenu, "m3");
    mnu_refresh = menuItem(m_popmenu, "mnu_refresh", QStringLiteral("刷新"));

    m_popfield = new QMenu(QStringLiteral("栏目子菜单"), this);
    m_popfield->setObjectName(QStringLiteral("m_popfield"));
    mnu_AddField = menuItem(m_popfield, "mnu_AddField", QStringLiteral("增加栏目"));
    mnu_DelField = menuItem(m_popfield, "mnu_DelField", QStringLiteral("删除栏目"));
    mnu_ResetField = menuItem(m_popfield, "mnu_ResetField", QStringLiteral("栏目调整"));
    mnu_ChangeControlType =
        menuItem(m_popfield, "mnu_ChangeControlType", QStringLiteral("修改界面栏目控件类型"));
    mnu_type = menuItem(m_popfield, "mnu_type", QStringLiteral("分类管理"));
    mnu_dp = menuItem(m_popfield, "mnu_dp", QStringLiteral("到排数据设置"));
    mnu_hint = menuItem(m_popfield, "mnu_hint", QStringLiteral("提示设置"));
    m_tableclass = menuItem(m_popfield, "m_tableclass", QStringLiteral("修改子表分类"));

    m_popFLMB = new QMenu(QStringLiteral("分类模板子菜单"), this);
    m_popFLMB->setObjectName(QStringLiteral("m_popFLMB"));
    mnu_createFLMB = menuItem(m_popFLMB, "mnu_createFLMB", QStringLiteral("创建模板"));
    mnu_updateFLMB = menuItem(m_popFLMB, "mnu_updateFLMB", QStringLiteral("修改模板"));
    mnu_DelFLMB = menuItem(m_popFLMB, "mnu_DelFLMB", QStringLiteral("删除模板"));
    mnu_CreateUserInterface =
        menuItem(m_popFLMB, "mnu_CreateUserInterface", QStringLiteral("界面生成向导"));

    PopupMenu = [](QMenu* menu) { menu->popup(QCursor::pos()); };
    connectHandlers();
}

frm_zelk_ljgl::~frm_zelk_ljgl() = default;

void frm_zelk_ljgl::connectHandlers() {
    const auto on = [this](QAction* action, const char* name, void (frm_zelk_ljgl::*handler)()) {
        connect(action, &QAction::triggered, this,
                Trapped(kSource + "." + name, [this, handler] { (this->*handler)(); }));
    };
    on(mnu_default, "mnu_default_Click", &frm_zelk_ljgl::mnu_default_Click);
    on(m_newInterface, "m_newInterface_Click", &frm_zelk_ljgl::m_newInterface_Click);
    on(m_deleteinterface, "m_deleteinterface_Click", &frm_zelk_ljgl::m_deleteinterface_Click);
    on(mnu_idesign, "mnu_idesign_Click", &frm_zelk_ljgl::mnu_idesign_Click);
    on(m_interfaceproperty, "m_interfaceproperty_Click", &frm_zelk_ljgl::m_interfaceproperty_Click);
    on(m_field, "m_field_Click", &frm_zelk_ljgl::m_field_Click);
    on(mnu_refresh, "mnu_refresh_Click", &frm_zelk_ljgl::mnu_refresh_Click);
    on(mnu_DelField, "mnu_DelField_Click", &frm_zelk_ljgl::mnu_DelField_Click);
    on(mnu_ResetField, "mnu_ResetField_Click", &frm_zelk_ljgl::mnu_ResetField_Click);
    on(mnu_CreateUserInterface, "mnu_CreateUserInterface_Click",
       &frm_zelk_ljgl::mnu_CreateUserInterface_Click);
    on(mnu_AddField, "mnu_AddField_Click", &frm_zelk_ljgl::mnu_AddField_Click);
    on(mnu_ChangeControlType, "mnu_ChangeControlType_Click",
       &frm_zelk_ljgl::mnu_ChangeControlType_Click);
    on(m_tableclass, "m_tableclass_Click", &frm_zelk_ljgl::m_tableclass_Click);
    on(mnu_createFLMB, "mnu_createFLMB_Click", &frm_zelk_ljgl::mnu_createFLMB_Click);
    on(mnu_updateFLMB, "mnu_updateFLMB_Click", &frm_zelk_ljgl::mnu_updateFLMB_Click);
    on(mnu_DelFLMB, "mnu_DelFLMB_Click", &frm_zelk_ljgl::mnu_DelFLMB_Click);
    on(mnu_createreport, "mnu_createreport_Click", &frm_zelk_ljgl::mnu_createreport_Click);
    on(mnu_dp, "mnu_dp_Click", &frm_zelk_ljgl::mnu_dp_Click);
    on(mnu_hint, "mnu_hint_Click", &frm_zelk_ljgl::mnu_hint_Click);
    connect(Command1, &QPushButton::clicked, this,
            Trapped(kSource + ".Command1_Click", [this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            Trapped(kSource + ".Command2_Click", [this] { Command2_Click(); }));

    connect(lvw_IM, &ReportView::DblClick, this,
            Trapped(kSource + ".lvw_IM_DblClick", [this] { lvw_IM_DblClick(); }));
    connect(
        lvw_IM, &ReportView::ItemClick, this,
        Trapped(kSource + ".lvw_IM_ItemClick", [this](ListItem* item) { lvw_IM_ItemClick(item); }));
    // The keyboard moves the selection too: the selected row's items follow it.
    connect(lvw_IM, &ReportView::SelectionChange, this,
            Trapped(kSource + ".lvw_IM_SelectionChange", [this] {
                std::int32_t number = 0;
                if (!selectedInterface(number)) return;
                if (number != ItemsInterface) m_field_Click();
            }));
    connect(lvw_IM, &ReportView::MouseUp, this,
            Trapped(kSource + ".lvw_IM_MouseUp",
                    [this](int b, int s, double x, double y) { lvw_IM_MouseUp(b, s, x, y); }));
    connect(lvw_IT, &ReportView::MouseUp, this,
            Trapped(kSource + ".lvw_IT_MouseUp",
                    [this](int b, int s, double x, double y) { lvw_IT_MouseUp(b, s, x, y); }));
    const auto helpKey = [this](int& keyCode, int) {
        if (keyCode != vbKeyF1) return;
        keyCode = 0;
        QString id;
        raiseNeedHelp(id);
    };
    connect(lvw_IM, &ReportView::KeyDown, this, helpKey);
    connect(lvw_IT, &ReportView::KeyDown, this, helpKey);
    for (QWidget* w : {static_cast<QWidget*>(picFLMB), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Image2)})
        w->installEventFilter(this);
}

bool frm_zelk_ljgl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picFLMB && event->type() == QEvent::Resize) {
        TrapErrors(kSource + ".picFLMB_Resize", [this] { picFLMB_Resize(); });
    } else if (event->type() == QEvent::MouseButtonRelease &&
               (watched == picFLMB || watched == Label1 || watched == Label2 ||
                watched == Image2)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF at = detail::twipsIn(picFLMB, static_cast<QWidget*>(watched), mouse);
        TrapErrors(kSource + ".picFLMB_MouseUp", [&] {
            picFLMB_MouseUp(detail::vbButton(mouse->button()), vbShiftState(mouse->modifiers()),
                            at.x(), at.y());
        });
        // Handled here: a label's release would reach the panel as well and pop a second menu.
        return true;
    }
    return Form::eventFilter(watched, event);
}

void frm_zelk_ljgl::Form_Load() {
    QPalette palette = picFLMB->palette();
    palette.setBrush(QPalette::Window,
                     QBrush(LoadResPicture(QStringLiteral("ID_WINLEFT"), 256).scaled(2048, 2048)));
    picFLMB->setPalette(palette);
    Image2->setPixmap(LoadResIcon(QStringLiteral("ID_FLMB")).pixmap(32, 32));
    Image1->setPixmap(LoadResIcon(QStringLiteral("ID_FLMB")).pixmap(16, 16));
    ToggleHeaderButtons(this, lvw_IM);
    ToggleHeaderButtons(this, lvw_IT);
}

ClassContext frm_zelk_ljgl::context() const {
    return {hdbc_, systemName_, mainTable_, className_};
}

bool frm_zelk_ljgl::commandsAllowed() const {
    return CommandsAllowed(className_, AdminUser);
}

void frm_zelk_ljgl::ApplyCommandPermission(bool allowed) {
    load();
    for (QAction* action :
         {m_newInterface, m_deleteinterface, mnu_idesign, m_interfaceproperty, mnu_AddField,
          mnu_DelField, mnu_ResetField, mnu_ChangeControlType, m_tableclass, mnu_createFLMB,
          mnu_updateFLMB, mnu_DelFLMB, mnu_CreateUserInterface, mnu_default})
        action->setEnabled(allowed);
    Command1->setEnabled(allowed);
    Command2->setEnabled(allowed);
}

std::function<void(QString&)> frm_zelk_ljgl::relayHelp() {
    return [this](QString& id) { raiseNeedHelp(id); };
}

void frm_zelk_ljgl::FitColumnsToContents() {
    fitColumns_ = true;
    lvw_IM->FitColumnsToContents();
    lvw_IT->FitColumnsToContents();
}

void frm_zelk_ljgl::showPopup(QMenu* menu) {
    if (PopupMenu) PopupMenu(menu);
}

void frm_zelk_ljgl::init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
                         const QString& classname, const QString& username) {
    TrapErrors(kSource + ".init", [&] {
        load();
        for (const char* name : {"ID_ISIT", "ID_ILST", "ID_ISITI"})
            ImageList2.Add(QString::fromLatin1(name));
        lvw_IM->SetIcons(&ImageList2);
        lvw_IM->SetSmallIcons(&ImageList2);
        lvw_IT->SetIcons(&ImageList2);
        lvw_IT->SetSmallIcons(&ImageList2);
        DefaultIDs = {};
        hdbc_ = hdbc;
        systemName_ = systemname;
        mainTable_ = maintable;
        className_ = classname;
        userName_ = username;
        LoadInterfaceList();
    });
}

void frm_zelk_ljgl::RefreshInterface() {
    ChangeClassname(className_);
}

void frm_zelk_ljgl::ChangeClassname(const QString& classname) {
    DefaultIDs = {};
    className_ = classname;
    lvw_IT->Clear();
    ItemsInterface = 0;
    LoadInterfaceList();
}

// The designers rewrite the interface's item rows, with new keys, when they save: the item list
// reads them again when one returns, however it ended.
void frm_zelk_ljgl::LoadDesigner(std::int32_t fid) {
    TrapErrors(kSource + ".LoadDesigner", [&] {
        ShowDesignerWindow(DesignerKind::ItemEntry, hdbc_, fid, nullptr, relayHelp());
    });
    ReloadInterfaceItems();
}

void frm_zelk_ljgl::LoadIJSTDesigner(std::int32_t fid) {
    TrapErrors(kSource + ".LoadIJSTDesigner", [&] {
        ShowDesignerWindow(DesignerKind::ItemSearch, hdbc_, fid, nullptr, relayHelp());
    });
    ReloadInterfaceItems();
}

void frm_zelk_ljgl::LoadListDesigner(std::int32_t fid, const QString& vlx) {
    TrapErrors(kSource + ".LoadListDesigner", [&] {
        ShowModalWindow<frm_zelk_lbsj>([&](frm_zelk_lbsj& window) { window.init(hdbc_, fid, vlx); },
                                       nullptr, relayHelp());
    });
    ReloadInterfaceItems();
}

void frm_zelk_ljgl::ShowWizard() {
    if (!commandsAllowed()) return;
    ShowModalWindow<frm_zelk_jmxd>(
        [&](frm_zelk_jmxd& window) {
            window.init(hdbc_, systemName_, mainTable_, className_, userName_);
        },
        nullptr, relayHelp());
    DefaultIDs = {};
    LoadInterfaceList();
}

void frm_zelk_ljgl::ShowInterfaceProperty(std::int32_t id, bool viewOnly) {
    ShowModalWindow<frm_zelk_jmsx>(
        [&](frm_zelk_jmsx& window) {
            window.init(hdbc_, id, systemName_);
            // Who may not change interfaces here may still look at one.
            window.SetViewOnly(viewOnly);
        },
        nullptr, relayHelp());
    if (!viewOnly) adoptEmptiedFlag(id);
    LoadInterfaceList();
}

void frm_zelk_ljgl::DesignInterface() {
    if (!commandsAllowed() || lvw_IM->Count() == 0) return;
    ListItem* item = lvw_IM->SelectedItem();
    std::int32_t number = 0;
    if (!item || !interfaceNumberOfKey(item->Key(), number)) return;
    const QString kind = item->SubItems(2);
    if (kind == QStringLiteral("录入条目"))
        LoadDesigner(number);
    else if (kind == QStringLiteral("检索条目"))
        LoadIJSTDesigner(number);
    else if (kind == QStringLiteral("录入列表") || kind == QStringLiteral("检索列表"))
        LoadListDesigner(number, kind);
}

void frm_zelk_ljgl::picFLMB_Resize() {
    const ItemListPlacement p =
        itemListPlacement(pixelsToTwips(picFLMB->contentsRect().height()),
                          pixelsToTwips(picFLMB->width()), pixelsToTwips(picFLMB->height()));
    lvw_IT->setVisible(p.visible);
    if (p.move) place(lvw_IT, p.rect.left, p.rect.top, p.rect.width, p.rect.height);
}

void frm_zelk_ljgl::PrepareTemplateMenu() {
    const bool none = Label1->text() == QStringLiteral("基础模板未建立") ||
                      Label1->text() == QStringLiteral("类型模板未建立");
    // The template commands stay closed to whom the permission rule closes them.
    const bool allowed = commandsAllowed();
    mnu_createFLMB->setEnabled(none && allowed);
    mnu_updateFLMB->setEnabled(!none && allowed);
    mnu_DelFLMB->setEnabled(!none && allowed);
    mnu_CreateUserInterface->setEnabled(!none && allowed);
}

void frm_zelk_ljgl::picFLMB_MouseUp(int button, int, double, double) {
    if (button != 2) return;
    PrepareTemplateMenu();
    showPopup(m_popFLMB);
}

void frm_zelk_ljgl::DoInterfaceCommand(const QString& key) {
    std::int32_t number = 0;
    ListItem* item = lvw_IM->SelectedItem();
    if (key == QStringLiteral("tb_delete")) {
        DeleteINDT();
    } else if (key == QStringLiteral("tb_design")) {
        DesignInterface();
    } else if (key == QStringLiteral("tb_LXLM")) {
        resetLXLM();
    } else if (key == QStringLiteral("tb_jmsj")) {
        // Only an item-entry form opens in the item-entry designer.
        if (commandsAllowed() && item && item->SubItems(2) == QStringLiteral("录入条目") &&
            interfaceNumberOfKey(item->Key(), number))
            LoadDesigner(number);
    } else if (key == QStringLiteral("tb_prop")) {
        UpdateInterfaceProperty();
    }
}

void frm_zelk_ljgl::DoViewCommand(const QString& key) {
    static const QStringList views{"bm_Icon", "bm_SmallIcon", "bm_List", "bm_Report"};
    if (key == QStringLiteral("bm_flmb")) {
        Command1_Click();
    } else if (key == QStringLiteral("bm_fljm")) {
        ShowWizard();
    } else if (views.contains(key)) {
        InterfaceViewMode = static_cast<int>(views.indexOf(key));
    }
}

void frm_zelk_ljgl::SetItemViewMode(const QString& key) {
    static const QStringList views{"btmIcon", "btmSmallIcon", "btmList", "btmReport"};
    if (views.contains(key)) ItemViewMode = static_cast<int>(views.indexOf(key));
}

}  // namespace zelk
