// The transfer window's handlers: class lists, export list, package lists, browsing, the two runs.

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/suitedatasource.h"
#include "platform/errors.h"
#include "platform/pointer.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "transfer/frm_zelk_ibr.h"
#include "transfer/packageexport.h"
#include "transfer/packageheader.h"
#include "transfer/packageimport.h"
#include "transfer/packagelines.h"

namespace zelk {

namespace {

const QString kCommonSection = QStringLiteral("COMMON");
const QString kPackageFolderKey = QStringLiteral("packagepath");

// Where the package dialogs start: the folder of the last package saved or opened, else the
// user's documents.
QString packageFolder() {
    const QString last = GetSetting(kSettingsApplication, kCommonSection, kPackageFolderKey);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

// One page's status text, progress bar and counter, as a run sees them.
class frm_zelk_ibr::PageSink : public TransferSink {
  public:
    PageSink(frm_zelk_ibr& form, QLabel* status, ProgressBar* bar, QLabel* counter)
        : form_(form), status_(status), bar_(bar), counter_(counter) {}
    void setStatus(const QString& text) override {
        status_->setText(text);
        // As many lines as the text takes.
        status_->resize(status_->width(), status_->heightForWidth(status_->width()));
    }
    void setProgressVisible(bool visible) override { bar_->setVisible(visible); }
    void setProgressMax(int maximum) override { bar_->SetMax(maximum); }
    void setProgressValue(int value) override { bar_->SetValue(value); }
    int progressValue() const override { return bar_->Value(); }
    void setCounterVisible(bool visible) override { counter_->setVisible(visible); }
    void setCounter(const QString& text) override {
        counter_->setText(text);
        counter_->adjustSize();
    }
    void pumpEvents() override { DoEvents(); }
    bool stopRequested() const override { return form_.StopRequested; }
    void setStopRequested(bool on) override { form_.StopRequested = on; }

  private:
    frm_zelk_ibr& form_;
    QLabel* status_;
    ProgressBar* bar_;
    QLabel* counter_;
};

void frm_zelk_ibr::Form_Load() {
    ImageList1.Clear();
    for (const char* name : {"ID_TEMP2", "ID_TEMP1", "ID_TEMP2"})
        ImageList1.Add(QString::fromLatin1(name));
    for (ReportView* list : {ListView1, ListView4}) {
        list->SetSmallIcons(&ImageList1);
        list->SetIcons(&ImageList1);
    }
    for (QPushButton* browse : {Command9, Command6})
        browse->setIcon(QIcon(LoadResPicture(QStringLiteral("ID_OPEN"))));
    setWindowIcon(LoadResIcon(QStringLiteral("ID_FORM")));
    LoadClassInterfaces(maintable, classname, systemname);
    ListView5->Clear();
    for (const char* name : {"系统名称", "主表名称", "数据分类名称", "用户名称", "导出时间"})
        ListView5->Add(0, QString(), QString::fromUtf8(name));
    for (ReportView* list : {ListView1, ListView4, ListView5, ListView_In, ListView_Out})
        ToggleHeaderButtons(this, list);
    GetSdsdValue(maintable, classname, systemname, ListView_In);
    GetSdsdValue(maintable, classname, systemname, ListView_Out);
    ImportInsertCount = 0;
    StopRequested = false;
}

QString frm_zelk_ibr::classOfRow(const QString& text) const {
    return text == systemname ? QString() : text;
}

void frm_zelk_ibr::GetSdsdValue(const QString& maintable_, const QString& classname_,
                                const QString& rootText, ReportView* list) {
    ListItem* root = list->Add(0, QString(), rootText);
    const std::int32_t handle = sysBufferTablePrepareGetData(
        hdbc, QStringLiteral("select ss04 from sdsd where ss01=") + sqlQuote(maintable_));
    root->SetChecked(true);
    for (std::int32_t row = sysBufferTableGetRecord(handle); row >= 1;
         row = sysBufferTableGetRecord(row)) {
        QString value;
        sysBufferTableGetData(row, 1, value);
        const QString name = TrimFixedField(value);
        ListItem* item = list->Add(0, QString(), name);
        if (name == classname_) {
            root->SetChecked(false);
            item->SetChecked(true);
        }
    }
}

void frm_zelk_ibr::LoadClassInterfaces(const QString& maintable_, const QString& classname_,
                                       const QString& systemname_) {
    const std::int32_t handle = sysINDTPrepareGetData(hdbc, systemname_, maintable_, classname_);
    if (handle <= 0) return;
    INDTRecord r;
    while (sysINDTGetRecord(handle, r) >= 1) {
        // A kind no package reader takes is not offered for export.
        const std::optional<int> kind = transferKindCode(r);
        if (!kind) continue;
        const TransferKind& names = TransferKindNames(*kind);
        ListItem* item = ListView1->Add(0, QString(), fieldText(r.id03), names.icon, names.icon);
        item->SetSubItems(1, names.name);
        item->SetSubItems(2, fieldText(r.id06));
        item->SetSubItems(3, fieldText(r.id07));
        item->SetSubItems(4, fieldText(r.id09));
        item->SetTag(QString::number(r.id00));
    }
}

void frm_zelk_ibr::RefreshExportInterfaces() {
    ListView1->Clear();
    for (int i = 1; i <= ListView_In->Count(); ++i) {
        ListItem* row = ListView_In->Item(i);
        if (row->Checked()) LoadClassInterfaces(maintable, classOfRow(row->Text()), systemname);
    }
}

void frm_zelk_ibr::ListView_In_ItemCheck(ListItem* item) {
    if (running_ || !item) return;
    if (item->Checked())
        LoadClassInterfaces(maintable, classOfRow(item->Text()), systemname);
    else
        RefreshExportInterfaces();
}

void frm_zelk_ibr::cmdSelectAll_Click() {
    ListView1->Clear();
    for (int i = 1; i <= ListView_In->Count(); ++i) {
        ListItem* row = ListView_In->Item(i);
        row->SetChecked(true);
        LoadClassInterfaces(maintable, classOfRow(row->Text()), systemname);
    }
}

void frm_zelk_ibr::cmdClear_Click() {
    ListView1->Clear();
    for (int i = 1; i <= ListView_In->Count(); ++i) ListView_In->Item(i)->SetChecked(false);
}

void frm_zelk_ibr::ListView1_DblClick() {
    if (ListItem* item = ListView1->SelectedItem()) item->SetChecked(!item->Checked());
}

void frm_zelk_ibr::ListView4_Click() {
    Command11->setEnabled(false);
    for (int i = 1; i <= ListView4->Count(); ++i) {
        if (ListView4->Item(i)->Checked()) {
            Command11->setEnabled(true);
            break;
        }
    }
}

void frm_zelk_ibr::ListView4_DblClick() {
    if (ListView4->Count() == 0) return;
    if (ListItem* item = ListView4->SelectedItem()) item->SetChecked(!item->Checked());
}

void frm_zelk_ibr::ListView1_MouseUp(int button, int, double, double) {
    if (button == 2 && !running_) mnu_pop->popup(QCursor::pos());
}

void frm_zelk_ibr::ListView4_MouseUp(int button, int, double, double) {
    if (button == 2 && !running_) mnu_pop->popup(QCursor::pos());
}

void frm_zelk_ibr::tickAll(bool on) {
    if (running_) return;
    ReportView* list = SSTab2->Tab() == 0 ? ListView1 : ListView4;
    for (int i = 1; i <= list->Count(); ++i) list->Item(i)->SetChecked(on);
}

void frm_zelk_ibr::mnu_selectall_Click() {
    tickAll(true);
}

void frm_zelk_ibr::mnu_unselect_Click() {
    tickAll(false);
}

void frm_zelk_ibr::ComboBox3_Change() {
    Command2->setEnabled(!ComboBox3->currentText().isEmpty());
}

bool frm_zelk_ibr::choosePackageFile(QComboBox* box, bool save) {
    dlg.DialogTitle = save ? QStringLiteral("导出界面包") : QStringLiteral("打开界面包");
    dlg.InitDir = packageFolder();
    // A cancelled dialog chooses nothing, whatever name it still holds.
    dlg.CancelError = true;
    try {
        if (save)
            dlg.ShowSave();
        else
            dlg.ShowOpen();
    } catch (const ZelkError& error) {
        if (error.number() == kErrCancel) return false;
        throw;
    }
    if (dlg.FileName.isEmpty()) return false;
    SaveSetting(kSettingsApplication, kCommonSection, kPackageFolderKey,
                QFileInfo(dlg.FileName).absolutePath());
    box->addItem(dlg.FileName);
    box->setEditText(dlg.FileName);
    return true;
}

void frm_zelk_ibr::Command6_Click() {
    choosePackageFile(ComboBox3, true);
}

void frm_zelk_ibr::Command9_Click() {
    dlg.Filter = QStringLiteral("*.idf(界面文件)|*.idf");
    if (!choosePackageFile(ComboBox4, false)) return;
    // A refused package has had its message; an empty one gets this one.
    if (ReadPackageHeader(dlg.FileName) && ListView4->Count() == 0)
        MsgBox(QStringLiteral("界面包中没有包含界面数据！"), vbOKOnly | vbExclamation,
               QStringLiteral("系统提示"));
}

bool frm_zelk_ibr::ReadPackageHeader(const QString& fileName) {
    PackageHeader header;
    if (const auto refusal = readPackageHeader(fileName, header)) {
        // A refused package leaves the page as it was.
        MsgBox(refusal->text, refusal->style, refusal->title);
        return false;
    }
    for (int i = 0; i < 5; ++i)
        ListView5->Item(i + 1)->SetSubItems(1, header.values[static_cast<std::size_t>(i)]);
    ListView4->Clear();
    for (std::size_t k = 0; k < header.records.size(); ++k) {
        const INDTRecord& r = header.records[k];
        const TransferKind& kind = TransferKindNames(header.kinds[k]);
        ListItem* item = ListView4->Add(0, QString(), fieldText(r.id03), kind.icon, kind.icon);
        item->SetSubItems(1, kind.name);
        item->SetSubItems(2, fieldText(r.id02));
        item->SetSubItems(3, fieldText(r.id06));
        item->SetSubItems(4, fieldText(r.id07));
        item->SetSubItems(5, fieldText(r.id09));
        item->setToolTip(0, QString::number(r.id00));
    }
    PackageIndtLines = header.indtLines;
    PackagePath = header.path;
    showPackageInfoWhole();
    return true;
}

void frm_zelk_ibr::showPackageInfoWhole() {
    ListView5->FitColumnsToContents();
    const double both = SSSplitter1->PaneSize(1) + SSSplitter1->PaneSize(2);
    // The package list's name column with the list's frame and scroll bar.
    const double names = ListView4->Column(1)->Width() +
                         pixelsToTwips(ListView4->width() - ListView4->viewport()->width());
    const double wanted = pixelsToTwips(WidthShowingAll(*ListView5));
    // Never narrower than the user or the layout left it.
    const double left = std::min(std::max(SSSplitter1->PaneSize(1), wanted), both - names);
    if (left <= SSSplitter1->PaneSize(1)) return;
    const int before = ListView4->x();
    SSSplitter1->SetPaneSize(1, left);
    SSSplitter1->SetPaneSize(2, both - left);
    // The package list's caption goes with it.
    Label9->move(Label9->x() + ListView4->x() - before, Label9->y());
}

void frm_zelk_ibr::Command2_Click() {
    if (running_) return;
    ExportRequest request{ComboBox3->currentText(), systemname, maintable, classname, username,
                          ListView1->Count() == 0,  {}};
    for (int i = 1; i <= ListView1->Count(); ++i) {
        const ListItem* row = ListView1->Item(i);
        if (row->Checked())
            request.ticked.push_back({row->Tag().toInt(), row->SubItems(1), row->Text()});
    }
    Command2->hide();
    Command4->show();
    StopRequested = false;
    setRunning(true, Command4);
    PageSink sink(*this, lbInfo, prg, lblnum);
    bool finished = false;
    QString detail;
    try {
        ExportPackage(hdbc, request, sink);
        finished = true;
    } catch (const TransferFailure& failure) {
        detail = failure.detail();
    } catch (const std::exception&) {
    }
    setRunning(false, Command4);
    Command2->show();
    Command4->hide();
    if (!finished) {
        QString text = QStringLiteral("不能读写或创建指定文件！");
        if (!detail.isEmpty()) text += QStringLiteral("\n") + detail;
        MsgBox(text, vbOKOnly, QStringLiteral("提示"));
        return;
    }
    if (Check1->isChecked()) unload();
}

void frm_zelk_ibr::Command11_Click() {
    if (running_) return;
    // The run works on the package the lists came from and the ticks of this moment.
    ImportRequest request{PackagePath, PackageIndtLines, {}, {}, systemname};
    for (int i = 1; i <= ListView4->Count(); ++i) {
        const ListItem* row = ListView4->Item(i);
        if (row->Checked()) request.ticked.push_back({i, row->SubItems(1), row->Text()});
    }
    for (int j = 1; j <= ListView_Out->Count(); ++j)
        if (ListView_Out->Item(j)->Checked()) request.destinations << ListView_Out->Item(j)->Text();
    Command11->hide();
    Command12->show();
    setRunning(true, Command12);
    PageSink sink(*this, Label13, prgin, Label1);
    bool finished = false;
    QString detail;
    try {
        ImportPackage(hdbc, request, sink);
        finished = true;
    } catch (const TransferFailure& failure) {
        detail = failure.detail();
    } catch (const std::exception&) {
    }
    ImportInsertCount = 0;
    setRunning(false, Command12);
    Command11->show();
    Command12->hide();
    if (!finished) {
        QString text = QStringLiteral("数据导入时发生错误，操作终止！");
        if (!detail.isEmpty()) text += QStringLiteral("\n") + detail;
        MsgBox(text, vbOKOnly | vbExclamation, QStringLiteral("提示"));
        return;
    }
    if (Check1->isChecked()) unload();
}

void frm_zelk_ibr::Command4_Click() {
    StopRequested = true;
}

void frm_zelk_ibr::Command12_Click() {
    StopRequested = true;
}

void frm_zelk_ibr::Command3_Click() {
    unload();
}

}  // namespace zelk
