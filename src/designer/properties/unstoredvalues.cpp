// The dialog values each designer keeps in no column, by kind: their controls are shown
// disabled, so that nothing is typed in vain.

#include "designer/designerbase.h"

namespace zelk {

namespace {

struct UnstoredValues {
    const char* array;
    QStringList both;    // neither designer stores these
    QStringList search;  // the item-search designer stores these besides
};

const UnstoredValues kUnstored[] = {
    {"TextBoxArray", {"DataFormat"}, {"Format"}},
    {"MemoBoxArray", {"DataFormat"}, {"Format"}},
    {"DatePickerArray", {"DataFormat", "BackStyle", "BorderColor"}, {"Format", "AutoSize"}},
    {"ComboBoxArray", {"DataFormat"}, {"Format"}},
    {"ChildTableArray", {"DataFormat", "Format"}, {}},
    {"CheckBoxArray",
     {"DataFormat", "Format", "DefaultValue", "BorderColor", "MaxLength"},
     {"BorderStyle", "ApprovalStepName", "SingleUserWindow"}},
    {"MMXArray", {"DataFormat", "Format"}, {"ShowPictureDirect"}},
    {"ListBoxArray", {"DataFormat", "BackStyle"}, {"Format"}},
    {"PostilArray", {"DataFormat", "Format"}, {}},
    {"LabelArray", {"AutoTab", "Enabled", "ReadOnly"}, {"VerticalAlign"}},
};

}  // namespace

QStringList DesignerBase::unstoredDialogValues(const QString& arrayName) const {
    for (const UnstoredValues& u : kUnstored) {
        if (arrayName != QLatin1String(u.array)) continue;
        return storesSearchRows() ? u.both + u.search : u.both;
    }
    return {};
}

}  // namespace zelk
