#include "management/frm_zelk_main.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/frm_zelk_ljgl.h"
#include "management/panelrules.h"
#include "management/suite/classtree.h"
#include "platform/controls/reportview.h"
#include "platform/errors.h"
#include "platform/modalwindow.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "transfer/frm_zelk_ibr.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_main");

QFrame* captionStrip(QWidget* parent, QLabel*& label, const QString& caption) {
    auto* strip = new QFrame(parent);
    strip->setAutoFillBackground(true);
    label = new QLabel(caption, strip);
    label->move(4, 2);
    return strip;
}

void place(QWidget* widget, const PaneRect& r) {
    widget->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                        twipsToPixels(r.height));
}

// What a frame and its margins take from a pane's width.
int frameOverhead(const QWidget* pane) {
    return pane->width() - pane->contentsRect().width();
}

double clientWidth(const QWidget* pane) {
    return pixelsToTwips(pane->contentsRect().width());
}
double clientHeight(const QWidget* pane) {
    return pixelsToTwips(pane->contentsRect().height());
}

}  // namespace

frm_zelk_main::frm_zelk_main(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_main"));
    setWindowTitle(QStringLiteral("系统界面管理模块"));
    resizeTwips(8100, 6120 + 390);

    CoolBar1 = new QFrame(this);
    CoolBar1->setFrameShape(QFrame::StyledPanel);
    CoolBar1->setFixedHeight(twipsToPixels(390) + 12);
    tlb_IM = new KeyedToolbar(CoolBar1);
    tlb_IM->SetTextAlignment(KeyedToolbar::TextAlign::Right);
    auto* band = new QHBoxLayout(CoolBar1);
    band->setContentsMargins(2, 0, 2, 0);
    band->addWidget(tlb_IM);
    const struct {
        const char* caption;
        const char* key;
        const char* text;
    } buttons[] = {{"新建界面", "tlbNew", "新建用户界面"},
                   {"删除界面", "tb_delete", "删除选中的用户界面"},
                   {"界面设计", "tb_jmsj", "修改用户界面"},
                   {"导入导出", "tb_ibr", "导入导出当前分类的界面"},
                   {"界面属性", "tb_prop", "查看界面属性"}};
    for (const auto& b : buttons) {
        ToolbarButton* button =
            tlb_IM->Add(0, QString::fromLatin1(b.key), QString::fromUtf8(b.caption));
        button->SetDescription(QString::fromUtf8(b.text));
        button->SetToolTipText(QString::fromUtf8(b.text));
    }

    Picture3 = new QFrame;
    Picture4 = captionStrip(Picture3, Label2, QStringLiteral("系统数据存储表"));
    Picture5 = new QFrame(Picture3);
    TreeView1 = new KeyedTree(Picture5);
    TreeView1->setHeaderHidden(true);
    Picture1 = new QFrame;
    Picture6 = captionStrip(Picture1, Label1, QStringLiteral("数据分类树"));
    Picture7 = new QFrame(Picture1);
    Picture2 = new QFrame;
    LeftPanes = new Splitter(Qt::Vertical);
    LeftPanes->AddPane(Picture3, 2610);
    LeftPanes->AddPane(Picture1, 3075);
    SSSplitter1 = new Splitter(Qt::Horizontal, this);
    SSSplitter1->AddPane(LeftPanes, 1680);
    SSSplitter1->AddPane(Picture2, 6375);
    SSSplitter1->SetPaneFixed(1, true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CoolBar1);
    layout->addWidget(SSSplitter1, 1);

    connect(tlb_IM, &KeyedToolbar::ButtonClick, this,
            [this](ToolbarButton* button) { tlb_IM_ButtonClick(button); });
    connect(TreeView1, &KeyedTree::Expand, this,
            Trapped(kSource + ".TreeView1_Expand", [this](Node* node) { TreeView1_Expand(node); }));
    connect(TreeView1, &KeyedTree::NodeClick, this,
            Trapped(kSource + ".TreeView1_NodeClick",
                    [this](Node* node) { TreeView1_NodeClick(node); }));
    for (QWidget* pane : {Picture1, Picture2, Picture3, Picture5, Picture7})
        pane->installEventFilter(this);
}

frm_zelk_main::~frm_zelk_main() {
    closeManager();
    delete tree_;
}

bool frm_zelk_main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == Picture1) Picture1_Resize();
        if (watched == Picture2) Picture2_Resize();
        if (watched == Picture3) Picture3_Resize();
        if (watched == Picture5) Picture5_Resize();
        if (watched == Picture7) Picture7_Resize();
    }
    return Form::eventFilter(watched, event);
}

bool frm_zelk_main::event(QEvent* event) {
    // Form_Activate: the manager shows again (nothing before init).
    if (event->type() == QEvent::WindowActivate && ljgl_) ljgl_->show();
    return Form::event(event);
}

void frm_zelk_main::Form_Load() {
    TrapErrors(kSource + ".Form_Load", [&] {
        for (const char* name :
             {"ID_NEWINTERFACE", "ID_DELETE", "ID_DESIGN", "ID_INOUT", "ID_FORMPROP"})
            ImageList3.Add(QString::fromLatin1(name));
        tlb_IM->SetImageList(&ImageList3);
        for (int i = 1; i <= 5; ++i) tlb_IM->Button(i)->SetImage(i);
        ImageList1.Add(QStringLiteral("ID_TABLE"));
        ImageList1.Add(QStringLiteral("ID_TABLE"));
        TreeView1->SetImageList(&ImageList1);
        for (QFrame* strip : {Picture4, Picture6}) {
            QPalette palette = strip->palette();
            palette.setBrush(QPalette::Window,
                             QBrush(LoadResPicture(QStringLiteral("ID_COLORGRAD"), 64)
                                        .copy(8, 16, 48, 32)  // the gradient inside its frame
                                        .scaled(640, twipsToPixels(kCaptionStripHeight))));
            strip->setPalette(palette);
        }
        for (QFrame* pane : {Picture1, Picture2, Picture3}) {
            pane->setFrameShape(QFrame::Panel);
            pane->setFrameShadow(QFrame::Sunken);
            SetSunkenBorder(pane, true);
        }
        TableDefineRecord record;
        const std::int32_t r = sysTableGetDefine(hdbc_, mainTable_, record);
        TreeView1->Add(
            QString(), TreeRelationship::Last, mainTable_,
            r >= 1 ? TrimFixedField(fieldText(record.m02)) : QStringLiteral("未说明主表"), 1, 2);
        LoadChildTables(mainTable_);
    });
}

void frm_zelk_main::LoadChildTables(const QString& parent) {
    const std::int32_t h = sysTablePrepareGetChildTableData(hdbc_, parent);
    if (h == 0) return;
    int n = 0;
    TableDefineRecord record;
    while (sysTableGetRecord(h, record) > 0) {
        const QString name = TrimFixedField(fieldText(record.m01));
        // The current main table is not its own child; a table already in the tree under
        // another parent keeps its first node.
        if (name == mainTable_ || TreeView1->Item(name)) continue;
        const QString description = TrimFixedField(fieldText(record.m02));
        TreeView1->Add(
            parent, TreeRelationship::Child, name,
            description.isEmpty() ? QStringLiteral("系统子表") + QString::number(n) : description,
            1, 2);
        TreeView1->Add(name, TreeRelationship::Child, name + "_x", QStringLiteral("1"), 2, 0);
        ++n;
    }
    if (TreeView1->Count() > 1) TreeView1->Item(1)->SetExpanded(true);
}

void frm_zelk_main::expandOnce(Node* node) {
    if (!node) return;
    const Node* child = node->Child();
    if (!child || child->Key() != node->Key() + "_x" || node->Tag() == QStringLiteral("Expanded"))
        return;
    TreeView1->Remove(child->Key());
    LoadChildTables(node->Key());
    node->SetTag(QStringLiteral("Expanded"));
}

void frm_zelk_main::TreeView1_Expand(Node* node) {
    expandOnce(node);
}

void frm_zelk_main::TreeView1_NodeClick(Node* node) {
    if (!node) return;
    expandOnce(node);
    const QString key = node->Key();
    if (key.endsWith("_x") && TreeView1->Item(key.chopped(2))) return;  // a placeholder
    if (key != mainTable_) {
        mainTable_ = key;
        emit onMainTableChanged(mainTable_);
        init(hdbc_, systemName_, mainTable_, className_, userName_);
    }
    if (tree_) TypeChanged(mainTable_, tree_->CurrentClass());
}

void frm_zelk_main::closeManager() {
    if (!ljgl_) return;
    if (!ljgl_->unload()) ljgl_->forceUnload();
    delete ljgl_;
    ljgl_ = nullptr;
}

void frm_zelk_main::init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
                         const QString& classname, const QString& username) {
    TrapErrors(kSource + ".init", [&] {
        hdbc_ = hdbc;
        mainTable_ = maintable;
        className_ = classname;
        systemName_ = systemname;
        userName_ = username;
        gSystemName = systemname;
        gMainTable = maintable;
        sysMSSQLUses(hdbc_, QStringLiteral("OA_SYS"));

        closeManager();
        ljgl_ = new frm_zelk_ljgl;
        relayNeedHelp(*ljgl_);
        ljgl_->init(hdbc_, systemName_, mainTable_, className_, userName_);
        ljgl_->ReportPath = reportPath_;
        if (fitColumns_) ljgl_->FitColumnsToContents();

        // The window's own controls come into being here (the tables tree with them).
        load();
        ljgl_->setParent(Picture2, Qt::Widget);
        ljgl_->move(0, 0);
        ljgl_->show();

        delete tree_;
        tree_ = new ClassTree;
        connect(tree_, &ClassTree::NeedHelp, this, [this](QString& id) { raiseNeedHelp(id); });
        connect(tree_, &ClassTree::TypeChange, this,
                Trapped(kSource + ".tree_TypeChange",
                        [this](const QString& first, const QString& name) {
                            tree_TypeChange(first, name);
                        }));
        tree_->Open(hdbc_, 1, mainTable_, systemName_, userName_);
        tree_->SetCurrentClass(className_);
        tree_->AttachTo(0, Picture7);

        Picture7_Resize();
        Picture3_Resize();
        Picture2_Resize();

        isAdmin_ = ValidateUserGroup(hdbc_, userName_, QStringLiteral("管理员")) == 1;
        applyPermission(classname);
    });
}

void frm_zelk_main::applyPermission(const QString& classname) {
    const bool allowed = CommandsAllowed(classname, isAdmin_);
    for (int i = 1; i <= 3; ++i) tlb_IM->Button(i)->SetEnabled(allowed);
    if (ljgl_) {
        ljgl_->AdminUser = isAdmin_;
        ljgl_->ApplyCommandPermission(allowed);
    }
}

void frm_zelk_main::TypeChanged(const QString&, const QString& classname) {
    TrapErrors(kSource + ".TypeChanged", [&] {
        if (classname == className_) return;
        className_ = classname;
        if (ljgl_) ljgl_->ChangeClassname(classname);
        applyPermission(classname);
    });
}

void frm_zelk_main::tree_TypeChange(const QString& first, const QString& classname) {
    if (ljgl_) TypeChanged(first, classname);
}

void frm_zelk_main::SetReportPath(const QString& path) {
    reportPath_ = path;
    if (ljgl_) ljgl_->ReportPath = path;
}

void frm_zelk_main::parentResize(double width, double height) {
    if (!ljgl_) return;
    ljgl_->setGeometry(0, 0, twipsToPixels(width), twipsToPixels(height));
    ljgl_->SSSplitter1->Relayout();
}

void frm_zelk_main::FitStandalone() {
    fitColumns_ = true;
    if (ljgl_) ljgl_->FitColumnsToContents();
    const QSize smallest(960, 640);
    int left = twipsToPixels(SSSplitter1->PaneSize(1));
    left = std::max(
        left, frameOverhead(Picture3) + frameOverhead(Picture5) + WidthShowingAll(*TreeView1));
    if (tree_ && tree_->view())
        left = std::max(left, frameOverhead(Picture1) + frameOverhead(Picture7) +
                                  WidthShowingAll(*tree_->view()));
    int right = 0;
    if (ljgl_)
        right = frameOverhead(Picture2) + twipsToPixels(ljgl_->SSSplitter1->PaneSize(1)) +
                ljgl_->SSSplitter1->handleWidth() + WidthShowingAll(*ljgl_->lvw_IM);
    QSize size(std::max(smallest.width(), left + SSSplitter1->handleWidth() + right),
               std::max(smallest.height(), height()));
    if (const QScreen* shown = screen()) {
        // Room for the window manager's frame, known only once the window has been shown.
        QSize frame = frameGeometry().size() - this->size();
        if (frame.isEmpty())
            frame = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
        size = size.boundedTo(shown->availableGeometry().size() - frame);
    }
    SSSplitter1->SetPaneSize(1, pixelsToTwips(left));
    resize(size);
}

void frm_zelk_main::showTransfer() {
    // The transfer window's help requests are not passed on.
    ShowModalWindow<frm_zelk_ibr>([&](frm_zelk_ibr& window) {
        window.init(hdbc_, systemName_, mainTable_, userName_, className_);
    });
    // What an import stored in the class on show is listed at once.
    if (ljgl_) ljgl_->RefreshInterface();
}

void frm_zelk_main::tlb_IM_ButtonClick(ToolbarButton* button) {
    TrapErrors(kSource + ".tlb_IM_ButtonClick", [&] {
        if (!ljgl_ || !button) return;
        const QString key = button->Key();
        if (key == QStringLiteral("tlbNew"))
            ljgl_->ShowWizard();
        else if (key == QStringLiteral("tb_delete"))
            ljgl_->DeleteINDT();
        else if (key == QStringLiteral("tb_jmsj"))
            ljgl_->DesignInterface();
        else if (key == QStringLiteral("tb_ibr"))
            showTransfer();
        else if (key == QStringLiteral("tb_prop"))
            ljgl_->UpdateInterfaceProperty();
        if (ljgl_) ljgl_->show();
    });
}

void frm_zelk_main::DispatchToolbarIndex(int index) {
    TrapErrors(kSource + ".DispatchToolbarIndex", [&] {
        if (index == 1) showTransfer();
    });
}

void frm_zelk_main::Form_Unload(int&) {
    delete tree_;
    tree_ = nullptr;
    closeManager();
}

void frm_zelk_main::Picture3_Resize() {
    const CaptionPaneLayout l = captionPaneLayout(clientWidth(Picture3), clientHeight(Picture3));
    place(Picture4, l.strip);
    place(Picture5, l.body);
}

void frm_zelk_main::Picture5_Resize() {
    TreeView1->setGeometry(Picture5->contentsRect());
}

void frm_zelk_main::Picture1_Resize() {
    const CaptionPaneLayout l = captionPaneLayout(clientWidth(Picture1), clientHeight(Picture1));
    place(Picture6, l.strip);
    place(Picture7, l.body);
}

void frm_zelk_main::Picture7_Resize() {
    if (tree_)
        tree_->Resize(static_cast<std::int32_t>(clientWidth(Picture7)),
                      static_cast<std::int32_t>(clientHeight(Picture7)));
}

void frm_zelk_main::Picture2_Resize() {
    if (ljgl_) ljgl_->setGeometry(Picture2->contentsRect());
}

}  // namespace zelk
