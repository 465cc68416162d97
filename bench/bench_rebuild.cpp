// How long one rebuild of the window's drawing surface takes: it runs on
// every accepted edit, so it must feel instant.

#include "core/settings.h"
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

// What a damaged or malicious file can hold: a nose far longer than the
// sheet, a vast span, an absurd fin count and a name of many thousand letters.
void loadHostileDesign()
{
    settings::reset();
    RocketParams &r = settings::rocket;
    r.rocketName = QString(50000, u'Ж');
    r.noseShape = QStringLiteral("ogive");
    r.noseLength = 1e6;
    r.bodyDiameter = 1;
    r.bodyLength = -999500;
    r.finCount = 1e308;
    r.finPosition = 100;
    r.finSpan = 1e9;
    r.rootChord = 50;
    r.tipChord = 20;
    r.tipOffset = 1e7;
    r.cgPosition = 1e300;
    r.inscription = QString(100000, u'x');
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
