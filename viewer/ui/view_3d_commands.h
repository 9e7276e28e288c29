// View3dCommands: what the main window calls for the 3D view. It holds at most one view,
// opens it on "3D View", forwards the tool buttons and the "Show 3DView" menu to it, and says
// when the view opens or closes so that the main window shows those tools and that menu only
// while it is open. The deflection curve is handed over whenever results are read.
#pragma once

#include <QObject>
#include <QPointer>

#include "viewer/ui/dlg_block.h"

class QAction;
class QMdiArea;
class QMenu;

namespace vornel {

class TGraphPlot;

class View3dCommands : public QObject {
    Q_OBJECT
  public:
    View3dCommands(Project& project, View3dQuestions& questions, QObject* parent = nullptr);
    ~View3dCommands() override;

    // "3D View": creates the view when none is open (in `area` when given, else as its own
    // window), shows it and brings it to the front.
    TDlgBlock* open(QMdiArea* area = nullptr);
    bool isOpen() const { return !view_.isNull(); }
    TDlgBlock* view() const { return view_; }
    void close();  // New and Open close every child window

    // The first deflection curve of the results (depth, deflection as the graph holds them),
    // empty when there are no results. "Deformed Shape" is enabled only while it has more
    // than one point.
    void setDeflection(DeflectionCurve curve);
    // The same from the deflection graph: its first curve (after each read of the plot file).
    void setDeflection(const TGraphPlot& pltDef);
    bool deformedShapeEnabled() const { return deflection_.size() > 1; }

    // Tool buttons: "Panning", "Zoom Window", "Zooming", "Rotating" (mouse modes), "Zoom In",
    // "Zoom Out", "Restart View", "Deformed Shape". Without an open view they do nothing.
    void panning() { setMode(MouseMode::Pan); }
    void zoomWindow() { setMode(MouseMode::ZoomWindow); }
    void zooming() { setMode(MouseMode::Zoom); }
    void rotating() { setMode(MouseMode::Rotate); }
    void zoomIn();
    void zoomOut();
    void restartView();
    void deformedShape();
    MouseMode mouseMode() const;

    // "Show 3DView" menu items and their check marks.
    void toggleShow(ShowOption option);
    bool isShown(ShowOption option) const;

    // Ready-made for the main window. The "Show 3DView" menu's items in its order, checked by
    // the view's flags each time it opens; the menu is visible only while the view is open.
    void fillShowMenu(QMenu* menu);
    // The eight tool actions in toolbar order (the four mouse modes checkable and exclusive),
    // visible only while the view is open; "Deformed Shape" enabled only with a curve.
    QList<QAction*> createToolActions(QObject* parent);

  signals:
    void openChanged(bool open);

  private:
    void setMode(MouseMode m);

    Project& project_;
    View3dQuestions& q_;
    DeflectionCurve deflection_;
    QPointer<TDlgBlock> view_;
    QPointer<QWidget> frame_;  // the view itself, or its sub-window in an MDI area
    QList<QPointer<QAction>> deformedActions_;
};

namespace view3d_text {
inline constexpr char kMenu[] = "Show 3DView";
// Indexed by ShowOption.
inline constexpr const char* kShowItems[] = {"Wall",
                                             "Soil Layers",
                                             "Water Level",
                                             "Additional Surcharge",
                                             "Lateral Springs",
                                             "Tie Backs",
                                             "Concentrated Loads",
                                             "Boundary Conditions"};
inline constexpr const char* kTools[] = {"Panning",      "Zoom Window",   "Zooming",
                                         "Rotating",     "Zoom In",       "Zoom Out",
                                         "Restart View", "Deformed Shape"};
}  // namespace view3d_text

}  // namespace vornel
