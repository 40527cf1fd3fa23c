#include "designer/canvas/lineindcate.h"

#include <cmath>

namespace zelk {

namespace {

constexpr std::int32_t kHandleColour = 16711680;  // blue in 0x00BBGGRR
constexpr double kHandleSize = 90;
constexpr double kHalf = kHandleSize / 2;
const char* const kNames[3] = {"pic10", "pic20", "pic30"};

std::int32_t wholeTwips(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}

}  // namespace

void LineIndcate::init(QWidget* form, QWidget* container) {
    for (int i = 0; i < 3; ++i) {
        if (handles_[i]) delete handles_[i].data();
        auto* box = new DesignPictureBox(container);
        box->setObjectName(QString::fromLatin1(kNames[i]));
        box->Move(0, 0, kHandleSize, kHandleSize);
        box->setBorderStyle(1);
        box->setAppearance(0);
        box->setMousePointer(2);
        box->setBackColor(kHandleColour);
        box->hide();
        handles_[i] = box;
    }
    form_ = form;
}

void LineIndcate::place(int handle, float x, float y) {
    DesignPictureBox* box = handles_[handle];
    if (!box) return;
    if (handle != 2) box->show();
    box->ZOrder(0);
    box->Move(x - box->Width() / 2, y - box->Height() / 2);
}

void LineIndcate::CatchRect(float x1, float y1, float x2, float y2) {
    place(0, x1, y1);
    place(1, x2, y2);
}

void LineIndcate::ShowIndcates() {
    for (int i = 0; i < 2; ++i)
        if (handles_[i]) handles_[i]->show();
}

void LineIndcate::HideIndcates() {
    for (int i = 0; i < 2; ++i)
        if (handles_[i]) handles_[i]->hide();
}

int LineIndcate::handleOf(const QString& name) const {
    for (int i = 0; i < 3; ++i)
        if (name == QLatin1String(kNames[i]) && handles_[i]) return i;
    return -1;
}

void LineIndcate::onIndcatesMouseDown(const QString& name, int, int, float x, float y) {
    const int h = handleOf(name);
    if (h < 0) return;
    dragging_[h] = true;
    pressX_ = x;
    pressY_ = y;
}

void LineIndcate::onIndcatesMouseMove(const QString& name, int, int, float x, float y) {
    const int h = handleOf(name);
    if (h < 0 || !dragging_[h]) return;
    const double dx = x - pressX_;
    const double dy = y - pressY_;
    if (h == 2) {
        for (auto& box : handles_)
            if (box) box->Move(box->Left() + dx, box->Top() + dy);
        std::int32_t x1 = wholeTwips(kHalf + handles_[0]->Left());
        std::int32_t y1 = wholeTwips(kHalf + handles_[0]->Top());
        std::int32_t x2 = wholeTwips(kHalf + handles_[1]->Left());
        std::int32_t y2 = wholeTwips(kHalf + handles_[1]->Top());
        emit onSizeLTRB(x1, y1, x2, y2);
        return;
    }
    DesignPictureBox* box = handles_[h];
    box->Move(box->Left() + dx, box->Top() + dy);
    std::int32_t cx = wholeTwips(kHalf + box->Left());
    std::int32_t cy = wholeTwips(kHalf + box->Top());
    if (h == 0)
        emit onSizeLT(cx, cy);
    else
        emit onSizeRB(cx, cy);
}

void LineIndcate::onIndcatesMouseUp(const QString& name, int, int, float, float) {
    const int h = handleOf(name);
    if (h >= 0) dragging_[h] = false;
}

}  // namespace zelk
