#pragma once
// An item row goes back as it was read unless the designer changed it. Right after an item is
// loaded, its writer's row is taken once ("as loaded"); at a save, every member that the writer
// still writes as it did then was not edited, and keeps the stored value. So a member the designer
// does not hold (a constant, a template's value, a value the loader reads into the same meaning)
// keeps what the user stored, and an edited member is written as the designer holds it.

#include <algorithm>
#include <array>
#include <cstddef>
#include <type_traits>

#include <QString>

#include "component/fixedfield.h"
#include "designer/itemcolumns.h"

namespace zelk {

template <class Row>
struct ReadItemRow {
    Row read{};      // as stored
    Row asLoaded{};  // as the item's writer wrote it right after loading
};

namespace readrows {

// Font styles and the two pairs of settings texts hold one digit per setting: an edit of one
// setting keeps the stored digits of the others.
inline bool holdsDigits(int member) {
    return member == 16 || member == 21 || (member >= 38 && member <= 41);
}

// Digit by digit, whatever the lengths: other programs store these texts shorter or longer than
// the writers do. A digit the writer left as it loaded it takes the stored one; the writer's
// digits beyond the stored text stay, and so do the stored digits beyond the writer's.
inline QString mergedDigits(const QString& stored, const QString& loaded, const QString& now) {
    QString merged = now;
    const qsizetype both = std::min(stored.size(), now.size());
    for (qsizetype k = 0; k < both; ++k)
        if (k < loaded.size() && now[k] == loaded[k]) merged[k] = stored[k];
    if (stored.size() > now.size()) merged += stored.mid(now.size());
    return merged;
}

template <std::size_t N>
void keepDigits(const std::array<char, N>& read, const std::array<char, N>& asLoaded,
                std::array<char, N>& written) {
    setField(written, mergedDigits(fieldText(read), fieldText(asLoaded), fieldText(written)));
}

}  // namespace readrows

// Puts the stored value back into every member of `written` the designer left as it loaded it.
// The key (member 00) stays as written: every insert gets a new one. The item number (member 29)
// is the stacking order, which holds for all rows or none: the stored one with `keepItemNumber`,
// else the one written.
template <class Row>
void keepUneditedMembers(const ReadItemRow<Row>& base, Row& written, bool keepItemNumber) {
    forEachItemColumn<Row>([&](int n, auto member) {
        if (n == 0) return;
        auto& out = written.*member;
        if (n == 29) {
            if (keepItemNumber) out = base.read.*member;
            return;
        }
        if (out == base.asLoaded.*member) {
            out = base.read.*member;
            return;
        }
        if constexpr (!std::is_integral_v<std::remove_reference_t<decltype(out)>>)
            if (readrows::holdsDigits(n))
                readrows::keepDigits(base.read.*member, base.asLoaded.*member, out);
    });
}

}  // namespace zelk
