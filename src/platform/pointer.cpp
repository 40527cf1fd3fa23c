#include "platform/pointer.h"

#include <QApplication>
#include <QVariant>

namespace zelk {

Qt::CursorShape cursorForMousePointer(int pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
    }
}

void SetMousePointer(QWidget* widget, int pointer) {
    if (!widget) return;
    widget->setProperty("MousePointer", pointer);
    if (pointer == 0) {
        widget->unsetCursor();
    } else {
        widget->setCursor(cursorForMousePointer(pointer));
    }
}

int MousePointer(const QWidget* widget) {
    return widget ? widget->property("MousePointer").toInt() : 0;
}

namespace {
int currentPointer = vbDefault;
}

void SetScreenMousePointer(int pointer) {
    if (pointer == currentPointer) return;
    if (currentPointer != vbDefault && qApp) QApplication::restoreOverrideCursor();
    currentPointer = pointer == vbHourglass ? vbHourglass : vbDefault;
    if (currentPointer != vbDefault && qApp)
        QApplication::setOverrideCursor(cursorForMousePointer(currentPointer));
}

int ScreenMousePointer() {
    return currentPointer;
}

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace zelk
