// The wizard window: its pages, the steps and the buttons that move between them.

#include "wizard/frm_zelk_jmxd.h"

#include <QApplication>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "component/zelkmodule.h"
#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/resources.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_jmxd");

const char* const kStepHints[] = {
    "当界面用户名为默认或空时，所有用户均可以使用该界面;"
    "带有应用标志的界面一般是用做系统特殊应用的界面。",
    "子系统分类模板定义了数据的实际意义，任何一个用户界面都是基于模板而生成。",
    "选择界面栏目，从供选择栏目列表中选择需要加到新建界面上的栏目，可以进行顺序调整。",
    "选择适合本系统或自己喜爱的效果自动生成界面，可以节省调整界面设计的时间。",
    "界面已经生成，以后可以在界面维护中对界面布局进行修改或进行栏目调整。",
};
const char* const kOpeningHint =
    "当界面用户名为默认或空时，所有用户均可以使用该界面;带有应用标志的界面一般是用做系统特殊应用的"
    "界面,只有系统设计人员才能添加带应用标志的界面";

QPushButton* button(const char* caption, QWidget* parent) {
    return new QPushButton(QString::fromUtf8(caption), parent);
}

// A row of buttons at the bottom right of a page.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

QFrame* newPage(QWidget* parent) {
    auto* page = new QFrame(parent);
    page->setFrameShape(QFrame::NoFrame);
    return page;
}

}  // namespace

frm_zelk_jmxd::frm_zelk_jmxd(QWidget* parent)
    : Form(parent), Frame1(QStringLiteral("Frame1"), newPage(this)) {
    setObjectName(kSource);
    setWindowTitle(QStringLiteral("用户界面向导"));

    HeaderBand = new QFrame(this);
    HeaderBand->setAutoFillBackground(true);
    QPalette white = HeaderBand->palette();
    white.setColor(QPalette::Window, Qt::white);
    HeaderBand->setPalette(white);
    Image1 = new QLabel(HeaderBand);
    Label6 = new QLabel(QString::fromUtf8(kOpeningHint), HeaderBand);
    Label6->setWordWrap(true);
    auto* header = new QHBoxLayout(HeaderBand);
    header->addWidget(Image1, 0, Qt::AlignTop);
    header->addWidget(Label6, 1);
    HeaderBand->setFixedHeight(64);

    for (int i = 1; i <= 4; ++i) Frame1.load(i);
    buildPages();

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* pages = new QGridLayout;
    for (int i = 0; i <= 4; ++i) pages->addWidget(&Frame1[i], 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(HeaderBand);
    layout->addWidget(line);
    layout->addLayout(pages, 1);
    Frame1[0].setVisible(true);
    connectHandlers();
}

void frm_zelk_jmxd::buildPages() {
    // Step 0: definition data.
    QFrame& p0 = Frame1[0];
    Text3 = new QLineEdit(&p0);
    Text3->setReadOnly(true);
    Text3->setFocusPolicy(Qt::NoFocus);
    QPalette grey = Text3->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    Text3->setPalette(grey);
    ComboBox1 = new QComboBox(&p0);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setEditText(kKindItemEntry);
    ComboBox1->completer()->setCompletionMode(QCompleter::InlineCompletion);
    TextBox1 = new QLineEdit(&p0);
    TextBox1->setMaxLength(20);
    Text5 = new QPlainTextEdit(&p0);
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text5->setFixedHeight(64);
    Text7 = new QLineEdit(&p0);
    Text8 = new QLineEdit(&p0);
    Command9 = button("下一步", &p0);
    Command10 = button("取消", &p0);
    auto* g0 = new QGridLayout;
    const auto label = [&p0](const char* text) { return new QLabel(QString::fromUtf8(text), &p0); };
    g0->addWidget(label("分类全名"), 0, 0);
    g0->addWidget(Text3, 0, 1, 1, 3);
    g0->addWidget(label("界面类型"), 1, 0);
    g0->addWidget(ComboBox1, 1, 1, 1, 3);
    g0->addWidget(label("名称"), 2, 0);
    g0->addWidget(TextBox1, 2, 1, 1, 3);
    g0->addWidget(label("说明"), 3, 0, Qt::AlignTop);
    g0->addWidget(Text5, 3, 1, 1, 3);
    g0->addWidget(label("用户名"), 4, 0);
    g0->addWidget(Text7, 4, 1);
    g0->addWidget(label("*应用标志"), 4, 2);
    g0->addWidget(Text8, 4, 3);
    auto* v0 = new QVBoxLayout(&p0);
    v0->addLayout(g0);
    v0->addStretch();
    v0->addLayout(buttonRow({Command9, Command10}));

    // Step 1: template.
    QFrame& p1 = Frame1[1];
    Label9 = new QLabel(QStringLiteral("选择生成界面的子系统分类模板"), &p1);
    ListView1 = new ReportView(&p1);
    ListView1->AddColumn(QString(), QStringLiteral("名称"), 2400);
    ListView1->AddColumn(QString(), QStringLiteral("类型"), 1800);
    ListView1->AddColumn(QString(), QStringLiteral("说明"), 3600);
    ListView1->SetFullRowSelect(true);
    ListView1->SetHideSelection(false);
    CommandButton5 = button("上一步", &p1);
    CommandButton6 = button("下一步", &p1);
    Command15 = button("取消", &p1);
    // Beside the buttons, in red as the manager's template panel says it.
    Label11 = new QLabel(&p1);
    Label11->setWordWrap(true);
    QPalette red = Label11->palette();
    red.setColor(QPalette::WindowText, oleColorToQColor(255));
    Label11->setPalette(red);
    Label11->setVisible(false);
    QHBoxLayout* row1 = buttonRow({CommandButton5, CommandButton6, Command15});
    row1->insertWidget(0, Label11, 1);
    auto* v1 = new QVBoxLayout(&p1);
    v1->addWidget(Label9);
    v1->addWidget(ListView1, 1);
    v1->addLayout(row1);

    // Step 2: fields.
    QFrame& p2 = Frame1[2];
    const auto fieldList = [&p2](const char* a, const char* b, const char* tip) {
        auto* list = new ReportView(&p2);
        list->AddColumn(QString(), QString::fromUtf8(a), 1500);
        list->AddColumn(QString(), QString::fromUtf8(b), 1000);
        list->AddColumn(QString(), QStringLiteral("长度"), 600);
        list->SetFullRowSelect(true);
        list->SetHideSelection(false);
        list->setToolTip(QString::fromUtf8(tip));
        return list;
    };
    ListViewSrc = fieldList("栏目名称", "内部域名", "可供选择的栏目");
    ListViewDsn = fieldList("栏目", "域名", "已经选择的栏目");
    Command2 = button(">", &p2);
    Command3 = button(">>", &p2);
    Command5 = button("<", &p2);
    Command6 = button("<<", &p2);
    Command8 = new QPushButton(&p2);
    Command8->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command7 = new QPushButton(&p2);
    Command7->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* b : {Command2, Command3, Command5, Command6}) {
        b->setFixedWidth(36);
        moves->addWidget(b);
    }
    moves->addStretch();
    auto* order = new QVBoxLayout;
    order->addStretch();
    for (QPushButton* b : {Command8, Command7}) {
        b->setFixedWidth(28);
        order->addWidget(b);
    }
    order->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(ListViewSrc, 1);
    lists->addLayout(moves);
    lists->addWidget(ListViewDsn, 1);
    lists->addLayout(order);
    Command17 = button("上一步", &p2);
    Command16 = button("下一步", &p2);
    Command1 = button("生成", &p2);
    Command18 = button("取消", &p2);
    auto* v2 = new QVBoxLayout(&p2);
    v2->addLayout(lists, 1);
    v2->addLayout(buttonRow({Command17, Command16, Command1, Command18}));

    // Step 3: layout style.
    QFrame& p3 = Frame1[3];
    Frame2 = new QGroupBox(QStringLiteral("界面整体效果"), &p3);
    Option1 = new QRadioButton(QStringLiteral("典型条目界面"), Frame2);
    Option2 = new QRadioButton(QStringLiteral("平面式条目界面"), Frame2);
    Option3 = new QRadioButton(QStringLiteral("普通表格式界面"), Frame2);
    Option4 = new QRadioButton(QStringLiteral("WEB表格式界面"), Frame2);
    Option1->setChecked(true);
    auto* options = new QGridLayout(Frame2);
    options->addWidget(Option1, 0, 0);
    options->addWidget(Option2, 0, 1);
    options->addWidget(Option3, 1, 0);
    options->addWidget(Option4, 1, 1);
    Check1 = new QCheckBox(QStringLiteral("单列模式"), &p3);
    Check2 = new QCheckBox(QStringLiteral("自动适应大小"), &p3);
    Check3 = new QCheckBox(QStringLiteral("自动生成检索和浏览界面"), &p3);
    Command12 = button("上一步", &p3);
    Command13 = button("生成", &p3);
    Command14 = button("取消", &p3);
    auto* checks = new QHBoxLayout;
    for (QCheckBox* c : {Check1, Check2, Check3}) checks->addWidget(c);
    checks->addStretch();
    auto* v3 = new QVBoxLayout(&p3);
    v3->addWidget(Frame2);
    v3->addLayout(checks);
    v3->addStretch();
    v3->addLayout(buttonRow({Command12, Command13, Command14}));

    // Step 4: done.
    QFrame& p4 = Frame1[4];
    Label10 = new QLabel(QStringLiteral("界面已经建立，按[关闭]按钮退出向导。"), &p4);
    Label10->setAlignment(Qt::AlignCenter);
    Label12 = new QLabel(&p4);
    Label12->setWordWrap(true);
    Label12->setAlignment(Qt::AlignCenter);
    Label12->setVisible(false);
    Command11 = button("关闭", &p4);
    auto* v4 = new QVBoxLayout(&p4);
    v4->addStretch();
    v4->addWidget(Label10);
    v4->addWidget(Label12);
    v4->addStretch();
    v4->addLayout(buttonRow({Command11}));
}

void frm_zelk_jmxd::connectHandlers() {
    const auto on = [this](QPushButton* b, const char* name, void (frm_zelk_jmxd::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                Trapped(kSource + "." + QString::fromLatin1(name),
                        [this, handler] { (this->*handler)(); }));
    };
    on(Command9, "Command9_Click", &frm_zelk_jmxd::Command9_Click);
    on(Command10, "Command10_Click", &frm_zelk_jmxd::Command10_Click);
    on(CommandButton5, "CommandButton5_Click", &frm_zelk_jmxd::CommandButton5_Click);
    on(CommandButton6, "CommandButton6_Click", &frm_zelk_jmxd::CommandButton6_Click);
    on(Command15, "Command15_Click", &frm_zelk_jmxd::Command15_Click);
    on(Command2, "Command2_Click", &frm_zelk_jmxd::Command2_Click);
    on(Command3, "Command3_Click", &frm_zelk_jmxd::Command3_Click);
    on(Command5, "Command5_Click", &frm_zelk_jmxd::Command5_Click);
    on(Command6, "Command6_Click", &frm_zelk_jmxd::Command6_Click);
    on(Command8, "Command8_Click", &frm_zelk_jmxd::Command8_Click);
    on(Command7, "Command7_Click", &frm_zelk_jmxd::Command7_Click);
    on(Command17, "Command17_Click", &frm_zelk_jmxd::Command17_Click);
    on(Command16, "Command16_Click", &frm_zelk_jmxd::Command16_Click);
    on(Command1, "Command1_Click", &frm_zelk_jmxd::Command1_Click);
    on(Command18, "Command18_Click", &frm_zelk_jmxd::Command18_Click);
    on(Command12, "Command12_Click", &frm_zelk_jmxd::Command12_Click);
    on(Command13, "Command13_Click", &frm_zelk_jmxd::Command13_Click);
    on(Command14, "Command14_Click", &frm_zelk_jmxd::Command14_Click);
    on(Command11, "Command11_Click", &frm_zelk_jmxd::Command11_Click);
    connect(ListViewSrc, &ReportView::DblClick, this,
            Trapped(kSource + ".ListViewSrc_DblClick", [this] { ListViewSrc_DblClick(); }));
    connect(ListViewDsn, &ReportView::DblClick, this,
            Trapped(kSource + ".ListViewDsn_DblClick", [this] { ListViewDsn_DblClick(); }));
}

bool frm_zelk_jmxd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextBox1 && event->type() == QEvent::FocusIn) {
        // The box takes the focus first (a tab into it selects everything); then the caret moves.
        static_cast<QObject*>(TextBox1)->event(event);
        TrapErrors(kSource + ".TextBox1_GotFocus", [this] { TextBox1_GotFocus(); });
        return true;
    }
    return Form::eventFilter(watched, event);
}

void frm_zelk_jmxd::Form_Load() {
    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    Image1->setPixmap(LoadResPicture(QStringLiteral("ID_TIP"), 48));
    ImageList1.Add(QStringLiteral("ID_TEMP1"));
    ListView1->SetIcons(&ImageList1);
    ListView1->SetSmallIcons(&ImageList1);
    setFixedSize(600, 420);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void frm_zelk_jmxd::init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
                         const QString& classname, const QString& username) {
    this->hdbc = hdbc;
    SystemName = systemname;
    MainTable = maintable;
    ClassName = classname;
    UserName = username;
    FillTypeCombo();
    Check3->setCheckState(Qt::Checked);
}

void frm_zelk_jmxd::FillTypeCombo() {
    load();
    ComboBox1->addItems({kKindItemEntry, kKindListEntry, kKindItemSearch, kKindBrowseList});
    ComboBox1->setEditText(kKindItemEntry);
    Text3->setText(ClassName);
    Text7->setText(QStringLiteral("默认"));
    LoadTemplateList();
}

void frm_zelk_jmxd::ShowStep(std::int16_t step) {
    for (const int i : Frame1.indices()) Frame1[i].setVisible(i == step);
    ShowStepHint(step);
}

void frm_zelk_jmxd::ShowStepHint(std::int16_t step) {
    if (step < 0 || step > 4) return;
    Label6->setText(QString::fromUtf8(kStepHints[step]));
}

bool frm_zelk_jmxd::InterfaceNameExists(const QString& name) {
    return InterfaceNameInUse(context(), name);
}

void frm_zelk_jmxd::TextBox1_GotFocus() {
    TextBox1->setCursorPosition(static_cast<int>(TextBox1->text().size()));
}

int frm_zelk_jmxd::checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

bool frm_zelk_jmxd::isItemKind() const {
    const QString kind = ComboBox1->currentText();
    return kind == kKindItemEntry || kind == kKindItemSearch;
}

// ---- Moving between the steps ----------------------------------------------------------------

void frm_zelk_jmxd::Command9_Click() {
    if (TrimFixedField(TextBox1->text()).isEmpty()) {
        MsgBox(QStringLiteral("界面名称不能为空！"), vbInformation, QStringLiteral("系统提示"));
        return;
    }
    if (InterfaceNameExists(TextBox1->text().trimmed())) {
        MsgBox(QStringLiteral("界面名称为") + TextBox1->text() + QStringLiteral("的界面已经存在！"),
               vbInformation, QStringLiteral("系统提示"));
        return;
    }
    ShowStep(1);
    Command1->setVisible(!isItemKind());
    Command16->setVisible(isItemKind());
    const bool templates = ListView1->Count() >= 1;
    CommandButton6->setEnabled(templates);
    // The manager's note on the missing template, heading and sentence paired as it pairs them.
    const MissingTemplateTexts missing = missingTemplateTexts(ClassName);
    Label11->setText(missing.title + QStringLiteral("，") + missing.note);
    Label11->setVisible(!templates);
}

void frm_zelk_jmxd::CommandButton5_Click() {
    ShowStep(0);
}

void frm_zelk_jmxd::CommandButton6_Click() {
    if (ListItem* row = ListView1->SelectedItem())
        LoadTemplateFields(numericInt32(row->Tag()).value_or(0));
    QCoreApplication::processEvents();
    ShowStep(2);
}

void frm_zelk_jmxd::Command17_Click() {
    ShowStep(1);
}

void frm_zelk_jmxd::Command16_Click() {
    ShowStep(3);
    const bool item = isItemKind();
    for (QRadioButton* option : {Option4, Option1, Option2, Option3}) option->setVisible(item);
}

void frm_zelk_jmxd::Command12_Click() {
    ShowStep(2);
}

void frm_zelk_jmxd::Command10_Click() {
    unload();
}
void frm_zelk_jmxd::Command15_Click() {
    unload();
}
void frm_zelk_jmxd::Command18_Click() {
    unload();
}
void frm_zelk_jmxd::Command14_Click() {
    unload();
}
void frm_zelk_jmxd::Command11_Click() {
    unload();
}

}  // namespace zelk
