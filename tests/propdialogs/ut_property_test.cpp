// The property catalogue.

#include <gtest/gtest.h>

#include "propdialogs/ut_property.h"

namespace zelk {
namespace {

TEST(PropertyCatalogue, ReadsIgnoreCaseWritesDoNotAndTwiceLoadedNamesReachTheFirstEntry) {
    ut_Property p;
    EXPECT_FALSE(p.ReadProperty("Visible").isValid());
    p.LoadStandardProperties("Line");
    EXPECT_EQ(p.ReadProperty("x2"), QVariant::fromValue<qint16>(100));
    p.WriteProperty("x2", 5);
    EXPECT_EQ(p.ReadProperty("X2").toInt(), 100);
    p.WriteProperty("X2", 5);
    EXPECT_EQ(p.ReadProperty("x2").toInt(), 5);

    ut_Property twice;
    twice.LoadStandardProperties("Image");
    twice.LoadStandardProperties("Image");
    ASSERT_EQ(twice.Count(), 10);
    twice.WriteProperty("Width", 42);
    EXPECT_EQ(twice.Item(4).Value.toInt(), 42);
    EXPECT_EQ(twice.Item(9).Value.toInt(), 1500);
    twice.AddProperty("Custom", "自定义", 8, QStringLiteral("值"));
    twice.RemoveAll();
    EXPECT_EQ(twice.Count(), 0);
    EXPECT_FALSE(twice.ReadProperty("Custom").isValid());
}

TEST(PropertyCatalogue, TypeNamesAreExact) {
    const std::pair<const char*, int> counts[] = {
        {"CommandButton", 18}, {"Label", 16}, {"Image", 5}, {"TextBox", 16},  {"ComboBox", 16},
        {"ListBox", 15},       {"Line", 7},   {"Shape", 5}, {"CheckBox", 16}, {"OptionButton", 16},
        {"Frame", 14},         {"label", 0},  {"Form", 0}};
    for (const auto& [type, count] : counts) {
        ut_Property one;
        one.LoadStandardProperties(type);
        EXPECT_EQ(one.Count(), count) << type;
    }
}

}  // namespace
}  // namespace zelk
