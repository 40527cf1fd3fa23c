#pragma once
// Late-bound calls: a host reaches the members of an object by dispatch id or by name (names
// ignore case), reads and writes properties and calls methods with variant arguments. Arguments
// are given in the order the caller writes them. A by-reference parameter writes the member's
// final value back into the caller's variant; a by-value parameter never changes it.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/automation/errors.h"
#include "platform/automation/variant.h"

namespace zelk {

using DispId = std::int32_t;
inline constexpr DispId kDispIdUnknown = -1;

// How a member is invoked; a host may combine Method and PropertyGet.
enum InvokeFlags : unsigned {
    kInvokeMethod = 1,
    kInvokePropertyGet = 2,
    kInvokePropertyPut = 4,
};

struct ParamInfo {
    QString name;
    VarType type = VarType::Any;
    bool byRef = false;
};

class EventSource;
class Dispatch;

// One member of an automation interface.
struct MemberInfo {
    enum class Kind { Method, Property };
    using Getter = std::function<Variant(Dispatch&)>;
    using Setter = std::function<void(Dispatch&, const Variant&)>;
    // Receives the arguments converted to their declared types; may assign by-reference ones.
    using Body = std::function<Variant(Dispatch&, std::span<Variant>)>;

    DispId id = kDispIdUnknown;
    QString name;
    Kind kind = Kind::Method;
    VarType type = VarType::Empty;  // property type, or the method's result (Empty: none)
    std::vector<ParamInfo> params;  // methods only
    Getter get;                     // properties: empty when write-only
    Setter put;                     // properties: empty when read-only
    Body call;                      // methods
};

// The members of one interface, looked up by id or by name, and the rules of invoking them.
class MemberTable {
  public:
    explicit MemberTable(QString interfaceName) : interfaceName_(std::move(interfaceName)) {}

    // Adds a member. A second member with the same id or name (ignoring case) is refused with
    // AutomationError (InvalidArg): a table is fixed in code, so this is a programming error.
    void add(MemberInfo member);

    const QString& interfaceName() const { return interfaceName_; }
    const std::vector<MemberInfo>& members() const { return members_; }
    const MemberInfo* find(DispId id) const;
    DispId idOfName(QStringView name) const;

    // Runs a member on `self`. Never throws: a member's own failure comes back as
    // HResult::Exception with its source and description in `excep`, an AutomationError it
    // throws with that error's code (and argument position); a bad argument as TypeMismatch or
    // Overflow with its position in `argErr`.
    HResult invoke(Dispatch& self, DispId id, unsigned flags, std::span<Variant> args,
                   Variant* result, ExcepInfo* excep, int* argErr) const noexcept;

  private:
    QString interfaceName_;
    std::vector<MemberInfo> members_;
};

// Typed builder for a class's own table: the callbacks receive the class itself.
template <class T>
class DispatchTable {
  public:
    explicit DispatchTable(QString interfaceName) : table_(std::move(interfaceName)) {}

    // A property of the given type. A null setter makes it read-only.
    DispatchTable& property(DispId id, QString name, VarType type,
                            std::function<Variant(const T&)> get,
                            std::function<void(T&, const Variant&)> put = {}) {
        MemberInfo m;
        m.id = id;
        m.name = std::move(name);
        m.kind = MemberInfo::Kind::Property;
        m.type = type;
        if (get) m.get = [get](Dispatch& self) { return get(static_cast<const T&>(self)); };
        if (put) m.put = [put](Dispatch& self, const Variant& v) { put(static_cast<T&>(self), v); };
        table_.add(std::move(m));
        return *this;
    }

    DispatchTable& method(DispId id, QString name, std::vector<ParamInfo> params,
                          std::function<Variant(T&, std::span<Variant>)> body,
                          VarType result = VarType::Empty) {
        MemberInfo m;
        m.id = id;
        m.name = std::move(name);
        m.kind = MemberInfo::Kind::Method;
        m.type = result;
        m.params = std::move(params);
        m.call = [body](Dispatch& self, std::span<Variant> args) {
            return body(static_cast<T&>(self), args);
        };
        table_.add(std::move(m));
        return *this;
    }

    MemberTable build() const { return table_; }
    operator MemberTable() const { return table_; }

  private:
    MemberTable table_;
};

// What a host holds of an automation object.
class Dispatch {
  public:
    virtual ~Dispatch() = default;

    // The id of a member name, ignoring case; kDispIdUnknown when there is none.
    virtual DispId idOfName(QStringView name) const = 0;

    // Never throws; see MemberTable::invoke. `result`, `excep` and `argErr` may be null.
    virtual HResult invoke(DispId id, unsigned flags, std::span<Variant> args, Variant* result,
                           ExcepInfo* excep = nullptr, int* argErr = nullptr) noexcept = 0;

    // The object's outgoing events, or null when it raises none.
    virtual EventSource* events() { return nullptr; }

    // Conveniences for C++ callers: they throw AutomationError on any failure.
    Variant get(DispId id);
    Variant get(QStringView name);
    void put(DispId id, const Variant& value);
    void put(QStringView name, const Variant& value);
    Variant call(DispId id, std::span<Variant> args = {});
    Variant call(QStringView name, std::span<Variant> args = {});
    // By-value arguments only: nothing comes back through them.
    Variant call(QStringView name, std::initializer_list<Variant> args);

  private:
    DispId requireId(QStringView name) const;
    Variant run(DispId id, unsigned flags, std::span<Variant> args);
};

// Base of the objects a class implements with a MemberTable.
class DispatchObject : public Dispatch {
  public:
    DispId idOfName(QStringView name) const override { return table().idOfName(name); }
    HResult invoke(DispId id, unsigned flags, std::span<Variant> args, Variant* result,
                   ExcepInfo* excep = nullptr, int* argErr = nullptr) noexcept override {
        return table().invoke(*this, id, flags, args, result, excep, argErr);
    }

  protected:
    virtual const MemberTable& table() const = 0;
};

}  // namespace zelk
