#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/modalwindow.h"
#include "platform/promptscript.h"

namespace zelk {
namespace {

// A window that writes down what happens to it.
class Probe : public Form {
  public:
    static inline QStringList log;
    static inline bool refuseUnload = false;

    ~Probe() override { log << "destroyed"; }
    void init(const QString& what) {
        log << QStringLiteral("init %1 %2").arg(what, isLoaded() ? "loaded" : "not loaded");
        if (what == "bad") throw std::runtime_error("no such interface");
    }

  protected:
    void Form_Load() override { log << "Form_Load"; }
    void Form_QueryUnload(int& cancel, int) override {
        log << "QueryUnload";
        if (refuseUnload) cancel = 1;
    }
    void Form_Unload(int&) override { log << "Form_Unload"; }
};

class ModalWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        Probe::log.clear();
        Probe::refuseUnload = false;
    }
    static auto initWith(const QString& what) {
        return [what](Probe& p) { p.init(what); };
    }
};

TEST_F(ModalWindow, LoadsBeforeInitOnlyWhenAskedAndIsGoneWhenItReturns) {
    for (const ModalLoad load : {ModalLoad::BeforeInit, ModalLoad::OnFirstAccess}) {
        Probe::log.clear();
        PromptScript script;
        script.onModal([](Form& f) {
            Probe::log << "shown";
            f.unload();
        });
        ShowModalWindow<Probe>(initWith("x"), nullptr, {}, load);
        const QStringList opening = load == ModalLoad::BeforeInit
                                        ? QStringList{"Form_Load", "init x loaded"}
                                        : QStringList{"init x not loaded", "Form_Load"};
        const QStringList closing{"shown", "QueryUnload", "Form_Unload", "destroyed"};
        EXPECT_EQ(Probe::log, opening + closing);
    }
}

// A window the show left hidden is unloaded as its opener would; one that refuses is closed
// anyway, so that it never outlives the call.
TEST_F(ModalWindow, HiddenOrRefusingWindowIsUnloadedAndDestroyed) {
    for (const bool refuse : {false, true}) {
        Probe::log.clear();
        Probe::refuseUnload = refuse;
        PromptScript script;
        script.onModal([](Form& f) { f.hide(); });
        ShowModalWindow<Probe>(initWith("x"));
        const QStringList closing = refuse ? QStringList{"QueryUnload", "destroyed"}
                                           : QStringList{"QueryUnload", "Form_Unload", "destroyed"};
        EXPECT_EQ(Probe::log.mid(2), closing) << "refuse " << refuse;
    }
}

TEST_F(ModalWindow, FailedInitPassesOnAfterTheWindowIsGone) {
    PromptScript script;  // nothing may be shown
    EXPECT_THROW(ShowModalWindow<Probe>(initWith("bad"), nullptr, {}, ModalLoad::BeforeInit),
                 std::runtime_error);
    EXPECT_EQ(Probe::log, (QStringList{"Form_Load", "init bad loaded", "destroyed"}));
}

}  // namespace
}  // namespace zelk
