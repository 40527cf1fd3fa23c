#pragma once
// Mouse pointers by the numbers the windows use (0 default, 2 cross, 5 size all, 6 size NE-SW,
// 7 size N-S, 8 size NW-SE, 9 size W-E, 11 hourglass, 15 size all ...), kept on the widget so
// that a handler can read back which pointer a control shows; and the screen-wide pointer.

#include <QWidget>

namespace zelk {

Qt::CursorShape cursorForMousePointer(int pointer);
void SetMousePointer(QWidget* widget, int pointer);
// 0 for a widget whose pointer was never set.
int MousePointer(const QWidget* widget);

// The screen's mouse pointer: 0 default, 11 hourglass (the only two the windows set).
enum MousePointerShape : int { vbDefault = 0, vbHourglass = 11 };
void SetScreenMousePointer(int pointer);
int ScreenMousePointer();

// Hourglass for the life of the object.
class BusyCursor {
  public:
    BusyCursor() : previous_(ScreenMousePointer()) { SetScreenMousePointer(vbHourglass); }
    ~BusyCursor() { SetScreenMousePointer(previous_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    int previous_;
};

// Lets pending events run during a long operation (the window disables what must not start).
void DoEvents();

}  // namespace zelk
