// The property command of both designers and the handler of each item kind: which dialog the
// current control opens, in which reference it is held, and the rule of its exchange.

#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/properties/propertyexchange.h"
#include "platform/errors.h"
#include "propdialogs/frm_check_prop.h"
#include "propdialogs/frm_combo_prop.h"
#include "propdialogs/frm_ctable_prop.h"
#include "propdialogs/frm_date_prop.h"
#include "propdialogs/frm_list_prop.h"
#include "propdialogs/frm_memo_prop.h"
#include "propdialogs/frm_mmx_prop.h"
#include "propdialogs/frm_postil_prop.h"
#include "propdialogs/frm_text_prop.h"

namespace zelk {

using properties::exchangeProperties;
using properties::ExchangeRule;

namespace {

// The read-only box shows the item's flag; OK sets the flag and the control's Locked.
constexpr ExchangeRule kTextRule{.readOnlyFromItem = true, .readOnlyToItem = true};
// The read-only box shows Locked; OK sets Locked only (the kind's writer stores Locked).
constexpr ExchangeRule kLockedRule{};
// The read-only box shows Locked; OK sets Locked and the item's flag, which the writer stores.
constexpr ExchangeRule kLockedAndItemRule{.readOnlyToItem = true};
constexpr ExchangeRule kMultimediaRule{.toAll = false, .defaultFontName = true};

constexpr ExchangeRule checkBoxRule(bool approval) {
    return ExchangeRule{.typedFields = false,
                        .approval = approval,
                        .borderStyleToAll = false,
                        .borderStyleCurrent = true,
                        .enabledToControl = true};
}

constexpr ExchangeRule kPostilRule{.readOnlyToItem = true, .approval = true};

}  // namespace

DesignItem* properties::taggedItem(DesignerBase& w, const QString& tag) {
    std::int32_t index = 0;
    if (const auto number = numericInt32(tag)) index = *number;
    if (index < 0 || index > kMaxDesignItems ||
        static_cast<std::size_t>(index) >= w.ItemTable.size())
        return nullptr;
    return &w.ItemTable[static_cast<std::size_t>(index)];
}

// Shows `Dialog` held in `ref`, its help requests relayed by `relay`.
#define ZELK_SHOW_HELD(Dialog, ref, relay)                                              \
    [this](std::function<void(Dialog&)> prepare, std::function<void(Dialog&)> finish) { \
        showHeld<Dialog>(                                                               \
            ref, [this](QString& id) { relay(id); }, prepare, finish);                  \
    }

// ---- Both designers ---------------------------------------------------------------------------

void DesignerBase::mnu_prop_Click() {
    TrapErrors(QStringLiteral("mnu_prop_Click"), [this] {
        DesignControl* control = CurrentControl();
        if (!control) return;
        curIndex = static_cast<std::int16_t>(control->Index());
        if (control->Name() == QLatin1String("LabelArray"))
            mnu_label_prop_Click();
        else
            openPropertyDialog(control->Name());
    });
}

bool DesignerBase::openSharedPropertyDialog(const QString& arrayName) {
    if (arrayName == QLatin1String("CheckBoxArray"))
        mnu_check_prop_Click();
    else if (arrayName == QLatin1String("ComboBoxArray"))
        mnu_combo_prop_Click();
    else if (arrayName == QLatin1String("DatePickerArray"))
        mnu_date_prop_Click();
    else if (arrayName == QLatin1String("MemoBoxArray"))
        mnu_memo_prop_Click();
    else if (arrayName == QLatin1String("MMXArray"))
        mnu_mmx_prop_Click();
    else if (arrayName == QLatin1String("TextBoxArray"))
        mnu_text_prop_Click();
    else if (arrayName == QLatin1String("ChildTableArray"))
        mnu_childtable_prop_Click();
    else
        return false;
    return true;
}

void DesignerBase::mnu_combo_prop_Click() {
    TrapErrors(QStringLiteral("mnu_combo_prop_Click"), [this] {
        exchangeProperties<frm_combo_prop>(*this, ComboBoxArray, kLockedRule,
                                           ZELK_SHOW_HELD(frm_combo_prop, pf1, pf1_NeedHelp));
    });
}

void DesignerBase::mnu_date_prop_Click() {
    TrapErrors(QStringLiteral("mnu_date_prop_Click"), [this] {
        exchangeProperties<frm_date_prop>(*this, DatePickerArray, kLockedRule,
                                          ZELK_SHOW_HELD(frm_date_prop, pf3, pf3_NeedHelp));
    });
}

void DesignerBase::mnu_childtable_prop_Click() {
    TrapErrors(QStringLiteral("mnu_childtable_prop_Click"), [this] {
        exchangeProperties<frm_ctable_prop>(*this, ChildTableArray, kLockedAndItemRule,
                                            ZELK_SHOW_HELD(frm_ctable_prop, pf2, pf2_NeedHelp));
    });
}

// ---- The item-search designer -----------------------------------------------------------------

void frm_zelk_jssj::openPropertyDialog(const QString& arrayName) {
    // List boxes, rectangles, frames and lines open nothing.
    openSharedPropertyDialog(arrayName);
}

void frm_zelk_jssj::mnu_text_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jssj.mnu_text_prop_Click"), [this] {
        exchangeProperties<frm_text_prop>(*this, TextBoxArray, kTextRule,
                                          ZELK_SHOW_HELD(frm_text_prop, pf7, pf7_NeedHelp));
    });
}

void frm_zelk_jssj::mnu_memo_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jssj.mnu_memo_prop_Click"), [this] {
        exchangeProperties<frm_memo_prop>(*this, MemoBoxArray, kLockedAndItemRule,
                                          ZELK_SHOW_HELD(frm_memo_prop, pf5, pf5_NeedHelp));
    });
}

void frm_zelk_jssj::mnu_mmx_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jssj.mnu_mmx_prop_Click"), [this] {
        exchangeProperties<frm_mmx_prop>(*this, MMXArray, kMultimediaRule,
                                         ZELK_SHOW_HELD(frm_mmx_prop, pf6, pf6_NeedHelp));
    });
}

void frm_zelk_jssj::mnu_check_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jssj.mnu_check_prop_Click"), [this] {
        exchangeProperties<frm_check_prop>(*this, CheckBoxArray, checkBoxRule(false),
                                           ZELK_SHOW_HELD(frm_check_prop, pf, pf_NeedHelp));
    });
}

// ---- The item-entry designer ------------------------------------------------------------------

void frm_zelk_jmsj::openPropertyDialog(const QString& arrayName) {
    if (openSharedPropertyDialog(arrayName)) return;
    if (arrayName == QLatin1String("ListBoxArray"))
        ShowListProp();
    else if (arrayName == QLatin1String("PostilArray"))
        ShowPostilProp();
}

void frm_zelk_jmsj::mnu_text_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jmsj.mnu_text_prop_Click"), [this] {
        exchangeProperties<frm_text_prop>(*this, TextBoxArray, kTextRule,
                                          ZELK_SHOW_HELD(frm_text_prop, pf9, pf9_NeedHelp));
    });
}

void frm_zelk_jmsj::mnu_memo_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jmsj.mnu_memo_prop_Click"), [this] {
        exchangeProperties<frm_memo_prop>(*this, MemoBoxArray, kLockedAndItemRule,
                                          ZELK_SHOW_HELD(frm_memo_prop, pf6, pf6_NeedHelp));
    });
}

void frm_zelk_jmsj::mnu_mmx_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jmsj.mnu_mmx_prop_Click"), [this] {
        exchangeProperties<frm_mmx_prop>(*this, MMXArray, kMultimediaRule,
                                         ZELK_SHOW_HELD(frm_mmx_prop, pf7, pf7_NeedHelp));
    });
}

void frm_zelk_jmsj::mnu_check_prop_Click() {
    TrapErrors(QStringLiteral("frm_zelk_jmsj.mnu_check_prop_Click"), [this] {
        exchangeProperties<frm_check_prop>(*this, CheckBoxArray, checkBoxRule(true),
                                           ZELK_SHOW_HELD(frm_check_prop, pf, pf_NeedHelp));
    });
}

void frm_zelk_jmsj::ShowListProp() {
    TrapErrors(QStringLiteral("frm_zelk_jmsj.ShowListProp"), [this] {
        exchangeProperties<frm_list_prop>(*this, ListBoxArray, kLockedAndItemRule,
                                          ZELK_SHOW_HELD(frm_list_prop, pf5, pf5_NeedHelp));
    });
}

void frm_zelk_jmsj::ShowPostilProp() {
    TrapErrors(QStringLiteral("frm_zelk_jmsj.ShowPostilProp"), [this] {
        exchangeProperties<frm_postil_prop>(*this, PostilArray, kPostilRule,
                                            ZELK_SHOW_HELD(frm_postil_prop, pf8, pf8_NeedHelp));
    });
}

#undef ZELK_SHOW_HELD

}  // namespace zelk
