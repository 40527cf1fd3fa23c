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
    // Variables the designers keep in no column for this kind (the search designer: besides).
    QStringList notStored;
    QStringList notStoredBySearch;
};

// Kept by no column of any kind, or not exchanged at all.
const QStringList kNeverStored = {"ApplyToSameKind", "hdbc", "fid", "DataFormat"};

// LabelArray stands for the caption label of the first text box.
const KindCase kKinds[] = {
    {"TextBoxArray", false, {}, {"ChildTableClass", "Format"}},
    {"MemoBoxArray", false, {}, {"ChildTableClass", "Format"}},
    {"DatePickerArray",
     false,
     {"BackStyle", "BorderColor"},
     {"AutoSize", "ChildTableClass", "Format"}},
    {"ComboBoxArray", false, {}, {"ChildTableClass", "Format"}},
    {"ChildTableArray", false, {"Format"}, {}},
    {"CheckBoxArray",
     false,
     {"BorderColor", "DefaultValue", "Format", "MaxLength"},
     {"ApprovalStepName", "SingleUserWindow", "BorderStyle"}},
    {"MMXArray", false, {"Format"}, {"ChildTableClass", "ShowPictureDirect"}},
    {"ListBoxArray", true, {"BackStyle"}, {}},
    {"PostilArray", true, {"Format"}, {}},
    {"LabelArray", false, {"AutoTab", "Enabled", "ReadOnly"}, {"VerticalAlign"}},
};

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
        if (name == "BoundColumn" || kNeverStored.contains(name)) continue;
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
    if (backend == test::TestBackend::PostgreSQL && !test::TestDb::postgresAvailable())
        GTEST_SKIP() << test::TestDb::postgresSkipReason().toStdString();
    windowtest::clearSettings();
    test::TestDb db(backend, true);
    ASSERT_TRUE(db.ok()) << db.error().toStdString();

    QVariantMap expected;
    {
        auto w = openDesigner(designer, db.hdbc());
        runPropertyCommand(
            *w, kind.array,
            [&](Form& shown) {
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
    const bool search = designer == DesignerKind::ItemSearch;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (kNeverStored.contains(it.key()) || kind.notStored.contains(it.key())) continue;
        if (search && kind.notStoredBySearch.contains(it.key())) continue;
        EXPECT_EQ(shownAgain.value(it.key()).toString(), it.value().toString())
            << kind.array << " " << it.key().toStdString();
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
