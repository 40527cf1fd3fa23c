#pragma once
// Real X input for the real-window tests: the pointer and the keyboard are driven through XTest
// (xdotool) at screen positions, and each step waits until its events have reached a window of
// this program, so that what follows sees the whole gesture handled.

#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace zelk::realwindow {

// Why no X server can be used (empty when one is there); set once by the test program's main.
inline QString missingServer;

// Raises a shown top-level window and waits until it is exposed and active.
bool activate(QWidget* window);

// The whole X screen as the root window holds it now.
QImage grabScreen();
// Pixels where the two pictures differ, outside `ignore` (screen pixels).
int differingPixels(const QImage& a, const QImage& b, const QRect& ignore = {});

// Each step waits until its own events have reached a window of this program and were handled, as
// a user's hand is slower than the program: a press is handled before its release comes.
class XInput : public QObject {
  public:
    XInput();
    ~XInput() override;
    // A left click (press and release on the same spot) at `pos` of `widget`.
    void click(QWidget* widget, QPoint pos, bool shift = false);
    // Press at `from`, move in two steps to `to`, release there (left button).
    void drag(QWidget* widget, QPoint from, QPoint to, bool shift = false);
    // The parts of a gesture, for a look at the screen in between.
    void press(QWidget* widget, QPoint pos, bool shift = false);
    void moveTo(QWidget* widget, QPoint pos);
    void release(bool shift = false);
    // A click on the screen outside this program's windows (a window manager's frame).
    void clickScreen(QPoint global);
    // Keys in xdotool's names, one chord per argument ("ctrl+a", "Delete").
    void keys(const QStringList& chords);
    void type(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Counts {
        int presses = 0;
        int moves = 0;
        int releases = 0;
        int keyReleases = 0;
    };
    // Runs xdotool and waits for these events to reach our windows.
    void run(const QStringList& args, Counts expected);
    // Screen positions: a drag's points are taken before anything moves under the pointer.
    void pressAt(QPoint global, bool shift);
    void moveToGlobal(QPoint global);
    Counts seen_;
};

// Waits (processing events) until `done` holds, at most a few seconds; true when it held.
bool waitUntil(const std::function<bool()>& done);

}  // namespace zelk::realwindow

#define ZELK_SKIP_WITHOUT_X_SERVER()                  \
    if (!::zelk::realwindow::missingServer.isEmpty()) \
    GTEST_SKIP() << ::zelk::realwindow::missingServer.toStdString()
