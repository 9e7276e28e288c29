// The 3D view's OpenGL work on the three-stage example: building the scene and compiling its
// two display lists (target under 50 ms), and one repaint while rotating, replaying the lists
// (target under 16 ms with the software renderer). Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <cstdio>

#include "viewer/ui/gl_scene_renderer.h"
#include "viewer/ui/gl_window.h"
#include "viewer_scene_project.h"

namespace {

using namespace vornel;

struct GlFixture {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    GlSceneRenderer renderer;
    bool ok = false;
    GlFixture() {
        context.setFormat(TglWindow::surfaceFormat());
        surface.setFormat(context.format());
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface)) return;
        fbo = std::make_unique<QOpenGLFramebufferObject>(
            870, 640, QOpenGLFramebufferObject::CombinedDepthStencil);
        fbo->bind();
        try {
            renderer.initialize(&context);
            ok = true;
        } catch (const EOpenGL&) {
        }
    }
};

void BM_BuildAndCompileThreeStage(benchmark::State& state) {
    GlFixture gl;
    if (!gl.ok) return state.SkipWithError("no OpenGL 1.1 context");
    bench::ThreeStageProject p;
    const TProgramData& d = p.project->data();
    const SceneExtents x = scene_extents(d);
    for (auto _ : state) {
        gl.renderer.compile(build_scene(d, {}, {}, x));
        gl.context.functions()->glFinish();
    }
    state.counters["vertices"] = double(gl.renderer.compiledVertices());
}
BENCHMARK(BM_BuildAndCompileThreeStage)->Unit(benchmark::kMillisecond);

void BM_RepaintWhileRotating(benchmark::State& state) {
    GlFixture gl;
    if (!gl.ok) return state.SkipWithError("no OpenGL 1.1 context");
    bench::ThreeStageProject p;
    const TProgramData& d = p.project->data();
    const SceneExtents x = scene_extents(d);
    ViewNavigation nav;
    nav.setBaseScale(870, 640, x);
    gl.renderer.compile(build_scene(d, {}, {}, x));
    for (auto _ : state) {
        nav.rx += 1;
        nav.rz += 2;
        gl.renderer.draw(nav, x, 870, 640);
        gl.context.functions()->glFinish();
    }
}
BENCHMARK(BM_RepaintWhileRotating)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Without a display the benchmarks report that they have no context instead of the
    // program failing to start, so `make bench` runs through on a headless machine.
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
