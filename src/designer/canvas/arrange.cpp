#include "designer/canvas/arrange.h"

#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

// Whole twips, halves to the even neighbour.
double roundTwips(double value) {
    return std::nearbyint(value);
}

std::vector<ArrangeRect> spread(std::vector<ArrangeRect> rects, SpacingRule rule, bool vertical) {
    const auto pos = [vertical](ArrangeRect& r) -> double& { return vertical ? r.top : r.left; };
    const auto extent = [vertical](const ArrangeRect& r) { return vertical ? r.height : r.width; };
    const std::size_t n = rects.size();
    if (n < 2) return rects;
    const double refPos = pos(rects.front());
    // Both ends start from the reference, so that a selection wholly above or left of the
    // origin is measured over its own span.
    double lo = roundTwips(refPos);
    double hi = lo;
    for (ArrangeRect& r : rects) {
        lo = std::min(lo, roundTwips(pos(r)));
        hi = std::max(hi, roundTwips(pos(r)));
    }
    const double span = hi - lo;
    if (rule == SpacingRule::Entry) {
        float sum = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) sum += static_cast<float>(extent(rects[i]));
        const float gap = (static_cast<float>(span) - sum) / static_cast<float>(n - 1);
        float x = 0;
        for (ArrangeRect& r : rects) {
            pos(r) = refPos + x;
            x = x + gap + static_cast<float>(extent(r));
        }
    } else {
        const double gap = roundTwips(span / static_cast<double>(n));
        double x = 0;
        for (ArrangeRect& r : rects) {
            pos(r) = refPos + x;
            x = roundTwips(x + gap + extent(r));
        }
    }
    return rects;
}

}  // namespace

std::optional<ArrangeCommand> arrangeCommandOfKey(const QString& key) {
    static const std::pair<const char*, ArrangeCommand> keys[] = {
        {"alignLeft", ArrangeCommand::AlignLeft},     {"alignRight", ArrangeCommand::AlignRight},
        {"alignCenter", ArrangeCommand::AlignCenter}, {"sameWidth", ArrangeCommand::SameWidth},
        {"sameHeight", ArrangeCommand::SameHeight},   {"vertSplit", ArrangeCommand::VertSplit},
        {"horiSplit", ArrangeCommand::HoriSplit}};
    for (const auto& [text, command] : keys)
        if (key == QLatin1String(text)) return command;
    return std::nullopt;
}

std::vector<ArrangeRect> arrangeRects(ArrangeCommand command, const std::vector<ArrangeRect>& rects,
                                      SpacingRule rule) {
    if (rects.empty()) return rects;
    if (command == ArrangeCommand::VertSplit) return spread(rects, rule, true);
    if (command == ArrangeCommand::HoriSplit) return spread(rects, rule, false);
    const ArrangeRect ref = rects.front();
    std::vector<ArrangeRect> out = rects;
    for (ArrangeRect& e : out) {
        switch (command) {
            case ArrangeCommand::AlignLeft:
                e.left = ref.left;
                break;
            case ArrangeCommand::AlignRight:
                e.left = ref.left + ref.width - e.width;
                break;
            case ArrangeCommand::AlignCenter:
                e.left = ref.left + ref.width / 2 - e.width / 2;
                break;
            case ArrangeCommand::SameWidth:
                e.width = ref.width;
                break;
            case ArrangeCommand::SameHeight:
                e.height = ref.height;
                break;
            default:
                break;
        }
    }
    return out;
}

}  // namespace zelk
