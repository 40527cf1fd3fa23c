#pragma once
// Result codes and the failure of an automation call. The codes keep the classic numeric values
// because a host compares them.

#include <cstdint>

#include <QString>

#include "platform/errors.h"

namespace zelk {

enum class HResult : std::int32_t {
    Ok = 0,
    False = 1,
    NotImplemented = static_cast<std::int32_t>(0x80004001u),
    NoInterface = static_cast<std::int32_t>(0x80004002u),
    Pointer = static_cast<std::int32_t>(0x80004003u),
    Fail = static_cast<std::int32_t>(0x80004005u),
    Unexpected = static_cast<std::int32_t>(0x8000FFFFu),
    InvalidArg = static_cast<std::int32_t>(0x80070057u),
    OutOfMemory = static_cast<std::int32_t>(0x8007000Eu),
    MemberNotFound = static_cast<std::int32_t>(0x80020003u),
    TypeMismatch = static_cast<std::int32_t>(0x80020005u),
    UnknownName = static_cast<std::int32_t>(0x80020006u),
    Exception = static_cast<std::int32_t>(0x80020009u),
    Overflow = static_cast<std::int32_t>(0x8002000Au),
    BadParamCount = static_cast<std::int32_t>(0x8002000Eu),
    ClassNotRegistered = static_cast<std::int32_t>(0x80040154u),
    NoAggregation = static_cast<std::int32_t>(0x80040110u),
    ClassNotAvailable = static_cast<std::int32_t>(0x80040111u),
    RegistrationFailed = static_cast<std::int32_t>(0x80040201u),
};

constexpr bool succeeded(HResult hr) {
    return static_cast<std::int32_t>(hr) >= 0;
}
constexpr bool failed(HResult hr) {
    return !succeeded(hr);
}

// A short English name of the code, for messages.
QString describe(HResult hr);

// What a failing member says about itself.
struct ExcepInfo {
    QString source;
    QString description;
};

// A failed automation call: the code (also the error's number), the source and description the
// member gave, and for a bad argument its position (0-based, in the order the caller wrote them),
// else -1. A handler's trap reports it like any other ZelkError.
class AutomationError : public ZelkError {
  public:
    AutomationError(HResult code, const QString& description, QString source = QString(),
                    int argument = -1);

    HResult code() const { return code_; }
    int argument() const { return argument_; }

  private:
    HResult code_;
    int argument_;
};

}  // namespace zelk
