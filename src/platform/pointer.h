#pragma once
// Mouse pointers by the numbers the windows use (0 default, 2 cross, 5 size all, 6 size NE-SW,
// 7 size N-S, 8 size NW-SE, 9 size W-E, 11 hourglass, 15 size all ...), kept on the widget so
// that a handler can read back which pointer a control shows. The screen-wide hourglass is
// SetScreenMousePointer in prompts.h.

#include <QWidget>

namespace zelk {

Qt::CursorShape cursorForMousePointer(int pointer);
void SetMousePointer(QWidget* widget, int pointer);
// 0 for a widget whose pointer was never set.
int MousePointer(const QWidget* widget);

// Lets pending events run during a long operation (the window disables what must not start).
void DoEvents();

}  // namespace zelk
