#pragma once
// "界面数据导入/导出": exports interfaces of the current main table's classes to a package file and
// imports the interfaces of a package into chosen classes. While a run goes on every command but
// that page's "终止" is disabled, and the close box asks the run to stop instead of closing.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <cstdint>

#include "platform/controls/imagelist.h"
#include "platform/controls/progressbar.h"
#include "platform/controls/reportview.h"
#include "platform/controls/splitter.h"
#include "platform/controls/tabstrip.h"
#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

class frm_zelk_ibr : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_ibr(QWidget* parent = nullptr);
    ~frm_zelk_ibr() override;

    // Stores the connection and the context; the load step uses them.
    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& username, const QString& classname);

    // Window state.
    std::int32_t hdbc = 0;
    QString systemname;
    QString maintable;
    QString username;
    QString classname;
    bool StopRequested = false;
    std::int16_t ImportInsertCount = 0;
    // Interface lines of the package read last (element k-1 for ListView4 row k) and its file.
    QStringList PackageIndtLines;
    QString PackagePath;

    // Controls.
    TabStrip* SSTab2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command3 = nullptr;
    // Export page.
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    Splitter* SSSplitter_New = nullptr;
    ReportView* ListView_In = nullptr;
    QWidget* Picture_new = nullptr;
    QPushButton* cmdSelectAll = nullptr;
    QPushButton* cmdClear = nullptr;
    ReportView* ListView1 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QPushButton* Command6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbInfo = nullptr;
    ProgressBar* prg = nullptr;
    QLabel* lblnum = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    // Import page.
    QLabel* Label8 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QPushButton* Command9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    Splitter* SSSplitter1 = nullptr;
    ReportView* ListView5 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label5 = nullptr;
    ReportView* ListView_Out = nullptr;
    ReportView* ListView4 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    ProgressBar* prgin = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    // Popup menu of the interface lists.
    QMenu* mnu_pop = nullptr;
    QAction* mnu_selectall = nullptr;
    QAction* mnu_unselect = nullptr;

    ImageList ImageList1;
    CommonDialog dlg;

    // Class lists and the export list.
    void GetSdsdValue(const QString& maintable, const QString& classname, const QString& rootText,
                      ReportView* list);
    void LoadClassInterfaces(const QString& maintable, const QString& classname,
                             const QString& systemname);
    void RefreshExportInterfaces();
    // The package's header into ListView5 and its interfaces into ListView4; false when the
    // package was refused (after its message).
    bool ReadPackageHeader(const QString& fileName);

    // Handlers.
    void ListView_In_ItemCheck(ListItem* item);
    void cmdSelectAll_Click();
    void cmdClear_Click();
    void ListView1_DblClick();
    void ListView1_MouseUp(int button, int shift, double x, double y);
    void ListView4_Click();
    void ListView4_DblClick();
    void ListView4_MouseUp(int button, int shift, double x, double y);
    void mnu_selectall_Click();
    void mnu_unselect_Click();
    void ComboBox3_Change();
    void Command6_Click();
    void Command9_Click();
    void Command2_Click();
    void Command11_Click();
    void Command4_Click();
    void Command12_Click();
    void Command3_Click();
    void Picture1_Resize();

    // True while an export or import runs.
    bool isRunning() const { return running_; }

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class PageSink;
    void layoutControls();
    void connectHandlers();
    // Disables every command but the running page's stop button, or enables them again.
    void setRunning(bool running, QPushButton* stopButton);
    QString classOfRow(const QString& text) const;
    void tickAll(bool on);
    // The information list's columns fit the package's values, and its pane widens for them as far
    // as the package list keeps its name column in view.
    void showPackageInfoWhole();
    // The save-file (export) or open-file dialog into a name box; false when nothing was chosen.
    bool choosePackageFile(QComboBox* box, bool save);

    bool running_ = false;
    QList<QWidget*> disabledForRun_;
    QList<bool> enabledBeforeRun_;
};

}  // namespace zelk
