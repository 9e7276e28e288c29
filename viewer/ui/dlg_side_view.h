// TDlgSideView: the "Side View" child window, an elevation of the wall and its soil.
//
// It reads the project (scalars and tables) on every activation and writes nothing back. The
// drawing fills the area below the "Wall Profile" label and the "Print" button; moving the
// pointer over it shows the depth under the pointer in the caption. "Print" prints the drawing
// on a landscape page titled "Soil-Pile Profile"; where no printer is installed the page goes
// to a PDF file whose name the questions interface asks for.
//
// The main window creates it on "&View Wall Geometry" when it holds none, passes the
// earth-pressure point count of the loaded plot file, shows it (as a top-level child or in its
// document area with QMdiArea::addSubWindow; either way it rebuilds on activation) and forgets
// it on `closed` (the window deletes itself when closed). It keeps a reference to the Project,
// not to its data, so a project replaced by New or Open is read afresh; the main window closes
// the view on New and Open all the same, as it closes every child window.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "viewer/profile_drawing.h"
#include "viewer/profile_geometry.h"

class QLabel;
class QPushButton;
class QPrinter;

namespace vornel {

class Project;
class Questions;

class TDlgSideView : public QWidget {
    Q_OBJECT
  public:
    TDlgSideView(Project& project, Questions& questions, QWidget* parent = nullptr);
    ~TDlgSideView() override;

    // Earth-pressure point count of the loaded plot file; more than one shows the p-y nodes.
    void setEarthPressurePoints(int count);
    int earthPressurePoints() const { return earth_points_; }

    // Rebuild from the project and repaint (also done on every activation and show).
    void FormActivate();
    // "Print": the drawing on the default printer, or on a PDF file when none is installed.
    void Button1Click();
    // Draws the printed page on `printer` (landscape, titled); false when it cannot be begun.
    bool printOn(QPrinter& printer);

    const ProfileGeometry& geometry() const { return geometry_; }
    // What the drawing area shows now (its size is the drawing area's).
    ProfileDrawing drawing() const;
    QWidget* canvas() const;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;

  signals:
    void closed();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    class Canvas;
    friend class Canvas;
    void canvasResized(QSize size);
    void pointerMoved(QPointF pixel);
    QString suggestedPdfName() const;
    bool printToPdf(const QString& path);

    Project& project_;
    Questions& questions_;
    ProfileGeometry geometry_;
    int earth_points_ = 0;
    Canvas* canvas_ = nullptr;
};

namespace side_view_text {
inline constexpr char kCaption[] = "Side View";
inline constexpr char kLabel[] = "Wall Profile";
inline constexpr char kPrint[] = "Print";
inline constexpr char kPrintFailed[] = "The profile could not be printed on %1.";
inline constexpr char kPdfDialogTitle[] = "Print Soil-Pile Profile to PDF";
}  // namespace side_view_text

}  // namespace vornel
