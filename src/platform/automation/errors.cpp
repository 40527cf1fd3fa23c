#include "platform/automation/errors.h"

namespace zelk {

QString describe(HResult hr) {
    switch (hr) {
        case HResult::Ok:
            return QStringLiteral("success");
        case HResult::False:
            return QStringLiteral("success (false)");
        case HResult::NotImplemented:
            return QStringLiteral("not implemented");
        case HResult::NoInterface:
            return QStringLiteral("interface not supported");
        case HResult::Pointer:
            return QStringLiteral("missing result pointer");
        case HResult::Fail:
            return QStringLiteral("unspecified failure");
        case HResult::Unexpected:
            return QStringLiteral("unexpected failure");
        case HResult::InvalidArg:
            return QStringLiteral("invalid argument");
        case HResult::OutOfMemory:
            return QStringLiteral("out of memory");
        case HResult::MemberNotFound:
            return QStringLiteral("member not found");
        case HResult::TypeMismatch:
            return QStringLiteral("type mismatch");
        case HResult::UnknownName:
            return QStringLiteral("unknown name");
        case HResult::Exception:
            return QStringLiteral("the member failed");
        case HResult::Overflow:
            return QStringLiteral("overflow");
        case HResult::BadParamCount:
            return QStringLiteral("wrong number of arguments");
        case HResult::ClassNotRegistered:
            return QStringLiteral("class not registered");
        case HResult::NoAggregation:
            return QStringLiteral("aggregation not supported");
        case HResult::ClassNotAvailable:
            return QStringLiteral("class not available");
        case HResult::RegistrationFailed:
            return QStringLiteral("registration failed");
    }
    return QStringLiteral("code 0x%1").arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0'));
}

AutomationError::AutomationError(HResult code, const QString& description, QString source,
                                 int argument)
    : ZelkError(std::move(source), description.isEmpty() ? describe(code) : description,
                static_cast<int>(code)),
      code_(code),
      argument_(argument) {}

}  // namespace zelk
