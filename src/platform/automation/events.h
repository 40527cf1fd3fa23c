#pragma once
// Outgoing events: an object declares its event interface, a host connects sinks to it, and the
// object raises events by dispatch id (or name) with variant arguments. By-reference arguments
// carry a sink's change to the next sink and back to the raiser.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/automation/dispatch.h"

namespace zelk {

struct EventInfo {
    DispId id = kDispIdUnknown;
    QString name;
    std::vector<ParamInfo> params;
};

// What a host connects: receives each event with its arguments, converted to their declared
// types; it may assign the by-reference ones.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void onEvent(DispId id, std::span<Variant> args) = 0;
};

// A sink made of a function.
class FunctionSink : public EventSink {
  public:
    using Handler = std::function<void(DispId, std::span<Variant>)>;
    explicit FunctionSink(Handler handler) : handler_(std::move(handler)) {}
    void onEvent(DispId id, std::span<Variant> args) override {
        if (handler_) handler_(id, args);
    }

  private:
    Handler handler_;
};

class EventSource {
  public:
    // Events with the same id or name (ignoring case) are refused (AutomationError, InvalidArg).
    EventSource(QString interfaceName, std::vector<EventInfo> events);
    ~EventSource() { *alive_ = false; }
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    const QString& interfaceName() const { return interfaceName_; }
    const std::vector<EventInfo>& events() const { return events_; }
    DispId idOfName(QStringView name) const;

    // Connects a sink and returns its cookie (1 or more); 0 for a null sink. The source keeps
    // the sink alive until it is disconnected or the source goes.
    std::uint32_t connect(std::shared_ptr<EventSink> sink);
    // False when the cookie names no connected sink.
    bool disconnect(std::uint32_t cookie);
    std::size_t sinkCount() const { return sinks_.size(); }

    // Raises an event to every connected sink, in the order they connected. Arguments are
    // converted to the declared types first (TypeMismatch or Overflow, and nothing is raised);
    // by-reference arguments are written back after the last sink. A sink disconnected by an
    // earlier sink during the raise is skipped. A sink that throws is trapped: the others still
    // receive the event, and the result is HResult::Exception.
    HResult raise(DispId id, std::span<Variant> args = {}) noexcept;
    HResult raise(QStringView name, std::span<Variant> args = {}) noexcept;

  private:
    struct Connection {
        std::uint32_t cookie;
        std::shared_ptr<EventSink> sink;
    };
    bool connected(std::uint32_t cookie) const;

    QString interfaceName_;
    std::vector<EventInfo> events_;
    std::vector<Connection> sinks_;
    std::uint32_t nextCookie_ = 1;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zelk
