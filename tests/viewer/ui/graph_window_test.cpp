// The graph window driven as the engineer drives it: opening, the read-out in the title, the
// rubber-band zoom and right-click zoom-out, the legend box, the Plot menu and its dialogs.
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "graph_ui_support.h"
#include "viewer/ui/active_lines_dialog.h"
#include "viewer/ui/graph_canvas.h"
#include "viewer/ui/graph_window.h"
#include "viewer/ui/legend_box.h"
#include "viewer/ui/line_names_dialog.h"

using namespace vornel;

class GraphWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void opensWithTwentyActiveCurves();
    void closingKeepsTheGraph();
    void degenerateRangeDoesNotOpen();
    void readOutInTheTitle();
    void rubberBandZooms();
    void zeroWidthRectangleKeepsRanges();
    void rightClickZoomsOutAroundThePoint();
    void legendDragAndDoubleClick();
    void plotMenuOfferingRulesAndTicks();
    void deactivatingEveryCurveAndBack();
    void renamingWhileOthersInactive();
    void cancelAndEmptyNameInLegend();
    void graphTitleShiftsTheLayout();
    void resizingKeepsTheZoomAndSmallShowsWhite();

  private:
    bool open(int curves);
    TGraphPlot graph;
    test::RecordingQuestions q;
    std::unique_ptr<TGraphWindow> w;
};

void GraphWindowTest::init() {
    graph = TGraphPlot();
    q = test::RecordingQuestions();
    w.reset();
}

void GraphWindowTest::cleanup() {
    w.reset();
}

bool GraphWindowTest::open(int curves) {
    fill_graph(graph, curves);
    w = std::make_unique<TGraphWindow>(graph, q);
    w->resize(900, 700);
    w->show();
    return w->openGraph() && QTest::qWaitForWindowExposed(w.get());
}

void GraphWindowTest::opensWithTwentyActiveCurves() {
    QVERIFY(open(25));
    QCOMPARE(w->windowTitle(), QString("Moment vs Depth"));
    QCOMPARE(graph.activeCount(), 20);
    QCOMPARE(int(w->legend()->items().size()), 20);
    QCOMPARE(w->curveEntries().size(), 20);
    QCOMPARE(w->plotMenu()->actions().size(), kPlotFixedEntries + 20);
    QCOMPARE(w->curveEntries()[19]->text(), QString("Load #20"));
    QCOMPARE(w->legend()->items()[0].text, QString("Load #1 *"));
    QVERIFY(w->legend()->isVisible());
    // The legend sits at the bottom right corner of the plot area.
    const PixelBox& plot = w->layout().plot;
    QCOMPARE(w->legend()->geometry().right() + 1, plot.right);
    QCOMPARE(w->legend()->geometry().bottom() + 1, plot.bottom);
    QCOMPARE(w->view().range().y.min, 0.0);
    QCOMPARE(w->view().range().y.max, 10.0);
}

void GraphWindowTest::closingKeepsTheGraph() {
    QVERIFY(open(3));
    graph.curve(1).Name = "Stage 2";
    graph.curve(2).Shown = false;
    QVERIFY(graph.WindowExists);
    w.reset();
    QVERIFY(!graph.WindowExists);
    QCOMPARE(graph.curveCount(), 3);
    QCOMPARE(graph.curve(1).Name, QString("Stage 2"));
    QVERIFY(!graph.curve(2).Shown);
}

void GraphWindowTest::degenerateRangeDoesNotOpen() {
    graph.setCurveCount(1);
    graph.curve(0).setPointCount(2);
    // A span so small that its rounding step underflows to 0.
    graph.curve(0).point(1) = {1e-323, 1.0};
    TGraphWindow win(graph, q);
    QVERIFY(!win.openGraph());
}

void GraphWindowTest::readOutInTheTitle() {
    QVERIFY(open(3));
    const PixelBox& plot = w->layout().plot;
    // x runs 0..3 from left to right, depth 0..10 downwards.
    QTest::mouseMove(w->canvas(), QPoint(plot.right, plot.bottom));
    QCOMPARE(w->windowTitle(), QString("Moment vs Depth X: 3 Y: 10"));
    QTest::mouseMove(w->canvas(), QPoint(plot.left, plot.top));
    QCOMPARE(w->windowTitle(), QString("Moment vs Depth X: 0 Y: 0"));
    // Outside the plot the position is clamped to it.
    QTest::mouseMove(w->canvas(), QPoint(plot.right + 30, plot.top - 20));
    QCOMPARE(w->windowTitle(), QString("Moment vs Depth X: 3 Y: 0"));
    const PanelMapping m = w->view().mapping(w->layout());
    QTest::mouseMove(w->canvas(), m.toPixel(1.5, 5.0));
    const QPointF d = m.toData(m.toPixel(1.5, 5.0));
    QVERIFY(qAbs(d.x() - 1.5) < 0.01 && qAbs(d.y() - 5.0) < 0.02);
    QVERIFY(w->windowTitle().startsWith("Moment vs Depth X: 1.5"));
}

void GraphWindowTest::rubberBandZooms() {
    QVERIFY(open(3));
    const PanelMapping m = w->view().mapping(w->layout());
    const QPoint a = m.toPixel(1.0, 2.0), b = m.toPixel(2.0, 6.0);
    QTest::mousePress(w->canvas(), Qt::LeftButton, {}, a);
    QTest::mouseMove(w->canvas(), b);
    QVERIFY(w->canvas()->rubberBand().has_value());
    QTest::mouseRelease(w->canvas(), Qt::LeftButton, {}, b);
    QVERIFY(!w->canvas()->rubberBand().has_value());
    const PanelRange& r = w->view().range();
    QVERIFY2(qAbs(r.x.min - 1.0) < 0.01 && qAbs(r.x.max - 2.0) < 0.01, "x range of the band");
    QVERIFY2(qAbs(r.y.min - 2.0) < 0.03 && qAbs(r.y.max - 6.0) < 0.03, "y range of the band");
    QCOMPARE(w->view().fullRange().x.max, 3.0);
}

void GraphWindowTest::zeroWidthRectangleKeepsRanges() {
    QVERIFY(open(3));
    const PanelRange before = w->view().range();
    const PanelMapping m = w->view().mapping(w->layout());
    QTest::mousePress(w->canvas(), Qt::LeftButton, {}, m.toPixel(1.0, 2.0));
    QTest::mouseMove(w->canvas(), m.toPixel(1.0, 8.0));
    QTest::mouseRelease(w->canvas(), Qt::LeftButton, {}, m.toPixel(1.0, 8.0));
    QCOMPARE(w->view().range().x.min, before.x.min);
    QCOMPARE(w->view().range().x.max, before.x.max);
    QCOMPARE(w->view().range().y.min, before.y.min);
    QCOMPARE(w->view().range().y.max, before.y.max);
}

void GraphWindowTest::rightClickZoomsOutAroundThePoint() {
    QVERIFY(open(3));
    PanelMapping m = w->view().mapping(w->layout());
    QTest::mouseClick(w->canvas(), Qt::RightButton, {}, m.toPixel(1.0, 3.0));
    QCOMPARE(w->view().range().x.min, 0.0);
    QCOMPARE(w->view().range().x.max, 3.0);
    QCOMPARE(w->view().range().y.min, 0.0);
    QCOMPARE(w->view().range().y.max, 10.0);
    // Zoomed in to a tenth, a right click doubles the span around the clicked point.
    PanelRange z = w->view().range();
    z.x.min = 1.0, z.x.max = 1.3;
    z.y.min = 4.0, z.y.max = 5.0;
    w->view().setRange(0, z);
    m = w->view().mapping(w->layout());
    const QPoint at = m.toPixel(1.15, 4.5);
    const QPointF d = m.toData(at);
    QTest::mouseClick(w->canvas(), Qt::RightButton, {}, at);
    QVERIFY(qAbs(w->view().range().x.min - (d.x() - 0.3)) < 1e-9);
    QVERIFY(qAbs(w->view().range().x.max - (d.x() + 0.3)) < 1e-9);
    QVERIFY(qAbs(w->view().range().y.max - (d.y() + 1.0)) < 1e-9);
}

void GraphWindowTest::legendDragAndDoubleClick() {
    QVERIFY(open(3));
    TLegendBox* box = w->legend();
    const QPoint start = box->pos();
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5 - 200, 5 - 150),
                     box->mapToGlobal(QPointF(-195, -145)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(box, &move);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(-195, -145));
    QCOMPARE(box->pos(), start - QPoint(200, 150));
    QVERIFY(w->view().legendFraction.has_value());
    QCOMPARE(w->view().legendFraction->x(), double(box->x()) / w->canvas()->width());
    // A drag far out stops at the window's edge.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent out(QEvent::MouseMove, QPointF(-5000, -5000),
                    box->mapToGlobal(QPointF(-5000, -5000)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(box, &out);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(box->pos(), QPoint(0, 0));
    // A double click on the second item hides curve 2.
    const QPoint second(10, 1 + box->itemHeight() + box->itemHeight() / 2);
    QCOMPARE(box->itemAt(second), 1);
    QTest::mouseDClick(box, Qt::LeftButton, {}, second);
    QVERIFY(!graph.curve(1).Shown);
    QCOMPARE(box->items()[1].text, QString("Load #2"));
    QVERIFY(!w->curveEntries()[1]->isChecked());
    QTest::mouseDClick(box, Qt::LeftButton, {}, second);
    QVERIFY(graph.curve(1).Shown);
    QCOMPARE(box->items()[1].text, QString("Load #2 *"));
}

void GraphWindowTest::plotMenuOfferingRulesAndTicks() {
    QVERIFY(open(2));
    QStringList texts;
    for (QAction* a : w->plotMenu()->actions()) texts << a->text();
    QCOMPARE(texts, QStringList({"Show &Legend", "Show &Soil Layer", "Show &Wall Geometry",
                                 "Show En&velope", "Show &Markers", "&Font Size", "&Line Width", "",
                                 "&Graph Title", "&Edit Legend", "&Active Curves", "", "&Print...",
                                 "P&age Setup", "&Save To Disk...", "Load #1", "Load #2"}));
    emit w->plotMenu()->aboutToShow();
    QVERIFY(!w->entry(PlotEntry::ShowSoilLayer)->isVisible());
    QVERIFY(!w->entry(PlotEntry::ShowWall)->isVisible());
    QVERIFY(w->entry(PlotEntry::ShowLegend)->isChecked());
    // Print and Page Setup stay enabled without a printer (they print into a PDF file).
    QVERIFY(w->entry(PlotEntry::Print)->isEnabled());
    QVERIFY(w->entry(PlotEntry::PageSetup)->isEnabled());
    graph.LayerLines.resize(3);
    graph.WallLineCount = 1;
    graph.ShowFontWidth = false;
    emit w->plotMenu()->aboutToShow();
    QVERIFY(w->entry(PlotEntry::ShowSoilLayer)->isVisible());
    QVERIFY(w->entry(PlotEntry::ShowWall)->isVisible());
    QVERIFY(!w->entry(PlotEntry::ShowWall)->isEnabled());
    QVERIFY(!w->entry(PlotEntry::FontSize)->isVisible());
    w->entry(PlotEntry::ShowSoilLayer)->trigger();
    QVERIFY(graph.ShowLayers);
    emit w->plotMenu()->aboutToShow();
    QVERIFY(w->entry(PlotEntry::ShowWall)->isEnabled());
    QVERIFY(!w->layout().strip.empty());
    // Markers: the submenu ticks the current value; choosing sets it.
    QMenu* markers = w->entry(PlotEntry::Markers)->menu();
    QCOMPARE(markers->actions()[3]->text(), QString("Every &3 Incrments"));
    QVERIFY(markers->actions()[1]->isChecked());
    markers->actions()[5]->trigger();
    QCOMPARE(graph.Markers, 10);
    QMenu* font = w->entry(PlotEntry::FontSize)->menu();
    const int t = w->layout().T;
    font->actions()[2]->trigger();
    QCOMPARE(graph.SizeFont, 20);
    QCOMPARE(w->layout().T, 2 * t);
    // Hiding the legend and a curve from the menu.
    w->entry(PlotEntry::ShowLegend)->trigger();
    QVERIFY(!w->legend()->isVisible());
    w->curveEntries()[0]->trigger();
    QVERIFY(!graph.curve(0).Shown);
    emit w->plotMenu()->aboutToShow();
    QVERIFY(!w->curveEntries()[0]->isChecked());
}

void GraphWindowTest::deactivatingEveryCurveAndBack() {
    QVERIFY(open(4));
    QStringList rows;
    q.dialog = [&rows](QDialog& d) {
        auto& a = static_cast<TfrmActiveLines&>(d);
        for (int i = 0; i < a.lbCurves->count(); ++i) rows << a.lbCurves->item(i)->text();
        QTest::mouseClick(a.btnNone, Qt::LeftButton);
        QTest::mouseClick(a.btnOK, Qt::LeftButton);
        return d.result() == QDialog::Accepted;
    };
    w->entry(PlotEntry::ActiveCurves)->trigger();
    QCOMPARE(rows[0], QString(" yes :    Load #1"));
    QCOMPARE(rows.size(), 4);
    QVERIFY(w->legend()->items().empty());
    QVERIFY(w->curveEntries().isEmpty());
    QCOMPARE(w->plotMenu()->actions().size(), kPlotFixedEntries);
    QCOMPARE(w->legend()->height(), 3);
    q.dialog = [&rows](QDialog& d) {
        auto& a = static_cast<TfrmActiveLines&>(d);
        rows = QStringList{a.lbCurves->item(2)->text()};
        QTest::mouseClick(a.btnAll, Qt::LeftButton);
        return true;
    };
    w->entry(PlotEntry::ActiveCurves)->trigger();
    QCOMPARE(rows[0], QString(" no  :    Load #3"));
    QCOMPARE(w->curveEntries().size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w->curveEntries()[i]->text(), QString("Load #%1").arg(i + 1));
        QCOMPARE(w->legend()->items()[size_t(i)].curve, i);
    }
}

void GraphWindowTest::renamingWhileOthersInactive() {
    QVERIFY(open(5));
    // Curves 1 and 2 inactive: a double click toggles their rows.
    QStringList rows;
    q.dialog = [&rows](QDialog& d) {
        auto& a = static_cast<TfrmActiveLines&>(d);
        a.show();
        if (!QTest::qWaitForWindowExposed(&a)) return false;
        for (int row : {0, 1}) {
            const QRect r = a.lbCurves->visualItemRect(a.lbCurves->item(row));
            QTest::mouseClick(a.lbCurves->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(a.lbCurves->viewport(), Qt::LeftButton, {}, r.center());
            QTest::qWait(QApplication::doubleClickInterval() + 10);
        }
        for (int i = 0; i < 3; ++i) rows << a.lbCurves->item(i)->text();
        return true;
    };
    w->entry(PlotEntry::ActiveCurves)->trigger();
    QCOMPARE(rows, QStringList({" no  :    Load #1", " no  :    Load #2", " yes :    Load #3"}));
    QCOMPARE(w->curveEntries()[0]->text(), QString("Load #3"));
    QString stored;
    q.dialog = [&stored](QDialog& d) {
        auto& n = static_cast<TfrmLineNames&>(d);
        n.show();
        n.lbLines->setCurrentRow(3);
        n.edLine->setFocus();
        n.edLine->selectAll();
        QTest::keyClicks(n.edLine, "Stage 4");
        QTest::keyClick(n.edLine, Qt::Key_Return);
        stored = n.lbLines->item(3)->text();
        QTest::mouseClick(n.btnOK, Qt::LeftButton);
        return d.result() == QDialog::Accepted;
    };
    w->entry(PlotEntry::EditLegend)->trigger();
    QCOMPARE(stored, QString("Stage 4"));
    QCOMPARE(graph.curve(3).Name, QString("Stage 4"));
    // OK gives every curve the name of its list text.
    QCOMPARE(graph.curve(1).Name, QString("Load #2"));
    QCOMPARE(w->legend()->items()[1].text, QString("Stage 4 *"));
    QCOMPARE(w->curveEntries()[1]->text(), QString("Stage 4"));
    QCOMPARE(w->curveEntries()[0]->text(), QString("Load #3"));
}

void GraphWindowTest::cancelAndEmptyNameInLegend() {
    QVERIFY(open(3));
    QStringList seen;
    q.dialog = [this, &seen](QDialog& d) {
        auto& n = static_cast<TfrmLineNames&>(d);
        n.show();
        // The message box takes the focus from the edit while it is shown.
        q.onInform = [&n] {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(n.edLine, &out);
        };
        seen << n.edLine->text();
        n.edLine->setFocus();
        n.edLine->clear();
        QTest::keyClick(n.edLine, Qt::Key_Return);
        seen << n.edLine->text();
        n.edLine->selectAll();
        QTest::keyClicks(n.edLine, "Renamed");
        QTest::keyClick(n.edLine, Qt::Key_Return);
        seen << n.names()[0];
        QTest::mouseClick(n.btnCancel, Qt::LeftButton);
        q.onInform = nullptr;
        return d.result() == QDialog::Accepted;
    };
    w->entry(PlotEntry::EditLegend)->trigger();
    QCOMPARE(seen, QStringList({"Load #1", "Load #1", "Renamed"}));
    QCOMPARE(q.informed, QStringList{"The line must have a name!"});
    QCOMPARE(graph.curve(0).Name, QString());
    QCOMPARE(w->legend()->items()[0].text, QString("Load #1 *"));
}

void GraphWindowTest::graphTitleShiftsTheLayout() {
    QVERIFY(open(2));
    const int top = w->layout().plot.top, T = w->layout().T;
    q.dialog = [](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>();
        QTest::keyClicks(edit, "Stage 3 moments");
        return true;
    };
    w->entry(PlotEntry::GraphTitle)->trigger();
    QCOMPARE(graph.Title, QString("Stage 3 moments"));
    QVERIFY(graph.TitleAtTop);
    QCOMPARE(w->layout().plot.top, top + T / 8 + T);
}

void GraphWindowTest::resizingKeepsTheZoomAndSmallShowsWhite() {
    QVERIFY(open(3));
    PanelRange z = w->view().range();
    z.x.min = 1.0, z.x.max = 2.0;
    w->view().setRange(0, z);
    const int right = w->layout().plot.right;
    w->resize(700, 600);
    QTRY_VERIFY(w->layout().plot.right != right);
    QCOMPARE(w->view().range().x.min, 1.0);
    QCOMPARE(w->view().range().x.max, 2.0);
    // Below an inch across only the white background is drawn.
    w->legend()->hide();
    w->canvas()->setFixedSize(w->canvas()->logicalDpiX() - 1, 200);
    QTRY_VERIFY(w->layout().tooSmall);
    const QImage img = w->canvas()->grab().toImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) QCOMPARE(QColor(img.pixel(x, y)), QColor(Qt::white));
}

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
