#include <gtest/gtest.h>

#include "platform/promptscript.h"
#include "publicclasses_fixture.h"

// The published interfaces: every member at its dispatch id and by its name, every event, and
// by-reference arguments of the wrong type refused with their position.

namespace zelk::test {
namespace {

struct Member {
    const char* progId;
    const char* name;
    DispId id;
    int params;  // -1: a property
    friend void PrintTo(const Member& m, std::ostream* os) { *os << m.progId << '.' << m.name; }
};

class Members : public PublicClassesTest, public ::testing::WithParamInterface<Member> {};

TEST_P(Members, AnswerAtTheirIdAndByName) {
    const Member& m = GetParam();
    const auto object = create(m.progId);
    EXPECT_EQ(object->idOfName(QString::fromLatin1(m.name)), m.id);
    EXPECT_EQ(object->idOfName(QString::fromLatin1(m.name).toUpper()), m.id);
    if (m.params < 0) {
        Variant byId;
        EXPECT_EQ(object->invoke(m.id, kInvokePropertyGet, {}, &byId), HResult::Ok);
        EXPECT_EQ(object->get(QString::fromLatin1(m.name)), byId);
    } else {
        // One argument too many: the member is there and refuses the count, and nothing runs.
        std::vector<Variant> args(static_cast<std::size_t>(m.params + 1), Variant(1));
        EXPECT_EQ(object->invoke(m.id, kInvokeMethod, args, nullptr), HResult::BadParamCount);
    }
}

constexpr const char* Z = kProgIdOACLS_ZELK;
INSTANTIATE_TEST_SUITE_P(
    Published, Members,
    ::testing::Values(Member{Z, "ischild", 0x40030000, -1}, Member{Z, "HelpID", 0x40030013, -1},
                      Member{Z, "HelpWindowStyle", 0x40030014, -1},
                      Member{Z, "init", 0x60030004, 5}, Member{Z, "parentResize", 0x60030005, 2},
                      Member{Z, "TypeChanged", 0x60030006, 2}, Member{Z, "show", 0x60030007, 2},
                      Member{Z, "hide", 0x60030008, 0}, Member{Z, "Name", 0x68030003, -1},
                      Member{Z, "Active", 0x68030002, -1}, Member{Z, "Enabled", 0x68030001, -1},
                      Member{Z, "Visible", 0x68030000, -1},
                      Member{Z, "SetReportPath", 0x6003000C, 1},
                      Member{kProgIdOACLS_ISITer, "ShowDesigner", 0x60030000, 2},
                      Member{kProgIdOACLS_IJSTer, "ShowDesigner", 0x60030000, 2},
                      Member{kProgIdOACLS_ILITer, "ShowDesigner", 0x60030000, 3},
                      Member{kProgIdOACLS_ISITer, "HelpID", 0x40030001, -1},
                      Member{kProgIdOACLS_IJSTer, "HelpWindowStyle", 0x40030002, -1},
                      Member{kProgIdOACLS_ILITer, "HelpID", 0x40030001, -1}));

TEST_F(PublicClassesTest, RegisteredUnderTheirFixedIdentifiersAndMadeByTheirFactories) {
    const std::pair<const char*, CLSID> classes[] = {{kProgIdOACLS_ZELK, kClsidOACLS_ZELK},
                                                     {kProgIdOACLS_ISITer, kClsidOACLS_ISITer},
                                                     {kProgIdOACLS_IJSTer, kClsidOACLS_IJSTer},
                                                     {kProgIdOACLS_ILITer, kClsidOACLS_ILITer}};
    for (const auto& [progId, clsid] : classes) {
        EXPECT_EQ(clsidFromProgId(QString::fromLatin1(progId)), clsid) << progId;
        std::shared_ptr<ClassFactory> factory;
        ASSERT_EQ(DllGetClassObject(clsid, &factory), HResult::Ok) << progId;
        std::shared_ptr<Dispatch> object;
        EXPECT_EQ(factory->createInstance(&object), HResult::Ok) << progId;
    }
    ASSERT_EQ(DllUnregisterServer(), HResult::Ok);
    EXPECT_THROW(create(kProgIdOACLS_ISITer), AutomationError);
}

TEST_F(PublicClassesTest, EventsStandInTheirOrderWithTheirIds) {
    const auto events = [](const std::shared_ptr<Dispatch>& object) {
        QStringList out;
        for (const EventInfo& e : object->events()->events())
            out << QStringLiteral("%1=%2").arg(e.name).arg(e.id);
        return out;
    };
    EXPECT_EQ(events(create(kProgIdOACLS_ZELK)),
              (QStringList{"onMainTableChanged=2", "onHint=1", "NeedHelp=3"}));
    for (const char* designer : {kProgIdOACLS_ISITer, kProgIdOACLS_IJSTer, kProgIdOACLS_ILITer})
        EXPECT_EQ(events(create(designer)), QStringList{"NeedHelp=1"}) << designer;
    EXPECT_TRUE(create(kProgIdOACLS_ZELK)->events()->events()[2].params[0].byRef);  // help id
}

struct Refusal {
    const char* label;
    const char* progId;
    const char* member;
    unsigned flags;
    std::vector<Variant> args;
    int argErr;
    friend void PrintTo(const Refusal& r, std::ostream* os) { *os << r.label; }
};

class WrongType : public PublicClassesTest, public ::testing::WithParamInterface<Refusal> {};

// Nothing is shown: the script would report a modal window.
TEST_P(WrongType, IsRefusedWithItsPositionBeforeAnythingRuns) {
    const Refusal& r = GetParam();
    const auto object = create(r.progId);
    PromptScript script;
    std::vector<Variant> args = r.args;
    const DispId id = object->idOfName(QString::fromLatin1(r.member));
    int argErr = -1;
    EXPECT_EQ(object->invoke(id, r.flags, args, nullptr, nullptr, &argErr), HResult::TypeMismatch);
    EXPECT_EQ(argErr, r.argErr);
    EXPECT_EQ(args, r.args);
}

constexpr unsigned kCall = kInvokeMethod;
INSTANTIATE_TEST_SUITE_P(
    Cases, WrongType,
    ::testing::Values(
        Refusal{"InitHdbc", Z, "init", kCall, {"abc", "s", "t", "c", "u"}, 0},
        Refusal{"ShowWindow", Z, "show", kCall, {false, "wide"}, 1},
        Refusal{"ActiveWord", Z, "Active", kInvokePropertyPut, {"abc"}, 0},
        Refusal{
            "ListFid", kProgIdOACLS_ILITer, "ShowDesigner", kCall, {1, "seven", "录入列表"}, 1}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zelk::test
