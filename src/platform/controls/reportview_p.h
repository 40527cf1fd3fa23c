#pragma once
// What the report view and its rows and headers share inside the list's implementation.

#include <QTreeWidget>

#include "platform/controls/reportview.h"

namespace zelk::detail {

inline constexpr int kKeyRole = Qt::UserRole + 1;
inline constexpr int kTagRole = Qt::UserRole + 2;
inline constexpr int kSmallIconRole = Qt::UserRole + 3;
inline constexpr int kIconRole = Qt::UserRole + 4;
inline constexpr int kForeColorRole = Qt::UserRole + 5;
inline constexpr int kCheckedRole = Qt::UserRole + 6;

inline Qt::Alignment qtAlign(ColumnAlign align) {
    switch (align) {
        case ColumnAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ColumnAlign::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Counts a change the list makes itself, so that the handlers of user changes ignore it.
struct Programmatic {
    explicit Programmatic(int& depth) : depth_(depth) { ++depth_; }
    ~Programmatic() { --depth_; }
    int& depth_;
};

}  // namespace zelk::detail
