#include "platform/controls/splitter.h"

#include <QResizeEvent>
#include <algorithm>

#include "platform/twips.h"

namespace zelk {

Splitter::Splitter(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent) {
    setChildrenCollapsible(false);
    connect(this, &QSplitter::splitterMoved, this, [this] {
        if (fitting_) return;
        const QList<int> px = sizes();
        for (int i = 0; i < px.size() && i < static_cast<int>(sizes_.size()); ++i)
            sizes_[i] = pixelsToTwips(px[i]);
        emit PaneResize();
    });
}

void Splitter::AddPane(QWidget* widget, double sizeTwips) {
    addWidget(widget);
    sizes_.push_back(std::max(0.0, sizeTwips));
    fixed_.push_back(false);
    Relayout();
}

QWidget* Splitter::Pane(int index) const {
    return index >= 1 && index <= count() ? widget(index - 1) : nullptr;
}

double Splitter::PaneSize(int index) const {
    if (index < 1 || index > static_cast<int>(sizes_.size())) return 0;
    if (fixed_[index - 1]) return sizes_[index - 1];
    const QList<int> px = sizes();
    const bool laidOut = (orientation() == Qt::Horizontal ? width() : height()) > 0 &&
                         std::any_of(px.begin(), px.end(), [](int v) { return v > 0; });
    return laidOut ? pixelsToTwips(px[index - 1]) : sizes_[index - 1];
}

void Splitter::SetPaneSize(int index, double twips) {
    if (index < 1 || index > static_cast<int>(sizes_.size())) return;
    sizes_[index - 1] = std::max(0.0, twips);
    Relayout();
}

bool Splitter::PaneFixed(int index) const {
    return index >= 1 && index <= static_cast<int>(fixed_.size()) && fixed_[index - 1];
}

void Splitter::SetPaneFixed(int index, bool on) {
    if (index < 1 || index > static_cast<int>(fixed_.size())) return;
    fixed_[index - 1] = on;
    setStretchFactor(index - 1, on ? 0 : 1);
}

double Splitter::SplitterBarWidth() const {
    return pixelsToTwips(handleWidth());
}

void Splitter::SetSplitterBarWidth(double twips) {
    setHandleWidth(twipsToPixels(twips));
}

void Splitter::Relayout() {
    fit(orientation() == Qt::Horizontal ? width() : height());
}

void Splitter::ResizeTwips(double width, double height) {
    resize(twipsToPixels(width), twipsToPixels(height));
    Relayout();
}

void Splitter::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    fit(orientation() == Qt::Horizontal ? event->size().width() : event->size().height());
}

// Fixed panes get their size; the other panes share what is left in proportion to their sizes.
void Splitter::fit(int total) {
    const int n = static_cast<int>(sizes_.size());
    if (n == 0) return;
    int room = total - handleWidth() * (n - 1);
    double flexible = 0;
    for (int i = 0; i < n; ++i) {
        if (fixed_[i])
            room -= twipsToPixels(sizes_[i]);
        else
            flexible += sizes_[i];
    }
    room = std::max(0, room);
    QList<int> px;
    int lastFlexible = -1;
    int given = 0;
    for (int i = 0; i < n; ++i) {
        if (fixed_[i]) {
            px.push_back(twipsToPixels(sizes_[i]));
            continue;
        }
        const double share = flexible > 0 ? sizes_[i] / flexible : 1.0 / n;
        px.push_back(static_cast<int>(room * share));
        given += px.back();
        lastFlexible = i;
    }
    if (lastFlexible >= 0) px[lastFlexible] += room - given;
    fitting_ = true;
    setSizes(px);
    fitting_ = false;
}

}  // namespace zelk
