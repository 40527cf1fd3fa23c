#pragma once
// The error type the handlers raise and report, and the trap every event handler runs its body in:
// a failure is shown to the user as a message box and never reaches Qt's event loop or the host.

#include <QString>
#include <concepts>
#include <exception>
#include <string>
#include <utility>

namespace zelk {

class ZelkError : public std::exception {
  public:
    ZelkError(QString source, QString description, int number = 0);

    // Where the failure happened (a window, class or routine name).
    const QString& source() const noexcept { return source_; }
    const QString& description() const noexcept { return description_; }
    // A number the caller may test (e.g. the common dialog's cancel); 0 when none.
    int number() const noexcept { return number_; }
    const char* what() const noexcept override { return what_.c_str(); }

  private:
    QString source_;
    QString description_;
    int number_;
    std::string what_;
};

// Error numbers the platform raises.
enum ZelkErrorNumber : int {
    kErrCancel = 32755,       // the common dialog was cancelled with CancelError set
    kErrNoSuchElement = 340,  // a control array has no element at that index
    kErrAlreadyLoaded = 360,  // a control array already has an element at that index
    kErrInvalidArgument = 5,  // a value the routine cannot take
};

// Shows the error: its source, "遇到异常。 ", a line break and its description; title "系统提示",
// exclamation icon with an OK button. Never throws.
void ReportRuntimeError(const ZelkError& error) noexcept;
// Inside a catch block: reports the exception being handled (an error without a source of its own
// takes `source`). Outside one it does nothing.
void ReportRuntimeError(const QString& source) noexcept;

// Runs a handler body. Anything it throws is reported (ReportRuntimeError) and swallowed; `source`
// names the handler for failures that carry no source of their own. True when the body finished.
template <class Body>
bool TrapErrors(const QString& source, Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        ReportRuntimeError(source);
    }
    return false;
}

// A slot that runs `body` inside TrapErrors, for connecting signals to handlers:
//   connect(Command1, &QPushButton::clicked, this, Trapped("frm_x.Command1_Click", [this] {...}));
template <class Body>
auto Trapped(QString source, Body body) {
    // Constrained, so that a signal's extra arguments are dropped the way Qt drops them for
    // handlers that take fewer.
    return [ source = std::move(source), body = std::move(body) ]<class... Args>(
        Args && ... args) mutable requires std::invocable<Body&, Args...> {
        TrapErrors(source, [&] { body(std::forward<Args>(args)...); });
    };
}

}  // namespace zelk
