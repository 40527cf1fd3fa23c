#include "designer/companions.h"

#include <algorithm>
#include <set>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"

namespace zelk {

BrowseColumnTable::BrowseColumnTable() {
    ensureEntries(kInitialEntries);
}

void BrowseColumnTable::ensureEntries(int entries) {
    if (entries <= size()) return;
    const auto n = static_cast<std::size_t>(entries);
    BrowseColumnNames.resize(n);
    BrowseColumnPositions.resize(n, 0);
    BrowseColumnWidths.resize(n, 0);
}

void BrowseColumnTable::clear() {
    *this = BrowseColumnTable();
}

namespace {

std::set<std::int32_t> takenPositions(const BrowseColumnTable& table) {
    std::set<std::int32_t> taken;
    for (int k = 1; k < table.size(); ++k)
        taken.insert(table.BrowseColumnPositions[static_cast<std::size_t>(k)]);
    return taken;
}

std::int32_t firstFree(const std::set<std::int32_t>& taken, std::int32_t candidate) {
    auto it = taken.lower_bound(candidate);
    while (it != taken.end() && *it == candidate) {
        ++candidate;
        ++it;
    }
    return candidate;
}

}  // namespace

void FindFreeListNumber(const BrowseColumnTable& table, std::int16_t& start, std::int32_t& result) {
    result = firstFree(takenPositions(table), start);
}

void InitIlstRecord(const ISITRecord& source, ILSTRecord& target) {
    target.is00 = source.ii00;
    copyField(target.is02, source.ii02);
    copyField(target.is03, source.ii03);
    target.is04 = source.ii04;
    setField(target.is05, QStringLiteral("1"));
    setField(target.is06, QStringLiteral("2"));
    target.is07 = 1440;
    target.is08 = target.is09 = target.is10 = target.is11 = 0;
    target.is12 = target.is13 = target.is14 = 0;
    for (auto* font : {&target.is15, &target.is20}) setField(*font, QStringLiteral("宋体"));
    for (auto* style : {&target.is16, &target.is21}) setField(*style, QStringLiteral("0000"));
    setField(target.is17, QStringLiteral("9"));
    setField(target.is22, QStringLiteral("9"));
    setField(target.is18, QStringLiteral("0"));
    setField(target.is23, QStringLiteral("0"));
    setField(target.is19, QStringLiteral("16777215"));
    setField(target.is24, QStringLiteral("16777215"));
    setField(target.is25, QString());
    setField(target.is26, QString());
    setField(target.is27, QString());
    setField(target.is28, QString());
    setField(target.is29, QString());
    setField(target.is30, QString());
}

// Members 2 to 30 have the same names and kinds in all four item layouts; only the width of
// member 27 differs, which copyField cuts or fills with blanks.
#define ZELK_COPY_COMMON(s, t, sp, tp) \
    do {                               \
        copyField(t.tp##02, s.sp##02); \
        copyField(t.tp##03, s.sp##03); \
        t.tp##04 = s.sp##04;           \
        copyField(t.tp##05, s.sp##05); \
        copyField(t.tp##06, s.sp##06); \
        t.tp##07 = s.sp##07;           \
        t.tp##08 = s.sp##08;           \
        t.tp##09 = s.sp##09;           \
        t.tp##10 = s.sp##10;           \
        t.tp##11 = s.sp##11;           \
        t.tp##12 = s.sp##12;           \
        t.tp##13 = s.sp##13;           \
        t.tp##14 = s.sp##14;           \
        copyField(t.tp##15, s.sp##15); \
        copyField(t.tp##16, s.sp##16); \
        copyField(t.tp##17, s.sp##17); \
        copyField(t.tp##18, s.sp##18); \
        copyField(t.tp##19, s.sp##19); \
        copyField(t.tp##20, s.sp##20); \
        copyField(t.tp##21, s.sp##21); \
        copyField(t.tp##22, s.sp##22); \
        copyField(t.tp##23, s.sp##23); \
        copyField(t.tp##24, s.sp##24); \
        copyField(t.tp##25, s.sp##25); \
        copyField(t.tp##26, s.sp##26); \
        copyField(t.tp##27, s.sp##27); \
        copyField(t.tp##28, s.sp##28); \
        copyField(t.tp##29, s.sp##29); \
        copyField(t.tp##30, s.sp##30); \
    } while (false)

void CopyIsitToIjstRecord(const ISITRecord& source, IJSTRecord& target) {
    target.is00 = source.ii00;
    ZELK_COPY_COMMON(source, target, ii, is);
    copyField(target.is31, source.ii31);
    copyField(target.is32, source.ii32);
    copyField(target.is33, source.ii33);
    copyField(target.is34, source.ii34);
    copyField(target.is35, source.ii35);
    copyField(target.is36, source.ii36);
    copyField(target.is37, source.ii37);
    copyField(target.is38, source.ii38);
    copyField(target.is39, source.ii39);
    copyField(target.is40, source.ii40);
    copyField(target.is41, source.ii41);
    copyField(target.is42, source.ii42);
    copyField(target.is43, source.ii43);
    copyField(target.is44, source.ii44);
    copyField(target.is45, source.ii45);
}

void CopyIjstToIlstRecord(const IJSTRecord& source, ILSTRecord& target) {
    target.is00 = source.is00;
    ZELK_COPY_COMMON(source, target, is, is);
}

#undef ZELK_COPY_COMMON

BrowseColumnPlacer::BrowseColumnPlacer(BrowseColumnTable table)
    : table_(std::move(table)),
      used_(static_cast<std::size_t>(table_.size()), false),
      taken_(takenPositions(table_)) {}

void BrowseColumnPlacer::place(ILSTRecord& column) {
    const QString name = fieldText(column.is02);
    // An item bound to no column (a label, a line, a frame) matches the table's entry 0, which
    // is never filled: its browse column stays hidden at position 0 with width 0.
    if (name.isEmpty()) {
        column.is04 = 0;
        column.is07 = 0;
        return;
    }
    for (int k = 1; k <= table_.filled; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (used_[i] || table_.BrowseColumnNames[i] != name) continue;
        used_[i] = true;
        column.is04 = table_.BrowseColumnPositions[i];
        column.is07 = table_.BrowseColumnWidths[i];
        return;
    }
    // A new column: the next free position from where the last new one went, taken at once so
    // that no later new column gets it as well.
    const std::int32_t result = firstFree(taken_, start_);
    taken_.insert(result);
    start_ = result;
    column.is04 = result;
}

}  // namespace zelk
