#pragma once
// The exchange between a designer and an item property dialog, one engine for every kind of
// both designers: fill the dialog from the item and its control, and after OK write it back into
// the item, the look of the control (or of every element of its array), the control's displayed
// name and its caption label. What sets one kind apart is its ExchangeRule and, where a dialog
// or a control class has a property the others lack, the presence of that property.
//
// Setters of the design controls refuse a bad value and keep the old one, and conversions that
// fail leave their field: a refused value changes nothing, the later steps still run.

#include <cmath>
#include <functional>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "designer/designerbase.h"

namespace zelk::properties {

struct ExchangeRule {
    bool readOnlyFromItem = false;    // the read-only box shows DesignItem.ReadOnly, else Locked
    bool readOnlyToItem = false;      // OK stores the read-only box in DesignItem.ReadOnly too
    bool toAll = true;                // the apply box is honoured
    bool typedFields = true;          // format, maximum length, data format, border colour
    bool approval = false;            // fid, approval step and single-user window exchanged
    bool borderStyleToAll = true;     // BorderStyle belongs to the look every element takes
    bool borderStyleCurrent = false;  // the current control alone takes BorderStyle
    bool enabledToControl = false;  // the control's Enabled follows "无效" (its writer stores it)
    bool defaultFontName = false;   // an empty font name is shown as "宋体"
};

// The item a control's tag names: a tag that is not a number means entry 0; an index outside
// the table means no item.
DesignItem* taggedItem(DesignerBase& w, const QString& tag);

// A font size in whole points, halves to the even neighbour.
inline std::int32_t wholePoints(double size) {
    return static_cast<std::int32_t>(std::nearbyint(size));
}

inline QString bracketed(const QString& name) {
    return QStringLiteral("『") + name + QStringLiteral("』");
}

template <class Dialog, class Control>
class PropertyExchange {
  public:
    PropertyExchange(DesignerBase& w, ControlArray<Control>& array, ExchangeRule rule)
        : w_(w),
          array_(array),
          rule_(rule),
          unstored_(w.unstoredDialogValues(array.name())),
          control_(array.find(w.curIndex)) {
        if (control_) item_ = taggedItem(w, control_->Tag());
    }

    // False when curIndex names no element of the array: nothing opens.
    bool ready() const { return control_ != nullptr; }

    std::function<void(Dialog&)> prepare() {
        return [this](Dialog& d) {
            if (item_) fillFromItem(d, *item_);
            fillFromControl(d, *control_);
            if constexpr (requires { d.hdbc; }) d.hdbc = w_.hdbc;
            if constexpr (requires { d.fid; })
                if (rule_.approval) d.fid = QString::number(w_.fid);
            d.LoadAllProperties();
            d.disableValues(unstored_);
        };
    }

    std::function<void(Dialog&)> finish() {
        return [this](Dialog& d) {
            if (d.Cancelled) return;
            const bool unhidden = item_ && !item_->Visible && d.Visible;
            if (item_) writeItem(d, *item_);
            // An item shown again is drawn again; hiding one changes only its record.
            if (unhidden) control_->setVisible(true);
            if (applyToAll(d)) {
                for (const int i : array_.indices())
                    if (Control* c = array_.find(i)) applyLook(d, *c, c == control_);
            } else {
                applyLook(d, *control_, true);
            }
            if constexpr (requires { control_->setText(QString()); })
                control_->setText(bracketed(d.ItemName));
            else
                control_->setCaption(bracketed(d.ItemName));
            if (item_) {
                if (DesignLabel* label =
                        w_.LabelArray.find(static_cast<std::int16_t>(item_->CaptionIndex)))
                    label->setCaption(d.ItemName);
            }
            w_.DesignModified = true;
        };
    }

  private:
    bool stored(const char* variable) const { return !unstored_.contains(QLatin1String(variable)); }

    bool applyToAll(const Dialog& d) const {
        if constexpr (requires { d.ApplyToSameKind; })
            return rule_.toAll && d.ApplyToSameKind;
        else
            return false;
    }

    void fillFromItem(Dialog& d, const DesignItem& item) const {
        if constexpr (requires { d.SingleUserWindow; }) {
            if (rule_.approval) {
                d.SingleUserWindow = item.AutoWordSelect;
                d.ApprovalStepName = item.ChildTableClass;
            }
        } else {
            d.AutoWordSelect = item.AutoWordSelect;
            d.ChildTableClass = item.ChildTableClass;
        }
        d.AutoSize = item.AutoSize;
        if constexpr (requires { d.AutoConvertToPostil; })
            d.AutoConvertToPostil = item.AutoTab;
        else
            d.AutoTab = item.AutoTab;
        if (rule_.typedFields) {
            d.Format = item.Format;
            d.MaxLength = QString::number(item.MaxLength);
            d.DataFormat = item.DataFormat;
        }
        d.DefaultValue = item.DefaultValue;
        d.BoundColumn = item.BoundColumn;
        d.ItemName = item.ItemName;
        d.EntryOrder = item.EntryOrder;
        d.HintText = item.HintText;
        d.Visible = item.Visible;
        d.Enabled = item.Enabled;
        if (rule_.readOnlyFromItem) d.ReadOnly = item.ReadOnly;
        if constexpr (requires { d.DataSelectMode; }) d.DataSelectMode = item.DataSelectMode;
        if constexpr (requires { d.ExtraInfoEntryMode; }) {
            d.ExtraInfoEntryMode = item.ExtraInfoEntryMode;
            d.ListEntryMode = item.ListEntryMode;
        }
        if constexpr (requires { d.ShowMediaInline; }) {
            d.ShowMediaInline = item.ShowMediaInline;
            d.ShowPictureDirect = item.ShowPictureDirect;
        }
    }

    void fillFromControl(Dialog& d, const Control& c) const {
        if (!rule_.readOnlyFromItem) d.ReadOnly = c.Locked();
        d.BackColor = c.BackColor();
        if constexpr (requires { c.BackStyle(); }) d.BackStyle = c.BackStyle();
        if constexpr (requires { c.BorderStyle(); })
            if (rule_.borderStyleToAll || rule_.borderStyleCurrent) d.BorderStyle = c.BorderStyle();
        if constexpr (requires { c.BorderColor(); })
            if (rule_.typedFields) d.BorderColor = c.BorderColor();
        if constexpr (requires { c.SpecialEffect(); })
            d.SpecialEffect = static_cast<std::int16_t>(c.SpecialEffect());
        if constexpr (requires { c.Appearance(); }) d.Appearance = c.Appearance();
        d.FontBold = c.FontBold();
        d.FontItalic = c.FontItalic();
        d.FontName = c.FontName();
        if (rule_.defaultFontName && d.FontName.isEmpty()) d.FontName = QStringLiteral("宋体");
        d.FontSize = wholePoints(c.FontSize());
        d.FontUnderline = c.FontUnderline();
        d.ForeColor = c.ForeColor();
        if constexpr (requires { c.TextAlign(); })
            d.TextAlign = c.TextAlign();
        else
            d.TextAlign = AlignmentToTextAlign(c.Alignment());
    }

    void writeItem(const Dialog& d, DesignItem& item) const {
        if constexpr (requires { d.SingleUserWindow; }) {
            if (rule_.approval) {
                item.AutoWordSelect = d.SingleUserWindow;
                item.ChildTableClass = d.ApprovalStepName;
            }
        } else {
            item.AutoWordSelect = d.AutoWordSelect;
            item.ChildTableClass = d.ChildTableClass;
        }
        item.AutoSize = d.AutoSize;
        if constexpr (requires { d.AutoConvertToPostil; })
            item.AutoTab = d.AutoConvertToPostil;
        else
            item.AutoTab = d.AutoTab;
        if (rule_.typedFields) {
            item.Format = d.Format;
            item.DataFormat = d.DataFormat;
            // A text that is no number in range keeps the old length.
            if (const auto length = numericInt32(d.MaxLength)) item.MaxLength = *length;
        }
        item.DefaultValue = d.DefaultValue;
        item.BoundColumn = d.BoundColumn;
        item.ItemName = d.ItemName;
        item.HintText = d.HintText;
        item.Visible = d.Visible;
        item.EntryOrder = d.EntryOrder;
        item.Enabled = d.Enabled;
        if (rule_.readOnlyToItem) item.ReadOnly = d.ReadOnly;
        if constexpr (requires { d.DataSelectMode; }) item.DataSelectMode = d.DataSelectMode;
        if constexpr (requires { d.ExtraInfoEntryMode; }) {
            item.ExtraInfoEntryMode = d.ExtraInfoEntryMode;
            item.ListEntryMode = d.ListEntryMode;
        }
        if constexpr (requires { d.ShowMediaInline; }) {
            item.ShowMediaInline = d.ShowMediaInline;
            item.ShowPictureDirect = d.ShowPictureDirect;
        }
    }

    // The look of one element; `current`: the edited control, which alone takes the kind's
    // current-only properties (a date box's appearance, an entry check box's border style) and
    // its read-only state, which belongs to the item, not to the look.
    void applyLook(const Dialog& d, Control& c, bool current) const {
        if (current) c.setLocked(d.ReadOnly);
        c.setBackColor(d.BackColor);
        // What the designer does not store is not shown either: the canvas shows what a save
        // keeps.
        if constexpr (requires { c.setBackStyle(0); })
            if (stored("BackStyle")) c.setBackStyle(d.BackStyle);
        if constexpr (requires { c.setBorderStyle(0); })
            if ((rule_.borderStyleToAll || (current && rule_.borderStyleCurrent)) &&
                stored("BorderStyle"))
                c.setBorderStyle(d.BorderStyle);
        if constexpr (requires { c.setBorderColor(0); })
            if (rule_.typedFields && stored("BorderColor")) c.setBorderColor(d.BorderColor);
        if constexpr (requires { c.setSpecialEffect(0); }) c.setSpecialEffect(d.SpecialEffect);
        if constexpr (requires { c.setAppearance(0); })
            if (current) c.setAppearance(d.Appearance);
        c.setFontBold(d.FontBold);
        c.setFontItalic(d.FontItalic);
        c.setFontName(d.FontName);
        c.setFontSize(d.FontSize);
        c.setFontUnderline(d.FontUnderline);
        c.setForeColor(d.ForeColor);
        if constexpr (requires { c.setTextAlign(0); })
            c.setTextAlign(d.TextAlign);
        else
            c.setAlignment(TextAlignToAlignment(d.TextAlign));
        if (current && rule_.enabledToControl) c.setEnabled(d.Enabled);
    }

    DesignerBase& w_;
    ControlArray<Control>& array_;
    ExchangeRule rule_;
    QStringList unstored_;  // dialog values the designer keeps in no column for this kind
    Control* control_ = nullptr;
    DesignItem* item_ = nullptr;
};

// Runs one kind's exchange on the element curIndex of `array`, the dialog held in `ref`.
template <class Dialog, class Control, class Show>
void exchangeProperties(DesignerBase& w, ControlArray<Control>& array, const ExchangeRule& rule,
                        Show&& show) {
    PropertyExchange<Dialog, Control> exchange(w, array, rule);
    if (!exchange.ready()) return;
    show(exchange.prepare(), exchange.finish());
}

}  // namespace zelk::properties
