#include "propdialogs/propertyrows.h"

#include <algorithm>
#include <memory>

#include "component/zelkmodule.h"
#include "platform/controls/designcontrol.h"

namespace zelk {

namespace {

QString name(const char* variable) {
    return QString::fromLatin1(variable);
}

PropertyRows::iterator findRow(PropertyRows& rows, const QString& variable) {
    return std::find_if(rows.begin(), rows.end(),
                        [&](const PropertyRow& r) { return r.variable == variable; });
}

// The number in a box's text, or nullopt when the text is no number of that range.
template <class T>
std::optional<T> numberIn(const QString& text) {
    if (!isNumeric(text)) return std::nullopt;
    if constexpr (sizeof(T) == 2) {
        return toInt16(leadingNumber(text));
    } else {
        return toInt32(leadingNumber(text));
    }
}

template <class T>
PropertyRow groupRowOf(const char* variable, T& value, std::vector<ToolbarButton*> buttons,
                       int first) {
    PropertyRow row{name(variable)};
    row.buttons = buttons;
    row.load = [&value, buttons, first] {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            buttons[i]->SetValue(value == first + static_cast<int>(i));
    };
    row.save = [&value, buttons, first] {
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i]->Value()) value = static_cast<T>(first + static_cast<int>(i));
    };
    return row;
}

}  // namespace

PropertyRow textRow(const char* variable, QString& value, QLineEdit* box) {
    PropertyRow row{name(variable)};
    row.load = [&value, box] { box->setText(value); };
    row.save = [&value, box] { value = box->text(); };
    row.controls = {box};
    return row;
}

PropertyRow comboTextRow(const char* variable, QString& value, QComboBox* box) {
    PropertyRow row{name(variable)};
    row.load = [&value, box] {
        if (box->isEditable()) {
            box->setEditText(value);
        } else {
            box->setCurrentIndex(box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    };
    row.save = [&value, box] { value = box->currentText(); };
    row.controls = {box};
    return row;
}

PropertyRow checkRow(const char* variable, bool& value, QCheckBox* box, bool inverted) {
    PropertyRow row{name(variable)};
    row.load = [&value, box, inverted] { box->setChecked(value != inverted); };
    row.save = [&value, box, inverted] { value = box->isChecked() != inverted; };
    row.controls = {box};
    return row;
}

PropertyRow checkValueRow(const char* variable, std::int32_t& value, QCheckBox* box) {
    PropertyRow row{name(variable)};
    auto kept = std::make_shared<bool>(false);
    row.load = [&value, box, kept] {
        *kept = value != 0 && value != 1;
        box->setChecked(value == 1);
    };
    row.save = [&value, box, kept] {
        if (*kept && !box->isChecked()) return;
        value = box->isChecked() ? 1 : 0;
    };
    row.controls = {box};
    return row;
}

PropertyRow colourRow(const char* variable, std::int32_t& value, PropertyTextBox* swatch,
                      QWidget* button) {
    PropertyRow row{name(variable)};
    row.controls = {button};
    row.load = [&value, swatch] { swatch->SetBackColor(value); };
    row.save = [&value, swatch] { value = swatch->BackColor(); };
    return row;
}

PropertyRow fontNameRow(QString& value, QComboBox* box) {
    PropertyRow row{QStringLiteral("FontName")};
    row.load = [&value, box] {
        int at = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at < 0) {
            box->addItem(value);
            at = box->count() - 1;
        }
        box->setCurrentIndex(at);
    };
    row.save = [&value, box] { value = box->currentText(); };
    row.controls = {box};
    return row;
}

PropertyRow fontSizeRow(std::int32_t& value, QComboBox* box) {
    PropertyRow row{QStringLiteral("FontSize")};
    // The text shown at load: left as it is, the size comes back unchanged.
    auto shown = std::make_shared<QString>();
    row.load = [&value, box, shown] {
        *shown = QString::number(value);
        box->setEditText(*shown);
    };
    row.check = [box, shown]() -> std::optional<QString> {
        if (box->currentText() == *shown) return std::nullopt;
        const auto size = numberIn<std::int32_t>(box->currentText());
        if (size && *size >= 1 && *size <= kMaxFontPoints) return std::nullopt;
        return QStringLiteral("字体大小必须是1到%1之间的数字！").arg(kMaxFontPoints);
    };
    row.save = [&value, box, shown] {
        if (box->currentText() != *shown) value = *numberIn<std::int32_t>(box->currentText());
    };
    row.box = box;
    row.controls = {box};
    return row;
}

PropertyRow entryOrderRow(std::int32_t& value, QLineEdit* box) {
    PropertyRow row{QStringLiteral("EntryOrder")};
    row.load = [&value, box] { box->setText(QString::number(value)); };
    row.check = [box]() -> std::optional<QString> {
        if (numberIn<std::int32_t>(box->text())) return std::nullopt;
        return QStringLiteral("录入顺序必须是-2147483648到2147483647之间的数字！");
    };
    row.save = [&value, box] { value = *numberIn<std::int32_t>(box->text()); };
    row.box = box;
    row.controls = {box};
    return row;
}

PropertyRow buttonRow(const char* variable, bool& value, ToolbarButton* button) {
    PropertyRow row{name(variable)};
    row.buttons = {button};
    row.load = [&value, button] { button->SetValue(value); };
    row.save = [&value, button] { value = button->Value(); };
    return row;
}

PropertyRow groupRow(const char* variable, std::int32_t& value, std::vector<ToolbarButton*> buttons,
                     int first) {
    return groupRowOf(variable, value, std::move(buttons), first);
}

PropertyRow groupRow(const char* variable, std::int16_t& value, std::vector<ToolbarButton*> buttons,
                     int first) {
    return groupRowOf(variable, value, std::move(buttons), first);
}

PropertyRow listIndexRow(const char* variable, std::int16_t& value, QComboBox* box) {
    PropertyRow row{name(variable)};
    auto kept = std::make_shared<bool>(false);
    row.load = [&value, box, kept] {
        *kept = value < 0 || value >= box->count();
        box->setCurrentIndex(*kept ? -1 : value);
    };
    row.save = [&value, box, kept] {
        if (*kept && box->currentIndex() < 0) return;
        value = static_cast<std::int16_t>(box->currentIndex());
    };
    row.controls = {box};
    return row;
}

PropertyRow applyRow(bool& value, QCheckBox* box) {
    PropertyRow row{QStringLiteral("ApplyToSameKind")};
    row.save = [&value, box] { value = box->isChecked(); };
    return row;
}

void replaceRow(PropertyRows& rows, const QString& variable, PropertyRow row) {
    auto at = findRow(rows, variable);
    if (at != rows.end()) *at = std::move(row);
}

void insertRowBefore(PropertyRows& rows, const QString& variable, PropertyRow row) {
    rows.insert(findRow(rows, variable), std::move(row));
}

void insertRowAfter(PropertyRows& rows, const QString& variable, PropertyRow row) {
    auto at = findRow(rows, variable);
    rows.insert(at == rows.end() ? at : at + 1, std::move(row));
}

}  // namespace zelk
