// Building the 3D scene of the three-stage example and tessellating it for the display lists:
// done on every rebuild (first activation, resize, show option, deformed shape), so it must
// stay well under 50 ms together with compiling the lists.
#include <benchmark/benchmark.h>

#include "viewer/scene_3d.h"
#include "viewer/scene_mesh.h"
#include "viewer_scene_project.h"

namespace {

using namespace vornel;

DeflectionCurve leaning_curve(int nodes) {
    DeflectionCurve c;
    for (int k = 0; k <= nodes; ++k) c.push_back({k * 6.0, 0.5 * (nodes - k) / nodes});
    return c;
}

void BM_BuildSceneThreeStage(benchmark::State& state) {
    bench::ThreeStageProject p;
    const TProgramData& d = p.project->data();
    const SceneExtents x = scene_extents(d);
    for (auto _ : state) {
        const Scene3d s = build_scene(d, {}, {}, x);
        benchmark::DoNotOptimize(tessellate(s.wall).vertexCount() +
                                 tessellate(s.soil).vertexCount());
    }
}
BENCHMARK(BM_BuildSceneThreeStage)->Unit(benchmark::kMillisecond);

void BM_BuildDeformedSceneThreeStage(benchmark::State& state) {
    bench::ThreeStageProject p;
    const TProgramData& d = p.project->data();
    const SceneExtents x = scene_extents(d);
    const DeflectionCurve c = leaning_curve(d.Increments);
    SceneOptions o;
    o.deformedShape = o.undeformedModel = true;
    for (auto _ : state) {
        const Scene3d s = build_scene(d, c, o, x);
        benchmark::DoNotOptimize(tessellate(s.wall).vertexCount() +
                                 tessellate(s.soil).vertexCount());
    }
}
BENCHMARK(BM_BuildDeformedSceneThreeStage)->Unit(benchmark::kMillisecond);

// A heavy case: a lateral load, a moment and an axial load at each of 101 nodes, drawn at
// every panel centre (about six thousand glyphs).
void BM_BuildSceneDenseLoads(benchmark::State& state) {
    bench::ThreeStageProject p;
    TProgramData& d = p.project->data();
    d.UseConcentratedLoads = true;
    TGridTable& t = d.tables().BoundCond;
    t.setRowCount(1);
    t.setInteger(col::kClFrom, 0, 0);
    t.setInteger(col::kClTo, 0, 100);
    t.setReal(col::kClLoad, 0, 1);
    t.setReal(col::kClMoment, 0, 1);
    t.setReal(col::kClAxial, 0, 1);
    const SceneExtents x = scene_extents(d);
    size_t vertices = 0;
    for (auto _ : state) {
        const Scene3d s = build_scene(d, {}, {}, x);
        vertices = tessellate(s.wall).vertexCount() + tessellate(s.soil).vertexCount();
        benchmark::DoNotOptimize(vertices);
    }
    state.counters["vertices"] = double(vertices);
}
BENCHMARK(BM_BuildSceneDenseLoads)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
