// The envelope in the graph window, driven as the engineer drives it: the Plot menu offers it
// on a graph of several result sets, a click draws the pair and lists it in the legend, a
// double click on its legend item takes it away again.
#include <QMenu>
#include <QtTest>

#include "graph_ui_support.h"
#include "viewer/graph_envelope.h"
#include "viewer/plot_file_reader.h"
#include "viewer/ui/graph_canvas.h"
#include "viewer/ui/graph_window.h"
#include "viewer/ui/legend_box.h"

using namespace vornel;

class GraphEnvelopeWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void threeStageMomentShowsThePair();
    void offeredOnlyWhereThereIsSomethingToEnvelope();

  private:
    // Opens the Plot menu and clicks the envelope entry.
    void clickEnvelope(TGraphWindow& w);
};

namespace {

int envelope_pixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == envelope_colour();
    return n;
}

QStringList legend_texts(const TLegendBox& box) {
    QStringList out;
    for (const LegendItem& i : box.items()) out << i.text;
    return out;
}

}  // namespace

void GraphEnvelopeWindowTest::clickEnvelope(TGraphWindow& w) {
    QMenu* menu = w.plotMenu();
    menu->popup(w.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QAction* a = w.entry(PlotEntry::ShowEnvelope);
    QVERIFY(a->isVisible() && a->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    QTRY_VERIFY(!menu->isVisible());
}

void GraphEnvelopeWindowTest::threeStageMomentShowsThePair() {
    ResultGraphs graphs;
    ResultArrays arrays;
    QVERIFY(PlotFileReader(graphs, arrays).read(example_plot("anchored_three_stage"), false));
    test::RecordingQuestions q;
    TGraphWindow w(graphs.pltMom, q);
    w.resize(900, 700);
    w.show();
    QVERIFY(w.openGraph() && QTest::qWaitForWindowExposed(&w));
    QAction* entry = w.entry(PlotEntry::ShowEnvelope);
    QCOMPARE(entry->text(), QString("Show En&velope"));
    QCOMPARE(w.plotMenu()->actions().indexOf(entry), int(PlotEntry::ShowEnvelope));
    QCOMPARE(envelope_pixels(w.canvas()->grab().toImage()), 0);
    const int height = w.legend()->height();
    const QPoint corner = w.legend()->geometry().bottomRight();

    clickEnvelope(w);
    QVERIFY(entry->isChecked() && graphs.pltMom.ShowEnvelope);
    QCOMPARE(legend_texts(*w.legend()), QStringList({"Stage: 1 *", "Stage: 2 *", "Stage: 3 *",
                                                     "Envelope max *", "Envelope min *"}));
    QCOMPARE(w.legend()->items()[3].colour, envelope_colour());
    QCOMPARE(w.legend()->height(), height + 2 * w.legend()->itemHeight());
    QCOMPARE(w.legend()->geometry().bottomRight(), corner);  // still in the plot's corner
    // The pair is drawn where the stages' largest moment lies, on the maximum line.
    const QImage shown = w.canvas()->grab().toImage();
    QVERIFY(envelope_pixels(shown) > 200);
    const CurveEnvelope e = *drawn_envelope(graphs.pltMom);
    int top = 0;
    for (int j = 0; j < e.max.pointCount(); ++j)
        if (e.max.point(j).X > e.max.point(top).X) top = j;
    const QPoint at = w.view().mapping(w.layout()).toPixel(e.max.point(top).X, e.max.point(top).Y);
    int near = 0;
    for (int dx = -6; dx <= 6; ++dx)
        for (int dy = -6; dy <= 6; ++dy)
            near += shown.pixelColor(at + QPoint(dx, dy)) == envelope_colour();
    QVERIFY(near > 0);
    // The Plot menu keeps one entry per stage: the pair has no entries of its own.
    QCOMPARE(w.curveEntries().size(), 3);

    // A double click on "Envelope max" takes the pair away.
    TLegendBox* box = w.legend();
    const QPoint item(10, 1 + 3 * box->itemHeight() + box->itemHeight() / 2);
    QCOMPARE(box->itemAt(item), 3);
    QTest::mouseDClick(box, Qt::LeftButton, {}, item);
    QVERIFY(!graphs.pltMom.ShowEnvelope && !entry->isChecked());
    QCOMPARE(int(box->items().size()), 3);
    QCOMPARE(box->height(), height);
    QCOMPARE(envelope_pixels(w.canvas()->grab().toImage()), 0);
}

void GraphEnvelopeWindowTest::offeredOnlyWhereThereIsSomethingToEnvelope() {
    test::RecordingQuestions q;
    TGraphPlot one;
    fill_graph(one, 1);
    one.OffersEnvelope = true;
    TGraphPlot reaction;
    fill_graph(reaction, 2);
    TGraphPlot* graphs[] = {&one, &reaction};
    for (TGraphPlot* g : graphs) {
        TGraphWindow w(*g, q);
        QVERIFY(w.openGraph());
        emit w.plotMenu()->aboutToShow();
        QVERIFY(!w.entry(PlotEntry::ShowEnvelope)->isVisible());
    }
    // Stages whose stations differ: the engineer is told why and nothing is drawn.
    TGraphPlot other;
    fill_graph(other, 2);
    other.OffersEnvelope = true;
    other.curve(1).point(1).Y = 6.0;
    TGraphWindow w(other, q);
    w.resize(600, 400);
    w.show();
    QVERIFY(w.openGraph() && QTest::qWaitForWindowExposed(&w));
    clickEnvelope(w);
    QCOMPARE(q.informed, QStringList{envelope_text::kNoShared});
    QVERIFY(!other.ShowEnvelope && !w.entry(PlotEntry::ShowEnvelope)->isChecked());
    QCOMPARE(int(w.legend()->items().size()), 2);
}

QTEST_MAIN(GraphEnvelopeWindowTest)
#include "graph_envelope_window_test.moc"
