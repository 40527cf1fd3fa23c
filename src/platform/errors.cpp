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
        try {
            std::rethrow_exception(pending);
        } catch (const ZelkError& e) {
            if (!e.source().isEmpty()) return ReportRuntimeError(e);
            ReportRuntimeError(ZelkError(source, e.description(), e.number()));
        } catch (const std::exception& e) {
            ReportRuntimeError(ZelkError(source, QString::fromUtf8(e.what())));
        } catch (...) {
            ReportRuntimeError(ZelkError(source, QStringLiteral("未知错误")));
        }
    } catch (...) {
        // Not even the error could be built: the log is all that is left.
        qWarning() << "unreported failure in" << source;
    }
}

}  // namespace zelk
