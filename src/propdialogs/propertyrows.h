#pragma once
// The exchange between a property dialog's public variables and its controls, one row per
// variable: how the value goes into the control (LoadAllProperties) and how it comes back (OK).
// A dialog's rows are its table, in the order its steps run. A value a control cannot show
// (a special effect outside the list, a border style a check box cannot hold) leaves the control
// empty and comes back unchanged unless the user changes that control.

#include <QCheckBox>
#include <QComboBox>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/controls/keyedtoolbar.h"
#include "propdialogs/propertytextbox.h"

namespace zelk {

struct PropertyRow {
    QString variable = {};
    std::function<void()> load = {};  // empty: the variable is not loaded
    std::function<void()> save = {};  // empty: the variable is not saved
    // Before anything is saved: the message when the control's text cannot be taken.
    std::function<std::optional<QString>()> check = {};
    QWidget* box = nullptr;  // the control the user must correct
    // The controls that edit the value, for a caller that stores nothing of it.
    std::vector<QWidget*> controls = {};
    std::vector<ToolbarButton*> buttons = {};
};

using PropertyRows = std::vector<PropertyRow>;

PropertyRow textRow(const char* variable, QString& value, QLineEdit* box);
// The text of a drop-down box (editable or not).
PropertyRow comboTextRow(const char* variable, QString& value, QComboBox* box);
// Ticked when true, or when false for an inverted box ("隐藏" for Visible).
PropertyRow checkRow(const char* variable, bool& value, QCheckBox* box, bool inverted = false);
// The value itself as the box's value (0 or 1); any other value is kept while the box stays
// clear.
PropertyRow checkValueRow(const char* variable, std::int32_t& value, QCheckBox* box);
// The swatch's exact colour value; `button` opens the colour dialog.
PropertyRow colourRow(const char* variable, std::int32_t& value, PropertyTextBox* swatch,
                      QWidget* button);
// The item's own font name is always offered, and comes back verbatim.
PropertyRow fontNameRow(QString& value, QComboBox* box);
// Decimal text, read back as a number (halves to the even neighbour); text that is not a
// number in range is refused with the message. A font size is in range from 1 to the largest
// size the design controls take.
PropertyRow fontSizeRow(std::int32_t& value, QComboBox* box);
PropertyRow entryOrderRow(std::int32_t& value, QLineEdit* box);
// A toggle button of the toolbar: pressed when true.
PropertyRow buttonRow(const char* variable, bool& value, ToolbarButton* button);
// A button group: the button of value first + i is pressed; none for any other value, which
// then comes back unchanged unless a button is pressed. Later buttons win.
PropertyRow groupRow(const char* variable, std::int32_t& value, std::vector<ToolbarButton*> buttons,
                     int first);
PropertyRow groupRow(const char* variable, std::int16_t& value, std::vector<ToolbarButton*> buttons,
                     int first);
// The list index; a value that is no index leaves the list without a selection and comes back
// unchanged while nothing is selected.
PropertyRow listIndexRow(const char* variable, std::int16_t& value, QComboBox* box);
// The apply box: not loaded (it starts clear), true when ticked.
PropertyRow applyRow(bool& value, QCheckBox* box);

// Table edits for a dialog that differs from the frame.
void replaceRow(PropertyRows& rows, const QString& variable, PropertyRow row);
void insertRowBefore(PropertyRows& rows, const QString& variable, PropertyRow row);
void insertRowAfter(PropertyRows& rows, const QString& variable, PropertyRow row);

// The frame's rows of a dialog D, in the order of the frame's steps: a row for each of the
// frame's variables that D has. Variables in the place of the frame's (Caption for ItemName,
// AutoConvertToPostil for AutoTab, SingleUserWindow for AutoWordSelect, VerticalAlign after
// TextAlign) take that place and control.
template <class D>
PropertyRows framePropertyRows(D& d) {
    PropertyRows r;
    if constexpr (requires { d.ItemName; })
        r.push_back(textRow("ItemName", d.ItemName, &d.Text1[0]));
    if constexpr (requires { d.Caption; }) r.push_back(textRow("Caption", d.Caption, &d.Text1[0]));
    if constexpr (requires { d.Format; })
        r.push_back(comboTextRow("Format", d.Format, &d.ComboBox1[0]));
    if constexpr (requires { d.DefaultValue; })
        r.push_back(textRow("DefaultValue", d.DefaultValue, &d.Text1[2]));
    if constexpr (requires { d.HintText; })
        r.push_back(textRow("HintText", d.HintText, &d.Text1[3]));
    if constexpr (requires { d.EntryOrder; }) r.push_back(entryOrderRow(d.EntryOrder, &d.Text1[8]));
    r.push_back(checkRow("Visible", d.Visible, d.Check1, true));
    r.push_back(checkRow("Enabled", d.Enabled, d.Check2, true));
    r.push_back(checkRow("ReadOnly", d.ReadOnly, d.Check3));
    if constexpr (requires { d.AutoTab; }) r.push_back(checkRow("AutoTab", d.AutoTab, d.Check4));
    if constexpr (requires { d.AutoConvertToPostil; })
        r.push_back(checkRow("AutoConvertToPostil", d.AutoConvertToPostil, d.Check4));
    r.push_back(colourRow("ForeColor", d.ForeColor, &d.Text1[18], d.Command3));
    r.push_back(colourRow("BackColor", d.BackColor, &d.Text1[13], d.Command1));
    r.push_back(colourRow("BorderColor", d.BorderColor, &d.Text1[16], d.Command2));
    r.push_back(fontNameRow(d.FontName, &d.ComboBox1[9]));
    r.push_back(fontSizeRow(d.FontSize, &d.ComboBox1[10]));
    KeyedToolbar& bar = *d.Toolbar1;
    r.push_back(buttonRow("FontBold", d.FontBold, bar.Button(1)));
    r.push_back(buttonRow("FontItalic", d.FontItalic, bar.Button(2)));
    r.push_back(buttonRow("FontUnderline", d.FontUnderline, bar.Button(3)));
    r.push_back(
        groupRow("TextAlign", d.TextAlign, {bar.Button(5), bar.Button(6), bar.Button(7)}, 1));
    if constexpr (requires { d.VerticalAlign; })
        r.push_back(groupRow("VerticalAlign", d.VerticalAlign,
                             {bar.Button(9), bar.Button(10), bar.Button(11)}, 0));
    if constexpr (requires { d.SpecialEffect; })
        r.push_back(listIndexRow("SpecialEffect", d.SpecialEffect, &d.ComboBox1[7]));
    r.push_back(checkRow("AutoSize", d.AutoSize, d.Check5));
    r.push_back(checkValueRow("BorderStyle", d.BorderStyle, d.Check7));
    r.push_back(checkValueRow("BackStyle", d.BackStyle, d.Check8));
    if constexpr (requires { d.BoundColumn; })
        r.push_back(textRow("BoundColumn", d.BoundColumn, &d.Text1[26]));
    if constexpr (requires { d.ChildTableClass; })
        r.push_back(textRow("ChildTableClass", d.ChildTableClass, &d.Text1[24]));
    if constexpr (requires { d.DataFormat; })
        r.push_back(textRow("DataFormat", d.DataFormat, &d.Text1[20]));
    if constexpr (requires { d.MaxLength; })
        r.push_back(textRow("MaxLength", d.MaxLength, &d.Text1[22]));
    if constexpr (requires { d.AutoWordSelect; })
        r.push_back(checkRow("AutoWordSelect", d.AutoWordSelect, d.Check6));
    if constexpr (requires { d.SingleUserWindow; })
        r.push_back(checkRow("SingleUserWindow", d.SingleUserWindow, d.Check6));
    if constexpr (requires { d.ApplyToSameKind; })
        r.push_back(applyRow(d.ApplyToSameKind, d.applyBox()));
    return r;
}

}  // namespace zelk
