#include "dataaccess/demodata.h"
#include "host/hostwindow.h"
#include "platform/automation/server.h"
#include "platform/twips.h"
#include "publicclasses/registration.h"
#include "screenshots.h"

// The host's window with the main window shown inside it, as `zelk --embed` shows it.
ZELK_SCREENSHOT("host-embedded", [](zelk::shots::ShotContext& ctx) {
    using namespace zelk;
    ServePublicClasses();
    if (DllRegisterServer() != HResult::Ok) {
        ctx.save(nullptr, "host-embedded");
        return;
    }
    host::HostWindow window;
    window.setWindowTitle(QStringLiteral("zelk - %1").arg(demo::kSystem));
    window.show();
    auto zelk = CreateObject(QString::fromLatin1(kProgIdOACLS_ZELK));
    std::vector<Variant> context{ctx.hdbc, demo::kSystem, demo::kMainTable, demo::kClass,
                                 demo::kAdminUser};
    zelk->call(u"init", context);
    zelk->call(u"show", {false, static_cast<std::int32_t>(window.winId())});
    zelk->call(u"parentResize", {static_cast<float>(pixelsToTwips(window.width())),
                                 static_cast<float>(pixelsToTwips(window.height()))});
    ctx.save(&window, "host-embedded");
});
