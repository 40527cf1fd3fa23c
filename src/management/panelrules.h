#pragma once
// Rules of the main window and the manager that need no window: who may change interfaces, and
// where the panes place their parts (twips).

#include <QString>

namespace zelk {

// The guarded commands (create, delete, design, edit interfaces, templates and fields) are open
// within a class to every user, at the main-table level (no class) only to administrators.
inline bool CommandsAllowed(const QString& className, bool isAdmin) {
    return !className.isEmpty() || isAdmin;
}

struct PaneRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const PaneRect&) const = default;
};

// A pane with a caption strip of 270 twips on top and a body below filling the rest; a pane
// lower than the strip leaves the body no height.
inline constexpr double kCaptionStripHeight = 270;
struct CaptionPaneLayout {
    PaneRect strip;
    PaneRect body;
};
inline CaptionPaneLayout captionPaneLayout(double clientWidth, double clientHeight) {
    const double rest = clientHeight - kCaptionStripHeight;
    return {{0, 0, clientWidth, kCaptionStripHeight},
            {0, kCaptionStripHeight, clientWidth, rest > 0 ? rest : 0}};
}

// The template panel keeps its upper 2280 twips for the template's labels and buttons; the item
// list below shows only when there is room and moves only when the panel is over 2500 high.
inline constexpr double kTemplateAreaHeight = 2280;
struct ItemListPlacement {
    bool visible = false;
    bool move = false;
    PaneRect rect;
};
inline ItemListPlacement itemListPlacement(double innerHeight, double outerWidth,
                                           double outerHeight) {
    ItemListPlacement p;
    p.visible = innerHeight > kTemplateAreaHeight;
    p.move = outerHeight > 2500;
    if (p.move) p.rect = {0, kTemplateAreaHeight, outerWidth, innerHeight - kTemplateAreaHeight};
    return p;
}

}  // namespace zelk
