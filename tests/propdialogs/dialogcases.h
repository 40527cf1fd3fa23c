#pragma once
// The ten item property dialogs as test cases: each made fresh, its variables read and assigned
// by name, whatever set of them it has.

#include <QVariantMap>
#include <functional>
#include <memory>
#include <string>

#include "propdialogs/frm_check_prop.h"
#include "propdialogs/frm_combo_prop.h"
#include "propdialogs/frm_ctable_prop.h"
#include "propdialogs/frm_date_prop.h"
#include "propdialogs/frm_label_prop.h"
#include "propdialogs/frm_list_prop.h"
#include "propdialogs/frm_memo_prop.h"
#include "propdialogs/frm_mmx_prop.h"
#include "propdialogs/frm_postil_prop.h"
#include "propdialogs/frm_text_prop.h"

namespace zelk::test {

#define ZELK_DIALOG_VARIABLES(X)                                                                   \
    X(ItemName)                                                                                    \
    X(Caption)                                                                                     \
    X(Format)                                                                                      \
    X(DefaultValue) X(HintText) X(EntryOrder) X(Visible) X(Enabled) X(ReadOnly) X(AutoTab)         \
        X(AutoConvertToPostil) X(ExtraInfoEntryMode) X(ListEntryMode) X(ForeColor) X(BackColor)    \
            X(BorderColor) X(FontName) X(FontSize) X(FontBold) X(FontItalic) X(FontUnderline)      \
                X(TextAlign) X(VerticalAlign) X(BackStyle) X(SpecialEffect) X(Appearance)          \
                    X(BorderStyle) X(AutoSize) X(ApplyToSameKind) X(DataSelectMode) X(BoundColumn) \
                        X(ChildTableClass) X(ApprovalStepName) X(DataFormat) X(MaxLength)          \
                            X(AutoWordSelect) X(SingleUserWindow) X(ShowMediaInline)               \
                                X(ShowPictureDirect) X(hdbc) X(fid)

// Every variable the dialog has, by name.
template <class D>
QVariantMap variablesOf(D& d) {
    QVariantMap m;
#define ZELK_READ(n) \
    if constexpr (requires { d.n; }) m[QStringLiteral(#n)] = QVariant::fromValue(d.n);
    ZELK_DIALOG_VARIABLES(ZELK_READ)
#undef ZELK_READ
    return m;
}

// Assigns the variables the dialog has from `values` (names it lacks are passed over).
template <class D>
void assignVariables(D& d, const QVariantMap& values) {
#define ZELK_WRITE(n)                            \
    if constexpr (requires { d.n; })             \
        if (values.contains(QStringLiteral(#n))) \
            d.n = qvariant_cast<std::remove_cvref_t<decltype(d.n)>>(values[QStringLiteral(#n)]);
    ZELK_DIALOG_VARIABLES(ZELK_WRITE)
#undef ZELK_WRITE
}

struct DialogCase {
    std::string name;
    int variables;  // public variables besides Cancelled
    std::function<std::unique_ptr<ItemPropertyDialog>()> make;
    std::function<QVariantMap(ItemPropertyDialog&)> read;
    std::function<void(ItemPropertyDialog&, const QVariantMap&)> assign;
    friend void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }
};

template <class D>
DialogCase dialogCase(const char* name, int variables) {
    return {name, variables, [] { return std::make_unique<D>(); },
            [](ItemPropertyDialog& d) { return variablesOf(dynamic_cast<D&>(d)); },
            [](ItemPropertyDialog& d, const QVariantMap& v) {
                assignVariables(dynamic_cast<D&>(d), v);
            }};
}

inline std::vector<DialogCase> allDialogs() {
    return {dialogCase<frm_text_prop>("frm_text_prop", 28),
            dialogCase<frm_memo_prop>("frm_memo_prop", 28),
            dialogCase<frm_date_prop>("frm_date_prop", 28),
            dialogCase<frm_combo_prop>("frm_combo_prop", 29),
            dialogCase<frm_list_prop>("frm_list_prop", 28),
            dialogCase<frm_check_prop>("frm_check_prop", 30),
            dialogCase<frm_label_prop>("frm_label_prop", 20),
            dialogCase<frm_ctable_prop>("frm_ctable_prop", 30),
            dialogCase<frm_mmx_prop>("frm_mmx_prop", 29),
            dialogCase<frm_postil_prop>("frm_postil_prop", 30)};
}

inline std::string dialogCaseName(const ::testing::TestParamInfo<DialogCase>& info) {
    return info.param.name;
}

}  // namespace zelk::test
