#include "platform/screen.h"

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QTableView>
#include <QTreeView>
#include <QWindow>
#include <cstdlib>
#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include "platform/controls/olecolor.h"

namespace zelk {

namespace {

bool inverting(int mode) {
    return mode == R2_NOT || mode == R2_XORPEN || mode == R2_NOTXORPEN;
}

Qt::PenStyle penStyleOf(int style) {
    switch (style) {
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        case 4:
            return Qt::DashDotDotLine;
        case 5:
            return Qt::NoPen;
        default:
            return Qt::SolidLine;
    }
}

QList<QPointer<FrameOverlay>>& overlays() {
    static QList<QPointer<FrameOverlay>> all;
    return all;
}

// The overlay of the window under the frame's centre, or nullptr when none of ours is there.
FrameOverlay* overlayUnder(const QRect& rect) {
    const QPoint centre = rect.center();
    QList<FrameOverlay*> candidates;
    for (const QPointer<FrameOverlay>& o : overlays())
        if (o && o->isVisible() && o->window()->geometry().contains(centre)) candidates << o;
    if (candidates.isEmpty()) return nullptr;
    // Of overlapping windows, the one on top.
    if (QWidget* top = QApplication::topLevelAt(centre))
        for (FrameOverlay* o : candidates)
            if (o->window() == top) return o;
    return candidates.first();
}

void drawFrame(const ScreenFrame& frame) {
    if (inverting(frame.rasterMode))
        for (const QPointer<FrameOverlay>& o : overlays())
            if (o && o->eraseFrame(frame)) return;
    if (FrameOverlay* target = overlayUnder(frame.rect)) target->addFrame(frame);
}

}  // namespace

FrameOverlay::FrameOverlay(QWidget* area) : QWidget(area) {
    setObjectName(QStringLiteral("FrameOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(area->rect());
    area->installEventFilter(this);
    raise();
    overlays().append(this);
}

FrameOverlay::~FrameOverlay() {
    overlays().removeAll(this);
    overlays().removeAll(nullptr);
}

QList<ScreenFrame> FrameOverlay::frames() const {
    QList<ScreenFrame> out;
    for (const Shown& s : shown_) out << s.frame;
    return out;
}

void FrameOverlay::clearFrames() {
    if (shown_.isEmpty()) return;
    shown_.clear();
    update();
}

void FrameOverlay::addFrame(const ScreenFrame& frame) {
    // Kept where it was drawn on the area, so that it scrolls with it.
    shown_.append(Shown{frame, frame.rect.translated(-mapToGlobal(QPoint(0, 0)))});
    update();
}

bool FrameOverlay::eraseFrame(const ScreenFrame& frame) {
    for (qsizetype i = 0; i < shown_.size(); ++i) {
        if (shown_[i].frame == frame) {
            shown_.removeAt(i);
            update();
            return true;
        }
    }
    return false;
}

void FrameOverlay::paintEvent(QPaintEvent*) {
    if (shown_.isEmpty()) return;
    QPainter p(this);
    for (const Shown& s : shown_) {
        const ScreenFrame& f = s.frame;
        p.setPen(
            QPen(oleColorToQColor(f.penColor), std::max(1, f.penWidth), penStyleOf(f.penStyle)));
        p.setBrush(Qt::NoBrush);
        const QRect& r = s.local;
        // The outline runs along left/top and one pixel inside right/bottom.
        p.drawRect(
            QRect(r.topLeft(), QSize(std::max(0, r.width() - 1), std::max(0, r.height() - 1))));
    }
}

void FrameOverlay::hideEvent(QHideEvent* event) {
    shown_.clear();
    QWidget::hideEvent(event);
}

bool FrameOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void DrawScreenRect(int left, int top, int right, int bottom, int penStyle, int penWidth,
                    std::int32_t penColor, int rasterMode) {
    ScreenFrame f;
    f.rect = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    f.penStyle = penStyle;
    f.penWidth = penWidth;
    f.penColor = penColor;
    f.rasterMode = rasterMode;
    drawFrame(f);
}

void DrawFocusFrame(int left, int top, int right, int bottom) {
    ScreenFrame f;
    // The four lines reach right and bottom themselves: one pixel more than a rectangle.
    f.rect = QRect(QPoint(left, top), QPoint(right, bottom));
    f.penStyle = 0;
    f.penWidth = 1;
    f.penColor = 0xFF0000;  // blue as a colour value
    f.rasterMode = R2_NOTXORPEN;
    f.focusFrame = true;
    drawFrame(f);
}

void DrawFocusFrame(const QRect& rect) {
    DrawFocusFrame(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

QList<ScreenFrame> ScreenFramesShown() {
    QList<ScreenFrame> out;
    for (const QPointer<FrameOverlay>& o : overlays())
        if (o) out << o->frames();
    return out;
}

void ClearScreenFrames() {
    for (const QPointer<FrameOverlay>& o : overlays())
        if (o) o->clearFrames();
}

void ClearScreenFrames(QWidget* window) {
    if (!window) return;
    for (const QPointer<FrameOverlay>& o : overlays())
        if (o && o->window() == window->window()) o->clearFrames();
}

// ---------------------------------------------------------------------------------------------
// Window styles

namespace {
const char* const kEdgesProperty = "zelkWindowEdges";
const char* const kHeaderFlatProperty = "zelkHeaderFlat";
const char* const kHeaderSavedSheet = "zelkHeaderSheet";
const char* const kHeaderSavedClickable = "zelkHeaderClickable";

void applyEdges(QWidget* window, int edges) {
    auto* frame = qobject_cast<QFrame*>(window);
    if (!frame) return;
    if (edges & WS_EX_CLIENTEDGE) {
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(2);
    } else if (edges & WS_EX_STATICEDGE) {
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(1);
    } else {
        frame->setFrameStyle(QFrame::NoFrame);
    }
}
}  // namespace

int windowEdges(const QWidget* window) {
    if (!window) return 0;
    const QVariant v = window->property(kEdgesProperty);
    if (v.isValid()) return v.toInt();
    // A frame that nobody changed: what it shows.
    if (auto* frame = qobject_cast<const QFrame*>(window)) {
        if (frame->frameShape() == QFrame::NoFrame) return 0;
        if (frame->frameShadow() == QFrame::Sunken)
            return frame->lineWidth() >= 2 ? WS_EX_CLIENTEDGE : WS_EX_STATICEDGE;
    }
    return 0;
}

void SetSunkenBorder(QWidget* window, bool flag) {
    if (!window) return;
    int edges = windowEdges(window);
    edges = flag ? ((edges & ~WS_EX_CLIENTEDGE) | WS_EX_STATICEDGE) : (edges | WS_EX_CLIENTEDGE);
    window->setProperty(kEdgesProperty, edges);
    applyEdges(window, edges);
}

namespace {
// Whether a window of another program has that id. Only the X11 display can say; elsewhere a
// foreign id is taken as given (and refused where foreign windows are not supported at all).
bool foreignWindowExists(WId id) {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Other platforms (offscreen) may answer the interface without a display behind it.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection && QGuiApplication::platformName() == QLatin1String("xcb")) {
        xcb_generic_error_t* error = nullptr;
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, static_cast<xcb_window_t>(id)),
            &error);
        const bool exists = reply != nullptr;
        std::free(reply);
        std::free(error);
        return exists;
    }
#endif
    (void)id;
    return true;
}
}  // namespace

bool EmbedInHostWindow(QWidget* window, quintptr hostWindowId) {
    if (!window || hostWindowId == 0) return false;
    const WId id = static_cast<WId>(hostWindowId);
    for (QWidget* w : QApplication::allWidgets()) {
        if (w != window && w->internalWinId() == id) {
            if (window->isAncestorOf(w)) return false;  // a window cannot hold its own parent
            window->setParent(w, Qt::Widget);
            window->move(0, 0);
            window->show();
            return true;
        }
    }
    if (!foreignWindowExists(id)) return false;
    QWindow* host = QWindow::fromWinId(id);
    if (!host) return false;
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->winId();  // make it native so it can live in the foreign window
    QWindow* own = window->windowHandle();
    if (!own) {
        delete host;
        return false;
    }
    own->setParent(host);
    // The stand-in for the foreign window is ours to free; it goes with the embedded window.
    QObject::connect(window, &QObject::destroyed, host, [host] {
        if (QWindow* child = host->findChild<QWindow*>(QString(), Qt::FindDirectChildrenOnly))
            child->setParent(nullptr);
        host->deleteLater();
    });
    window->move(0, 0);
    window->show();
    return true;
}

namespace {
QHeaderView* headerOf(const QWidget* listView) {
    if (auto* tree = qobject_cast<const QTreeView*>(listView)) return tree->header();
    if (auto* table = qobject_cast<const QTableView*>(listView)) return table->horizontalHeader();
    return nullptr;
}
}  // namespace

bool headerHasButtons(const QWidget* listView) {
    QHeaderView* header = headerOf(listView);
    return header && !header->property(kHeaderFlatProperty).toBool();
}

void ToggleHeaderButtons(QWidget* owner, QWidget* listView) {
    QHeaderView* header = headerOf(listView);
    if (!header) return;
    const bool flat = header->property(kHeaderFlatProperty).toBool();
    if (!flat) {
        header->setProperty(kHeaderSavedSheet, header->styleSheet());
        header->setProperty(kHeaderSavedClickable, header->sectionsClickable());
        header->setSectionsClickable(false);
        header->setStyleSheet(header->styleSheet() +
                              QStringLiteral("QHeaderView::section { border: none; "
                                             "border-right: 1px solid palette(mid); "
                                             "border-bottom: 1px solid palette(mid); "
                                             "background: palette(window); padding: 2px 4px; }"));
    } else {
        header->setStyleSheet(header->property(kHeaderSavedSheet).toString());
        header->setSectionsClickable(header->property(kHeaderSavedClickable).toBool());
    }
    header->setProperty(kHeaderFlatProperty, !flat);
    header->viewport()->update();
    if (owner) owner->update();
}

}  // namespace zelk
