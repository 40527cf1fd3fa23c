#include "propdialogs/frm_zelk_jmsx.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "rowchanges/transactions.h"

namespace zelk {

namespace {

// A swatch that was never given a stored colour shows the window background.
constexpr std::int32_t kDesignColor = SysColor::Window;
constexpr const char* kSignOffFlag = "签批单";

QLabel* caption(QWidget* page, const char* text, double left, double top, double width = 1100) {
    auto* label = new QLabel(QString::fromUtf8(text), page);
    placeTwips(label, left, top + 40, width, 255);
    return label;
}

QLineEdit* textBox(QWidget* page, double left, double top, double width, bool readOnly = false) {
    auto* box = new QLineEdit(page);
    placeTwips(box, left, top, width, 315);
    if (readOnly) {
        box->setReadOnly(true);
        QPalette grey = box->palette();
        grey.setColor(QPalette::Base, QColor(0xD4, 0xD0, 0xC8));
        box->setPalette(grey);
    }
    return box;
}

QPushButton* pictureButton(QWidget* page, double left, double top) {
    auto* button = new QPushButton(page);
    placeTwips(button, left, top, 330, 315);
    return button;
}

QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

}  // namespace

QString shortenedInterfaceName(const QString& name) {
    return name.size() > 60 ? name.left(57) + QStringLiteral("...") : name;
}

QString pictureTarget(const QString& chosenPath, const QString& folder, bool& copy) {
    const QFileInfo chosen(chosenPath);
    const QDir dir(folder);
    copy = false;
    QString name = chosen.fileName();
    const QFileInfo existing(dir.filePath(name));
    if (!existing.exists()) {
        copy = true;
        return name;
    }
    if (existing.canonicalFilePath() == chosen.canonicalFilePath() ||
        fileDigest(existing.filePath()) == fileDigest(chosenPath))
        return name;
    // Another picture of that name is there already: keep it and take a free name.
    const QString base = chosen.completeBaseName();
    const QString suffix = chosen.suffix().isEmpty() ? QString() : "." + chosen.suffix();
    for (int n = 1;; ++n) {
        // Built by joining: a file name may hold "%1" and the like.
        name = base + QLatin1Char('(') + QString::number(n) + QLatin1Char(')') + suffix;
        const QString path = dir.filePath(name);
        if (!QFileInfo::exists(path)) {
            copy = true;
            return name;
        }
        if (fileDigest(path) == fileDigest(chosenPath)) return name;
    }
}

frm_zelk_jmsx::frm_zelk_jmsx(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_jmsx"));
    setWindowTitle(QStringLiteral("界面属性"));
    setFixedSize(twipsToPixels(7200), twipsToPixels(6300));
    Image1 = new QLabel(this);
    placeTwips(Image1, 150, 120, 480, 480);
    LabelTip = new QLabel(
        QStringLiteral("查看、设置界面的属性、外观、打印报表等。 背景为灰色的项是只读项。"), this);
    LabelTip->setWordWrap(true);
    placeTwips(LabelTip, 780, 180, 6200, 420);
    SSTab1 = new TabStrip(this);
    placeTwips(SSTab1, 120, 720, 6960, 4860);

    QWidget* p1 = SSTab1->AddTab(QStringLiteral("属性"));
    caption(p1, "界面顺序号", 240, 240);
    Text1 = textBox(p1, 1440, 240, 1500, true);
    caption(p1, "版本号", 3240, 240, 800);
    Label18 = new QLabel(QStringLiteral("0"), p1);
    placeTwips(Label18, 4080, 280, 1500, 255);
    caption(p1, "主表", 240, 720);
    Text2 = textBox(p1, 1440, 720, 5100, true);
    caption(p1, "分类全名", 240, 1200);
    Text3 = textBox(p1, 1440, 1200, 5100, true);
    caption(p1, "界面类型", 240, 1680);
    Combo1 = new QComboBox(p1);
    placeTwips(Combo1, 1440, 1680, 3600, 315);
    Combo1->addItems({QStringLiteral("0-无类型"), QStringLiteral("1-条目录入类型界面"),
                      QStringLiteral("2-列表录入类型界面"), QStringLiteral("3-条目检索类型界面"),
                      QStringLiteral("4-数据浏览列表界面")});
    Combo1->setEnabled(false);
    Text6 = textBox(p1, 5160, 1680, 600, true);
    caption(p1, "名称", 240, 2160);
    Text4 = textBox(p1, 1440, 2160, 5100);
    caption(p1, "说明", 240, 2640);
    Text5 = new QPlainTextEdit(p1);
    placeTwips(Text5, 1440, 2640, 5100, 1500);

    QWidget* p2 = SSTab1->AddTab(QStringLiteral("外观"));
    caption(p2, "用户名", 240, 240);
    Text7 = textBox(p2, 1440, 240, 2700);
    Command3 = pictureButton(p2, 4200, 240);
    Command3->setEnabled(false);
    caption(p2, "应用标志", 240, 720);
    Text8 = textBox(p2, 1440, 720, 2700);
    Check2 = new QCheckBox(QStringLiteral("签批处理单界面"), p2);
    placeTwips(Check2, 4680, 740, 2000, 280);
    caption(p2, "界面底色", 240, 1200);
    Text11 = new QLabel(p2);
    placeTwips(Text11, 1440, 1200, 2700, 315);
    Text11->setAutoFillBackground(true);
    Text11->setFrameShape(QFrame::Panel);
    Text11->setFrameShadow(QFrame::Sunken);
    Command6 = pictureButton(p2, 4200, 1200);
    caption(p2, "背景底图", 240, 1680);
    Text12 = textBox(p2, 1440, 1680, 2700);
    Command7 = pictureButton(p2, 4200, 1680);
    caption(p2, "背景填充模式", 240, 2160, 1200);
    Combo4 = new QComboBox(p2);
    placeTwips(Combo4, 1440, 2160, 3090, 315);
    Combo4->addItems({QStringLiteral("0 - 置于左上角"), QStringLiteral("1 - 在背景上平铺图片"),
                      QStringLiteral("2 - 图片置于背景中央"),
                      QStringLiteral("3 - 将图片拉伸到整个背景")});
    Label9 = caption(p2, "签批单颜色", 240, 2640);
    Text10 = new QLabel(p2);
    placeTwips(Text10, 1440, 2640, 2700, 315);
    Text10->setAutoFillBackground(true);
    Text10->setFrameShape(QFrame::Panel);
    Text10->setFrameShadow(QFrame::Sunken);
    Command5 = pictureButton(p2, 4200, 2640);
    Check1 = new QCheckBox(QStringLiteral("自适应大小"), p2);
    placeTwips(Check1, 1440, 3120, 2000, 280);
    Label7 = caption(p2, "条目导航列", 240, 3600);
    Text9 = textBox(p2, 1440, 3600, 2700);
    Command4 = pictureButton(p2, 4200, 3600);
    Command4->setEnabled(false);
    Image2 = new QLabel(p2);
    placeTwips(Image2, 4680, 1200, 2040, 2040);
    Image2->setScaledContents(true);
    Image2->setVisible(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label9, Text10, Command5, Label7, Text9, Command4})
        w->setVisible(false);

    QWidget* p3 = SSTab1->AddTab(QStringLiteral("报表"));
    caption(p3, "报表名称", 240, 360);
    Combo2 = new QComboBox(p3);
    Combo2->setEditable(true);
    placeTwips(Combo2, 1440, 360, 5100, 315);
    caption(p3, "报表类型", 240, 840);
    Combo3 = new QComboBox(p3);
    placeTwips(Combo3, 1440, 840, 5100, 315);
    Label15 = new QLabel(QStringLiteral("如果在此处为录入界面指定报表，则用户可以通过该报表的格式打"
                                        "印录入界面上的数据。"),
                         p3);
    Label15->setWordWrap(true);
    placeTwips(Label15, 240, 1440, 6300, 600);

    Command1 = new QPushButton(QStringLiteral("确定"), this);
    placeTwips(Command1, 4680, 5760, 1095, 375);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    placeTwips(Command2, 5880, 5760, 1095, 375);
    text10Color_ = text11Color_ = kDesignColor;
    setSwatchColor(Text10, kDesignColor);
    setSwatchColor(Text11, kDesignColor);

    const auto hook = [this](QPushButton* button, const char* name,
                             void (frm_zelk_jmsx::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                Trapped(QStringLiteral("frm_zelk_jmsx.") + QString::fromLatin1(name),
                        [this, handler] { (this->*handler)(); }));
    };
    hook(Command1, "Command1_Click", &frm_zelk_jmsx::Command1_Click);
    hook(Command2, "Command2_Click", &frm_zelk_jmsx::Command2_Click);
    hook(Command5, "Command5_Click", &frm_zelk_jmsx::Command5_Click);
    hook(Command6, "Command6_Click", &frm_zelk_jmsx::Command6_Click);
    hook(Command7, "Command7_Click", &frm_zelk_jmsx::Command7_Click);
    connect(Check2, &QCheckBox::clicked, this,
            Trapped(QStringLiteral("frm_zelk_jmsx.Check2_Click"), [this] { Check2_Click(); }));
}

void frm_zelk_jmsx::Form_Load() {
    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    Image1->setPixmap(LoadResPicture(QStringLiteral("ID_TIP"), twipsToPixels(480)));
    for (QPushButton* b : {Command3, Command4, Command7})
        b->setIcon(LoadResIcon(QStringLiteral("ID_OPEN")));
    for (QPushButton* b : {Command5, Command6}) b->setIcon(LoadResIcon(QStringLiteral("ID_COLOR")));
}

void frm_zelk_jmsx::setSwatchColor(QLabel* swatch, std::int32_t color) {
    (swatch == Text10 ? text10Color_ : text11Color_) = color;
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, oleColorToQColor(color));
    swatch->setPalette(palette);
}

void frm_zelk_jmsx::init(std::int32_t hdbcValue, std::int32_t interfaceId,
                         const QString& systemName) {
    load();
    hdbc = hdbcValue;
    InterfaceId = interfaceId;
    SystemName = systemName;
    LoadReportList();
    found_ = sysINDTGetDataByNo(hdbc, record_, interfaceId) >= 1;
    // Without a row there is nothing OK could store.
    Command1->setEnabled(found_ && !viewOnly_);
    if (found_) {
        const INDTRecord& r = record_;
        Text1->setText(QString::number(r.id00));
        Text2->setText(fieldText(r.id01));
        Text3->setText(fieldText(r.id02));
        Text4->setText(fieldText(r.id03));
        Text5->setPlainText(fieldText(r.id04));
        Text6->setText(fieldText(r.id05));
        Text7->setText(fieldText(r.id06));
        Text8->setText(fieldText(r.id07));
        Text9->setText(fieldText(r.id08));
        Label18->setText(fieldText(r.id08));
        const auto kind = numericInt32(fieldText(r.id05));
        Combo1->setCurrentIndex(kind && *kind >= 0 && *kind <= 4 ? *kind : -1);
        if (const auto c = numericInt32(fieldText(r.id11))) setSwatchColor(Text10, *c);
        if (const auto c = numericInt32(fieldText(r.id12))) setSwatchColor(Text11, *c);
        Text12->setText(fieldText(r.id16));
        if (const auto v = numericInt32(fieldText(r.id15)))
            Check1->setCheckState(*v == 0 ? Qt::Unchecked
                                          : (*v == 2 ? Qt::PartiallyChecked : Qt::Checked));
        readReportName_ = TrimFixedField(fieldText(r.id19));
        const int report = Combo2->findText(readReportName_);
        if (report >= 0)
            Combo2->setCurrentIndex(report);
        else
            Combo2->setEditText(readReportName_);
        const auto fill = numericInt32(fieldText(r.id17));
        Combo4->setCurrentIndex(fill && *fill >= 0 && *fill <= 3 ? *fill : -1);
        if (Text8->text() == QString::fromUtf8(kSignOffFlag)) {
            Text8->setEnabled(false);
            Check2->setChecked(true);
            Check2_Click();
        }
    }
    EditCancelled = true;
}

void frm_zelk_jmsx::SetViewOnly(bool viewOnly) {
    viewOnly_ = viewOnly;
    Command1->setEnabled(found_ && !viewOnly_);
    Command7->setEnabled(!viewOnly_);
}

void frm_zelk_jmsx::LoadReportList() {
    RGDTRecord row;
    const std::int32_t cursor =
        userRGDT_GetFirst(hdbc, row, QStringLiteral("RD01 = ") + sqlQuote(SystemName));
    if (cursor <= 0) return;
    do {
        Combo2->addItem(TrimFixedField(fieldText(row.m03)));
        Combo3->addItem(TrimFixedField(fieldText(row.m02)));
        row = RGDTRecord{};
    } while (userRGDT_GetNext(cursor, row) > 0);
}

void frm_zelk_jmsx::Check2_Click() {
    const bool signOff = Check2->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Label9, Text10, Command5})
        w->setVisible(signOff);
    Text8->setText(signOff ? QString::fromUtf8(kSignOffFlag) : QString());
    Text8->setEnabled(!signOff);
}

void frm_zelk_jmsx::Command5_Click() {
    CommonDialog1.Color = text10Color_;
    CommonDialog1.Flags = cdlCCRGBInit;
    CommonDialog1.ShowColor();
    setSwatchColor(Text10, CommonDialog1.Color);
}

void frm_zelk_jmsx::Command6_Click() {
    CommonDialog1.Color = text11Color_;
    CommonDialog1.Flags = cdlCCRGBInit;
    CommonDialog1.ShowColor();
    setSwatchColor(Text11, CommonDialog1.Color);
}

void frm_zelk_jmsx::Command7_Click() {
    if (viewOnly_) return;  // choosing a picture copies a file and writes a setting
    QString folder =
        GetSetting(kSettingsApplication, QStringLiteral("COMMON"), QStringLiteral("imagepath"),
                   QCoreApplication::applicationDirPath() + QStringLiteral("/Res/Image/"));
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QFileInfo(folder).isDir() && !EnsureFolder(folder)) return;
    CommonDialog1.DialogTitle = QStringLiteral("查找背景图片");
    // It starts among the pictures the interfaces already use.
    CommonDialog1.InitDir = folder;
    CommonDialog1.Filter = QStringLiteral("所有背景图片文件(*.jpg,*.bmp)|*.jpg;*.bmp");
    CommonDialog1.FileName = QString();
    CommonDialog1.CancelError = false;
    CommonDialog1.ShowOpen();
    Image2->setVisible(false);
    const QString chosen = CommonDialog1.FileName;
    if (!chosen.isEmpty()) {
        bool copy = false;
        const QString name = pictureTarget(chosen, folder, copy);
        // A failed copy leaves the stored name as it was.
        if (!copy || QFile::copy(chosen, QDir(folder).filePath(name))) {
            Text12->setText(name);
            QPixmap picture(chosen);
            if (!picture.isNull()) {
                Image2->setPixmap(picture);
                Image2->setVisible(true);
            }
        }
    }
    SaveSetting(kSettingsApplication, TrimFixedField(SystemName), QStringLiteral("imagepath"),
                folder);
}

bool frm_zelk_jmsx::SaveInterfaceProperties() {
    if (!found_ || viewOnly_) return false;
    INDTRecord r = record_;
    setField(r.id03, shortenedInterfaceName(Text4->text()));
    setField(r.id04, Text5->toPlainText());
    setField(r.id06, Text7->text().left(10));
    setField(r.id07, Text8->text().left(10));
    setField(r.id11, QString::number(text10Color_));
    setField(r.id12, QString::number(text11Color_));
    setField(r.id16, Text12->text());
    // A fill mode or report the user left alone is written back as read.
    if (Combo4->currentIndex() >= 0) setField(r.id17, QString::number(Combo4->currentIndex()));
    const int autoSize = Check1->checkState() == Qt::Checked
                             ? 1
                             : (Check1->checkState() == Qt::PartiallyChecked ? 2 : 0);
    setField(r.id15, QString::number(autoSize));
    const QString report = Combo2->currentText();
    setField(r.id19, report);
    if (report != readReportName_) {
        const int index = Combo2->findText(report);
        setField(r.id20, index >= 0 ? Combo3->itemText(index) : QString());
    }
    return storeChangedProperties(r);
}

// Writes the members the user changed over the row as stored now, and raises the stored version
// so that an open designer or list reloads; a designer's save or a manager's change made while
// the dialog was open stays. Nothing changed: nothing is written.
bool frm_zelk_jmsx::storeChangedProperties(const INDTRecord& edited) {
    INDTRecord stored{};
    const bool ok = runInTransaction(hdbc, [&] {
        if (!lockInterfaceRow(hdbc, record_.id00)) return false;
        if (sysINDTGetDataByNo(hdbc, stored, record_.id00) < 1) return false;
        bool changed = false;
        const auto take = [&](auto member) {
            if (edited.*member == record_.*member) return;
            stored.*member = edited.*member;
            changed = true;
        };
        take(&INDTRecord::id03);
        take(&INDTRecord::id04);
        take(&INDTRecord::id06);
        take(&INDTRecord::id07);
        take(&INDTRecord::id11);
        take(&INDTRecord::id12);
        take(&INDTRecord::id15);
        take(&INDTRecord::id16);
        take(&INDTRecord::id17);
        take(&INDTRecord::id19);
        take(&INDTRecord::id20);
        if (!changed) return true;
        setField(stored.id08, sizeText(leadingNumber(TrimFixedField(fieldText(stored.id08))) + 1));
        return sysINDTUpdateRecord(hdbc, stored) >= 0;
    });
    if (ok) record_ = stored;
    return ok;
}

void frm_zelk_jmsx::Command1_Click() {
    if (viewOnly_) return;
    if (!SaveInterfaceProperties()) {
        MsgBox(QStringLiteral("不能保存界面!"), vbCritical + vbInformation,
               QStringLiteral("保存数据出错"));
        return;
    }
    EditCancelled = false;
    unload();
}

void frm_zelk_jmsx::Command2_Click() {
    unload();
}

}  // namespace zelk
