#include "platform/automation/events.h"

namespace zelk {

EventSource::EventSource(QString interfaceName, std::vector<EventInfo> events)
    : interfaceName_(std::move(interfaceName)) {
    for (EventInfo& e : events) {
        for (const EventInfo& other : events_) {
            if (other.id == e.id || other.name.compare(e.name, Qt::CaseInsensitive) == 0)
                throw AutomationError(
                    HResult::InvalidArg,
                    QStringLiteral("event %1 clashes with %2").arg(e.name, other.name),
                    interfaceName_);
        }
        events_.push_back(std::move(e));
    }
}

DispId EventSource::idOfName(QStringView name) const {
    for (const EventInfo& e : events_)
        if (name.compare(e.name, Qt::CaseInsensitive) == 0) return e.id;
    return kDispIdUnknown;
}

std::uint32_t EventSource::connect(std::shared_ptr<EventSink> sink) {
    if (!sink) return 0;
    const std::uint32_t cookie = nextCookie_++;
    sinks_.push_back({cookie, std::move(sink)});
    return cookie;
}

bool EventSource::disconnect(std::uint32_t cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie == cookie) {
            sinks_.erase(it);
            return true;
        }
    }
    return false;
}

bool EventSource::connected(std::uint32_t cookie) const {
    for (const Connection& c : sinks_)
        if (c.cookie == cookie) return true;
    return false;
}

HResult EventSource::raise(DispId id, std::span<Variant> args) noexcept {
    const EventInfo* event = nullptr;
    for (const EventInfo& e : events_)
        if (e.id == id) event = &e;
    if (!event) return HResult::MemberNotFound;
    if (args.size() != event->params.size()) return HResult::BadParamCount;
    try {
        // A sink may release the object that raises (a host closing on an event): keep what
        // the loop needs and stop delivering once the source is gone.
        const std::vector<ParamInfo> params = event->params;
        const std::shared_ptr<bool> alive = alive_;
        std::vector<Variant> work;
        work.reserve(args.size());
        for (std::size_t i = 0; i < args.size(); ++i) {
            try {
                work.push_back(args[i].convertedTo(params[i].type));
            } catch (const AutomationError& e) {
                return e.code();
            }
        }
        // Sinks may connect or disconnect while they run; deliver to those connected now.
        const std::vector<Connection> snapshot = sinks_;
        bool sinkFailed = false;
        for (const Connection& c : snapshot) {
            if (!*alive) break;
            if (!connected(c.cookie)) continue;
            std::vector<Variant> before = work;
            try {
                c.sink->onEvent(id, work);
                for (std::size_t i = 0; i < work.size(); ++i)
                    work[i] = params[i].byRef ? work[i].convertedTo(params[i].type) : before[i];
            } catch (...) {
                // A failing sink changes nothing the others see.
                work = std::move(before);
                sinkFailed = true;
            }
        }
        for (std::size_t i = 0; i < args.size(); ++i)
            if (params[i].byRef) args[i] = work[i];
        return sinkFailed ? HResult::Exception : HResult::Ok;
    } catch (...) {
        return HResult::OutOfMemory;
    }
}

HResult EventSource::raise(QStringView name, std::span<Variant> args) noexcept {
    const DispId id = idOfName(name);
    if (id == kDispIdUnknown) return HResult::UnknownName;
    return raise(id, args);
}

}  // namespace zelk
