#pragma once
// The report-view list the windows use: column headers and rows (list items) with keys, tags,
// sub-items and check boxes, numbered from 1 as the original list control numbered them.
//
// Errors: adding a row or a header with a key that is already taken, or at an index beyond the
// end, throws ZelkError (35602 "Key is not unique in collection", 35600 "Index out of bounds"),
// as the original list did. Lookups by a bad index or key return nullptr; setters never throw.
// Column widths are twips: shown at round(twips / 15) pixels, kept exactly as set until the user
// drags a header edge, which sets the width from the pixels and emits ColumnResize.

#include <QHash>
#include <QIcon>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/controls/collectionerrors.h"

namespace zelk {

class ImageList;
class ReportView;

enum class ColumnAlign { Left = 0, Right = 1, Center = 2 };

// One column header. Index 1..n is the order of creation (column n-1 of the tree widget);
// Position 1..n is where the column is shown.
class ColumnHeader {
  public:
    int Index() const { return index_; }
    QString Key() const { return key_; }
    QString Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }
    QString Text() const;
    void SetText(const QString& text);
    double Width() const { return width_; }
    void SetWidth(double twips);
    ColumnAlign Alignment() const { return align_; }
    void SetAlignment(ColumnAlign align);
    int Position() const;
    // Moves the column to 1-based display place `position` (clamped to 1..n); the columns in
    // between shift, so positions stay 1..n without gaps.
    void SetPosition(int position);
    // Header image: an index into the view's header image list (0 for none), or an icon.
    int Icon() const { return icon_; }
    void SetIcon(int index);
    void SetIcon(const QIcon& icon);

  private:
    friend class ReportView;
    ColumnHeader(ReportView* view, int index) : view_(view), index_(index) {}
    ReportView* view_;
    int index_;
    QString key_;
    QString tag_;
    double width_ = 1440;
    ColumnAlign align_ = ColumnAlign::Left;
    int icon_ = 0;
};

// One row. Column 0 is the text, column i the sub-item i.
class ListItem : public QTreeWidgetItem {
  public:
    int Index() const;  // 1-based row
    QString Key() const;
    // Throws ZelkError 35602 when another row has that key.
    void SetKey(const QString& key);
    QString Tag() const;
    void SetTag(const QString& tag);
    QString Text() const { return text(0); }
    void SetText(const QString& text) { setText(0, text); }
    // Sub-item i (1-based): column i; an empty text when there is no such column.
    QString SubItems(int i) const;
    void SetSubItems(int i, const QString& text);
    // Programmatic: never emits ItemCheck.
    bool Checked() const;
    void SetChecked(bool on);
    bool Selected() const { return isSelected(); }
    void SetSelected(bool on);
    std::int32_t ForeColor() const;
    void SetForeColor(std::int32_t color);
    bool Bold() const;
    void SetBold(bool on);
    // Index into the view's small-icon list (0 for none). Icon() is the large-icon index, kept
    // for copying rows; the report view shows the small icon.
    int SmallIcon() const;
    void SetSmallIcon(int index);
    int Icon() const;
    void SetIcon(int index);
    void EnsureVisible();

    void setData(int column, int role, const QVariant& value) override;
    ~ListItem() override;

  private:
    friend class ReportView;
    ListItem() : QTreeWidgetItem(UserType + 1) {}
    ReportView* view() const;
    ReportView* indexedIn_ = nullptr;  // the list whose key index holds this row
};

// The width (pixels) at which a tree or list shows its names and every shown column unclipped,
// with its frame and room for a vertical scroll bar.
int WidthShowingAll(const QTreeView& view);

class ReportView : public QTreeWidget {
    Q_OBJECT
  public:
    explicit ReportView(QWidget* parent = nullptr);
    ~ReportView() override;

    // Column headers.
    ColumnHeader* AddColumn(const QString& key, const QString& text, double widthTwips = 1440,
                            ColumnAlign align = ColumnAlign::Left);
    int ColumnCount() const { return static_cast<int>(headers_.size()); }
    ColumnHeader* Column(int index) const;  // 1-based; nullptr when out of range
    ColumnHeader* Column(const QString& key) const;
    // Removes every column header. Without headers the list shows the rows' texts in one column
    // across its width, with no header bar.
    void ClearColumns();
    void SetHideColumnHeaders(bool on);
    bool HideColumnHeaders() const { return hideHeaders_; }
    void SetHeaderIcons(const ImageList* list);
    // Users may drag headers to reorder columns; off by default.
    void SetAllowColumnReorder(bool on);
    // Header sections act as buttons (clickable); on by default.
    void SetHeaderButtons(bool on);
    bool HeaderButtons() const;
    void SetHeaderFont(const QFont& font);
    // Gives every shown column (width above 0) the width of its header text or its widest cell,
    // whichever is wider; hidden columns stay hidden.
    void FitColumnsToContents();

    // Rows. index 0 appends; 1..Count()+1 inserts there.
    ListItem* Add(int index = 0, const QString& key = {}, const QString& text = {}, int icon = 0,
                  int smallIcon = 0);
    int Count() const { return topLevelItemCount(); }
    ListItem* Item(int index) const;  // 1-based; nullptr when out of range
    ListItem* Item(const QString& key) const;
    void Remove(int index);  // out of range: nothing
    void Remove(ListItem* item);
    void Clear();
    enum class FindWhere { Text, SubItem, Tag };
    // First row (from `start`, 1-based) whose text, any sub-item or tag equals `text` exactly.
    ListItem* FindItem(const QString& text, FindWhere where = FindWhere::Text, int start = 1) const;
    // The current row, or nullptr; SetSelectedItem(nullptr) clears the current row.
    ListItem* SelectedItem() const;
    void SetSelectedItem(ListItem* item);
    void SetSmallIcons(const ImageList* list);
    void SetIcons(const ImageList* list) { largeIcons_ = list; }
    const ImageList* SmallIcons() const { return smallIcons_; }

    // Options.
    void SetCheckboxes(bool on);
    bool Checkboxes() const { return checkboxes_; }
    void SetFullRowSelect(bool on) { setAllColumnsShowFocus(on); }
    void SetGridLines(bool on);
    void SetHideSelection(bool on);
    void SetMultiSelect(bool on);
    void SetLabelEdit(bool on);
    void SetSorted(bool on);
    void SetSortKey(int column);  // 0 = the text, i = sub-item i
    void SetSortOrder(Qt::SortOrder order);
    bool Sorted() const { return sorted_; }

    // Colours as signed 32-bit colour values; the getters hand back what was set.
    std::int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::int32_t color);
    std::int32_t BackColor() const { return backColor_; }
    void SetBackColor(std::int32_t color);

    // The list's own tag.
    QString Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }

  signals:
    void ItemClick(zelk::ListItem* item);
    // The user ticked or unticked a row (mouse or space bar); SetChecked never emits it.
    void ItemCheck(zelk::ListItem* item);
    void ColumnClick(zelk::ColumnHeader* header);
    // The user dragged a header's edge; header->Width() is the new width.
    void ColumnResize(zelk::ColumnHeader* header);
    void Click();
    void DblClick();
    // Button 1 left, 2 right, 4 middle; shift as vbShiftState; x, y in twips from the list's
    // top left corner.
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    // Setting keyCode to 0 consumes the key.
    void KeyDown(int& keyCode, int shift);
    void SelectionChange();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class ListItem;
    friend class ColumnHeader;
    void checkChanged(ListItem* item);
    void applyIcon(ListItem* item);
    void applySort();
    bool keyTaken(const QString& key, const ListItem* except) const;
    // Rows by key, so that adding and finding rows stays fast in long lists.
    void indexKey(ListItem* item, const QString& oldKey);
    void forgetKey(ListItem* item, const QString& key);
    QHash<QString, ListItem*> keyIndex_;
    std::vector<std::unique_ptr<ColumnHeader>> headers_;
    const ImageList* smallIcons_ = nullptr;
    const ImageList* largeIcons_ = nullptr;
    const ImageList* headerIcons_ = nullptr;
    void layoutColumns();
    bool checkboxes_ = false;
    bool hideHeaders_ = false;
    bool hideSelection_ = true;
    bool sorted_ = false;
    int sortKey_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int programmatic_ = 0;  // >0 while the list itself changes checks or widths
    std::int32_t foreColor_;
    std::int32_t backColor_;
    QString tag_;
};

}  // namespace zelk
