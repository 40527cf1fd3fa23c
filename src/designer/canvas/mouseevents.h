#pragma once
// Turns Qt mouse events into the handlers' arguments (button code, shift state, twips of the
// watched widget) and routes the presses, moves and releases a filter watches to three calls.

#include <functional>

#include <QEvent>
#include <QObject>

namespace zelk {

struct MouseArgs {
    int button = 0;  // 1 left, 2 right, 4 middle (a move: the buttons held, as a sum)
    int shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;     // twips in the watched widget
    float y = 0;
};

enum class MousePhase { Down, Move, Up };

// The arguments of a mouse press, move or release; false for any other event.
bool mouseArgs(const QEvent* event, MousePhase& phase, MouseArgs& args);

// Watches widgets and hands their mouse events to `handler`; the events are consumed.
class MouseRelay : public QObject {
  public:
    using Handler = std::function<void(QObject* watched, MousePhase, const MouseArgs&)>;
    explicit MouseRelay(Handler handler, QObject* parent = nullptr)
        : QObject(parent), handler_(std::move(handler)) {}
    void watch(QObject* widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Handler handler_;
};

}  // namespace zelk
