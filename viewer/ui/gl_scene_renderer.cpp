#include "viewer/ui/gl_scene_renderer.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>

#include "viewer/scene_mesh.h"

namespace vornel {

namespace {

GLenum gl_mode(DrawMode m) {
    switch (m) {
        case DrawMode::Lines:
            return GL_LINES;
        case DrawMode::LineLoop:
            return GL_LINE_LOOP;
        case DrawMode::Triangles:
            return GL_TRIANGLES;
    }
    return GL_LINES;
}

}  // namespace

void GlSceneRenderer::initialize(QOpenGLContext* context, const Resolver& resolver) {
    f_ = nullptr;
    wallList_ = soilList_ = 0;
    if (!context || !context->isValid()) throw EOpenGL(gl_text::kChoosePixelFormat);
    f_ = resolver ? resolver(context)
                  : QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context);
    if (!f_) throw EOpenGL(gl_text::kSetPixelFormat);
    f_->initializeOpenGLFunctions();
}

void GlSceneRenderer::checkError() {
    if (!f_) return;
    bool invalid = false;
    // Drain every pending error so a stale one is not reported twice.
    for (int i = 0; i < 16; ++i) {
        const GLenum e = f_->glGetError();
        if (e == GL_NO_ERROR) break;
        if (e == GL_INVALID_OPERATION) invalid = true;
    }
    if (invalid) throw EOpenGL(gl_text::kBetweenBeginEnd);
}

void GlSceneRenderer::record(unsigned list, const std::vector<ScenePrimitive>& primitives) {
    const SceneMesh mesh = tessellate(primitives);
    vertices_ += mesh.vertexCount();
    f_->glNewList(list, GL_COMPILE);
    for (const DrawBatch& b : mesh.batches) {
        if (b.blend) {
            f_->glEnable(GL_BLEND);
            f_->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else {
            f_->glDisable(GL_BLEND);
        }
        f_->glColor4d(b.color.r, b.color.g, b.color.b, b.color.a);
        f_->glBegin(gl_mode(b.mode));
        for (const Vec3& v : b.vertices) f_->glVertex3d(v.x, v.y, v.z);
        f_->glEnd();
    }
    f_->glDisable(GL_BLEND);
    f_->glEndList();
}

void GlSceneRenderer::compile(const Scene3d& scene) {
    if (!f_) return;
    if (wallList_ == 0) {
        wallList_ = f_->glGenLists(2);
        soilList_ = wallList_ + 1;
    }
    vertices_ = 0;
    record(wallList_, scene.wall);
    record(soilList_, scene.soil);
    ++rebuilds_;
    checkError();
}

void GlSceneRenderer::draw(ViewNavigation& nav, const SceneExtents& x, int w, int v, double ratio) {
    if (!f_) return;
    f_->glViewport(0, 0, int(w * ratio), int(v * ratio));
    f_->glClearColor(1, 1, 1, 1);
    f_->glMatrixMode(GL_PROJECTION);
    const OrthoBox o = ViewNavigation::projection(w, v, x);
    QMatrix4x4 projection;
    projection.ortho(float(o.left), float(o.right), float(o.bottom), float(o.top),
                     float(o.nearPlane), float(o.farPlane));
    f_->glLoadMatrixf(projection.constData());
    f_->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    f_->glMatrixMode(GL_MODELVIEW);
    nav.captured = nav.modelView(x);
    f_->glLoadMatrixf(nav.captured.constData());
    transform_ = projection * nav.captured;
    f_->glShadeModel(GL_SMOOTH);
    f_->glDisable(GL_LIGHTING);
    f_->glDisable(GL_TEXTURE_2D);
    f_->glEnable(GL_DEPTH_TEST);
    f_->glDepthFunc(GL_LEQUAL);
    f_->glEnable(GL_CULL_FACE);
    f_->glCullFace(GL_BACK);
    f_->glFrontFace(GL_CCW);
    // Faces a little behind their own edges, so the outlines stay visible.
    f_->glEnable(GL_POLYGON_OFFSET_FILL);
    f_->glPolygonOffset(1, 1);
    if (wallList_) {
        f_->glCallList(wallList_);
        f_->glCallList(soilList_);
    }
    f_->glDisable(GL_POLYGON_OFFSET_FILL);
    f_->glDisable(GL_DEPTH_TEST);
    f_->glDisable(GL_CULL_FACE);
    drawAxes(nav);
    checkError();
}

void GlSceneRenderer::drawAxes(const ViewNavigation& nav) {
    const double l = nav.axisLength();
    f_->glLineWidth(2);
    f_->glBegin(GL_LINES);
    f_->glColor4d(0, 0, 1, 1);
    f_->glVertex3d(0, 0, 0);
    f_->glVertex3d(l, 0, 0);
    f_->glColor4d(0, 1, 0, 1);
    f_->glVertex3d(0, 0, 0);
    f_->glVertex3d(0, l, 0);
    f_->glColor4d(1, 0, 0, 1);
    f_->glVertex3d(0, 0, 0);
    f_->glVertex3d(0, 0, -l);
    f_->glEnd();
    f_->glLineWidth(1);
}

}  // namespace vornel
