#include "designer/canvas/indcateex.h"

#include <cmath>
#include <utility>

#include "designer/canvas/mouseevents.h"
#include "platform/screen.h"

namespace zelk {

namespace {

constexpr double kHandleSize = 90;
constexpr double kPixel = 15;  // twips per pixel, both ways
constexpr std::int32_t kOutlineColour = static_cast<std::int32_t>(0x8000000BU);
constexpr std::int32_t kBlue = 16711680;
constexpr std::int32_t kWhite = 16777215;
// Pointers of handles 01 to 08.
constexpr int kPointers[8] = {8, 7, 6, 9, 9, 6, 7, 8};

int wholePixels(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// Which edges of the outline follow the mouse, per handle 1..9: left, top, right, bottom.
constexpr bool kEdges[10][4] = {{false, false, false, false}, {true, true, false, false},
                                {false, true, false, false},  {false, true, true, false},
                                {true, false, false, false},  {false, false, true, false},
                                {true, false, false, true},   {false, false, false, true},
                                {false, false, true, true},   {true, true, true, true}};

}  // namespace

IndcateEx::~IndcateEx() {
    letGoOfMouse();
    RemoveIndcates();
}

void IndcateEx::init(QWidget* form, QWidget* container, const QString& prefix, const QString& key,
                     int style) {
    key_ = key;
    style_ = style;
    form_ = form;
    prefix_ = prefix;
    CreateHandles(form, container);
}

void IndcateEx::CreateHandles(QWidget*, QWidget* container) {
    container_ = container;
    if (style_ != 0 && style_ != 1) return;
    for (int k = 1; k <= 9; ++k) {
        auto* box = new DesignPictureBox(container);
        box->setObjectName(prefix_ + QStringLiteral("0") + QString::number(k));
        box->Move(0, 0, kHandleSize, kHandleSize);
        box->hide();
        if (k < 9) {
            box->setBorderStyle(1);
            box->setAppearance(0);
            box->setMousePointer(kPointers[k - 1]);
            box->setBackColor(style_ == 0 ? kBlue : kWhite);
            // Style 1 handles stay inert: design controls let presses through to the container.
            if (style_ == 0)
                box->installEventFilter(this);
            else
                box->setEnabled(false);
        }
        handles_[static_cast<std::size_t>(k - 1)] = box;
    }
}

DesignPictureBox* IndcateEx::handle(int k) const {
    if (k < 1 || k > 9) return nullptr;
    return handles_[static_cast<std::size_t>(k - 1)].data();
}

void IndcateEx::PlaceHandle(DesignPictureBox* handle, float x, float y) {
    if (!handle) return;
    handle->ZOrder(0);
    handle->Move(x - handle->Width(), y - handle->Height());
    if (handle->objectName() != moveHandleName()) handle->show();
}

void IndcateEx::CatchRect(float l, float t, float r, float b) {
    const float w = static_cast<float>(kHandleSize);
    const float h = w;
    const float mx = (l + r) / 2 + w / 2;
    const float my = (t + b) / 2 + h / 2;
    const float points[9][2] = {{l, t},     {mx, t},     {r + w, t},     {l, my}, {r + w, my},
                                {l, b + h}, {mx, b + h}, {r + w, b + h}, {mx, my}};
    for (int k = 1; k <= 9; ++k) PlaceHandle(handle(k), points[k - 1][0], points[k - 1][1]);
    caught_ = {
        static_cast<std::int32_t>(std::nearbyint(l)), static_cast<std::int32_t>(std::nearbyint(t)),
        static_cast<std::int32_t>(std::nearbyint(r)), static_cast<std::int32_t>(std::nearbyint(b))};
}

void IndcateEx::ShowIndcates() {
    for (int k = 1; k <= 8; ++k)
        if (DesignPictureBox* box = handle(k)) box->show();
}

void IndcateEx::HideIndcates() {
    for (int k = 1; k <= 8; ++k)
        if (DesignPictureBox* box = handle(k)) box->hide();
}

void IndcateEx::RemoveIndcates() {
    for (auto& box : handles_) {
        delete box.data();
        box = nullptr;
    }
}

int IndcateEx::handleNumber(const QString& name) const {
    if (!name.startsWith(prefix_) || name.size() != prefix_.size() + 2) return 0;
    const QString tail = name.mid(prefix_.size());
    if (tail[0] != QLatin1Char('0') || tail[1] < QLatin1Char('1') || tail[1] > QLatin1Char('9'))
        return 0;
    return tail[1].unicode() - '0';
}

void IndcateEx::drawOutline() const {
    DrawScreenRect(dragScreen_.left(), dragScreen_.top(), dragScreen_.right(), dragScreen_.bottom(),
                   0, 1, kOutlineColour, R2_NOTXORPEN);
}

void IndcateEx::onIndcatesMouseDown(const QString&, int, int, float x, float y) {
    armed_ = true;
    HideIndcates();
    const QPoint topLeft(wholePixels(caught_[0] / kPixel), wholePixels(caught_[1] / kPixel));
    const QPoint bottomRight(wholePixels(caught_[2] / kPixel), wholePixels(caught_[3] / kPixel));
    const QPoint a = container_ ? container_->mapToGlobal(topLeft) : topLeft;
    const QPoint b = container_ ? container_->mapToGlobal(bottomRight) : bottomRight;
    // QRect(left, top, right, bottom) kept as corners: right/bottom are the rectangle's own.
    startScreen_ = QRect(a, b);
    dragScreen_ = startScreen_;
    grabX_ = x;
    grabY_ = y;
    frameUndrawn_ = true;
}

void IndcateEx::onIndcatesMouseMove(const QString& name, int, int, float x, float y) {
    if (!armed_) return;
    if (!frameUndrawn_) drawOutline();
    const double dx = (x - grabX_) / kPixel;
    const double dy = (y - grabY_) / kPixel;
    const bool* edges = kEdges[handleNumber(name)];
    if (edges[0]) dragScreen_.setLeft(wholePixels(startScreen_.left() + dx));
    if (edges[1]) dragScreen_.setTop(wholePixels(startScreen_.top() + dy));
    if (edges[2]) dragScreen_.setRight(wholePixels(startScreen_.right() + dx));
    if (edges[3]) dragScreen_.setBottom(wholePixels(startScreen_.bottom() + dy));
    drawOutline();
    frameUndrawn_ = false;
}

void IndcateEx::onIndcatesMouseUp(const QString&, int, int, float, float) {
    if (!armed_) return;
    if (!frameUndrawn_) drawOutline();
    QPoint a = dragScreen_.topLeft();
    QPoint b = QPoint(dragScreen_.right(), dragScreen_.bottom());
    if (container_) {
        a = container_->mapFromGlobal(a);
        b = container_->mapFromGlobal(b);
    }
    int l = a.x(), t = a.y(), r = b.x(), bt = b.y();
    if (l > r) std::swap(l, r);
    if (t > bt) std::swap(t, bt);
    caught_ = {l * 15, t * 15, r * 15, bt * 15};
    armed_ = false;
    frameUndrawn_ = false;
    std::int32_t cl = caught_[0], ct = caught_[1], cr = caught_[2], cb = caught_[3];
    emit onSize(cl, ct, cr, cb);
}

void IndcateEx::letGoOfMouse() {
    pressed_ = nullptr;
    if (!holdingMouse_) return;
    holdingMouse_ = false;
    if (!container_) return;
    container_->releaseMouse();
    container_->removeEventFilter(this);
}

void IndcateEx::cancelDrag() {
    letGoOfMouse();
    if (!armed_) return;
    if (!frameUndrawn_) drawOutline();
    armed_ = false;
    frameUndrawn_ = false;
    ShowIndcates();
}

bool IndcateEx::eventFilter(QObject* watched, QEvent* event) {
    MousePhase phase;
    MouseArgs a;
    if (!mouseArgs(event, phase, a)) return QObject::eventFilter(watched, event);
    if (watched == container_) {
        if (!pressed_) {
            letGoOfMouse();  // the handle went with its frame
            return QObject::eventFilter(watched, event);
        }
        // The rest of the pressed handle's gesture, in the handle's own coordinates.
        a.x -= static_cast<float>(pressed_->Left());
        a.y -= static_cast<float>(pressed_->Top());
        watched = pressed_;
    }
    const QString name = watched->objectName();
    if (phase == MousePhase::Down && a.button == 1) {
        letGoOfMouse();
        onIndcatesMouseDown(name, a.button, a.shift, a.x, a.y);
        if (container_) {
            pressed_ = static_cast<DesignPictureBox*>(watched);
            holdingMouse_ = true;
            container_->installEventFilter(this);
            container_->grabMouse();
        }
    } else if (phase == MousePhase::Move && a.button == 1) {
        onIndcatesMouseMove(name, a.button, a.shift, a.x, a.y);
    } else if (phase == MousePhase::Up) {
        letGoOfMouse();
        onIndcatesMouseUp(name, a.button, a.shift, a.x, a.y);
    }
    return true;
}

}  // namespace zelk
