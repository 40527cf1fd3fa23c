#pragma once
// An item row goes back as it was read unless the designer changed it. Right after an item is
// loaded, its writer's row is taken once ("as loaded"); at a save, every member that the writer
// still writes as it did then was not edited, and keeps the stored value. So a member the designer
// does not hold (a constant, a template's value, a value the loader reads into the same meaning)
// keeps what the user stored, and an edited member is written as the designer holds it.

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

template <std::size_t N>
void keepDigits(const std::array<char, N>& read, const std::array<char, N>& asLoaded,
                std::array<char, N>& written) {
    const QString stored = fieldText(read);
    const QString loaded = fieldText(asLoaded);
    QString now = fieldText(written);
    if (stored.size() != now.size() || loaded.size() != now.size()) return;
    for (qsizetype k = 0; k < now.size(); ++k)
        if (now[k] == loaded[k]) now[k] = stored[k];
    setField(written, now);
}

}  // namespace readrows

// Puts the stored value back into every member of `written` the designer left as it loaded it.
// The key (member 00) stays as written: every insert gets a new one.
template <class Row>
void keepUneditedMembers(const ReadItemRow<Row>& base, Row& written) {
    forEachItemColumn<Row>([&](int n, auto member) {
        if (n == 0) return;
        auto& out = written.*member;
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
