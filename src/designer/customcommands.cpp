// Custom lines and labels: the rows the toolbar and the copy command build and hand to the
// designer's own loaders, and the seven element loaders that nothing reaches.

#include "designer/canvas/customitems.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "platform/controls/designline.h"

namespace zelk {

namespace {

LabelSource labelSource(const DesignLabel& label) {
    LabelSource s;
    s.left = label.Left();
    s.top = label.Top();
    s.width = label.Width();
    s.height = label.Height();
    s.fontName = label.FontName();
    s.fontSize = label.FontSize();
    s.bold = label.FontBold();
    s.italic = label.FontItalic();
    s.underline = label.FontUnderline();
    s.foreColor = label.ForeColor();
    s.backColor = label.BackColor();
    s.caption = label.Caption();
    s.backStyle = label.BackStyle();
    s.borderStyle = label.BorderStyle();
    s.specialEffect = label.SpecialEffect();
    s.textAlign = label.TextAlign();
    return s;
}

}  // namespace

template <class Row, class CheckBoxControl, class ListBoxControl>
template <class T>
bool ItemDesigner<Row, CheckBoxControl, ListBoxControl>::loadCustomRow(const Row& row,
                                                                       ControlArray<T>& array) {
    const std::int32_t itemsBefore = ItemCount;
    const std::size_t keptBefore = KeptRows.size();
    const int lastBefore = array.ubound();
    // The loader keeps a refused row for the save and leaves its control hidden; a custom item
    // that the table refuses is dropped whole instead.
    const auto undo = [&] {
        KeptRows.resize(keptBefore);
        while (array.ubound() > lastBefore) array.unload(array.ubound());
    };
    try {
        if constexpr (std::is_same_v<T, DesignLine>)
            LoadLineItem(row);
        else
            LoadLabelItem(row);
    } catch (...) {
        if (ItemCount == itemsBefore) undo();
        throw;
    }
    if (ItemCount == itemsBefore) {
        undo();
        return false;
    }
    DesignModified = true;
    VBSelectControl(&array[array.ubound()]);
    return true;
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddCustomLine() {
    const CustomPlacement at{HScrollBar->value(), VScrollBar->value()};
    loadCustomRow(customLineRow<Row, Columns>(LineArray.count(), at), LineArray);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddCustomLabel() {
    const CustomPlacement at{HScrollBar->value(), VScrollBar->value()};
    loadCustomRow(customLabelRow<Row, Columns>(LabelArray.count(), at), LabelArray);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::CopyCustomLine(DesignLine*& source) {
    if (!source) return;
    LineSource s;
    s.x1 = source->X1();
    s.y1 = source->Y1();
    s.x2 = source->X2();
    s.y2 = source->Y2();
    s.borderColor = source->BorderColor();
    loadCustomRow(copiedLineRow<Row, Columns>(LineArray.count(), s), LineArray);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::CopyCustomLabel(DesignControl*& source) {
    const auto* label = dynamic_cast<const DesignLabel*>(source);
    if (!label) return;
    loadCustomRow(copiedLabelRow<Row, Columns>(LabelArray.count(), labelSource(*label)),
                  LabelArray);
}

template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddShapeControl() {
    ShapeArray.loadNext().show();
}
template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddFrameControl() {
    FrameArray.loadNext().show();
}
template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddCheckBoxControl() {
    CheckBoxArray.loadNext().show();
}
template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddDatePickerControl() {
    DatePickerArray.loadNext().show();
}
template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddTextBoxControl() {
    TextBoxArray.loadNext().show();
}
template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddFrameControl2() {
    FrameArray.loadNext().show();
}
template <class Row, class CheckBoxControl, class ListBoxControl>
void ItemDesigner<Row, CheckBoxControl, ListBoxControl>::AddListBoxControl() {
    ListBoxArray.loadNext().show();
}

#define ZELK_CUSTOM_COMMANDS(...)                                              \
    template void ItemDesigner<__VA_ARGS__>::AddCustomLine();                  \
    template void ItemDesigner<__VA_ARGS__>::AddCustomLabel();                 \
    template void ItemDesigner<__VA_ARGS__>::CopyCustomLine(DesignLine*&);     \
    template void ItemDesigner<__VA_ARGS__>::CopyCustomLabel(DesignControl*&); \
    template void ItemDesigner<__VA_ARGS__>::AddShapeControl();                \
    template void ItemDesigner<__VA_ARGS__>::AddFrameControl();                \
    template void ItemDesigner<__VA_ARGS__>::AddCheckBoxControl();             \
    template void ItemDesigner<__VA_ARGS__>::AddDatePickerControl();           \
    template void ItemDesigner<__VA_ARGS__>::AddTextBoxControl();              \
    template void ItemDesigner<__VA_ARGS__>::AddFrameControl2();               \
    template void ItemDesigner<__VA_ARGS__>::AddListBoxControl();

ZELK_CUSTOM_COMMANDS(ISITRecord, DesignTextBox, DesignTextBox)
ZELK_CUSTOM_COMMANDS(IJSTRecord, DesignCheckBox, DesignListBox)

#undef ZELK_CUSTOM_COMMANDS

}  // namespace zelk
