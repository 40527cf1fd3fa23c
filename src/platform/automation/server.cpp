#include "platform/automation/server.h"

#include <dlfcn.h>

#include <atomic>

#include <QFileInfo>
#include <QSettings>

#include "platform/settings.h"

namespace zelk {

namespace {

std::atomic<long> gLiveObjects{0};
std::atomic<long> gServerLocks{0};

std::vector<ClassInfo>& served() {
    static std::vector<ClassInfo> classes;
    return classes;
}

// The per-user store of class registrations, a file of its own beside the other settings.
std::unique_ptr<QSettings> classStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       kSettingsApplication, QStringLiteral("Classes"));
}

QString clsidGroup(const CLSID& clsid) {
    return QStringLiteral("CLSID/") + clsid.toString();
}
QString clsidKey(const CLSID& clsid, const char* value) {
    return clsidGroup(clsid) + QLatin1Char('/') + QLatin1String(value);
}
QString progIdGroup(QStringView progId) {
    return QStringLiteral("ProgID/") + progId.toString().toLower();
}
QString progIdKey(QStringView progId) {
    return progIdGroup(progId) + QStringLiteral("/CLSID");
}

// The file that holds this code: the component's library, or the program it is linked into.
QString modulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&modulePath), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    return QString();
}

// Wraps a handed-out pointer so that it is counted until the host releases it.
template <class T>
std::shared_ptr<T> counted(std::shared_ptr<T> p) {
    T* raw = p.get();
    ++gLiveObjects;
    return std::shared_ptr<T>(raw, [held = std::move(p)](T*) mutable {
        held.reset();
        --gLiveObjects;
    });
}

}  // namespace

bool isValidProgId(QStringView progId) {
    if (progId.isEmpty() || progId.size() > 39 || !progId.front().isLetter()) return false;
    for (QChar c : progId) {
        const bool ascii = c.unicode() < 128;
        if (!ascii || !(c.isLetterOrNumber() || c == u'.' || c == u'_')) return false;
    }
    return true;
}

void addServedClass(ClassInfo info) {
    if (info.clsid.isNull())
        throw AutomationError(HResult::InvalidArg, QStringLiteral("a class needs an identifier"));
    if (!isValidProgId(info.progId))
        throw AutomationError(HResult::InvalidArg,
                              QStringLiteral("malformed ProgID \"%1\"").arg(info.progId));
    if (!info.create)
        throw AutomationError(HResult::InvalidArg,
                              QStringLiteral("class %1 has no create function").arg(info.progId));
    for (const ClassInfo& c : served()) {
        if (c.clsid == info.clsid || c.progId.compare(info.progId, Qt::CaseInsensitive) == 0)
            throw AutomationError(HResult::InvalidArg,
                                  QStringLiteral("class %1 %2 is served already")
                                      .arg(info.progId, info.clsid.toString()));
    }
    served().push_back(std::move(info));
}

bool removeServedClass(const CLSID& clsid) {
    auto& classes = served();
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        if (it->clsid == clsid) {
            classes.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<ClassInfo> servedClasses() {
    return served();
}

std::optional<ClassInfo> findServedClass(const CLSID& clsid) {
    for (const ClassInfo& c : served())
        if (c.clsid == clsid) return c;
    return std::nullopt;
}

long liveObjectCount() {
    return gLiveObjects.load();
}
long serverLockCount() {
    return gServerLocks.load();
}

HResult ClassFactory::createInstance(std::shared_ptr<Dispatch>* object) noexcept {
    if (!object) return HResult::Pointer;
    object->reset();
    try {
        std::shared_ptr<Dispatch> made = info_.create();
        if (!made) return HResult::Fail;
        *object = counted(std::move(made));
        return HResult::Ok;
    } catch (const std::bad_alloc&) {
        return HResult::OutOfMemory;
    } catch (...) {
        return HResult::Fail;
    }
}

HResult ClassFactory::lockServer(bool lock) noexcept {
    if (lock) {
        ++gServerLocks;
        return HResult::Ok;
    }
    // An unlock without a lock is the host's mistake; it must not make the count negative.
    long held = gServerLocks.load();
    while (held > 0 && !gServerLocks.compare_exchange_weak(held, held - 1)) {
    }
    return held > 0 ? HResult::Ok : HResult::Unexpected;
}

HResult DllGetClassObject(const CLSID& clsid, std::shared_ptr<ClassFactory>* factory) noexcept {
    if (!factory) return HResult::Pointer;
    factory->reset();
    try {
        const auto info = findServedClass(clsid);
        if (!info) return HResult::ClassNotAvailable;
        *factory = counted(std::make_shared<ClassFactory>(*info));
        return HResult::Ok;
    } catch (...) {
        return HResult::OutOfMemory;
    }
}

std::optional<CLSID> clsidFromProgId(QStringView progId) {
    if (!isValidProgId(progId)) return std::nullopt;
    return Guid::parse(classStore()->value(progIdKey(progId)).toString());
}

QString progIdFromClsid(const CLSID& clsid) {
    return classStore()->value(clsidKey(clsid, "ProgID")).toString();
}

std::shared_ptr<Dispatch> CreateObject(const QString& progIdOrClsid) {
    std::optional<CLSID> clsid = Guid::parse(progIdOrClsid.trimmed());
    if (!clsid) clsid = clsidFromProgId(progIdOrClsid.trimmed());
    if (!clsid || progIdFromClsid(*clsid).isEmpty())
        throw AutomationError(HResult::ClassNotRegistered,
                              QStringLiteral("class \"%1\" is not registered").arg(progIdOrClsid));
    std::shared_ptr<ClassFactory> factory;
    HResult hr = DllGetClassObject(*clsid, &factory);
    if (failed(hr))
        throw AutomationError(
            hr, QStringLiteral("class \"%1\" is not served by this component").arg(progIdOrClsid));
    std::shared_ptr<Dispatch> object;
    hr = factory->createInstance(&object);
    if (failed(hr))
        throw AutomationError(
            hr, QStringLiteral("cannot create an object of \"%1\"").arg(progIdOrClsid));
    return object;
}

}  // namespace zelk

using namespace zelk;

extern "C" HResult DllRegisterServer() noexcept {
    try {
        const auto store = classStore();
        const QString path = modulePath();
        for (const ClassInfo& c : served()) {
            store->setValue(clsidKey(c.clsid, "ProgID"), c.progId);
            store->setValue(clsidKey(c.clsid, "Description"), c.description);
            store->setValue(clsidKey(c.clsid, "InprocServer"), path);
            store->setValue(clsidKey(c.clsid, "ThreadingModel"), QStringLiteral("Apartment"));
            store->setValue(progIdKey(c.progId), c.clsid.toString());
        }
        store->sync();
        return store->status() == QSettings::NoError ? HResult::Ok : HResult::RegistrationFailed;
    } catch (...) {
        return HResult::RegistrationFailed;
    }
}

extern "C" HResult DllUnregisterServer() noexcept {
    try {
        const auto store = classStore();
        for (const ClassInfo& c : served()) {
            store->remove(clsidGroup(c.clsid));
            if (Guid::parse(store->value(progIdKey(c.progId)).toString()) == c.clsid)
                store->remove(progIdGroup(c.progId));
        }
        store->sync();
        return store->status() == QSettings::NoError ? HResult::Ok : HResult::RegistrationFailed;
    } catch (...) {
        return HResult::RegistrationFailed;
    }
}

extern "C" HResult DllCanUnloadNow() noexcept {
    return liveObjectCount() == 0 && serverLockCount() == 0 ? HResult::Ok : HResult::False;
}
