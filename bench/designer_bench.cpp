// Opening a large item-search interface: the rows' fetch alone, and the fetch with every row
// loaded onto an offscreen canvas. Both report items per second.

#include <benchmark/benchmark.h>

#include <memory>

#include "dataaccess/dravix.h"
#include "designer/designer_rows.h"
#include "designer/frm_zelk_jssj.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::testrows;

namespace {

constexpr int kItems = kMaxDesignItems;

// One database with an interface of 1024 items of every kind, made once.
test::TestDb& interfaceDb() {
    static std::unique_ptr<test::TestDb> db = [] {
        auto made = std::make_unique<test::TestDb>();
        const char* kinds[] = {"label",      "freelabel", "textbox",    "checkbox", "combobox",
                               "datepicker", "listbox",   "shape",      "frame",    "line",
                               "memobox",    "mmx",       "childtable", "other"};
        for (int i = 0; i < kItems; ++i) {
            IJSTRecord r = storedRow<IJSTRecord>(kinds[i % std::size(kinds)]);
            setField(r.is29, decimalText(i + 1));
            r.is11 += (i % 40) * 150;
            r.is13 += (i % 40) * 150;
            sysIJSTInsertRecord(made->hdbc(), r);
        }
        return made;
    }();
    return *db;
}

template <class Each>
int fetchItems(std::int32_t hdbc, Each&& each) {
    const std::int32_t hstmt = sysIJSTPrepareGetData(hdbc, kInterface);
    int n = 0;
    IJSTRecord r;
    while (hstmt > 0 && sysIJSTGetRecord(hstmt, r) > 0) {
        each(r);
        ++n;
    }
    return n;
}

void BM_FetchItemRows(benchmark::State& state) {
    const std::int32_t hdbc = interfaceDb().hdbc();
    for (auto _ : state) benchmark::DoNotOptimize(fetchItems(hdbc, [](const IJSTRecord&) {}));
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_FetchItemRows)->Unit(benchmark::kMillisecond);

void BM_LoadItemsOntoCanvas(benchmark::State& state) {
    const std::int32_t hdbc = interfaceDb().hdbc();
    for (auto _ : state) {
        state.PauseTiming();
        auto designer = std::make_unique<frm_zelk_jssj>();
        designer->InitFieldTree();
        state.ResumeTiming();
        fetchItems(hdbc, [&](const IJSTRecord& r) { designer->LoadItemControl(r); });
        benchmark::DoNotOptimize(designer->ItemCount);
        state.PauseTiming();
        designer.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_LoadItemsOntoCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
