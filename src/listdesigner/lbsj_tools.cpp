// The list designer's order list (drag with a frame), its popup menu (font and background) and
// its save.

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "component/zelkmodule.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "platform/controls/eventargs.h"
#include "platform/errors.h"
#include "platform/pointer.h"
#include "platform/twips.h"

namespace zelk {

namespace {

const QString kSource = QStringLiteral("frm_zelk_lbsj");

constexpr int kSizeAllPointer = 15;

// A black one-pixel frame with a hollow inside, laid over the order list's entries.
class DragFrame : public QWidget {
  public:
    explicit DragFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void showAround(const QRect& rect) {
        setGeometry(rect);
        show();
        raise();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

// ---- Order list box -----------------------------------------------------------------------

OrderListBox::OrderListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(SingleSelection);
}

int OrderListBox::TopIndex() const {
    const QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void OrderListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    detail::emitMouse(this, &OrderListBox::MouseDown, viewport(), event);
}

void OrderListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    int buttons = 0;
    if (event->buttons() & Qt::LeftButton) buttons |= 1;
    if (event->buttons() & Qt::RightButton) buttons |= 2;
    if (event->buttons() & Qt::MiddleButton) buttons |= 4;
    const QPointF at = detail::twipsIn(this, viewport(), event);
    emit MouseMove(buttons, vbShiftState(event->modifiers()), at.x(), at.y());
}

void OrderListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    detail::emitMouse(this, &OrderListBox::MouseUp, viewport(), event);
}

// ---- Drawing objects ------------------------------------------------------------------------

void frm_zelk_lbsj::Form_Load() {
    // Made once; every move of a drag only places it.
    if (!dragFrame_) dragFrame_ = new DragFrame(lstItem->viewport());
}

void frm_zelk_lbsj::Form_Unload(int& cancel) {
    (void)cancel;
    if (dragFrame_) dragFrame_->hide();
}

// ---- Order list -----------------------------------------------------------------------------

void frm_zelk_lbsj::lstItem_MouseDown(int button, int shift, double x, double y) {
    (void)button, (void)shift, (void)x, (void)y;
    const int selected = lstItem->currentRow();
    DragSourceIndex = selected;
    if (selected < 0) return;  // no drag starts
    DragFrameRect = lstItem->visualItemRect(lstItem->item(selected));
    DragTopIndex = lstItem->TopIndex();
    DragSourceText = lstItem->item(selected)->text();
    if (ColumnHeader* h = columnAtPosition(DragSourceIndex + 1)) ListView1_ColumnClick(h);
}

void frm_zelk_lbsj::drawDragFrame() {
    if (dragFrame_) static_cast<DragFrame*>(dragFrame_)->showAround(DragFrameRect);
}

void frm_zelk_lbsj::lstItem_MouseMove(int button, int shift, double x, double y) {
    (void)shift, (void)x, (void)y;
    if (button != 1 || DragSourceIndex < 0) return;
    if (lstItem->TopIndex() == DragTopIndex) {
        drawDragFrame();
    } else {
        // The list scrolled: take the entry's new place; the next move draws there.
        if (QListWidgetItem* source = lstItem->item(DragSourceIndex))
            DragFrameRect = lstItem->visualItemRect(source);
        DragTopIndex = lstItem->TopIndex();
    }
    SetMousePointer(lstItem, kSizeAllPointer);
}

void frm_zelk_lbsj::lstItem_MouseUp(int button, int shift, double x, double y) {
    (void)button, (void)shift, (void)x, (void)y;
    if (dragFrame_) dragFrame_->hide();
    lstItem->viewport()->update();
    if (DragSourceIndex >= 0) {
        ColumnHeader* h = columnAtPosition(DragSourceIndex + 1);
        const int t = lstItem->currentRow();
        if (t != DragSourceIndex && t != -1) {
            lstItem->insertItem(t, DragSourceText);  // the selection stays on its entry
            int movedTo = 0;
            if (lstItem->currentRow() > DragSourceIndex) {
                delete lstItem->takeItem(DragSourceIndex);
                movedTo = t;
            } else {
                delete lstItem->takeItem(DragSourceIndex + 1);
                movedTo = t + 1;
            }
            if (h) h->SetPosition(movedTo);
            lstItem->setCurrentRow(lstItem->currentRow() - 1);
            Modified = true;
        }
    }
    ListView1->viewport()->update();
    SetMousePointer(lstItem, vbDefault);
}

// ---- Popup menu, font and colour ----------------------------------------------------------

void frm_zelk_lbsj::ListView1_MouseUp(int button, int shift, double x, double y) {
    (void)shift;
    if (button != 2) return;
    const QPoint at(twipsToPixels(x), twipsToPixels(y));
    mnu_pop->popup(ListView1->mapToGlobal(at));
}

void frm_zelk_lbsj::mnu_backcolor_Click() {
    dlg.Color = ListView1->BackColor();
    try {
        dlg.ShowColor();
    } catch (const ZelkError& e) {
        if (e.number() == kErrCancel) return;  // cancelled after the font dialog: nothing changes
        throw;
    }
    if (dlg.Color != ListView1->BackColor()) Modified = true;
    ListView1->SetBackColor(dlg.Color);
}

void frm_zelk_lbsj::mnu_font_Click() {
    ApplyFont(*ListView1);
}

void frm_zelk_lbsj::ApplyFont(ReportView& target) {
    dlg.CancelError = true;
    // The first failure, a cancel included, ends it silently; what was set before stays.
    try {
        dlg.Flags = cdlCFScreenFonts | 2 | cdlCFEffects;  // 259
        dlg.ShowFont();
        Modified = true;
        QFont f = target.font();
        f.setFamily(dlg.FontName);
        f.setPointSizeF(dlg.FontSize);
        f.setBold(dlg.FontBold);
        f.setItalic(dlg.FontItalic);
        f.setUnderline(dlg.FontUnderline);
        f.setStrikeOut(dlg.FontStrikethru);
        target.setFont(f);
        target.SetForeColor(dlg.Color);
    } catch (const ZelkError&) {
    }
}

// ---- Saving ---------------------------------------------------------------------------------

void frm_zelk_lbsj::setPicture1Height(double twips) {
    // The strip grows upwards from the window's bottom edge.
    const int height = twipsToPixels(twips);
    Picture1->setGeometry(0, this->height() - height, this->width(), height);
    Picture1_Resize();
}

void frm_zelk_lbsj::Picture1_Resize() {
    ProgressBar1->setGeometry(0, 0, Picture1->width(), Picture1->height());
}

bool frm_zelk_lbsj::SaveInterface() {
    setPicture1Height(135);
    bool saved = false;
    if (vlx == QStringLiteral("录入列表")) {
        saved = SaveILITColumns();
    } else if (vlx == QStringLiteral("检索列表")) {
        saved = SaveILSTColumns();
    } else {
        saved = saveColumns(nullptr);
    }
    setPicture1Height(15);
    if (saved) Modified = false;
    return saved;
}

bool frm_zelk_lbsj::SaveILITColumns() {
    static const ListTable table = ListTable::ILIT;
    return saveColumns(&table);
}

bool frm_zelk_lbsj::SaveILSTColumns() {
    static const ListTable table = ListTable::ILST;
    return saveColumns(&table);
}

bool frm_zelk_lbsj::saveColumns(const ListTable* table) {
    ListDesignerSave save;
    save.hdbc = hdbc;
    save.fid = fid;
    save.table = table;
    for (int i = 1; i <= ListView1->ColumnCount(); ++i) {
        const ColumnHeader* h = ListView1->Column(i);
        ListColumnOut c;
        c.id = static_cast<std::int32_t>(leadingNumber(h->Key().mid(1)));
        c.tag = h->Tag();
        c.text = h->Text();
        c.position = h->Position();
        c.width = h->Width();
        c.setting = ListColumnSettings.at(h->Index());
        save.columns.push_back(c);
    }
    const QFont font = ListView1->font();
    save.look.fontName = font.family();
    save.look.fontSize = font.pointSizeF();
    save.look.foreColor = ListView1->ForeColor();
    save.look.backColor = ListView1->BackColor();
    save.progress = [this](int max, int value) {
        ProgressBar1->SetMax(max);
        ProgressBar1->SetValue(value);
    };
    switch (saveListDesigner(save)) {
        case ListSaveResult::Saved:
            return true;
        case ListSaveResult::NoInterface:
            MsgBox(QStringLiteral("不能保存界面！"), vbExclamation, QStringLiteral("警告"));
            return false;
        case ListSaveResult::RowsRefused:
            MsgBox(QStringLiteral("不能保存界面，请稍后再试!"), vbExclamation,
                   QStringLiteral("系统信息"));
            return false;
    }
    return false;
}

void frm_zelk_lbsj::DoToolCommand(const QString& buttonKey) {
    if (buttonKey == QStringLiteral("tb_save")) SaveInterface();
}

}  // namespace zelk
