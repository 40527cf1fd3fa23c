#include "transfer/frm_zelk_ibr.h"

#include <QEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include "platform/errors.h"
#include "platform/twips.h"

namespace zelk {

namespace {

// A label at its place, as wide as its text.
QLabel* label(const QString& text, QWidget* parent, double left, double top) {
    auto* l = new QLabel(text, parent);
    l->adjustSize();
    l->move(twipsToPixels(left), twipsToPixels(top));
    return l;
}

// A run's status text, from its place to just before the page's button; a longer text wraps
// onto the lines below (the progress bar's, which a finished run hides).
QLabel* statusLabel(QLabel* status, double buttonLeft) {
    status->setWordWrap(true);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status->resize(twipsToPixels(buttonLeft - 60) - status->x(), status->height());
    return status;
}

// Two panes one above the other, the lower one of fixed height.
Splitter* column(QWidget* upper, double upperHeight, QWidget* lower, double lowerHeight) {
    auto* split = new Splitter(Qt::Vertical);
    split->AddPane(upper, upperHeight);
    split->AddPane(lower, lowerHeight);
    split->SetPaneFixed(2, true);
    return split;
}

}  // namespace

frm_zelk_ibr::frm_zelk_ibr(QWidget* parent) : Form(parent) {
    setWindowTitle(QStringLiteral("界面数据导入/导出"));
    layoutControls();
    connectHandlers();
}

frm_zelk_ibr::~frm_zelk_ibr() = default;

void frm_zelk_ibr::init(std::int32_t hdbc_, const QString& systemname_, const QString& maintable_,
                        const QString& username_, const QString& classname_) {
    hdbc = hdbc_;
    systemname = systemname_;
    maintable = maintable_;
    username = username_;
    classname = classname_;
}

void frm_zelk_ibr::layoutControls() {
    setFixedSize(twipsToPixels(8355), twipsToPixels(5565));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                   ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));

    SSTab2 = new TabStrip(this);
    placeTwips(SSTab2, 120, 60, 8160, 5040);
    QWidget* out = SSTab2->AddTab(QStringLiteral("界面导出到文件中[*.idf]"));
    QWidget* in = SSTab2->AddTab(QStringLiteral("从文件中导入界面[*.idf]"));
    Check1 = new QCheckBox(QStringLiteral("完毕后关闭窗口"), this);
    placeTwips(Check1, 180, 5220, 1620, 225);
    Command3 = new QPushButton(QStringLiteral("关闭"), this);
    placeTwips(Command3, 7125, 5190, 1050, 330);

    // Page places are given from the tab control's top; the pages begin below its tabs.
    const double tabs = pixelsToTwips(SSTab2->tabBar()->sizeHint().height());
    const auto onPage = [tabs](QWidget* w, double l, double t, double wd, double h) {
        placeTwips(w, l, t - tabs, wd, h);
    };
    const auto labelOnPage = [tabs](const QString& text, QWidget* page, double l, double t) {
        return label(text, page, l, t - tabs);
    };

    // Export page.
    Label2 = labelOnPage(QStringLiteral("选择要导出的分类"), out, 300, 420);
    Label4 = labelOnPage(QStringLiteral("选择要导出的界面"), out, 2600, 420);
    ListView_In = new ReportView;
    ListView_In->SetCheckboxes(true);
    Picture_new = new QWidget;
    cmdSelectAll = new QPushButton(QStringLiteral("全选"), Picture_new);
    placeTwips(cmdSelectAll, 120, 0, 855, 375);
    cmdClear = new QPushButton(QStringLiteral("清除"), Picture_new);
    placeTwips(cmdClear, 1080, 0, 855, 375);
    ListView1 = new ReportView;
    ListView1->SetCheckboxes(true);
    ListView1->SetFullRowSelect(true);
    ListView1->AddColumn(QString(), QStringLiteral("名称"), 2700);
    for (const char* caption : {"类型", "隶属", "应用标识", "系统"})
        ListView1->AddColumn(QString(), QString::fromUtf8(caption), 1440);
    SSSplitter_New = new Splitter(Qt::Horizontal, out);
    onPage(SSSplitter_New, 155, 645, 7810, 3075);
    SSSplitter_New->AddPane(column(ListView_In, 2550, Picture_new, 480), 2070);
    SSSplitter_New->AddPane(ListView1, 5700);
    Label7 = labelOnPage(QStringLiteral("保存到文件"), out, 150, 3810);
    ComboBox3 = new QComboBox(out);
    ComboBox3->setEditable(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    onPage(ComboBox3, 1365, 3780, 4860, 330);
    Command6 = new QPushButton(out);
    Command6->setToolTip(QStringLiteral("查找文件名称"));
    onPage(Command6, 6270, 3780, 510, 330);
    Label3 = labelOnPage(QStringLiteral("操作"), out, 105, 4215);
    lbInfo = statusLabel(labelOnPage(QStringLiteral("按右边按钮开始"), out, 690, 4215), 6930);
    prg = new ProgressBar(out);
    onPage(prg, 60, 4515, 5610, 300);
    prg->setTextVisible(false);
    prg->hide();
    lblnum = labelOnPage(QStringLiteral("0/0"), out, 5745, 4530);
    lblnum->setMinimumWidth(twipsToPixels(1100));
    lblnum->hide();
    Command2 = new QPushButton(QStringLiteral("导出"), out);
    onPage(Command2, 6930, 4170, 1050, 780);
    Command2->setEnabled(false);
    Command4 = new QPushButton(QStringLiteral("终止"), out);
    onPage(Command4, 6930, 4170, 1050, 780);
    Command4->hide();

    // Import page.
    Label8 = labelOnPage(QStringLiteral("界面包文件名"), in, 105, 495);
    ComboBox4 = new QComboBox(in);
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    onPage(ComboBox4, 1320, 465, 4860, 330);
    Command9 = new QPushButton(in);
    Command9->setToolTip(QStringLiteral("查找文件名称"));
    onPage(Command9, 6210, 465, 510, 330);
    Label10 = labelOnPage(QStringLiteral("信息"), in, 150, 855);
    Label9 = labelOnPage(QStringLiteral("选择要导入的界面"), in, 2985, 870);
    ListView5 = new ReportView;
    ListView5->AddColumn(QString(), QStringLiteral("属性"), 1440);
    ListView5->AddColumn(QString(), QStringLiteral("值"), 3000);
    Picture1 = new QWidget;
    Label5 = label(QStringLiteral("选择目的分类名称"), Picture1, 0, 75);
    ListView_Out = new ReportView(Picture1);
    ListView_Out->SetCheckboxes(true);
    placeTwips(ListView_Out, 0, 300, 2445, 1455 - 295);
    ListView4 = new ReportView;
    ListView4->SetCheckboxes(true);
    ListView4->SetFullRowSelect(true);
    ListView4->AddColumn(QString(), QStringLiteral("名称"), 2700);
    ListView4->AddColumn(QString(), QStringLiteral("类型"), 1440);
    ListView4->AddColumn(QString(), QStringLiteral("数据分类"), 2000);
    for (const char* caption : {"隶属", "应用标识", "系统"})
        ListView4->AddColumn(QString(), QString::fromUtf8(caption), 1440);
    SSSplitter1 = new Splitter(Qt::Horizontal, in);
    onPage(SSSplitter1, 165, 1095, 7830, 2970);
    SSSplitter1->AddPane(column(ListView5, 1470, Picture1, 1455), 2445);
    SSSplitter1->AddPane(ListView4, 5340);
    Label12 = labelOnPage(QStringLiteral("操作"), in, 150, 4185);
    Label13 = statusLabel(labelOnPage(QStringLiteral("按右边按钮开始"), in, 735, 4185), 6690);
    prgin = new ProgressBar(in);
    onPage(prgin, 165, 4500, 4785, 300);
    prgin->setTextVisible(false);
    prgin->hide();
    Label1 = labelOnPage(QStringLiteral("0/0"), in, 5055, 4530);
    Label1->setMinimumWidth(twipsToPixels(1100));
    Label1->hide();
    Command11 = new QPushButton(QStringLiteral("导入"), in);
    onPage(Command11, 6690, 4125, 1050, 780);
    Command11->setEnabled(false);
    Command12 = new QPushButton(QStringLiteral("终止"), in);
    onPage(Command12, 6690, 4125, 1050, 780);
    Command12->hide();

    mnu_pop = new QMenu(this);
    mnu_selectall = mnu_pop->addAction(QStringLiteral("全部选中"));
    mnu_unselect = mnu_pop->addAction(QStringLiteral("全部取消"));

    dlg.DefaultExt = QStringLiteral("idf");
    dlg.Filter = QStringLiteral("界面数据文件 (*.idf)|*.idf|所有文件 (*.*)|*.*");
    Picture1->installEventFilter(this);
    disabledForRun_ = {SSTab2->tabBar(), ListView_In,  cmdSelectAll, cmdClear,  ListView1,
                       ComboBox3,        Command6,     Command2,     ComboBox4, Command9,
                       ListView4,        ListView_Out, Command11,    Command3};
}

void frm_zelk_ibr::connectHandlers() {
    const auto on = [this](const char* name, auto body) {
        return Trapped(QStringLiteral("frm_zelk_ibr.") + QString::fromLatin1(name), body);
    };
    connect(ListView_In, &ReportView::ItemCheck, this,
            on("ListView_In_ItemCheck", [this](ListItem* item) { ListView_In_ItemCheck(item); }));
    connect(cmdSelectAll, &QPushButton::clicked, this,
            on("cmdSelectAll_Click", [this] { cmdSelectAll_Click(); }));
    connect(cmdClear, &QPushButton::clicked, this,
            on("cmdClear_Click", [this] { cmdClear_Click(); }));
    connect(ListView1, &ReportView::DblClick, this,
            on("ListView1_DblClick", [this] { ListView1_DblClick(); }));
    connect(ListView1, &ReportView::MouseUp, this,
            on("ListView1_MouseUp",
               [this](int b, int s, double x, double y) { ListView1_MouseUp(b, s, x, y); }));
    connect(ListView4, &ReportView::Click, this,
            on("ListView4_Click", [this] { ListView4_Click(); }));
    connect(ListView4, &ReportView::DblClick, this,
            on("ListView4_DblClick", [this] { ListView4_DblClick(); }));
    connect(ListView4, &ReportView::MouseUp, this,
            on("ListView4_MouseUp",
               [this](int b, int s, double x, double y) { ListView4_MouseUp(b, s, x, y); }));
    connect(mnu_selectall, &QAction::triggered, this,
            on("mnu_selectall_Click", [this] { mnu_selectall_Click(); }));
    connect(mnu_unselect, &QAction::triggered, this,
            on("mnu_unselect_Click", [this] { mnu_unselect_Click(); }));
    connect(ComboBox3, &QComboBox::editTextChanged, this,
            on("ComboBox3_Change", [this] { ComboBox3_Change(); }));
    connect(Command6, &QPushButton::clicked, this,
            on("Command6_Click", [this] { Command6_Click(); }));
    connect(Command9, &QPushButton::clicked, this,
            on("Command9_Click", [this] { Command9_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            on("Command2_Click", [this] { Command2_Click(); }));
    connect(Command11, &QPushButton::clicked, this,
            on("Command11_Click", [this] { Command11_Click(); }));
    connect(Command4, &QPushButton::clicked, this,
            on("Command4_Click", [this] { Command4_Click(); }));
    connect(Command12, &QPushButton::clicked, this,
            on("Command12_Click", [this] { Command12_Click(); }));
    connect(Command3, &QPushButton::clicked, this,
            on("Command3_Click", [this] { Command3_Click(); }));
}

bool frm_zelk_ibr::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 && event->type() == QEvent::Resize)
        TrapErrors(QStringLiteral("frm_zelk_ibr.Picture1_Resize"), [this] { Picture1_Resize(); });
    return Form::eventFilter(watched, event);
}

void frm_zelk_ibr::Picture1_Resize() {
    // The list fills the panel below its label; a panel lower than the label gives it no height.
    const double height = std::max(0.0, pixelsToTwips(Picture1->height()) - 295);
    ListView_Out->resize(Picture1->width(), twipsToPixels(height));
}

void frm_zelk_ibr::setRunning(bool running, QPushButton* stopButton) {
    running_ = running;
    if (running) {
        enabledBeforeRun_.clear();
        for (QWidget* widget : disabledForRun_) {
            enabledBeforeRun_.push_back(widget->isEnabled());
            widget->setEnabled(false);
        }
    } else {
        for (int i = 0; i < disabledForRun_.size() && i < enabledBeforeRun_.size(); ++i)
            disabledForRun_[i]->setEnabled(enabledBeforeRun_[i]);
    }
    stopButton->setEnabled(true);
}

void frm_zelk_ibr::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)unloadMode;
    // A run cannot lose its window: closing asks the run to stop, and the run asks the person.
    if (running_) {
        cancel = 1;
        StopRequested = true;
    }
}

}  // namespace zelk
