// The chart table window: the chart beside the grid (series, colours, markers, legend, axis
// formats, the equal-Y rule), and reading values from a file or the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "editor/grid_table_model.h"
#include "editor/ui/chart_picture.h"
#include "editor/ui/chart_view.h"
#include "editor/ui/table_chart_form.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class TableChartFormTest : public QObject {
    Q_OBJECT

    static void fillCurve(TGridTableChart& t) {
        t.setRowCount(5);
        for (int r = 0; r < 5; ++r) {
            t.setReal(0, r, -2.0 + r);
            t.setReal(1, r, (2.0 - r) * 150.0);
        }
    }
    static void writeText(const QString& path, const QByteArray& text) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

  private slots:
    void chartShowsTheCurveInRed() {
        Workbench w;
        TGridTableChart& t = w.tables().PYCurve2;
        fillCurve(t);
        const ChartPicture pic = ChartPicture::of(t);
        QCOMPARE(pic.series.size(), size_t(1));
        QCOMPARE(pic.series[0].color, QColor(Qt::red));
        QCOMPARE(pic.series[0].width, 2.0);
        QVERIFY(!pic.series[0].squareMarkers);
        QVERIFY(!pic.legend);
        QCOMPARE(pic.x.title, QString("Lateral Deflection, y (*)"));
        QCOMPARE(pic.y.title, QString("Soil Resistance, p"));
        QCOMPARE(pic.x.format, QString("#,##0.###"));

        // Drawn: a red pixel where the mapping puts the middle point (0, 0).
        QImage image(360, 300, QImage::Format_RGB32);
        QPainter p(&image);
        paint_chart(p, pic, QRectF(image.rect()));
        p.end();
        const QPointF at = pic.map({0.0, 0.0}, ChartPicture::plotArea(QRectF(image.rect())));
        const QColor c = image.pixelColor(at.toPoint());
        QVERIFY2(c.red() > 200 && c.green() < 80 && c.blue() < 80, qPrintable(c.name()));
    }

    void thirdColumnIsAGreenSeriesWithSquaresAndALegend() {
        Workbench w;
        TGridTableChart& t = w.tables().Rows2;  // two columns: add a third for the check
        t.addColumn(ColumnDef::real({"Third", "line"}, "F"));
        t.setRowCount(3);
        for (int r = 0; r < 3; ++r) {
            t.setReal(0, r, r * 1000.0);
            t.setReal(1, r, 2.0e6);
            t.setReal(2, r, r);
        }
        const ChartPicture pic = ChartPicture::of(t);
        QCOMPARE(pic.series.size(), size_t(2));
        QCOMPARE(pic.series[1].color, QColor(Qt::green));
        QVERIFY(pic.series[1].squareMarkers);
        QVERIFY(pic.legend);
        QCOMPARE(pic.series[0].name, QString("Flexural rigidity"));
        QCOMPARE(pic.series[1].name, QString("Third"));
        // All Y equal: the second point is raised by 0.1 % and the axis spans 0.9 to 1.1 times.
        QCOMPARE(pic.series[0].points[1].y(), 2.0e6 * 1.001);
        QCOMPARE(pic.y.min, 0.9 * 2.0e6);
        QCOMPARE(pic.y.max, 1.1 * 2.0e6);
        QCOMPARE(pic.y.format, QString("#.0##E-0"));
        QCOMPARE(ChartPicture::formatValue(2.2e6, pic.y.format), QString("2.2E6"));
        QCOMPARE(ChartPicture::formatValue(0.00025, "#.0##E-0"), QString("2.5E-4"));
        QCOMPARE(ChartPicture::formatValue(12345.6789, "#,##0.###"), QString("12,345.679"));
        QCOMPARE(ChartPicture::formatValue(-3.0, "#,##0.###"), QString("-3"));
    }

    void invertedAxesRunBackwards() {
        Workbench w;
        TGridTableChart& t = w.tables().PYCurve2;
        fillCurve(t);
        t.InvertedYAxis = true;
        const ChartPicture pic = ChartPicture::of(t);
        const QRectF plot(0, 0, 100, 100);
        QVERIFY(pic.map({0, pic.y.max}, plot).y() > pic.map({0, pic.y.min}, plot).y());
        t.InvertedYAxis = false;
    }

    void readingAFileOfThreeNumbersAddsNoRows() {
        Workbench w;
        TGridTableChart& t = w.tables().PYCurve2;
        fillCurve(t);
        auto* form = qobject_cast<TTableChartForm*>(w.host->openTable(t));
        QVERIFY(form);
        QVERIFY(!form->readButton->isEnabled());
        const QString three = w.path("three.txt");
        writeText(three, "1 2 3\r\n4 5 6\r\n7 8 9\r\n");
        w.questions.files.push_back(three);
        QTest::mouseClick(form->browseButton, Qt::LeftButton);
        QCOMPARE(form->fileName()->text(), three);
        QCOMPARE(w.questions.filters,
                 QStringList{"Text Files (*.txt);;Data Files (*.dat);;All Files (*)"});
        QVERIFY(form->readButton->isEnabled());
        QVERIFY(form->viewButton->isEnabled());
        QTest::mouseClick(form->readButton, Qt::LeftButton);
        QCOMPARE(t.rowCount(), 5);
        QCOMPARE(t.real(1, 0), 300.0);

        const QString two = w.path("two.txt");
        writeText(two, "-1.5 90\n0.5,-30\nnote\n2.5\t-75\n");
        form->fileName()->setText(two);
        QTest::mouseClick(form->readButton, Qt::LeftButton);
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(form->model()->rowCount(), 3);
        QCOMPARE(t.real(0, 2), 2.5);
        QCOMPARE(t.real(1, 2), -75.0);
        QCOMPARE(form->chart()->picture().series[0].points.size(), size_t(3));
    }

    void pasteFromTheClipboard() {
        Workbench w;
        TGridTableChart& t = w.tables().PYCurve2;
        fillCurve(t);
        auto* form = qobject_cast<TTableChartForm*>(w.host->openTable(t));
        QCOMPARE(form->pasteButton->text(), QString("Paste values from  Clipboard (text)"));
        QApplication::clipboard()->clear();
        QTest::mouseClick(form->pasteButton, Qt::LeftButton);
        QCOMPARE(w.questions.informed, QStringList{"There is no text on the Clipboard"});
        QCOMPARE(t.rowCount(), 5);
        QApplication::clipboard()->setText("-1\t200\r\n0\t0\r\n1\t-200\r\n");
        QTest::mouseClick(form->pasteButton, Qt::LeftButton);
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(t.real(1, 0), 200.0);
        QCOMPARE(form->grid()->model()->data(form->grid()->model()->index(2, 1)).toString(),
                 QString("-200"));
    }

    void sectionTablesOfCurveSetsShowNoChart() {
        Workbench w;
        auto* sets = qobject_cast<TTableChartForm*>(w.host->openTable(w.tables().MEICurves2));
        QVERIFY(sets && !sets->chart());
        QVERIFY(!sets->fileName());  // no file controls either
        auto* points = qobject_cast<TTableChartForm*>(
            w.host->openTable(*w.tables().MEICurves2.subTable(col::kEiPoints, 0)));
        QVERIFY(points && points->chart() && points->fileName());
        QCOMPARE(w.area.activeSubWindow()->windowTitle(), QString("Moment and EI data 1"));
    }

    void cancelRestoresTheRowsOfTheOpening() {
        Workbench w;
        TGridTableChart& t = w.tables().PYCurve2;
        fillCurve(t);
        auto* form = qobject_cast<TTableChartForm*>(w.host->openTable(t));
        QTest::mouseClick(form->addButton(), Qt::LeftButton);
        t.setReal(1, 0, 999.0);
        QTest::mouseClick(form->cancelButton, Qt::LeftButton);
        settle();
        QCOMPARE(t.rowCount(), 5);
        QCOMPARE(t.real(1, 0), 300.0);
        QVERIFY(!w.host->tableWindow(t));
    }
};

QTEST_MAIN(TableChartFormTest)
#include "table_chart_form_test.moc"
