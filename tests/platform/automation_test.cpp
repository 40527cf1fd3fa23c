#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/automation/events.h"
#include "platform/automation/server.h"

using namespace zelk;

namespace {

// A small class of the tests' own, shaped like the component's public classes: plain stored
// properties, a designer call with by-reference numbers, and a help event with a by-reference id.
class HelpDesk : public DispatchObject {
  public:
    static constexpr DispId kHelpID = 0x40030001;
    static constexpr DispId kVisible = 0x68030000;
    static constexpr DispId kCount = 0x10;
    static constexpr DispId kRatio = 0x11;
    static constexpr DispId kShowDesigner = 0x60030000;
    static constexpr DispId kSwap = 0x60030001;
    static constexpr DispId kEcho = 0x60030002;
    static constexpr DispId kFail = 0x60030003;
    static constexpr DispId kRequestHelp = 0x60030004;
    static constexpr DispId kOnHint = 1;
    static constexpr DispId kNeedHelp = 3;

    QString helpId;
    bool visible = false;
    float ratio = 0;
    std::int32_t designs = 0;

    EventSource* events() override { return &events_; }

  private:
    const MemberTable& table() const override {
        static const MemberTable t =
            DispatchTable<HelpDesk>(QStringLiteral("HelpDesk"))
                .property(
                    kHelpID, QStringLiteral("HelpID"), VarType::Text,
                    [](const HelpDesk& d) { return Variant(d.helpId); },
                    [](HelpDesk& d, const Variant& v) { d.helpId = v.toText(); })
                .property(
                    kVisible, QStringLiteral("Visible"), VarType::Any,
                    [](const HelpDesk& d) { return Variant(d.visible); },
                    [](HelpDesk& d, const Variant& v) { d.visible = v.toBool(); })
                .property(kCount, QStringLiteral("Count"), VarType::Int32,
                          [](const HelpDesk& d) { return Variant(d.designs); })
                .property(
                    kRatio, QStringLiteral("Ratio"), VarType::Single,
                    [](const HelpDesk& d) { return Variant(d.ratio); },
                    [](HelpDesk& d, const Variant& v) { d.ratio = v.toSingle(); })
                .method(kShowDesigner, QStringLiteral("ShowDesigner"),
                        {{QStringLiteral("hdbc"), VarType::Int32, true},
                         {QStringLiteral("fid"), VarType::Int32, true}},
                        [](HelpDesk& d, std::span<Variant> a) {
                            ++d.designs;
                            a[1] = Variant(a[1].toInt32() + 1);  // the number it moved on to
                            return Variant();
                        })
                .method(kSwap, QStringLiteral("Swap"),
                        {{QStringLiteral("a"), VarType::Text, true},
                         {QStringLiteral("b"), VarType::Text, true}},
                        [](HelpDesk&, std::span<Variant> a) {
                            std::swap(a[0], a[1]);
                            return Variant();
                        })
                .method(
                    kEcho, QStringLiteral("Echo"),
                    {{QStringLiteral("text"), VarType::Text, false},
                     {QStringLiteral("times"), VarType::Int32, false}},
                    [](HelpDesk&, std::span<Variant> a) {
                        const Variant result(a[0].toText().repeated(a[1].toInt32()));
                        a[0] = Variant(QStringLiteral("scribbled"));  // by value: stays here
                        return result;
                    },
                    VarType::Text)
                .method(kFail, QStringLiteral("Fail"), {},
                        [](HelpDesk&, std::span<Variant>) -> Variant {
                            throw std::runtime_error("disk on fire");
                        })
                .method(
                    kRequestHelp, QStringLiteral("RequestHelp"),
                    {{QStringLiteral("id"), VarType::Text, false}},
                    [](HelpDesk& d, std::span<Variant> a) {
                        Variant id = a[0];
                        d.events_.raise(kNeedHelp, std::span<Variant>(&id, 1));
                        return id;
                    },
                    VarType::Text);
        return t;
    }

    EventSource events_{
        QStringLiteral("HelpDeskEvents"),
        {{kOnHint, QStringLiteral("onHint"), {{QStringLiteral("hint"), VarType::Text}}},
         {kNeedHelp, QStringLiteral("NeedHelp"), {{QStringLiteral("id"), VarType::Text, true}}}}};
};

// ---- Dispatch by id and by name ------------------------------------------------------------

struct Spelling {
    const char* label;
    QString helpId, showDesigner;
    friend void PrintTo(const Spelling& s, std::ostream* os) { *os << s.label; }
};

class DispatchByName : public ::testing::TestWithParam<Spelling> {};

TEST_P(DispatchByName, ReachesTheSameMemberAsItsId) {
    const Spelling& s = GetParam();
    HelpDesk d;
    EXPECT_EQ(d.idOfName(s.helpId), HelpDesk::kHelpID);
    EXPECT_EQ(d.idOfName(s.showDesigner), HelpDesk::kShowDesigner);

    d.put(s.helpId, QStringLiteral("H-17"));
    EXPECT_EQ(d.get(HelpDesk::kHelpID), Variant(QStringLiteral("H-17")));
    d.put(HelpDesk::kHelpID, QStringLiteral("H-18"));
    EXPECT_EQ(d.get(s.helpId), Variant(QStringLiteral("H-18")));

    std::vector<Variant> byName{Variant(7), Variant(100)};
    std::vector<Variant> byId{Variant(7), Variant(100)};
    d.call(s.showDesigner, byName);
    d.call(HelpDesk::kShowDesigner, byId);
    EXPECT_EQ(d.designs, 2);
    EXPECT_EQ(byName, byId);
}

INSTANTIATE_TEST_SUITE_P(Names, DispatchByName,
                         ::testing::Values(Spelling{"AsDeclared", "HelpID", "ShowDesigner"},
                                           Spelling{"LowerCase", "helpid", "showdesigner"},
                                           Spelling{"UpperCase", "HELPID", "SHOWDESIGNER"},
                                           Spelling{"Mixed", "hElPiD", "showDESIGNER"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Dispatch, ByReferenceArgumentsComeBackByValueOnesDoNot) {
    HelpDesk d;
    std::vector<Variant> numbers{Variant(1), Variant(41)};
    d.call(u"ShowDesigner", numbers);
    EXPECT_EQ(numbers[0], Variant(1));
    EXPECT_EQ(numbers[1], Variant(42));

    // A by-reference text parameter given a number hands back text.
    std::vector<Variant> pair{Variant(QStringLiteral("left")), Variant(5)};
    d.call(u"Swap", pair);
    EXPECT_EQ(pair[0], Variant(QStringLiteral("5")));
    EXPECT_EQ(pair[1], Variant(QStringLiteral("left")));

    std::vector<Variant> echo{Variant(QStringLiteral("ab")), Variant(QStringLiteral("3"))};
    EXPECT_EQ(d.call(u"Echo", echo), Variant(QStringLiteral("ababab")));
    EXPECT_EQ(echo[0], Variant(QStringLiteral("ab")));
}

TEST(Dispatch, PropertiesConvertToTheirDeclaredType) {
    HelpDesk d;
    d.put(u"Visible", QStringLiteral("True"));
    EXPECT_EQ(d.get(u"Visible"), Variant(true));
    d.put(u"Ratio", 3);
    EXPECT_EQ(d.get(u"Ratio"), Variant(3.0f));
    d.put(u"HelpID", 12);
    EXPECT_EQ(d.get(u"HelpID"), Variant(QStringLiteral("12")));
    // A host may read a property with the method flag set as well.
    Variant r;
    EXPECT_EQ(d.invoke(HelpDesk::kHelpID, kInvokeMethod | kInvokePropertyGet, {}, &r), HResult::Ok);
    EXPECT_EQ(r, Variant(QStringLiteral("12")));
}

// ---- Refusals: each leaves the object as it was ---------------------------------------------

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
    HelpDesk d;
    d.helpId = QStringLiteral("kept");
    d.ratio = 1.5f;
    Variant result;
    ExcepInfo excep;
    int argErr = -1;
    EXPECT_EQ(d.invoke(r.id, r.flags, r.args, &result, &excep, &argErr), r.expected);
    EXPECT_EQ(argErr, r.argErr);
    EXPECT_EQ(d.helpId, QStringLiteral("kept"));
    EXPECT_EQ(d.ratio, 1.5f);
    EXPECT_EQ(d.designs, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DispatchRefuses,
    ::testing::Values(Refusal{"UnknownId", 0x777, kInvokeMethod, {}, HResult::MemberNotFound, -1},
                      Refusal{"PutReadOnly",
                              HelpDesk::kCount,
                              kInvokePropertyPut,
                              {Variant(3)},
                              HResult::MemberNotFound,
                              -1},
                      Refusal{"PutWithoutValue",
                              HelpDesk::kHelpID,
                              kInvokePropertyPut,
                              {},
                              HResult::BadParamCount,
                              -1},
                      Refusal{"TooFewArguments",
                              HelpDesk::kShowDesigner,
                              kInvokeMethod,
                              {Variant(1)},
                              HResult::BadParamCount,
                              -1},
                      Refusal{"TextForNumber",
                              HelpDesk::kShowDesigner,
                              kInvokeMethod,
                              {Variant(1), Variant("abc")},
                              HResult::TypeMismatch,
                              1},
                      Refusal{"NumberTooLarge",
                              HelpDesk::kShowDesigner,
                              kInvokeMethod,
                              {Variant("3000000000"), Variant(1)},
                              HResult::Overflow,
                              0},
                      Refusal{"SingleTooLarge",
                              HelpDesk::kRatio,
                              kInvokePropertyPut,
                              {Variant("1e40")},
                              HResult::Overflow,
                              0},
                      Refusal{"MethodAsPropertyPut",
                              HelpDesk::kShowDesigner,
                              kInvokePropertyPut,
                              {Variant(1)},
                              HResult::MemberNotFound,
                              -1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Dispatch, MemberFailureComesBackWithSourceAndDescription) {
    HelpDesk d;
    ExcepInfo excep;
    EXPECT_EQ(d.invoke(HelpDesk::kFail, kInvokeMethod, {}, nullptr, &excep), HResult::Exception);
    EXPECT_EQ(excep.source, QStringLiteral("HelpDesk.Fail"));
    EXPECT_EQ(excep.description, QStringLiteral("disk on fire"));
    try {
        d.call(u"fail");
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), HResult::Exception);
        EXPECT_EQ(e.description(), QStringLiteral("disk on fire"));
    }
    // The object stays usable.
    d.put(u"HelpID", QStringLiteral("after"));
    EXPECT_EQ(d.get(u"HelpID"), Variant(QStringLiteral("after")));
    EXPECT_EQ(d.idOfName(u"NoSuchMember"), kDispIdUnknown);
    EXPECT_THROW(d.get(u"NoSuchMember"), AutomationError);
}

TEST(Dispatch, DuplicateMemberIsRefusedWhenTheTableIsBuilt) {
    auto build = [] {
        return DispatchTable<HelpDesk>(QStringLiteral("Twice"))
            .property(1, QStringLiteral("Name"), VarType::Text, {})
            .property(2, QStringLiteral("NAME"), VarType::Text, {})
            .build();
    };
    EXPECT_THROW(build(), AutomationError);
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
    if (c.error == HResult::Ok) {
        EXPECT_EQ(c.from.convertedTo(c.to), c.expected);
    } else {
        try {
            c.from.convertedTo(c.to);
            ADD_FAILURE() << "converted";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.code(), c.error);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, VariantConversion,
    ::testing::Values(
        Conversion{"TrueIsMinusOne", Variant(true), VarType::Int32, Variant(-1)},
        Conversion{"TextTrueIgnoresCase", Variant(" true "), VarType::Bool, Variant(true)},
        Conversion{"NumericTextToBool", Variant("0"), VarType::Bool, Variant(false)},
        Conversion{"WordToBoolFails", Variant("yes"), VarType::Bool, {}, HResult::TypeMismatch},
        Conversion{"HalfRoundsToEvenDown", Variant(2.5f), VarType::Int32, Variant(2)},
        Conversion{"HalfRoundsToEvenUp", Variant(3.5f), VarType::Int32, Variant(4)},
        Conversion{"NegativeHalf", Variant(-2.5f), VarType::Int32, Variant(-2)},
        Conversion{"TextWithBlanks", Variant("  12 "), VarType::Int32, Variant(12)},
        Conversion{"DecimalText", Variant("7.5"), VarType::Int32, Variant(8)},
        Conversion{"TextBeyondRange", Variant("2147483648"), VarType::Int32, {}, HResult::Overflow},
        Conversion{"LowestInt", Variant("-2147483648"), VarType::Int32, Variant(INT32_MIN)},
        Conversion{"EmptyTextToNumber", Variant(""), VarType::Int32, {}, HResult::TypeMismatch},
        Conversion{
            "InfinityIsNotANumber", Variant("inf"), VarType::Single, {}, HResult::TypeMismatch},
        Conversion{"EmptyIsZero", Variant(), VarType::Int32, Variant(0)},
        Conversion{"EmptyIsEmptyText", Variant(), VarType::Text, Variant("")},
        Conversion{"SingleToText", Variant(1.25f), VarType::Text, Variant("1.25")},
        Conversion{"BoolToText", Variant(false), VarType::Text, Variant("False")},
        Conversion{"ChineseTextStays", Variant("管理员"), VarType::Any, Variant("管理员")}),
    [](const auto& info) { return std::string(info.param.label); });

// ---- Events --------------------------------------------------------------------------------

TEST(Events, SinkChangesTheByReferenceIdAndTheRaiserSeesIt) {
    HelpDesk d;
    std::vector<QString> seen;
    auto sink = std::make_shared<FunctionSink>([&](DispId id, std::span<Variant> args) {
        ASSERT_EQ(id, HelpDesk::kNeedHelp);
        seen.push_back(args[0].toText());
        args[0] = Variant(QStringLiteral("HLP-9"));
    });
    const std::uint32_t cookie = d.events()->connect(sink);
    EXPECT_GE(cookie, 1u);

    EXPECT_EQ(d.call(u"RequestHelp", {Variant("")}), Variant(QStringLiteral("HLP-9")));
    EXPECT_EQ(seen, std::vector<QString>{QString()});

    EXPECT_TRUE(d.events()->disconnect(cookie));
    EXPECT_FALSE(d.events()->disconnect(cookie));
    EXPECT_EQ(d.call(u"RequestHelp", {Variant("x")}), Variant(QStringLiteral("x")));
    EXPECT_EQ(seen.size(), 1u);
}

TEST(Events, SinksRunInOrderEachSeeingThePreviousChange) {
    HelpDesk d;
    auto append = [](const char* tag) {
        return std::make_shared<FunctionSink>([tag](DispId, std::span<Variant> args) {
            args[0] = Variant(args[0].toText() + QLatin1String(tag));
        });
    };
    d.events()->connect(append("a"));
    d.events()->connect(append("b"));
    Variant id(QStringLiteral(">"));
    EXPECT_EQ(d.events()->raise(u"needhelp", std::span<Variant>(&id, 1)), HResult::Ok);
    EXPECT_EQ(id, Variant(QStringLiteral(">ab")));

    // By value: a sink's change stays with it.
    Variant hint(QStringLiteral("系统界面已经导入"));
    d.events()->connect(std::make_shared<FunctionSink>(
        [](DispId, std::span<Variant> args) { args[0] = Variant(QStringLiteral("changed")); }));
    EXPECT_EQ(d.events()->raise(HelpDesk::kOnHint, std::span<Variant>(&hint, 1)), HResult::Ok);
    EXPECT_EQ(hint, Variant(QStringLiteral("系统界面已经导入")));
}

TEST(Events, FailingOrLeavingSinkDoesNotStopTheOthers) {
    HelpDesk d;
    int reached = 0;
    std::uint32_t leaver = 0;
    leaver = d.events()->connect(std::make_shared<FunctionSink>([&](DispId, std::span<Variant>) {
        d.events()->disconnect(leaver);  // leaves while the event runs
    }));
    d.events()->connect(std::make_shared<FunctionSink>([](DispId, std::span<Variant> args) {
        args[0] = Variant(QStringLiteral("half-done"));
        throw std::runtime_error("sink broke");
    }));
    d.events()->connect(std::make_shared<FunctionSink>([&](DispId, std::span<Variant> args) {
        ++reached;
        EXPECT_EQ(args[0], Variant(QStringLiteral("start")));  // the failed sink's change is gone
    }));
    Variant id(QStringLiteral("start"));
    EXPECT_EQ(d.events()->raise(HelpDesk::kNeedHelp, std::span<Variant>(&id, 1)),
              HResult::Exception);
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(d.events()->sinkCount(), 2u);
    EXPECT_EQ(d.events()->raise(0x55), HResult::MemberNotFound);
    EXPECT_EQ(d.events()->raise(HelpDesk::kNeedHelp), HResult::BadParamCount);
    EXPECT_EQ(d.events()->connect(nullptr), 0u);
}

TEST(Events, SinkMayReleaseTheRaisingObject) {
    auto desk = std::make_unique<HelpDesk>();
    int later = 0;
    desk->events()->connect(std::make_shared<FunctionSink>([&](DispId, std::span<Variant> args) {
        args[0] = Variant(QStringLiteral("bye"));
        desk.reset();  // the host closes on the event
    }));
    desk->events()->connect(
        std::make_shared<FunctionSink>([&](DispId, std::span<Variant>) { ++later; }));
    Variant id(QStringLiteral("x"));
    EXPECT_EQ(desk->events()->raise(HelpDesk::kNeedHelp, std::span<Variant>(&id, 1)), HResult::Ok);
    EXPECT_FALSE(desk);
    EXPECT_EQ(later, 0);
    EXPECT_EQ(id, Variant(QStringLiteral("bye")));
}

// ---- Server: classes, factory, registration --------------------------------------------------

constexpr CLSID kHelpDeskClsid = Guid::literal("{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}");
constexpr CLSID kOtherClsid = Guid::literal("{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C14}");

class Server : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "KELMORAX", "Classes").clear();
        addServedClass({kHelpDeskClsid, QStringLiteral("ZelkTest.HelpDesk"),
                        QStringLiteral("Help desk"), [] { return std::make_shared<HelpDesk>(); }});
    }
    void TearDown() override {
        removeServedClass(kHelpDeskClsid);
        removeServedClass(kOtherClsid);
    }
    static QVariant stored(const QString& key) {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "KELMORAX", "Classes")
            .value(key);
    }
};

TEST_F(Server, RegisterWritesTheEntriesAndUnregisterRemovesThem) {
    const QString clsid = kHelpDeskClsid.toString();
    ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    EXPECT_EQ(stored("CLSID/" + clsid + "/ProgID").toString(), "ZelkTest.HelpDesk");
    EXPECT_EQ(stored("CLSID/" + clsid + "/Description").toString(), "Help desk");
    EXPECT_FALSE(stored("CLSID/" + clsid + "/InprocServer").toString().isEmpty());
    EXPECT_EQ(clsidFromProgId(u"zelktest.helpdesk"), kHelpDeskClsid);
    EXPECT_EQ(progIdFromClsid(kHelpDeskClsid), "ZelkTest.HelpDesk");
    const QString file =
        QSettings(QSettings::IniFormat, QSettings::UserScope, "KELMORAX", "Classes").fileName();
    EXPECT_TRUE(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << file.toStdString();

    ASSERT_EQ(DllUnregisterServer(), HResult::Ok);
    EXPECT_FALSE(stored("CLSID/" + clsid + "/ProgID").isValid());
    EXPECT_FALSE(clsidFromProgId(u"ZelkTest.HelpDesk").has_value());
    EXPECT_TRUE(progIdFromClsid(kHelpDeskClsid).isEmpty());
}

TEST_F(Server, UnregisterLeavesAProgIdThatNowNamesAnotherClass) {
    ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    QSettings(QSettings::IniFormat, QSettings::UserScope, "KELMORAX", "Classes")
        .setValue("ProgID/zelktest.helpdesk/CLSID", kOtherClsid.toString());
    ASSERT_EQ(DllUnregisterServer(), HResult::Ok);
    EXPECT_EQ(clsidFromProgId(u"ZelkTest.HelpDesk"), kOtherClsid);
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
    EXPECT_FALSE(clsidFromProgId(u"ZelkTest.HelpDesk").has_value());
}

TEST_F(Server, FactoryCreatesObjectsAndUnloadWaitsForThem) {
    ASSERT_EQ(DllCanUnloadNow(), HResult::Ok);
    std::shared_ptr<ClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(kOtherClsid, &factory), HResult::ClassNotAvailable);
    EXPECT_FALSE(factory);
    ASSERT_EQ(DllGetClassObject(kHelpDeskClsid, &factory), HResult::Ok);
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);

    std::shared_ptr<Dispatch> object;
    ASSERT_EQ(factory->createInstance(&object), HResult::Ok);
    object->put(u"HelpID", QStringLiteral("made"));
    EXPECT_EQ(object->get(HelpDesk::kHelpID), Variant(QStringLiteral("made")));
    EXPECT_NE(object->events(), nullptr);
    EXPECT_EQ(liveObjectCount(), 2);

    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);  // the object is still held
    EXPECT_EQ(liveObjectCount(), 1);
    object.reset();
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);
}

TEST_F(Server, ServerLockKeepsItLoadedAndAStrayUnlockIsRefused) {
    ClassFactory factory(*findServedClass(kHelpDeskClsid));
    EXPECT_EQ(factory.lockServer(true), HResult::Ok);
    EXPECT_EQ(DllCanUnloadNow(), HResult::False);
    EXPECT_EQ(factory.lockServer(false), HResult::Ok);
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);
    EXPECT_EQ(factory.lockServer(false), HResult::Unexpected);
    EXPECT_EQ(serverLockCount(), 0);
}

TEST_F(Server, FailingCreateFunctionGivesNoObjectAndCountsNothing) {
    addServedClass({kOtherClsid, QStringLiteral("ZelkTest.Broken"), QString(),
                    []() -> std::shared_ptr<Dispatch> { throw std::runtime_error("no memory"); }});
    ClassFactory factory(*findServedClass(kOtherClsid));
    std::shared_ptr<Dispatch> object;
    EXPECT_EQ(factory.createInstance(&object), HResult::Fail);
    EXPECT_FALSE(object);
    EXPECT_EQ(liveObjectCount(), 0);
}

TEST_F(Server, CreateObjectByProgIdNeedsRegistration) {
    EXPECT_THROW(CreateObject(QStringLiteral("ZelkTest.HelpDesk")), AutomationError);
    ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    auto byProgId = CreateObject(QStringLiteral("zelktest.HELPDESK"));
    auto byClsid = CreateObject(kHelpDeskClsid.toString().toLower());
    ASSERT_TRUE(byProgId && byClsid);
    EXPECT_NE(byProgId, byClsid);
    try {
        CreateObject(QStringLiteral("Nobody.Here"));
        ADD_FAILURE() << "created";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), HResult::ClassNotRegistered);
    }
}

TEST_F(Server, BadClassesAreRefusedAndNothingIsAdded) {
    auto make = [] { return std::make_shared<HelpDesk>(); };
    const std::vector<ClassInfo> bad = {
        {Guid{}, "ZelkTest.Null", {}, make},
        {kOtherClsid, "9Starts.WithDigit", {}, make},
        {kOtherClsid, "Has Space", {}, make},
        {kOtherClsid, "ZelkTest.ThisNameIsReallyFarTooLongForAProgId", {}, make},
        {kOtherClsid, "ZelkTest.NoCreate", {}, {}},
        {kHelpDeskClsid, "ZelkTest.SameClsid", {}, make},
        {kOtherClsid, "ZELKTEST.HELPDESK", {}, make},
    };
    for (const ClassInfo& c : bad) {
        EXPECT_THROW(addServedClass(c), AutomationError) << c.progId.toStdString();
        EXPECT_EQ(servedClasses().size(), 1u) << c.progId.toStdString();
    }
}

// ---- Identifiers ---------------------------------------------------------------------------

TEST(Guid, PrintsUpperCaseAndParsesEitherCase) {
    const auto g = Guid::parse(QStringLiteral("{5e0c1f7a-3b2d-4c8e-9a61-0f2b7d4e8c13}"));
    ASSERT_TRUE(g);
    EXPECT_EQ(*g, kHelpDeskClsid);
    EXPECT_EQ(g->toString(), QStringLiteral("{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}"));
    EXPECT_EQ(Guid::parse(g->toString()), g);
    EXPECT_EQ(Guid{}.toString(), QStringLiteral("{00000000-0000-0000-0000-000000000000}"));
}

TEST(Guid, MalformedTextIsRefused) {
    for (const char* text :
         {"", "5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13", "{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C1}",
          "{5E0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13 }", "{5E0C1F7A_3B2D-4C8E-9A61-0F2B7D4E8C13}",
          "{5E0C1F7A-3B2D-4C8E-9A610F2B7D4E8C13A}", "{5G0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}",
          "{中0C1F7A-3B2D-4C8E-9A61-0F2B7D4E8C13}"})
        EXPECT_FALSE(Guid::parse(QString::fromUtf8(text))) << text;
}

}  // namespace
