// The graph series of the examples' plot files as JSON, against golden files
// (UPDATE_GOLDEN=1 rewrites them), read with their decks as the main window reads them.
#include <QtTest>

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "viewer/graph_json.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class GraphJsonTest : public QObject {
    Q_OBJECT

  private slots:
    void comparatorNamesTheFirstDifference();
    void examples_data();
    void examples();
    void layersOfTheLayeredCantilever();
};

namespace {

QByteArray examples_json(const QString& name, ResultGraphs& graphs) {
    ProjectTables tables;
    TProgramData data(tables);
    QFile deck(example_deck(name));
    if (!deck.open(QIODevice::ReadOnly)) return {};
    if (!read_data_file(deck.readAll(), data, DeckLayout::of(DataFormat::V2015)).ok) return {};
    if (!read_plot_file(example_plot_file(name), false, graphs, data, nullptr)) return {};
    std::vector<QJsonObject> out;
    for (const QString& n : ResultGraphs::shortNames()) {
        TGraphPlot& g = *graphs.byShortName(n);
        if (!g.holdsData()) continue;
        GraphView v(g);
        out.push_back(graph_json(v, n));
    }
    return graphs_json_document(name + QStringLiteral(".vn5p"), out);
}

}  // namespace

void GraphJsonTest::comparatorNamesTheFirstDifference() {
    QCOMPARE(compare_lines("a\nb\n", "a\nb\n"), QString());
    QCOMPARE(compare_lines("a\nc\n", "a\nb\n"), QStringLiteral("line 2: expected 'b', got 'c'"));
    QCOMPARE(compare_lines("a", "a\nb"), QStringLiteral("1 lines, expected 2"));
}

void GraphJsonTest::examples_data() {
    QTest::addColumn<QString>("name");
    for (const QString& n : example_names()) QTest::newRow(qPrintable(n)) << n;
}

void GraphJsonTest::examples() {
    QFETCH(QString, name);
    ResultGraphs graphs;
    const QByteArray json = examples_json(name, graphs);
    QVERIFY(!json.isEmpty());
    const QString golden =
        QStringLiteral(VORNEL_SOURCE_DIR) + "/tests/viewer/golden/" + name + ".json";
    const QString diff = check_golden(golden, json);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void GraphJsonTest::layersOfTheLayeredCantilever() {
    ResultGraphs graphs;
    QVERIFY(!examples_json("cantilever_layered", graphs).isEmpty());
    const TGraphPlot& d = graphs.pltDMS;
    QCOMPARE(d.WallLineCount, 4);
    QStringList names;
    for (const TLine& l : d.LayerLines) names << l.Name;
    QCOMPARE(names, (QStringList{" SAND ", " CLAY ", " SAND ", "WEAK ROCK", "PILE", "PILE"}));
    QCOMPARE(d.LayerLines[4].point(0).Y, graphs.pltDef.curve(0).Points.back().Y - 0.5);
    QCOMPARE(d.LayerLines[5].point(0).Y, 12.0);  // the free height, 12 ft
}

QTEST_MAIN(GraphJsonTest)
#include "graph_json_test.moc"
