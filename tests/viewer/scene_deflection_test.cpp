// The deformed wall's line taken from the deflection graph: from a graph built by hand and from
// the three-stage example's plot data file as the engine wrote it.
#include <QtTest>

#include "scene_test_support.h"
#include "viewer/graph_plot.h"
#include "viewer/plot_file_reader.h"
#include "viewer/scene_deflection.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class SceneDeflectionTest : public QObject {
    Q_OBJECT
  private slots:
    void firstCurveOfTheGraph();
    void threeStageExamplePlotFile();
};

void SceneDeflectionTest::firstCurveOfTheGraph() {
    TGraphPlot g;
    QVERIFY(first_deflection_curve(g).empty());
    g.setCurveCount(2);
    g.curve(0).Points = {{0.5, 0}, {0.3, 1}, {0.1, 2}};  // X deflection, Y depth
    g.curve(1).Points = {{9, 0}, {9, 1}};
    const DeflectionCurve c = first_deflection_curve(g);
    QCOMPARE(int(c.size()), 3);
    QCOMPARE(c[0].deflection, 0.5);
    QCOMPARE(c[0].depth, 0.0);
    QCOMPARE(c[2].deflection, 0.1);
    QCOMPARE(c[2].depth, 2.0);
}

void SceneDeflectionTest::threeStageExamplePlotFile() {
    ResultGraphs graphs;
    ResultArrays arrays;
    PlotFileReader reader(graphs, arrays);
    QVERIFY2(reader.read(example_plot_file("anchored_three_stage"), false),
             qPrintable(reader.error()));
    const DeflectionCurve c = first_deflection_curve(graphs.pltDef);
    // One point per station of the first stage from the top, depths in ft: the 81 nodes of
    // 80 increments of 6 in, and the file's one station beyond the toe, which the wall does
    // not use.
    QCOMPARE(int(c.size()), 82);
    QCOMPARE(c[0].depth, 0.0);
    QVERIFY(std::abs(c[80].depth - 40.0) < 1e-6);
    QCOMPARE(c[0].deflection, graphs.pltDef.curve(0).point(0).X);
    // The deflected posts follow it, node by node.
    LoadedProject lp("examples/anchored_three_stage.vn5d");
    SceneOptions o;
    o.deformedShape = true;
    o.deformationFactor = 10;
    const TProgramData& d = lp.project->data();
    const Scene3d s = build_scene(d, c, o, scene_extents(d));
    const auto posts = with_tag(s.wall, SceneTag::DeformedWall);
    QCOMPARE(int(posts.size()), 20 * 80);
    const Vec3 top = (posts[0].corners[0] + posts[0].corners[1]) * 0.5;
    QVERIFY(std::abs(top.x - 10 * c[0].deflection) < 1e-9);
    const Vec3 toe = (posts[79].corners[4] + posts[79].corners[5]) * 0.5;
    QVERIFY(std::abs(toe.x - 10 * c[80].deflection) < 1e-9);
    QVERIFY(std::abs(toe.z + 40.0) < 1e-9);
}

QTEST_MAIN(SceneDeflectionTest)
#include "scene_deflection_test.moc"
