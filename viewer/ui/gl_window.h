// TglWindow: the drawing surface of the 3D view, an OpenGL widget in a compatibility-profile
// context (OpenGL 1.1 with display lists), double-buffered, RGBA with a depth buffer. It hands
// painting and the mouse to its owner and reports a context it cannot use as a message,
// never a crash.
#pragma once

#include <QOpenGLWidget>

#include "viewer/ui/gl_scene_renderer.h"

namespace vornel {

class GlWindowOwner {
  public:
    virtual ~GlWindowOwner() = default;
    virtual void glRender() = 0;  // paint: rebuild the lists when stale, draw the frame
    virtual void glContextReady() = 0;
    virtual void glFailed(const QString& message) = 0;
    virtual void glMouseDown(QMouseEvent* e) = 0;
    virtual void glMouseMove(QMouseEvent* e) = 0;
    virtual void glMouseUp(QMouseEvent* e) = 0;
    virtual void glContextMenu(const QPoint& global) = 0;
};

class TglWindow : public QOpenGLWidget {
    Q_OBJECT
  public:
    explicit TglWindow(GlWindowOwner& owner, QWidget* parent = nullptr);
    ~TglWindow() override;

    GlSceneRenderer& renderer() { return renderer_; }
    // Tests replace how the OpenGL 1.1 functions are found, to see a context without them.
    void setResolver(GlSceneRenderer::Resolver r) { resolver_ = std::move(r); }
    static QSurfaceFormat surfaceFormat();

  protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* e) override { owner_.glMouseDown(e); }
    void mouseMoveEvent(QMouseEvent* e) override { owner_.glMouseMove(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { owner_.glMouseUp(e); }
    void contextMenuEvent(QContextMenuEvent* e) override;

  private:
    GlWindowOwner& owner_;
    GlSceneRenderer renderer_;
    GlSceneRenderer::Resolver resolver_;
};

}  // namespace vornel
