#include "listdesigner/frm_zelk_lbsj.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <limits>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/twips.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_lbsj");
const QString kListEntry = QStringLiteral("录入列表");
const QString kBrowseList = QStringLiteral("检索列表");

void place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

// The header images: 1 to 3 empty, 4 a small grid, 5 a set square with a pencil.
QPixmap headerImage(int which) {
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    if (which == 4) {
        p.setPen(QColor(64, 64, 64));
        p.drawRect(1, 2, 13, 10);
        for (int x = 5; x < 14; x += 4) p.drawLine(x, 2, x, 12);
        for (int y = 5; y < 12; y += 3) p.drawLine(1, y, 14, y);
    } else if (which == 5) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0, 0, 128));
        p.setBrush(QColor(255, 255, 192));
        const QPoint square[] = {{1, 13}, {1, 2}, {12, 13}};
        p.drawPolygon(square, 3);
        p.setPen(QPen(QColor(192, 64, 0), 2));
        p.drawLine(7, 9, 14, 2);
        p.setPen(QColor(0, 0, 0));
        p.drawLine(6, 10, 7, 9);
    }
    return pixmap;
}

}  // namespace

frm_zelk_lbsj::frm_zelk_lbsj(QWidget* parent) : Form(parent) {
    setWindowTitle(QStringLiteral("列表型界面编辑工具"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(8430), twipsToPixels(4620));
    layoutControls();
    connectHandlers();
}

frm_zelk_lbsj::~frm_zelk_lbsj() = default;

void frm_zelk_lbsj::layoutControls() {
    ListView1 = new ReportView(this);
    place(ListView1, 2160, 120, 6015, 1170);
    ListView1->setToolTip(QStringLiteral("列表界面宽度调整"));
    ListView1->setFont(QFont(QStringLiteral("宋体"), 9));
    ListView1->SetForeColor(SysColor::WindowText);
    ListView1->SetBackColor(16777215);

    lstItem = new OrderListBox(this);
    place(lstItem, 120, 120, 1935, 3480);
    lstItem->setToolTip(QStringLiteral("列表界面顺序调整"));

    Frame1 = new QGroupBox(this);
    place(Frame1, 2160, 1320, 6015, 2295);
    Label1 = new QLabel(QStringLiteral("列表项标题"), Frame1);
    place(Label1, 285, 360, 975, 255);
    Text1 = new QLineEdit(Frame1);
    place(Text1, 1560, 360, 3735, 300);
    Label4 = new QLabel(QStringLiteral("列表项宽"), Frame1);
    place(Label4, 240, 840, 975, 255);
    txtWidth = new QLineEdit(Frame1);
    place(txtWidth, 1560, 800, 2895, 270);
    for (QLabel* l : {Label1, Label4}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Picture2 = new QWidget(Frame1);
    place(Picture2, 240, 1200, 5415, 975);
    Picture2->setVisible(false);
    Label2 = new QLabel(QStringLiteral("控件类型"), Picture2);
    place(Label2, -120, 120, 1065, 270);
    Combo1 = new QComboBox(Picture2);
    place(Combo1, 1320, 120, 2940, 300);
    Combo1->addItems({QStringLiteral("0-编辑"), QStringLiteral("1-下拉列表（可录入）"),
                      QStringLiteral("2-下拉列表（不可录入）"), QStringLiteral("3-日期选择"),
                      QStringLiteral("4-多媒体"), QStringLiteral("5-其他")});
    Combo1->setCurrentIndex(-1);
    Check1 = new QCheckBox(QStringLiteral("只读"), Picture2);
    place(Check1, 4560, 240, 960, 240);
    Label3 = new QLabel(QStringLiteral("内容排列"), Picture2);
    place(Label3, 0, 480, 960, 180);
    Combo2 = new QComboBox(Picture2);
    place(Combo2, 1320, 480, 2940, 300);
    Combo2->addItems({QStringLiteral("0-靠左"), QStringLiteral("1-居中"), QStringLiteral("2-靠右"),
                      QStringLiteral("3-默认")});
    Combo2->setCurrentIndex(-1);
    Check2 = new QCheckBox(QStringLiteral("无效"), Picture2);
    place(Check2, 4560, 600, 705, 180);
    for (QLabel* l : {Label2, Label3}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* ok = new QPushButton(QStringLiteral("确认(&O)"), this);
    place(ok, 2880, 3960, 1095, 400);
    ok->setDefault(true);
    Command1 = std::make_unique<ControlArray<QPushButton>>(QStringLiteral("Command1"), ok);
    QPushButton& cancel = Command1->load(1);
    cancel.setText(QStringLiteral("取消(&C)"));
    place(&cancel, 4920, 3960, 1095, 400);
    cancel.setDefault(false);
    cancel.setVisible(true);

    Picture1 = new QWidget(this);
    ProgressBar1 = new ProgressBar(Picture1);
    ProgressBar1->setTextVisible(false);
    setPicture1Height(15);

    for (int i = 1; i <= 5; ++i) ImageList1.Add(headerImage(i));

    mnu_pop = new QMenu(QStringLiteral("弹出菜单"), this);
    mnu_font = mnu_pop->addAction(QStringLiteral("字体..."));
    mnu_backcolor = mnu_pop->addAction(QStringLiteral("修改背景色"));
}

void frm_zelk_lbsj::connectHandlers() {
    const auto on = [this](const char* name, auto body) {
        return Trapped(kSource + QLatin1Char('.') + QLatin1String(name), body);
    };
    connect(ListView1, &ReportView::ColumnClick, this,
            on("ListView1_ColumnClick", [this](ColumnHeader* h) { ListView1_ColumnClick(h); }));
    connect(ListView1, &ReportView::ColumnResize, this,
            on("ListView1_ColumnResize", [this](ColumnHeader* h) { ListView1_ColumnResize(h); }));
    connect(ListView1, &ReportView::MouseUp, this,
            on("ListView1_MouseUp",
               [this](int b, int s, double x, double y) { ListView1_MouseUp(b, s, x, y); }));
    connect(Check1, &QCheckBox::toggled, this, on("Check1_Click", [this] { Check1_Click(); }));
    connect(Check2, &QCheckBox::toggled, this, on("Check2_Click", [this] { Check2_Click(); }));
    connect(Combo1, &QComboBox::currentIndexChanged, this,
            on("Combo1_Click", [this] { Combo1_Click(); }));
    connect(Combo2, &QComboBox::currentIndexChanged, this,
            on("Combo2_Click", [this] { Combo2_Click(); }));
    connect(Text1, &QLineEdit::textChanged, this, on("Text1_Change", [this] { Text1_Change(); }));
    connect(txtWidth, &QLineEdit::textChanged, this,
            on("txtWidth_Change", [this] { txtWidth_Change(); }));
    for (int i = 0; i <= 1; ++i)
        connect(&Command1->at(i), &QPushButton::clicked, this,
                on("Command1_Click", [this, i] { Command1_Click(i); }));
    connect(lstItem, &OrderListBox::MouseDown, this,
            on("lstItem_MouseDown",
               [this](int b, int s, double x, double y) { lstItem_MouseDown(b, s, x, y); }));
    connect(lstItem, &OrderListBox::MouseMove, this,
            on("lstItem_MouseMove",
               [this](int b, int s, double x, double y) { lstItem_MouseMove(b, s, x, y); }));
    connect(lstItem, &OrderListBox::MouseUp, this,
            on("lstItem_MouseUp",
               [this](int b, int s, double x, double y) { lstItem_MouseUp(b, s, x, y); }));
    connect(mnu_font, &QAction::triggered, this,
            on("mnu_font_Click", [this] { mnu_font_Click(); }));
    connect(mnu_backcolor, &QAction::triggered, this,
            on("mnu_backcolor_Click", [this] { mnu_backcolor_Click(); }));
}

bool frm_zelk_lbsj::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        int keyCode = vbKeyCode(static_cast<QKeyEvent*>(event)->key());
        const int shift = vbShiftState(static_cast<QKeyEvent*>(event)->modifiers());
        if (keyCode == vbKeyReturn) {
            // Enter confirms the caption; it does not press the default button.
            TrapErrors(kSource + QStringLiteral(".Text1_KeyDown"),
                       [&] { Text1_KeyDown(keyCode, shift); });
            return true;
        }
    } else if (watched == Text1 && event->type() == QEvent::FocusOut) {
        TrapErrors(kSource + QStringLiteral(".Text1_LostFocus"), [this] { Text1_LostFocus(); });
    }
    return Form::eventFilter(watched, event);
}

void frm_zelk_lbsj::init(std::int32_t hdbc_, std::int32_t fid_, const QString& vlx_) {
    load();
    ListView1->SetHeaderIcons(&ImageList1);
    hdbc = hdbc_;
    fid = fid_;
    vlx = vlx_;
    if (vlx == kListEntry) {
        LoadILITColumns();
        Picture2->setVisible(true);
        IsListEntry = true;
    } else if (vlx == kBrowseList) {
        LoadILSTColumns();
        Picture2->setVisible(true);
        IsListEntry = false;
    }
}

void frm_zelk_lbsj::LoadILITColumns() {
    loadColumns(ListTable::ILIT);
}

void frm_zelk_lbsj::LoadILSTColumns() {
    loadColumns(ListTable::ILST);
}

void frm_zelk_lbsj::loadColumns(ListTable table) {
    if (fid < 0) return;
    ListView1->Clear();
    ListView1->ClearColumns();
    lstItem->clear();
    ListColumnSettings.clear();
    for (const ILITRecord& row : readListRows(table, hdbc, fid)) {
        // A row that cannot be shown is passed over; the others still load.
        TrapErrors(kSource + QStringLiteral(".LoadColumns"), [&] {
            ColumnHeader* h = ListView1->AddColumn(QStringLiteral("_%1").arg(row.ii00),
                                                   fieldText(row.ii03), row.ii07);
            h->SetIcon(4);
            h->SetTag(rawFieldText(row.ii02));
            lstItem->addItem(TrimFixedField(fieldText(row.ii03)));
            if (table == ListTable::ILIT)
                ListColumnSettings[h->Index()] = decodeListColumnSetting(fieldText(row.ii26));
        });
    }
    ListView1->Add();
    ListView1->SetSelectedItem(nullptr);
}

ColumnHeader* frm_zelk_lbsj::currentColumn() const {
    const std::optional<std::int32_t> index = numericInt32(Text1Tag);
    return index ? ListView1->Column(*index) : nullptr;
}

ColumnHeader* frm_zelk_lbsj::columnAtPosition(int position) const {
    for (int i = 1; i <= ListView1->ColumnCount(); ++i)
        if (ListView1->Column(i)->Position() == position) return ListView1->Column(i);
    return nullptr;
}

void frm_zelk_lbsj::ListView1_ColumnClick(ColumnHeader* header) {
    if (!header) return;
    for (int i = 1; i <= ListView1->ColumnCount(); ++i) ListView1->Column(i)->SetIcon(4);
    header->SetIcon(5);
    EditorsReady = false;
    Text1Tag = QString::number(header->Index());
    Text1->setText(header->Text());
    txtWidth->setText(QString::number(columnWidthTwips(header->Width())));
    if (IsListEntry) {
        const ListColumnSetting s = ListColumnSettings.at(header->Index());
        Check1->setChecked(s.ColumnReadOnly == 1);
        Check2->setChecked(s.ColumnInvalid == 1);
        // A code the lists cannot show selects nothing and stays as stored.
        Combo1->setCurrentIndex(s.ColumnEditKind < Combo1->count() ? s.ColumnEditKind : -1);
        Combo2->setCurrentIndex(s.ColumnAlignment < Combo2->count() ? s.ColumnAlignment : -1);
    }
    EditorsReady = true;
    lstItem->setCurrentRow(header->Position() - 1);
}

void frm_zelk_lbsj::ListView1_ColumnResize(ColumnHeader* header) {
    Modified = true;
    if (header && header == currentColumn()) {
        EditorsReady = false;
        txtWidth->setText(QString::number(columnWidthTwips(header->Width())));
        EditorsReady = true;
    }
}

namespace {
// Stores a setting; a change marks the list modified.
void store(std::int16_t& member, int value, bool& modified) {
    if (member == value) return;
    member = static_cast<std::int16_t>(value);
    modified = true;
}
}  // namespace

void frm_zelk_lbsj::Check1_Click() {
    if (!currentColumn()) return;
    store(ListColumnSettings[Text1Tag.toInt()].ColumnReadOnly, Check1->isChecked() ? 1 : 0,
          Modified);
}

void frm_zelk_lbsj::Check2_Click() {
    if (!currentColumn()) return;
    store(ListColumnSettings[Text1Tag.toInt()].ColumnInvalid, Check2->isChecked() ? 1 : 0,
          Modified);
}

void frm_zelk_lbsj::Combo1_Click() {
    if (!currentColumn() || Combo1->currentIndex() < 0) return;
    store(ListColumnSettings[Text1Tag.toInt()].ColumnEditKind, Combo1->currentIndex(), Modified);
}

void frm_zelk_lbsj::Combo2_Click() {
    if (!currentColumn() || Combo2->currentIndex() < 0) return;
    store(ListColumnSettings[Text1Tag.toInt()].ColumnAlignment, Combo2->currentIndex(), Modified);
}

void frm_zelk_lbsj::Text1_Change() {
    ColumnHeader* h = currentColumn();
    if (!h || !EditorsReady) return;
    if (h->Text() != Text1->text()) Modified = true;
    h->SetText(Text1->text());
    if (QListWidgetItem* entry = lstItem->item(h->Position() - 1)) entry->setText(Text1->text());
}

void frm_zelk_lbsj::Text1_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == vbKeyReturn) ApplyCaption();
}

void frm_zelk_lbsj::Text1_LostFocus() {
    ApplyCaption();
}

void frm_zelk_lbsj::ApplyCaption() {
    ColumnHeader* h = currentColumn();
    if (!h || Text1->text().isEmpty()) return;
    if (h->Text() != Text1->text()) Modified = true;
    h->SetText(Text1->text());
}

void frm_zelk_lbsj::txtWidth_Change() {
    ColumnHeader* h = currentColumn();
    if (!h || !EditorsReady) return;
    const double typed = leadingNumber(txtWidth->text());
    const double twips = typed < 0 ? 0
                         : typed > std::numeric_limits<std::int32_t>::max()
                             ? std::numeric_limits<std::int32_t>::max()
                             : typed;
    if (h->Width() != twips) Modified = true;
    h->SetWidth(twips);
}

void frm_zelk_lbsj::Command1_Click(int index) {
    if (index == 0) {
        // A failed save keeps the window open with its edits.
        if (!SaveInterface()) return;
        Modified = false;
        unload();
    } else if (index == 1) {
        Modified = false;  // cancel discards without asking
        unload();
    }
}

void frm_zelk_lbsj::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)unloadMode;
    if (!Modified) return;
    const int answer = MsgBox(QStringLiteral("界面设计器即将退出,是否保存界面所做的修改?"),
                              vbYesNo + vbQuestion, QStringLiteral("系统提示"));
    if (answer == vbYes && !SaveInterface()) {
        cancel = 1;
        return;
    }
    Modified = false;
}

void frm_zelk_lbsj::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == vbKeyEscape) {
        keyCode = 0;
        close();  // as the close box: a modified list asks first
    }
}

}  // namespace zelk
