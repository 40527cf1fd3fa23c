#include "designer/frm_zelk_jmsj.h"

#include <functional>

namespace zelk {

frm_zelk_jmsj::frm_zelk_jmsj(QWidget* parent)
    : EntryItemDesigner(parent),
      PostilArray(QStringLiteral("PostilArray"),
                  makeTemplate<DesignTextBox>(PictureTest, DesignArray::PostilArray)) {
    setObjectName(QStringLiteral("frm_zelk_jmsj"));
    setItemEntryCanvasHooks();
}

void frm_zelk_jmsj::loadItemOfKind(std::int32_t kind, const ISITRecord& row) {
    if (kind == kKindPostil) {
        LoadPostilItem(row);
        return;
    }
    EntryItemDesigner::loadItemOfKind(kind, row);
}

void frm_zelk_jmsj::LoadPostilItem(const ISITRecord& row) {
    loadTextBoxInto(row, kKindPostil, PostilArray);
}

void frm_zelk_jmsj::labelLoaded(DesignLabel& label, const ItemSettings& settings) {
    label.setToolTipText(QString::number(settings.ints.m[13]));
}

std::int16_t frm_zelk_jmsj::labelVerticalAlignment(const DesignLabel& label) {
    const auto code = numericInt32(label.ToolTipText());
    if (!code || *code < 0 || *code > 9) return 0;
    return static_cast<std::int16_t>(*code);
}

DesignControl* frm_zelk_jmsj::extraItemControl(std::int32_t kind, std::int32_t arrayIndex) const {
    if (kind == kKindPostil) return PostilArray.find(arrayIndex);
    return EntryItemDesigner::extraItemControl(kind, arrayIndex);
}

void frm_zelk_jmsj::completeDesignItem(DesignItem& item, const ItemSettings& settings) const {
    // Multimedia items of entry forms: 1 shows files inline, 2 also shows pictures directly.
    item.ShowMediaInline = settings.ints.m[6] == 1 || settings.ints.m[6] == 2;
    item.ShowPictureDirect = settings.ints.m[6] == 2;
}

void frm_zelk_jmsj::completeWrittenSettings(WrittenGroup group, const DesignItem& item,
                                            bool searchRow, ItemSettings& settings) const {
    if (!searchRow) {
        completeEntrySettings(group, item, settings);
        return;
    }
    if (group != WrittenGroup::Control) return;
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
        }
    }
}

// What entry rows store beyond the search rows' settings: the labels' vertical alignment, the
// automatic move to the next field, and the flags the property dialogs edit for each kind.
void frm_zelk_jmsj::completeEntrySettings(WrittenGroup group, const DesignItem& item,
                                          ItemSettings& s) const {
    if (group == WrittenGroup::Caption) {
        s.ints.m[13] = labelVerticalAlignment(LabelArray.at(item.CaptionIndex));
        return;
    }
    switch (item.ControlKind) {
        case kKindLabel:
            s.ints.m[13] = labelVerticalAlignment(LabelArray.at(item.ArrayIndex));
            return;
        case kKindTextBox:
        case kKindComboBox:
        case kKindMemoBox:
        case kKindChildTable:
        case kKindPostil:
            s.switches.m[2] = item.AutoTab;
            return;
        case kKindMMX:
            s.switches.m[2] = item.AutoTab;  // convert to a postil file on saving
            s.ints.m[6] = item.ShowPictureDirect ? 2 : item.ShowMediaInline ? 1 : 0;
            return;
        case kKindCheckBox:
            s.switches.m[2] = item.AutoTab;
            s.switches.m[3] = item.AutoWordSelect;  // single-user handling window
            // The check-box dialog edits the item's flag, never the control's.
            s.switches.m[7] = item.Enabled;
            s.ints.m[3] = CheckBoxArray.at(item.ArrayIndex).BorderStyle();
            return;
        case kKindDatePicker:
            s.switches.m[1] = item.AutoSize;
            s.switches.m[2] = item.AutoTab;
            s.switches.m[3] = item.AutoWordSelect;
            return;
        case kKindListBox:
            s.switches.m[1] = item.AutoSize;
            s.switches.m[2] = item.AutoTab;
            s.switches.m[3] = item.AutoWordSelect;
            return;
        default:
            return;
    }
}

// ---- Writers ----------------------------------------------------------------------------------

void frm_zelk_jmsj::writeEntryColumns(const DesignItem& item, ISITRecord& row) const {
    const std::int32_t kind = item.ControlKind;
    const bool named = (kind >= kKindLabel && kind <= kKindListBox) ||
                       (kind >= kKindMemoBox && kind <= kKindPostil);
    if (named) {
        // Without a caption label the row still carries the item's name, so that it reloads
        // with it; the caption writer replaces both when there is a caption label.
        setField(row.ii03, item.ItemName);
        setField(row.ii05, QStringLiteral("0"));
    }
    setField(row.ii28, item.ChildTableClass);
    switch (kind) {
        case kKindTextBox:
        case kKindComboBox:
        case kKindDatePicker:
        case kKindMemoBox:
            setField(row.ii33, item.Format);
            break;
        case kKindListBox:
            setField(row.ii33, item.Format);
            setField(row.ii36, item.DefaultValue);
            setField(row.ii42, decimalText(item.MaxLength));
            break;
        default:
            break;
    }
}

void frm_zelk_jmsj::SaveISITCaption(const DesignItem& item, ISITRecord& row) const {
    writeCaption(item, row);
    setField(row.ii28, item.ChildTableClass);
}

void frm_zelk_jmsj::SaveISITLabel(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeLabel(item, row);
}

void frm_zelk_jmsj::SaveISITTextBox(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeTextBoxLike(item, row);
}

void frm_zelk_jmsj::SaveISITCheckBox(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeCheckBox(item, CheckBoxArray.at(item.ArrayIndex), row);
}

void frm_zelk_jmsj::SaveISITComboBox(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeComboBox(item, row);
}

void frm_zelk_jmsj::SaveISITDatePicker(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeDatePicker(item, row);
}

void frm_zelk_jmsj::SaveISITListBox(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeListBox(item, ListBoxArray.at(item.ArrayIndex), row);
}

void frm_zelk_jmsj::SaveISITShape(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeShape(item, row);
}

void frm_zelk_jmsj::SaveISITFrame(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeFrame(item, row);
}

void frm_zelk_jmsj::SaveISITLine(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeLine(item, row);
}

void frm_zelk_jmsj::SaveISITMemoBox(const DesignItem& item, ISITRecord& row) const {
    writeEntryColumns(item, row);
    writeMemoBox(item, row);
}

// Multimedia, sub-table and postil items are text boxes to the writers.
void frm_zelk_jmsj::SaveISITMMX(const DesignItem& item, ISITRecord& row) const {
    SaveISITTextBox(item, row);
}

void frm_zelk_jmsj::SaveISITChildTable(const DesignItem& item, ISITRecord& row) const {
    SaveISITTextBox(item, row);
}

void frm_zelk_jmsj::SaveISITPostil(const DesignItem& item, ISITRecord& row) const {
    SaveISITTextBox(item, row);
}

void frm_zelk_jmsj::SaveISITOther(const DesignItem& item, ISITRecord& row) const {
    // The writers take the item alone; its index is its place in the table, when it is one of ours.
    const DesignItem* first = ItemTable.data();
    const bool inTable =
        !std::less<>()(&item, first) && std::less<>()(&item, first + ItemTable.size());
    const std::ptrdiff_t at = inTable ? &item - first : 0;
    const ISITRecord* kept =
        at > 0 && at <= ItemCount ? keptRowOf(static_cast<std::int32_t>(at)) : nullptr;
    if (!kept) {
        // Not read from a row: what the item itself holds.
        writeOther(item, row);
        setField(row.ii28, item.ChildTableClass);
        return;
    }
    // It belongs to the interface being saved, whatever number that is saved under.
    restoreKeptRow(*kept, InterfaceRow.id00, row);
    row.ii04 = item.EntryOrder;
}

void frm_zelk_jmsj::SaveISITItem(const DesignItem& item, ISITRecord& row) const {
    switch (item.ControlKind) {
        case kKindLabel:
            SaveISITLabel(item, row);
            break;
        case kKindTextBox:
            SaveISITTextBox(item, row);
            break;
        case kKindCheckBox:
            SaveISITCheckBox(item, row);
            break;
        case kKindComboBox:
            SaveISITComboBox(item, row);
            break;
        case kKindDatePicker:
            SaveISITDatePicker(item, row);
            break;
        case kKindListBox:
            SaveISITListBox(item, row);
            break;
        case kKindShape:
            SaveISITShape(item, row);
            break;
        case kKindFrame:
            SaveISITFrame(item, row);
            break;
        case kKindLine:
            SaveISITLine(item, row);
            break;
        case kKindMemoBox:
            SaveISITMemoBox(item, row);
            break;
        case kKindMMX:
            SaveISITMMX(item, row);
            break;
        case kKindChildTable:
            SaveISITChildTable(item, row);
            break;
        case kKindPostil:
            SaveISITPostil(item, row);
            break;
        default:
            SaveISITOther(item, row);
            break;
    }
}

}  // namespace zelk
