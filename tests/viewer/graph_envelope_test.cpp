// The envelope of the result sets: the pair by hand on a small table, the rules for stations
// that differ and for hidden curves, the three-stage example, and the pair as the painter, the
// JSON series and the workbook record carry it.
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "viewer/graph_envelope.h"
#include "viewer/graph_export.h"
#include "viewer/graph_json.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class GraphEnvelopeTest : public QObject {
    Q_OBJECT

  private slots:
    void pairByHand();
    void offeredAndOverTheShownCurves();
    void threeStageExample();
    void jsonAndWorkbookCarryThePair();
    void painterDrawsThePairAndItsLegend();
};

namespace {

// Curves of values `xs` at depths 0, 1, 2, ...
TLine curve(const std::vector<double>& xs, double depth_step = 1.0) {
    TLine c;
    for (size_t j = 0; j < xs.size(); ++j) c.Points.push_back({xs[j], j * depth_step});
    return c;
}

std::vector<double> xs(const TLine& c) {
    std::vector<double> out;
    for (const TFloatPoint& p : c.Points) out.push_back(p.X);
    return out;
}

// Two stages by hand: max (0, 30, 25), min (0, -15, -10) at depths 0, 1, 2.
void two_stage_moment(TGraphPlot& g) {
    g.OffersEnvelope = true;
    g.ShowEnvelope = true;
    g.Markers = 0;
    g.setCurveCount(2);
    g.curve(0) = curve({0, 30, -10});
    g.curve(1) = curve({0, -15, 25});
}

}  // namespace

void GraphEnvelopeTest::pairByHand() {
    const TLine a = curve({0, 4, -2, 1}), b = curve({0, -3, 5, 1}), c = curve({0, 2, 1, -6});
    const TLine deeper = curve({0, -3, 5, 1}, 1.5), shorter = curve({0, -3, 5});
    struct Case {
        const char* name;
        std::vector<const TLine*> curves;
        std::vector<double> max, min;
        const char* why;
    };
    const Case cases[] = {
        {"three sets", {&a, &b, &c}, {0, 4, 5, 1}, {0, -3, -2, -6}, ""},
        {"one set", {&b}, {0, -3, 5, 1}, {0, -3, 5, 1}, ""},
        {"other stations", {&a, &deeper}, {}, {}, envelope_text::kNoShared},
        {"shorter set", {&a, &shorter}, {}, {}, envelope_text::kNoShared},
        {"no set", {}, {}, {}, envelope_text::kNoneShown},
    };
    for (const Case& k : cases) {
        const CurveEnvelope e = curve_envelope(k.curves);
        QVERIFY2(e.why == QLatin1String(k.why), k.name);
        if (!e.built()) continue;
        QVERIFY2(xs(e.max) == k.max && xs(e.min) == k.min, k.name);
        for (int j = 0; j < e.max.pointCount(); ++j)
            QVERIFY2(e.max.point(j).Y == j && e.min.point(j).Y == j, k.name);
        QCOMPARE(e.max.Name, QString("Envelope max"));
        QCOMPARE(e.min.Name, QString("Envelope min"));
    }
}

void GraphEnvelopeTest::offeredAndOverTheShownCurves() {
    ResultGraphs graphs;
    QStringList offering;
    for (const QString& n : ResultGraphs::shortNames())
        if (graphs.byShortName(n)->OffersEnvelope) offering << n;
    QCOMPARE(offering, QStringList({"deflection", "moment", "shear", "dms"}));

    TGraphPlot g;
    two_stage_moment(g);
    QVERIFY(envelope_offered(g) && envelope_refusal(g).isEmpty());
    // A hidden or inactive stage leaves the envelope: it is the other stage alone.
    g.curve(1).Shown = false;
    QCOMPARE(xs(drawn_envelope(g)->max), (std::vector<double>{0, 30, -10}));
    g.curve(1).Shown = true;
    g.curve(0).Active = false;
    QCOMPARE(xs(drawn_envelope(g)->min), (std::vector<double>{0, -15, 25}));
    g.curve(1).Shown = false;
    QVERIFY(!drawn_envelope(g));
    g.curve(0).Active = g.curve(1).Shown = true;
    g.ShowEnvelope = false;
    QVERIFY(!drawn_envelope(g));
    // Stations that differ are refused; one result set offers nothing.
    g.curve(1).point(2).Y = 2.5;
    QCOMPARE(envelope_refusal(g), QString(envelope_text::kNoShared));
    g.setCurveCount(1);
    QVERIFY(!envelope_offered(g));
    QCOMPARE(envelope_refusal(g), QString(envelope_text::kNothing));
}

// Each station's maximum is one stage's value and no stage exceeds it, so the envelope's
// extremes are the largest stage maximum and the smallest stage minimum; the three-panel graph
// gives each panel the envelope of its own graph.
void GraphEnvelopeTest::threeStageExample() {
    ResultGraphs graphs;
    ResultArrays arrays;
    QVERIFY(PlotFileReader(graphs, arrays).read(example_plot_file("anchored_three_stage"), false));
    graphs.pltDMS.ShowEnvelope = true;
    const GraphFamily families[3] = {GraphFamily::Main, GraphFamily::Second, GraphFamily::Third};
    TGraphPlot* graphs3[3] = {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear};
    const auto extreme = [](const TLine& c, bool largest) {
        double m = c.point(0).X;
        for (const TFloatPoint& p : c.Points) m = largest ? std::max(m, p.X) : std::min(m, p.X);
        return m;
    };
    for (int k = 0; k < 3; ++k) {
        TGraphPlot& g = *graphs3[k];
        QCOMPARE(g.curveCount(), 3);
        g.ShowEnvelope = true;
        const auto e = drawn_envelope(g);
        QVERIFY(e);
        QCOMPARE(e->max.pointCount(), 82);
        for (int j = 0; j < 82; ++j) {
            const double a = g.curve(0).point(j).X, b = g.curve(1).point(j).X,
                         c = g.curve(2).point(j).X;
            QCOMPARE(e->max.point(j).X, std::max({a, b, c}));
            QCOMPARE(e->min.point(j).X, std::min({a, b, c}));
            QCOMPARE(e->max.point(j).Y, g.curve(2).point(j).Y);
        }
        double largest = -1e300, smallest = 1e300;
        for (int s = 0; s < 3; ++s) {
            largest = std::max(largest, extreme(g.curve(s), true));
            smallest = std::min(smallest, extreme(g.curve(s), false));
        }
        QCOMPARE(extreme(e->max, true), largest);
        QCOMPARE(extreme(e->min, false), smallest);
        const auto dms = drawn_envelope(graphs.pltDMS, families[k]);
        QVERIFY(dms);
        QCOMPARE(xs(dms->max), xs(e->max));
        QCOMPARE(xs(dms->min), xs(e->min));
    }
}

void GraphEnvelopeTest::jsonAndWorkbookCarryThePair() {
    TGraphPlot g;
    two_stage_moment(g);
    GraphView v(g);
    const QJsonObject panel = graph_json(v, "moment")["panels"].toArray()[0].toObject();
    const QJsonArray envelope = panel["envelope"].toArray();
    QCOMPARE(envelope.size(), 2);
    QCOMPARE(envelope[0]["legend"].toString(), QString("Envelope max"));
    QCOMPARE(envelope[1]["legend"].toString(), QString("Envelope min"));
    QCOMPARE(envelope[0]["points"].toArray(),
             (QJsonArray{QJsonArray{0, 0}, QJsonArray{30, 1}, QJsonArray{25, 2}}));
    QCOMPARE(envelope[1]["points"].toArray(),
             (QJsonArray{QJsonArray{0, 0}, QJsonArray{-15, 1}, QJsonArray{-10, 2}}));
    QCOMPARE(panel["curves"].toArray().size(), 2);

    const WorkbookGraph w = workbook_graph(g);
    QCOMPARE(w.curves.size(), size_t(4));
    QCOMPARE(w.curves[2].legendText, QString("Envelope max"));
    QCOMPARE(w.curves[3].legendText, QString("Envelope min"));
    QCOMPARE(w.curves[3].points[1].x, -15.0);
    QCOMPARE(w.curves[3].points[1].y, 1.0);

    g.ShowEnvelope = false;
    QVERIFY(!graph_json(v, "moment")["panels"].toArray()[0].toObject().contains("envelope"));
    QCOMPARE(workbook_graph(g).curves.size(), size_t(2));
}

void GraphEnvelopeTest::painterDrawsThePairAndItsLegend() {
    TGraphPlot g;
    two_stage_moment(g);
    GraphView v(g);
    QVERIFY(v.open());
    PictureSpec s;
    s.pixelsPerInch = 96;
    const GraphLayout l = layout_picture(g, s.pixelSize(), s.metrics());
    const PanelMapping m = v.mapping(l);
    // Along the maximum's second segment, (30, 1) to (25, 2), which no stage follows.
    const auto envelope_pixels = [&](const QImage& img) {
        int n = 0;
        const QPoint a = m.toPixel(30, 1), b = m.toPixel(25, 2);
        for (int t = 10; t <= 90; ++t) {
            const QPoint p = a + (b - a) * (t / 100.0);
            for (int dx = -2; dx <= 2; ++dx)
                if (img.pixelColor(p + QPoint(dx, 0)) == envelope_colour()) ++n;
        }
        return n;
    };
    QVERIFY(envelope_pixels(render_picture(v, s)) > 20);
    g.ShowEnvelope = false;
    QCOMPARE(envelope_pixels(render_picture(v, s)), 0);

    g.ShowEnvelope = true;
    QTemporaryDir dir;
    const QString path = dir.filePath("moment.svg");
    QVERIFY(save_picture(v, path, PictureSpec{}).ok);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(f.readAll());
    QVERIFY(svg.contains(">Envelope max<") && svg.contains(">Envelope min<"));
}

QTEST_MAIN(GraphEnvelopeTest)
#include "graph_envelope_test.moc"
