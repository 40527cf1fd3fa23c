#include "designer/canvas/mouseevents.h"

#include <QMouseEvent>

#include "platform/form.h"
#include "platform/twips.h"

namespace zelk {

namespace {

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

}  // namespace

bool mouseArgs(const QEvent* event, MousePhase& phase, MouseArgs& args) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            phase = MousePhase::Down;
            break;
        case QEvent::MouseMove:
            phase = MousePhase::Move;
            break;
        case QEvent::MouseButtonRelease:
            phase = MousePhase::Up;
            break;
        default:
            return false;
    }
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    args.button =
        phase == MousePhase::Move ? buttonCode(mouse->buttons()) : buttonCode(mouse->button());
    args.shift = vbShiftState(mouse->modifiers());
    args.x = static_cast<float>(pixelsToTwips(mouse->position().x()));
    args.y = static_cast<float>(pixelsToTwips(mouse->position().y()));
    return true;
}

bool MouseRelay::eventFilter(QObject* watched, QEvent* event) {
    MousePhase phase;
    MouseArgs args;
    if (!mouseArgs(event, phase, args)) return QObject::eventFilter(watched, event);
    if (handler_) handler_(watched, phase, args);
    return true;
}

}  // namespace zelk
