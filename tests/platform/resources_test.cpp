#include <gtest/gtest.h>

#include <QImage>

#include "platform/resources.h"
#include "support/qtprint.h"

using namespace zelk;

namespace {

// The names the windows load, spelled as they spell them.
const QStringList kBitmaps = {
    "ID_SAVE",       "ID_PROP",    "ID_FORMPROP",  "ID_FIELD",      "ID_CLOSE",  "ID_LINE",
    "ID_RECT",       "ID_LABEL",   "ID_ALIGNLEFT", "ID_ALIGNRIGHT", "ID_CENTER", "ID_SAMEWIDTH",
    "ID_SAMEHEIGHT", "ID_VERT",    "ID_HRIZ",      "ID_TAB",        "ID_COLOR",  "ID_BOLD",
    "ID_ITL",        "ID_UNDERLN", "ID_TOP",       "ID_MIDDLE",     "ID_BOTTOM", "ID_NEWINTERFACE",
    "ID_DELETE",     "ID_DESIGN",  "ID_INOUT",     "ID_TABLE",      "ID_ISIT",   "ID_ISITI",
    "ID_ILST",       "ID_OPEN",    "ID_TIP",       "ID_HOTPROP",    "ID_PROPS",  "ID_COLORGRAD",
    "ID_WINLEFT"};
const QStringList kIcons = {"ID_FORM", "ID_FLMB", "ID_TEMP1", "ID_TEMP2"};

// Share of pixels that are not transparent: a blank or garbled picture shows up here.
double coverage(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++drawn;
    return double(drawn) / (image.width() * image.height());
}

class EveryResource : public ::testing::TestWithParam<QString> {};

TEST_P(EveryResource, LoadsAsPictureAndIconAtTheAskedSize) {
    for (int size : {16, 24}) {
        const QPixmap p = LoadResPicture(GetParam(), size);
        ASSERT_FALSE(p.isNull());
        EXPECT_EQ(p.size(), QSize(size, size));
        EXPECT_GT(coverage(p), 0.05) << "nearly blank at " << size;
    }
    const QIcon icon = LoadResIcon(GetParam());
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
}

INSTANTIATE_TEST_SUITE_P(Named, EveryResource, ::testing::ValuesIn(kBitmaps + kIcons),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(Resources, ExactlyTheNamedOnesAreCompiledIn) {
    QStringList expected = kBitmaps + kIcons;
    expected.sort();
    EXPECT_EQ(resourceNames(), expected);
}

TEST(Resources, UnknownNameOrImpossibleSizeFailsLoudly) {
    for (const char* name : {"ID_NOSUCH", "id_save", "", "../ID_SAVE"}) {
        EXPECT_THROW(LoadResPicture(name), ResourceError) << name;
        EXPECT_THROW(LoadResIcon(name), ResourceError) << name;
    }
    try {
        LoadResPicture("ID_NOSUCH");
        ADD_FAILURE() << "loaded";
    } catch (const ResourceError& e) {
        EXPECT_EQ(e.source(), "LoadResPicture");
        EXPECT_TRUE(e.description().contains("ID_NOSUCH"));
        EXPECT_EQ(e.number(), kErrResourceNotFound);
    }
    for (int size : {0, -16, 100000})
        EXPECT_THROW(LoadResPicture("ID_SAVE", size), ResourceError) << size;
}

}  // namespace
