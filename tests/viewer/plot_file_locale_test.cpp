// The plot file read on a German desktop: every example's graphs come out as under "C" (the
// JSON of their series equals the golden files), and a decimal point is read as a point.
#include <QtTest>
#include <memory>

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "tests/editor/comma_locale.h"
#include "viewer/graph_json.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class PlotFileLocaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CommaLocale> locale_;

  private slots:
    void initTestCase() {
        locale_ = std::make_unique<CommaLocale>();
        QVERIFY2(locale_->active(), CommaLocale::kMissing);
    }
    void cleanupTestCase() { locale_.reset(); }

    void fractionsKeepThePoint() {
        PlotBlock b;
        b.nodes = {{0, 0.5, 0, 0, 0}, {120.0, 0.25, 5000.0, 2000.0, 30.5}};
        ResultGraphs g;
        ResultArrays a;
        QVERIFY(PlotFileReader(g, a).readContent(plot_text({b}), false));
        QCOMPARE(g.pltDef.curve(0).point(1), (TFloatPoint{0.25, 10.0}));
        QCOMPARE(g.pltDef.curve(0).point(0), (TFloatPoint{0.5, 0.0}));
        QCOMPARE(g.pltSoil.curve(0).point(1), (TFloatPoint{30.5, 10.0}));
    }

    void examplesAsUnderC_data() {
        QTest::addColumn<QString>("name");
        for (const QString& n : example_names()) QTest::newRow(qPrintable(n)) << n;
    }
    void examplesAsUnderC() {
        QFETCH(QString, name);
        ProjectTables tables;
        TProgramData data(tables);
        QFile deck(example_deck(name));
        QVERIFY(deck.open(QIODevice::ReadOnly));
        QVERIFY(read_data_file(deck.readAll(), data, DeckLayout::of(DataFormat::V2015)).ok);
        ResultGraphs graphs;
        QVERIFY(read_plot_file(example_plot_file(name), false, graphs, data, nullptr));
        std::vector<QJsonObject> out;
        for (const QString& n : ResultGraphs::shortNames()) {
            TGraphPlot& g = *graphs.byShortName(n);
            if (!g.holdsData()) continue;
            GraphView v(g);
            out.push_back(graph_json(v, n));
        }
        QFile golden(QStringLiteral(VORNEL_SOURCE_DIR) + "/tests/viewer/golden/" + name + ".json");
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const QByteArray json = graphs_json_document(name + QStringLiteral(".vn5p"), out);
        const QString diff = compare_lines(json, golden.readAll());
        QVERIFY2(diff.isEmpty(), qPrintable(name + ": " + diff));
    }
};

QTEST_MAIN(PlotFileLocaleTest)
#include "plot_file_locale_test.moc"
