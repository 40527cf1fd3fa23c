#include "propdialogs/frm_field_new.h"

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/resources.h"
#include "platform/twips.h"
#include "rowchanges/transactions.h"

namespace zelk {

namespace {

// The members the dialog sets, by number, over the four item tables.
template <class Row>
struct Cols;
#define ZELK_FIELD_COLS(Record, p)                  \
    template <>                                     \
    struct Cols<Record> {                           \
        static constexpr auto m01 = &Record::p##01; \
        static constexpr auto m02 = &Record::p##02; \
        static constexpr auto m03 = &Record::p##03; \
        static constexpr auto m05 = &Record::p##05; \
        static constexpr auto m06 = &Record::p##06; \
        static constexpr auto m07 = &Record::p##07; \
        static constexpr auto m08 = &Record::p##08; \
        static constexpr auto m09 = &Record::p##09; \
        static constexpr auto m10 = &Record::p##10; \
        static constexpr auto m11 = &Record::p##11; \
        static constexpr auto m12 = &Record::p##12; \
        static constexpr auto m13 = &Record::p##13; \
        static constexpr auto m14 = &Record::p##14; \
    }
ZELK_FIELD_COLS(ISITRecord, ii);
ZELK_FIELD_COLS(IJSTRecord, is);
ZELK_FIELD_COLS(ILITRecord, ii);
ZELK_FIELD_COLS(ILSTRecord, is);
#undef ZELK_FIELD_COLS

// The settings texts of a first item placed on an empty form.
template <class Row>
void setDefaultSettings(Row& row) {
    if constexpr (std::is_same_v<Row, ISITRecord>) {
        setField(row.ii38, "0000000000010");
        setField(row.ii39, "000000100000011");
        setField(row.ii40, "0111000022010");
        setField(row.ii41, "001100111000111");
    } else {
        setField(row.is38, "0000000000010");
        setField(row.is39, "000000100000011");
        setField(row.is40, "0111000022010");
        setField(row.is41, "001100111000111");
    }
}

const QString kCustomPrefix = QStringLiteral("ZDYBQ");

}  // namespace

int customLabelNumber(const QString& boundColumn) {
    const QString tail = boundColumn.mid(kCustomPrefix.size());
    bool allDigits = tail.size() >= 3;
    for (QChar c : tail)
        if (!c.isDigit()) allDigits = false;
    if (allDigits) return tail.toInt();
    const QString lastTwo = boundColumn.right(2);
    int value = 0;
    for (QChar c : lastTwo) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QString customLabelEntry(int highest) {
    return kCustomPrefix + QStringLiteral("%1").arg(highest + 1, 2, 10, QLatin1Char('0')) +
           QStringLiteral("[ 自定义]");
}

frm_field_new::frm_field_new(QWidget* parent)
    : Form(parent),
      Picture1(new QWidget(this)),
      Image1(new QLabel(Picture1)),
      Label2(new QLabel(
          QStringLiteral("增加数据栏目到界面，从可选栏目列表中选择栏目并确定关联栏目的控件类型。"),
          Picture1)),
      SSTab1(new TabStrip(this)),
      Command1(new QPushButton(QStringLiteral("确定"), this)),
      Command2(new QPushButton(QStringLiteral("退出"), this)) {
    setObjectName(QStringLiteral("frm_field_new"));
    setWindowTitle(QStringLiteral("添加新栏目"));
    setFixedSize(twipsToPixels(6015), twipsToPixels(4035));
    Picture1->setAutoFillBackground(true);
    QPalette banner = Picture1->palette();
    banner.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(banner);
    placeTwips(Picture1, 0, 0, 6015, 810);
    placeTwips(Image1, 240, 150, 480, 480);
    // The banner's full height, so that the wrapped second line is never cut off.
    placeTwips(Label2, 1050, 0, 4590, 810);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setWordWrap(true);
    placeTwips(SSTab1, 75, 885, 5820, 2685);
    QWidget* page = SSTab1->AddTab(QStringLiteral("选择栏目"));
    // The tab's own header takes the upper part of the places given on the tab control.
    constexpr double header = 360;
    Label1 = new QLabel(QStringLiteral("选择要添加的栏目"), page);
    placeTwips(Label1, 300, 645 - header, 1710, 240);
    Combo1 = new QComboBox(page);
    placeTwips(Combo1, 2190, 600 - header, 2910, 300);
    Label3 = new QLabel(QStringLiteral("栏目控件类型"), page);
    placeTwips(Label3, 300, 1035 - header, 1680, 255);
    Combo2 = new QComboBox(page);
    placeTwips(Combo2, 2190, 1005 - header, 2925, 300);
    placeTwips(Command1, 3945, 3645, 915, 330);
    placeTwips(Command2, 4890, 3645, 915, 330);

    connect(Command1, &QPushButton::clicked, this,
            Trapped(QStringLiteral("frm_field_new.Command1_Click"), [this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this,
            Trapped(QStringLiteral("frm_field_new.Command2_Click"), [this] { Command2_Click(); }));
}

void frm_field_new::Form_Load() {
    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    Image1->setPixmap(LoadResPicture(QStringLiteral("ID_TIP"), twipsToPixels(480)));
}

void frm_field_new::init(std::int32_t hdbcValue, const QString& systemName,
                         const QString& mainTable, std::int32_t fid, std::int16_t kind) {
    load();
    hdbc = hdbcValue;
    SystemName = systemName;
    MainTable = mainTable;
    InterfaceId = fid;
    InterfaceKind = kind;
    NewItemId = 0;
    switch (kind) {
        case 1:
            LoadISITCandidates();
            break;
        case 2:
            LoadILITCandidates();
            break;
        case 3:
            LoadIJSTCandidates();
            break;
        case 4:
            LoadILSTCandidates();
            break;
        default:
            Combo1->clear();
            break;
    }
    Combo1->setCurrentIndex(-1);
    Combo2->clear();
    for (int k = 1; k <= 13; ++k) {
        static const char* const texts[] = {
            "1-标签控件",     "2-单行编辑框控件",       "3-检查框控件",      "4-下拉框控件",
            "5-日期选择控件", "6-列表控件或检索子表项", "7-不可设置类型",    "8-不可设置类型",
            "9-不可设置类型", "10-文本框控件",          "11-多媒体处理控件", "12-子表项",
            "13-批注类型控件"};
        Combo2->addItem(QString::fromUtf8(texts[k - 1]));
    }
    Combo2->setCurrentIndex(-1);
    Cancelled = true;
}

// Candidates: the system template's rows whose bound column the interface does not show yet.
// The template is named by its number, so no name is spliced into the condition.
void frm_field_new::loadCandidates(const QString& itemTable, const QString& columnPrefix,
                                   const QString& extraGuard) {
    Combo1->clear();
    const std::int32_t systemId =
        sysINDTGetSystemID(hdbc, TrimFixedField(MainTable), TrimFixedField(SystemName));
    if (systemId < 1) return;
    const QString column = columnPrefix + QStringLiteral("02");
    const QString condition =
        QStringLiteral(
            "(II01 = %1) AND (II02 NOT IN (SELECT %2 FROM %3 WHERE %4 = %5 and %2 is "
            "not null%6))")
            .arg(systemId)
            .arg(column, itemTable, columnPrefix + QStringLiteral("01"))
            .arg(InterfaceId)
            .arg(extraGuard);
    const std::int32_t handle = sysISITPrepareGetDataEx(hdbc, condition);
    if (handle <= 0) return;
    ISITRecord row;
    while (sysISITGetRecord(handle, row) > 0) {
        Combo1->addItem(TrimFixedField(fieldText(row.ii03)) + QStringLiteral(" [") +
                            TrimFixedField(fieldText(row.ii02)) + QStringLiteral("]"),
                        row.ii00);
        row = ISITRecord{};
    }
}

void frm_field_new::LoadISITCandidates() {
    loadCandidates(QStringLiteral("ISIT"), QStringLiteral("II"), QString());
    addCustomLabelEntry();
}

void frm_field_new::LoadILITCandidates() {
    loadCandidates(QStringLiteral("ILIT"), QStringLiteral("II"), QStringLiteral(" and II02<>''"));
}

void frm_field_new::LoadIJSTCandidates() {
    loadCandidates(QStringLiteral("IJST"), QStringLiteral("IS"), QStringLiteral(" and IS02<>''"));
}

void frm_field_new::LoadILSTCandidates() {
    loadCandidates(QStringLiteral("ILST"), QStringLiteral("IS"), QString());
}

void frm_field_new::addCustomLabelEntry() {
    int highest = 0;
    const std::int32_t handle = sysISITPrepareGetDataEx(
        hdbc, QStringLiteral("II01 = %1 and II02 is not null and II02 <>'' and "
                             "left(II02,5)='ZDYBQ' ")
                  .arg(InterfaceId));
    if (handle > 0) {
        ISITRecord row;
        while (sysISITGetRecord(handle, row) > 0)
            highest = std::max(highest, customLabelNumber(TrimFixedField(fieldText(row.ii02))));
    }
    Combo1->addItem(customLabelEntry(highest), 0);
}

void frm_field_new::Command1_Click() {
    if (Combo1->currentText().isEmpty()) {
        MsgBox(QStringLiteral("请选择栏目名称！"), vbInformation, QStringLiteral("提示"));
        return;
    }
    if (Combo2->currentText().isEmpty()) {
        MsgBox(QStringLiteral("请选择栏目类型！"), vbInformation, QStringLiteral("提示"));
        return;
    }
    bool ok = false;
    try {
        switch (InterfaceKind) {
            case 1:
                ok = InsertISITField();
                break;
            case 2:
                ok = InsertILITField();
                break;
            case 3:
                ok = InsertIJSTField();
                break;
            case 4:
                ok = InsertILSTField();
                break;
            default:
                ok = false;
                break;
        }
    } catch (...) {
        ok = false;
    }
    if (!ok) {
        MsgBox(QStringLiteral("增加栏目失败，请检查数据库是否已经断开或连接是否正常后重试！"),
               vbInformation, QStringLiteral("系统提示"));
        return;
    }
    Cancelled = false;
    unload();
}

void frm_field_new::Command2_Click() {
    Cancelled = true;
    unload();
}

bool frm_field_new::chosenField(QString& bound, QString& caption, QByteArray& boundRaw,
                                QByteArray& captionRaw) {
    const std::int32_t id = Combo1->currentData().toInt();
    if (id > 0) {
        ISITRecord templateRow;
        if (sysISITGetItem(hdbc, templateRow, id) < 1) return false;
        boundRaw = QByteArray(templateRow.ii02.data(), templateRow.ii02.size());
        captionRaw = QByteArray(templateRow.ii03.data(), templateRow.ii03.size());
        return true;
    }
    const QString text = Combo1->currentText();
    const int bracket = text.indexOf(QLatin1Char('['));
    bound = text.left(bracket);
    caption = text.mid(bracket + 1).chopped(1);
    return true;
}

template <class Row>
bool frm_field_new::insertField(std::int32_t (*prepare)(std::int32_t, const QString&),
                                std::int32_t (*fetch)(std::int32_t, Row&),
                                std::int32_t (*insert)(std::int32_t, Row&),
                                const QString& condition) {
    using C = Cols<Row>;
    const QString kind = QString::number(Combo2->currentIndex() + 1);
    return ChangeInterfaceItems(hdbc, InterfaceId, [&] {
        QString bound, caption;
        QByteArray boundRaw, captionRaw;
        if (!chosenField(bound, caption, boundRaw, captionRaw)) return false;
        const std::int32_t handle = prepare(hdbc, condition);
        if (handle <= 0) return false;
        Row row;
        const bool placed = fetch(handle, row) > 0;
        odbc_FreeStmtHandle(handle);
        if (!placed) row = Row{};
        if (boundRaw.isNull()) {
            setField(row.*C::m02, bound);
            setField(row.*C::m03, caption);
        } else {
            // The template's texts are copied whole, as stored.
            copyFieldBytes((row.*C::m02).data(), (row.*C::m02).size(), boundRaw.constData(),
                           static_cast<std::size_t>(boundRaw.size()));
            copyFieldBytes((row.*C::m03).data(), (row.*C::m03).size(), captionRaw.constData(),
                           static_cast<std::size_t>(captionRaw.size()));
        }
        setField(row.*C::m06, kind);
        constexpr bool itemForm =
            std::is_same_v<Row, ISITRecord> || std::is_same_v<Row, IJSTRecord>;
        const std::int32_t bottom = row.*C::m14;
        const std::int32_t labelBottom = row.*C::m10;
        if (!placed) row.*C::m01 = InterfaceId;
        if constexpr (itemForm) {
            if (!placed) {
                setField(row.*C::m05, "1");
                row.*C::m07 = 210, row.*C::m08 = 210, row.*C::m09 = 1710, row.*C::m10 = 570;
                row.*C::m11 = 1740, row.*C::m12 = 210, row.*C::m13 = 4740, row.*C::m14 = 570;
                setDefaultSettings(row);
            } else if constexpr (std::is_same_v<Row, ISITRecord>) {
                setField(row.*C::m05, "1");
                row.*C::m07 = 210, row.*C::m08 = bottom + 150, row.*C::m09 = 1710;
                row.*C::m10 = bottom + 500;
                row.*C::m11 = 1740, row.*C::m12 = bottom + 150, row.*C::m14 = bottom + 500;
            } else {
                row.*C::m08 = labelBottom + 150, row.*C::m10 = labelBottom + 500;
                row.*C::m12 = bottom + 150, row.*C::m14 = bottom + 500;
            }
        } else {
            if (!placed) row.*C::m07 = 1440;
            row.*C::m08 = placed ? labelBottom + 150 : 0;
            row.*C::m10 = placed ? labelBottom + 500 : 0;
            row.*C::m12 = placed ? bottom + 150 : 0;
            row.*C::m14 = placed ? bottom + 500 : 0;
        }
        const std::int32_t key = insert(hdbc, row);
        if (key < 1) return false;
        NewItemId = key;
        return true;
    });
}

namespace {

QString referenceCondition(const QString& table, const QString& p, std::int32_t fid) {
    // Bound: a column that is neither null nor empty (the library stores an empty text as such).
    return QStringLiteral(
               "(%1 = %3) AND (%2 IN  (SELECT MAX(%2)  FROM %4  WHERE %1 = %3 and not "
               "%5 is null and %5 <> '' ))")
        .arg(p + QStringLiteral("01"), p + QStringLiteral("14"))
        .arg(fid)
        .arg(table, p + QStringLiteral("02"));
}

}  // namespace

bool frm_field_new::InsertISITField() {
    return insertField<ISITRecord>(sysISITPrepareGetDataEx, sysISITGetRecord, sysISITInsertRecord,
                                   referenceCondition("ISIT", "II", InterfaceId));
}

bool frm_field_new::InsertILITField() {
    return insertField<ILITRecord>(sysILITPrepareGetDataEx, sysILITGetRecord, sysILITInsertRecord,
                                   referenceCondition("ILIT", "II", InterfaceId));
}

bool frm_field_new::InsertIJSTField() {
    return insertField<IJSTRecord>(sysIJSTPrepareGetDataEx, sysIJSTGetRecord, sysIJSTInsertRecord,
                                   referenceCondition("IJST", "IS", InterfaceId));
}

bool frm_field_new::InsertILSTField() {
    return insertField<ILSTRecord>(sysILSTPrepareGetDataEx, sysILSTGetRecord, sysILSTInsertRecord,
                                   referenceCondition("ILST", "IS", InterfaceId));
}

}  // namespace zelk
