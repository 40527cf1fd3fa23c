#include "designer/canvas/currentcontrol.h"

#include <algorithm>
#include <cmath>

#include "component/zelkmodule.h"
#include "platform/controls/designline.h"
#include "platform/form.h"

namespace zelk {

namespace {

constexpr double kStep = 15;
// Window geometry is 16-bit on X11: 32767 pixels of 15 twips.
constexpr double kLargestTwips = 32767.0 * 15;
const QString kInvalidText = QStringLiteral("当前未选中控件或属性值无效");

}  // namespace

DesignLine* asLine(DesignControl* control) {
    if (!control || control->controlType() != ControlType::Line) return nullptr;
    return static_cast<DesignLine*>(control);
}

CurrentControlState::CurrentControlState(SizeHandles& handles, LineIndcate& sizeline,
                                         std::array<QLineEdit*, 4> positionBoxes,
                                         StatusWriter setStatusText)
    : handles_(handles),
      sizeline_(sizeline),
      boxes_(positionBoxes),
      setStatusText_(std::move(setStatusText)) {}

QString CurrentControlState::coordinateText(double value) {
    return QString::number(value, 'g', 15);
}

void CurrentControlState::VBSelectControl(DesignControl* ctrl, bool hiddenToo) {
    if (!ctrl || (!ctrl->Visible() && !hiddenToo)) return;
    if (DesignLine* line = asLine(ctrl)) {
        handles_.HidePic();
        sizeline_.CatchRect(static_cast<float>(line->X1()), static_cast<float>(line->Y1()),
                            static_cast<float>(line->X2()), static_cast<float>(line->Y2()));
        current_ = ctrl;
        ShowControlGeometry();
        setStatusText_(QStringLiteral("左上角坐标(") + coordinateText(line->X1()) + "," +
                       coordinateText(line->Y1()) + QStringLiteral(") 右下角坐标(") +
                       coordinateText(line->X2()) + "," + coordinateText(line->Y2()) + ")");
        return;
    }
    auto* box = static_cast<DesignBox*>(ctrl);
    sizeline_.HideIndcates();
    handles_.ViewPic();
    const double l = box->Left(), t = box->Top(), w = box->Width(), h = box->Height();
    handles_.placeAround(l, t, w, h);
    current_ = ctrl;
    ShowControlGeometry();
    setStatusText_(QStringLiteral("左上角坐标(") + coordinateText(l) + "," + coordinateText(t) +
                   QStringLiteral(")右下角坐标(") + coordinateText(l + w) + "," +
                   coordinateText(t + h) + ")");
}

void CurrentControlState::ShowControlGeometry(bool always) {
    if (!current_) {
        shown_ = nullptr;
        return;
    }
    // What was typed for another control must not reach this one.
    const bool keepTyped = !always && shown_ == current_;
    shown_ = current_;
    std::array<double, 4> values;
    if (DesignLine* line = asLine(current_)) {
        values = {line->X1(), line->Y1(), line->X2(), line->Y2()};
    } else {
        auto* box = static_cast<DesignBox*>(current_.data());
        values = {box->Left(), box->Top(), box->Width(), box->Height()};
    }
    for (std::size_t i = 0; i < 4; ++i)
        if (boxes_[i] && !(keepTyped && boxes_[i]->hasFocus()))
            boxes_[i]->setText(coordinateText(values[i]));
}

bool CurrentControlState::typingInPositionBox() const {
    return std::any_of(boxes_.begin(), boxes_.end(),
                       [](QLineEdit* b) { return b && b->hasFocus(); });
}

bool CurrentControlState::positionBoxChanged(int box, const QString& text) {
    if (!current_) {
        setStatusText_(kInvalidText);
        return false;
    }
    if (UpdatingGeometry || box < 1 || box > 4) return false;
    const auto value = numericInt32(text);
    bool ok = false;
    bool changed = false;
    // A line's four values and a box's Left and Top are positions; a box's Width and Height sizes.
    const bool size = box >= 3 && !asLine(current_);
    if (value && std::abs(static_cast<double>(*value)) <= kLargestTwips && (!size || *value >= 0)) {
        const double v = *value;
        if (DesignLine* line = asLine(current_)) {
            const double old[] = {line->X1(), line->Y1(), line->X2(), line->Y2()};
            changed = old[box - 1] != v;
            ok = box == 1   ? line->setX1(v)
                 : box == 2 ? line->setY1(v)
                 : box == 3 ? line->setX2(v)
                            : line->setY2(v);
        } else {
            auto* b = static_cast<DesignBox*>(current_.data());
            const double old[] = {b->Left(), b->Top(), b->Width(), b->Height()};
            changed = old[box - 1] != v;
            ok = box == 1   ? b->setLeft(v)
                 : box == 2 ? b->setTop(v)
                 : box == 3 ? b->setWidth(v)
                            : b->setHeight(v);
        }
    }
    if (!ok) {
        setStatusText_(kInvalidText);
        return false;
    }
    return changed;
}

bool CurrentControlState::nudge(int keyCode, int shift) {
    if (!current_ || (shift != vbCtrlMask && shift != vbShiftMask)) return false;
    if (keyCode < vbKeyLeft || keyCode > vbKeyDown) return false;
    const double dx = keyCode == vbKeyLeft ? -kStep : keyCode == vbKeyRight ? kStep : 0;
    const double dy = keyCode == vbKeyUp ? -kStep : keyCode == vbKeyDown ? kStep : 0;
    if (DesignLine* line = asLine(current_)) {
        if (shift == vbCtrlMask) {
            line->setX1(line->X1() + dx);
            line->setY1(line->Y1() + dy);
        }
        line->setX2(line->X2() + dx);
        line->setY2(line->Y2() + dy);
        return true;
    }
    auto* box = static_cast<DesignBox*>(current_.data());
    if (shift == vbCtrlMask) return box->Move(box->Left() + dx, box->Top() + dy);
    // A width or height never goes below 0.
    const bool w = box->setWidth(std::max(0.0, box->Width() + dx));
    const bool h = box->setHeight(std::max(0.0, box->Height() + dy));
    return w && h;
}

}  // namespace zelk
