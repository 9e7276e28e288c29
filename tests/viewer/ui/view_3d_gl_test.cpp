// The 3-D View under a virtual display with Mesa's software renderer: what it shows, how
// navigation changes the picture without rebuilding the display lists, the picture export,
// and an unusable OpenGL context reported as a message.
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "view_3d_test_support.h"
#include "viewer/graph_plot.h"
#include "viewer/ui/dlg_block.h"

using namespace vornel;
using namespace vornel::test;

namespace {

QImage frame(TDlgBlock* v) {
    return v->glWindow()->grabFramebuffer();
}

bool wait_painted(TDlgBlock* v) {
    return QTest::qWaitForWindowExposed(v) &&
           QTest::qWaitFor([&] { return v->rebuildCount() > 0; });
}

}  // namespace

class View3dGlTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheExample();
    void greyWallAtTheCentreOnWhite();
    void navigationRepaintsWithoutRebuilding();
    void zeroSizeZoomWindowChangesNothing();
    void zoomWindowZoomsIn();
    void deformedShapeRebuildsTheLists();
    void savePicture();
    void openGLFailureIsAMessage();
    void toolsAndShowItemsOnTheView();
    void opensInTheMdiArea();
    void glyphsPicture();
};

void View3dGlTest::opensOnTheExample() {
    ViewProject p;
    p.load("examples/anchored_three_stage.vn5d");
    RecordingQuestions q;
    TDlgBlock view(p.project, q);
    TDlgBlock* v = &view;
    v->show();
    QCOMPARE(v->windowTitle(), QString("3-D View"));
    QCOMPARE(v->size(), QSize(870, 640));
    QVERIFY(wait_painted(v));
    QCOMPARE(v->rebuildCount(), 1);
    QVERIFY(q.informed.isEmpty());
    const QImage img = frame(v);
    QVERIFY(!img.isNull());
    QCOMPARE(img.pixel(3, 3), qRgb(255, 255, 255));
    QVERIFY(differing_pixels(img, QImage(img.size(), img.format())) > 0);
    // The wall, soil and water are drawn: many pixels are neither white nor black.
    int coloured = 0;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < img.width(); x += 4)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) ++coloured;
    QVERIFY(coloured > 1000);
    QCOMPARE(v->rebuildCount(), 1);  // grabbing repaints, it does not rebuild
    // VORNEL_SHOT=<name>: pictures to look at, the example's front view and its last stage
    // turned, with the tiebacks in place and the wall deflected.
    if (!qEnvironmentVariableIsSet("VORNEL_SHOT")) return;
    const QString shot = qEnvironmentVariable("VORNEL_SHOT");
    img.save(shot + "_front.png");
    p.project.switchStage(3);
    v->navigation().rx = 25;
    v->navigation().rz = -35;
    v->RedrawComplete();
    frame(v).save(shot + "_turned.png");
    DeflectionCurve curve;
    for (int k = 0; k <= 80; ++k) curve.push_back({k * 6.0, 2.0 * std::sin(k * M_PI / 80)});
    v->setDeflection(curve);
    v->navigation().show.deformedShape = v->navigation().show.undeformedModel = true;
    v->navigation().show.soilLayers = false;
    v->RedrawComplete();
    frame(v).save(shot + "_deformed.png");
}

void View3dGlTest::greyWallAtTheCentreOnWhite() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.show();
    QVERIFY(wait_painted(&v));
    const QImage img = frame(&v);
    const QPoint c(img.width() / 2, img.height() / 2);
    QVERIFY2(is_grey(img.pixel(c)), qPrintable(QString::number(img.pixel(c), 16)));
    // The wall is 1 ft thick at about 29.5 px per ft: grey a few pixels either side, white
    // well beyond it, and white in the corners.
    QVERIFY(is_grey(img.pixel(c + QPoint(8, 0))));
    QVERIFY(is_grey(img.pixel(c - QPoint(8, 0))));
    QCOMPARE(img.pixel(c + QPoint(60, 0)), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(c - QPoint(60, 0)), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(5, img.height() - 5), qRgb(255, 255, 255));
    QVERIFY(q.informed.isEmpty());
    // The axes start at the top of the wall: "X" in blue 80 px to the right, "D" in red 80 px
    // down, each label just beyond its line.
    const int top = c.y() - int(5 * v.navigation().scale);
    QCOMPARE(img.pixel(c.x() + 40, top), qRgb(0, 0, 255));
    QVERIFY(count_colour(img, QRect(c.x() + 80, top - 10, 20, 20), qRgb(0, 0, 255)) > 5);
    QCOMPARE(img.pixel(c.x(), top + 40), qRgb(255, 0, 0));
    QVERIFY(count_colour(img, QRect(c.x() - 10, top + 80, 20, 20), qRgb(255, 0, 0)) > 5);
}

void View3dGlTest::navigationRepaintsWithoutRebuilding() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.show();
    QVERIFY(wait_painted(&v));
    const int built = v.rebuildCount();
    const QImage before = frame(&v);

    v.setMouseMode(MouseMode::Rotate);
    drag(v.glWindow(), {435, 320}, {535, 360});
    QVERIFY(v.navigation().rx != 0 || v.navigation().ry != 0 || v.navigation().rz != 0);
    const QImage turned = frame(&v);
    QVERIFY(differing_pixels(before, turned) > 500);

    v.ZoomIn();
    QCOMPARE(v.navigation().zoom, 1.4142);
    const QImage zoomed = frame(&v);
    QVERIFY(differing_pixels(turned, zoomed) > 500);

    v.setMouseMode(MouseMode::Pan);
    drag(v.glWindow(), {400, 300}, {450, 300});
    QVERIFY(differing_pixels(zoomed, frame(&v)) > 500);

    v.RestartViewButtonClick();
    QCOMPARE(differing_pixels(before, frame(&v)), 0);
    QCOMPARE(v.rebuildCount(), built);

    // A show option rebuilds the lists once, at the next paint.
    v.toggleShow(ShowOption::Wall);
    QVERIFY(!v.isShown(ShowOption::Wall));
    const QImage hidden = frame(&v);
    QCOMPARE(v.rebuildCount(), built + 1);
    QCOMPARE(hidden.pixel(hidden.width() / 2, hidden.height() / 2), qRgb(255, 255, 255));
}

void View3dGlTest::zeroSizeZoomWindowChangesNothing() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.show();
    QVERIFY(wait_painted(&v));
    const QImage before = frame(&v);
    v.setMouseMode(MouseMode::ZoomWindow);
    drag(v.glWindow(), {300, 200}, {300, 400});  // no width
    drag(v.glWindow(), {300, 200}, {500, 200});  // no height
    QCOMPARE(v.navigation().zoom, 1.0);
    QCOMPARE(v.navigation().px, 0.0);
    QCOMPARE(v.navigation().pz, 0.0);
    QCOMPARE(differing_pixels(before, frame(&v)), 0);
}

void View3dGlTest::zoomWindowZoomsIn() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.show();
    QVERIFY(wait_painted(&v));
    v.setMouseMode(MouseMode::ZoomWindow);
    // While the box is dragged it shows as a green rectangle.
    press_and_move(v.glWindow(), {200, 100}, {300, 180});
    const QImage band = frame(&v);
    QVERIFY(count_colour(band, QRect(240, 98, 20, 4), qRgb(0, 255, 0)) >= 20);
    QVERIFY(count_colour(band, QRect(298, 130, 4, 20), qRgb(0, 255, 0)) >= 20);
    QCOMPARE(band.pixel(250, 140), qRgb(255, 255, 255));
    release(v.glWindow(), {200, 100});  // back where it started: no box
    QCOMPARE(v.navigation().zoom, 1.0);
    // A box around the wall's middle: the wall fills the centre, wider than before.
    drag(v.glWindow(), {395, 280}, {475, 360});
    QCOMPARE(v.navigation().zoom, std::min(640 / 80.0, 870 / 80.0));
    const QImage img = frame(&v);
    const QPoint c(img.width() / 2, img.height() / 2);
    QVERIFY(is_grey(img.pixel(c + QPoint(100, 0))));
    QVERIFY(is_grey(img.pixel(c - QPoint(100, 0))));
}

void View3dGlTest::deformedShapeRebuildsTheLists() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    DeflectionCurve c;
    for (int k = 0; k <= 10; ++k) c.push_back({k * 12.0, 0.3 * (10 - k)});  // leaning 3 ft
    v.setDeflection(c);
    v.show();
    QVERIFY(wait_painted(&v));
    const int built = v.rebuildCount();
    TDlgDeformedShape* d = v.DeformedShapeWindow();
    QCOMPARE(d->windowTitle(), QString("Deformed Shape"));
    QTest::mouseClick(d->CheckBoxDeformedShape, Qt::LeftButton);
    QVERIFY(v.navigation().show.deformedShape);
    QVERIFY(v.listsStale());
    const QImage img = frame(&v);
    QCOMPARE(v.rebuildCount(), built + 1);
    // The top of the wall leans 3 ft (about 88 px) towards the excavation.
    const int top = img.height() / 2 - int(5 * v.navigation().scale) + 4;
    const int lean = int(3 * v.navigation().scale);
    QVERIFY(is_grey(img.pixel(img.width() / 2 + lean, top)));
    QCOMPARE(img.pixel(img.width() / 2 - 20, top), qRgb(255, 255, 255));
    if (qEnvironmentVariableIsSet("VORNEL_SHOT")) {
        d->grab().save(qEnvironmentVariable("VORNEL_SHOT") + "_dialog.png");
        img.save(qEnvironmentVariable("VORNEL_SHOT") + "_leaning.png");
    }
    d->close();
    QTRY_VERIFY(v.deformedShapeDialog() == nullptr);
    QVERIFY(v.DeformedShapeWindow() != nullptr);  // created anew
}

void View3dGlTest::savePicture() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.show();
    QVERIFY(wait_painted(&v));
    QStringList items;
    for (QAction* a : v.contextMenu()->actions()) items << a->text();
    QCOMPARE(items, (QStringList{"Save Picture...", "Print..."}));

    QTemporaryDir dir;
    const QString path = dir.filePath("wall.png");
    q.files = {path, std::nullopt};
    QVERIFY(v.savePicture());
    QVERIFY(q.suggested.at(0).endsWith("NewWall_3D.png"));
    QImage saved(path);
    QCOMPARE(saved.size(), QSize(870, 640));
    QVERIFY(is_grey(saved.pixel(435, 320)));
    QVERIFY(!v.savePicture());  // cancelled
    const QString bad = dir.filePath("missing/wall.png");
    QVERIFY(!v.savePicture(bad));
    QCOMPARE(q.informed.size(), 1);
    QVERIFY(q.informed.at(0).startsWith("The picture could not be written to " + bad + ": "));

    // Without a printer "Print..." writes the page to the PDF file the engineer names.
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed");
    const QString pdf = dir.filePath("wall.pdf");
    q.files = {pdf};
    v.contextMenu()->actions().at(1)->trigger();
    QVERIFY(q.suggested.last().endsWith("NewWall_3D.pdf"));
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.read(5) == "%PDF-");
    QVERIFY(!QFile::exists(pdf + ".part"));
}

void View3dGlTest::openGLFailureIsAMessage() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.glWindow()->setResolver([](QOpenGLContext*) { return nullptr; });
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QTRY_COMPARE(q.informed, QStringList{"SetPixelFormat failed"});
    QVERIFY(v.openGLFailed());
    // Still usable as a window: navigation and redraws neither crash nor repeat the message.
    v.ZoomIn();
    v.RedrawComplete();
    const QImage img = frame(&v);
    if (!img.isNull()) QCOMPARE(img.pixel(img.width() / 2, img.height() / 2), qRgb(255, 255, 255));
    QTest::qWait(50);
    QCOMPARE(q.informed.size(), 1);
    QCOMPARE(v.rebuildCount(), 0);
}

// The tools and the "Show 3DView" items as the main window hands them to the view.
void View3dGlTest::toolsAndShowItemsOnTheView() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    auto* v = new TDlgBlock(p.project, q);
    v->setDeflection({{0, 1}, {12, 0.5}});
    QCOMPARE(v->deflection().size(), size_t(2));
    v->show();
    v->setMouseMode(MouseMode::ZoomWindow);
    QCOMPARE(v->navigation().mode, MouseMode::ZoomWindow);
    QVERIFY(v->navigation().zoomWindowFlag);
    v->setMouseMode(MouseMode::Rotate);  // "Zoom Window" alone sets the zoom-window flag
    QVERIFY(!v->navigation().zoomWindowFlag);
    v->ZoomIn();
    QCOMPARE(v->navigation().zoom, 1.4142);
    v->RestartViewButtonClick();
    QCOMPARE(v->navigation().zoom, 1.0);
    QVERIFY(v->isShown(ShowOption::TieBacks));
    v->toggleShow(ShowOption::TieBacks);
    QVERIFY(!v->isShown(ShowOption::TieBacks));
    v->DeformedShapeWindow();
    QVERIFY(v->deformedShapeDialog() != nullptr);
    delete v;
    // Opened anew: the defaults again.
    TDlgBlock again(p.project, q);
    QVERIFY(again.isShown(ShowOption::TieBacks));
}

void View3dGlTest::opensInTheMdiArea() {
    ViewProject p;
    p.plainWall();
    RecordingQuestions q;
    QMdiArea area;
    area.resize(1200, 900);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    auto* v = new TDlgBlock(p.project, q);
    QMdiSubWindow* sub = area.addSubWindow(v);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->resize(870, 640);
    sub->show();
    QCOMPARE(area.subWindowList().size(), 1);
    QCOMPARE(area.subWindowList().at(0)->windowTitle(), QString("3-D View"));
    QVERIFY(wait_painted(v));
    QVERIFY(is_grey(frame(v).pixel(v->glWindow()->width() / 2, v->glWindow()->height() / 2)));
    QPointer<TDlgBlock> guard(v);
    sub->close();  // the user closes the view
    QTRY_VERIFY(!guard);
    QVERIFY(area.subWindowList().isEmpty());
}

// VORNEL_SHOT=<name>: a picture of every kind of glyph to look at; nothing to check.
void View3dGlTest::glyphsPicture() {
    if (!qEnvironmentVariableIsSet("VORNEL_SHOT")) QSKIP("pictures only on request");
    ViewProject p;
    p.plainWall();
    TProgramData& d = p.project.data();
    d.PYWidth = 24;
    d.UseConcentratedLoads = d.UseRestraints = d.UseSprings = d.UseSurcharge = true;
    TGridTable& loads = d.tables().BoundCond;
    loads.setInteger(col::kClFrom, 0, 2);
    loads.setInteger(col::kClTo, 0, 2);
    loads.setReal(col::kClLoad, 0, 100);
    loads.setReal(col::kClMoment, 0, 100);
    loads.setReal(col::kClAxial, 0, 100);
    TGridTable& rest = d.tables().SoilLayer;
    rest.setRowCount(2);
    rest.setItem(col::kRsCase, 0, 1);
    rest.setInteger(col::kRsNode, 0, 8);
    rest.setReal(col::kRsDeflection, 0, 1);
    rest.setItem(col::kRsCase, 1, 2);
    rest.setInteger(col::kRsNode, 1, 10);
    rest.setReal(col::kRsSlope, 1, 1);
    TGridTable& springs = d.tables().SoilStrength;
    springs.setInteger(col::kSpFrom, 0, 5);
    springs.setInteger(col::kSpTo, 0, 6);
    TGridTable& sur = d.tables().SurchargeTable;
    sur.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
        sur.setItem(col::kSuType, r, r + 1);
        sur.setReal(col::kSuMagnitude, r, 1);
        sur.setReal(col::kSuDistance, r, 36.0 + 48 * r);
        sur.setReal(col::kSuWidth, r, 24);
    }
    RecordingQuestions q;
    TDlgBlock v(p.project, q);
    v.navigation().rx = 20;
    v.navigation().rz = -30;
    v.show();
    QVERIFY(wait_painted(&v));
    frame(&v).save(qEnvironmentVariable("VORNEL_SHOT") + "_glyphs.png");
    v.Zooming(4);
    v.navigation().pz = 5;
    frame(&v).save(qEnvironmentVariable("VORNEL_SHOT") + "_glyphs_zoomed.png");
}

QTEST_MAIN(View3dGlTest)
#include "view_3d_gl_test.moc"
