// Printing on a paged device: the printable area from the margins and the device's
// unprintable edges, every text inside it, ticks as on a screen of the panel's size, and a
// page that is written.
#include <QtTest>

#include <QBuffer>
#include <QPdfWriter>

#include "viewer/graph_page.h"
#include "viewer/graph_painter.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class GraphPageTest : public QObject {
    Q_OBJECT

  private slots:
    void marginsGiveThePlotArea();
    void deviceEdgesWinOverThinMargins();
    void pageIsWritten();
    void textsStayInsideTheMargins_data();
    void textsStayInsideTheMargins();
    void ticksFollowInchesNotPixels();
    void threePanelTitlesNeverRunTogether_data();
    void threePanelTitlesNeverRunTogether();
};

namespace {

// The graphs of a staged example: the moment graph and the three-panel graph.
struct ExampleGraphs {
    ResultGraphs graphs;
    ResultArrays arrays;
    ExampleGraphs() { PlotFileReader(graphs, arrays).read(example_plot_file("two_stage"), false); }
};

std::vector<QRect> text_rects(const GraphLayout& l) {
    std::vector<QRect> out;
    for (const auto* list : {&l.xTitles, &l.yTitles})
        for (const TextBox& b : *list) out.push_back(b.rect());
    if (!l.title.lines.isEmpty()) out.push_back(l.title.rect());
    return out;
}

}  // namespace

void GraphPageTest::marginsGiveThePlotArea() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    OneCurveGraph g;
    const GraphLayout l = page_layout(pdf, g.g, PageMargins{});
    // 8.5 x 11 in at 600 ppi, 1 in margins; T = 14 px at 96 ppi = 87.5 -> 88 px.
    QCOMPARE(l.T, 88);
    QCOMPARE(l.plot.left, 600 + 176 + 75 + 11);
    QCOMPARE(l.plot.right, 5100 - 600);
    QCOMPARE(l.plot.top, 600 + 176 + 75 + 11);
    QCOMPARE(l.plot.bottom, 6600 - 600);
}

void GraphPageTest::deviceEdgesWinOverThinMargins() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);  // 150 px
    OneCurveGraph g;
    g.g.XOnTop = false;
    const GraphLayout l = page_layout(pdf, g.g, PageMargins{100, 100, 100, 100});
    // Painter coordinates start at the paintable edge, 150 px in: the area starts there.
    QCOMPARE(l.plot.top, 0);
    QCOMPARE(l.plot.right, 5100 - 300);
    QCOMPARE(l.client, QRect(-150, -150, 5100, 6600));
}

void GraphPageTest::pageIsWritten() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(300);
    OneCurveGraph g;
    QVERIFY(print_graph(pdf, g.v, PageMargins{}));
    QVERIFY(buffer.data().startsWith("%PDF-"));
    QVERIFY(buffer.data().size() > 1000);
}

void GraphPageTest::textsStayInsideTheMargins_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("three");
    for (const auto& [name, id] : {std::pair{"letter", QPageSize::Letter}, {"a4", QPageSize::A4}})
        for (bool landscape : {false, true})
            for (bool three : {false, true})
                QTest::addRow("%s %s %s", name, landscape ? "landscape" : "portrait",
                              three ? "three panels" : "moment")
                    << int(id) << landscape << three;
}

// Titles, axis titles, tick labels and legend inside the 1-inch margins on every paper and
// orientation.
void GraphPageTest::textsStayInsideTheMargins() {
    QFETCH(int, paper);
    QFETCH(bool, landscape);
    QFETCH(bool, three);
    ExampleGraphs e;
    TGraphPlot& g = three ? e.graphs.pltDMS : e.graphs.pltMom;
    g.Title = QStringLiteral("Wall A, final stage");
    g.ShowLayers = g.hasLayerLines();
    GraphView v(g);
    QVERIFY(v.open());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1200);
    pdf.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    pdf.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    const QSize page = pdf.pageLayout().fullRectPixels(1200).size();
    const QRect inside(1200, 1200, page.width() - 2400, page.height() - 2400);
    for (bool at_top : {true, false}) {
        g.TitleAtTop = at_top;
        const GraphLayout l = page_layout(pdf, g, PageMargins{});
        std::vector<QRect> rects = text_rects(l);
        QCOMPARE(rects.size(), size_t(three ? 7 : 3));
        rects.push_back(GraphPainter(v, l).pageLegendRect());
        QVERIFY(!rects.back().isEmpty());
        // The tick labels too: the last X label and the deepest Y label end at the margin.
        for (int panel = 0; panel < v.panelCount(); ++panel) {
            const PanelMapping m = v.mapping(l, panel);
            for (bool across : {true, false}) {
                const AxisRange& r = across ? m.range().x : m.range().y;
                const auto labels = tick_labels(l, m, panel_ticks(l, m.box(), r, across), across);
                QVERIFY(labels.size() >= 3);
                for (const TextBox& b : labels) rects.push_back(b.rect());
            }
        }
        for (const QRect& r : rects)
            QVERIFY2(inside.contains(r), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                        .arg(r.x())
                                                        .arg(r.y())
                                                        .arg(r.width())
                                                        .arg(r.height())));
    }
}

// A printed panel gets the ticks of a screen panel of the same size in inches.
void GraphPageTest::ticksFollowInchesNotPixels() {
    ExampleGraphs e;
    GraphView v(e.graphs.pltDMS);
    QVERIFY(v.open());
    std::vector<std::vector<double>> seen[2];
    for (int k = 0; k < 2; ++k) {
        const int dpi = k == 0 ? 96 : 1200;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(dpi);
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        const GraphLayout l = page_layout(pdf, v.graph(), PageMargins{});
        for (int panel = 0; panel < 3; ++panel)
            for (bool across : {true, false}) {
                const PanelRange& r = v.range(panel);
                std::vector<double> values;
                for (const AxisTick& t :
                     panel_ticks(l, l.panels[size_t(panel)], across ? r.x : r.y, across).ticks)
                    values.push_back(t.value);
                seen[k].push_back(values);
            }
    }
    QCOMPARE(seen[1], seen[0]);
    for (const std::vector<double>& axis : seen[0]) QVERIFY(axis.size() > 5);
}

void GraphPageTest::threePanelTitlesNeverRunTogether_data() {
    QTest::addColumn<int>("ppi");
    QTest::addColumn<int>("sizeFont");
    QTest::newRow("72 ppi") << 72 << 10;
    QTest::newRow("96 ppi") << 96 << 10;
    QTest::newRow("300 ppi") << 300 << 10;
    QTest::newRow("72 ppi, twice the font") << 72 << 20;
}

// A 6 x 4 in picture of the three panels: the axis titles are apart and keep every word.
void GraphPageTest::threePanelTitlesNeverRunTogether() {
    QFETCH(int, ppi);
    QFETCH(int, sizeFont);
    ExampleGraphs e;
    TGraphPlot& g = e.graphs.pltDMS;
    g.SizeFont = sizeFont;
    g.ShowLayers = g.hasLayerLines();
    PictureSpec spec;
    spec.pixelsPerInch = ppi;
    const GraphLayout l = layout_picture(g, spec.pixelSize(), spec.metrics());
    QCOMPARE(l.xTitles.size(), size_t(3));
    for (size_t i = 0; i < 3; ++i) {
        QCOMPARE(l.xTitles[i].lines.join(QLatin1Char(' ')), g.xTitle(int(i) + 1));
        QVERIFY(l.client.contains(l.xTitles[i].rect()));
        // Below the titles come the tick labels: the panel tops give way to wrapped lines.
        QVERIFY(l.xTitles[i].rect().bottom() < l.panels[i].top - l.T);
        if (i > 0) QVERIFY(!l.xTitles[i].rect().intersects(l.xTitles[i - 1].rect()));
    }
}

QTEST_MAIN(GraphPageTest)
#include "graph_page_test.moc"
