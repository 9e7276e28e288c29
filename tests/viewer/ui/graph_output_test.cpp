// What leaves a graph window: the printed page (a PDF where no printer is installed), the
// page margins against the printer's own edges, the picture of Save To Disk, and the graphs
// of a real example drawn in their palette colours.
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "graph_ui_support.h"
#include "viewer/graph_palette.h"
#include "viewer/plot_file_reader.h"
#include "viewer/ui/format_dialog.h"
#include "viewer/ui/graph_canvas.h"
#include "viewer/ui/graph_window.h"
#include "viewer/ui/legend_box.h"

using namespace vornel;

namespace {
// With VORNEL_TEST_OUTPUT set to a folder, the page and the picture are kept there to look at.
void keep_for_viewing(const QString& path) {
    const QString folder = qEnvironmentVariable("VORNEL_TEST_OUTPUT");
    if (folder.isEmpty()) return;
    const QString target = folder + "/" + QFileInfo(path).fileName();
    QFile::remove(target);
    QFile::copy(path, target);
}
}  // namespace

class GraphOutputTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void marginsBelowThePrinterEdgesUseTheEdges();
    void pageSetupStoresThousandthsOfAnInch();
    void printsIntoAPdfWithoutPrinter();
    void saveToDiskWritesThePng();
    void saveAttributesBounds();
    void chosenTypeDecidesTheFormat_data();
    void chosenTypeDecidesTheFormat();
    void everyGraphOfAnExampleIsDrawnInItsColours();

  private:
    std::unique_ptr<TGraphWindow> openMoment();
    ResultGraphs graphs;
    ResultArrays arrays;
    test::RecordingQuestions q;
    QTemporaryDir dir;
};

void GraphOutputTest::initTestCase() {
    PlotFileReader reader(graphs, arrays);
    QVERIFY2(reader.read(example_plot("anchored_three_stage"), false), qPrintable(reader.error()));
    QVERIFY(graphs.pltMom.holdsData());
}

std::unique_ptr<TGraphWindow> GraphOutputTest::openMoment() {
    auto w = std::make_unique<TGraphWindow>(graphs.pltMom, q);
    w->resize(1000, 700);
    w->show();
    if (!w->openGraph()) return nullptr;
    return w;
}

void GraphOutputTest::marginsBelowThePrinterEdgesUseTheEdges() {
    auto w = openMoment();
    QVERIFY(w);
    QPrinter& pr = w->printer();
    pr.setOutputFormat(QPrinter::PdfFormat);
    pr.setPageSize(QPageSize(QPageSize::Letter));
    // The printer cannot print within half an inch of the edges.
    pr.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    const int dpi = pr.logicalDpiX();
    w->margins = {100, 100, 100, 100};
    const GraphLayout small = w->printLayout();
    w->margins = {500, 500, 500, 500};
    const GraphLayout edges = w->printLayout();
    QCOMPARE(small.plot, edges.plot);
    w->margins = {1000, 1000, 1000, 1000};
    const GraphLayout inch = w->printLayout();
    // One inch margins: half an inch further in than the printer's edges, in the painter's
    // coordinates that start at those edges.
    QCOMPARE(inch.plot.right, edges.plot.right - dpi / 2);
    QCOMPARE(inch.plot.left - edges.plot.left, dpi / 2);
}

void GraphOutputTest::pageSetupStoresThousandthsOfAnInch() {
    auto w = openMoment();
    QVERIFY(w);
    QCOMPARE(w->margins.left, 1000);
    QMarginsF shown;
    q.pageSetup = [&shown](QPrinter& pr) {
        shown = pr.pageLayout().margins(QPageLayout::Inch);
        pr.setPageMargins(QMarginsF(0.75, 1.25, 0.5, 2.0), QPageLayout::Inch);
        return true;
    };
    w->entry(PlotEntry::PageSetup)->trigger();
    QCOMPARE(shown, QMarginsF(1, 1, 1, 1));
    QCOMPARE(w->margins.left, 750);
    QCOMPARE(w->margins.top, 1250);
    QCOMPARE(w->margins.right, 500);
    QCOMPARE(w->margins.bottom, 2000);
    q.pageSetup = [](QPrinter& pr) {
        pr.setPageMargins(QMarginsF(3, 3, 3, 3), QPageLayout::Inch);
        return false;
    };
    w->entry(PlotEntry::PageSetup)->trigger();
    QCOMPARE(w->margins.left, 750);
}

void GraphOutputTest::printsIntoAPdfWithoutPrinter() {
    auto w = openMoment();
    QVERIFY(w);
    const QString pdf = dir.filePath("moment.pdf");
    q.hasPrinter = false;
    q.files = {pdf};
    w->entry(PlotEntry::Print)->trigger();
    QVERIFY(q.informed.isEmpty());
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 2000);
    QCOMPARE(w->printer().docName(), QString("Moment vs Depth"));
    keep_for_viewing(pdf);
    // Cancelling the file dialog prints nothing.
    QFile::remove(pdf);
    w->entry(PlotEntry::Print)->trigger();
    QVERIFY(!QFile::exists(pdf));
}

void GraphOutputTest::saveToDiskWritesThePng() {
    auto w = openMoment();
    QVERIFY(w);
    const QString png = dir.filePath("moment.png");
    q.files = {png};
    q.dialog = [](QDialog& d) {
        auto& f = static_cast<TdlgFormat&>(d);
        return f.deWidth->value() == 6.0 && f.deHeight->value() == 4.0 && f.dePPI->value() == 72;
    };
    w->entry(PlotEntry::SaveToDisk)->trigger();
    QVERIFY(q.filters.last().startsWith("Bitmap (*.bmp)"));
    QVERIFY(q.filters.last().contains("*.png"));
    QImage img(png);
    QCOMPARE(img.size(), QSize(432, 288));
    keep_for_viewing(png);
    // The first curve's colour (black) and the second's (blue) are in the picture.
    int blue = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == graph_colour(1).rgb()) ++blue;
    QVERIFY2(blue > 50, qPrintable(QString::number(blue)));
    // Cancelling Save Attributes writes nothing.
    const QString other = dir.filePath("other.png");
    q.files = {other};
    q.dialog = [](QDialog&) { return false; };
    w->entry(PlotEntry::SaveToDisk)->trigger();
    QVERIFY(!QFile::exists(other));
}

void GraphOutputTest::chosenTypeDecidesTheFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("png") << "a"
                         << "PNG picture (*.png)"
                         << "a.png" << QByteArray("\x89PNG");
    QTest::newRow("svg") << "b"
                         << "SVG drawing (*.svg)"
                         << "b.svg" << QByteArray("<?xml");
    QTest::newRow("pdf") << "c"
                         << "PDF document (*.pdf)"
                         << "c.pdf" << QByteArray("%PDF");
    QTest::newRow("bmp") << "d"
                         << "Bitmap (*.bmp)"
                         << "d.bmp" << QByteArray("BM");
    QTest::newRow("own extension kept") << "e.svg"
                                        << "SVG drawing (*.svg)"
                                        << "e.svg" << QByteArray("<?xml");
    // A typed picture extension is taken at its word: content always matches the name.
    QTest::newRow("typed extension wins") << "f.png"
                                          << "Bitmap (*.bmp)"
                                          << "f.png" << QByteArray("\x89PNG");
    QTest::newRow("dotted name") << "wall.v2"
                                 << "PNG picture (*.png)"
                                 << "wall.v2.png" << QByteArray("\x89PNG");
}

// Save To Disk writes the type chosen in the dialog and adds its extension to a bare name.
void GraphOutputTest::chosenTypeDecidesTheFormat() {
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    auto w = openMoment();
    QVERIFY(w);
    QTemporaryDir folder;
    // The filter index of the chosen type, in the dialog's order of types.
    const QStringList types{"Bitmap (*.bmp)", "PNG picture (*.png)", "SVG drawing (*.svg)",
                            "PDF document (*.pdf)"};
    QVERIFY(types.contains(type));
    q.files = {test::FileAnswer(folder.filePath(name), int(types.indexOf(type)) + 1)};
    q.dialog = [](QDialog&) { return true; };
    w->entry(PlotEntry::SaveToDisk)->trigger();
    QVERIFY(q.files.empty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QFile f(folder.filePath(written));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith(start));
}

void GraphOutputTest::saveAttributesBounds() {
    TdlgFormat d;
    QCOMPARE(d.windowTitle(), QString("Save Attributes"));
    d.deWidth->setValue(1.0);
    d.deHeight->setValue(0.5);
    d.dePPI->setValue(3);
    QCOMPARE(d.spec().widthInches, 2.0);
    QCOMPARE(d.spec().heightInches, 2.0);
    QCOMPARE(d.spec().pixelsPerInch, 10);
    QCOMPARE(d.findChild<QComboBox*>()->currentText(), QString("16 Colors"));
}

// The share of the curve's points inside the plot (and off the legend box) that have the
// curve's colour within a pixel.
double drawn_share(const QImage& img, const TGraphWindow& w, const PanelMapping& m, int curve,
                   QColor colour) {
    const TLine& c = w.graph().curve(curve);
    int inside = 0, found = 0;
    for (const TFloatPoint& pt : c.Points) {
        const QPoint at = m.toPixel(pt.X, pt.Y);
        if (!w.layout().plot.contains(at) ||
            w.legend()->geometry().adjusted(-2, -2, 2, 2).contains(at))
            continue;
        ++inside;
        bool hit = false;
        for (int dy = -1; dy <= 1 && !hit; ++dy)
            for (int dx = -1; dx <= 1 && !hit; ++dx)
                hit = img.pixel(at + QPoint(dx, dy)) == colour.rgb();
        found += hit;
    }
    return inside ? double(found) / inside : 0.0;
}

// Every graph with data opens and is drawn: the last active curve (drawn on top) in its
// palette colour through its points, the first curve in black through some of its points
// (the others may cross it).
void GraphOutputTest::everyGraphOfAnExampleIsDrawnInItsColours() {
    int opened = 0;
    for (TGraphPlot* g : graphs.results()) {
        if (!g->holdsData()) continue;
        TGraphWindow w(*g, q);
        w.resize(1100, 800);
        w.show();
        QVERIFY2(w.openGraph(), qPrintable(g->Caption));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage img = w.canvas()->grab().toImage();
        const PanelMapping m = w.view().mapping(w.layout());
        const std::vector<int> active = g->activeCurves();
        const int last = active.back(), position = int(active.size()) - 1;
        const double top = drawn_share(img, w, m, last, graph_colour(position));
        const double first = drawn_share(img, w, m, 0, graph_colour(0));
        QVERIFY2(top > 0.9, qPrintable(g->Caption + QString(": %1").arg(top)));
        QVERIFY2(first > 0.0, qPrintable(g->Caption));
        ++opened;
    }
    QVERIFY(opened >= 6);
}

QTEST_MAIN(GraphOutputTest)
#include "graph_output_test.moc"
