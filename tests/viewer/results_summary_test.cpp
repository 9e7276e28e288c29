// The results summary against numbers read by hand from the examples' reports, and the force
// of every kind of support worked out by hand.
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
    void examplesAgainstTheirReports_data();
    void examplesAgainstTheirReports();
    void supportForcesByHand();
    void warningsAndNonConvergenceBelongToTheirProblem();
};

namespace {
QString golden_report(const QString& name) {
    for (const char* folder : {"soil", "run"}) {
        QFile f(QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/%1/golden/%2.vn5o")
                    .arg(QLatin1String(folder), name));
        if (f.open(QIODevice::ReadOnly)) return QString::fromLatin1(f.readAll());
    }
    return {};
}

ResultsSummary example_summary(const QString& name) {
    ResultGraphs g;
    ResultArrays a;
    ResultsSummary s;
    if (PlotFileReader(g, a).read(example_plot_file(name), false)) s.build(g, golden_report(name));
    return s;
}

// The summary's line that starts with `label`, without the label; empty when there is none.
QStringList line(const ResultsSummary& s, const QString& label) {
    for (const QStringList& l : s.lines())
        if (l.first() == label) return l.mid(1);
    return {};
}
}  // namespace

void ResultsSummaryTest::examplesAgainstTheirReports_data() {
    QTest::addColumn<QString>("example");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("expected");  // label, then the cell of every problem
    QTest::addColumn<int>("lineCount");
    const QStringList stages{"Problem", "Stage: 1", "Stage: 2", "Stage: 3"};
    // Report of the three stages: "RESULTS -- ITERATION 5, 4, 4". Stage 1: deflection
    // 0.219E+00 IN at X = 0, moment 0.716E+05 LBS-IN at X = 144 in, net reaction -0.277E+03
    // LBS at X = 120 in. Tieback rows: station 12, S' 0.219E+05 LBS/IN (stages 2, 3); station
    // 28, S' 0.292E+05 (stage 3); deflections at 12: 0.118E+00 (stage 2), 0.755E-01 (stage 3);
    // at 28: 0.413E-01 (stage 3). 21900 x 0.118 = 2584 lbs, 21900 x 0.0755 = 1653 lbs,
    // 29200 x 0.0413 = 1206 lbs.
    const char* three[][5] = {{"Iterations", "5", "4", "4"},
                              {"Converged", "Yes", "Yes", "Yes"},
                              {"Warnings", "None", "None", "None"},
                              {"Max. Deflection (in)", "0.219", "0.187", "0.108"},
                              {"Depth of Max. Deflection (ft)", "0", "0", "0"},
                              {"Max. Moment (in-kips)", "71.6", "47.1", "25.8"},
                              {"Depth of Max. Moment (ft)", "12", "18.5", "24.5"},
                              {"Max. Shear (kips)", "1.265", "-1.166", "-0.789"},
                              {"Max. Soil Reaction (kips)", "-0.277", "-2.42", "-1.56"},
                              {"Depth of Max. Soil Reaction (ft)", "10", "6", "6"},
                              {"Tieback/Spring Force at Node 12, 6 ft (kips)", "", "2.58", "1.65"},
                              {"Tieback/Spring Force at Node 28, 14 ft (kips)", "", "", "1.21"}};
    for (const auto& l : three)
        QTest::addRow("three stages: %s", l[0])
            << "anchored_three_stage" << stages
            << QStringList(std::begin(l), std::find(std::begin(l), std::end(l), nullptr)) << 13;
    // SI: a tieback at station 15, S' 0.580E+04 KN/ M, deflection 0.255E-01 M there: 147.9 kN.
    // Net reaction -0.143E+03 KN at 1.5 m, moment 0.761E+02 KN- M at 7.7 m.
    const char* si[][2] = {{"Max. Deflection (m)", nullptr},
                           {"Depth of Max. Deflection (m)", "0"},
                           {"Max. Moment (m-kN)", "76.1"},
                           {"Depth of Max. Moment (m)", "7.7"},
                           {"Max. Shear (kN)", nullptr},
                           {"Max. Soil Reaction (kN)", "-143"},
                           {"Depth of Max. Soil Reaction (m)", "1.5"},
                           {"Tieback/Spring Force at Node 15, 1.5 m (kN)", "148"}};
    for (const auto& l : si)
        QTest::addRow("SI: %s", l[0])
            << "anchored_trapezoid_strip" << QStringList{"Problem", "Load #1"}
            << QStringList(std::begin(l), std::find(std::begin(l), std::end(l), nullptr)) << 12;
    // A cantilever without springs or tiebacks has no support lines.
    QTest::addRow("no supports") << "cantilever_user_py" << QStringList{"Problem", "Load #1"}
                                 << QStringList{"Iterations"} << 11;
}

void ResultsSummaryTest::examplesAgainstTheirReports() {
    QFETCH(QString, example);
    QFETCH(QStringList, header);
    QFETCH(QStringList, expected);
    QFETCH(int, lineCount);
    const ResultsSummary s = example_summary(example);
    QCOMPARE(s.header(), header);
    QCOMPARE(static_cast<int>(s.lines().size()), lineCount);
    const QStringList cells = line(s, expected.first());
    QCOMPARE(cells.size(), header.size() - 1);
    // The report gives three digits: a number agrees within half a unit of the third.
    for (int k = 1; k < expected.size(); ++k) {
        bool number = false;
        const double want = expected[k].toDouble(&number), got = cells[k - 1].toDouble();
        if (number)
            QVERIFY2(std::fabs(got - want) <= 0.005 * std::fabs(want), qPrintable(cells[k - 1]));
        else
            QCOMPARE(cells[k - 1], expected[k]);
    }
    // Whatever is shown pastes as it is shown: a header line and a line per quantity.
    const QStringList tsv = s.tabSeparated().split('\n');
    QCOMPARE(tsv.size(), lineCount + 2);
    QCOMPARE(tsv.first(), header.join('\t'));
}

namespace {
// A report's stiffness table and results table as the engine lays them out, stations 0..12 at
// 12 in, deflection 0.01 j in and slope 0.001 everywhere.
QString report_with_rows(const QStringList& rows) {
    QString r = QStringLiteral(
        "     FROM TO CONTD     EI         Q        S'        T         R         P\n\n"
        "                   LBS-IN**2     LBS     LBS/IN    IN-LBS   IN-LBS     LBS\n");
    for (const QString& row : rows) r += row + '\n';
    r += QStringLiteral(
        "\n\n     RESULTS -- ITERATION  2\n     --------------------\n\n"
        "   ------    ----        ----       -----      ------\n");
    for (int j = 0; j <= 12; ++j)
        r += QString::asprintf("  %4d  %10.3E  %10.3E  %10.3E\n", j, 12.0 * j, 0.01 * j, 0.001);
    return r;
}
}  // namespace

// A rotational spring at the top (R 1E6 x slope 0.001 = 1000 lb-in); springs of 1E5 lbs/in
// over stations 2..4 (half values at the ends: 5E4 x 0.02 + 1E5 x 0.03 + 5E4 x 0.04 = 6000
// lbs); a chain from 1E5 at 6 to 3E5 at 8 (5E4 x 0.06 + 2E5 x 0.07 + 1.5E5 x 0.08 = 29000
// lbs); a tieback at 10 (5000 x 0.1 = 500 lbs).
void ResultsSummaryTest::supportForcesByHand() {
    ResultGraphs g;
    g.pltDef.setCurveCount(1);
    const QString zeros = QStringLiteral(" 0.000E+00");
    const QString report = report_with_rows({
        "        0  12  0  0.100E+10" + zeros.repeated(5),
        "        0   0  0  0.100E+10" + zeros.repeated(3) + " 0.100E+07" + zeros,
        "        2   4  0  0.100E+10" + zeros + " 0.100E+06" + zeros.repeated(3),
        "        6      1  0.100E+10" + zeros + " 0.100E+06" + zeros.repeated(3),
        "            8  0  0.100E+10" + zeros + " 0.300E+06" + zeros.repeated(3),
        "       10  10  0  0.100E+10" + zeros + " 0.500E+04" + zeros.repeated(3),
    });
    ResultsSummary s;
    s.build(g, report);
    const std::vector<QStringList> lines = s.lines();
    QCOMPARE(lines.size(), size_t(15));
    const QStringList expected[] = {{"Rotational Spring Moment at Node 0, 0 ft (in-kips)", "1.00"},
                                    {"Spring Force at Nodes 2-4, 2-4 ft (kips)", "6.00"},
                                    {"Spring Force at Nodes 6-8, 6-8 ft (kips)", "29.0"},
                                    {"Tieback/Spring Force at Node 10, 10 ft (kips)", "0.500"}};
    for (size_t k = 0; k < 4; ++k) QCOMPARE(lines[11 + k], expected[k]);
    // In the "other" unit system the values stay as the report gives them, named no unit.
    g.pltDef.setUnits(3);
    s.build(g, report);
    QCOMPARE(s.lines()[3].first(), QStringLiteral("Max. Deflection"));
    QCOMPARE(s.lines().back(), QStringList({"Tieback/Spring Force at Node 10, 120", "500"}));
}

// The iteration's outcome is written right after "RESULTS -- ITERATION"; a warning of the soil
// routines comes before it.
void ResultsSummaryTest::warningsAndNonConvergenceBelongToTheirProblem() {
    ResultGraphs g;
    g.pltDef.setCurveCount(2);
    const QString report = QStringLiteral(
        " WARNING: PILE PENETRATION IS SMALL\n     RESULTS -- ITERATION  3\n\n"
        "     ***** DEFLECTION OFF Q - W CURVES *****\n\n   STA I\n"
        "     RESULTS -- ITERATION100\n\n"
        "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n");
    ResultsSummary s;
    s.build(g, report);
    QCOMPARE(s.rows().size(), size_t(2));
    QCOMPARE(s.rows()[0].warnings, QStringList({"WARNING: PILE PENETRATION IS SMALL",
                                                "***** DEFLECTION OFF Q - W CURVES *****"}));
    QVERIFY(s.rows()[0].converged);
    QCOMPARE(s.rows()[1].iterations, 100);
    QCOMPARE(s.lines()[1], QStringList({"Converged", "Yes", "No"}));
    QCOMPARE(s.lines()[2].last(),
             QStringLiteral("***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****"));
}

QTEST_GUILESS_MAIN(ResultsSummaryTest)
#include "results_summary_test.moc"
