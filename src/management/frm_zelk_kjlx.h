#pragma once
// "更改栏目控件类型": gives one item of an item-entry (ISIT) or item-search (IJST) interface
// another control kind; the change and the interface's version counter are stored together.

#include <cstdint>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "component/records.h"
#include "platform/form.h"

namespace zelk {

class frm_zelk_kjlx : public Form {
    Q_OBJECT
  public:
    explicit frm_zelk_kjlx(QWidget* parent = nullptr);

    // isIJST 0: the item is an ISIT row, else an IJST row. An item that is not found leaves
    // ItemFound false: the dialog is not to be shown.
    void init(std::int32_t hdbc, std::int32_t itemId, std::int16_t isIJST);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;  // the current kind
    QLabel* Label3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;  // "确定"
    QPushButton* Command2 = nullptr;  // "取消"

    bool ItemFound = false;
    // The stored kind as a number (1 for a stored "0").
    std::int32_t StoredKind() const { return storedKind_; }

    void Combo1_Change();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();

  private:
    std::int32_t hdbc_ = 0;
    std::int16_t isIJST_ = 0;
    ISITRecord isit_;
    IJSTRecord ijst_;
    std::int32_t interfaceId_ = 0;
    std::int32_t storedKind_ = 0;
};

// The kind list of the dialog: 13 entries, entry i for kind i + 1; entry 5 names the list box of
// an item-entry form or the sub-table search item of a search form.
QStringList controlKindEntries(bool searchItem);
// The entry a stored kind selects: kind - 1 above 1, 0 for 1 and below, -1 (none) above 13.
int controlKindIndex(std::int32_t storedKind);

}  // namespace zelk
