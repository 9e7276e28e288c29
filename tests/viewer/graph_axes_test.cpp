// Axis ranges and ticks against hand computation.
#include <QtTest>

#include "viewer/graph_axes.h"

using namespace vornel;

class GraphAxesTest : public QObject {
    Q_OBJECT

  private slots:
    void allZeroSpansOneHundredthEachWay();
    void roundedToOneDigitSteps_data();
    void roundedToOneDigitSteps();
    void rangeOverCurvesContainsZero();
    void cannotDrawWhatIsNotFinite();
    void majorSteps_data();
    void majorSteps();
    void everyFifthTickIsLabelled();
    void tooShortOrSingleTickGivesNone();
    void labelsHaveFourSignificantDigits();
};

void GraphAxesTest::allZeroSpansOneHundredthEachWay() {
    const AxisRange a = axis_range(0, 0);
    QVERIFY(a.valid());
    QCOMPARE(a.min, -0.01);
    QCOMPARE(a.max, 0.01);
    TLineList curves(2);
    curves[0].setPointCount(5);
    const PanelRange r = panel_range(curves);
    QCOMPARE(r.x.min, -0.01);
    QCOMPARE(r.y.max, 0.01);
}

void GraphAxesTest::roundedToOneDigitSteps_data() {
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("step");
    // log10 2.65 = 0.42 < log10 3: the step is a tenth of the power of ten.
    QTest::newRow("0.3 to 2.65") << 0.3 << 2.65 << 0.0 << 2.7 << 0.1;
    // log10 4.5 = 0.65: the step is the power of ten itself.
    QTest::newRow("0 to 4.5") << 0.0 << 4.5 << 0.0 << 5.0 << 1.0;
    QTest::newRow("negative") << -37.2 << 12.0 << -40.0 << 20.0 << 10.0;
    QTest::newRow("multiples stay") << 0.0 << 0.2 << 0.0 << 0.2 << 0.01;
    QTest::newRow("moment") << -41.3 << 461.7 << -100.0 << 500.0 << 100.0;
}

void GraphAxesTest::roundedToOneDigitSteps() {
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, step);
    const AxisRange a = axis_range(lo, hi);
    QCOMPARE(a.step, step);
    QVERIFY2(std::fabs(a.min - min) < 1e-12, qPrintable(QString::number(a.min, 'g', 17)));
    QVERIFY2(std::fabs(a.max - max) < 1e-12, qPrintable(QString::number(a.max, 'g', 17)));
}

void GraphAxesTest::rangeOverCurvesContainsZero() {
    TLineList curves(2);
    curves[0].Points = {{2, 5}, {3, 8}};
    curves[1].Points = {{4, 6}};
    curves[1].Shown = false;  // hidden curves count too
    const PanelRange r = panel_range(curves);
    QCOMPARE(r.x.min, 0.0);
    QCOMPARE(r.x.max, 4.0);
    QCOMPARE(r.y.min, 0.0);
    QCOMPARE(r.y.max, 8.0);
}

void GraphAxesTest::cannotDrawWhatIsNotFinite() {
    QVERIFY(!axis_range(0, std::numeric_limits<double>::infinity()).valid());
    QVERIFY(!axis_range(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max())
                 .valid());  // the span overflows
}

void GraphAxesTest::majorSteps_data() {
    QTest::addColumn<double>("span");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<double>("major");
    // 6T = 84 pixels per interval at T = 14.
    QTest::newRow("m 1") << 1.5 << 84 << 1.0;  // r = 1.5
    QTest::newRow("m 2") << 2.0 << 84 << 2.0;  // r = 2
    QTest::newRow("m 4") << 4.9 << 84 << 2.0;  // r = 4.9
    QTest::newRow("m 5") << 5.0 << 84 << 5.0;
    QTest::newRow("m 8") << 8.9 << 84 << 5.0;
    QTest::newRow("m 9") << 9.5 << 84 << 10.0;
    QTest::newRow("four intervals") << 40.0 << 4 * 84 + 10 << 10.0;  // r = 10
    QTest::newRow("small") << 0.02 << 5 * 84 << 0.002;               // r = 0.004
}

void GraphAxesTest::majorSteps() {
    QFETCH(double, span);
    QFETCH(int, pixels);
    QFETCH(double, major);
    const AxisTicks t = axis_ticks(0, span, pixels, 14);
    QVERIFY(std::fabs(t.major - major) < 1e-12 * major);
    QVERIFY(std::fabs(t.minor - major / 5) < 1e-12 * major);
}

void GraphAxesTest::everyFifthTickIsLabelled() {
    // -10..40 over 4 intervals: r = 12.5, major 10, minor 2: ticks -10, -8, ..., 40.
    const AxisTicks t = axis_ticks(-10, 40, 4 * 84, 14);
    QCOMPARE(t.ticks.size(), size_t(26));
    QCOMPARE(t.ticks.front().value, -10.0);
    QCOMPARE(t.ticks.back().value, 40.0);
    QStringList labels;
    for (const AxisTick& k : t.ticks)
        if (k.labelled) labels << tick_label(k.value);
    QCOMPARE(labels, (QStringList{"-10", "0", "10", "20", "30", "40"}));
    QVERIFY(!t.ticks[1].labelled);
}

void GraphAxesTest::tooShortOrSingleTickGivesNone() {
    QVERIFY(axis_ticks(0, 10, 83, 14).ticks.empty());
    QVERIFY(axis_ticks(0, 10, 84, 0).ticks.empty());
    QVERIFY(!axis_ticks(0, 10, 84, 14).ticks.empty());
}

void GraphAxesTest::labelsHaveFourSignificantDigits() {
    QCOMPARE(tick_label(0.30000000000000004), QStringLiteral("0.3"));
    QCOMPARE(tick_label(2.71828), QStringLiteral("2.718"));
    QCOMPARE(tick_label(-1500), QStringLiteral("-1500"));
    QCOMPARE(tick_label(20000), QStringLiteral("2E4"));
    QCOMPARE(tick_label(0.0), QStringLiteral("0"));
    QCOMPARE(tick_label(1e-5), QStringLiteral("1E-5"));
}

QTEST_MAIN(GraphAxesTest)
#include "graph_axes_test.moc"
