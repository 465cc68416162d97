// How long one rebuild of the window's drawing surface takes: it runs on
// every accepted edit, so it must feel instant.

#include "core/settings.h"
#include "drawing/hostiledesign.h"
#include "drawing/picturesurface.h"
#include "files/parameterfile.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void loadDefaultDesign(ViewMode view)
{
    settings::reset();
    filer::readParameterFile(QStringLiteral(DEFAULT_DESIGN));
    readFieldsIntoRecord(tableValues(settings::fieldTable), settings::rocket, settings::accuracy);
    settings::viewMode = view;
}

void runRebuild(benchmark::State &state)
{
    PictureSurface surface(PictureSurface::sizeForHeight(1000));
    for (auto _ : state) {
        surface.rebuild();
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void BM_RebuildDefaultPicture(benchmark::State &state)
{
    loadDefaultDesign(ViewMode::Picture);
    runRebuild(state);
}

void BM_RebuildDefaultDraft(benchmark::State &state)
{
    loadDefaultDesign(ViewMode::Draft);
    runRebuild(state);
}

void BM_RebuildHostilePicture(benchmark::State &state)
{
    loadHostileDesign();
    runRebuild(state);
}

void BM_RebuildHostileDraft(benchmark::State &state)
{
    loadHostileDesign();
    settings::viewMode = ViewMode::Draft;
    runRebuild(state);
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
