#include "platform/automation/dispatch.h"

namespace zelk {

namespace {

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Fills the caller's out-parameters from a failure and returns its code.
HResult report(const AutomationError& e, const QString& source, ExcepInfo* excep, int* argErr) {
    if (excep) {
        excep->source = e.source().isEmpty() ? source : e.source();
        excep->description = e.description();
    }
    if (argErr && e.argument() >= 0) *argErr = e.argument();
    return e.code();
}

// A member's own failure, whatever it threw.
HResult memberFailed(const QString& source, const QString& description, ExcepInfo* excep) {
    if (excep) {
        excep->source = source;
        excep->description = description;
    }
    return HResult::Exception;
}

}  // namespace

void MemberTable::add(MemberInfo member) {
    for (const MemberInfo& m : members_) {
        if (m.id == member.id || sameName(m.name, member.name))
            throw AutomationError(HResult::InvalidArg,
                                  QStringLiteral("member %1 (id %2) clashes with %3 (id %4)")
                                      .arg(member.name)
                                      .arg(member.id)
                                      .arg(m.name)
                                      .arg(m.id),
                                  interfaceName_);
    }
    if (member.name.isEmpty() || member.id == kDispIdUnknown)
        throw AutomationError(HResult::InvalidArg,
                              QStringLiteral("a member needs a name and an id"), interfaceName_);
    members_.push_back(std::move(member));
}

const MemberInfo* MemberTable::find(DispId id) const {
    for (const MemberInfo& m : members_)
        if (m.id == id) return &m;
    return nullptr;
}

DispId MemberTable::idOfName(QStringView name) const {
    for (const MemberInfo& m : members_)
        if (sameName(m.name, name)) return m.id;
    return kDispIdUnknown;
}

HResult MemberTable::invoke(Dispatch& self, DispId id, unsigned flags, std::span<Variant> args,
                            Variant* result, ExcepInfo* excep, int* argErr) const noexcept {
    const MemberInfo* m = find(id);
    if (!m) return HResult::MemberNotFound;
    const QString source = interfaceName_ + QLatin1Char('.') + m->name;
    try {
        if (m->kind == MemberInfo::Kind::Property) {
            if (flags & kInvokePropertyPut) {
                if (args.size() != 1) return HResult::BadParamCount;
                if (!m->put) return HResult::MemberNotFound;
                Variant value;
                try {
                    value = args[0].convertedTo(m->type);
                } catch (const AutomationError& e) {
                    return report(AutomationError(e.code(), e.description(), source, 0), source,
                                  excep, argErr);
                }
                m->put(self, value);
                return HResult::Ok;
            }
            if (!(flags & (kInvokePropertyGet | kInvokeMethod))) return HResult::MemberNotFound;
            if (!args.empty()) return HResult::BadParamCount;
            if (!m->get) return HResult::MemberNotFound;
            Variant value = m->get(self);
            if (result) *result = std::move(value);
            return HResult::Ok;
        }

        if (!(flags & kInvokeMethod)) return HResult::MemberNotFound;
        if (args.size() != m->params.size()) return HResult::BadParamCount;
        // The member works on converted copies; by-reference ones go back when it returns.
        std::vector<Variant> work;
        work.reserve(args.size());
        for (std::size_t i = 0; i < args.size(); ++i) {
            try {
                work.push_back(args[i].convertedTo(m->params[i].type));
            } catch (const AutomationError& e) {
                return report(
                    AutomationError(e.code(), e.description(), source, static_cast<int>(i)), source,
                    excep, argErr);
            }
        }
        Variant value = m->call(self, work);
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (!m->params[i].byRef) continue;
            try {
                args[i] = work[i].convertedTo(m->params[i].type);
            } catch (const AutomationError& e) {
                // The member left a value its parameter cannot hold: its own fault.
                return memberFailed(source, e.description(), excep);
            }
        }
        if (result) *result = m->type == VarType::Empty ? Variant() : std::move(value);
        return HResult::Ok;
    } catch (const AutomationError& e) {
        // An automation failure of the member (a refused argument, a forwarded call that
        // failed) reaches the caller with its own code.
        return report(e, source, excep, argErr);
    } catch (const std::exception& e) {
        return memberFailed(source, QString::fromLocal8Bit(e.what()), excep);
    } catch (...) {
        return memberFailed(source, QStringLiteral("unknown failure"), excep);
    }
}

DispId Dispatch::requireId(QStringView name) const {
    const DispId id = idOfName(name);
    if (id == kDispIdUnknown)
        throw AutomationError(HResult::UnknownName,
                              QStringLiteral("no member named %1").arg(name.toString()));
    return id;
}

Variant Dispatch::run(DispId id, unsigned flags, std::span<Variant> args) {
    Variant result;
    ExcepInfo excep;
    int argErr = -1;
    const HResult hr = invoke(id, flags, args, &result, &excep, &argErr);
    if (failed(hr)) throw AutomationError(hr, excep.description, excep.source, argErr);
    return result;
}

Variant Dispatch::get(DispId id) {
    return run(id, kInvokePropertyGet, {});
}
Variant Dispatch::get(QStringView name) {
    return get(requireId(name));
}

void Dispatch::put(DispId id, const Variant& value) {
    Variant arg = value;
    run(id, kInvokePropertyPut, std::span<Variant>(&arg, 1));
}
void Dispatch::put(QStringView name, const Variant& value) {
    put(requireId(name), value);
}

Variant Dispatch::call(DispId id, std::span<Variant> args) {
    return run(id, kInvokeMethod, args);
}
Variant Dispatch::call(QStringView name, std::span<Variant> args) {
    return call(requireId(name), args);
}
Variant Dispatch::call(QStringView name, std::initializer_list<Variant> args) {
    std::vector<Variant> copy(args);
    return call(requireId(name), copy);
}

}  // namespace zelk
