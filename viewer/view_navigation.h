// The 3D view's state and navigation, without a display: what is shown, the rotation, zoom,
// base scale and pan, the mouse modes and their effect, and the projection and model-view
// matrices the view draws with.
//
// Screen coordinates are pixels of the drawing surface, X to the right and Y down. The
// model-view matrix is captured at the end of each drawing; panning and rotating map the
// screen vector back into model axes through its first three columns, so a drag always moves
// the model the way the mouse goes, whatever the current rotation.
#pragma once

#include <QMatrix4x4>

#include "viewer/scene_3d.h"

namespace vornel {

enum class MouseMode { None = 0, Pan = 1, Zoom = 2, Rotate = 3, ZoomWindow = 4 };

struct OrthoBox {
    double left, right, bottom, top, nearPlane, farPlane;
};

class ViewNavigation {
  public:
    SceneOptions show;  // show flags, deformed-shape flags and factor
    double rx = 0, ry = 0, rz = 0;
    double zoom = 1.0;
    double scale = 1.0;  // base scale s, pixels per drawing unit at zoom 1
    double px = 0, py = 0, pz = 0;
    MouseMode mode = MouseMode::None;
    bool zoomWindowFlag = false;
    QMatrix4x4 captured;  // the model-view matrix in force at the end of the last drawing

    enum class Mouse { Idle, Pressed, Released };
    Mouse mouse = Mouse::Idle;
    double x0 = 0, y0 = 0, cx = 0, cy = 0;  // press point and current point
    bool banding = false;                   // a zoom window is being dragged
    bool leftPressed = false;               // the press was with the left button

    // The mode buttons: each also sets the zoom-window flag to whether "Zoom Window" is down.
    void setMode(MouseMode m);
    void zoomBy(double factor) { zoom *= factor; }
    void restart();  // angles 0, zoom 1, pan 0; the base scale stays

    // Base scale from the window's client area and the scene extents.
    void setBaseScale(double client_w, double client_h, const SceneExtents& x);
    static OrthoBox projection(double w, double v, const SceneExtents& x);
    QMatrix4x4 modelView(const SceneExtents& x) const;

    // Mouse events on a w x v surface; each returns whether the view must repaint.
    bool press(double X, double Y, bool left);
    bool move(double X, double Y, bool left_down, bool shift, double w, double v);
    bool release(double X, double Y, bool shift, double w, double v);

    // The axes' length in drawing units: 80 pixels on the screen whatever the zoom.
    double axisLength() const;

  private:
    bool update(double X, double Y, bool shift, double w, double v);
    Vec3 toModel(Vec3 u) const;  // (c0.u, c1.u, c2.u) of the captured matrix
    void panBy(double ux, double uy);
    double savedPx = 0, savedPy = 0, savedPz = 0, savedZoom = 1;
    double savedRx = 0, savedRy = 0, savedRz = 0;
};

// The deformation factor stepped along 1, 2, ..., 9 x 10^k; a factor of 0 or less gives 1.
double step_deformation_factor(double f, bool up);

}  // namespace vornel
