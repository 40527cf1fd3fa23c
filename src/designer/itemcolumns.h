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

}  // namespace zelk
