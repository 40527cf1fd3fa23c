#pragma once
// A demo database, the public classes served and registered, and objects created the way a host
// creates them.

#include <gtest/gtest.h>

#include <memory>

#include "dataaccess/demodata.h"
#include "platform/automation/events.h"
#include "platform/automation/server.h"
#include "publicclasses/registration.h"
#include "support/testdb.h"

namespace zelk::test {

class PublicClassesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db_.ok()) << db_.error().toStdString();
        ASSERT_TRUE(loadDemoData(db_.hdbc(), &demo_));
        ServePublicClasses();
        ASSERT_EQ(DllRegisterServer(), HResult::Ok);
    }

    std::int32_t hdbc() const { return db_.hdbc(); }

    static std::shared_ptr<Dispatch> create(const char* progId) {
        return CreateObject(QString::fromLatin1(progId));
    }
    template <class T>
    static T& as(const std::shared_ptr<Dispatch>& object) {
        return dynamic_cast<T&>(*object);
    }

    // The ids of the NeedHelp events the object raised; `answer`, when set, is what the sink
    // writes back into the id.
    std::shared_ptr<QStringList> recordHelp(Dispatch& object, const QString& answer = {}) {
        auto ids = std::make_shared<QStringList>();
        const DispId needHelp = object.events()->idOfName(u"NeedHelp");
        object.events()->connect(std::make_shared<FunctionSink>(
            [ids, needHelp, answer](DispId id, std::span<Variant> args) {
                if (id != needHelp) return;
                *ids << args[0].toText();
                if (!answer.isEmpty()) args[0] = Variant(answer);
            }));
        return ids;
    }

    TestDb db_;
    DemoInterfaces demo_;
};

}  // namespace zelk::test
