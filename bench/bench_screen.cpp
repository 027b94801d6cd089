// One live-loupe update at the pointer: read the pixels around it from the screen, pick (plain and
// 5 x 5 averaged), write its code in a CSS notation, and paint the magnified loupe with its grid and
// read-outs. A frame at 60 Hz lasts 16.7 ms; the aim is < 2 ms.
// Runs on the X11 display when DISPLAY is set (the real grab), offscreen otherwise.

#include "notations/code_writer.h"
#include "screen/loupe_painter.h"
#include "screen/screen_patch.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace pelmora;

void LoupeUpdate(benchmark::State& state)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const int zoom = static_cast<int>(state.range(0));
    const int averaged = static_cast<int>(state.range(1));
    LoupeLook look;
    look.zoom = zoom;
    look.averageSize = averaged;
    look.devicePixelRatio = screen->devicePixelRatio();
    const int size = LoupePatchSize(zoom);
    QImage target(
        (LoupeBounds(size, look).size() * look.devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(look.devicePixelRatio);
    const CodeWriter writer = WriterForChosenNotation("oklch", {});
    int step = 0;
    auto update = [&] {
        // The pointer wanders a little, as it does between two frames.
        const QPoint centre(200 + step % 40, 150 + step % 30);
        ++step;
        const ScreenPatch patch = GrabScreenPatch(screen, centre, size);
        const Color picked = patch.pickedColor(averaged);
        QPainter painter(&target);
        PaintLoupe(painter, QPointF(0, 0), patch.pixels, picked, look, {centre, LoupeCodeText(writer, picked)});
        painter.end();
        benchmark::DoNotOptimize(picked);
    };
    update(); // the first one loads the fonts, once for the whole pick
    for (auto _ : state)
        update();
    state.SetLabel(QGuiApplication::platformName().toStdString());
}
BENCHMARK(LoupeUpdate)->Args({10, 1})->Args({10, 5})->Args({4, 1})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // Something to read: a window of colour under the loupe's path.
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    window.setStyleSheet(
        QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #204080, stop:1 #e0a030)"));
    window.show();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
