#include "viewer/ui/graph_window.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>

#include "editor/questions.h"
#include "viewer/graph_envelope.h"
#include "viewer/ui/graph_canvas.h"
#include "viewer/ui/legend_box.h"

namespace vornel {

TGraphWindow::TGraphWindow(TGraphPlot& graph, Questions& questions, QWidget* parent)
    : QMainWindow(parent), view_(graph), questions_(&questions) {
    graph.WindowExists = true;
    setWindowTitle(graph.Caption);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    canvas_ = new TGraphCanvas(view_, this);
    setCentralWidget(canvas_);
    legend_ = new TLegendBox(canvas_);
    legend_->hide();
    canvas_->onReadOut = [this](const QString& text) { setWindowTitle(text); };
    // The legend's place is kept as a fraction of the client area: a window made small for a
    // moment (restored, another child maximised) squeezes the box inside without losing where
    // the engineer put it, and the page and picture use the same place.
    canvas_->onResized = [this] {
        if (!legendSettled_ || !view_.legendFraction) return placeLegend();
        const QPointF f = *view_.legendFraction;
        legend_->move(qRound(f.x() * canvas_->width()), qRound(f.y() * canvas_->height()));
        legend_->keepInside();
    };
    legend_->onToggle = [this](int curve) {
        curve == kEnvelopeLegendItem ? toggleEnvelope() : toggleCurve(curve);
    };
    legend_->onMoved = [this] {
        legendSettled_ = true;
        rememberLegendPlace();
    };
    buildMenu();
}

TGraphWindow::~TGraphWindow() {
    view_.graph().WindowExists = false;
}

void TGraphWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, [this] { legendSettled_ = true; });
}

const GraphLayout& TGraphWindow::layout() const {
    return canvas_->layout();
}

QAction* TGraphWindow::entry(PlotEntry e) const {
    return fixed_.value(static_cast<int>(e));
}

QList<QAction*> TGraphWindow::curveEntries() const {
    return curves_;
}

QPrinter& TGraphWindow::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool TGraphWindow::openGraph() {
    if (!view_.open()) return false;
    setWindowTitle(graph().Caption);
    canvas_->relayout();
    rebuildLegend();
    rebuildCurveEntries();
    placeLegend();
    return true;
}

QMenu* TGraphWindow::choiceMenu(const QString& title, const QList<QPair<QString, int>>& items,
                                void (TGraphWindow::*set)(int)) {
    auto* menu = new QMenu(title, plotMenu_);
    auto* group = new QActionGroup(menu);
    for (const auto& [text, value] : items) {
        QAction* a = menu->addAction(text);
        a->setCheckable(true);
        a->setData(value);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, set, v = value] { (this->*set)(v); });
    }
    return menu;
}

void TGraphWindow::buildMenu() {
    plotMenu_ = menuBar()->addMenu(tr("&Plot"));
    auto add = [this](const QString& text, void (TGraphWindow::*slot)(), bool checkable) {
        QAction* a = plotMenu_->addAction(text);
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, slot);
        fixed_ << a;
    };
    add(tr("Show &Legend"), &TGraphWindow::toggleLegend, true);
    add(tr("Show &Soil Layer"), &TGraphWindow::toggleLayers, true);
    add(tr("Show &Wall Geometry"), &TGraphWindow::toggleWall, true);
    add(tr("Show En&velope"), &TGraphWindow::toggleEnvelope, true);
    markersMenu_ = choiceMenu(tr("Show &Markers"),
                              {{tr("&Never"), 0},
                               {tr("Every &Increment"), 1},
                               {tr("Every &2 Increments"), 2},
                               {tr("Every &3 Incrments"), 3},
                               {tr("Every &5 Increments"), 5},
                               {tr("Every &10 Incements"), 10}},
                              &TGraphWindow::setMarkers);
    fontMenu_ = choiceMenu(tr("&Font Size"),
                           {{tr("&Default"), 10},
                            {tr("1.5 * Default"), 15},
                            {tr("2 * Default"), 20},
                            {tr("2.5 * Default"), 25},
                            {tr("3 * Default"), 30},
                            {tr("4 * Default"), 40}},
                           &TGraphWindow::setFontSize);
    widthMenu_ = choiceMenu(tr("&Line Width"),
                            {{tr("&Default"), 1},
                             {tr("2 * Default"), 2},
                             {tr("4 * Default"), 4},
                             {tr("6 * Default"), 6},
                             {tr("10 * Default"), 10}},
                            &TGraphWindow::setLineWidth);
    for (QMenu* m : {markersMenu_, fontMenu_, widthMenu_}) fixed_ << plotMenu_->addMenu(m);
    fixed_ << plotMenu_->addSeparator();
    add(tr("&Graph Title"), &TGraphWindow::editTitle, false);
    add(tr("&Edit Legend"), &TGraphWindow::editLegend, false);
    add(tr("&Active Curves"), &TGraphWindow::editActiveCurves, false);
    fixed_ << plotMenu_->addSeparator();
    add(tr("&Print..."), &TGraphWindow::print, false);
    add(tr("P&age Setup"), &TGraphWindow::pageSetup, false);
    add(tr("&Save To Disk..."), &TGraphWindow::saveToDisk, false);
    connect(plotMenu_, &QMenu::aboutToShow, this, &TGraphWindow::refreshMenu);
    refreshMenu();
}

// Ticks and offering rules from the graph. Print and Page Setup stay enabled without a
// printer: they then print into a PDF file.
void TGraphWindow::refreshMenu() {
    const TGraphPlot& g = graph();
    entry(PlotEntry::ShowLegend)->setChecked(g.ShowLegend);
    entry(PlotEntry::ShowSoilLayer)->setVisible(g.hasLayerLines());
    entry(PlotEntry::ShowSoilLayer)->setChecked(g.ShowLayers);
    entry(PlotEntry::ShowWall)->setVisible(g.WallLineCount > 0);
    entry(PlotEntry::ShowWall)->setEnabled(g.ShowLayers);
    entry(PlotEntry::ShowWall)->setChecked(g.ShowWall);
    entry(PlotEntry::ShowEnvelope)->setVisible(envelope_offered(g));
    entry(PlotEntry::ShowEnvelope)->setChecked(g.ShowEnvelope);
    entry(PlotEntry::FontSize)->setVisible(g.ShowFontWidth);
    entry(PlotEntry::LineWidth)->setVisible(g.ShowFontWidth);
    const std::pair<QMenu*, int> ticks[] = {
        {markersMenu_, g.Markers}, {fontMenu_, g.SizeFont}, {widthMenu_, g.WidthLine}};
    for (const auto& [menu, value] : ticks)
        for (QAction* a : menu->actions()) a->setChecked(a->data().toInt() == value);
    for (QAction* a : curves_) a->setChecked(g.curve(a->data().toInt()).Shown);
}

// Existing entries overwritten in place, missing ones added, surplus ones deleted.
void TGraphWindow::rebuildCurveEntries() {
    const std::vector<int> active = graph().activeCurves();
    while (curves_.size() > static_cast<qsizetype>(active.size())) delete curves_.takeLast();
    for (size_t k = 0; k < active.size(); ++k) {
        const int i = active[k];
        if (static_cast<qsizetype>(k) == curves_.size()) {
            QAction* a = plotMenu_->addAction(QString());
            a->setCheckable(true);
            connect(a, &QAction::triggered, this, [this, a] { toggleCurve(a->data().toInt()); });
            curves_ << a;
        }
        QAction* a = curves_[static_cast<qsizetype>(k)];
        a->setData(i);
        a->setText(graph().legendText(i));
        a->setChecked(graph().curve(i).Shown);
    }
}

void TGraphWindow::rebuildLegend() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(std::max(1, graph().LegendFont * logicalDpiY() * graph().SizeFont / 720));
    legend_->setFont(f);
    legend_->setItems(view_.legendItems());
    fitLegend();
    legend_->setVisible(graph().curveCount() > 0 && graph().ShowLegend);
}

void TGraphWindow::fitLegend() {
    legend_->resize(
        view_.legendBoxSize(legend_->fontMetrics(), legend_->itemHeight(), canvas_->logicalDpiX()));
    legend_->keepInside();
}

void TGraphWindow::placeLegend() {
    const PixelBox& plot = layout().plot;
    legend_->move(plot.right - legend_->width(), plot.bottom - legend_->height());
    legend_->keepInside();
    rememberLegendPlace();
}

// Pages and pictures put the legend at the same fraction of their size.
void TGraphWindow::rememberLegendPlace() {
    if (canvas_->width() <= 0 || canvas_->height() <= 0) return;
    view_.legendFraction =
        QPointF(double(legend_->x()) / canvas_->width(), double(legend_->y()) / canvas_->height());
}

void TGraphWindow::relayout() {
    canvas_->relayout();
    legend_->keepInside();
    rememberLegendPlace();
}

void TGraphWindow::toggleLegend() {
    graph().ShowLegend = !graph().ShowLegend;
    legend_->setVisible(graph().curveCount() > 0 && graph().ShowLegend);
}

void TGraphWindow::toggleLayers() {
    graph().ShowLayers = !graph().ShowLayers;
    relayout();
}

void TGraphWindow::toggleWall() {
    graph().ShowWall = !graph().ShowWall;
    relayout();
}

// Result sets whose stations differ are not paired: the engineer is told why, and the entry
// stays unticked.
void TGraphWindow::toggleEnvelope() {
    TGraphPlot& g = graph();
    if (!g.ShowEnvelope) {
        if (const QString why = envelope_refusal(g); !why.isEmpty()) {
            entry(PlotEntry::ShowEnvelope)->setChecked(false);
            return questions_->inform(why, {});
        }
    }
    g.ShowEnvelope = !g.ShowEnvelope;
    entry(PlotEntry::ShowEnvelope)->setChecked(g.ShowEnvelope);
    // The box grows and shrinks about its bottom right corner, so that a legend in the plot's
    // corner stays in it.
    const QPoint corner = legend_->geometry().bottomRight();
    legend_->setItems(view_.legendItems());
    fitLegend();
    legend_->move(corner - QPoint(legend_->width() - 1, legend_->height() - 1));
    legend_->keepInside();
    rememberLegendPlace();
    canvas_->update();
}

void TGraphWindow::setMarkers(int n) {
    graph().Markers = n;
    canvas_->update();
}

void TGraphWindow::setFontSize(int tenths) {
    graph().SizeFont = tenths;
    rebuildLegend();
    relayout();
}

void TGraphWindow::setLineWidth(int factor) {
    graph().WidthLine = factor;
    canvas_->update();
}

void TGraphWindow::toggleCurve(int curve) {
    if (curve < 0 || curve >= graph().curveCount()) return;
    TLine& c = graph().curve(curve);
    c.Shown = !c.Shown;
    legend_->setItems(view_.legendItems());
    fitLegend();  // the envelope's items come and go with the shown curves
    for (QAction* a : curves_)
        if (a->data().toInt() == curve) a->setChecked(c.Shown);
    canvas_->update();
}

}  // namespace vornel
