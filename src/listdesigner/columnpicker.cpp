#include "listdesigner/columnpicker.h"

#include <QPainter>
#include <QPalette>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/controls/reportrows.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/resources.h"
#include "platform/twips.h"

namespace zelk {

namespace {

void place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

// An arrow of our own for the up and down buttons.
QIcon arrowIcon(bool up) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const QPointF upward[] = {{8, 2}, {14, 9}, {10.5, 9}, {10.5, 14}, {5.5, 14}, {5.5, 9}, {2, 9}};
    QPointF points[7];
    for (int i = 0; i < 7; ++i)
        points[i] = up ? upward[i] : QPointF(upward[i].x(), 16 - upward[i].y());
    p.drawPolygon(points, 7);
    return QIcon(pixmap);
}

void setUpList(ReportView* list) {
    list->setFont(QFont(QStringLiteral("宋体"), 9));
    list->AddColumn(QString(), QStringLiteral("栏目名称"), 2700);
    list->AddColumn(QString(), QStringLiteral("内部列名"), 0);
    list->SetFullRowSelect(true);
    list->SetHideSelection(false);
}

void message(const char* text) {
    MsgBox(QString::fromUtf8(text), vbExclamation, QStringLiteral("系统提示"));
}

}  // namespace

ColumnPicker::ColumnPicker(ListTable table, QWidget* parent) : Form(parent), table_(table) {
    setWindowTitle(QStringLiteral("调整栏目"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(7800), twipsToPixels(5820));
    layoutControls();
    connectHandlers();
}

void ColumnPicker::layoutControls() {
    picMsg = new QWidget(this);
    place(picMsg, 0, 0, 7800, 720);
    picMsg->setAutoFillBackground(true);
    QPalette white = picMsg->palette();
    white.setColor(QPalette::Window, Qt::white);
    picMsg->setPalette(white);
    Image1 = new QLabel(picMsg);
    place(Image1, 120, 120, 480, 480);
    lblMsg = new QLabel(
        QStringLiteral(
            "    从类型模板的栏目中选择界面栏目，注意栏目类型与长度的匹配，如果没有所需的备"
            "用栏目，可以增加相应的类型模板的栏目。"),
        picMsg);
    place(lblMsg, 720, 60, 6960, 600);
    lblMsg->setWordWrap(true);

    Frame2 = new QGroupBox(
        table_ == ListTable::ILIT ? QStringLiteral("录入列表界面") : QStringLiteral("检索列表界面"),
        this);
    place(Frame2, 120, 840, 7560, 4320);
    auto* label0 = new QLabel(QStringLiteral("供选择的栏目"), Frame2);
    place(label0, 240, 300, 3000, 255);
    Label = std::make_unique<ControlArray<QLabel>>(QStringLiteral("Label"), label0);
    QLabel& label1 = Label->load(1);
    label1.setText(QStringLiteral("已经选择的栏目"));
    place(&label1, 4020, 300, 3000, 255);
    label1.setVisible(true);

    SRCListView = new ReportView(Frame2);
    place(SRCListView, 240, 600, 3000, 3480);
    SRCListView->setToolTip(QStringLiteral("可供选择的栏目"));
    DSNListView = new ReportView(Frame2);
    place(DSNListView, 4020, 600, 3000, 3480);
    DSNListView->setToolTip(QStringLiteral("模板中包含的栏目"));
    for (ReportView* list : {SRCListView, DSNListView}) setUpList(list);

    const struct {
        QPushButton** button;
        const char* text;
        const char* tip;
    } moves[] = {{&Command10, ">", "选择一条栏目"},
                 {&Command11, ">>", "选择全部栏目"},
                 {&Command12, "<", "移走一条栏目"},
                 {&Command13, "<<", "移走全部栏目"}};
    double top = 1320;
    for (const auto& m : moves) {
        *m.button = new QPushButton(QString::fromUtf8(m.text), Frame2);
        place(*m.button, 3360, top, 540, 375);
        (*m.button)->setToolTip(QString::fromUtf8(m.tip));
        top += 555;
    }
    Command8 = new QPushButton(Frame2);
    place(Command8, 7080, 1680, 390, 450);
    Command8->setIcon(arrowIcon(true));
    Command8->setToolTip(QStringLiteral("将条目位置上移"));
    Command7 = new QPushButton(Frame2);
    place(Command7, 7080, 2280, 390, 450);
    Command7->setIcon(arrowIcon(false));
    Command7->setToolTip(QStringLiteral("将条目下移"));

    prg1 = new ProgressBar(this);
    place(prg1, 120, 5340, 4680, 255);
    prg1->setTextVisible(false);
    prg1->setVisible(false);
    Command1 = new QPushButton(QStringLiteral("保存修改"), this);
    place(Command1, 4980, 5280, 1215, 375);
    Command2 = new QPushButton(QStringLiteral("退出"), this);
    place(Command2, 6420, 5280, 1215, 375);
}

void ColumnPicker::connectHandlers() {
    const QString source =
        QString::fromLatin1(table_ == ListTable::ILIT ? "frm_zelk_ilit." : "frm_zelk_ilst.");
    const auto on = [&source](const char* name, auto body) {
        return Trapped(source + QLatin1String(name), body);
    };
    connect(SRCListView, &ReportView::DblClick, this,
            on("SRCListView_DblClick", [this] { SRCListView_DblClick(); }));
    connect(DSNListView, &ReportView::DblClick, this,
            on("DSNListView_DblClick", [this] { DSNListView_DblClick(); }));
    connect(Command10, &QPushButton::clicked, this,
            on("Command10_Click", [this] { Command10_Click(); }));
    connect(Command11, &QPushButton::clicked, this,
            on("Command11_Click", [this] { Command11_Click(); }));
    connect(Command12, &QPushButton::clicked, this,
            on("Command12_Click", [this] { Command12_Click(); }));
    connect(Command13, &QPushButton::clicked, this,
            on("Command13_Click", [this] { Command13_Click(); }));
    connect(Command8, &QPushButton::clicked, this,
            on("Command8_Click", [this] { Command8_Click(); }));
    connect(Command7, &QPushButton::clicked, this,
            on("Command7_Click", [this] { Command7_Click(); }));
    connect(Command1, &QPushButton::clicked, this,
            on("Command1_Click", [this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            on("Command2_Click", [this] { Command2_Click(); }));
}

void ColumnPicker::Form_Load() {
    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    Image1->setPixmap(LoadResPicture(QStringLiteral("ID_TIP"), 32));
}

void ColumnPicker::init(std::int32_t hdbc_, const QString& systemName, const QString& mainTable,
                        const QString& className, std::int32_t interfaceNumber) {
    load();
    hdbc = hdbc_;
    SystemName = systemName;
    MainTable = mainTable;
    ClassName = className;
    InterfaceNumber = interfaceNumber;
    // The template list leaves out the fields already chosen.
    LoadInterfaceColumns(interfaceNumber);
    LoadTemplateFields();
}

void ColumnPicker::append(ReportView& list, const PickerRow& row) {
    // The row's number is data: keys made from different tables may be equal.
    ListItem* item = list.Add(0, QString(), row.caption);
    item->SetTag(QStringLiteral("record%1").arg(row.number));
    item->SetSubItems(1, row.field);
}

std::vector<PickerRow> ColumnPicker::rowsOf(const ReportView& list) {
    std::vector<PickerRow> rows;
    for (int i = 1; i <= list.Count(); ++i) {
        const ListItem* item = list.Item(i);
        rows.push_back({static_cast<std::int32_t>(leadingNumber(item->Tag().mid(6))), item->Text(),
                        item->SubItems(1)});
    }
    return rows;
}

void ColumnPicker::LoadInterfaceColumns(std::int32_t interfaceNumber) {
    for (const ILITRecord& r : readListRows(table_, hdbc, interfaceNumber)) {
        const QString caption = TrimFixedField(fieldText(r.ii03));
        append(*DSNListView, {r.ii00, caption.isEmpty() ? QStringLiteral("未定义栏目") : caption,
                              TrimFixedField(fieldText(r.ii02))});
    }
}

void ColumnPicker::LoadTemplateFields() {
    const std::int32_t templateNumber = sysINDTGetFLMBID(hdbc, MainTable, ClassName, SystemName);
    if (templateNumber < 1) {
        message("分类模板未定义，请定义分类模板...");
        return;
    }
    const std::int32_t hstmt = sysISITPrepareGetData(hdbc, templateNumber);
    ISITRecord r;
    while (sysISITGetRecord(hstmt, r) > 0) {
        const QString caption = TrimFixedField(fieldText(r.ii03));
        if (caption.isEmpty()) continue;
        const QString field = TrimFixedField(fieldText(r.ii02));
        if (DSNListView->FindItem(field, ReportView::FindWhere::SubItem)) continue;
        append(*SRCListView, {r.ii00, caption, field});
    }
}

void ColumnPicker::MoveColumnToInterface() {
    moveSelectedReportRow(*SRCListView, *DSNListView);
}

void ColumnPicker::MoveAllColumnsToInterface() {
    moveAllReportRows(*SRCListView, *DSNListView);
}

void ColumnPicker::RemoveColumnFromInterface() {
    moveSelectedReportRow(*DSNListView, *SRCListView);
}

void ColumnPicker::RemoveAllColumnsFromInterface() {
    moveAllReportRows(*DSNListView, *SRCListView);
}

void ColumnPicker::Command8_Click() {
    swapSelectedReportRow(*DSNListView, -1);
}

void ColumnPicker::Command7_Click() {
    swapSelectedReportRow(*DSNListView, 1);
}

void ColumnPicker::Command1_Click() {
    if (DSNListView->Count() == 0) {
        message("界面栏目不能为空，请选择栏目后再保存");
        return;
    }
    prg1->setVisible(true);
    prg1->SetMax(DSNListView->Count() + 1);
    const bool saved = SaveColumns();
    prg1->setVisible(false);
    if (saved) unload();
}

void ColumnPicker::Command2_Click() {
    unload();
}

bool ColumnPicker::SaveColumns() {
    const std::vector<PickerRow> rows = rowsOf(*DSNListView);
    switch (savePickedColumns(table_, hdbc, InterfaceNumber, rows,
                              [this](int value) { prg1->SetValue(value); })) {
        case PickerSaveResult::Saved:
            return true;
        case PickerSaveResult::Empty:
            return false;
        case PickerSaveResult::DeleteFailed:
            message("界面栏目正在使用，不能进行修改，请稍后再试");
            return false;
        case PickerSaveResult::InsertFailed:
            message("保存记录失败，请稍后重试");
            return false;
    }
    return false;
}

bool ColumnPicker::DeleteInterfaceData(std::int32_t interfaceNumber) {
    return deleteInterfaceData(hdbc, interfaceNumber);
}

}  // namespace zelk
