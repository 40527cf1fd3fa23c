#pragma once
// "类型与界面管理": the interface manager. For the current system, main table and class it shows
// the class template, the class's interfaces (the default of each kind in blue) and the items of
// the selected interface; it deletes interfaces and items, makes defaults and opens the
// designers, the list designer, the wizard and the properties dialog. The main window embeds it
// and decides which of its commands the user may run; each guarded command checks that rule
// itself as well, whichever way it is reached.

#include <cstdint>
#include <functional>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QString>

#include "component/records.h"
#include "management/interfacedata.h"
#include "management/managercommands.h"
#include "platform/controls/imagelist.h"
#include "platform/controls/progressbar.h"
#include "platform/controls/reportview.h"
#include "platform/controls/splitter.h"
#include "platform/form.h"

namespace zelk {

class frm_zelk_ljgl : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_ljgl(QWidget* parent = nullptr);
    ~frm_zelk_ljgl() override;

    // ---- Controls ----
    QFrame* Picture2 = nullptr;  // title strip
    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;  // "类型模板、类型界面管理"
    Splitter* SSSplitter1 = nullptr;
    QFrame* picFLMB = nullptr;  // class-template panel
    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;  // "创建  >>"
    QPushButton* Command2 = nullptr;  // "修改  >>"
    ReportView* lvw_IT = nullptr;     // items of the selected interface
    ReportView* lvw_IM = nullptr;     // the class's interfaces
    ProgressBar* prg = nullptr;
    ImageList ImageList2;

    // Interface list popup.
    QMenu* m_popmenu = nullptr;
    QAction* mnu_default = nullptr;
    QAction* m_newInterface = nullptr;
    QAction* m_deleteinterface = nullptr;
    QAction* m2 = nullptr;
    QAction* mnu_idesign = nullptr;
    QAction* mnu_createreport = nullptr;
    QAction* m_interfaceproperty = nullptr;
    QAction* m_field = nullptr;
    QAction* m3 = nullptr;
    QAction* mnu_refresh = nullptr;
    // Item list popup ("栏目子菜单"); Tag of an item is its data().
    QMenu* m_popfield = nullptr;
    QAction* mnu_AddField = nullptr;
    QAction* mnu_DelField = nullptr;
    QAction* mnu_ResetField = nullptr;
    QAction* mnu_ChangeControlType = nullptr;
    QAction* mnu_type = nullptr;
    QAction* mnu_dp = nullptr;
    QAction* mnu_hint = nullptr;
    QAction* m_tableclass = nullptr;
    // Template panel popup ("分类模板子菜单").
    QMenu* m_popFLMB = nullptr;
    QAction* mnu_createFLMB = nullptr;
    QAction* mnu_updateFLMB = nullptr;
    QAction* mnu_DelFLMB = nullptr;
    QAction* mnu_CreateUserInterface = nullptr;

    // ---- Public members ----
    QString ReportPath;
    void init(std::int32_t hdbc, const QString& systemname, const QString& maintable,
              const QString& classname, const QString& username);
    void RefreshInterface();
    void ChangeClassname(const QString& classname);
    void LoadInterfaceItems(ListItem* item);
    void UpdateInterfaceProperty();
    void LoadDesigner(std::int32_t fid);
    void LoadIJSTDesigner(std::int32_t fid);
    void resetLXLM() {}
    void ShowWizard();
    void DeleteINDT();
    void DesignInterface();
    // Writes the flag of interface `id` in the caller's transaction (its own when alone); a
    // failure is shown. True when written.
    bool updateindt(std::int32_t id, const QString& flag);

    // Set by the main window: whether the user is an administrator. The guarded commands run
    // only while CommandsAllowed(class, administrator) holds.
    bool AdminUser = false;
    bool commandsAllowed() const;
    // Enables or disables every guarded command control.
    void ApplyCommandPermission(bool allowed);

    // From now on both lists widen their shown columns to what they list, at every load. The main
    // window asks for it when it stands alone; embedded, the columns keep their laid-out widths.
    void FitColumnsToContents();

    // What the window shows a popup with; tests replace it so that no menu loop runs.
    std::function<void(QMenu*)> PopupMenu;

    // Recorded default interface of each kind (1 to 4).
    DefaultIds DefaultIDs{};
    // The interface whose items lvw_IT shows (0: none) and its kind name.
    std::int32_t ItemsInterface = 0;
    QString ItemsKindName;
    // View modes asked for by the view commands (0 large icons ... 3 report); the lists show
    // the report view.
    int InterfaceViewMode = 3;
    int ItemViewMode = 3;

    // ---- Handlers ----
    void mnu_default_Click();
    void m_newInterface_Click() { ShowWizard(); }
    void mnu_CreateUserInterface_Click() { ShowWizard(); }
    void mnu_idesign_Click() { DesignInterface(); }
    void m_interfaceproperty_Click() { UpdateInterfaceProperty(); }
    void mnu_refresh_Click() { RefreshInterface(); }
    void m_deleteinterface_Click() { DeleteINDT(); }
    void m_field_Click();
    void mnu_DelField_Click() { DeleteSelectedFields(); }
    void mnu_ResetField_Click() { resetLXLM(); }
    void lvw_IM_DblClick() { UpdateInterfaceProperty(); }
    // Field, template, report and settings commands: each runs its routine of the manager's
    // commands on the current selection and reloads what it changed.
    void mnu_AddField_Click();
    void mnu_ChangeControlType_Click();
    void m_tableclass_Click();
    void Command1_Click();
    void mnu_createFLMB_Click() { Command1_Click(); }
    void Command2_Click();
    void mnu_updateFLMB_Click() { Command2_Click(); }
    void mnu_DelFLMB_Click();
    void mnu_createreport_Click();
    void mnu_dp_Click();
    void mnu_hint_Click();
    void lvw_IM_ItemClick(ListItem* item);
    void lvw_IM_MouseUp(int button, int shift, double x, double y);
    void lvw_IT_MouseUp(int button, int shift, double x, double y);
    void picFLMB_MouseUp(int button, int shift, double x, double y);
    void picFLMB_Resize();

    // Popup states, set before a menu is shown: false when no menu is to be shown.
    bool PrepareInterfaceMenu();
    bool PrepareFieldMenu();
    void PrepareTemplateMenu();

    // Item list.
    void LoadISITItems(std::int32_t fid);
    void LoadIJSTItems(std::int32_t fid);
    void LoadILITItems(std::int32_t fid);
    void LoadILSTItems(std::int32_t fid);
    void ClearItemColumns();
    void DeleteSelectedFields();
    void NotifyItemsChanged() {}

    // Key dispatchers no control is wired to.
    void DoInterfaceCommand(const QString& key);
    void DoViewCommand(const QString& key);
    void SetItemViewMode(const QString& key);

  signals:
    void Hint(const QString& text);

  protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void LoadInterfaceList();
    // Reads lvw_IT again for the interface it shows (nothing when it shows none), keeping the
    // selected field: by its key, else by its column, since a designer's save gives every row a
    // new key.
    void ReloadInterfaceItems();
    // A field command found no row to act on (another user removed it meanwhile): says so and
    // reads the list again.
    void itemRowMissing();
    void LoadListDesigner(std::int32_t fid, const QString& vlx);
    void ShowInterfaceProperty(std::int32_t id, bool viewOnly);
    // Makes interface `id` the recorded default when the properties dialog emptied its flag.
    void adoptEmptiedFlag(std::int32_t id);
    ClassContext context() const;
    // What the command routines need: the context, the permission rule's answer, this window
    // as owner and the help relay.
    ManagerCommandContext commandContext();
    // The key of the selected row of `list`, empty without one.
    static QString selectedKey(const ReportView* list);
    // The selected interface's number, when its key holds one.
    bool selectedInterface(std::int32_t& number) const;
    void connectHandlers();
    void showPopup(QMenu* menu);
    // Passes a child's help request on.
    std::function<void(QString&)> relayHelp();

    bool fitColumns_ = false;
    std::int32_t hdbc_ = 0;
    QString systemName_;
    QString mainTable_;
    QString className_;
    QString userName_;
};

}  // namespace zelk
