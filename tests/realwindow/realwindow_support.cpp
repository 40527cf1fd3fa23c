#include "realwindow_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace zelk::realwindow {

namespace {
QString& missing() {
    static QString reason;
    return reason;
}
}  // namespace

void setMissingServer(const QString& reason) {
    missing() = reason;
}
QString missingServer() {
    return missing();
}

bool waitUntil(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 5000);
}

bool showActive(QWidget* window, const QRect& geometry) {
    window->setGeometry(geometry);
    window->show();
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
        if (event->type() == QEvent::MouseButtonRelease) ++mouseReleases_;
        if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            ++keyReleases_;
    }
    return false;
}

QStringList XInput::at(QWidget* widget, QPoint pos) const {
    const QPoint global = widget->mapToGlobal(pos);
    return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
}

void XInput::run(const QStringList& args, int mouseReleases, int keyReleases) {
    const int mouseTarget = mouseReleases_ + mouseReleases;
    const int keyTarget = keyReleases_ + keyReleases;
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    // Our events are handled while xdotool runs, as they would be while a user moves the mouse.
    const bool finished = waitUntil([&] { return xdotool.state() == QProcess::NotRunning; }) &&
                          xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
    if (!finished) {
        xdotool.kill();
        xdotool.waitForFinished();
        ADD_FAILURE() << "xdotool " << args.join(' ').toStdString()
                      << " failed: " << xdotool.readAllStandardError().toStdString();
        return;
    }
    if (!waitUntil([&] { return mouseReleases_ >= mouseTarget && keyReleases_ >= keyTarget; }))
        ADD_FAILURE() << "xdotool " << args.join(' ').toStdString()
                      << ": its releases never reached a window of this program";
}

void XInput::click(QWidget* widget, QPoint pos, bool shift) {
    QStringList args = at(widget, pos);
    if (shift) args << QStringLiteral("keydown") << QStringLiteral("shift");
    args << QStringLiteral("click") << QStringLiteral("1");
    if (shift) args << QStringLiteral("keyup") << QStringLiteral("shift");
    run(args, 1, shift ? 1 : 0);
}

void XInput::drag(QWidget* widget, QPoint from, QPoint to, bool shift) {
    QStringList args = at(widget, from);
    if (shift) args << QStringLiteral("keydown") << QStringLiteral("shift");
    args << QStringLiteral("mousedown") << QStringLiteral("1");
    args << at(widget, (from + to) / 2) << at(widget, to);
    args << QStringLiteral("mouseup") << QStringLiteral("1");
    if (shift) args << QStringLiteral("keyup") << QStringLiteral("shift");
    run(args, 1, shift ? 1 : 0);
}

void XInput::press(QWidget* widget, QPoint pos) {
    run(at(widget, pos) << QStringLiteral("mousedown") << QStringLiteral("1"), 0, 0);
}

void XInput::moveTo(QWidget* widget, QPoint pos) {
    run(at(widget, pos), 0, 0);
}

void XInput::release() {
    run({QStringLiteral("mouseup"), QStringLiteral("1")}, 1, 0);
}

void XInput::clickScreen(QPoint global) {
    run({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
         QStringLiteral("click"), QStringLiteral("1")},
        0, 0);
}

void XInput::hover(QWidget* widget, QPoint pos) {
    run(at(widget, pos), 0, 0);
    QApplication::processEvents();
}

void XInput::keys(const QStringList& chords) {
    int releases = 0;
    for (const QString& chord : chords) releases += static_cast<int>(chord.count('+')) + 1;
    run(QStringList{QStringLiteral("key")} + chords, 0, releases);
}

void XInput::type(const QString& text) {
    run({QStringLiteral("type"), text}, 0, static_cast<int>(text.size()));
}

}  // namespace zelk::realwindow
