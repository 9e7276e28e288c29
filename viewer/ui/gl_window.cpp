#include "viewer/ui/gl_window.h"

#include <QContextMenuEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace vornel {

QSurfaceFormat TglWindow::surfaceFormat() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setDepthBufferSize(24);
    return f;
}

TglWindow::TglWindow(GlWindowOwner& owner, QWidget* parent) : QOpenGLWidget(parent), owner_(owner) {
    setFormat(surfaceFormat());
    setMouseTracking(false);
}

TglWindow::~TglWindow() = default;

void TglWindow::initializeGL() {
    // A new context (first show, or after the widget moved to another window) holds no
    // display lists: the owner rebuilds them.
    try {
        renderer_.initialize(context(), resolver_);
        owner_.glContextReady();
    } catch (const EOpenGL& e) {
        owner_.glFailed(QString::fromLatin1(e.what()));
    }
}

void TglWindow::paintGL() {
    if (!renderer_.ready()) {
        // Nothing to draw with: a white surface rather than whatever the buffer held.
        if (QOpenGLContext* c = context(); c && c->isValid()) {
            c->functions()->glClearColor(1, 1, 1, 1);
            c->functions()->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        }
        return;
    }
    owner_.glRender();
}

void TglWindow::contextMenuEvent(QContextMenuEvent* e) {
    owner_.glContextMenu(e->globalPos());
}

}  // namespace vornel
