// The "Side View" window driven as a user drives it: the caption while the pointer moves over
// the wall, the drawing it shows, widening it, a view without a wall, printing to a PDF file
// where no printer is installed, and closing.
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/viewer/profile_test_support.h"
#include "viewer/ui/dlg_side_view.h"

using namespace vornel;

namespace {

struct Fixture {
    std::unique_ptr<test::ProfileProject> p = test::open_example("cantilever_layered.vn5d");
    test::RecordingQuestions questions;
    QPointer<TDlgSideView> view = new TDlgSideView(p->project, questions);
    Fixture() {
        view->show();
        view->activateWindow();
        if (!QTest::qWaitForWindowExposed(view)) qWarning("window not exposed");
    }
    ~Fixture() { delete view.data(); }
    QPoint pixel(double world_x, double depth) const {
        const ProfileMapping m = view->geometry().screen();
        return QPoint(int(m.column(world_x)), int(m.row(depth + view->geometry().topMargin())));
    }
    void moveTo(QPoint at) { QTest::mouseMove(view->canvas(), at); }
};

// The number after "  Depth: ".
double caption_depth(const QString& caption) {
    return caption.mid(9).toDouble();
}

}  // namespace

class DlgSideViewTest : public QObject {
    Q_OBJECT
  private slots:
    void windowAtCreation();
    void depthReadOutAtWallTopAndToe();
    void drawsTheWallAndGround();
    void wideningKeepsTheDepthRange();
    void noWallShowsNothingUntilMended();
    void printsALandscapePdfWithoutPrinter();
    void printCancelledOrFailed();
    void closingTellsTheMainWindow();
    void rebuiltWhenItsSubWindowIsActivated();
};

void DlgSideViewTest::windowAtCreation() {
    Fixture f;
    QCOMPARE(f.view->windowTitle(), QStringLiteral("Side View"));
    QCOMPARE(f.view->size(), QSize(580, 431));
    QCOMPARE(f.view->Label1->text(), QStringLiteral("Wall Profile"));
    QCOMPARE(f.view->Button1->text(), QStringLiteral("Print"));
    QVERIFY(f.view->testAttribute(Qt::WA_DeleteOnClose));
}

void DlgSideViewTest::depthReadOutAtWallTopAndToe() {
    Fixture f;
    // 72 increments of 6 in: the toe lies 432 in below the top.
    f.moveTo(f.pixel(0, 0));
    const QString top = f.view->windowTitle();
    QVERIFY2(top.startsWith("  Depth: "), qPrintable(top));
    QVERIFY2(std::abs(caption_depth(top)) <= 1.5, qPrintable(top));
    QVERIFY(QRegularExpression("^  Depth: -?[0-9]+\\.[0-9]$").match(top).hasMatch());
    f.moveTo(f.pixel(0, 432));
    const QString toe = f.view->windowTitle();
    QVERIFY2(std::abs(caption_depth(toe) - 432.0) <= 1.5, qPrintable(toe));
    // Leaving the drawing keeps the last depth shown.
    QTest::mouseMove(f.view->Button1);
    QCOMPARE(f.view->windowTitle(), toe);
}

void DlgSideViewTest::drawsTheWallAndGround() {
    Fixture f;
    const QImage shot = f.view->canvas()->grab().toImage();
    const QColor wall = f.view->palette().color(QPalette::WindowText);
    const QColor window = f.view->palette().color(QPalette::Window);
    QCOMPARE(shot.pixelColor(f.pixel(0, 200)), wall);
    QCOMPARE(shot.pixelColor(f.pixel(0, 200) + QPoint(40, 0)), window);
    // The excavation side at 12 ft and the sand-over-clay bottom at 6 ft on the backfill only.
    const int excavation = f.pixel(0, 144).y();
    QCOMPARE(shot.pixelColor(f.view->canvas()->width() * 3 / 4, excavation), wall);
    const int first_bottom = f.pixel(0, 72).y();
    QCOMPARE(shot.pixelColor(f.view->canvas()->width() * 3 / 4, first_bottom), window);
    QCOMPARE(f.view->drawing().count(ProfileItemKind::LayerName), 4);
}

void DlgSideViewTest::wideningKeepsTheDepthRange() {
    Fixture f;
    // Wide enough that the depth range, not the pile row beside the wall, sets the scale.
    f.view->resize(1000, 431);
    QTRY_COMPARE(f.view->canvas()->width(), 1000);
    const WorldWindow before = f.view->geometry().display();
    f.view->resize(1500, 431);
    QTRY_COMPARE(f.view->canvas()->width(), 1500);
    const WorldWindow after = f.view->geometry().display();
    QCOMPARE(after.ymin, 0.0);
    QCOMPARE(after.ymax, before.ymax);
    QVERIFY(after.xmax - after.xmin > 1.4 * (before.xmax - before.xmin));
    f.moveTo(f.pixel(0, 432));
    QVERIFY(std::abs(caption_depth(f.view->windowTitle()) - 432.0) <= 1.5);
}

void DlgSideViewTest::noWallShowsNothingUntilMended() {
    Fixture f;
    f.p->data().FreeHeight = 0.0;
    f.view->FormActivate();
    QVERIFY(f.view->geometry().degenerate());
    QVERIFY(f.view->drawing().items.empty());
    QTest::mouseMove(f.view->canvas(), QPoint(290, 200));
    QCOMPARE(f.view->windowTitle(), QStringLiteral("Side View"));
    const QImage shot = f.view->canvas()->grab().toImage();
    const QColor text = f.view->palette().color(QPalette::WindowText);
    QVERIFY(shot.pixelColor(f.view->canvas()->width() / 2, 200) != text);
    // A corrected free height shows at the next activation, in the same window.
    f.p->data().FreeHeight = 144.0;
    f.view->FormActivate();
    QVERIFY(!f.view->geometry().degenerate());
    f.moveTo(f.pixel(0, 100));
    QVERIFY(f.view->windowTitle().startsWith("  Depth: "));
}

void DlgSideViewTest::printsALandscapePdfWithoutPrinter() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed here");
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.pdf");
    {
        QFile old(path);  // an earlier print of the same name is replaced
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old print");
    }
    f.questions.files = {path};
    QTest::mouseClick(f.view->Button1, Qt::LeftButton);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("profile.pdf"));
    QCOMPARE(f.questions.suggested.size(), 1);
    QVERIFY(f.questions.suggested[0].endsWith("examples/cantilever_layered_profile.pdf"));
    QCOMPARE(f.questions.informed, QStringList());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 2000);
    const QRegularExpression box("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]");
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(bytes));
    QVERIFY(m.hasMatch());
    QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());  // landscape
    QVERIFY(bytes.contains(QByteArray("/Title (\xfe\xff\0S\0o\0i\0l", 17)));
}

void DlgSideViewTest::printCancelledOrFailed() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed here");
    Fixture f;
    f.questions.files = {std::nullopt};
    QTest::mouseClick(f.view->Button1, Qt::LeftButton);
    QCOMPARE(f.questions.suggested.size(), 1);
    QCOMPARE(f.questions.informed, QStringList());
    f.questions.files = {QStringLiteral("/no/such/folder/profile.pdf")};
    QTest::mouseClick(f.view->Button1, Qt::LeftButton);
    QCOMPARE(f.questions.informed,
             QStringList("The profile could not be printed on /no/such/folder/profile.pdf."));
    QVERIFY(!QFile::exists("/no/such/folder/profile.pdf"));
}

void DlgSideViewTest::closingTellsTheMainWindow() {
    Fixture f;
    QSignalSpy closed(f.view.data(), &TDlgSideView::closed);
    f.view->close();
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(f.view.isNull());
}

void DlgSideViewTest::rebuiltWhenItsSubWindowIsActivated() {
    auto p = test::open_example("cantilever_layered.vn5d");
    test::RecordingQuestions questions;
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1000, 800);
    auto* view = new TDlgSideView(p->project, questions);
    QMdiSubWindow* sub = area->addSubWindow(view);
    QMdiSubWindow* other = area->addSubWindow(new QLabel("other"));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    area->setActiveSubWindow(other);
    p->data().FreeHeight = 0.0;
    area->setActiveSubWindow(sub);
    QVERIFY(view->geometry().degenerate());
    p->data().FreeHeight = 144.0;
    area->setActiveSubWindow(other);
    area->setActiveSubWindow(sub);
    QVERIFY(!view->geometry().degenerate());
    QCOMPARE(view->geometry().outlines().front().boundingRect().right(), 144.0 / 40.0);
}

QTEST_MAIN(DlgSideViewTest)
#include "dlg_side_view_test.moc"
