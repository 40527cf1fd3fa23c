// Writers of item-search rows: one design item and its design control become the columns of
// its kind. Written over the output row type so that the item-entry designer's companion search
// form and its own item rows share them. Writers set only their kind's columns and trap nothing:
// a missing control or an unrepresentable number reaches the saving routine as an exception.

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "component/fixedfield.h"
#include "designer/designerbase.h"

namespace zelk {

namespace {

std::int32_t roundedTwips(double twips) {
    const auto value = toInt32(twips);
    if (!value) throw std::out_of_range("design control geometry does not fit a row");
    return *value;
}

QString colourOf(std::int32_t colour) {
    return colourText(static_cast<std::uint32_t>(colour));
}

template <class Control>
FontStyleFlags fontFlagsOf(const Control& c) {
    FontStyleFlags f;
    f.bold = c.FontBold();
    f.italic = c.FontItalic();
    f.underline = c.FontUnderline();
    f.strikethrough = c.FontStrikethru();
    return f;
}

// The appearance members every kind with a border and a background stores of its control.
template <class Control>
void writeLook(const Control& c, ItemSettings& s) {
    s.ints.m[2] = c.BackStyle();
    s.ints.m[3] = c.BorderStyle();
    s.ints.m[10] = c.SpecialEffect();
    s.ints.m[12] = c.TextAlign();
    s.font = fontFlagsOf(c);
}

// A label's settings, for label items and caption labels alike.
ItemSettings labelSettings(const DesignLabel& label, bool visible) {
    ItemSettings s;
    s.switches.m[1] = label.AutoSize();
    s.switches.m[7] = true;
    s.switches.m[14] = visible;
    s.switches.m[15] = label.WordWrap();
    writeLook(label, s);
    return s;
}

// Default value, hint, maximum length and border colour of the kinds the user types into.
template <class Row, class Control>
void writeTypedColumns(const DesignItem& item, const Control& c, Row& row) {
    using C = ItemColumns<Row>;
    setField(row.*C::m36, item.DefaultValue);
    setField(row.*C::m37, item.HintText);
    setField(row.*C::m42, decimalText(item.MaxLength));
    setField(row.*C::m43, colourOf(c.BorderColor()));
}

template <class Row, class Control>
void writeGeometry(Row& row, const Control& c) {
    using C = ItemColumns<Row>;
    row.*C::m11 = roundedTwips(c.Left());
    row.*C::m12 = roundedTwips(c.Top());
    row.*C::m13 = roundedTwips(c.Left() + c.Width());
    row.*C::m14 = roundedTwips(c.Top() + c.Height());
}

// A field filled to its width with the value and blanks, without the NUL.
template <std::size_t N>
void setPaddedField(std::array<char, N>& field, const QString& value) {
    QByteArray bytes = toGbk(value);
    const std::size_t keep =
        gbkCutLength(bytes.constData(), static_cast<std::size_t>(bytes.size()), N);
    bytes.truncate(static_cast<qsizetype>(keep));
    bytes.append(QByteArray(static_cast<qsizetype>(N - keep), ' '));
    std::memcpy(field.data(), bytes.constData(), N);
}

}  // namespace

// The item-search designer's dialogs edit the automatic move to the next field (a multimedia
// item's conversion to a postil) and a date box's whole-word selection: store what they hold.
void DesignerBase::completeWrittenSettings(WrittenGroup group, const DesignItem& item, bool,
                                           ItemSettings& s) const {
    if (group != WrittenGroup::Control) return;
    switch (item.ControlKind) {
        case kKindDatePicker:
            s.switches.m[3] = item.AutoWordSelect;
            [[fallthrough]];
        case kKindTextBox:
        case kKindCheckBox:
        case kKindComboBox:
        case kKindMemoBox:
        case kKindMMX:
        case kKindChildTable:
            s.switches.m[2] = item.AutoTab;
            break;
        default:
            break;
    }
}

template <class Row>
void DesignerBase::writeCaption(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const DesignLabel& label = LabelArray.at(item.CaptionIndex);
    ItemSettings s = labelSettings(label, labelVisible(item.CaptionIndex));
    completeWrittenSettings(WrittenGroup::Caption, item, C::kSearchRow, s);

    setField(row.*C::m03, item.ItemName);
    setField(row.*C::m05, QStringLiteral("1"));
    row.*C::m07 = roundedTwips(label.Left());
    row.*C::m08 = roundedTwips(label.Top());
    row.*C::m09 = roundedTwips(label.Left() + label.Width());
    row.*C::m10 = roundedTwips(label.Top() + label.Height());
    setField(row.*C::m15, label.FontName());
    setField(row.*C::m16, EncodeFontStyle(s.font));
    setField(row.*C::m17, sizeText(label.FontSize()));
    setField(row.*C::m18, colourOf(label.ForeColor()));
    setField(row.*C::m19, colourOf(label.BackColor()));
    setField(row.*C::m31, colourOf(label.BorderColor()));
    setField(row.*C::m38, EncodeIntSettings(s.ints));
    setField(row.*C::m39, EncodeSwitches(s.switches));
}

// Columns every writer of a control with a font and colours writes: member 01, 02, 04, 06, the
// geometry, the control's font and colours, and the two settings texts.
template <class Row, class Control>
void DesignerBase::writeControlColumns(const DesignItem& item, const Control& c, Row& row,
                                       ItemSettings& s) const {
    using C = ItemColumns<Row>;
    completeWrittenSettings(WrittenGroup::Control, item, C::kSearchRow, s);
    row.*C::m01 = InterfaceRow.id00;
    setField(row.*C::m02, item.BoundColumn);
    row.*C::m04 = item.EntryOrder;
    setField(row.*C::m06, decimalText(item.ControlKind));
    writeGeometry(row, c);
    setField(row.*C::m20, c.FontName());
    setField(row.*C::m21, EncodeFontStyle(s.font));
    setField(row.*C::m22, sizeText(c.FontSize()));
    setField(row.*C::m23, colourOf(c.ForeColor()));
    setField(row.*C::m24, colourOf(c.BackColor()));
    setField(row.*C::m40, EncodeIntSettings(s.ints));
    setField(row.*C::m41, EncodeSwitches(s.switches));
}

template <class Row>
void DesignerBase::writeItemName(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const std::int32_t kind = item.ControlKind;
    const bool named = (kind >= kKindLabel && kind <= kKindListBox) ||
                       (kind >= kKindMemoBox && kind <= kKindPostil);
    if (!named) return;
    // Without a caption label the row still carries the item's name, so that it reloads with
    // it; the caption writer replaces it when there is a caption label. Item-entry rows also
    // say that they have none.
    setField(row.*C::m03, item.ItemName);
    if constexpr (!C::kSearchRow) setField(row.*C::m05, QStringLiteral("0"));
}

template <class Row>
void DesignerBase::writeLabel(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const DesignLabel& c = LabelArray.at(item.ArrayIndex);
    // The label dialogs set the label's own auto size; the item keeps what the row held.
    ItemSettings s = labelSettings(c, labelVisible(item.ArrayIndex));
    writeControlColumns(item, c, row, s);
    setField(row.*C::m36, item.DefaultValue);
    setField(row.*C::m43, colourOf(c.BorderColor()));
    const bool freeLabel = isFreeLabelRow(row);
    if (freeLabel) {
        setField(row.*C::m03, item.ItemName);
        setField(row.*C::m36, c.Caption());
    }
    if (item.CaptionIndex > 0 && !freeLabel) writeCaption(item, row);
}

// Single-line text boxes, child tables and multimedia items share one control class and writer.
template <class Row>
void DesignerBase::writeTextBoxLike(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    // Postils of entry forms are text boxes of the designer's own array.
    const auto* found = dynamic_cast<const DesignTextBox*>(itemControl(item));
    if (!found) throw std::out_of_range("text box of the item is missing");
    const DesignTextBox& c = *found;
    ItemSettings s;
    s.switches.m[1] = item.AutoSize;
    s.switches.m[3] = item.AutoWordSelect;
    s.switches.m[7] = item.Enabled;
    s.switches.m[10] = item.ReadOnly;
    s.switches.m[13] = c.TabStop();
    s.switches.m[14] = item.Visible;
    writeLook(c, s);
    if (item.ControlKind == kKindChildTable) s.ints.m[5] = item.ListEntryMode;
    if (item.ControlKind == kKindMMX) {
        s.switches.m[10] = c.Locked();
        s.switches.m[13] = true;
        s.ints.m[6] = item.ShowMediaInline ? 1 : 0;
    }
    writeControlColumns(item, c, row, s);
    if (item.ControlKind == kKindChildTable) {
        setField(row.*C::m27, decimalText(item.ExtraInfoEntryMode));
        setField(row.*C::m28, item.ChildTableClass);
    }
    writeTypedColumns(item, c, row);
    if (item.CaptionIndex > 0) writeCaption(item, row);
}

template <class Row, class Control>
void DesignerBase::writeCheckBox(const DesignItem& item, const Control& c, Row& row) const {
    using C = ItemColumns<Row>;
    ItemSettings s;
    s.switches.m[1] = item.AutoSize;
    // Nothing sets it; a control class without it stores false.
    if constexpr (requires { c.TripleState(); }) s.switches.m[4] = c.TripleState();
    s.switches.m[7] = c.Enabled();
    s.switches.m[10] = c.Locked();
    s.switches.m[13] = true;
    s.switches.m[14] = item.Visible;
    s.ints.m[2] = c.BackStyle();
    s.ints.m[10] = c.SpecialEffect();
    s.ints.m[12] = c.TextAlign();
    s.font = fontFlagsOf(c);
    setField(row.*C::m03, item.ItemName);
    setField(row.*C::m05, QStringLiteral("0"));
    row.*C::m07 = row.*C::m08 = row.*C::m09 = row.*C::m10 = 0;
    setField(row.*C::m15, QString());
    setField(row.*C::m16, QString());
    setField(row.*C::m17, QString());
    writeControlColumns(item, c, row, s);
    setField(row.*C::m36, QString());
    setField(row.*C::m37, item.HintText);
    setField(row.*C::m42, QString());
    setField(row.*C::m43, QString());
    if (item.CaptionIndex > 0) writeCaption(item, row);
}

template <class Row>
void DesignerBase::writeComboBox(const DesignItem& item, Row& row) const {
    const DesignComboBox& c = ComboBoxArray.at(item.ArrayIndex);
    ItemSettings s;
    s.switches.m[1] = item.AutoSize;
    s.switches.m[3] = item.AutoWordSelect;
    s.switches.m[7] = item.Enabled;
    s.switches.m[10] = c.Locked();
    s.switches.m[13] = true;
    s.switches.m[14] = item.Visible;
    writeLook(c, s);
    s.ints.m[5] = c.EnterFieldBehavior();
    s.ints.m[11] = item.DataSelectMode;
    writeControlColumns(item, c, row, s);
    writeTypedColumns(item, c, row);
    if (item.CaptionIndex > 0) writeCaption(item, row);
}

template <class Row, class Control>
void DesignerBase::writeListBox(const DesignItem& item, const Control& c, Row& row) const {
    using C = ItemColumns<Row>;
    ItemSettings s;
    s.switches.m[7] = item.Enabled;
    s.switches.m[10] = item.ReadOnly;
    s.switches.m[13] = true;
    s.switches.m[14] = item.Visible;
    s.ints.m[3] = c.BorderStyle();
    s.ints.m[10] = c.SpecialEffect();
    s.ints.m[12] = c.TextAlign();
    s.font = fontFlagsOf(c);
    writeControlColumns(item, c, row, s);
    setField(row.*C::m37, item.HintText);
    setField(row.*C::m43, colourOf(c.BorderColor()));
    if (item.CaptionIndex > 0) writeCaption(item, row);
}

template <class Row>
void DesignerBase::writeMemoBox(const DesignItem& item, Row& row) const {
    const DesignTextBox& c = MemoBoxArray.at(item.ArrayIndex);
    ItemSettings s;
    s.switches.m[1] = item.AutoSize;
    s.switches.m[3] = item.AutoWordSelect;
    s.switches.m[4] = true;
    s.switches.m[6] = c.EnterKeyBehavior();
    s.switches.m[7] = item.Enabled;
    s.switches.m[8] = c.HideSelection();
    s.switches.m[9] = c.IntegralHeight();
    s.switches.m[10] = item.ReadOnly;
    s.switches.m[13] = true;
    s.switches.m[14] = item.Visible;
    // The memo loader applies strikethrough and the maximum length; store both back so that
    // opening and saving keeps them.
    writeLook(c, s);
    s.ints.m[5] = c.EnterFieldBehavior();
    writeControlColumns(item, c, row, s);
    writeTypedColumns(item, c, row);
    if (item.CaptionIndex > 0) writeCaption(item, row);
}

template <class Row>
void DesignerBase::writeDatePicker(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const DesignPlainTextBox& c = DatePickerArray.at(item.ArrayIndex);
    ItemSettings s;
    s.switches.m[7] = item.Enabled;
    s.switches.m[10] = c.Locked();
    s.switches.m[14] = item.Visible;
    s.ints.m[3] = c.BorderStyle();
    s.ints.m[10] = c.Appearance();
    s.ints.m[12] = AlignmentToTextAlign(c.Alignment());
    // The date dialog sets the box's font; the item keeps the flags the row held.
    s.font = fontFlagsOf(c);
    writeControlColumns(item, c, row, s);
    setField(row.*C::m06, QStringLiteral("5"));
    // Search rows hold the date box's size in single precision, entry rows as every other kind.
    if constexpr (C::kSearchRow)
        setField(row.*C::m22, singleSizeText(static_cast<float>(c.FontSize())));
    setField(row.*C::m36, item.DefaultValue);
    setField(row.*C::m37, item.HintText);
    setField(row.*C::m42, decimalText(item.MaxLength));
    if (item.CaptionIndex > 0) writeCaption(item, row);
}

template <class Row>
void DesignerBase::writeShape(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const DesignPictureBox& c = ShapeArray.at(item.ArrayIndex);
    ItemSettings s;
    row.*C::m01 = InterfaceRow.id00;
    // Rectangles and frames keep their names: the field tree and the manager show them.
    setField(row.*C::m03, item.ItemName);
    setField(row.*C::m06, QStringLiteral("7"));
    setField(row.*C::m24, decimalText(item.BackColor));
    s.ints.m[3] = item.BorderStyle;
    bool tagIsNumber = false;
    const int tag = c.Tag().trimmed().toInt(&tagIsNumber);
    if (!tagIsNumber) throw std::invalid_argument("rectangle without an item tag");
    row.*C::m07 = tag;
    setField(row.*C::m31, decimalText(item.BackColor));
    // The rectangle's two drawing attributes: its outline width and outline colour.
    row.*C::m09 = c.DrawWidth();
    setField(row.*C::m23, colourOf(c.ForeColor()));
    writeGeometry(row, c);
    s.switches.m[14] = c.Visible();
    completeWrittenSettings(WrittenGroup::Control, item, C::kSearchRow, s);
    setField(row.*C::m41, EncodeSwitches(s.switches));
    setField(row.*C::m40, EncodeIntSettings(s.ints));
}

template <class Row>
void DesignerBase::writeFrame(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const DesignFrame& c = FrameArray.at(item.ArrayIndex);
    ItemSettings s;
    row.*C::m01 = InterfaceRow.id00;
    setField(row.*C::m03, item.ItemName);
    setField(row.*C::m06, QStringLiteral("8"));
    // Search rows carry the caption blank-padded without its NUL; entry rows by the usual rule.
    if constexpr (C::kSearchRow)
        setPaddedField(row.*C::m36, c.Caption());
    else
        setField(row.*C::m36, c.Caption());
    s.font.bold = item.FontBold;
    s.font.italic = item.FontItalic;
    s.font.underline = item.FontUnderline;
    s.font.strikethrough = c.FontStrikethru();
    s.switches.m[7] = item.Enabled;
    // The raised or sunken look is the control's: the loader sets nothing else.
    s.ints.m[10] = c.SpecialEffect();
    s.ints.m[3] = item.BorderStyle;
    s.switches.m[14] = item.Visible;
    completeWrittenSettings(WrittenGroup::Control, item, C::kSearchRow, s);
    row.*C::m07 = item.BorderWidth;
    setField(row.*C::m23, decimalText(item.ForeColor));
    setField(row.*C::m24, decimalText(item.BackColor));
    setField(row.*C::m20, c.FontName());
    setField(row.*C::m21, EncodeFontStyle(s.font));
    setField(row.*C::m22, decimalText(item.FontSize));
    writeGeometry(row, c);
    setField(row.*C::m37, item.HintText);
    setField(row.*C::m41, EncodeSwitches(s.switches));
    setField(row.*C::m40, EncodeIntSettings(s.ints));
    setField(row.*C::m43, decimalText(item.BorderColor));
    // Search forms read a frame's border colour from member 31.
    if constexpr (C::kSearchRow) setField(row.*C::m31, colourOf(c.BorderColor()));
}

template <class Row>
void DesignerBase::writeLine(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    const DesignLine& c = LineArray.at(item.ArrayIndex);
    ItemSettings s;
    row.*C::m01 = InterfaceRow.id00;
    setField(row.*C::m02, QStringLiteral(" "));
    setField(row.*C::m03, TrimFixedField(item.ItemName));
    row.*C::m04 = 0;
    setField(row.*C::m05, QStringLiteral("0"));
    setField(row.*C::m06, QStringLiteral("9"));
    row.*C::m08 = row.*C::m09 = row.*C::m10 = 0;
    row.*C::m07 = item.BorderWidth;
    row.*C::m11 = roundedTwips(c.X1());
    row.*C::m12 = roundedTwips(c.Y1());
    row.*C::m13 = roundedTwips(c.X2());
    row.*C::m14 = roundedTwips(c.Y2());
    setField(row.*C::m31, colourOf(c.BorderColor()));
    s.switches.m[14] = item.Visible;
    completeWrittenSettings(WrittenGroup::Control, item, C::kSearchRow, s);
    setField(row.*C::m41, EncodeSwitches(s.switches));
}

template <class Row>
void DesignerBase::writeOther(const DesignItem& item, Row& row) const {
    using C = ItemColumns<Row>;
    ItemSettings s;
    s.switches.m[1] = item.AutoSize;
    s.switches.m[3] = item.AutoWordSelect;
    s.switches.m[4] = true;
    s.switches.m[7] = item.Enabled;
    s.switches.m[10] = item.ReadOnly;
    s.switches.m[13] = true;
    s.switches.m[14] = item.Visible;
    s.font.bold = item.FontBold;
    s.font.italic = item.FontItalic;
    s.font.underline = item.FontUnderline;
    completeWrittenSettings(WrittenGroup::Control, item, C::kSearchRow, s);
    row.*C::m01 = InterfaceRow.id00;
    setField(row.*C::m02, item.BoundColumn);
    setField(row.*C::m03, item.ItemName);
    row.*C::m04 = item.EntryOrder;
    setField(row.*C::m06, decimalText(item.ControlKind));
    setField(row.*C::m20, item.FontName);
    setField(row.*C::m21, EncodeFontStyle(s.font));
    setField(row.*C::m22, decimalText(item.FontSize));
    setField(row.*C::m23, decimalText(item.ForeColor));
    setField(row.*C::m37, item.HintText);
    setField(row.*C::m40, EncodeIntSettings(s.ints));
    setField(row.*C::m41, EncodeSwitches(s.switches));
}

// ---- The item-search writers by name --------------------------------------------------------

void DesignerBase::SaveIJSTCaption(const DesignItem& item, IJSTRecord& row) const {
    writeCaption(item, row);
}
void DesignerBase::SaveIJSTLabel(const DesignItem& item, IJSTRecord& row) const {
    writeLabel(item, row);
}
void DesignerBase::SaveIJSTTextBox(const DesignItem& item, IJSTRecord& row) const {
    writeTextBoxLike(item, row);
}
void DesignerBase::SaveIJSTChildTable(const DesignItem& item, IJSTRecord& row) const {
    writeTextBoxLike(item, row);
}
void DesignerBase::SaveIJSTMMX(const DesignItem& item, IJSTRecord& row) const {
    writeTextBoxLike(item, row);
}
void DesignerBase::SaveIJSTCheckBox(const DesignItem& item, IJSTRecord& row) const {
    writeCheckBoxRow(item, row);
}
void DesignerBase::SaveIJSTComboBox(const DesignItem& item, IJSTRecord& row) const {
    writeComboBox(item, row);
}
void DesignerBase::SaveIJSTDatePicker(const DesignItem& item, IJSTRecord& row) const {
    writeDatePicker(item, row);
}
void DesignerBase::SaveIJSTListBox(const DesignItem& item, IJSTRecord& row) const {
    writeListBoxRow(item, row);
}
void DesignerBase::SaveIJSTShape(const DesignItem& item, IJSTRecord& row) const {
    writeShape(item, row);
}
void DesignerBase::SaveIJSTFrame(const DesignItem& item, IJSTRecord& row) const {
    writeFrame(item, row);
}
void DesignerBase::SaveIJSTLine(const DesignItem& item, IJSTRecord& row) const {
    writeLine(item, row);
}
void DesignerBase::SaveIJSTMemoBox(const DesignItem& item, IJSTRecord& row) const {
    writeMemoBox(item, row);
}
void DesignerBase::SaveIJSTOther(const DesignItem& item, IJSTRecord& row) const {
    writeOther(item, row);
}

void DesignerBase::SaveIJSTItem(const DesignItem& item, IJSTRecord& row) const {
    writeItemName(item, row);
    switch (item.ControlKind) {
        case kKindLabel:
            SaveIJSTLabel(item, row);
            break;
        case kKindTextBox:
            SaveIJSTTextBox(item, row);
            break;
        case kKindCheckBox:
            SaveIJSTCheckBox(item, row);
            break;
        case kKindComboBox:
            SaveIJSTComboBox(item, row);
            break;
        case kKindDatePicker:
            SaveIJSTDatePicker(item, row);
            break;
        case kKindListBox:
            SaveIJSTListBox(item, row);
            break;
        case kKindShape:
            SaveIJSTShape(item, row);
            break;
        case kKindFrame:
            SaveIJSTFrame(item, row);
            break;
        case kKindLine:
            SaveIJSTLine(item, row);
            break;
        case kKindMemoBox:
            SaveIJSTMemoBox(item, row);
            break;
        case kKindMMX:
            SaveIJSTMMX(item, row);
            break;
        case kKindChildTable:
            SaveIJSTChildTable(item, row);
            break;
        default:
            SaveIJSTOther(item, row);
            break;
    }
}

// The generic writers for item-entry rows, for the item-entry designer's own writers.
#define ZELK_INSTANTIATE_WRITERS(Row)                                                 \
    template void DesignerBase::writeCaption<Row>(const DesignItem&, Row&) const;     \
    template void DesignerBase::writeItemName<Row>(const DesignItem&, Row&) const;    \
    template void DesignerBase::writeLabel<Row>(const DesignItem&, Row&) const;       \
    template void DesignerBase::writeTextBoxLike<Row>(const DesignItem&, Row&) const; \
    template void DesignerBase::writeCheckBox<Row, DesignCheckBox>(                   \
        const DesignItem&, const DesignCheckBox&, Row&) const;                        \
    template void DesignerBase::writeCheckBox<Row, DesignTextBox>(                    \
        const DesignItem&, const DesignTextBox&, Row&) const;                         \
    template void DesignerBase::writeComboBox<Row>(const DesignItem&, Row&) const;    \
    template void DesignerBase::writeListBox<Row, DesignListBox>(                     \
        const DesignItem&, const DesignListBox&, Row&) const;                         \
    template void DesignerBase::writeListBox<Row, DesignTextBox>(                     \
        const DesignItem&, const DesignTextBox&, Row&) const;                         \
    template void DesignerBase::writeMemoBox<Row>(const DesignItem&, Row&) const;     \
    template void DesignerBase::writeDatePicker<Row>(const DesignItem&, Row&) const;  \
    template void DesignerBase::writeShape<Row>(const DesignItem&, Row&) const;       \
    template void DesignerBase::writeFrame<Row>(const DesignItem&, Row&) const;       \
    template void DesignerBase::writeLine<Row>(const DesignItem&, Row&) const;        \
    template void DesignerBase::writeOther<Row>(const DesignItem&, Row&) const;

ZELK_INSTANTIATE_WRITERS(IJSTRecord)
ZELK_INSTANTIATE_WRITERS(ISITRecord)

}  // namespace zelk
