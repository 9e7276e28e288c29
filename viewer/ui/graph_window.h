// TGraphWindow: the window of one result graph, a child window of the main window.
//
// Opening computes the ranges, makes the first 20 curves active, builds the legend box and the
// Plot menu and places the legend at the bottom right of the plot area. The client area
// (TGraphCanvas) draws through GraphPainter; the legend box floats over it. The Plot menu holds
// fifteen fixed entries (display switches, the envelope of the result sets, markers, font size,
// line width, the graph title, legend and active-curve dialogs, printing, page setup, saving a
// picture), then one entry per active curve. The window changes only the graph's display settings,
// curve flags and names and its title; closing it frees the window and keeps the graph.
//
// Printing draws on a QPrinter through the viewer's page printing; where no printer is
// installed, Print asks for a PDF file and prints into it (Page Setup works for that PDF too).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "viewer/graph_layout.h"
#include "viewer/graph_view.h"

class QAction;
class QActionGroup;
class QMenu;
class QPrinter;

namespace vornel {

class Questions;
class TGraphCanvas;
class TLegendBox;

// The fixed entries of the Plot menu, in menu order (separators count as entries).
enum class PlotEntry : int {
    ShowLegend,
    ShowSoilLayer,
    ShowWall,
    ShowEnvelope,
    Markers,
    FontSize,
    LineWidth,
    Separator1,
    GraphTitle,
    EditLegend,
    ActiveCurves,
    Separator2,
    Print,
    PageSetup,
    SaveToDisk
};
inline constexpr int kPlotFixedEntries = 15;

class TGraphWindow : public QMainWindow {
    Q_OBJECT
  public:
    TGraphWindow(TGraphPlot& graph, Questions& questions, QWidget* parent = nullptr);
    ~TGraphWindow() override;

    // Ranges, active curves, legend and menu; false when a range cannot be drawn (the window
    // is then not shown).
    bool openGraph();

    TGraphPlot& graph() const { return view_.graph(); }
    GraphView& view() { return view_; }
    TGraphCanvas* canvas() const { return canvas_; }
    TLegendBox* legend() const { return legend_; }
    const GraphLayout& layout() const;
    QMenu* plotMenu() const { return plotMenu_; }
    QAction* entry(PlotEntry e) const;
    QList<QAction*> curveEntries() const;

    PageMargins margins;  // thousandths of an inch
    QPrinter& printer();
    // The layout printing uses on the window's printer.
    GraphLayout printLayout();

    // ---- Plot menu commands ----
    void toggleLegend();
    void toggleLayers();
    void toggleWall();
    // Offered on a deflection, moment or shear graph of several result sets.
    void toggleEnvelope();
    void setMarkers(int n);
    void setFontSize(int tenths);
    void setLineWidth(int factor);
    void toggleCurve(int curve);
    void editTitle();
    void editLegend();
    void editActiveCurves();
    void print();
    void pageSetup();
    void saveToDisk();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildMenu();
    QMenu* choiceMenu(const QString& title, const QList<QPair<QString, int>>& items,
                      void (TGraphWindow::*set)(int));
    void refreshMenu();
    void rebuildLegend();
    void rebuildCurveEntries();
    void fitLegend();
    void placeLegend();
    void rememberLegendPlace();
    void relayout();

    GraphView view_;
    Questions* questions_;
    std::unique_ptr<QPrinter> printer_;
    TGraphCanvas* canvas_ = nullptr;
    TLegendBox* legend_ = nullptr;
    QMenu* plotMenu_ = nullptr;
    QMenu *markersMenu_ = nullptr, *fontMenu_ = nullptr, *widthMenu_ = nullptr;
    QList<QAction*> fixed_;
    QList<QAction*> curves_;
    // Until the window has come up at its size (maximised in the main window) or the user
    // dragged the legend, the legend follows the plot's bottom right corner.
    bool legendSettled_ = false;
};

}  // namespace vornel
