#pragma once
// The part that the item-entry and the item-search designer share: the item table, the design
// control arrays on the canvas, the label visibility flags, the design extent and the field tree.
// Row-type specific work (loading rows of one table) lives in ItemDesigner<Row>; the writers of
// item-search rows are generic over the output row (itemwriters.cpp).

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include "component/fixedfield.h"
#include "component/records.h"
#include "component/zelkmodule.h"
#include "designer/canvas/arrange.h"
#include "designer/canvas/canvasmouse.h"
#include "designer/canvas/currentcontrol.h"
#include "designer/canvas/lineindcate.h"
#include "designer/canvas/scrolllayout.h"
#include "designer/canvas/selection.h"
#include "designer/canvas/sizehandles.h"
#include "designer/designitem.h"
#include "designer/interfacesave.h"
#include "designer/itemcolumns.h"
#include "platform/controlarray.h"
#include "platform/controls/designcontrols.h"
#include "platform/controls/imagelist.h"
#include "platform/controls/keyedtoolbar.h"
#include "platform/controls/keyedtree.h"
#include "platform/controls/splitter.h"
#include "platform/controls/statusbar.h"
#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

class frm_zelk_jmsx;
class frm_check_prop;
class frm_combo_prop;
class frm_ctable_prop;
class frm_date_prop;
class frm_label_prop;
class DesignerCanvasHost;
class MouseRelay;

// The three settings groups a row carries for its control (or for its caption label).
struct ItemSettings {
    IntSettings ints;
    SwitchSettings switches;
    FontStyleFlags font;
};

// Which settings groups a writer is about to encode: the item's control's or its caption label's.
enum class WrittenGroup { Control, Caption };

class DesignerBase : public Form {
  public:
    explicit DesignerBase(QWidget* parent = nullptr);
    ~DesignerBase() override;

    // ---- Opening and closing (designerwindow.cpp) ---------------------------------------------
    // Keeps the connection and the interface number and loads the interface.
    void init(std::int32_t hdbc, std::int32_t fid);
    // True when the interface row was read and its item rows were queried.
    bool LoadInterface();
    std::int32_t fid = 0;
    // False while the interface could not be read: such a window cannot save, add fields or
    // change the interface properties, and closes without asking.
    bool InterfaceLoaded = false;
    virtual void SaveInterface() = 0;

    void ShowNextTip();
    void ShowTip(std::int16_t& n);
    void SetStatusText(const QString& text);
    QString statusText() const { return StatusBar1->SimpleText(); }

    // ---- The canvas (canvas/) --------------------------------------------------------------
    void InitSizeHandles(std::intptr_t canvasHwnd) { handles_.InitSizeHandles(canvasHwnd); }
    void ViewPic() { handles_.ViewPic(); }
    void HidePic() { handles_.HidePic(); }
    ControlArray<DesignPictureBox>& pic() { return handles_.pic; }
    LineIndcate* sizeline = nullptr;
    void VBSelectControl(DesignControl* ctrl) { current_.VBSelectControl(ctrl); }
    // A line end-point handle was dragged to (x, y): the current line's end follows it.
    void sizeline_onSizeLT(std::int32_t& x, std::int32_t& y);
    void sizeline_onSizeRB(std::int32_t& x, std::int32_t& y);
    void VBSetControlCenterPos(DesignBox& ctrl, double x, double y) {
        zelk::VBSetControlCenterPos(ctrl, x, y);
    }
    void ShowControlGeometry(bool always = false) { current_.ShowControlGeometry(always); }
    DesignControl* CurrentControl() const { return current_.CurrentControl(); }
    CurrentControlState& currentControlState() { return current_; }
    std::int16_t curIndex = 0;
    // The property-dialog values this designer stores in no column for items of `arrayName`.
    QStringList unstoredDialogValues(const QString& arrayName) const;
    // Makes element `index` of kind `kind`'s array current (kinds 1 to 11; others do nothing),
    // a hidden one too.
    void SelectItemControl(std::int32_t kind, std::int16_t index);

    CanvasSurfaces surfaces() const;
    void ArrangeScrollBars() { zelk::ArrangeScrollBars(surfaces()); }
    void LayoutScrollBars() { zelk::LayoutScrollBars(surfaces()); }
    void HScrollBar_Change() { zelk::HScrollBar_Change(surfaces()); }
    void VScrollBar_Change() { zelk::VScrollBar_Change(surfaces()); }
    void Pictureform_Resize() { ArrangeScrollBars(); }
    void PictureBack_Resize() { LayoutScrollBars(); }
    void PictureContainer_Resize() { zelk::PictureContainer_Resize(surfaces()); }
    void Form_Resize();

    // ---- Selection and mouse gestures (designermouse.cpp over canvas/) -----------------------
    CanvasSelection& selection() { return selection_; }
    const std::vector<ut_controlprop>& SelectedControls() const {
        return selection_.SelectedControls();
    }
    void AddToSelection(DesignControl* ctrl) { selection_.AddToSelection(ctrl); }
    void RemoveFromSelection(DesignControl* ctrl) { selection_.RemoveFromSelection(ctrl); }
    void ClearSelection() { selection_.ClearSelection(); }
    void ShowSizeHandles(DesignControl* ctrl) { selection_.ShowSizeHandles(ctrl); }
    void RemoveSizeHandles() { selection_.RemoveSizeHandles(); }
    void RedrawSelection() { selection_.RedrawSelection(); }
    // The state of the gesture under way.
    CanvasGesture& gesture();
    // Ends a mouse gesture whose release will not come (the window lost the mouse or the keys,
    // or Esc was pressed) without applying what it left pending. False when none was under way.
    bool cancelCanvasGesture();
    void pic_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void pic_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void pic_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void PictureContainer_MouseDown(int Button, int Shift, float X, float Y);
    void PictureContainer_MouseMove(int Button, int Shift, float X, float Y);
    void PictureContainer_MouseUp(int Button, int Shift, float X, float Y);
    // The design control element `index` of the array named `name` ("TextBoxArray"), or nullptr.
    DesignControl* controlByName(const QString& name, std::int32_t index) const;

    // ---- Commands (designercommands.cpp) -----------------------------------------------------
    void Text1_Change() { positionBoxChanged(1); }
    void Text2_Change() { positionBoxChanged(2); }
    void Text3_Change() { positionBoxChanged(3); }
    void Text4_Change() { positionBoxChanged(4); }
    void Toolbar1_ButtonClick(ToolbarButton* Button);
    void Toolbar1_ButtonClick(const QString& key);
    void ShowInterfaceProperties();
    void TreeView1_NodeClick(Node* node);
    // The properties command of the current control, and the handler of each kind
    // (properties/). The kinds whose dialog reference differs between the designers are theirs.
    void mnu_prop_Click();
    void mnu_label_prop_Click();
    void mnu_combo_prop_Click();
    void mnu_date_prop_Click();
    void mnu_childtable_prop_Click();
    virtual void mnu_text_prop_Click() = 0;
    virtual void mnu_memo_prop_Click() = 0;
    virtual void mnu_mmx_prop_Click() = 0;
    virtual void mnu_check_prop_Click() = 0;

    // ---- Canvas commands (canvascommands.cpp, customcommands.cpp) ---------------------------
    // Toolbar2: "line" adds a custom line, "rectangle" and "label" a custom label.
    void Toolbar2_ButtonClick(ToolbarButton* Button);
    void Toolbar2_ButtonClick(const QString& key);
    // New custom items and copies, through the designer's own loaders; the new control becomes
    // current. A refused item (full table) leaves nothing behind.
    virtual void AddCustomLine() = 0;
    virtual void AddCustomLabel() = 0;
    virtual void CopyCustomLine(DesignLine*& source) = 0;
    virtual void CopyCustomLabel(DesignControl*& source) = 0;
    // Toolbar3: alignment, size and spacing of the selection; Toolbar4: tab-order mode.
    void Toolbar3_ButtonClick(ToolbarButton* Button);
    void Toolbar3_ButtonClick(const QString& key);
    void Toolbar4_ButtonClick(ToolbarButton* Button);
    // The two context menus, the Del key and the double click on the canvas.
    void mnu_toback_Click();
    void mnu_tofront_Click();
    void mnu_ucToBack_Click() { mnu_toback_Click(); }
    void mnu_ucToFront_Click() { mnu_tofront_Click(); }
    void mnu_ucCopy_Click();
    void mnu_ucProperty_Click();
    void mnu_unDelete_Click();
    void PictureContainer_KeyDown(int keyCode, int shift);
    void PictureContainer_DblClick();
    // The colour of every line, the template and hidden ones included.
    void setAllLineColors(std::int32_t color);
    // The item a design control stands for (a caption label stands for its owner), or 0.
    std::int32_t itemIndexOf(const DesignControl* control) const;

    // Dialogs held while they are shown, so that their help requests reach the window.
    frm_zelk_jmsx* jmsx = nullptr;
    frm_check_prop* pf = nullptr;
    frm_combo_prop* pf1 = nullptr;
    frm_ctable_prop* pf2 = nullptr;
    frm_date_prop* pf3 = nullptr;
    frm_label_prop* pf4 = nullptr;
    void jmsx_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf1_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf2_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf3_NeedHelp(QString& id) { raiseNeedHelp(id); }
    void pf4_NeedHelp(QString& id) { raiseNeedHelp(id); }

    // ---- The window's controls (designerlayout.cpp) --------------------------------------
    KeyedToolbar* Toolbar1 = nullptr;
    KeyedToolbar* Toolbar2 = nullptr;
    KeyedToolbar* Toolbar3 = nullptr;
    KeyedToolbar* Toolbar4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    Splitter* SSSplitter1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QWidget* Pictureform = nullptr;
    QWidget* PictureBack = nullptr;
    QScrollBar* HScrollBar = nullptr;
    QScrollBar* VScrollBar = nullptr;
    QMenu* pop_menu = nullptr;
    QAction* mnu_toback = nullptr;
    QAction* mnu_tofront = nullptr;
    QAction* mnu_prop = nullptr;
    QMenu* mnu_usercontrol = nullptr;
    QAction* mnu_ucToFront = nullptr;
    QAction* mnu_ucToBack = nullptr;
    QAction* mnu_ucCopy = nullptr;
    QAction* mnu_unDelete = nullptr;
    QAction* mnu_ucProperty = nullptr;
    // Hidden menus of the item kinds, one entry "属性" each (never popped up).
    QMenu* pop_text = nullptr;
    QMenu* pop_combo = nullptr;
    QMenu* pop_memo = nullptr;
    QMenu* pop_date = nullptr;
    QMenu* pop_mmx = nullptr;
    QMenu* pop_label = nullptr;
    QMenu* pop_check = nullptr;
    QMenu* pop_childtable = nullptr;
    QAction* mnu_text_prop = nullptr;
    QAction* mnu_combo_prop = nullptr;
    QAction* mnu_memo_prop = nullptr;
    QAction* mnu_date_prop = nullptr;
    QAction* mnu_mmx_prop = nullptr;
    QAction* mnu_label_prop = nullptr;
    QAction* mnu_check_prop = nullptr;
    QAction* mnu_childtable_prop = nullptr;

    // ---- State shared by the loaders, writers and (later) the canvas commands ----------------
    INDTRecord InterfaceRow{};
    std::vector<DesignItem> ItemTable;  // kMaxDesignItems + 1 entries; entry 0 unused
    std::int32_t ItemCount = 0;
    std::int32_t DesignAreaWidth = 0;  // twips
    std::int32_t DesignAreaHeight = 0;
    bool DesignModified = false;
    std::int32_t hdbc = 0;  // the connection the interface was read from and is saved to

    // What a save stores of the design surface: its background colour and size in twips.
    CanvasValues canvasValues() const;
    // While the item rows are read: how many found no room in the item table.
    std::optional<std::int32_t> RowsNotLoaded;
    // The item limit's message; with the number of rows an opening could not hold when there are.
    static void tellItemLimit(std::int32_t rowsNotLoaded);
    // The canvas as the interface opened; an unedited save stores only the values changed since.
    std::optional<CanvasValues> LoadedCanvas;
    // Items 1 to ItemsRead came from the stored rows, in the stacking order they were read in.
    std::int32_t ItemsRead = 0;
    // Whether the live items stand in the order they were read: no restacking, no added and no
    // deleted item. A save then keeps every row's stored item number; otherwise every row is
    // written with its ItemNo, so that the order survives whatever the stored numbers were.
    bool stackedAsRead() const;

    DesignPictureBox* PictureContainer = nullptr;  // the design surface: handles lie on it
    DesignPictureBox* PictureTest = nullptr;  // its background layer: design controls stand on it
    KeyedTree* TreeView1 = nullptr;           // the field tree

    ControlArray<DesignLabel> LabelArray;
    ControlArray<DesignTextBox> TextBoxArray;
    ControlArray<DesignTextBox> MemoBoxArray;
    ControlArray<DesignTextBox> MMXArray;
    ControlArray<DesignTextBox> ChildTableArray;
    ControlArray<DesignComboBox> ComboBoxArray;
    ControlArray<DesignFrame> FrameArray;
    ControlArray<DesignPlainTextBox> DatePickerArray;
    ControlArray<DesignPictureBox> ShapeArray;
    ControlArray<DesignLine> LineArray;
    // CheckBoxArray and ListBoxArray hold a different control class in each designer: they are
    // members of ItemDesigner.

    // Per LabelArray index: the label's stored visible flag (switch 14). Grows with LabelArray,
    // so that label items and caption labels beyond 1024 labels keep their flag.
    std::vector<std::int16_t> LabelVisible;
    bool labelVisible(std::int32_t labelIndex) const;
    void setLabelVisible(std::int32_t labelIndex, bool visible);

    // The root of the field tree: key "data", text "数据栏目".
    void InitFieldTree();
    Node* fieldTreeRoot() const { return TreeView1->Item(QStringLiteral("data")); }

    // Registers an item read from `row`; returns its index (1..1024), or 0 when the table is full
    // (after telling the user once per refusal). Texts are kept as read (cut at NUL, trimmed).
    template <class Row>
    std::int32_t AddDesignItem(const Row& row, std::int32_t kind, std::int16_t arrayIndex,
                               std::int16_t captionIndex);

    // ---- Writers of item-search rows (both designers: the item-entry designer writes its
    // companion search form with them). Each sets only its kind's columns of `row`.
    void SaveIJSTItem(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTCaption(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTLabel(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTTextBox(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTCheckBox(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTComboBox(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTDatePicker(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTListBox(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTShape(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTFrame(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTLine(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTMemoBox(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTMMX(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTChildTable(const DesignItem& item, IJSTRecord& row) const;
    void SaveIJSTOther(const DesignItem& item, IJSTRecord& row) const;

    // The same writers over either row type (instantiated for ISITRecord and IJSTRecord), for
    // the item-entry designer's own writers to build on.
    template <class Row>
    void writeCaption(const DesignItem& item, Row& row) const;
    // The item's name on rows of named kinds, and in item-entry rows a cleared caption flag (a
    // caption label's writer replaces both).
    template <class Row>
    void writeItemName(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeLabel(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeTextBoxLike(const DesignItem& item, Row& row) const;  // kinds 2, 11, 12
    template <class Row, class Control>
    void writeCheckBox(const DesignItem& item, const Control& c, Row& row) const;
    template <class Row>
    void writeComboBox(const DesignItem& item, Row& row) const;
    template <class Row, class Control>
    void writeListBox(const DesignItem& item, const Control& c, Row& row) const;
    template <class Row>
    void writeMemoBox(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeDatePicker(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeShape(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeFrame(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeLine(const DesignItem& item, Row& row) const;
    template <class Row>
    void writeOther(const DesignItem& item, Row& row) const;

    // Raises the design extent to the row's caption-label and control rectangles.
    template <class Row>
    void ExtendDesignArea(const Row& row);

    // The design control of an item (nullptr for kinds without one or a missing element).
    DesignControl* itemControl(std::int32_t kind, std::int32_t arrayIndex) const;
    DesignControl* itemControl(const DesignItem& item) const {
        return itemControl(item.ControlKind, item.ArrayIndex);
    }

  protected:
    // The item-entry designer's canvas differs: tab-order mode blocks the handle drag, and postils
    // are picked. Called from its constructor.
    void setItemEntryCanvasHooks();
    // ---- What the two designers do differently ------------------------------------------
    // Prepares the query of the interface's item rows (or of the rows a condition selects).
    virtual std::int32_t prepareItemRows(std::int32_t number) = 0;
    virtual std::int32_t prepareItemRowsWhere(const QString& condition) = 0;
    // Loads every row the statement delivers onto the canvas.
    virtual void loadItemRows(std::int32_t hstmt) = 0;
    // The key column of the item table ("II00" or "IS00").
    virtual QString itemKeyColumn() const = 0;
    // The save as the toolbar and the close question run it (the item-entry designer asks
    // about its companion forms first).
    virtual void saveAsAsked() { SaveInterface(); }
    // Runs before the close question of a modified design.
    virtual void beforeCloseQuestion() {}
    // Opens the property dialog of a design control array other than LabelArray.
    virtual void openPropertyDialog(const QString& arrayName) = 0;
    // The kinds whose handler both designers have (all but list boxes and postils); false for
    // any other array.
    bool openSharedPropertyDialog(const QString& arrayName);
    // True where the label dialog edits the vertical alignment (kept in ToolTipText).
    virtual bool labelVerticalAlignEdited() const { return false; }
    // True for the designer of item-search rows.
    virtual bool storesSearchRows() const { return false; }
    // How the spacing commands share a span out.
    virtual SpacingRule spacingRule() const = 0;
    // Captions of the "close" button and of mnu_ucProperty.
    virtual QString closeCaption() const = 0;
    virtual QString ucPropertyCaption() const = 0;

    // Shows a dialog modally while `ref` holds it; its help requests go to `relay`. `prepare`
    // runs before the show, `finish` after it, before the dialog is destroyed.
    template <class Dialog, class Relay>
    void showHeld(Dialog*& ref, Relay relay, const std::function<void(Dialog&)>& prepare = {},
                  const std::function<void(Dialog&)>& finish = {}) {
        std::unique_ptr<Dialog> dialog(new Dialog(this));
        ref = dialog.get();
        connect(dialog.get(), &Form::NeedHelp, this, [relay](QString& id) { relay(id); });
        try {
            if (prepare) prepare(*dialog);
            ShowModal(*dialog, this);
            if (finish) finish(*dialog);
        } catch (...) {
            ref = nullptr;
            throw;
        }
        dialog->forceUnload();
        ref = nullptr;
    }

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The check-box and list-box writers over the designer's own control class.
    virtual void writeCheckBoxRow(const DesignItem& item, IJSTRecord& row) const = 0;
    virtual void writeListBoxRow(const DesignItem& item, IJSTRecord& row) const = 0;
    // Extension point: the control of a kind whose array this base does not hold (check boxes,
    // list boxes, item-entry postils).
    virtual DesignControl* extraItemControl(std::int32_t kind, std::int32_t arrayIndex) const;
    // Extension point: designer-specific members of a new item, after the shared ones are set.
    virtual void completeDesignItem(DesignItem& item, const ItemSettings& settings) const;

    // Extension point: a designer's own values in the settings groups a writer is about to
    // encode (`searchRow`: the row is an item-search row). The item-entry designer stores 0 as
    // the drop-down selection mode of its companion search rows, for instance.
    virtual void completeWrittenSettings(WrittenGroup group, const DesignItem& item, bool searchRow,
                                         ItemSettings& settings) const;

    void addFieldTreeNode(const QString& text, std::int32_t itemIndex);

  private:
    // What the canvas commands need of the selection (canvasselectionhooks.cpp).
    std::vector<DesignControl*> selectedForArrange() const;
    void redrawSelectionAfterArrange();
    void dropFromSelection(DesignControl* control);
    void clearSelectionAfterDblClick();
    void setTabOrderMode(bool on);
    void restack(bool toFront);

    void buildWindow();
    void buildPropertyMenus();
    void connectHandlers();
    void refreshCommands();
    void positionBoxChanged(int box);
    // Background colour and picture of PictureTest from the interface row.
    void applyBackground();
    QString backgroundPicturePath() const;

    // Image lists of the toolbars (Toolbar3 and Toolbar4 share one) and of the field tree.
    ImageList toolbarImages1_;
    ImageList toolbarImages2_;
    ImageList toolbarImages34_;
    ImageList treeImages_;
    SizeHandles handles_;
    CurrentControlState current_;
    CanvasSelection selection_;
    std::unique_ptr<DesignerCanvasHost> canvasHost_;
    std::unique_ptr<CanvasMouse> mouse_;
    MouseRelay* mouseRelay_ = nullptr;
    bool picksPostils_ = false;
    friend class DesignerCanvasHost;
    void connectMouse();
    void watchHandles();

    template <class Row, class Control>
    void writeControlColumns(const DesignItem& item, const Control& c, Row& row,
                             ItemSettings& s) const;
};

// Element 0 of an array: the template, placed on the canvas and never shown.
template <class T>
T* makeTemplate(QWidget* canvas, DesignArray array) {
    auto* control = new T(canvas);
    control->applyTemplate(array);
    control->hide();
    return control;
}

// ---- Reading columns ------------------------------------------------------------------------

// The three settings texts of a row, decoded. A character that is not a digit ends its text's
// decoding; the members before it stay decoded.
template <std::size_t I, std::size_t S, std::size_t F>
ItemSettings decodeSettings(const std::array<char, I>& ints, const std::array<char, S>& switches,
                            const std::array<char, F>& font) {
    ItemSettings s;
    DecodeIntSettings(TrimFixedField(fieldText(ints)), s.ints);
    DecodeSwitches(TrimFixedField(fieldText(switches)), s.switches);
    DecodeFontStyle(TrimFixedField(fieldText(font)), s.font);
    return s;
}

// The row's control settings: IntSettings of member 40, switches of 41, font flags of 21.
template <class Row>
ItemSettings controlSettings(const Row& row) {
    using C = ItemColumns<Row>;
    return decodeSettings(row.*C::m40, row.*C::m41, row.*C::m21);
}

// The caption label's settings: members 38, 39 and 16.
template <class Row>
ItemSettings captionSettings(const Row& row) {
    using C = ItemColumns<Row>;
    return decodeSettings(row.*C::m38, row.*C::m39, row.*C::m16);
}

// Free labels stand on the form by themselves, bound to no column.
template <class Row>
bool isFreeLabelRow(const Row& row) {
    using C = ItemColumns<Row>;
    const QString bound = TrimFixedField(fieldText(row.*C::m02));
    return bound.isEmpty() || bound.toUpper() == QLatin1String("NULL");
}

// The number a text column holds, when it is numeric and fits 32 bits.
template <std::size_t N>
std::optional<std::int32_t> columnNumber(const std::array<char, N>& field) {
    return numericInt32(fieldText(field));
}

template <std::size_t N>
std::int32_t columnNumberOrZero(const std::array<char, N>& field) {
    return columnNumber(field).value_or(0);
}

// ---- Template members -------------------------------------------------------------------------

template <class Row>
std::int32_t DesignerBase::AddDesignItem(const Row& row, std::int32_t kind, std::int16_t arrayIndex,
                                         std::int16_t captionIndex) {
    using C = ItemColumns<Row>;
    std::int32_t itemNo = 1;
    for (std::int32_t i = 1; i <= ItemCount; ++i)
        if (ItemTable[i].ItemNo >= itemNo) itemNo = ItemTable[i].ItemNo + 1;

    const ItemSettings s = controlSettings(row);

    if (ItemCount >= kMaxDesignItems) {
        // While an interface opens, the rows that find no room are counted and told once.
        if (RowsNotLoaded) {
            ++*RowsNotLoaded;
            return 0;
        }
        tellItemLimit(0);
        return 0;
    }

    const std::int32_t index = ++ItemCount;
    DesignItem& item = ItemTable[index];
    item = DesignItem{};
    item.ControlKind = kind;
    item.ArrayIndex = arrayIndex;
    item.CaptionIndex = captionIndex;
    item.AutoSize = s.switches.m[1];
    item.ItemName = fieldText(row.*C::m03);
    item.Format = fieldText(row.*C::m33);
    item.DefaultValue = fieldText(row.*C::m36);
    item.HintText = fieldText(row.*C::m37);
    item.Visible = s.switches.m[14];
    item.Enabled = s.switches.m[7];
    item.ReadOnly = s.switches.m[10];
    item.AutoTab = s.switches.m[2];
    item.EntryOrder = row.*C::m04;
    item.Left = row.*C::m11;
    item.Top = row.*C::m12;
    item.Width = static_cast<std::int32_t>(static_cast<std::int64_t>(row.*C::m13) - row.*C::m11);
    item.Height = static_cast<std::int32_t>(static_cast<std::int64_t>(row.*C::m14) - row.*C::m12);
    item.BackStyle = s.ints.m[2];
    item.BackColor = columnNumberOrZero(row.*C::m24);
    item.BorderStyle = s.ints.m[3];
    item.BorderColor = columnNumberOrZero(row.*C::m43);
    item.BorderWidth = row.*C::m07;
    item.FontName = fieldText(row.*C::m20);
    item.FontSize = columnNumberOrZero(row.*C::m22);
    item.ForeColor = columnNumberOrZero(row.*C::m23);
    item.FontBold = s.font.bold;
    item.FontItalic = s.font.italic;
    item.FontUnderline = s.font.underline;
    item.TextAlign = s.ints.m[12];
    item.AutoWordSelect = s.switches.m[3];
    item.BoundColumn = fieldText(row.*C::m02);
    item.ChildTableClass = fieldText(row.*C::m28);
    item.ExtraNumber = columnNumberOrZero(row.*C::m34);
    item.MaxLength = columnNumberOrZero(row.*C::m42);
    item.DataSelectMode = s.ints.m[11];
    const std::int32_t extra = columnNumberOrZero(row.*C::m27);
    item.ExtraInfoEntryMode = static_cast<std::int16_t>(extra < 3 && extra >= -32768 ? extra : 0);
    item.Deleted = 0;
    item.ItemNo = itemNo;
    item.ShowMediaInline = s.ints.m[6] == 1;
    item.ShowPictureDirect = false;
    item.ListEntryMode = static_cast<std::int16_t>(s.ints.m[5]);
    completeDesignItem(item, s);

    if (captionIndex > 0 && LabelArray.exists(captionIndex))
        LabelArray[captionIndex].setTag(QString::number(index));
    addFieldTreeNode(fieldText(row.*C::m03), index);
    return index;
}

template <class Row>
void DesignerBase::ExtendDesignArea(const Row& row) {
    using C = ItemColumns<Row>;
    if (row.*C::m09 > DesignAreaWidth) DesignAreaWidth = row.*C::m09;
    if (row.*C::m13 > DesignAreaWidth) DesignAreaWidth = row.*C::m13;
    if (row.*C::m10 > DesignAreaHeight) DesignAreaHeight = row.*C::m10;
    if (row.*C::m14 > DesignAreaHeight) DesignAreaHeight = row.*C::m14;
}

}  // namespace zelk
