#pragma once
// Loading item rows of one table onto a designer's canvas: the dispatch by control kind, one
// loader per kind, the caption label, registration in the item table. Written over the row type;
// the item-search designer uses it as it stands, the item-entry designer overrides the loaders
// (and the dispatch for its postil kind) where its rows are read differently.
//
// Every loader sets properties through setters that refuse a bad value rather than fail, so a
// bad column leaves its property at the template's value and the item is still registered. A
// control whose row could not be registered is hidden, and the row is kept as read.

#include <QPointer>
#include <optional>
#include <vector>

#include "designer/designerbase.h"
#include "designer/interfacesave.h"
#include "designer/itemrows.h"
#include "designer/readitemrows.h"

namespace zelk {

// CheckBoxControl and ListBoxControl: the control class of CheckBoxArray and ListBoxArray. The
// item-search designer shows check boxes and list boxes; the item-entry designer shows both
// kinds as text boxes.
template <class Row, class CheckBoxControl = DesignCheckBox, class ListBoxControl = DesignListBox>
class ItemDesigner : public DesignerBase {
  public:
    using RowType = Row;
    using Columns = ItemColumns<Row>;

    explicit ItemDesigner(QWidget* parent = nullptr)
        : DesignerBase(parent),
          CheckBoxArray(QStringLiteral("CheckBoxArray"),
                        makeTemplate<CheckBoxControl>(PictureTest, DesignArray::CheckBoxArray)),
          ListBoxArray(QStringLiteral("ListBoxArray"),
                       makeTemplate<ListBoxControl>(PictureTest, DesignArray::ListBoxArray)) {}

    ControlArray<CheckBoxControl> CheckBoxArray;
    ControlArray<ListBoxControl> ListBoxArray;

    // Rows read but not shown, for the save to write back unchanged.
    std::vector<KeptRow<Row>> KeptRows;

    // The kept row that stands for item `itemIndex` (a kind without a control), or nullptr.
    const Row* keptRowOf(std::int32_t itemIndex) const {
        if (itemIndex <= 0) return nullptr;
        for (auto k = KeptRows.rbegin(); k != KeptRows.rend(); ++k)
            if (k->itemIndex == itemIndex) return &k->row;
        return nullptr;
    }

    // Each item's row as read and as its writer first wrote it, by item index (none for items
    // added on the canvas).
    std::vector<std::optional<ReadItemRow<Row>>> ReadItemRows;

    // A save of the interface as designed: connection, row, canvas, items and the kept rows
    // without an item. The caller adds its writers.
    template <class Save>
    Save newSave() const {
        Save save;
        save.hdbc = hdbc;
        save.row = InterfaceRow;
        save.canvas = canvasValues();
        save.items = itemSource(ItemTable, ItemCount);
        // An edited design stores the canvas it shows; an unedited one keeps the row as read.
        if (!DesignModified) save.loadedCanvas = LoadedCanvas;
        save.keptRows = rowsWithoutItem(KeptRows);
        save.writeItem = [this](std::int32_t i, Row& row) { writeOwnRow(i, row); };
        save.keepUnedited = [this, keepNumbers = stackedAsRead()](std::int32_t i, Row& row) {
            const auto k = static_cast<std::size_t>(i);
            if (k < ReadItemRows.size() && ReadItemRows[k])
                keepUneditedMembers(*ReadItemRows[k], row, keepNumbers);
        };
        return save;
    }

    // The designer's own writer for item `index`'s row: the item-search writers, or the kept
    // row of an item without a control, unless overridden.
    virtual void writeOwnRow(std::int32_t index, Row& row) const;

    // Brings one row onto the canvas. Never throws.
    void LoadItemControl(const Row& row);
    // Remembers the row of item `index` as read and as its writer writes it now.
    void rememberReadRow(std::int32_t index, const Row& row);

    virtual void LoadLabelItem(const Row& row);
    virtual void LoadTextBoxItem(const Row& row) { loadTextBoxLike(row, kKindTextBox); }
    virtual void LoadCheckBoxItem(const Row& row);
    virtual void LoadComboBoxItem(const Row& row);
    virtual void LoadDatePickerItem(const Row& row);
    virtual void LoadListBoxItem(const Row& row);
    virtual void LoadShapeItem(const Row& row);
    virtual void LoadFrameItem(const Row& row);
    virtual void LoadLineItem(const Row& row);
    virtual void LoadMemoBoxItem(const Row& row) { loadTextBoxLike(row, kKindMemoBox); }
    virtual void LoadMMXItem(const Row& row) { loadTextBoxLike(row, kKindMMX); }
    virtual void LoadChildTableItem(const Row& row) { loadTextBoxLike(row, kKindChildTable); }
    virtual void LoadOtherItem(const Row& row);

    // Custom lines and labels (customcommands.cpp).
    void AddCustomLine() override;
    void AddCustomLabel() override;
    void CopyCustomLine(DesignLine*& source) override;
    void CopyCustomLabel(DesignControl*& source) override;
    // Load a shown element of their array and nothing else: no row, no item.
    void AddShapeControl();
    void AddFrameControl();
    void AddCheckBoxControl();
    void AddDatePickerControl();
    void AddTextBoxControl();
    void AddFrameControl2();
    void AddListBoxControl();

    // Creates the row's caption label; its LabelArray index, or 0 when none could be made.
    void LoadCaptionLabel(const Row& row, std::int32_t& labelIndex);

    // Unloads the loaded elements of nine arrays and clears the design extent. Lines, memo
    // boxes, sub-table items (and the entry designer's postils) stay.
    void UnloadDesignControls();

  protected:
    std::int32_t prepareItemRows(std::int32_t number) override {
        return prepareRows<Row>(hdbc, number);
    }
    std::int32_t prepareItemRowsWhere(const QString& condition) override {
        return prepareRowsWhere<Row>(hdbc, condition);
    }
    void loadItemRows(std::int32_t hstmt) override {
        Row row{};
        while (fetchRow(hstmt, row) > 0) LoadItemControl(row);
    }
    QString itemKeyColumn() const override {
        return Columns::kSearchRow ? QStringLiteral("IS00") : QStringLiteral("II00");
    }

    // Extension point: the loader of a kind; the item-entry designer adds its postil kind here.
    virtual void loadItemOfKind(std::int32_t kind, const Row& row);
    // Extension point: a label item or caption label has been filled from its settings (the
    // item-entry designer restores the label's vertical alignment from IntSettings member 13).
    virtual void labelLoaded(DesignLabel&, const ItemSettings&) {}

    void writeCheckBoxRow(const DesignItem& item, IJSTRecord& row) const override {
        writeCheckBox(item, CheckBoxArray.at(item.ArrayIndex), row);
    }
    void writeListBoxRow(const DesignItem& item, IJSTRecord& row) const override {
        writeListBox(item, ListBoxArray.at(item.ArrayIndex), row);
    }
    DesignControl* extraItemControl(std::int32_t kind, std::int32_t arrayIndex) const override {
        if (kind == kKindCheckBox) return CheckBoxArray.find(arrayIndex);
        if (kind == kKindListBox) return ListBoxArray.find(arrayIndex);
        return DesignerBase::extraItemControl(kind, arrayIndex);
    }

    // ---- Steps shared by the loaders ------------------------------------------------------
    template <class T>
    T& newElement(ControlArray<T>& array) {
        T& control = array.loadNext();
        loadedThisRow_.push_back(&control);
        return control;
    }
    template <std::size_t N, class Setter>
    static void applyColour(const std::array<char, N>& column, Setter&& set) {
        if (const auto value = columnNumber(column)) set(*value);
    }
    // Fore and back colour from members 23 and 24.
    template <class Control>
    static void applyForeBack(Control& c, const Row& row) {
        applyColour(row.*Columns::m23, [&](std::int32_t v) { c.setForeColor(v); });
        applyColour(row.*Columns::m24, [&](std::int32_t v) { c.setBackColor(v); });
    }
    // Font name (decoded from its stored form), size and style flags of the row's control.
    void applyControlFont(DesignFontControl& c, const Row& row, const FontStyleFlags& flags,
                          bool sizeDefaultsTo9);
    // Left, Top, Width, Height from a rectangle; a value the control refuses is skipped.
    static void placeBox(DesignBox& c, std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom);
    // The control's rectangle: members 11 to 14.
    static void placeItemBox(DesignBox& c, const Row& row) {
        placeBox(c, row.*Columns::m11, row.*Columns::m12, row.*Columns::m13, row.*Columns::m14);
    }
    // The caption label the row asks for (member 05 is "1" and the name is not blank), else 0.
    std::int16_t captionFor(const Row& row);
    // Registers the item: tag and extent on success; on refusal the control and its caption
    // label are hidden and the row is kept.
    void registerItem(const Row& row, std::int32_t kind, DesignControl& control,
                      std::int16_t captionIndex, bool visibleSwitch);
    void keepRow(const Row& row, KeptReason reason, std::int32_t itemIndex = 0) {
        KeptRows.push_back(KeptRow<Row>{row, reason, itemIndex});
    }
    static QString bracketedName(const Row& row) {
        return QStringLiteral("『") + TrimFixedField(fieldText(row.*Columns::m03)) +
               QStringLiteral("』");
    }
    // The loader of the kinds drawn as text boxes, into the given array.
    void loadTextBoxInto(const Row& row, std::int32_t kind, ControlArray<DesignTextBox>& array);

    // Loads a custom item's row; true when it became an item. A refused row leaves no control
    // and no kept row behind.
    template <class T>
    bool loadCustomRow(const Row& row, ControlArray<T>& array);

  private:
    template <class T>
    static void unloadElements(ControlArray<T>& array) {
        for (const int i : array.indices())
            if (i > 0) array.unload(i);
    }
    void loadTextBoxLike(const Row& row, std::int32_t kind);
    std::vector<QPointer<DesignControl>> loadedThisRow_;
};

// ---- Definitions ------------------------------------------------------------------------------

// An item the designer cannot show is stored as it was read, under its current item number and
// (item-entry rows) entry order, with this interface's number.
template <class Row>
void restoreKeptRow(const Row& kept, std::int32_t number, Row& row) {
    using C = ItemColumns<Row>;
    const auto itemNo = row.*C::m29;
    const std::int32_t entryOrder = row.*C::m04;
    row = kept;
    row.*C::m29 = itemNo;
    if constexpr (!C::kSearchRow) row.*C::m04 = entryOrder;
    row.*C::m01 = number;
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::writeOwnRow(std::int32_t index,
                                                                     Row& row) const {
    if constexpr (Columns::kSearchRow) {
        if (const Row* kept = keptRowOf(index))
            restoreKeptRow(*kept, InterfaceRow.id00, row);
        else
            SaveIJSTItem(ItemTable[static_cast<std::size_t>(index)], row);
    }
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadItemControl(const Row& row) {
    const QString kindText = TrimFixedField(fieldText(row.*Columns::m06));
    if (!isNumeric(kindText)) {
        keepRow(row, KeptReason::KindNotNumeric);
        return;
    }
    const auto kind = toInt32(leadingNumber(kindText));
    if (!kind) {
        keepRow(row, KeptReason::LoadFailed);
        return;
    }
    loadedThisRow_.clear();
    const std::int32_t countBefore = ItemCount;
    try {
        loadItemOfKind(*kind, row);
    } catch (...) {
        // Whatever the loader made before failing is hidden: no control stays without its item.
        for (const auto& control : loadedThisRow_)
            if (control && control->Tag().isEmpty()) control->hide();
        if (ItemCount == countBefore) keepRow(row, KeptReason::LoadFailed);
    }
    loadedThisRow_.clear();
    if (ItemCount > countBefore) rememberReadRow(ItemCount, row);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::rememberReadRow(std::int32_t index,
                                                                         const Row& row) {
    const auto k = static_cast<std::size_t>(index);
    if (ReadItemRows.size() <= k) ReadItemRows.resize(k + 1);
    ReadItemRows[k].reset();
    // A writer that fails now fails the save as well.
    try {
        const ItemRowWriter<Row> write = [this](std::int32_t i, Row& out) { writeOwnRow(i, out); };
        ReadItemRows[k] =
            ReadItemRow<Row>{row, writtenItemRow(itemSource(ItemTable, ItemCount), index, write)};
    } catch (...) {
    }
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::UnloadDesignControls() {
    unloadElements(LabelArray);
    unloadElements(TextBoxArray);
    unloadElements(CheckBoxArray);
    unloadElements(ComboBoxArray);
    unloadElements(DatePickerArray);
    unloadElements(ListBoxArray);
    unloadElements(ShapeArray);
    unloadElements(FrameArray);
    unloadElements(MMXArray);
    DesignAreaWidth = 0;
    DesignAreaHeight = 0;
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::loadItemOfKind(std::int32_t kind,
                                                                        const Row& row) {
    switch (kind) {
        case kKindLabel:
            LoadLabelItem(row);
            break;
        case kKindTextBox:
            LoadTextBoxItem(row);
            break;
        case kKindCheckBox:
            LoadCheckBoxItem(row);
            break;
        case kKindComboBox:
            LoadComboBoxItem(row);
            break;
        case kKindDatePicker:
            LoadDatePickerItem(row);
            break;
        case kKindListBox:
            LoadListBoxItem(row);
            break;
        case kKindShape:
            LoadShapeItem(row);
            break;
        case kKindFrame:
            LoadFrameItem(row);
            break;
        case kKindLine:
            LoadLineItem(row);
            break;
        case kKindMemoBox:
            LoadMemoBoxItem(row);
            break;
        case kKindMMX:
            LoadMMXItem(row);
            break;
        case kKindChildTable:
            LoadChildTableItem(row);
            break;
        default:
            LoadOtherItem(row);
            break;
    }
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::applyControlFont(
    DesignFontControl& c, const Row& row, const FontStyleFlags& flags, bool sizeDefaultsTo9) {
    const QString stored = fieldText(row.*Columns::m20);
    if (!TrimFixedField(stored).isEmpty()) c.setFontName(DecodeFontName(stored));
    if (const auto size = columnNumber(row.*Columns::m22))
        c.setFontSize(*size);
    else if (sizeDefaultsTo9)
        c.setFontSize(9);
    c.setFontBold(flags.bold);
    c.setFontItalic(flags.italic);
    c.setFontUnderline(flags.underline);
    c.setFontStrikethru(flags.strikethrough);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::placeBox(DesignBox& c, std::int32_t left,
                                                                  std::int32_t top,
                                                                  std::int32_t right,
                                                                  std::int32_t bottom) {
    const double width = static_cast<double>(right) - left;
    const double height = static_cast<double>(bottom) - top;
    if (c.Move(left, top, width, height)) return;
    c.setLeft(left);
    c.setTop(top);
    c.setWidth(width);
    c.setHeight(height);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
std::int16_t ItemDesigner<Row, CheckBoxControl, ListBoxControl>::captionFor(const Row& row) {
    if (TrimFixedField(fieldText(row.*Columns::m05)) != QLatin1String("1")) return 0;
    if (TrimFixedField(fieldText(row.*Columns::m03)).isEmpty()) return 0;
    std::int32_t labelIndex = 0;
    const int lastLabel = LabelArray.ubound();
    try {
        LoadCaptionLabel(row, labelIndex);
    } catch (...) {
        // The item goes on without a caption label; a half-made one is not left on the canvas.
        if (LabelArray.ubound() > lastLabel) LabelArray[LabelArray.ubound()].hide();
        labelIndex = 0;
    }
    const auto narrow = toInt16(labelIndex);
    if (!narrow) {
        if (DesignLabel* label = LabelArray.find(labelIndex)) label->hide();
        return 0;
    }
    return *narrow;
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::registerItem(const Row& row,
                                                                      std::int32_t kind,
                                                                      DesignControl& control,
                                                                      std::int16_t captionIndex,
                                                                      bool visibleSwitch) {
    const auto arrayIndex = static_cast<std::int16_t>(control.Index());
    const std::int32_t index = AddDesignItem(row, kind, arrayIndex, captionIndex);
    if (index == 0) {
        control.hide();
        if (DesignLabel* label = captionIndex > 0 ? LabelArray.find(captionIndex) : nullptr)
            label->hide();
        keepRow(row, KeptReason::TableFull);
        return;
    }
    control.setTag(QString::number(index));
    if (visibleSwitch) ExtendDesignArea(row);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadCaptionLabel(
    const Row& row, std::int32_t& labelIndex) {
    using C = Columns;
    const ItemSettings s = captionSettings(row);
    DesignLabel& label = newElement(LabelArray);
    const int n = label.Index();
    setLabelVisible(n, s.switches.m[14]);
    label.setAutoSize(s.switches.m[1]);
    label.setCaption(TrimFixedField(fieldText(row.*C::m03)));
    applyColour(row.*C::m18, [&](std::int32_t v) { label.setForeColor(v); });
    applyColour(row.*C::m19, [&](std::int32_t v) { label.setBackColor(v); });
    label.setBackStyle(s.ints.m[2]);
    label.setBorderStyle(s.ints.m[3]);
    applyColour(row.*C::m31, [&](std::int32_t v) { label.setBorderColor(v); });
    // The caption label's font name is stored whole (cut to its field), never shortened.
    const QString fontName = fieldText(row.*C::m15);
    if (!TrimFixedField(fontName).isEmpty()) label.setFontName(fontName);
    label.setFontBold(s.font.bold);
    label.setFontItalic(s.font.italic);
    label.setFontUnderline(s.font.underline);
    label.setFontStrikethru(s.font.strikethrough);
    label.setFontSize(columnNumber(row.*C::m17).value_or(9));
    label.setSpecialEffect(s.ints.m[10]);
    label.setTextAlign(s.ints.m[12] < 1 ? 1 : s.ints.m[12]);
    label.setWordWrap(s.switches.m[15]);
    labelLoaded(label, s);
    placeBox(label, row.*C::m07, row.*C::m08, row.*C::m09, row.*C::m10);
    label.show();
    label.ZOrder(0);
    labelIndex = n;
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadLabelItem(const Row& row) {
    using C = Columns;
    const bool freeLabel = isFreeLabelRow(row);
    DesignLabel& c = newElement(LabelArray);
    const ItemSettings s = controlSettings(row);
    setLabelVisible(c.Index(), s.switches.m[14]);
    c.setAutoSize(s.switches.m[1]);
    c.setEnabled(true);
    c.setCaption(freeLabel ? fieldText(row.*C::m36) : bracketedName(row));
    applyForeBack(c, row);
    c.setBackStyle(s.ints.m[2]);
    c.setBorderStyle(s.ints.m[3]);
    applyColour(row.*C::m43, [&](std::int32_t v) { c.setBorderColor(v); });
    applyControlFont(c, row, s.font, true);
    c.setSpecialEffect(s.ints.m[10]);
    c.setTextAlign(s.ints.m[12]);
    c.setWordWrap(s.switches.m[15]);
    labelLoaded(c, s);
    placeItemBox(c, row);
    c.show();
    c.ZOrder(0);
    const std::int16_t caption = freeLabel ? 0 : captionFor(row);
    registerItem(row, kKindLabel, c, caption, s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::loadTextBoxLike(const Row& row,
                                                                         std::int32_t kind) {
    auto& array = kind == kKindMemoBox      ? MemoBoxArray
                  : kind == kKindMMX        ? MMXArray
                  : kind == kKindChildTable ? ChildTableArray
                                            : TextBoxArray;
    loadTextBoxInto(row, kind, array);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::loadTextBoxInto(
    const Row& row, std::int32_t kind, ControlArray<DesignTextBox>& array) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    DesignTextBox& c = newElement(array);
    const bool multimediaOrMemo = kind == kKindMMX || kind == kKindMemoBox;
    c.setEnabled(true);
    c.setText(bracketedName(row));
    applyForeBack(c, row);
    c.setBackStyle(s.ints.m[2]);
    c.setBorderStyle(s.ints.m[3]);
    applyColour(row.*C::m43, [&](std::int32_t v) { c.setBorderColor(v); });
    applyControlFont(c, row, s.font, false);
    c.setLocked(s.switches.m[10]);
    c.setSpecialEffect(s.ints.m[10]);
    c.setTextAlign(s.ints.m[12]);
    if (multimediaOrMemo) {
        if (const auto length = columnNumber(row.*C::m42)) c.setMaxLength(*length);
        c.setTabStop(s.switches.m[13]);
        c.setToolTipText(fieldText(row.*C::m37));
        c.setWordWrap(s.switches.m[15]);
    }
    if (kind == kKindMemoBox) {
        // What the memo writer stores of the control is read back, so that opening and saving
        // an interface keeps it.
        c.setEnterKeyBehavior(s.switches.m[6]);
        c.setHideSelection(s.switches.m[8]);
        c.setIntegralHeight(s.switches.m[9]);
        c.setEnterFieldBehavior(s.ints.m[5]);
    }
    placeItemBox(c, row);
    c.setVisible(kind == kKindMemoBox ? s.switches.m[14] : true);
    c.ZOrder(0);
    registerItem(row, kind, c, captionFor(row), s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadLineItem(const Row& row) {
    using C = Columns;
    const SwitchSettings switches = controlSettings(row).switches;
    DesignLine& c = newElement(LineArray);
    // For lines member 07 holds the line width.
    if (const auto width = toInt16(row.*C::m07)) c.setBorderWidth(*width);
    applyColour(row.*C::m31, [&](std::int32_t v) { c.setBorderColor(v); });
    c.setX1(row.*C::m11);
    c.setY1(row.*C::m12);
    c.setX2(row.*C::m13);
    c.setY2(row.*C::m14);
    c.setVisible(switches.m[14]);
    c.ZOrder(0);
    registerItem(row, kKindLine, c, 0, switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadCheckBoxItem(const Row& row) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    CheckBoxControl& c = newElement(CheckBoxArray);
    if constexpr (requires { c.setCaption(QString()); })
        c.setCaption(fieldText(row.*C::m03));
    else
        c.setText(fieldText(row.*C::m03));
    applyForeBack(c, row);
    c.setBackStyle(s.ints.m[2]);
    c.setEnabled(s.switches.m[7]);
    applyControlFont(c, row, s.font, false);
    c.setLocked(s.switches.m[10]);
    c.setSpecialEffect(s.ints.m[10]);
    c.setTabStop(true);
    c.setTextAlign(s.ints.m[12]);
    c.setToolTipText(fieldText(row.*C::m37));
    c.setWordWrap(s.switches.m[15]);
    c.show();
    // Entry forms draw the item as a text box with its own border.
    if constexpr (!Columns::kSearchRow) c.setBorderStyle(s.ints.m[3]);
    placeItemBox(c, row);
    if constexpr (requires { c.setValue(0); })
        c.setValue(TrimFixedField(fieldText(row.*C::m36)) == QLatin1String("1") ? 1 : 0);
    c.ZOrder(0);
    // A search form's check box shows its name itself and never gets a caption label; an entry
    // form's may carry one.
    const std::int16_t caption = Columns::kSearchRow ? 0 : captionFor(row);
    registerItem(row, kKindCheckBox, c, caption, s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadComboBoxItem(const Row& row) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    DesignComboBox& c = newElement(ComboBoxArray);
    c.setTextAlign(s.ints.m[12]);
    applyForeBack(c, row);
    c.setBackStyle(s.ints.m[2]);
    c.setBorderStyle(s.ints.m[3]);
    applyColour(row.*C::m43, [&](std::int32_t v) { c.setBorderColor(v); });
    c.setEnabled(true);
    applyControlFont(c, row, s.font, false);
    c.setLocked(s.switches.m[10]);
    if (const auto length = columnNumber(row.*C::m42)) c.setMaxLength(*length);
    c.setSpecialEffect(s.ints.m[10] == 0 ? 0 : 2);
    c.setTabStop(s.switches.m[13]);
    // The drop-down writer stores the control's enter-field behaviour: read it back.
    c.setEnterFieldBehavior(s.ints.m[5]);
    c.setText(bracketedName(row));
    placeItemBox(c, row);
    c.show();
    c.ZOrder(0);
    registerItem(row, kKindComboBox, c, captionFor(row), s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadDatePickerItem(const Row& row) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    DesignPlainTextBox& c = newElement(DatePickerArray);
    c.setAlignment(TextAlignToAlignment(s.ints.m[12]));
    c.setAppearance(s.ints.m[10] == 0 ? 0 : 1);
    c.setBorderStyle(s.ints.m[3]);
    c.setLocked(s.switches.m[10]);
    c.setEnabled(true);
    applyForeBack(c, row);
    applyControlFont(c, row, s.font, false);
    c.setTabStop(s.switches.m[13]);
    c.setText(bracketedName(row));
    c.setToolTipText(fieldText(row.*C::m37));
    placeItemBox(c, row);
    c.show();
    c.ZOrder(0);
    registerItem(row, kKindDatePicker, c, captionFor(row), s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadListBoxItem(const Row& row) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    ListBoxControl& c = newElement(ListBoxArray);
    applyForeBack(c, row);
    c.setBorderStyle(s.ints.m[3]);
    if constexpr (requires { c.AddItem(QString()); }) c.AddItem(bracketedName(row));
    applyColour(row.*C::m43, [&](std::int32_t v) { c.setBorderColor(v); });
    c.setEnabled(true);
    applyControlFont(c, row, s.font, false);
    c.setIntegralHeight(s.switches.m[9]);
    c.setLocked(s.switches.m[10]);
    c.setSpecialEffect(s.ints.m[10]);
    c.setTabStop(s.switches.m[13]);
    if constexpr (requires { c.AddItem(QString()); })
        c.AddItem(fieldText(row.*C::m03));
    else
        c.setText(bracketedName(row));
    c.setTextAlign(s.ints.m[12]);
    c.setToolTipText(fieldText(row.*C::m37));
    placeItemBox(c, row);
    c.setVisible(s.switches.m[14]);
    c.ZOrder(0);
    registerItem(row, kKindListBox, c, captionFor(row), s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadShapeItem(const Row& row) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    DesignPictureBox& c = newElement(ShapeArray);
    applyColour(row.*C::m24, [&](std::int32_t v) { c.setBackColor(v); });
    c.setBorderStyle(s.ints.m[3]);
    applyColour(row.*C::m31, [&](std::int32_t v) { c.setBackColor(v); });
    // The rectangle's outline width and colour travel in members 09 and 23.
    if (const auto width = toInt16(row.*C::m09)) c.setDrawWidth(*width);
    applyColour(row.*C::m23, [&](std::int32_t v) { c.setForeColor(v); });
    placeItemBox(c, row);
    c.setVisible(s.switches.m[14]);
    c.ZOrder(0);
    registerItem(row, kKindShape, c, 0, s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadFrameItem(const Row& row) {
    using C = Columns;
    const ItemSettings s = controlSettings(row);
    DesignFrame& c = newElement(FrameArray);
    c.setCaption(fieldText(row.*C::m36));
    // Search forms keep a frame's border colour in member 31, entry forms in member 43.
    if constexpr (Columns::kSearchRow)
        applyColour(row.*C::m31, [&](std::int32_t v) { c.setBorderColor(v); });
    else
        applyColour(row.*C::m43, [&](std::int32_t v) { c.setBorderColor(v); });
    applyForeBack(c, row);
    c.setEnabled(s.switches.m[7]);
    // Decoded like every other kind's: the save stores it shortened.
    applyControlFont(c, row, s.font, false);
    c.setSpecialEffect(s.ints.m[10]);
    c.setToolTipText(fieldText(row.*C::m37));
    c.setBorderStyle(s.ints.m[3]);
    c.setBorderWidth(row.*C::m07);
    placeItemBox(c, row);
    c.setVisible(s.switches.m[14]);
    c.ZOrder(0);
    registerItem(row, kKindFrame, c, 0, s.switches.m[14]);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::LoadOtherItem(const Row& row) {
    const double number = leadingNumber(TrimFixedField(fieldText(row.*Columns::m06)));
    // Search forms hold an unknown kind in 16 bits, entry forms in 32.
    std::optional<std::int32_t> kind;
    if constexpr (Columns::kSearchRow) {
        if (const auto narrow = toInt16(number)) kind = *narrow;
    } else {
        kind = toInt32(number);
    }
    if (!kind) {
        keepRow(row, KeptReason::LoadFailed);
        return;
    }
    const std::int32_t index = AddDesignItem(row, *kind, 0, 0);
    keepRow(row, index == 0 ? KeptReason::TableFull : KeptReason::KindUnknown, index);
}

}  // namespace zelk
