// Replays the 3D scene with OpenGL 1.1: compiles the scene's two lists (wall, loads and
// supports; soil and water) into display lists and draws a frame from them with the view's
// projection and model-view. Works on any current compatibility-profile context, so the view
// and the benchmarks share it.
#pragma once

#include <QMatrix4x4>
#include <functional>
#include <stdexcept>

#include "viewer/scene_3d.h"
#include "viewer/view_navigation.h"

class QOpenGLContext;
class QOpenGLFunctions_1_1;

namespace vornel {

// A drawing surface or OpenGL operation that failed; the message is shown to the user.
class EOpenGL : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

namespace gl_text {
inline constexpr char kChoosePixelFormat[] = "ChoosePixelFormat failed";
inline constexpr char kSetPixelFormat[] = "SetPixelFormat failed";
inline constexpr char kBetweenBeginEnd[] =
    "operation cannot be performed between glBegin and glEnd";
}  // namespace gl_text

class GlSceneRenderer {
  public:
    using Resolver = std::function<QOpenGLFunctions_1_1*(QOpenGLContext*)>;

    // Resolves the OpenGL 1.1 functions of the current context; EOpenGL when it has none.
    void initialize(QOpenGLContext* context, const Resolver& resolver = {});
    bool ready() const { return f_ != nullptr; }

    // Records the scene into the two display lists (created on first use).
    void compile(const Scene3d& scene);
    // Draws one frame on a w x v surface (in pixels of the surface; `ratio` device pixels to
    // each) and captures the model-view matrix in `nav`.
    void draw(ViewNavigation& nav, const SceneExtents& x, int w, int v, double ratio = 1.0);
    // Raises EOpenGL for an invalid operation reported by OpenGL.
    void checkError();

    int rebuilds() const { return rebuilds_; }
    size_t compiledVertices() const { return vertices_; }
    // Projection x model-view of the last frame: model point to normalised device coordinates.
    const QMatrix4x4& lastTransform() const { return transform_; }

  private:
    void record(unsigned list, const std::vector<ScenePrimitive>& primitives);
    void drawAxes(const ViewNavigation& nav);

    QOpenGLFunctions_1_1* f_ = nullptr;
    unsigned wallList_ = 0, soilList_ = 0;
    int rebuilds_ = 0;
    size_t vertices_ = 0;
    QMatrix4x4 transform_;
};

}  // namespace vornel
