// The results summary of the staged example, against numbers read from its report.
#include <QFile>
#include <QtTest>

#include "viewer/plot_file_reader.h"
#include "viewer/results_summary.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class ResultsSummaryTest : public QObject {
    Q_OBJECT

  private slots:
    void threeStageRowsFromReportAndPlotFile();
    void warningsAndNonConvergenceBelongToTheirProblem();
};

namespace {
QString golden_report(const QString& name) {
    QFile f(QStringLiteral(VORNEL_SOURCE_DIR) + "/tests/engine/soil/golden/" + name + ".vn5o");
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}
}  // namespace

void ResultsSummaryTest::threeStageRowsFromReportAndPlotFile() {
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).read(example_plot_file("anchored_three_stage"), false));
    ResultsSummary s;
    s.build(g, golden_report("anchored_three_stage"));
    QCOMPARE(s.rows().size(), size_t(3));
    // "RESULTS -- ITERATION 5, 4, 4" in the report.
    const int iterations[] = {5, 4, 4};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(s.rows()[k].iterations, iterations[k]);
        QVERIFY(s.rows()[k].converged);
    }
    // Stage 1 in the report: deflection 0.219E+00 IN at X = 0, moment 0.716E+05 LBS-IN at
    // X = 144 in, net reaction -0.277E+03 LBS at X = 120 in (the largest magnitude is negative).
    const SummaryRow& r = s.rows()[0];
    QCOMPARE(s.header().size(), s.cells(r).size());
    QCOMPARE(s.header()[4], QStringLiteral("Max. Deflection (in)"));
    QCOMPARE(s.header()[6], QStringLiteral("Max. Moment (in-kips)"));
    QCOMPARE(s.header()[5], QStringLiteral("Depth (ft)"));
    const struct {
        SummaryExtreme got;
        double value, tolerance, depth;
    } cases[] = {{r.deflection, 0.219, 5e-4, 0.0},
                 {r.moment, 71.6, 0.05, 12.0},
                 {r.reaction, -277.0, 0.5, 10.0}};
    for (const auto& c : cases) {
        QVERIFY2(std::fabs(c.got.value - c.value) < c.tolerance,
                 qPrintable(QString::number(c.got.value)));
        QCOMPARE(c.got.depth, c.depth);
    }
    const QString tsv = s.tabSeparated();
    QCOMPARE(tsv.count(QLatin1Char('\n')), 4);
    QVERIFY(tsv.startsWith(QStringLiteral("Problem\tIterations\tConverged\tWarnings\t")));
}

void ResultsSummaryTest::warningsAndNonConvergenceBelongToTheirProblem() {
    ResultGraphs g;
    g.pltDef.setCurveCount(2);
    const QString report = QStringLiteral(
        " WARNING: PILE PENETRATION IS SMALL\n RESULTS -- ITERATION  3\n"
        " SOLUTION DID NOT CONVERGE\n RESULTS -- ITERATION 100\n");
    ResultsSummary s;
    s.build(g, report);
    QCOMPARE(s.rows().size(), size_t(2));
    QCOMPARE(s.rows()[0].warnings, QStringList{"WARNING: PILE PENETRATION IS SMALL"});
    QVERIFY(s.rows()[0].converged);
    QCOMPARE(s.rows()[1].iterations, 100);
    QVERIFY(!s.rows()[1].converged);
    QCOMPARE(s.cells(s.rows()[1])[2], QStringLiteral("No"));
}

QTEST_GUILESS_MAIN(ResultsSummaryTest)
#include "results_summary_test.moc"
