// TDlgBlock: the "3-D View" window. It shows the project as a solid model that the user turns,
// pans and zooms, and after an analysis the deflected wall scaled by a factor.
//
// The scene is compiled into two display lists only when they are stale (first activation,
// resize, a show option, a change in the deformed-shape dialog); every paint replays them, so
// navigation never rebuilds. The extents are computed once, at the first activation: edits to
// the project are drawn at the next rebuild, a changed extent in a newly opened view.
#pragma once

#include <QPointer>
#include <QWidget>
#include <set>

#include "viewer/scene_3d.h"
#include "viewer/ui/dlg_deformed_shape.h"
#include "viewer/ui/gl_window.h"
#include "viewer/view_navigation.h"

class QMenu;
class QPrinter;

namespace vornel {

class Project;
class Questions;

enum class ShowOption {
    Wall,
    SoilLayers,
    WaterLevel,
    AdditionalSurcharge,
    LateralSprings,
    TieBacks,
    ConcentratedLoads,
    BoundaryConditions
};

// The order of the "Show 3DView" menu's items, which is not the order of the flags.
inline constexpr ShowOption kShowMenuOrder[] = {ShowOption::Wall,
                                                ShowOption::SoilLayers,
                                                ShowOption::WaterLevel,
                                                ShowOption::AdditionalSurcharge,
                                                ShowOption::ConcentratedLoads,
                                                ShowOption::TieBacks,
                                                ShowOption::BoundaryConditions,
                                                ShowOption::LateralSprings};

// TDlgBlock is the "3-D View" window: the wall, the soil and the loads in three dimensions.
class TDlgBlock : public QWidget, public GlWindowOwner {
    Q_OBJECT
  public:
    TDlgBlock(Project& project, Questions& questions, QWidget* parent = nullptr);
    ~TDlgBlock() override;

    // The first deflection curve of the results (one point per node), or none.
    void setDeflection(DeflectionCurve curve);
    const DeflectionCurve& deflection() const { return deflection_; }

    ViewNavigation& navigation() { return nav_; }
    TglWindow* glWindow() const { return gl_; }
    const SceneExtents& extents() const { return extents_; }

    // ---- Operations of the main window's tools and "Show 3DView" menu ----
    void toggleShow(ShowOption option);
    bool isShown(ShowOption option) const;
    void RedrawComplete();  // lists stale, repaint
    void RedrawFigure();    // repaint with the lists as they are
    void Zooming(double factor);
    void ZoomIn() { Zooming(1.4142); }
    void ZoomOut() { Zooming(1 / 1.4142); }
    void RestartViewButtonClick();
    void setMouseMode(MouseMode mode);
    TDlgDeformedShape* DeformedShapeWindow();  // create when needed, and show
    TDlgDeformedShape* deformedShapeDialog() const { return dialog_; }

    // "Save Picture...": the current view as a PNG file.
    bool savePicture();
    bool savePicture(const QString& path);
    // "Print...": the current view on one page inside its margins; on a PDF file the engineer
    // names where no printer is installed.
    bool print();
    bool printOn(QPrinter& printer);
    QMenu* contextMenu() const { return menu_; }

    bool listsStale() const { return stale_; }
    int rebuildCount() const { return gl_->renderer().rebuilds(); }
    bool openGLFailed() const { return failed_; }
    // The scene as the next rebuild would draw it.
    Scene3d buildScene() const;

  protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void glRender() override;
    void glContextReady() override { stale_ = true; }
    void glFailed(const QString& message) override;
    void glMouseDown(QMouseEvent* e) override;
    void glMouseMove(QMouseEvent* e) override;
    void glMouseUp(QMouseEvent* e) override;
    void glContextMenu(const QPoint& global) override;
    void activate();
    void glSetupRC();
    void DrawFigure();
    void drawOverlay();

    Project& project_;
    Questions& q_;
    DeflectionCurve deflection_;
    ViewNavigation nav_;
    SceneExtents extents_;
    TglWindow* gl_ = nullptr;
    QMenu* menu_ = nullptr;
    QPointer<TDlgDeformedShape> dialog_;
    bool activated_ = false, stale_ = true, failed_ = false;
    std::set<QString> reported_;
};

}  // namespace vornel
