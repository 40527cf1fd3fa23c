#include "management/frm_zelk_flmb.h"

#include <QCoreApplication>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "management/classtemplate.h"
#include "platform/controls/reportrows.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/resources.h"
#include "platform/twips.h"

namespace zelk {

namespace {

const QString kSystemPrompt = QStringLiteral("系统提示");

void addRow(ReportView* list, int index, const QString& key, const QString& text,
            const QString& column) {
    ListItem* row = list->Add(index, key, text);
    row->SetSubItems(1, column);
}

void setupList(ReportView* list, const QString& tip) {
    list->setToolTip(tip);
    list->AddColumn(QString(), QStringLiteral("栏目名称"), 1800);
    list->AddColumn(QString(), QStringLiteral("内部列名"), 1200);
    list->SetFullRowSelect(true);
    list->SetHideSelection(false);
}

}  // namespace

frm_zelk_flmb::frm_zelk_flmb(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frm_zelk_flmb"));
    setWindowTitle(QStringLiteral("模板"));
    setFixedSize(twipsToPixels(8400), twipsToPixels(6840));
    Frame1 = new QGroupBox(QStringLiteral("属性"), this);
    placeTwips(Frame1, 120, 60, 8160, 1260);
    Label1 = new QLabel(QStringLiteral("名称"), Frame1);
    placeTwips(Label1, 240, 330, 700, 255);
    Text1 = new QLineEdit(Frame1);
    placeTwips(Text1, 960, 300, 6960, 315);
    Label2 = new QLabel(QStringLiteral("说明"), Frame1);
    placeTwips(Label2, 240, 780, 700, 255);
    Text2 = new QLineEdit(Frame1);
    placeTwips(Text2, 960, 750, 6960, 315);
    txtID = new QLineEdit(QStringLiteral("0"), this);
    txtID->setVisible(false);

    Frame2 = new QGroupBox(QStringLiteral("栏目"), this);
    placeTwips(Frame2, 120, 1380, 8160, 4440);
    SRCListView = new ReportView(Frame2);
    setupList(SRCListView, QStringLiteral("可供选择的栏目"));
    placeTwips(SRCListView, 120, 300, 3300, 4020);
    DSNListView = new ReportView(Frame2);
    setupList(DSNListView, QStringLiteral("模板中包含的栏目"));
    placeTwips(DSNListView, 4200, 300, 3300, 4020);
    const auto button = [this](const char* text, const char* tip, double top) {
        auto* b = new QPushButton(QString::fromUtf8(text), Frame2);
        b->setToolTip(QString::fromUtf8(tip));
        placeTwips(b, 3540, top, 540, 375);
        return b;
    };
    Command10 = button(">", "选择一条栏目", 1020);
    Command11 = button(">>", "选择全部栏目", 1500);
    Command12 = button("<", "移走一条栏目", 2220);
    Command13 = button("<<", "移走全部栏目", 2700);
    Command8 = new QPushButton(Frame2);
    Command8->setToolTip(QStringLiteral("将条目位置上移"));
    placeTwips(Command8, 7620, 1500, 420, 420);
    Command7 = new QPushButton(Frame2);
    Command7->setToolTip(QStringLiteral("将条目下移"));
    placeTwips(Command7, 7620, 2040, 420, 420);

    Check1 = new QCheckBox(QStringLiteral("保存后自动退出"), this);
    placeTwips(Check1, 180, 6060, 2100, 300);
    prg1 = new ProgressBar(this);
    placeTwips(prg1, 2400, 6060, 3300, 270);
    prg1->setVisible(false);
    Command1 = new QPushButton(QStringLiteral("保存"), this);
    placeTwips(Command1, 5940, 6000, 1095, 375);
    Command2 = new QPushButton(QStringLiteral("退出"), this);
    placeTwips(Command2, 7140, 6000, 1095, 375);

    const auto hook = [this](QPushButton* b, const char* name, auto handler) {
        connect(b, &QPushButton::clicked, this,
                Trapped(QStringLiteral("frm_zelk_flmb.") + QString::fromLatin1(name), handler));
    };
    hook(Command10, "Command10_Click", [this] { MoveFieldToTemplate(); });
    hook(Command11, "Command11_Click", [this] { MoveAllFieldsToTemplate(); });
    hook(Command12, "Command12_Click", [this] { RemoveFieldFromTemplate(); });
    hook(Command13, "Command13_Click", [this] { RemoveAllFieldsFromTemplate(); });
    hook(Command7, "Command7_Click", [this] { Command7_Click(); });
    hook(Command8, "Command8_Click", [this] { Command8_Click(); });
    hook(Command1, "Command1_Click", [this] { Command1_Click(); });
    hook(Command2, "Command2_Click", [this] { Command2_Click(); });
    connect(SRCListView, &ReportView::DblClick, this,
            Trapped(QStringLiteral("frm_zelk_flmb.SRCListView_DblClick"),
                    [this] { MoveFieldToTemplate(); }));
    connect(DSNListView, &ReportView::DblClick, this,
            Trapped(QStringLiteral("frm_zelk_flmb.DSNListView_DblClick"),
                    [this] { RemoveFieldFromTemplate(); }));
}

void frm_zelk_flmb::Form_Load() {
    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    Command8->setIcon(LoadResIcon(QStringLiteral("ID_TOP")));
    Command7->setIcon(LoadResIcon(QStringLiteral("ID_BOTTOM")));
}

void frm_zelk_flmb::Form_QueryUnload(int& cancel, int) {
    // The save runs to its end.
    if (saving_) cancel = 1;
}

void frm_zelk_flmb::init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
                         const QString& classname, std::int32_t templateId) {
    load();
    hdbc_ = hdbc;
    systemName_ = systemname;
    mainTable_ = maintable;
    className_ = classname;
    templateId_ = templateId;
    if (templateId > 0) LoadTemplateFields(templateId);
    LoadSystemTemplateFields();
}

void frm_zelk_flmb::LoadTemplateFields(std::int32_t id) {
    const std::int32_t handle = sysISITPrepareGetData(hdbc_, id);
    ISITRecord r;
    while (sysISITGetRecord(handle, r) > 0) {
        const QString caption = TrimFixedField(fieldText(r.ii03));
        addRow(DSNListView, 0, QStringLiteral("record") + QString::number(r.ii00),
               caption.isEmpty() ? QStringLiteral("未定义栏目") : caption,
               TrimFixedField(fieldText(r.ii02)));
        r = ISITRecord{};
    }
}

void frm_zelk_flmb::LoadSystemTemplateFields() {
    TableDefineRecord table;
    if (sysTableGetDefine(hdbc_, mainTable_, table) < 1) {
        MsgBox(QStringLiteral("无法查询主表定义，请检查数据库是否启动！"), vbCritical,
               QStringLiteral("系统信息"));
        return;
    }
    const std::int32_t systemId = sysINDTGetSystemID(hdbc_, mainTable_, systemName_);
    if (systemId < 1) {
        MsgBox(QStringLiteral("系统模板未定义，请先定义系统模板..."), vbExclamation, kSystemPrompt);
        return;
    }
    // The four columns the system keeps itself are never offered.
    const std::array<QByteArray, 4> kept{
        QByteArray(table.m08.data(), 10), QByteArray(table.m09.data(), 10),
        QByteArray(table.m10.data(), 10), QByteArray(table.m11.data(), 10)};
    const std::int32_t handle = sysISITPrepareGetData(hdbc_, systemId);
    ISITRecord r;
    while (sysISITGetRecord(handle, r) > 0) {
        const QByteArray whole(r.ii02.data(), 10);
        const QString caption = TrimFixedField(fieldText(r.ii03));
        const QString column = TrimFixedField(fieldText(r.ii02));
        const bool systemColumn = std::find(kept.begin(), kept.end(), whole) != kept.end();
        if (!systemColumn && !caption.isEmpty() &&
            !DSNListView->FindItem(column, ReportView::FindWhere::SubItem))
            addRow(SRCListView, 0, QStringLiteral("record") + QString::number(r.ii00), caption,
                   column);
        r = ISITRecord{};
    }
}

// A single row goes in front of the other list's selected row.
void frm_zelk_flmb::MoveFieldToTemplate() {
    moveSelectedReportRow(*SRCListView, *DSNListView, true);
}

void frm_zelk_flmb::MoveAllFieldsToTemplate() {
    moveAllReportRows(*SRCListView, *DSNListView);
}

void frm_zelk_flmb::RemoveFieldFromTemplate() {
    moveSelectedReportRow(*DSNListView, *SRCListView, true);
}

void frm_zelk_flmb::RemoveAllFieldsFromTemplate() {
    moveAllReportRows(*DSNListView, *SRCListView);
}

void frm_zelk_flmb::Command7_Click() {
    swapSelectedReportRow(*DSNListView, 1);
}

void frm_zelk_flmb::Command8_Click() {
    swapSelectedReportRow(*DSNListView, -1);
}

bool frm_zelk_flmb::DeleteTemplateData(std::int32_t id) {
    return zelk::DeleteTemplateData(hdbc_, id);
}

void frm_zelk_flmb::setCommandsEnabled(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, Command2, Command7, Command8,
                                                      Command10, Command11, Command12, Command13,
                                                      SRCListView, DSNListView, Text1, Text2})
        w->setEnabled(on);
}

bool frm_zelk_flmb::SaveTemplate() {
    if (DSNListView->Count() == 0) return false;
    std::vector<ClassTemplateField> fields;
    for (int i = 1; i <= DSNListView->Count(); ++i)
        fields.push_back({DSNListView->Item(i)->SubItems(1), DSNListView->Item(i)->Text()});
    std::int32_t id = CreateMode ? 0 : templateId_;
    saving_ = true;
    setCommandsEnabled(false);
    bool saved = false;
    try {
        saved = SaveClassTemplate(hdbc_, systemName_, mainTable_, className_, id, Text1->text(),
                                  Text2->text(), fields, [this](int value) {
                                      prg1->SetValue(value);
                                      QCoreApplication::processEvents();
                                  });
    } catch (...) {
        saving_ = false;
        setCommandsEnabled(true);
        throw;
    }
    saving_ = false;
    setCommandsEnabled(true);
    if (saved) {
        // Further saves rewrite the template just made.
        templateId_ = id;
        CreateMode = false;
    }
    return saved;
}

void frm_zelk_flmb::Command1_Click() {
    if (Text1->text().trimmed().isEmpty())
        Text1->setText(QStringLiteral("[") + className_ + QStringLiteral("]分类模板"));
    if (DSNListView->Count() == 0) {
        MsgBox(QStringLiteral("请先选择模板中包含的栏目"), vbExclamation, kSystemPrompt);
        return;
    }
    prg1->SetMax(DSNListView->Count() + 1);
    prg1->setVisible(true);
    bool saved = false;
    try {
        saved = SaveTemplate();
    } catch (...) {
        prg1->setVisible(false);
        throw;
    }
    prg1->setVisible(false);
    if (Check1->isChecked() && saved) unload();
}

void frm_zelk_flmb::Command2_Click() {
    unload();
}

}  // namespace zelk
