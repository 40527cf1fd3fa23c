#pragma once
// One codec over both item-row types: ISIT (item entry) and IJST (item search) rows have the same
// members under different prefixes (ii.. / is..); only member 27 is wider in ISIT. Code that reads
// or writes a row names a member by number through these pointers, e.g. row.*C::m03.

#include "component/records.h"

namespace zelk {

template <class Row>
struct ItemColumns;

#define ZELK_ITEM_COLUMNS(Record, prefix, searchRow)     \
    template <>                                          \
    struct ItemColumns<Record> {                         \
        static constexpr bool kSearchRow = searchRow;    \
        static constexpr auto m00 = &Record::prefix##00; \
        static constexpr auto m01 = &Record::prefix##01; \
        static constexpr auto m02 = &Record::prefix##02; \
        static constexpr auto m03 = &Record::prefix##03; \
        static constexpr auto m04 = &Record::prefix##04; \
        static constexpr auto m05 = &Record::prefix##05; \
        static constexpr auto m06 = &Record::prefix##06; \
        static constexpr auto m07 = &Record::prefix##07; \
        static constexpr auto m08 = &Record::prefix##08; \
        static constexpr auto m09 = &Record::prefix##09; \
        static constexpr auto m10 = &Record::prefix##10; \
        static constexpr auto m11 = &Record::prefix##11; \
        static constexpr auto m12 = &Record::prefix##12; \
        static constexpr auto m13 = &Record::prefix##13; \
        static constexpr auto m14 = &Record::prefix##14; \
        static constexpr auto m15 = &Record::prefix##15; \
        static constexpr auto m16 = &Record::prefix##16; \
        static constexpr auto m17 = &Record::prefix##17; \
        static constexpr auto m18 = &Record::prefix##18; \
        static constexpr auto m19 = &Record::prefix##19; \
        static constexpr auto m20 = &Record::prefix##20; \
        static constexpr auto m21 = &Record::prefix##21; \
        static constexpr auto m22 = &Record::prefix##22; \
        static constexpr auto m23 = &Record::prefix##23; \
        static constexpr auto m24 = &Record::prefix##24; \
        static constexpr auto m25 = &Record::prefix##25; \
        static constexpr auto m26 = &Record::prefix##26; \
        static constexpr auto m27 = &Record::prefix##27; \
        static constexpr auto m28 = &Record::prefix##28; \
        static constexpr auto m29 = &Record::prefix##29; \
        static constexpr auto m30 = &Record::prefix##30; \
        static constexpr auto m31 = &Record::prefix##31; \
        static constexpr auto m32 = &Record::prefix##32; \
        static constexpr auto m33 = &Record::prefix##33; \
        static constexpr auto m34 = &Record::prefix##34; \
        static constexpr auto m35 = &Record::prefix##35; \
        static constexpr auto m36 = &Record::prefix##36; \
        static constexpr auto m37 = &Record::prefix##37; \
        static constexpr auto m38 = &Record::prefix##38; \
        static constexpr auto m39 = &Record::prefix##39; \
        static constexpr auto m40 = &Record::prefix##40; \
        static constexpr auto m41 = &Record::prefix##41; \
        static constexpr auto m42 = &Record::prefix##42; \
        static constexpr auto m43 = &Record::prefix##43; \
        static constexpr auto m44 = &Record::prefix##44; \
        static constexpr auto m45 = &Record::prefix##45; \
    }

ZELK_ITEM_COLUMNS(ISITRecord, ii, false);
ZELK_ITEM_COLUMNS(IJSTRecord, is, true);

#undef ZELK_ITEM_COLUMNS

// Calls f(number, memberPointer) for each of a row type's 46 members, in order.
template <class Row, class F>
void forEachItemColumn(F&& f) {
    using C = ItemColumns<Row>;
#define ZELK_M(n) f(1##n - 100, C::m##n);
    // clang-format off
    ZELK_M(00) ZELK_M(01) ZELK_M(02) ZELK_M(03) ZELK_M(04) ZELK_M(05) ZELK_M(06) ZELK_M(07)
    ZELK_M(08) ZELK_M(09) ZELK_M(10) ZELK_M(11) ZELK_M(12) ZELK_M(13) ZELK_M(14) ZELK_M(15)
    ZELK_M(16) ZELK_M(17) ZELK_M(18) ZELK_M(19) ZELK_M(20) ZELK_M(21) ZELK_M(22) ZELK_M(23)
    ZELK_M(24) ZELK_M(25) ZELK_M(26) ZELK_M(27) ZELK_M(28) ZELK_M(29) ZELK_M(30) ZELK_M(31)
    ZELK_M(32) ZELK_M(33) ZELK_M(34) ZELK_M(35) ZELK_M(36) ZELK_M(37) ZELK_M(38) ZELK_M(39)
    ZELK_M(40) ZELK_M(41) ZELK_M(42) ZELK_M(43) ZELK_M(44) ZELK_M(45)
    // clang-format on
#undef ZELK_M
}

}  // namespace zelk
