// The designer window's controls: two band rows of toolbars and position boxes, the field tree
// beside the canvas surfaces, the status bar, the two context menus; and the one place where
// their signals reach the handlers.

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "designer/designerbase.h"
#include "platform/errors.h"

namespace zelk {

namespace {

struct ButtonSpec {
    const char* key;
    const char* caption;
    const char* tip;
};

void addButtons(KeyedToolbar* bar, std::initializer_list<ButtonSpec> buttons) {
    for (const ButtonSpec& b : buttons) {
        ToolbarButton* button = bar->Add(0, QString::fromUtf8(b.key), QString::fromUtf8(b.caption));
        button->SetToolTipText(QString::fromUtf8(b.tip));
    }
}

KeyedToolbar* newToolbar(QWidget* parent, const char* name, KeyedToolbar::TextAlign align) {
    auto* bar = new KeyedToolbar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->SetTextAlignment(align);
    bar->setIconSize(QSize(16, 16));
    return bar;
}

QAction* menuEntry(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QLabel* bandCaption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

}  // namespace

void DesignerBase::buildWindow() {
    setWindowTitle(QStringLiteral("界面设计器"));
    resize(960, 640);

    Toolbar1 = newToolbar(this, "Toolbar1", KeyedToolbar::TextAlign::Right);
    addButtons(Toolbar1, {{"save", "保存界面", "保存正在编辑的用户界面"},
                          {"prop", "控件属性", "查看或修改界面控件的属性"},
                          {"color", "界面属性", "查看或修改界面属性"},
                          {"field", "增加栏目", ""},
                          {"close", "退出设计", "退出界面设计程序"}});
    Toolbar2 = newToolbar(this, "Toolbar2", KeyedToolbar::TextAlign::None);
    addButtons(Toolbar2, {{"rectangle", "", "添加一个矩形框到界面"},
                          {"label", "", "添加一个标签到界面"},
                          {"line", "", "添加一条直线到界面"}});
    Toolbar3 = newToolbar(this, "Toolbar3", KeyedToolbar::TextAlign::Right);
    addButtons(Toolbar3, {{"alignLeft", "左齐", ""},
                          {"alignRight", "右齐", ""},
                          {"alignCenter", "居中", ""},
                          {"sameWidth", "等宽", ""},
                          {"sameHeight", "等高", ""},
                          {"vertSplit", "直分", ""},
                          {"horiSplit", "平分", ""}});
    Toolbar4 = newToolbar(this, "Toolbar4", KeyedToolbar::TextAlign::Right);
    Toolbar4->Add(0, QStringLiteral("tabOrder"), QStringLiteral("调整录入顺序"), ButtonStyle::Check)
        ->SetToolTipText(QStringLiteral("设置界面项的录入顺序"));

    // Second band row: "元件", "位置" with the four boxes, then Toolbar3 and Toolbar4.
    auto* bands = new QWidget(this);
    auto* row = new QHBoxLayout(bands);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bandCaption("元件", bands));
    row->addWidget(Toolbar2);
    row->addWidget(bandCaption("位置", bands));
    const char* boxCaptions[] = {"横坐标", "纵坐标", "宽度", "高度"};
    QLineEdit* boxes[] = {Text1, Text2, Text3, Text4};
    const char* boxNames[] = {"Text1", "Text2", "Text3", "Text4"};
    for (int i = 0; i < 4; ++i) {
        row->addWidget(bandCaption(boxCaptions[i], bands));
        if (i == 0) row->addWidget(bandCaption("(左上角)", bands));
        boxes[i]->setParent(bands);
        boxes[i]->setObjectName(QString::fromLatin1(boxNames[i]));
        boxes[i]->setFixedWidth(64);
        row->addWidget(boxes[i]);
    }
    row->addWidget(Toolbar3);
    row->addWidget(Toolbar4);
    row->addStretch(1);

    // The working area: the field tree, the splitter, the canvas surfaces.
    Pictureform->setObjectName(QStringLiteral("Pictureform"));
    PictureBack->setObjectName(QStringLiteral("PictureBack"));
    PictureBack->setAutoFillBackground(true);
    QPalette back = PictureBack->palette();
    back.setColor(QPalette::Window, QColor(0, 128, 128));
    PictureBack->setPalette(back);
    HScrollBar = new QScrollBar(Qt::Horizontal, Pictureform);
    HScrollBar->setObjectName(QStringLiteral("HScrollBar"));
    VScrollBar = new QScrollBar(Qt::Vertical, Pictureform);
    VScrollBar->setObjectName(QStringLiteral("VScrollBar"));
    HScrollBar->hide();
    VScrollBar->hide();
    SSSplitter1 = new Splitter(Qt::Horizontal, this);
    SSSplitter1->setObjectName(QStringLiteral("SSSplitter1"));
    SSSplitter1->AddPane(TreeView1, 3000);
    SSSplitter1->AddPane(Pictureform, 11100);
    SSSplitter1->SetPaneFixed(1, true);  // the tree keeps its width when the window resizes

    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->SetSimple(true);
    StatusBar1->SetSimpleText(QStringLiteral("就绪"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Toolbar1);
    layout->addWidget(bands);
    layout->addWidget(SSSplitter1, 1);
    layout->addWidget(StatusBar1);

    pop_menu = new QMenu(QStringLiteral("弹出菜单"), this);
    pop_menu->setObjectName(QStringLiteral("pop_menu"));
    mnu_toback = menuEntry(pop_menu, "mnu_toback", "置后");
    mnu_tofront = menuEntry(pop_menu, "mnu_tofront", "置前");
    pop_menu->addSeparator();
    mnu_prop = menuEntry(pop_menu, "mnu_prop", "编辑属性");
    mnu_usercontrol = new QMenu(QStringLiteral("自定义控件菜单"), this);
    mnu_usercontrol->setObjectName(QStringLiteral("mnu_usercontrol"));
    mnu_ucToFront = menuEntry(mnu_usercontrol, "mnu_ucToFront", "置前");
    mnu_ucToBack = menuEntry(mnu_usercontrol, "mnu_ucToBack", "置后");
    mnu_usercontrol->addSeparator();
    mnu_ucCopy = menuEntry(mnu_usercontrol, "mnu_ucCopy", "复制");
    mnu_unDelete = menuEntry(mnu_usercontrol, "mnu_unDelete", "删除");
    mnu_usercontrol->addSeparator();
    mnu_ucProperty = menuEntry(mnu_usercontrol, "mnu_ucProperty", "编辑属性");
    buildPropertyMenus();
}

void DesignerBase::connectHandlers() {
    const QString source = QStringLiteral("DesignerBase");
    connect(Toolbar1, &KeyedToolbar::ButtonClick, this,
            Trapped(source, [this](ToolbarButton* b) { Toolbar1_ButtonClick(b); }));
    connect(TreeView1, &KeyedTree::NodeClick, this,
            Trapped(source, [this](Node* node) { TreeView1_NodeClick(node); }));
    connect(Text1, &QLineEdit::textEdited, this, Trapped(source, [this] { Text1_Change(); }));
    connect(Text2, &QLineEdit::textEdited, this, Trapped(source, [this] { Text2_Change(); }));
    connect(Text3, &QLineEdit::textEdited, this, Trapped(source, [this] { Text3_Change(); }));
    connect(Text4, &QLineEdit::textEdited, this, Trapped(source, [this] { Text4_Change(); }));
    connect(HScrollBar, &QScrollBar::valueChanged, this,
            Trapped(source, [this] { HScrollBar_Change(); }));
    connect(VScrollBar, &QScrollBar::valueChanged, this,
            Trapped(source, [this] { VScrollBar_Change(); }));
    connect(mnu_prop, &QAction::triggered, this, Trapped(source, [this] { mnu_prop_Click(); }));
    connect(sizeline, &LineIndcate::onSizeLT, this,
            Trapped(source, [this](std::int32_t& x, std::int32_t& y) { sizeline_onSizeLT(x, y); }));
    connect(sizeline, &LineIndcate::onSizeRB, this,
            Trapped(source, [this](std::int32_t& x, std::int32_t& y) { sizeline_onSizeRB(x, y); }));
    Pictureform->installEventFilter(this);
    PictureBack->installEventFilter(this);
    PictureContainer->installEventFilter(this);
}

bool DesignerBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        const QString source = QStringLiteral("DesignerBase");
        if (watched == Pictureform) TrapErrors(source, [this] { Pictureform_Resize(); });
        if (watched == PictureBack) TrapErrors(source, [this] { PictureBack_Resize(); });
        if (watched == PictureContainer) TrapErrors(source, [this] { PictureContainer_Resize(); });
    }
    return Form::eventFilter(watched, event);
}

void DesignerBase::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    TrapErrors(QStringLiteral("DesignerBase"), [this] { Form_Resize(); });
}

void DesignerBase::Form_Resize() {
    // The splitter re-fits its panes to the window; the tree pane is fixed and keeps its width.
    SSSplitter1->Relayout();
}

CanvasSurfaces DesignerBase::surfaces() const {
    return CanvasSurfaces{Pictureform, PictureBack, PictureContainer,
                          PictureTest, HScrollBar,  VScrollBar};
}

}  // namespace zelk
