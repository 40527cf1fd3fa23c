// The designer window's controls: two band rows of toolbars and position boxes, the field tree
// beside the canvas surfaces, the status bar, the two context menus; and the one place where
// their signals reach the handlers.

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "designer/designerbase.h"
#include "platform/errors.h"
#include "platform/screen.h"

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

// Hands the events of one watched widget to a function; lets them go on.
class CanvasInputFilter : public QObject {
  public:
    CanvasInputFilter(QObject* parent, std::function<void(QEvent*)> handler)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        handler_(event);
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(QEvent*)> handler_;
};

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
    // A box the user leaves shows the control's geometry again (a refused text goes).
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        connect(box, &QLineEdit::editingFinished, this,
                Trapped(source, [this] { ShowControlGeometry(); }));
    connect(HScrollBar, &QScrollBar::valueChanged, this,
            Trapped(source, [this] { HScrollBar_Change(); }));
    connect(VScrollBar, &QScrollBar::valueChanged, this,
            Trapped(source, [this] { VScrollBar_Change(); }));
    connect(mnu_prop, &QAction::triggered, this, Trapped(source, [this] { mnu_prop_Click(); }));
    connect(Toolbar2, &KeyedToolbar::ButtonClick, this,
            Trapped(source, [this](ToolbarButton* b) { Toolbar2_ButtonClick(b); }));
    connect(Toolbar3, &KeyedToolbar::ButtonClick, this,
            Trapped(source, [this](ToolbarButton* b) { Toolbar3_ButtonClick(b); }));
    connect(Toolbar4, &KeyedToolbar::ButtonClick, this,
            Trapped(source, [this](ToolbarButton* b) { Toolbar4_ButtonClick(b); }));
    connect(mnu_toback, &QAction::triggered, this, Trapped(source, [this] { mnu_toback_Click(); }));
    connect(mnu_tofront, &QAction::triggered, this,
            Trapped(source, [this] { mnu_tofront_Click(); }));
    connect(mnu_ucToFront, &QAction::triggered, this,
            Trapped(source, [this] { mnu_ucToFront_Click(); }));
    connect(mnu_ucToBack, &QAction::triggered, this,
            Trapped(source, [this] { mnu_ucToBack_Click(); }));
    connect(mnu_ucCopy, &QAction::triggered, this, Trapped(source, [this] { mnu_ucCopy_Click(); }));
    connect(mnu_unDelete, &QAction::triggered, this,
            Trapped(source, [this] { mnu_unDelete_Click(); }));
    connect(mnu_ucProperty, &QAction::triggered, this,
            Trapped(source, [this] { mnu_ucProperty_Click(); }));

    connect(sizeline, &LineIndcate::onSizeLT, this,
            Trapped(source, [this](std::int32_t& x, std::int32_t& y) { sizeline_onSizeLT(x, y); }));
    connect(sizeline, &LineIndcate::onSizeRB, this,
            Trapped(source, [this](std::int32_t& x, std::int32_t& y) { sizeline_onSizeRB(x, y); }));
    Pictureform->installEventFilter(this);
    PictureBack->installEventFilter(this);
    PictureContainer->installEventFilter(this);
    connectMouse();
    // The form also filters every event of the application (key preview): the canvas's own keys
    // and double clicks come through a filter of their own, so that each arrives once.
    auto* canvasInput = new CanvasInputFilter(this, [this](QEvent* event) {
        const QString where = QStringLiteral("DesignerBase");
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            const int code = vbKeyCode(key->key());
            const int shift = vbShiftState(key->modifiers());
            TrapErrors(where, [&] { PictureContainer_KeyDown(code, shift); });
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            TrapErrors(where, [this] { PictureContainer_DblClick(); });
        }
    });
    PictureContainer->installEventFilter(canvasInput);
}

bool DesignerBase::eventFilter(QObject* watched, QEvent* event) {
    // The canvas loses the keys to another window, a popup or a click elsewhere: a gesture whose
    // release it will not see ends here.
    if (event->type() == QEvent::FocusOut && watched == PictureContainer)
        TrapErrors(QStringLiteral("DesignerBase"), [this] { cancelCanvasGesture(); });
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

// The keys go to the canvas when the window opens: Del and the arrows act on the design, and
// the position boxes take keys only once the user clicks or tabs into them.
void DesignerBase::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!event->spontaneous()) PictureContainer->setFocus(Qt::OtherFocusReason);
}

// Hidden or closed, the window keeps no gesture and no frame.
void DesignerBase::hideEvent(QHideEvent* event) {
    TrapErrors(QStringLiteral("DesignerBase"), [this] { cancelCanvasGesture(); });
    ClearScreenFrames(this);
    Form::hideEvent(event);
}

void DesignerBase::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        TrapErrors(QStringLiteral("DesignerBase"), [this] { cancelCanvasGesture(); });
    Form::changeEvent(event);
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
