// How long one rebuild of the window's drawing surface takes: it runs on
// every accepted edit, so it must feel instant.

#include "drawing/drawstyle.h"
#include "drawing/hostiledesign.h"
#include "drawing/picturesurface.h"
#include "files/designloader.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void runRebuild(benchmark::State &state, const RocketParams &design, const DrawStyle &style)
{
    PictureSurface surface(PictureSurface::sizeForHeight(1000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(surface.rebuild(design, style));
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void rebuildDefault(benchmark::State &state, ViewMode view)
{
    const LoadedDesign loaded = loadDesign(QStringLiteral(DEFAULT_DESIGN), 0).value();
    runRebuild(state, loaded.design, {loaded.colours, {view}});
}

void BM_RebuildDefaultPicture(benchmark::State &state)
{
    rebuildDefault(state, ViewMode::Picture);
}

void BM_RebuildDefaultDraft(benchmark::State &state)
{
    rebuildDefault(state, ViewMode::Draft);
}

void BM_RebuildHostilePicture(benchmark::State &state)
{
    runRebuild(state, hostileDesign(), {});
}

void BM_RebuildHostileDraft(benchmark::State &state)
{
    runRebuild(state, hostileDesign(), {{}, {ViewMode::Draft}});
}

} // namespace

BENCHMARK(BM_RebuildDefaultPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildDefaultDraft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildHostilePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildHostileDraft)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
