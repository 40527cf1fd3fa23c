#pragma once
// One canvas item of a form designer: what its design control cannot hold, and the appearance
// values some writers take from the item rather than from the control.

#include <cstdint>
#include <vector>

#include <QString>

namespace zelk {

// Control kinds as item rows store them (ii06 / is06).
enum ControlKindCode : std::int32_t {
    kKindLabel = 1,
    kKindTextBox = 2,
    kKindCheckBox = 3,
    kKindComboBox = 4,
    kKindDatePicker = 5,
    kKindListBox = 6,
    kKindShape = 7,
    kKindFrame = 8,
    kKindLine = 9,
    kKindMemoBox = 10,
    kKindMMX = 11,
    kKindChildTable = 12,
    kKindPostil = 13,  // item-entry designer only
};

// The item table holds entries 0..kMaxDesignItems; entry 0 is never used.
inline constexpr std::int32_t kMaxDesignItems = 1024;

struct DesignItem {
    std::int32_t ControlKind = 0;
    std::int16_t ArrayIndex = 0;
    std::int32_t CaptionIndex = 0;  // LabelArray index of the caption label; 0 = none
    bool AutoSize = false;
    QString ItemName;
    QString Format;
    QString DefaultValue;
    QString HintText;
    bool Visible = false;
    bool Enabled = false;
    bool ReadOnly = false;
    bool AutoTab = false;  // multimedia items: AutoConvertToPostil
    std::int32_t EntryOrder = 0;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t BackStyle = 0;
    std::int32_t BackColor = 0;
    std::int32_t SpecialEffect = 0;
    std::int32_t BorderStyle = 0;
    std::int32_t BorderColor = 0;
    std::int32_t BorderWidth = 0;
    QString FontName;  // stored form, not decoded
    std::int32_t FontSize = 0;
    std::int32_t ForeColor = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    std::int32_t TextAlign = 0;
    bool AutoWordSelect = false;  // check-box and postil items: SingleUserWindow
    QString BoundColumn;
    QString ChildTableClass;  // check-box and postil items: ApprovalStepName
    std::int32_t ExtraNumber = 0;
    std::int32_t MaxLength = 0;
    QString DataFormat;
    std::int32_t DataSelectMode = 0;  // drop-down boxes: 0 typing allowed, any other select only
    std::int16_t ExtraInfoEntryMode = 0;
    std::int16_t Deleted = 0;  // 0 live, -1 deleted
    std::int32_t ItemNo = 0;
    bool ShowMediaInline = false;
    bool ShowPictureDirect = false;
    std::int16_t ListEntryMode = 0;
};

// Why a row read from the database is kept aside as read.
enum class KeptReason {
    KindNotNumeric,  // no item at all
    KindUnknown,     // registered as an item without a control
    TableFull,       // the item table had no room; its control is hidden
    LoadFailed,      // its loader failed before the item was registered
};

// A row the designer cannot show, kept byte for byte so that a save can write it back unchanged.
// itemIndex is the row's item when it has one (unknown kinds), else 0.
template <class Row>
struct KeptRow {
    Row row;
    KeptReason reason = KeptReason::LoadFailed;
    std::int32_t itemIndex = 0;
};

// The kept rows without an item: a save writes them back as read.
template <class Row>
std::vector<Row> rowsWithoutItem(const std::vector<KeptRow<Row>>& kept) {
    std::vector<Row> rows;
    for (const auto& k : kept)
        if (k.itemIndex == 0) rows.push_back(k.row);
    return rows;
}

}  // namespace zelk
