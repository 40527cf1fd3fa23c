#pragma once
// Alignment, size and spacing of the selected controls, computed over their rectangles alone:
// the designer reads the rectangles in selection order, asks for the new ones and writes them
// back. The first rectangle is the reference: it never moves and the others follow it.

#include <optional>
#include <vector>

#include <QString>

namespace zelk {

struct ArrangeRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const ArrangeRect&) const = default;
};

enum class ArrangeCommand {
    AlignLeft,
    AlignRight,
    AlignCenter,
    SameWidth,
    SameHeight,
    VertSplit,
    HoriSplit,
};

// How the spacing commands share the span out. Entry: the gap is what the boxes but the last
// leave of the span, in single precision. Search: the span over the count, in whole twips.
enum class SpacingRule { Entry, Search };

// The command of a Toolbar3 key ("alignLeft" ... "horiSplit", compared exactly), or nothing.
std::optional<ArrangeCommand> arrangeCommandOfKey(const QString& key);

// The rectangles after the command, in the order given. An empty list stays empty.
std::vector<ArrangeRect> arrangeRects(ArrangeCommand command, const std::vector<ArrangeRect>& rects,
                                      SpacingRule rule);

}  // namespace zelk
