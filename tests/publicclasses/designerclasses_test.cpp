#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "listdesigner/frm_zelk_lbsj.h"
#include "platform/promptscript.h"
#include "publicclasses_fixture.h"

namespace zelk::test {
namespace {

struct Opener {
    const char* progId;
    bool (*isWindow)(Form&);
    QString vlx;  // list designer only
    friend void PrintTo(const Opener& o, std::ostream* os) { *os << o.progId; }
};

template <class W>
bool is(Form& f) {
    return dynamic_cast<W*>(&f) != nullptr;
}

class DesignerClass : public PublicClassesTest, public ::testing::WithParamInterface<Opener> {
  protected:
    // ShowDesigner on the demo interface of the class's kind.
    void showDesigner(Dispatch& object) {
        const Opener& o = GetParam();
        std::vector<Variant> args{hdbc(), fidFor(o)};
        if (!o.vlx.isEmpty()) args.emplace_back(o.vlx);
        object.call(u"ShowDesigner", args);
    }
    std::int32_t fidFor(const Opener& o) const {
        if (o.vlx == "检索列表") return demo_.browseList;
        if (!o.vlx.isEmpty()) return demo_.listEntry;
        return QLatin1String(o.progId) == kProgIdOACLS_IJSTer ? demo_.itemSearch : demo_.itemEntry;
    }
};

// F1 in the open window reaches the host as one NeedHelp with an empty id.
TEST_P(DesignerClass, EachCallOpensAFreshWindowAndReturnsWhenItHasClosedAndIsGone) {
    const auto object = create(GetParam().progId);
    const auto ids = recordHelp(*object);
    QPointer<Form> first;
    bool opened = false;
    bool secondWasFresh = false;
    PromptScript script;
    script.onModal([&](Form& f) {
        EXPECT_TRUE(GetParam().isWindow(f)) << f.metaObject()->className();
        first = &f;
        opened = true;
        f.setProperty("touched", true);
        QTest::keyClick(&f, Qt::Key_F1);
        f.unload();
    });
    script.onModal([&](Form& f) {
        secondWasFresh = !f.property("touched").isValid();
        f.unload();
    });
    showDesigner(*object);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(first.isNull()) << "the window outlived the call";
    showDesigner(*object);
    EXPECT_TRUE(secondWasFresh);
    EXPECT_EQ(*ids, QStringList{""});
}

INSTANTIATE_TEST_SUITE_P(
    Classes, DesignerClass,
    ::testing::Values(Opener{kProgIdOACLS_ISITer, is<frm_zelk_jmsj>, {}},
                      Opener{kProgIdOACLS_IJSTer, is<frm_zelk_jssj>, {}},
                      Opener{kProgIdOACLS_ILITer, is<frm_zelk_lbsj>, "录入列表"},
                      Opener{kProgIdOACLS_ILITer, is<frm_zelk_lbsj>, "检索列表"}),
    [](const auto& info) {
        const QString name = QString::fromLatin1(info.param.progId).mid(5) +
                             (info.param.vlx == "检索列表" ? "Browse" : "");
        return name.toStdString();
    });

TEST_F(PublicClassesTest, ListDesignerLoadsTheColumnsOfItsKindAndNoneForAnyOtherText) {
    const auto object = create(kProgIdOACLS_ILITer);
    for (const QString vlx : {"录入列表", "检索列表", "其他列表"}) {
        int columns = -1;
        PromptScript script;
        script.onModal<frm_zelk_lbsj>([&](frm_zelk_lbsj& w) {
            columns = w.lstItem->count();
            w.unload();
        });
        std::vector<Variant> args{hdbc(), vlx == "检索列表" ? demo_.browseList : demo_.listEntry,
                                  vlx};
        object->call(u"ShowDesigner", args);
        EXPECT_EQ(columns > 0, vlx != "其他列表") << vlx.toStdString();
    }
}

// An unsaved change of one call is not in the designer the next call opens.
TEST_F(PublicClassesTest, SecondSearchDesignerIsLoadedFromTheStoredInterface) {
    const auto object = create(kProgIdOACLS_IJSTer);
    std::int32_t items = 0;
    std::int16_t secondDeleted = 1;
    std::int32_t secondItems = 0;
    PromptScript script;
    script.onModal<frm_zelk_jssj>([&](frm_zelk_jssj& d) {
        items = d.ItemCount;
        d.ItemTable[1].Deleted = -1;
        d.DesignModified = true;
        d.unload();
    });
    script.answer(vbNo);  // do not save
    script.onModal<frm_zelk_jssj>([&](frm_zelk_jssj& d) {
        secondItems = d.ItemCount;
        secondDeleted = d.ItemTable[1].Deleted;
        d.unload();
    });
    std::vector<Variant> args{hdbc(), demo_.itemSearch};
    object->call(u"ShowDesigner", args);
    object->call(u"ShowDesigner", args);
    EXPECT_GT(items, 0);
    EXPECT_EQ(secondItems, items);
    EXPECT_EQ(secondDeleted, 0);  // the first call's unsaved delete is not in it
}

TEST_F(PublicClassesTest, MissingInterfaceGetsTheDesignersMessageAndTheCallReturns) {
    const auto object = create(kProgIdOACLS_ISITer);
    PromptScript script;
    script.answer(vbOK);
    script.onModal([](Form& f) { f.unload(); });
    object->call(u"ShowDesigner", {hdbc(), std::int32_t{99999}});
    ASSERT_FALSE(script.prompts().empty());
    EXPECT_EQ(script.prompts().front().text,
              "系统无法读取指定界面:\n界面定义数据可能被破坏，请检查该界面定义！");
    EXPECT_EQ(script.prompts().front().style, vbInformation);
}

}  // namespace
}  // namespace zelk::test
