// The property catalogue.

#include <gtest/gtest.h>

#include "propdialogs/ut_property.h"

namespace zelk {
namespace {

TEST(PropertyCatalogue, ReadsIgnoreCaseWritesDoNot) {
    ut_Property p;
    p.LoadStandardProperties("Line");
    ASSERT_EQ(p.Count(), 7);
    EXPECT_EQ(p.ReadProperty("x2"), QVariant::fromValue<qint16>(100));
    p.WriteProperty("x2", 5);
    EXPECT_EQ(p.ReadProperty("X2").toInt(), 100);
    p.WriteProperty("X2", 5);
    EXPECT_EQ(p.ReadProperty("x2").toInt(), 5);
    EXPECT_EQ(p.Item(3).DefaultValue.toInt(), 100);
    EXPECT_EQ(p.Item(3).Caption, "右");
    EXPECT_EQ(p.Item(7).Name, "BorderColor");
    EXPECT_EQ(p.Item(7).Value, QVariant::fromValue<qint32>(0));
}

TEST(PropertyCatalogue, TypeNamesAreExact) {
    ut_Property p;
    p.LoadStandardProperties("label");
    p.LoadStandardProperties("Form");
    EXPECT_EQ(p.Count(), 0);
    const std::pair<const char*, int> counts[] = {
        {"CommandButton", 18}, {"Label", 16},        {"Image", 5}, {"TextBox", 16},
        {"ComboBox", 16},      {"ListBox", 15},      {"Line", 7},  {"Shape", 5},
        {"CheckBox", 16},      {"OptionButton", 16}, {"Frame", 14}};
    for (const auto& [type, count] : counts) {
        ut_Property one;
        one.LoadStandardProperties(type);
        EXPECT_EQ(one.Count(), count) << type;
    }
}

TEST(PropertyCatalogue, StandardValues) {
    ut_Property p;
    p.LoadStandardProperties("ComboBox");
    EXPECT_FALSE(p.ReadProperty("Height").isValid());
    EXPECT_EQ(p.ReadProperty("BackColor"),
              QVariant::fromValue<qint32>(static_cast<qint32>(0x8000000Fu)));
    EXPECT_EQ(p.ReadProperty("FontName"), QVariant(QStringLiteral("宋体")));
    EXPECT_EQ(p.ReadProperty("FontSize"), QVariant::fromValue<qint16>(9));
    EXPECT_EQ(p.ReadProperty("Default"), QVariant(false));
    EXPECT_EQ(p.ReadProperty("Text"), QVariant(QString()));
    EXPECT_EQ(p.Item(1).Kind, 2);
    EXPECT_EQ(p.Item(2).Kind, 3);
}

TEST(PropertyCatalogue, TwiceLoadedNamesReachTheFirstEntry) {
    ut_Property p;
    p.LoadStandardProperties("Image");
    p.LoadStandardProperties("Image");
    ASSERT_EQ(p.Count(), 10);
    p.WriteProperty("Width", 42);
    EXPECT_EQ(p.Item(4).Value.toInt(), 42);
    EXPECT_EQ(p.Item(9).Value.toInt(), 1500);
    EXPECT_EQ(p.ReadProperty("width").toInt(), 42);
}

TEST(PropertyCatalogue, EmptyAndRemoved) {
    ut_Property p;
    EXPECT_FALSE(p.ReadProperty("Visible").isValid());
    p.RemoveAll();
    EXPECT_EQ(p.Count(), 0);
    p.AddProperty("Custom", "自定义", 8, QStringLiteral("值"));
    p.LoadStandardProperties("Shape");
    p.RemoveAll();
    EXPECT_EQ(p.Count(), 0);
    EXPECT_FALSE(p.ReadProperty("Custom").isValid());
}

}  // namespace
}  // namespace zelk
