// The label handler of both designers: the look, caption and stored visibility of a free label
// or a caption label, and the name of the item whose caption label it is.

#include "designer/designerbase.h"
#include "designer/properties/propertyexchange.h"
#include "platform/errors.h"
#include "propdialogs/frm_label_prop.h"

namespace zelk {

namespace {

// A label whose tag names no item, or whose item is bound to no column, stands by itself.
bool isFreeLabel(DesignerBase& w, const DesignLabel& label) {
    const auto index = numericInt32(label.Tag());
    if (!index) return true;
    DesignItem* item = properties::taggedItem(w, label.Tag());
    if (!item) return true;
    const QString bound = TrimFixedField(item->BoundColumn);
    return bound.isEmpty() || bound.toUpper() == QLatin1String("NULL");
}

void fillLabelDialog(frm_label_prop& d, const DesignLabel& label, bool visible,
                     bool verticalAlign) {
    d.AutoSize = label.AutoSize();
    d.BackColor = label.BackColor();
    d.BackStyle = label.BackStyle();
    d.BorderStyle = label.BorderStyle();
    d.BorderColor = label.BorderColor();
    d.Caption = label.Caption();
    d.SpecialEffect = static_cast<std::int16_t>(label.SpecialEffect());
    d.FontBold = label.FontBold();
    d.FontItalic = label.FontItalic();
    d.FontName = label.FontName();
    d.FontSize = properties::wholePoints(label.FontSize());
    d.FontUnderline = label.FontUnderline();
    d.ForeColor = label.ForeColor();
    d.TextAlign = label.TextAlign();
    d.Visible = visible;
    if (verticalAlign) {
        const auto code = numericInt32(label.ToolTipText());
        d.VerticalAlign = static_cast<std::int16_t>(code && *code >= 0 && *code <= 2 ? *code : 0);
    }
}

void applyLabelLook(const frm_label_prop& d, DesignLabel& label, bool verticalAlign) {
    label.setAutoSize(d.AutoSize);
    label.setBackColor(d.BackColor);
    label.setBackStyle(d.BackStyle);
    label.setBorderStyle(d.BorderStyle);
    label.setBorderColor(d.BorderColor);
    label.setSpecialEffect(d.SpecialEffect);
    label.setFontBold(d.FontBold);
    label.setFontItalic(d.FontItalic);
    label.setFontName(d.FontName);
    label.setFontSize(d.FontSize);
    label.setFontUnderline(d.FontUnderline);
    label.setForeColor(d.ForeColor);
    label.setTextAlign(d.TextAlign);
    if (verticalAlign) label.setToolTipText(QString::number(d.VerticalAlign));
}

}  // namespace

void DesignerBase::mnu_label_prop_Click() {
    TrapErrors(QStringLiteral("mnu_label_prop_Click"), [this] {
        DesignControl* current = CurrentControl();
        if (!current) return;
        if (current->Name() == QLatin1String("LabelArray"))
            curIndex = static_cast<std::int16_t>(current->Index());
        DesignLabel* label = LabelArray.find(curIndex);
        if (!label) return;
        const bool free = isFreeLabel(*this, *label);
        const bool verticalAlign = labelVerticalAlignEdited();
        showHeld<frm_label_prop>(
            pf4, [this](QString& id) { pf4_NeedHelp(id); },
            [&](frm_label_prop& d) {
                fillLabelDialog(d, *label, labelVisible(curIndex), verticalAlign);
                d.LoadAllProperties();
                d.disableValues(unstoredDialogValues(LabelArray.name()));
            },
            [&](frm_label_prop& d) {
                if (d.Cancelled) return;
                if (d.ApplyToSameKind) {
                    for (const int i : LabelArray.indices())
                        if (DesignLabel* each = LabelArray.find(i))
                            applyLabelLook(d, *each, verticalAlign);
                } else {
                    applyLabelLook(d, *label, verticalAlign);
                }
                // Stored on both paths: the apply box must not drop the edited label's choice.
                setLabelVisible(curIndex, d.Visible);
                label->setCaption(d.Caption);
                if (!free) {
                    for (DesignItem& item : ItemTable) {
                        if (item.CaptionIndex != curIndex) continue;
                        item.ItemName = d.Caption;
                        break;
                    }
                }
                DesignModified = true;
            });
    });
}

}  // namespace zelk
