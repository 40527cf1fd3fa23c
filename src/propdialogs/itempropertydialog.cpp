#include "propdialogs/itempropertydialog.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>

#include "component/zelkmodule.h"
#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/resources.h"
#include "platform/twips.h"

namespace zelk {

namespace {

// The text-box dialog's controls on their pages (twips; a width of 0 or less reaches to that
// distance from the page's right edge).
struct FramePlace {
    const char* control;
    int page;
    int left, top, width, height;
    const char* caption;
};

const FramePlace kFramePlaces[] = {
    {"Label1(0)", 1, 120, 165, 960, 240, "名称"},
    {"Text1(0)", 1, 1140, 120, -120, 300, ""},
    {"Label1(1)", 1, 120, 525, 960, 240, "格式"},
    {"ComboBox1(0)", 1, 1140, 480, -120, 300, ""},
    {"Label1(2)", 1, 120, 885, 960, 240, "默认值"},
    {"Text1(2)", 1, 1140, 840, -120, 300, ""},
    {"Label1(3)", 1, 120, 1245, 960, 240, "提示文字"},
    {"Text1(3)", 1, 1140, 1200, -120, 300, ""},
    {"Label1(8)", 1, 120, 1605, 960, 240, "录入顺序"},
    {"Text1(8)", 1, 1140, 1560, 1200, 300, ""},
    {"Check1", 1, 120, 1980, 900, 300, "隐藏"},
    {"Check2", 1, 1080, 1980, 900, 300, "无效"},
    {"Check3", 1, 2040, 1980, 900, 300, "只读"},
    {"Check4", 1, 3000, 1980, 2100, 300, "自动栏目切换"},

    {"Label1(13)", 2, 240, 405, 1200, 240, "背景颜色"},
    {"Text1(13)", 2, 1440, 360, 2400, 300, ""},
    {"Command1", 2, 3960, 345, 480, 330, ""},
    {"Label1(16)", 2, 240, 885, 1200, 240, "边框颜色"},
    {"Text1(16)", 2, 1440, 840, 2400, 300, ""},
    {"Command2", 2, 3960, 825, 480, 330, ""},
    {"Label1(18)", 2, 240, 1365, 1200, 240, "字体颜色"},
    {"Text1(18)", 2, 1440, 1320, 2400, 300, ""},
    {"Command3", 2, 3960, 1305, 480, 330, ""},

    {"Label1(19)", 3, 120, 165, 960, 240, "字体名称"},
    {"ComboBox1(9)", 3, 1140, 120, -120, 300, ""},
    {"Label1(35)", 3, 120, 525, 960, 240, "字体大小"},
    {"ComboBox1(10)", 3, 1140, 480, 1200, 300, ""},
    {"Toolbar1", 3, 120, 900, -120, 420, ""},
    {"Text2", 3, 120, 1440, -120, 720, "岚拓软件公司"},

    {"Check5", 4, 120, 120, 1560, 300, "自动大小"},
    {"Check7", 4, 1800, 120, 1200, 300, "边框"},
    {"Check8", 4, 3120, 120, 1800, 300, "背景不透明"},
    {"Label1(14)", 4, 120, 585, 960, 240, "效果"},
    {"ComboBox1(7)", 4, 1140, 540, 2400, 300, ""},

    {"Label1(20)", 5, 120, 165, 960, 240, "数据制式"},
    {"Text1(20)", 5, 1140, 120, -120, 300, ""},
    {"Label1(22)", 5, 120, 525, 960, 240, "最大长度"},
    {"Text1(22)", 5, 1140, 480, -120, 300, ""},
    {"Label1(24)", 5, 120, 885, 960, 240, "子表分类"},
    {"Text1(24)", 5, 1140, 840, -120, 300, ""},
    {"Label1(26)", 5, 120, 1245, 960, 240, "绑定列名"},
    {"Text1(26)", 5, 1140, 1200, -120, 300, ""},
    {"Check6", 5, 120, 1620, 2400, 300, "文本自动选择"},

    {"Check9", 0, 120, -450, 3360, 300, "将外观属性应用到全部同类控件"},
    {"Command4", 0, -2280, -510, 1000, 360, "确定"},
    {"Command5", 0, -1200, -510, 1000, 360, "取消"},
};

const char* const kPageCaptions[] = {"基本属性", "颜色",     "字体",
                                     "扩展属性", "数据特性", "审批特性设置"};

const char* const kEffects[] = {"0-平面", "1-凸起", "2-凹陷", "3-凿痕",
                                "4-无效", "5-无效", "6-浮雕"};
const char* const kFontSizes[] = {"8", "9", "10", "11", "12", "16", "20", "22", "48", "72"};

constexpr int kBannerHeight = 750;
constexpr int kTabTop = 840;
constexpr int kBelowTabs = 600;

template <class T>
T* makeNamed(QWidget* parent, const char* name) {
    T* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// "Text1(8)" -> "Text1", 8; "Check4" -> "Check4", -1.
std::pair<QString, int> splitName(const QString& name) {
    static const QRegularExpression indexed(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = indexed.match(name);
    if (!m.hasMatch()) return {name, -1};
    return {m.captured(1), m.captured(2).toInt()};
}

}  // namespace

ItemPropertyDialog::ItemPropertyDialog(const PropertyDialogDesign& design, QWidget* parent)
    : Form(parent),
      Label1(QString::fromLatin1(design.labelArray), new QLabel(this)),
      Text1(QStringLiteral("Text1"), new PropertyTextBox(this)),
      ComboBox1(QStringLiteral("ComboBox1"), new QComboBox(this)),
      design_(design) {
    buildFrame();
    connectHandlers();
}

void ItemPropertyDialog::buildFrame() {
    setWindowTitle(QStringLiteral("属性"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(displayFont(utf8(kFallbackFontName), 9));
    setFixedSize(twipsToPixels(design_.width), twipsToPixels(design_.height));

    Picture1 = makeNamed<QWidget>(this, "Picture1");
    Picture1->setAutoFillBackground(true);
    QPalette banner = Picture1->palette();
    banner.setColor(QPalette::Window, oleColorToQColor(SysColor::Window));
    Picture1->setPalette(banner);
    Picture1->setGeometry(0, 0, twipsToPixels(design_.width), twipsToPixels(kBannerHeight));
    Image1 = makeNamed<QLabel>(Picture1, "Image1");
    Image1->setGeometry(twipsToPixels(180), twipsToPixels(135), twipsToPixels(480),
                        twipsToPixels(480));
    Label2 = makeNamed<QLabel>(Picture1, "Label2");
    Label2->setText(utf8(design_.banner));
    Label2->setGeometry(twipsToPixels(840), twipsToPixels(255), twipsToPixels(design_.width - 960),
                        twipsToPixels(300));
    QFont bold = font();
    bold.setBold(true);
    Label2->setFont(bold);

    SSTab1 = makeNamed<TabStrip>(this, "SSTab1");
    SSTab1->setGeometry(twipsToPixels(120), twipsToPixels(kTabTop),
                        twipsToPixels(design_.width - 240),
                        twipsToPixels(design_.height - kTabTop - kBelowTabs));
    for (int p = 0; p < std::max(5, design_.pages); ++p) SSTab1->AddTab(utf8(kPageCaptions[p]));
    // Six captions fit the width only with narrower tabs.
    if (design_.pages > 5)
        SSTab1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 5px; }"));

    Check1 = makeNamed<QCheckBox>(this, "Check1");
    Check2 = makeNamed<QCheckBox>(this, "Check2");
    Check3 = makeNamed<QCheckBox>(this, "Check3");
    Check4 = makeNamed<QCheckBox>(this, "Check4");
    Check5 = makeNamed<QCheckBox>(this, "Check5");
    Check6 = makeNamed<QCheckBox>(this, "Check6");
    Check7 = makeNamed<QCheckBox>(this, "Check7");
    Check8 = makeNamed<QCheckBox>(this, "Check8");
    Check9 = makeNamed<QCheckBox>(this, "Check9");
    Command1 = makeNamed<QPushButton>(this, "Command1");
    Command2 = makeNamed<QPushButton>(this, "Command2");
    Command3 = makeNamed<QPushButton>(this, "Command3");
    Command4 = makeNamed<QPushButton>(this, "Command4");
    Command5 = makeNamed<QPushButton>(this, "Command5");
    Command4->setDefault(true);
    Text2 = makeNamed<QLineEdit>(this, "Text2");
    Text2->setToolTip(QStringLiteral("字体预览"));
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setEnabled(false);

    Toolbar1 = makeNamed<KeyedToolbar>(this, "Toolbar1");
    Toolbar1->SetTextAlignment(KeyedToolbar::TextAlign::None);
    for (int i = 0; i < 3; ++i) Toolbar1->Add(0, {}, {}, ButtonStyle::Check);
    Toolbar1->Add(0, {}, {}, ButtonStyle::Separator);
    for (int i = 0; i < 3; ++i) Toolbar1->Add(0, {}, {}, ButtonStyle::ButtonGroup);
    if (design_.verticalAlign) {
        Toolbar1->Add(0, {}, {}, ButtonStyle::Separator);
        for (int i = 0; i < 3; ++i) Toolbar1->Add(0, {}, {}, ButtonStyle::ButtonGroup);
    }

    for (const FramePlace& f : kFramePlaces) {
        const auto [array, index] = splitName(utf8(f.control));
        QWidget* w = nullptr;
        if (index > 0 && array == QLatin1String("Label1")) {
            w = &Label1.load(index);
        } else if (index > 0 && array == QLatin1String("Text1")) {
            w = &Text1.load(index);
        } else if (index > 0 && array == QLatin1String("ComboBox1")) {
            w = &ComboBox1.load(index);
        } else if (index == 0) {
            w = array == QLatin1String("Label1")  ? static_cast<QWidget*>(&Label1[0])
                : array == QLatin1String("Text1") ? static_cast<QWidget*>(&Text1[0])
                                                  : static_cast<QWidget*>(&ComboBox1[0]);
        } else {
            w = control(array);
        }
        place(w, f.page, f.left, f.top, f.width, f.height);
        const QString caption = utf8(f.caption);
        if (auto* label = qobject_cast<QLabel*>(w)) label->setText(caption);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(caption);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setText(caption);
    }

    // Format and size accept typing; typed text never joins a list.
    for (int i : {0, 10}) {
        ComboBox1[i].setEditable(true);
        ComboBox1[i].setInsertPolicy(QComboBox::NoInsert);
    }
    for (int i : {7, 9}) ComboBox1[i].setEditable(false);
    for (int i : {13, 16, 18}) Text1[i].setEnabled(false);
}

void ItemPropertyDialog::connectHandlers() {
    const QString form = QString::fromLatin1(design_.className);
    connect(Command1, &QPushButton::clicked, this,
            Trapped(form + ".Command1_Click", [this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            Trapped(form + ".Command2_Click", [this] { Command2_Click(); }));
    connect(Command3, &QPushButton::clicked, this,
            Trapped(form + ".Command3_Click", [this] { Command3_Click(); }));
    connect(Command4, &QPushButton::clicked, this,
            Trapped(form + ".Command4_Click", [this] { Command4_Click(); }));
    connect(Command5, &QPushButton::clicked, this,
            Trapped(form + ".Command5_Click", [this] { Command5_Click(); }));
}

QWidget* ItemPropertyDialog::page(int number) const {
    if (number == 0) return const_cast<ItemPropertyDialog*>(this);
    return SSTab1->page(number - 1);
}

void ItemPropertyDialog::place(QWidget* widget, int pageNumber, int left, int top, int width,
                               int height) {
    QWidget* target = page(pageNumber);
    if (!widget || !target) return;
    // Widths and places from the right or bottom edge are measured on the page's full size: the
    // tab control's width less its frame of three pixels a side.
    const int pageWidth =
        pageNumber == 0 ? design_.width : design_.width - 240 - 2 * 3 * kTwipsPerPixel;
    const int pageHeight = design_.height;
    if (left < 0) left += pageWidth;
    if (top < 0) top += pageHeight;
    if (width <= 0) width += pageWidth - left;
    if (widget->parentWidget() != target) widget->setParent(target);
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
    widget->show();
}

void ItemPropertyDialog::applyDesign() {
    for (const ControlPlace& p : design_.places)
        place(control(utf8(p.control)), p.page, p.left, p.top, p.width, p.height);
    for (const ControlCaption& c : design_.captions) {
        QWidget* w = control(utf8(c.control));
        if (auto* label = qobject_cast<QLabel*>(w)) label->setText(utf8(c.caption));
        if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(utf8(c.caption));
    }
    for (const char* name : design_.removed) {
        const auto [array, index] = splitName(utf8(name));
        if (index > 0 && array == Label1.name()) {
            Label1.unload(index);
        } else if (index > 0 && array == QLatin1String("Text1")) {
            Text1.unload(index);
        } else if (index > 0 && array == QLatin1String("ComboBox1")) {
            ComboBox1.unload(index);
        } else if (QWidget* w = control(utf8(name))) {
            w->hide();  // an array's template stays; the dialog never uses it
        }
    }
    if (design_.pages < SSTab1->Tabs()) SSTab1->SetTabs(design_.pages);
}

QWidget* ItemPropertyDialog::control(const QString& name) const {
    const auto [array, index] = splitName(name);
    for (QWidget* w : findChildren<QWidget*>()) {
        if (index >= 0 ? (controlName(w) == array && controlIndex(w) == index)
                       : (w->objectName() == name && controlIndex(w) < 0))
            return w;
    }
    return nullptr;
}

QCheckBox* ItemPropertyDialog::applyBox() const {
    if (!design_.applyBox) return nullptr;
    return qobject_cast<QCheckBox*>(control(QString::fromLatin1(design_.applyBox)));
}

void ItemPropertyDialog::Form_Load() {
    // Every showing starts from the design: first page, boxes clear, the design's hidden
    // controls hidden.
    SSTab1->SetTab(0);
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setChecked(false);
    // Hidden in the frame's own design; the caption label by its index, whatever its array's
    // name in this dialog.
    Text2->setVisible(false);
    if (QLabel* label = Label1.find(24)) label->setVisible(false);
    if (PropertyTextBox* box = Text1.find(24)) box->setVisible(false);
    for (const char* name : design_.shown)
        if (QWidget* w = control(utf8(name))) w->setVisible(true);
    for (const char* name : design_.hidden)
        if (QWidget* w = control(utf8(name))) w->setVisible(false);

    const QIcon colour = LoadResIcon(QStringLiteral("ID_COLOR"));
    for (QPushButton* b : {Command1, Command2, Command3}) b->setIcon(colour);

    ImageList1.Clear();
    QStringList pictures = {"ID_BOLD",      "ID_ITL",    "ID_UNDERLN",
                            "ID_ALIGNLEFT", "ID_CENTER", "ID_ALIGNRIGHT"};
    std::vector<int> buttons = {1, 2, 3, 5, 6, 7};
    if (design_.verticalAlign) {
        pictures << "ID_TOP"
                 << "ID_MIDDLE"
                 << "ID_BOTTOM";
        buttons.insert(buttons.end(), {9, 10, 11});
    }
    for (const QString& picture : pictures) ImageList1.Add(picture);
    Toolbar1->SetImageList(&ImageList1);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        Toolbar1->Button(buttons[i])->SetImage(static_cast<int>(i) + 1);

    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    Image1->setPixmap(LoadResPicture(QStringLiteral("ID_TIP"), Image1->width()));

    if (QComboBox* effects = ComboBox1.find(7)) {
        effects->clear();
        for (const char* item : kEffects) effects->addItem(utf8(item));
    }
    QComboBox& fonts = ComboBox1[9];
    fonts.clear();
    // Only fonts that come back as themselves once stored; the item's own is added at load.
    fonts.addItems(storableFonts(installedFonts()));
    // The usual face of the stored forms is always offered, installed or not.
    if (fonts.findText(utf8(kFallbackFontName), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        fonts.addItem(utf8(kFallbackFontName));
    QComboBox& sizes = ComboBox1[10];
    sizes.clear();
    for (const char* item : kFontSizes) sizes.addItem(utf8(item));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ItemPropertyDialog::LoadAllProperties() {
    load();
    for (const PropertyRow& row : rows_)
        if (row.load) row.load();
    Cancelled = true;
}

void ItemPropertyDialog::disableValues(const QStringList& variables) {
    load();
    for (const PropertyRow& row : rows_) {
        if (!variables.contains(row.variable)) continue;
        for (QWidget* w : row.controls) w->setEnabled(false);
        for (ToolbarButton* b : row.buttons) b->SetEnabled(false);
    }
    for (int tab = 0; tab < SSTab1->Tabs(); ++tab) {
        QWidget* p = SSTab1->page(tab);
        bool editable = false;
        bool inputs = false;
        for (QWidget* w : p->findChildren<QWidget*>()) {
            const bool input =
                qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parent()));
            if (!input || !w->isVisibleTo(p)) continue;
            inputs = true;
            editable = editable || w->isEnabled();
        }
        if (inputs && !editable) SSTab1->SetTabEnabled(tab, false);
    }
}

bool ItemPropertyDialog::SaveAllProperties() {
    for (const PropertyRow& row : rows_) {
        if (!row.check) continue;
        const std::optional<QString> refusal = row.check();
        if (!refusal) continue;
        MsgBox(*refusal, vbExclamation, QStringLiteral("系统提示"));
        for (int tab = 0; tab < SSTab1->Tabs(); ++tab)
            if (SSTab1->page(tab)->isAncestorOf(row.box)) SSTab1->SetTab(tab);
        row.box->setFocus();
        return false;
    }
    for (const PropertyRow& row : rows_)
        if (row.save) row.save();
    return true;
}

void ItemPropertyDialog::pickColour(PropertyTextBox& swatch) {
    CommonDialog1.Color = swatch.BackColor();
    CommonDialog1.Flags = cdlCCRGBInit;
    CommonDialog1.CancelError = false;
    CommonDialog1.ShowColor();
    // A cancelled dialog leaves the colour as it was set above.
    swatch.SetBackColor(CommonDialog1.Color);
}

void ItemPropertyDialog::Command1_Click() {
    pickColour(Text1[13]);
}

void ItemPropertyDialog::Command2_Click() {
    pickColour(Text1[16]);
}

void ItemPropertyDialog::Command3_Click() {
    pickColour(Text1[18]);
}

void ItemPropertyDialog::Command4_Click() {
    if (!SaveAllProperties()) return;
    Cancelled = false;
    unload();
}

void ItemPropertyDialog::Command5_Click() {
    Cancelled = true;
    unload();
}

}  // namespace zelk
