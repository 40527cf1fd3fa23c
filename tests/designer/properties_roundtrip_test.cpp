// Every value a property dialog edits and a column stores survives OK, the save and a reopening
// in a fresh designer, for each kind of both designers, on both back ends.

#include <map>

#include "properties_support.h"

namespace zelk {
namespace {

using proptest::openDesigner;
using proptest::runPropertyCommand;
using proptest::variablesOf;

struct KindCase {
    const char* array;
    bool entryOnly;
};

// Not stored by design: the apply box and the step list's inputs; the bound column is kept as
// the designer assigned it.
const QStringList kNotEdited = {"ApplyToSameKind", "hdbc", "fid", "BoundColumn"};

// LabelArray stands for the caption label of the first text box.
const KindCase kKinds[] = {
    {"TextBoxArray", false},  {"MemoBoxArray", false},    {"DatePickerArray", false},
    {"ComboBoxArray", false}, {"ChildTableArray", false}, {"CheckBoxArray", false},
    {"MMXArray", false},      {"ListBoxArray", true},     {"PostilArray", true},
    {"LabelArray", false},
};

// The variables whose controls the user can reach: shown, and enabled, or disabled.
struct Reach {
    QStringList editable;
    QStringList disabled;
};

Reach reachOf(Form& shown) {
    Reach r;
    auto* d = dynamic_cast<ItemPropertyDialog*>(&shown);
    if (!d) return r;
    for (const PropertyRow& row : d->rows()) {
        bool visible = !row.buttons.empty(), enabled = true;
        for (QWidget* w : row.controls) {
            visible = visible || !w->isHidden();
            enabled = enabled && w->isEnabled();
        }
        for (ToolbarButton* b : row.buttons) enabled = enabled && b->Enabled();
        if (!visible) continue;
        (enabled ? r.editable : r.disabled) << row.variable;
    }
    return r;
}

// The element the case edits: element 1, or for labels the first text box's caption label.
int elementOf(DesignerBase& w, const KindCase& kind) {
    if (QLatin1String(kind.array) != QLatin1String("LabelArray")) return 1;
    const auto item = numericInt32(w.TextBoxArray.at(1).Tag());
    return item ? w.ItemTable[static_cast<std::size_t>(*item)].CaptionIndex : 0;
}

// A different value of the same type for every variable.
QVariantMap edited(const QVariantMap& shown) {
    using I16 = std::int16_t;
    QVariantMap v = shown;
    for (auto it = v.begin(); it != v.end(); ++it) {
        const QString& name = it.key();
        QVariant& value = it.value();
        const int n = value.toInt();
        const std::map<QString, QVariant> fixed = {
            {"MaxLength", QStringLiteral("33")},
            {"FontName", QStringLiteral("黑体")},
            {"FontSize", 12},
            {"TextAlign", n == 3 ? 1 : 3},
            {"VerticalAlign", QVariant::fromValue<I16>(2)},
            {"SpecialEffect", QVariant::fromValue<I16>(n == 0 ? 2 : 0)},
            {"BackStyle", n == 0 ? 1 : 0},
            {"BorderStyle", n == 0 ? 1 : 0},
            {"Appearance", QVariant::fromValue<I16>(n == 0 ? 1 : 0)},
            {"ListEntryMode", QVariant::fromValue<I16>(n == 0 ? 1 : 0)},
            {"ExtraInfoEntryMode", QVariant::fromValue<I16>(n == 2 ? 1 : 2)},
            {"DataSelectMode", n == 0 ? 2 : 0},
            {"EntryOrder", n + 3},
            {"ForeColor", 255},
            {"BackColor", 65280},
            {"BorderColor", 16711680}};
        if (kNotEdited.contains(name)) continue;
        if (const auto f = fixed.find(name); f != fixed.end())
            value = f->second;
        else if (value.typeId() == QMetaType::Bool)
            value = !value.toBool();
        else if (value.typeId() == QMetaType::QString)
            value = value.toString() + QStringLiteral("改");
    }
    return v;
}

class PropertyRoundTrip
    : public ::testing::TestWithParam<std::tuple<test::TestBackend, DesignerKind, KindCase>> {};

TEST_P(PropertyRoundTrip, EditsReachTheRowsAndComeBack) {
    const auto [backend, designer, kind] = GetParam();
    if (kind.entryOnly && designer != DesignerKind::ItemEntry) GTEST_SKIP() << "no such kind";
    ZELK_SKIP_WITHOUT_SERVER(backend);
    windowtest::clearSettings();
    test::TestDb db(backend, true);
    ASSERT_TRUE(db.ok()) << db.error().toStdString();

    QVariantMap expected;
    Reach reach;
    {
        auto w = openDesigner(designer, db.hdbc());
        runPropertyCommand(
            *w, kind.array,
            [&](Form& shown) {
                reach = reachOf(shown);
                proptest::confirm(shown, edited(variablesOf(shown)));
                expected = variablesOf(shown);
            },
            elementOf(*w, kind));
        EXPECT_TRUE(w->DesignModified);
        w->SaveInterface();
        w->DesignModified = false;
    }
    ASSERT_FALSE(expected.isEmpty());
    auto again = openDesigner(designer, db.hdbc());
    QVariantMap shownAgain;
    runPropertyCommand(
        *again, kind.array,
        [&](Form& shown) {
            shownAgain = variablesOf(shown);
            shown.unload();
        },
        elementOf(*again, kind));
    // A control is disabled exactly where the designer stores nothing.
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (kNotEdited.contains(it.key())) continue;
        const QString back = shownAgain.value(it.key()).toString();
        const std::string what = std::string(kind.array) + " " + it.key().toStdString();
        if (reach.editable.contains(it.key())) {
            EXPECT_EQ(back, it.value().toString()) << what;
        } else if (reach.disabled.contains(it.key())) {
            EXPECT_NE(back, it.value().toString()) << what << " is stored but disabled";
        }
    }
}

std::string roundTripName(
    const ::testing::TestParamInfo<std::tuple<test::TestBackend, DesignerKind, KindCase>>& info) {
    const auto& [backend, designer, kind] = info.param;
    return std::string(backend == test::TestBackend::SQLite ? "SQLite_" : "PostgreSQL_") +
           windowtest::designerName(designer) + "_" + kind.array;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PropertyRoundTrip,
    ::testing::Combine(::testing::Values(test::TestBackend::SQLite, test::TestBackend::PostgreSQL),
                       ::testing::Values(DesignerKind::ItemEntry, DesignerKind::ItemSearch),
                       ::testing::ValuesIn(kKinds)),
    roundTripName);

}  // namespace
}  // namespace zelk
