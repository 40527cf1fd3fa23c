#include "platform/errors.h"

#include <QDebug>
#include <exception>

#include "platform/prompts.h"

namespace zelk {

ZelkError::ZelkError(QString source, QString description, int number)
    : source_(std::move(source)), description_(std::move(description)), number_(number) {
    what_ = (source_ + QStringLiteral(": ") + description_).toStdString();
}

void ReportRuntimeError(const ZelkError& error) noexcept {
    try {
        MsgBox(error.source() + QStringLiteral("遇到异常。 ") + QStringLiteral("\n") +
                   error.description(),
               vbExclamation | vbOKOnly, QStringLiteral("系统提示"));
    } catch (...) {
        // The report itself failed (no dialog could be shown): the log is all that is left.
        qWarning().noquote() << "unreported failure:" << error.source() << error.description();
    }
}

void ReportRuntimeError(const QString& source) noexcept {
    const std::exception_ptr pending = std::current_exception();
    if (!pending) return;
    try {
        std::rethrow_exception(pending);
    } catch (const ZelkError& e) {
        detail::reportZelkError(source, e);
    } catch (const std::exception& e) {
        detail::reportStdException(source, e);
    } catch (...) {
        detail::reportUnknownException(source);
    }
}

namespace detail {

void reportZelkError(const QString& source, const ZelkError& e) noexcept {
    if (!e.source().isEmpty()) return ReportRuntimeError(e);
    try {
        ReportRuntimeError(ZelkError(source, e.description(), e.number()));
    } catch (...) {
        qWarning() << "unreported failure in" << source;
    }
}

void reportStdException(const QString& source, const std::exception& e) noexcept {
    try {
        ReportRuntimeError(ZelkError(source, QString::fromUtf8(e.what())));
    } catch (...) {
        qWarning() << "unreported failure in" << source;
    }
}

void reportUnknownException(const QString& source) noexcept {
    try {
        ReportRuntimeError(ZelkError(source, QStringLiteral("未知错误")));
    } catch (...) {
        qWarning() << "unreported failure in" << source;
    }
}

}  // namespace detail
}  // namespace zelk
