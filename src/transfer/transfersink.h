#pragma once
// What a running export or import shows on its page and asks of the window: the status text,
// the progress bar, the row counter, the event pump and the stop flag of the page's "终止".

#include <QString>
#include <stdexcept>

namespace zelk {

class TransferSink {
  public:
    virtual ~TransferSink() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressMax(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual int progressValue() const = 0;
    virtual void setCounterVisible(bool visible) = 0;
    virtual void setCounter(const QString& text) = 0;
    // Lets pending window events run (a click on "终止" arrives here).
    virtual void pumpEvents() = 0;
    virtual bool stopRequested() const = 0;
    virtual void setStopRequested(bool on) = 0;
};

// A run that failed: `detail` is the second line of the window's message (may be empty).
class TransferFailure : public std::runtime_error {
  public:
    explicit TransferFailure(QString detail)
        : std::runtime_error(detail.toStdString()), detail_(std::move(detail)) {}
    const QString& detail() const { return detail_; }

  private:
    QString detail_;
};

// "第 n 行：reason", the line part of a refusal.
inline QString lineDetail(int line, const QString& reason) {
    return QStringLiteral("第 %1 行：%2").arg(line).arg(reason);
}

}  // namespace zelk
