#include "publicclasses/registration.h"

#include <memory>

#include "platform/automation/server.h"
#include "platform/translations.h"
#include "publicclasses/designerclasses.h"
#include "publicclasses/oacls_zelk.h"

namespace zelk {

namespace {

template <class T>
std::shared_ptr<Dispatch> make() {
    // A host that did not translate Qt's own texts still gets the standard dialogs in Chinese.
    LoadQtTranslations();
    return std::make_shared<T>();
}

}  // namespace

void ServePublicClasses() {
    const ClassInfo classes[] = {
        {kClsidOACLS_ZELK, QString::fromLatin1(kProgIdOACLS_ZELK),
         QStringLiteral("Interface maintenance: main window"), make<OACLS_ZELK>},
        {kClsidOACLS_ISITer, QString::fromLatin1(kProgIdOACLS_ISITer),
         QStringLiteral("Interface maintenance: item-entry form designer"), make<OACLS_ISITer>},
        {kClsidOACLS_IJSTer, QString::fromLatin1(kProgIdOACLS_IJSTer),
         QStringLiteral("Interface maintenance: item-search form designer"), make<OACLS_IJSTer>},
        {kClsidOACLS_ILITer, QString::fromLatin1(kProgIdOACLS_ILITer),
         QStringLiteral("Interface maintenance: list designer"), make<OACLS_ILITer>},
    };
    for (const ClassInfo& c : classes)
        if (!findServedClass(c.clsid)) addServedClass(c);
}

}  // namespace zelk
