// Canvas gestures against floors measured in the same run: one press on a 1024-item canvas
// against the same walk with plain rectangle tests, and one group-drag step with 100 controls
// selected against 100 rectangles drawn on an image. The counter "ratio" is gesture over floor.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <memory>

#include "designer/frm_zelk_jssj.h"
#include "platform/screen.h"

using namespace zelk;

namespace {

constexpr int kItems = kMaxDesignItems;

// A designer with 1024 text boxes in 40 columns, each an item.
std::unique_ptr<frm_zelk_jssj> bigCanvas() {
    auto w = std::make_unique<frm_zelk_jssj>();
    w->load();
    w->PictureContainer->Move(240, 240, 40 * 300, 26 * 450);
    for (int i = 0; i < kItems; ++i) {
        auto& c = w->TextBoxArray.loadNext();
        c.Move((i % 40) * 300, (i / 40) * 450, 270, 300);
        const std::int32_t index = ++w->ItemCount;
        DesignItem& item = w->ItemTable[static_cast<std::size_t>(index)];
        item.ControlKind = 2;
        item.ArrayIndex = static_cast<std::int16_t>(c.Index());
        item.ItemNo = index;
        c.setTag(QString::number(index));
        c.show();
    }
    // Bands are drawn only inside a window on the screen.
    w->resize(1000, 700);
    w->show();
    return w;
}

// The floor of a press: the same walk over the canvas's children with a rectangle test each.
DesignControl* plainWalk(QWidget* layer, double x, double y) {
    const QObjectList& children = layer->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* box = qobject_cast<DesignBox*>(*it);
        if (box && box->Visible() &&
            QRectF(box->Left(), box->Top(), box->Width(), box->Height()).contains(x, y))
            return box;
    }
    return nullptr;
}

void BM_PressOn1024Items(benchmark::State& state) {
    auto w = bigCanvas();
    // The control met last in the walk: the first one loaded, at the back.
    const float x = 100, y = 100;
    double gesture = 0, floor = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        w->PictureContainer_MouseDown(1, 0, x, y);
        gesture += static_cast<double>(timer.nsecsElapsed());
        w->PictureContainer_MouseUp(1, 0, x, y);
        timer.start();
        benchmark::DoNotOptimize(plainWalk(w->PictureTest, x, y));
        floor += static_cast<double>(timer.nsecsElapsed());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["press_us"] = gesture / n / 1000;
    state.counters["floor_us"] = floor / n / 1000;
    state.counters["ratio"] = floor > 0 ? gesture / floor : 0;
}
BENCHMARK(BM_PressOn1024Items)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_GroupDragStepWith100Selected(benchmark::State& state) {
    auto w = bigCanvas();
    for (int i = 1; i <= 100; ++i) w->AddToSelection(&w->TextBoxArray[i]);
    w->PictureContainer_MouseDown(1, 0, 100, 100);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    double gesture = 0, floor = 0;
    float dx = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        dx += 15;
        timer.start();
        w->PictureContainer_MouseMove(1, 0, 100 + dx, 100);
        gesture += static_cast<double>(timer.nsecsElapsed());
        timer.start();
        {
            QPainter p(&image);
            p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            for (int i = 0; i < 100; ++i)
                p.drawRect((i % 40) * 20 + static_cast<int>(dx) % 50, (i / 40) * 30, 18, 20);
        }
        floor += static_cast<double>(timer.nsecsElapsed());
    }
    w->PictureContainer_MouseUp(1, 0, 100 + dx, 100);
    ClearScreenFrames();
    const double n = static_cast<double>(state.iterations());
    state.counters["step_us"] = gesture / n / 1000;
    state.counters["floor_us"] = floor / n / 1000;
    state.counters["ratio"] = floor > 0 ? gesture / floor : 0;
}
BENCHMARK(BM_GroupDragStepWith100Selected)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace
