#include "realwindow_support.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace zelk::realwindow {

bool waitUntil(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 5000);
}

bool activate(QWidget* window) {
    window->raise();
    window->activateWindow();
    return QTest::qWaitForWindowExposed(window) && QTest::qWaitForWindowActive(window);
}

QImage grabScreen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

int differingPixels(const QImage& a, const QImage& b, const QRect& ignore) {
    if (a.size() != b.size()) return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (la[x] != lb[x] && !ignore.contains(x, y)) ++count;
    }
    return count;
}

XInput::XInput() {
    qApp->installEventFilter(this);
}
XInput::~XInput() {
    qApp->removeEventFilter(this);
}

bool XInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWindowType()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                ++seen_.presses;
                break;
            case QEvent::MouseMove:
                ++seen_.moves;
                break;
            case QEvent::MouseButtonRelease:
                ++seen_.releases;
                break;
            case QEvent::KeyRelease:
                if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) ++seen_.keyReleases;
                break;
            default:
                break;
        }
    }
    return false;
}

void XInput::run(const QStringList& args, Counts expected) {
    const Counts target{seen_.presses + expected.presses, seen_.moves + expected.moves,
                        seen_.releases + expected.releases,
                        seen_.keyReleases + expected.keyReleases};
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    const bool finished = waitUntil([&] { return xdotool.state() == QProcess::NotRunning; }) &&
                          xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
    if (!finished) {
        xdotool.kill();
        xdotool.waitForFinished();
        ADD_FAILURE() << "xdotool " << args.join(' ').toStdString()
                      << " failed: " << xdotool.readAllStandardError().toStdString();
        return;
    }
    if (!waitUntil([&] {
            return seen_.presses >= target.presses && seen_.moves >= target.moves &&
                   seen_.releases >= target.releases && seen_.keyReleases >= target.keyReleases;
        }))
        ADD_FAILURE() << "xdotool " << args.join(' ').toStdString()
                      << ": its events never reached a window of this program";
}

void XInput::pressAt(QPoint global, bool shift) {
    moveToGlobal(global);
    QStringList args;
    if (shift) args << QStringLiteral("keydown") << QStringLiteral("shift");
    run(args << QStringLiteral("mousedown") << QStringLiteral("1"), {1, 0, 0, 0});
}

void XInput::moveToGlobal(QPoint global) {
    // A pointer already there reports no motion.
    run({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())},
        {0, QCursor::pos() == global ? 0 : 1, 0, 0});
}

void XInput::press(QWidget* widget, QPoint pos, bool shift) {
    pressAt(widget->mapToGlobal(pos), shift);
}

void XInput::moveTo(QWidget* widget, QPoint pos) {
    moveToGlobal(widget->mapToGlobal(pos));
}

void XInput::release(bool shift) {
    QStringList args{QStringLiteral("mouseup"), QStringLiteral("1")};
    if (shift) args << QStringLiteral("keyup") << QStringLiteral("shift");
    run(args, {0, 0, 1, shift ? 1 : 0});
}

void XInput::click(QWidget* widget, QPoint pos, bool shift) {
    press(widget, pos, shift);
    release(shift);
}

void XInput::drag(QWidget* widget, QPoint from, QPoint to, bool shift) {
    const QPoint start = widget->mapToGlobal(from);
    const QPoint end = widget->mapToGlobal(to);
    pressAt(start, shift);
    moveToGlobal((start + end) / 2);
    moveToGlobal(end);
    release(shift);
}

void XInput::clickScreen(QPoint global) {
    run({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
         QStringLiteral("click"), QStringLiteral("1")},
        {});
}

void XInput::keys(const QStringList& chords) {
    int releases = 0;
    for (const QString& chord : chords) releases += static_cast<int>(chord.count('+')) + 1;
    run(QStringList{QStringLiteral("key")} + chords, {0, 0, 0, releases});
}

void XInput::type(const QString& text) {
    run({QStringLiteral("type"), text}, {0, 0, 0, static_cast<int>(text.size())});
}

}  // namespace zelk::realwindow
