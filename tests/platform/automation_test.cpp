#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/automation/events.h"
#include "platform/automation/server.h"

using namespace zelk;

namespace {

using Args = std::span<Variant>;

// The code an automation call fails with; Ok when it does not fail.
template <class F>
HResult failureOf(F call) {
    try {
        call();
        return HResult::Ok;
    } catch (const AutomationError& e) {
        return e.code();
    }
}

// A small class of the tests' own, shaped like the component's public classes: stored
// properties, a designer call with by-reference arguments, and a help event with a by-reference id.
class Desk : public DispatchObject {
  public:
    static constexpr DispId kHelpID = 0x40030001, kCount = 0x10, kRatio = 0x11;
    static constexpr DispId kShow = 0x60030000, kEcho = 0x60030002;
    static constexpr DispId kFail = 0x60030003, kAsk = 0x60030004, kOnHint = 1, kNeedHelp = 3;
    static constexpr DispId kRefuse = 0x60030005;

    QString helpId;
    float ratio = 0;
    std::int32_t designs = 0;
    EventSource* events() override { return &events_; }

  private:
    const MemberTable& table() const override {
        using P = ParamInfo;
        static const MemberTable t =
            DispatchTable<Desk>("Desk")
                .property(
                    kHelpID, "HelpID", VarType::Text, [](const Desk& d) { return d.helpId; },
                    [](Desk& d, const Variant& v) { d.helpId = v.toText(); })
                .property(kCount, "Count", VarType::Int32, [](const Desk& d) { return d.designs; })
                .property(
                    kRatio, "Ratio", VarType::Single, [](const Desk& d) { return d.ratio; },
                    [](Desk& d, const Variant& v) { d.ratio = v.toSingle(); })
                .method(kShow, "ShowDesigner",
                        {P{"name", VarType::Text, true}, P{"fid", VarType::Int32, true}},
                        [](Desk& d, Args a) {
                            ++d.designs;
                            a[1] = Variant(a[1].toInt32() + 1);  // the number it moved on to
                            return Variant();
                        })
                .method(
                    kEcho, "Echo", {P{"text", VarType::Text, false}, P{"n", VarType::Int32, false}},
                    [](Desk&, Args a) {
                        const Variant result(a[0].toText().repeated(a[1].toInt32()));
                        a[0] = Variant("scribbled");  // by value: stays here
                        return result;
                    },
                    VarType::Text)
                .method(kFail, "Fail", {},
                        [](Desk&, Args) -> Variant { throw std::runtime_error("disk on fire"); })
                .method(kRefuse, "Refuse", {P{"hwnd", VarType::Int32, true}},
                        [](Desk&, Args) -> Variant {
                            throw AutomationError(HResult::InvalidArg, "no such window", {}, 0);
                        })
                .method(
                    kAsk, "RequestHelp", {P{"id", VarType::Text, false}},
                    [](Desk& d, Args a) {
                        Variant id = a[0];
                        d.events_.raise(kNeedHelp, Args(&id, 1));
                        return id;
                    },
                    VarType::Text);
        return t;
    }

    EventSource events_{"DeskEvents",
                        {{kOnHint, "onHint", {{"hint", VarType::Text}}},
                         {kNeedHelp, "NeedHelp", {{"id", VarType::Text, true}}}}};
};

// ---- Dispatch ------------------------------------------------------------------------------

// Names are matched without regard to case.
TEST(Dispatch, ByNameReachesTheSameMemberAsItsId) {
    Desk d;
    EXPECT_EQ(d.idOfName(u"hElPiD"), Desk::kHelpID);
    EXPECT_EQ(d.idOfName(u"ShowDesigner"), Desk::kShow);
    d.put(u"helpid", "H-17");
    EXPECT_EQ(d.get(Desk::kHelpID), Variant("H-17"));
    d.put(Desk::kHelpID, "H-18");
    EXPECT_EQ(d.get(u"HELPID"), Variant("H-18"));
    std::vector<Variant> byName{7, 100}, byId{7, 100};
    d.call(u"showDESIGNER", byName);
    d.call(Desk::kShow, byId);
    EXPECT_EQ(d.designs, 2);
    EXPECT_EQ(byName, byId);
}

TEST(Dispatch, ByReferenceArgumentsComeBackInTheirTypeByValueOnesDoNot) {
    Desk d;
    std::vector<Variant> args{5, 41};  // a number for a by-reference text comes back as text
    d.call(u"ShowDesigner", args);
    EXPECT_EQ(args, (std::vector<Variant>{"5", 42}));
    std::vector<Variant> echo{"ab", "3"};
    EXPECT_EQ(d.call(u"Echo", echo), Variant("ababab"));
    EXPECT_EQ(echo[0], Variant("ab"));

    d.put(u"Ratio", 3);
    EXPECT_EQ(d.get(u"Ratio"), Variant(3.0f));
    d.put(u"HelpID", 12);
    EXPECT_EQ(d.get(u"HelpID"), Variant("12"));
    // A host may read a property with the method flag set as well.
    Variant r;
    EXPECT_EQ(d.invoke(Desk::kHelpID, kInvokeMethod | kInvokePropertyGet, {}, &r), HResult::Ok);
    EXPECT_EQ(r, Variant("12"));
}

struct Refusal {
    const char* label;
    DispId id;
    unsigned flags;
    std::vector<Variant> args;
    HResult expected;
    int argErr;  // -1: none
    friend void PrintTo(const Refusal& r, std::ostream* os) { *os << r.label; }
};

class DispatchRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(DispatchRefuses, WithTheRightCodeAndChangesNothing) {
    Refusal r = GetParam();
    Desk d;
    d.helpId = "kept";
    d.ratio = 1.5f;
    Variant result;
    ExcepInfo excep;
    int argErr = -1;
    EXPECT_EQ(d.invoke(r.id, r.flags, r.args, &result, &excep, &argErr), r.expected);
    EXPECT_EQ(argErr, r.argErr);
    EXPECT_EQ(d.helpId, "kept");
    EXPECT_EQ(d.ratio, 1.5f);
    EXPECT_EQ(d.designs, 0);
}

constexpr unsigned kCall = kInvokeMethod, kPut = kInvokePropertyPut;
INSTANTIATE_TEST_SUITE_P(
    Cases, DispatchRefuses,
    ::testing::Values(
        Refusal{"UnknownId", 0x777, kCall, {}, HResult::MemberNotFound, -1},
        Refusal{"PutReadOnly", Desk::kCount, kPut, {3}, HResult::MemberNotFound, -1},
        Refusal{"PutWithoutValue", Desk::kHelpID, kPut, {}, HResult::BadParamCount, -1},
        Refusal{"TooFewArguments", Desk::kShow, kCall, {1}, HResult::BadParamCount, -1},
        Refusal{"TextForNumber", Desk::kShow, kCall, {1, "abc"}, HResult::TypeMismatch, 1},
        Refusal{"NumberTooLarge", Desk::kShow, kCall, {"", "3000000000"}, HResult::Overflow, 1},
        Refusal{"SingleTooLarge", Desk::kRatio, kPut, {"1e40"}, HResult::Overflow, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Dispatch, MemberFailureComesBackWithSourceAndDescription) {
    Desk d;
    ExcepInfo excep;
    EXPECT_EQ(d.invoke(Desk::kFail, kInvokeMethod, {}, nullptr, &excep), HResult::Exception);
    EXPECT_EQ(excep.source, "Desk.Fail");
    EXPECT_EQ(excep.description, "disk on fire");
    try {
        d.call(u"fail");
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), HResult::Exception);
        EXPECT_EQ(e.description(), "disk on fire");
    }
    // A member's own automation error keeps its code and names the argument.
    int argErr = -1;
    std::vector<Variant> hwnd{77};
    EXPECT_EQ(d.invoke(Desk::kRefuse, kInvokeMethod, hwnd, nullptr, &excep, &argErr),
              HResult::InvalidArg);
    EXPECT_EQ(argErr, 0);
    EXPECT_EQ(excep.source, "Desk.Refuse");
    EXPECT_EQ(excep.description, "no such window");
    d.put(u"HelpID", "after");  // the object stays usable
    EXPECT_EQ(d.get(u"HelpID"), Variant("after"));
    EXPECT_EQ(d.idOfName(u"NoSuchMember"), kDispIdUnknown);
    EXPECT_THROW(d.get(u"NoSuchMember"), AutomationError);
    // Two members whose names differ only in case are refused when the table is built.
    EXPECT_THROW(DispatchTable<Desk>("Twice")
                     .property(1, "Name", VarType::Text, {})
                     .property(2, "NAME", VarType::Text, {})
                     .build(),
                 AutomationError);
}

// ---- Conversions at the boundary ------------------------------------------------------------

struct Conversion {
    const char* label;
    Variant from;
    VarType to;
    Variant expected;  // when it converts
    HResult error = HResult::Ok;
    friend void PrintTo(const Conversion& c, std::ostream* os) { *os << c.label; }
};

class VariantConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(VariantConversion, FollowsTheAutomationRules) {
    const Conversion& c = GetParam();
    EXPECT_EQ(failureOf([&] { EXPECT_EQ(c.from.convertedTo(c.to), c.expected); }), c.error);
}

constexpr auto kMismatch = HResult::TypeMismatch;
INSTANTIATE_TEST_SUITE_P(
    Table, VariantConversion,
    ::testing::Values(Conversion{"TrueIsMinusOne", true, VarType::Int32, -1},
                      Conversion{"TextTrueIgnoresCase", " true ", VarType::Bool, true},
                      Conversion{"WordToBoolFails", "yes", VarType::Bool, {}, kMismatch},
                      Conversion{"HalfRoundsToEven", 2.5f, VarType::Int32, 2},
                      Conversion{"DecimalText", "7.5", VarType::Int32, 8},
                      Conversion{"LowestInt", "-2147483648", VarType::Int32, INT32_MIN},
                      Conversion{"EmptyTextToNumber", "", VarType::Int32, {}, kMismatch},
                      Conversion{"InfinityIsNotANumber", "inf", VarType::Single, {}, kMismatch},
                      Conversion{"EmptyIsZero", Variant(), VarType::Int32, 0},
                      Conversion{"BoolToText", false, VarType::Text, "False"}),
    [](const auto& info) { return std::string(info.param.label); });

// ---- Events --------------------------------------------------------------------------------

std::shared_ptr<FunctionSink> sink(FunctionSink::Handler handler) {
    return std::make_shared<FunctionSink>(std::move(handler));
}

TEST(Events, ByReferenceChangesReachTheRaiserThroughEachSinkInOrder) {
    Desk d;
    QStringList seen;
    const auto append = [&](const char* tag) {
        return sink([&seen, tag](DispId id, Args a) {
            seen << QString::number(id) + a[0].toText();
            a[0] = Variant(a[0].toText() + tag);
        });
    };
    const std::uint32_t first = d.events()->connect(append("a"));
    EXPECT_GE(first, 1u);
    d.events()->connect(append("b"));
    EXPECT_EQ(d.call(u"RequestHelp", {""}), Variant("ab"));
    EXPECT_EQ(seen, QStringList({"3", "3a"}));

    EXPECT_TRUE(d.events()->disconnect(first));
    EXPECT_FALSE(d.events()->disconnect(first));
    Variant id(">");
    EXPECT_EQ(d.events()->raise(u"needhelp", Args(&id, 1)), HResult::Ok);
    EXPECT_EQ(id, Variant(">b"));
    // By value: a sink's change stays with it.
    Variant hint("系统界面已经导入");
    EXPECT_EQ(d.events()->raise(Desk::kOnHint, Args(&hint, 1)), HResult::Ok);
    EXPECT_EQ(hint, Variant("系统界面已经导入"));
}

TEST(Events, FailingOrLeavingSinkDoesNotStopTheOthers) {
    Desk d;
    int reached = 0;
    std::uint32_t leaver = 0;
    leaver = d.events()->connect(sink([&](DispId, Args) { d.events()->disconnect(leaver); }));
    d.events()->connect(sink([](DispId, Args a) {
        a[0] = Variant("half-done");
        throw std::runtime_error("sink broke");
    }));
    d.events()->connect(sink([&](DispId, Args a) {
        ++reached;
        EXPECT_EQ(a[0], Variant("start"));  // the failed sink's change is gone
    }));
    Variant id("start");
    EXPECT_EQ(d.events()->raise(Desk::kNeedHelp, Args(&id, 1)), HResult::Exception);
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(d.events()->sinkCount(), 2u);
    EXPECT_EQ(d.events()->raise(0x55), HResult::MemberNotFound);
    EXPECT_EQ(d.events()->raise(Desk::kNeedHelp), HResult::BadParamCount);
    EXPECT_EQ(d.events()->connect(nullptr), 0u);
}

TEST(Events, SinkMayReleaseTheRaisingObject) {
    auto desk = std::make_unique<Desk>();
    int later = 0;
    desk->events()->connect(sink([&](DispId, Args a) {
        a[0] = Variant("bye");
        desk.reset();  // the host closes on the event
    }));
    desk->events()->connect(sink([&](DispId, Args) { ++later; }));
    Variant id("x");
    EXPECT_EQ(desk->events()->raise(Desk::kNeedHelp, Args(&id, 1)), HResult::Ok);
    EXPECT_FALSE(desk);
    EXPECT_EQ(later, 0);
    EXPECT_EQ(id, Variant("bye"));
}

// ---- Server: classes, factory, registration --------------------------------------------------

constexpr CLSID kDeskClsid = Guid::literal("{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}");
constexpr CLSID kOtherClsid = Guid::literal("{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C14}");

class Server : public ::testing::Test {
  protected:
    void SetUp() override {
        store().clear();
        addServedClass({kDeskClsid, "ZelkTest.Desk", "Help desk", make});
    }
    void TearDown() override {
        removeServedClass(kDeskClsid);
        removeServedClass(kOtherClsid);
    }
    static std::shared_ptr<Dispatch> make() { return std::make_shared<Desk>(); }
    static QSettings store() {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "KELMORAX", "Classes");
    }
};

TEST_F(Server, RegisterWritesTheEntriesAndUnregisterRemovesOnlyItsOwn) {
    const QString key = "CLSID/" + kDeskClsid.toString();
    ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    EXPECT_EQ(store().value(key + "/ProgID").toString(), "ZelkTest.Desk");
    EXPECT_EQ(store().value(key + "/Description").toString(), "Help desk");
    EXPECT_FALSE(store().value(key + "/InprocServer").toString().isEmpty());
    EXPECT_EQ(clsidFromProgId(u"zelktest.desk"), kDeskClsid);
    EXPECT_EQ(progIdFromClsid(kDeskClsid), "ZelkTest.Desk");
    EXPECT_TRUE(store().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));

    ASSERT_EQ(DllUnregisterServer(), HResult::Ok);
    EXPECT_FALSE(store().value(key + "/ProgID").isValid());
    EXPECT_FALSE(clsidFromProgId(u"ZelkTest.Desk").has_value());
    EXPECT_TRUE(progIdFromClsid(kDeskClsid).isEmpty());

    // A program id that meanwhile names another class is left alone.
    ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    store().setValue("ProgID/zelktest.desk/CLSID", kOtherClsid.toString());
    ASSERT_EQ(DllUnregisterServer(), HResult::Ok);
    EXPECT_EQ(clsidFromProgId(u"ZelkTest.Desk"), kOtherClsid);
}

TEST_F(Server, RegisterIntoAStoreThatCannotBeWrittenFails) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The store's folder would have to be made below a plain file.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("file/config"));
    const HResult hr = DllRegisterServer();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
    EXPECT_EQ(hr, HResult::RegistrationFailed);
    EXPECT_FALSE(clsidFromProgId(u"ZelkTest.Desk").has_value());
}

TEST_F(Server, UnloadWaitsForFactoriesObjectsAndLocks) {
    ASSERT_EQ(DllCanUnloadNow(), HResult::Ok);
    std::shared_ptr<ClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(kOtherClsid, &factory), HResult::ClassNotAvailable);
    EXPECT_FALSE(factory);
    ASSERT_EQ(DllGetClassObject(kDeskClsid, &factory), HResult::Ok);
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);

    std::shared_ptr<Dispatch> object;
    ASSERT_EQ(factory->createInstance(&object), HResult::Ok);
    object->put(u"HelpID", "made");
    EXPECT_EQ(object->get(Desk::kHelpID), Variant("made"));
    EXPECT_NE(object->events(), nullptr);
    EXPECT_EQ(liveObjectCount(), 2);
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);  // the object is still held
    EXPECT_EQ(liveObjectCount(), 1);
    object.reset();
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);

    ClassFactory local(*findServedClass(kDeskClsid));
    EXPECT_EQ(local.lockServer(true), HResult::Ok);
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);
    EXPECT_EQ(local.lockServer(false), HResult::Ok);
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);
    EXPECT_EQ(local.lockServer(false), HResult::Unexpected);
    EXPECT_EQ(serverLockCount(), 0);

    // A create function that fails gives no object and counts nothing.
    addServedClass({kOtherClsid, "ZelkTest.Broken", {}, []() -> std::shared_ptr<Dispatch> {
                        throw std::runtime_error("no memory");
                    }});
    EXPECT_EQ(ClassFactory(*findServedClass(kOtherClsid)).createInstance(&object), HResult::Fail);
    EXPECT_FALSE(object);
    EXPECT_EQ(liveObjectCount(), 0);
}

TEST_F(Server, CreateObjectByProgIdNeedsRegistration) {
    EXPECT_EQ(failureOf([] { CreateObject("ZelkTest.Desk"); }), HResult::ClassNotRegistered);
    ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    auto byProgId = CreateObject("zelktest.DESK");
    auto byClsid = CreateObject(kDeskClsid.toString().toLower());
    ASSERT_TRUE(byProgId && byClsid);
    EXPECT_NE(byProgId, byClsid);
}

TEST_F(Server, BadClassesAreRefusedAndNothingIsAdded) {
    const std::vector<ClassInfo> bad = {
        {Guid{}, "ZelkTest.Null", {}, make},        {kOtherClsid, "9Starts.WithDigit", {}, make},
        {kOtherClsid, "ZelkTest.NoCreate", {}, {}}, {kDeskClsid, "ZelkTest.SameClsid", {}, make},
        {kOtherClsid, "ZELKTEST.DESK", {}, make},
    };
    for (const ClassInfo& c : bad) {
        EXPECT_THROW(addServedClass(c), AutomationError) << c.progId.toStdString();
        EXPECT_EQ(servedClasses().size(), 1u) << c.progId.toStdString();
    }
}

TEST(Guid, PrintsUpperCaseParsesEitherCaseAndRefusesMalformedText) {
    const auto g = Guid::parse(QStringLiteral("{5e0c1f7a-3b2d-4c8e-9a61-0f2b7d4e8c13}"));
    ASSERT_TRUE(g);
    EXPECT_EQ(*g, kDeskClsid);
    EXPECT_EQ(g->toString(), "{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}");
    EXPECT_EQ(Guid::parse(g->toString()), g);
    for (const char* text :
         {"", "5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13", "{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C1}",
          "{5E0C1F7A-3B2D-4C8E-9A610F2B7D4E8C13A}", "{中0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}"})
        EXPECT_FALSE(Guid::parse(QString::fromUtf8(text))) << text;
}

}  // namespace
