#pragma once
// "列表型界面编辑工具": the list designer. The columns of one list-entry interface (ILIT rows) or
// browse list (ILST rows) stand as the column headers of ListView1; the caption, width and, for
// list entry, the edit settings of the chosen column are edited below it, the order in lstItem,
// the font and background of the whole list through a popup menu. "确认(&O)" saves everything
// in one transaction.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRect>
#include <cstdint>
#include <memory>

#include "listdesigner/listcolumns.h"
#include "platform/controlarray.h"
#include "platform/controls/imagelist.h"
#include "platform/controls/progressbar.h"
#include "platform/controls/reportview.h"
#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

// The order list: a list box that reports its mouse events as the windows take them (button 1
// left, 2 right; shift state; place in twips). Presses arrive after the list moved its selection.
class OrderListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit OrderListBox(QWidget* parent = nullptr);
    // Index of the first entry shown.
    int TopIndex() const;

  signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class frm_zelk_lbsj : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_lbsj(QWidget* parent = nullptr);
    ~frm_zelk_lbsj() override;

    void init(std::int32_t hdbc, std::int32_t fid, const QString& vlx);

    // Loading (one loader over both row types).
    void LoadILITColumns();
    void LoadILSTColumns();

    // Choosing a column and the editors.
    void ListView1_ColumnClick(ColumnHeader* header);
    void ListView1_ColumnResize(ColumnHeader* header);
    void Check1_Click();
    void Check2_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Text1_Change();
    void Text1_KeyDown(int& keyCode, int shift);
    void Text1_LostFocus();
    void ApplyCaption();
    void txtWidth_Change();
    void Command1_Click(int index);

    // Saving.
    bool SaveInterface();
    bool SaveILITColumns();
    bool SaveILSTColumns();
    void Picture1_Resize();
    void DoToolCommand(const QString& buttonKey);

    // Order list, font and colour.
    void lstItem_MouseDown(int button, int shift, double x, double y);
    void lstItem_MouseMove(int button, int shift, double x, double y);
    void lstItem_MouseUp(int button, int shift, double x, double y);
    void ListView1_MouseUp(int button, int shift, double x, double y);
    void mnu_font_Click();
    void mnu_backcolor_Click();
    void ApplyFont(ReportView& target);

    // Controls.
    ReportView* ListView1 = nullptr;
    OrderListBox* lstItem = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtWidth = nullptr;
    QWidget* Picture2 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check2 = nullptr;
    std::unique_ptr<ControlArray<QPushButton>> Command1;
    QWidget* Picture1 = nullptr;
    ProgressBar* ProgressBar1 = nullptr;
    ImageList ImageList1;
    CommonDialog dlg;
    QMenu* mnu_pop = nullptr;
    QAction* mnu_font = nullptr;
    QAction* mnu_backcolor = nullptr;

    // Window state.
    std::int32_t hdbc = 0;
    std::int32_t fid = 0;
    QString vlx;
    bool IsListEntry = false;
    bool EditorsReady = false;
    bool Modified = false;
    QString Text1Tag;  // the current column's Index as text; empty until one is chosen
    ListColumnSettingsTable ListColumnSettings;

    // Drag in the order list.
    QRect DragFrameRect;
    int DragTopIndex = 0;
    int DragSourceIndex = -1;
    QString DragSourceText;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void layoutControls();
    void connectHandlers();
    void loadColumns(ListTable table);
    // The chosen column, or nullptr while none is.
    ColumnHeader* currentColumn() const;
    ColumnHeader* columnAtPosition(int position) const;
    void setPicture1Height(double twips);
    bool saveColumns(const ListTable* table);
    void drawDragFrame();

    QWidget* dragFrame_ = nullptr;  // the black frame over the order list
};

}  // namespace zelk
