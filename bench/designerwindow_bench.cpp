// Opening a 1024-item interface in each designer window (init and the first offscreen paint),
// against Qt's form loader reading a form of 1024 widgets at the same places and painting once,
// in the same run. The counter "ratio" is the designer's time over the loader's (target: 1.0 or
// less).

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QPixmap>
#include <QUiLoader>
#include <memory>

#include "dataaccess/dravix.h"
#include "designer/designer_rows.h"
#include "designer/frm_zelk_jmsj.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/showdesigner.h"
#include "support/testdb.h"

using namespace zelk;
using namespace zelk::testrows;

namespace {

constexpr int kItems = kMaxDesignItems;
constexpr std::int32_t kNumber = 77;
const char* const kKinds[] = {"label",      "freelabel", "textbox",   "checkbox", "combobox",
                              "datepicker", "listbox",   "shape",     "frame",    "line",
                              "memobox",    "mmx",       "childtable"};

// Where item i stands: 40 columns of 150 twips, rows 450 twips apart.
std::pair<std::int32_t, std::int32_t> place(int i) {
    return {(i % 40) * 150, (i / 40) * 450};
}

template <class Row>
void insertItems(std::int32_t hdbc) {
    for (int i = 0; i < kItems; ++i) {
        Row r = storedRow<Row>(kKinds[i % std::size(kKinds)]);
        using C = ItemColumns<Row>;
        const auto [dx, dy] = place(i);
        r.*C::m01 = kNumber;
        setField(r.*C::m29, decimalText(i + 1));
        for (auto m : {C::m07, C::m11, C::m13}) r.*m += dx;
        for (auto m : {C::m08, C::m12, C::m14}) r.*m += dy;
        if constexpr (std::is_same_v<Row, ISITRecord>)
            sysISITInsertRecord(hdbc, r);
        else
            sysIJSTInsertRecord(hdbc, r);
    }
}

// A database with a 1024-item interface of the designer's kind, made once. Each is built before
// it is kept, so that it is closed before the SQL driver's globals go at exit.
std::unique_ptr<test::TestDb> makeBenchDb(DesignerKind kind) {
    auto db = std::make_unique<test::TestDb>();
    INDTRecord row{};
    row.id00 = kNumber;
    setField(row.id03, QStringLiteral("大界面"));
    setField(row.id05, kind == DesignerKind::ItemEntry ? "1" : "3");
    setField(row.id13, "9600");
    setField(row.id14, "24000");
    sysINDTInsertRecord(db->hdbc(), row);
    if (kind == DesignerKind::ItemEntry)
        insertItems<ISITRecord>(db->hdbc());
    else
        insertItems<IJSTRecord>(db->hdbc());
    return db;
}

test::TestDb& benchDb(DesignerKind kind) {
    if (kind == DesignerKind::ItemEntry) {
        static const auto entry = makeBenchDb(kind);
        return *entry;
    }
    static const auto search = makeBenchDb(kind);
    return *search;
}

// The same 1024 places as a form the loader reads: labels and line edits at pixel positions.
const QByteArray& uiText() {
    static const QByteArray text = [] {
        QByteArray ui =
            "<ui version=\"4.0\"><class>Form</class><widget class=\"QWidget\" "
            "name=\"Form\"><property name=\"geometry\"><rect><x>0</x><y>0</y>"
            "<width>1100</width><height>720</height></rect></property>";
        for (int i = 0; i < kItems; ++i) {
            const auto [x, y] = place(i);
            const char* cls = i % 2 ? "QLineEdit" : "QLabel";
            ui += QStringLiteral(
                      "<widget class=\"%1\" name=\"w%2\"><property name=\"geometry\">"
                      "<rect><x>%3</x><y>%4</y><width>133</width><height>24</height>"
                      "</rect></property><property name=\"text\"><string>『栏目%2』"
                      "</string></property></widget>")
                      .arg(QLatin1String(cls))
                      .arg(i)
                      .arg((1200 + x) / 15)
                      .arg((300 + y) / 15)
                      .toUtf8();
        }
        ui += "</widget></ui>";
        return ui;
    }();
    return text;
}

double openDesignerMs(DesignerKind kind, std::int32_t hdbc) {
    QElapsedTimer timer;
    timer.start();
    auto window = kind == DesignerKind::ItemEntry
                      ? std::unique_ptr<DesignerBase>(std::make_unique<frm_zelk_jmsj>())
                      : std::unique_ptr<DesignerBase>(std::make_unique<frm_zelk_jssj>());
    window->init(hdbc, kNumber);
    window->resize(1100, 720);
    window->show();
    benchmark::DoNotOptimize(window->grab());
    const double ms = timer.nsecsElapsed() / 1e6;
    window->forceUnload();
    return ms;
}

double loadUiMs() {
    QElapsedTimer timer;
    timer.start();
    QUiLoader loader;
    QBuffer buffer;
    buffer.setData(uiText());
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    form->show();
    benchmark::DoNotOptimize(form->grab());
    return timer.nsecsElapsed() / 1e6;
}

void BM_OpenDesignerAgainstFormLoader(benchmark::State& state) {
    const auto kind = static_cast<DesignerKind>(state.range(0));
    const std::int32_t hdbc = benchDb(kind).hdbc();
    double designer = 0, loader = 0;
    for (auto _ : state) {
        designer += openDesignerMs(kind, hdbc);
        loader += loadUiMs();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["designer_ms"] = designer / n;
    state.counters["uiloader_ms"] = loader / n;
    state.counters["ratio"] = loader > 0 ? designer / loader : 0;
    state.SetLabel(kind == DesignerKind::ItemEntry ? "frm_zelk_jmsj" : "frm_zelk_jssj");
}
BENCHMARK(BM_OpenDesignerAgainstFormLoader)
    ->Arg(static_cast<int>(DesignerKind::ItemEntry))
    ->Arg(static_cast<int>(DesignerKind::ItemSearch))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
