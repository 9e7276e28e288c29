// Navigation of the 3D view without a display: the mouse modes, the zoom window, the base
// scale and projection, and the deformation factor's steps.
#include <QtTest>
#include <cmath>

#include "viewer/view_navigation.h"

using namespace vornel;

namespace {

SceneExtents extents() {
    SceneExtents x;
    x.d = 12.5;
    x.b = 5;
    x.a = 30;
    x.D = 60;
    x.P = 10;
    return x;
}

// A navigation as the view leaves it after a drawing: matrix captured.
ViewNavigation drawn(double scale = 10) {
    ViewNavigation n;
    n.scale = scale;
    n.captured = n.modelView(extents());
    return n;
}

// Where a model point lands on the screen (pixels from the centre, Y up).
QPointF on_screen(const ViewNavigation& n, Vec3 p) {
    const QVector3D v = n.modelView(extents()).map(QVector3D(float(p.x), float(p.y), float(p.z)));
    return {v.x(), v.y()};
}

}  // namespace

class ViewNavigationTest : public QObject {
    Q_OBJECT
  private slots:
    void factorSteps_data();
    void factorSteps();
    void baseScaleAndProjection();
    void defaultViewLooksAtTheWallElevation();
    void panFollowsTheMouse();
    void panWithShiftKeepsTheLargerComponent();
    void rotateWithShiftTurnsAboutOneAxis();
    void zoomDrag();
    void rotateDrag();
    void zoomWindow();
    void zeroSizeZoomWindowChangesNothing();
    void modeButtonsAndRestart();
};

void ViewNavigationTest::factorSteps_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<bool>("up");
    QTest::addColumn<double>("to");
    QTest::newRow("1 up") << 1.0 << true << 2.0;
    QTest::newRow("1 down") << 1.0 << false << 0.9;
    QTest::newRow("0.5 up") << 0.5 << true << 0.6;
    QTest::newRow("0.1 up") << 0.1 << true << 0.2;
    QTest::newRow("0.1 down") << 0.1 << false << 0.09;
    QTest::newRow("9 up") << 9.0 << true << 10.0;
    QTest::newRow("10 up") << 10.0 << true << 20.0;
    QTest::newRow("2.5 up") << 2.5 << true << 3.0;
    QTest::newRow("2.5 down") << 2.5 << false << 1.0;
    QTest::newRow("0 up") << 0.0 << true << 1.0;
    QTest::newRow("0 down") << 0.0 << false << 1.0;
    QTest::newRow("negative") << -3.0 << false << 1.0;
    QTest::newRow("0.3 up") << 0.3 << true << 0.4;
    QTest::newRow("0.09 up") << 0.09 << true << 0.1;
    QTest::newRow("1000 down") << 1000.0 << false << 900.0;
}

void ViewNavigationTest::factorSteps() {
    QFETCH(double, from);
    QFETCH(bool, up);
    QFETCH(double, to);
    const double got = step_deformation_factor(from, up);
    QCOMPARE(QString::number(got, 'g', 15), QString::number(to, 'g', 15));
}

void ViewNavigationTest::baseScaleAndProjection() {
    ViewNavigation n;
    n.setBaseScale(870, 640, extents());
    QCOMPARE(n.scale, std::min(820 / 25.0, 590 / 60.0));
    SceneExtents none;
    n.setBaseScale(870, 640, none);  // zero divisors give 1
    QCOMPARE(n.scale, 1.0);
    const OrthoBox o = ViewNavigation::projection(800, 600, extents());
    QCOMPARE(o.left, -400.0);
    QCOMPARE(o.top, 300.0);
    QCOMPARE(o.farPlane, 60.0 / 10 * 300 * 640);
    QCOMPARE(ViewNavigation::projection(800, 600, none).farPlane, 400.0);
}

void ViewNavigationTest::defaultViewLooksAtTheWallElevation() {
    const ViewNavigation n = drawn();
    // Depth a/2 at the centre; depth up the screen; x across to the right.
    QCOMPARE(on_screen(n, {0, 0, -15}), QPointF(0, 0));
    QCOMPARE(on_screen(n, {0, 0, 0}), QPointF(0, 150));
    QCOMPARE(on_screen(n, {1, 0, -15}), QPointF(10, 0));
    QCOMPARE(n.axisLength(), 8.0);
}

void ViewNavigationTest::panFollowsTheMouse() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::Pan);
    n.press(100, 100, true);
    QVERIFY(n.move(130, 80, true, false, 800, 600));
    // 30 px right and 20 px up: the point under the centre moves with the mouse.
    const QPointF c = on_screen(n, {0, 0, -15});
    QVERIFY(std::abs(c.x() - 30) < 1e-3);
    QVERIFY(std::abs(c.y() - 20) < 1e-3);
    QVERIFY(n.release(130, 80, false, 800, 600));
    QCOMPARE(n.mouse, ViewNavigation::Mouse::Idle);
    // Without the left button a move does nothing, and a right click does not pan.
    QVERIFY(!n.move(500, 500, false, false, 800, 600));
    const double px = n.px;
    n.press(100, 100, false);
    QVERIFY(!n.release(300, 300, false, 800, 600));
    QCOMPARE(n.px, px);
}

void ViewNavigationTest::panWithShiftKeepsTheLargerComponent() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::Pan);
    n.press(100, 100, true);
    n.move(130, 80, true, true, 800, 600);
    const QPointF c = on_screen(n, {0, 0, -15});
    QVERIFY(std::abs(c.x() - 30) < 1e-3);
    QVERIFY(std::abs(c.y()) < 1e-3);
}

void ViewNavigationTest::rotateWithShiftTurnsAboutOneAxis() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::Rotate);
    n.press(400, 300, true);
    n.release(600, 330, true, 800, 600);  // mostly sideways: only the sideways part counts
    QVERIFY(std::abs(n.rx) < 1e-9);
    QVERIFY(std::abs(std::abs(n.rz) - 22.5) < 1e-3);
    QCOMPARE(n.mouse, ViewNavigation::Mouse::Idle);
}

void ViewNavigationTest::zoomDrag() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::Zoom);
    n.zoom = 2;
    n.press(0, 300, true);
    n.move(0, 150, true, false, 800, 600);  // up a quarter of the height
    QCOMPARE(n.zoom, 2 * 1.25);
}

void ViewNavigationTest::rotateDrag() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::Rotate);
    n.press(400, 300, true);
    n.move(600, 300, true, false, 800, 600);  // a quarter width right: 22.5 degrees
    const double turned = std::sqrt(n.rx * n.rx + n.ry * n.ry + n.rz * n.rz);
    QVERIFY(std::abs(turned - 22.5) < 1e-3);
    // Seen with z up, a drag to the right turns the model about the vertical (model z).
    QVERIFY(std::abs(std::abs(n.rz) - 22.5) < 1e-3);
}

void ViewNavigationTest::zoomWindow() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::ZoomWindow);
    QVERIFY(n.zoomWindowFlag);
    n.press(500, 100, true);
    QVERIFY(n.move(600, 150, true, false, 800, 600));  // the band repaints
    QVERIFY(n.banding);
    QVERIFY(n.release(600, 150, false, 800, 600));
    QCOMPARE(n.zoom, std::min(600 / 50.0, 800 / 100.0));
    // The box's centre (550, 125) came to the centre of the surface.
    n.captured = n.modelView(extents());
    const QVector3D before = drawn().captured.inverted().map(QVector3D(150, 175, 0));
    const QPointF c = on_screen(n, {before.x(), before.y(), before.z()});
    QVERIFY2(std::abs(c.x()) < 1e-2 && std::abs(c.y()) < 1e-2,
             qPrintable(QString("%1 %2").arg(c.x()).arg(c.y())));
}

void ViewNavigationTest::zeroSizeZoomWindowChangesNothing() {
    for (QPoint end : {QPoint(500, 300), QPoint(700, 100), QPoint(500, 100)}) {
        ViewNavigation n = drawn();
        n.setMode(MouseMode::ZoomWindow);
        n.press(500, 100, true);
        n.move(end.x(), end.y(), true, false, 800, 600);
        n.release(end.x(), end.y(), false, 800, 600);
        QCOMPARE(n.zoom, 1.0);
        QCOMPARE(n.px, 0.0);
        QCOMPARE(n.py, 0.0);
        QCOMPARE(n.pz, 0.0);
    }
}

void ViewNavigationTest::modeButtonsAndRestart() {
    ViewNavigation n = drawn();
    n.setMode(MouseMode::ZoomWindow);
    n.setMode(MouseMode::Rotate);
    QVERIFY(!n.zoomWindowFlag);
    n.zoomBy(1.4142);
    n.zoomBy(1 / 1.4142);
    QCOMPARE(n.zoom, 1.4142 * (1 / 1.4142));
    n.rx = 10;
    n.px = 3;
    n.zoom = 4;
    n.restart();
    QCOMPARE(n.rx, 0.0);
    QCOMPARE(n.px, 0.0);
    QCOMPARE(n.zoom, 1.0);
    QCOMPARE(n.scale, 10.0);  // the base scale stays
}

QTEST_MAIN(ViewNavigationTest)
#include "view_navigation_test.moc"
