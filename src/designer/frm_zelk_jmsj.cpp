#include "designer/frm_zelk_jmsj.h"

namespace zelk {

namespace {

DesignTextBox* postilTemplate(QWidget* canvas) {
    auto* control = new DesignTextBox(canvas);
    control->applyTemplate(DesignArray::PostilArray);
    control->hide();
    return control;
}

}  // namespace

frm_zelk_jmsj::frm_zelk_jmsj(QWidget* parent)
    : ItemDesigner<ISITRecord>(parent),
      PostilArray(QStringLiteral("PostilArray"), postilTemplate(PictureContainer)) {
    setObjectName(QStringLiteral("frm_zelk_jmsj"));
}

void frm_zelk_jmsj::loadItemOfKind(std::int32_t kind, const ISITRecord& row) {
    if (kind == kKindPostil) {
        LoadPostilItem(row);
        return;
    }
    ItemDesigner<ISITRecord>::loadItemOfKind(kind, row);
}

DesignControl* frm_zelk_jmsj::extraItemControl(std::int32_t kind, std::int32_t arrayIndex) const {
    return kind == kKindPostil ? PostilArray.find(arrayIndex) : nullptr;
}

void frm_zelk_jmsj::completeDesignItem(DesignItem& item, const ItemSettings& settings) const {
    // Multimedia items of entry forms: 1 shows files inline, 2 also shows pictures directly.
    item.ShowMediaInline = settings.ints.m[6] == 1 || settings.ints.m[6] == 2;
    item.ShowPictureDirect = settings.ints.m[6] == 2;
}

void frm_zelk_jmsj::completeWrittenSettings(WrittenGroup group, const DesignItem& item,
                                            bool searchRow, ItemSettings& settings) const {
    if (!searchRow || group != WrittenGroup::Control) return;
    // The companion search form takes no selection mode and draws date boxes with a border.
    if (item.ControlKind == kKindComboBox) settings.ints.m[11] = 0;
    if (item.ControlKind == kKindDatePicker) {
        settings.ints.m[2] = 1;
        settings.ints.m[3] = 1;
        settings.switches.m[1] = item.AutoSize;
        settings.switches.m[3] = item.AutoWordSelect;
        if (const DesignPlainTextBox* c = DatePickerArray.find(item.ArrayIndex)) {
            settings.ints.m[1] = c->Alignment();
            settings.switches.m[13] = c->TabStop();
            settings.font.bold = c->FontBold();
            settings.font.italic = c->FontItalic();
            settings.font.underline = c->FontUnderline();
        }
    }
}

}  // namespace zelk
