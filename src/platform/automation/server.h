#pragma once
// The in-process server: the classes this component serves, their factories, registration in
// the per-user settings store, and the count of live objects that tells a host whether the
// component may be unloaded.
//
// Store layout (application "KELMORAX", file "Classes"; the store escapes the braces):
//   [CLSID]  {guid}\ProgID, {guid}\Description, {guid}\InprocServer, {guid}\ThreadingModel
//   [ProgID] <progid in lower case>\CLSID = {guid}

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/automation/dispatch.h"
#include "platform/automation/guid.h"

namespace zelk {

struct ClassInfo {
    CLSID clsid;
    QString progId;  // e.g. "Zelk.Designer": letters, digits, "_" and ".", 39 at most
    QString description;
    std::function<std::shared_ptr<Dispatch>()> create;
};

// Makes objects of one class. Objects and factories handed out are counted until released.
class ClassFactory {
  public:
    explicit ClassFactory(ClassInfo info) : info_(std::move(info)) {}
    const ClassInfo& info() const { return info_; }

    // A new object in `object`. A create function that fails or makes nothing gives
    // HResult::Fail and leaves `object` empty.
    HResult createInstance(std::shared_ptr<Dispatch>* object) noexcept;
    // Keeps the component loaded without a live object (lock) or releases that (unlock).
    HResult lockServer(bool lock) noexcept;

  private:
    ClassInfo info_;
};

// ---- The classes this component serves (process wide) ---------------------------------------
// Adds a class. A null identifier, a malformed ProgID, a missing create function, or a CLSID or
// ProgID already added throws AutomationError (InvalidArg) and adds nothing.
void addServedClass(ClassInfo info);
// Removes a class; false when it was not added.
bool removeServedClass(const CLSID& clsid);
std::vector<ClassInfo> servedClasses();
std::optional<ClassInfo> findServedClass(const CLSID& clsid);
bool isValidProgId(QStringView progId);

// Objects and factories handed out and not yet released, and server locks held.
long liveObjectCount();
long serverLockCount();

// ---- Registry look-ups, as a host does them --------------------------------------------------
// The CLSID registered for a ProgID (ProgIDs ignore case), or nullopt.
std::optional<CLSID> clsidFromProgId(QStringView progId);
// The ProgID registered for a CLSID, or an empty text.
QString progIdFromClsid(const CLSID& clsid);
// Creates an object of a registered class, named by its ProgID or by its CLSID in braces.
// Throws AutomationError: ClassNotRegistered when the store does not know the class,
// ClassNotAvailable when this component does not serve it, or the factory's failure.
std::shared_ptr<Dispatch> CreateObject(const QString& progIdOrClsid);

// ---- Exports -------------------------------------------------------------------------------
// The factory of a served class: Ok, ClassNotAvailable, or Pointer for a null `factory`.
HResult DllGetClassObject(const CLSID& clsid, std::shared_ptr<ClassFactory>* factory) noexcept;

}  // namespace zelk

// Writes every served class into the store (Ok) or RegistrationFailed when the store cannot be
// written. Entries of other servers are left alone.
extern "C" zelk::HResult DllRegisterServer() noexcept;
// Removes the entries of every served class; a ProgID now registered to another class stays.
extern "C" zelk::HResult DllUnregisterServer() noexcept;
// Ok when no object or factory is live and no lock is held, else False.
extern "C" zelk::HResult DllCanUnloadNow() noexcept;
