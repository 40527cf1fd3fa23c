#pragma once
// "系统界面管理模块": the main window. Under a toolbar it shows the tree of the system's tables,
// the class tree of the current main table and the embedded interface manager; it keeps the
// context of the work, decides which manager commands the user may run, turns toolbar clicks
// into manager commands, opens the package transfer window and relays help requests.

#include <cstdint>

#include <QFrame>
#include <QLabel>
#include <QString>

#include "platform/controls/imagelist.h"
#include "platform/controls/keyedtoolbar.h"
#include "platform/controls/keyedtree.h"
#include "platform/controls/splitter.h"
#include "platform/form.h"

namespace zelk {

class ClassTree;
class frm_zelk_ljgl;

class frm_zelk_main : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_main(QWidget* parent = nullptr);
    ~frm_zelk_main() override;

    // ---- Controls ----
    QFrame* CoolBar1 = nullptr;
    KeyedToolbar* tlb_IM = nullptr;
    ImageList ImageList3;
    Splitter* SSSplitter1 = nullptr;
    Splitter* LeftPanes = nullptr;  // Picture3 above Picture1
    QFrame* Picture3 = nullptr;
    QFrame* Picture4 = nullptr;
    QLabel* Label2 = nullptr;  // "系统数据存储表"
    QFrame* Picture5 = nullptr;
    KeyedTree* TreeView1 = nullptr;
    ImageList ImageList1;
    QFrame* Picture1 = nullptr;
    QFrame* Picture6 = nullptr;
    QLabel* Label1 = nullptr;  // "数据分类树"
    QFrame* Picture7 = nullptr;
    QFrame* Picture2 = nullptr;

    // Help topic sent with NeedHelp; nothing sets it.
    QString HelpID;

    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& classname, const QString& username);
    void TypeChanged(const QString& maintable, const QString& classname);
    void SetReportPath(const QString& path);
    void parentResize(double width, double height);
    // The first size when the window stands alone, not inside a host window: wide enough for the
    // trees' names and every column of the interface list, at least 960 x 640 pixels, within the
    // screen's free area; from then on the manager's lists fit their columns to what they list.
    // Call after init.
    void FitStandalone();

    // The embedded manager and the class tree (nullptr before init).
    frm_zelk_ljgl* ljgl() const { return ljgl_; }
    ClassTree* tree() const { return tree_; }
    bool IsAdmin() const { return isAdmin_; }
    QString MainTable() const { return mainTable_; }
    QString ClassName() const { return className_; }

    // ---- Handlers ----
    void tlb_IM_ButtonClick(ToolbarButton* button);
    // By button position; no control calls it.
    void DispatchToolbarIndex(int index);
    void tree_TypeChange(const QString& first, const QString& classname);
    void TreeView1_Expand(Node* node);
    void TreeView1_NodeClick(Node* node);
    void Picture1_Resize();
    void Picture2_Resize();
    void Picture3_Resize();
    void Picture5_Resize();
    void Picture7_Resize();

  signals:
    void onMainTableChanged(const QString& table);

  protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    QString helpId() const override { return HelpID; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void LoadChildTables(const QString& parent);
    // Loads a table node's child tables the first time.
    void expandOnce(Node* node);
    void applyPermission(const QString& classname);
    void showTransfer();
    void closeManager();

    std::int32_t hdbc_ = 0;
    QString mainTable_;
    QString className_;
    QString systemName_;
    QString userName_;
    bool isAdmin_ = false;
    // Standalone: every manager fits its lists' columns to their contents.
    bool fitColumns_ = false;
    QString reportPath_;
    frm_zelk_ljgl* ljgl_ = nullptr;
    ClassTree* tree_ = nullptr;
};

}  // namespace zelk
