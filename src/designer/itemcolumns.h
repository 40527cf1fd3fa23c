#pragma once
// One codec over both item-row types: ISIT (item entry) and IJST (item search) rows have the same
// members under different prefixes (ii.. / is..); only member 27 is wider in ISIT. Code that reads
// or writes a row names a member by number through these pointers, e.g. row.*C::m03.

#include "component/records.h"

namespace zelk {

template <class Row>
struct ItemColumns;

template <>
struct ItemColumns<ISITRecord> {
    static constexpr bool kSearchRow = false;
    static constexpr auto m00 = &ISITRecord::ii00;
    static constexpr auto m01 = &ISITRecord::ii01;
    static constexpr auto m02 = &ISITRecord::ii02;
    static constexpr auto m03 = &ISITRecord::ii03;
    static constexpr auto m04 = &ISITRecord::ii04;
    static constexpr auto m05 = &ISITRecord::ii05;
    static constexpr auto m06 = &ISITRecord::ii06;
    static constexpr auto m07 = &ISITRecord::ii07;
    static constexpr auto m08 = &ISITRecord::ii08;
    static constexpr auto m09 = &ISITRecord::ii09;
    static constexpr auto m10 = &ISITRecord::ii10;
    static constexpr auto m11 = &ISITRecord::ii11;
    static constexpr auto m12 = &ISITRecord::ii12;
    static constexpr auto m13 = &ISITRecord::ii13;
    static constexpr auto m14 = &ISITRecord::ii14;
    static constexpr auto m15 = &ISITRecord::ii15;
    static constexpr auto m16 = &ISITRecord::ii16;
    static constexpr auto m17 = &ISITRecord::ii17;
    static constexpr auto m18 = &ISITRecord::ii18;
    static constexpr auto m19 = &ISITRecord::ii19;
    static constexpr auto m20 = &ISITRecord::ii20;
    static constexpr auto m21 = &ISITRecord::ii21;
    static constexpr auto m22 = &ISITRecord::ii22;
    static constexpr auto m23 = &ISITRecord::ii23;
    static constexpr auto m24 = &ISITRecord::ii24;
    static constexpr auto m25 = &ISITRecord::ii25;
    static constexpr auto m26 = &ISITRecord::ii26;
    static constexpr auto m27 = &ISITRecord::ii27;
    static constexpr auto m28 = &ISITRecord::ii28;
    static constexpr auto m29 = &ISITRecord::ii29;
    static constexpr auto m30 = &ISITRecord::ii30;
    static constexpr auto m31 = &ISITRecord::ii31;
    static constexpr auto m32 = &ISITRecord::ii32;
    static constexpr auto m33 = &ISITRecord::ii33;
    static constexpr auto m34 = &ISITRecord::ii34;
    static constexpr auto m35 = &ISITRecord::ii35;
    static constexpr auto m36 = &ISITRecord::ii36;
    static constexpr auto m37 = &ISITRecord::ii37;
    static constexpr auto m38 = &ISITRecord::ii38;
    static constexpr auto m39 = &ISITRecord::ii39;
    static constexpr auto m40 = &ISITRecord::ii40;
    static constexpr auto m41 = &ISITRecord::ii41;
    static constexpr auto m42 = &ISITRecord::ii42;
    static constexpr auto m43 = &ISITRecord::ii43;
    static constexpr auto m44 = &ISITRecord::ii44;
    static constexpr auto m45 = &ISITRecord::ii45;
};

template <>
struct ItemColumns<IJSTRecord> {
    static constexpr bool kSearchRow = true;
    static constexpr auto m00 = &IJSTRecord::is00;
    static constexpr auto m01 = &IJSTRecord::is01;
    static constexpr auto m02 = &IJSTRecord::is02;
    static constexpr auto m03 = &IJSTRecord::is03;
    static constexpr auto m04 = &IJSTRecord::is04;
    static constexpr auto m05 = &IJSTRecord::is05;
    static constexpr auto m06 = &IJSTRecord::is06;
    static constexpr auto m07 = &IJSTRecord::is07;
    static constexpr auto m08 = &IJSTRecord::is08;
    static constexpr auto m09 = &IJSTRecord::is09;
    static constexpr auto m10 = &IJSTRecord::is10;
    static constexpr auto m11 = &IJSTRecord::is11;
    static constexpr auto m12 = &IJSTRecord::is12;
    static constexpr auto m13 = &IJSTRecord::is13;
    static constexpr auto m14 = &IJSTRecord::is14;
    static constexpr auto m15 = &IJSTRecord::is15;
    static constexpr auto m16 = &IJSTRecord::is16;
    static constexpr auto m17 = &IJSTRecord::is17;
    static constexpr auto m18 = &IJSTRecord::is18;
    static constexpr auto m19 = &IJSTRecord::is19;
    static constexpr auto m20 = &IJSTRecord::is20;
    static constexpr auto m21 = &IJSTRecord::is21;
    static constexpr auto m22 = &IJSTRecord::is22;
    static constexpr auto m23 = &IJSTRecord::is23;
    static constexpr auto m24 = &IJSTRecord::is24;
    static constexpr auto m25 = &IJSTRecord::is25;
    static constexpr auto m26 = &IJSTRecord::is26;
    static constexpr auto m27 = &IJSTRecord::is27;
    static constexpr auto m28 = &IJSTRecord::is28;
    static constexpr auto m29 = &IJSTRecord::is29;
    static constexpr auto m30 = &IJSTRecord::is30;
    static constexpr auto m31 = &IJSTRecord::is31;
    static constexpr auto m32 = &IJSTRecord::is32;
    static constexpr auto m33 = &IJSTRecord::is33;
    static constexpr auto m34 = &IJSTRecord::is34;
    static constexpr auto m35 = &IJSTRecord::is35;
    static constexpr auto m36 = &IJSTRecord::is36;
    static constexpr auto m37 = &IJSTRecord::is37;
    static constexpr auto m38 = &IJSTRecord::is38;
    static constexpr auto m39 = &IJSTRecord::is39;
    static constexpr auto m40 = &IJSTRecord::is40;
    static constexpr auto m41 = &IJSTRecord::is41;
    static constexpr auto m42 = &IJSTRecord::is42;
    static constexpr auto m43 = &IJSTRecord::is43;
    static constexpr auto m44 = &IJSTRecord::is44;
    static constexpr auto m45 = &IJSTRecord::is45;
};

}  // namespace zelk
