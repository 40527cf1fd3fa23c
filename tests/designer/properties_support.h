#pragma once
// Editing items through the designers' property command: a designer on the demo database of
// either back end, the current control chosen by array, and the dialog's variables edited the
// way a user does (into its controls, then OK).

#include <gtest/gtest.h>

#include <QVariantMap>
#include <memory>
#include <tuple>

#include "../propdialogs/dialogcases.h"
#include "designer/properties/propertyexchange.h"
#include "designerwindow_support.h"
#include "platform/promptscript.h"

namespace zelk::proptest {

using windowtest::makeCurrent;

// Runs f(dialog) on the shown property dialog as its own class.
template <class F>
void withDialog(Form& shown, F&& f) {
    auto as = [&]<class D>(D*) {
        D* d = dynamic_cast<D*>(&shown);
        if (d) f(*d);
        return d != nullptr;
    };
    as((frm_text_prop*)nullptr) || as((frm_memo_prop*)nullptr) || as((frm_date_prop*)nullptr) ||
        as((frm_combo_prop*)nullptr) || as((frm_list_prop*)nullptr) ||
        as((frm_check_prop*)nullptr) || as((frm_label_prop*)nullptr) ||
        as((frm_ctable_prop*)nullptr) || as((frm_mmx_prop*)nullptr) ||
        as((frm_postil_prop*)nullptr);
}

// Every variable of whichever property dialog is shown.
inline QVariantMap variablesOf(Form& shown) {
    QVariantMap m;
    withDialog(shown, [&](auto& d) { m = test::variablesOf(d); });
    return m;
}

// Puts `values` into the shown dialog's controls (as its load does) and ticks the apply box
// when asked, as a user would edit them; the caller then presses OK or Cancel.
inline void editDialog(Form& shown, const QVariantMap& values, bool applyToAll = false) {
    withDialog(shown, [&](auto& d) {
        test::assignVariables(d, values);
        d.LoadAllProperties();
        if (applyToAll && d.applyBox()) d.applyBox()->setChecked(true);
    });
}

// The shown dialog's variables with `changes` applied.
inline QVariantMap changed(Form& shown, const QVariantMap& changes) {
    QVariantMap v = variablesOf(shown);
    for (auto it = changes.begin(); it != changes.end(); ++it)
        if (v.contains(it.key())) v[it.key()] = it.value();
    return v;
}

// Applies `changes` to the shown dialog and presses OK: what comes back is what its controls
// held.
inline void confirm(Form& shown, const QVariantMap& changes, bool applyToAll = false) {
    editDialog(shown, changed(shown, changes), applyToAll);
    if (auto* d = dynamic_cast<ItemPropertyDialog*>(&shown)) d->Command4_Click();
}

// Runs the property command on element `index` of `arrayName`; `action` gets the dialog.
inline void runPropertyCommand(DesignerBase& w, const QString& arrayName,
                               const std::function<void(Form&)>& action, int index = 1) {
    ASSERT_NE(makeCurrent(w, arrayName, index), nullptr) << arrayName.toStdString();
    PromptScript script;
    script.onModal(action);
    w.mnu_prop_Click();
}

// Saves as the save button does (the entry designer regenerating its companions too) and leaves
// the window unmodified, so that closing it asks nothing.
inline void save(DesignerBase& w) {
    if (auto* e = dynamic_cast<frm_zelk_jmsj*>(&w)) e->SyncSearchForm = true;
    w.SaveInterface();
    w.DesignModified = false;
}

inline std::unique_ptr<DesignerBase> openDesigner(DesignerKind kind, std::int32_t hdbc) {
    auto w = windowtest::makeDesigner(kind);
    w->init(hdbc, windowtest::demoInterface(kind, hdbc));
    return w;
}

}  // namespace zelk::proptest
