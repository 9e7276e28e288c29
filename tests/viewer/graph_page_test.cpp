// Printing on a paged device: the printable area from the margins and the device's
// unprintable edges, and a page that is written.
#include <QtTest>

#include <QBuffer>
#include <QPdfWriter>

#include "viewer/graph_page.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class GraphPageTest : public QObject {
    Q_OBJECT

  private slots:
    void marginsGiveThePlotArea();
    void deviceEdgesWinOverThinMargins();
    void pageIsWritten();
};

void GraphPageTest::marginsGiveThePlotArea() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    OneCurveGraph g;
    const GraphLayout l = page_layout(pdf, g.g, PageMargins{});
    // 8.5 x 11 in at 600 ppi, 1 in margins; T = 14 px at 96 ppi = 87.5 -> 88 px.
    QCOMPARE(l.T, 88);
    QCOMPARE(l.plot.left, 600 + 176 + 75 + 11);
    QCOMPARE(l.plot.right, 5100 - 600);
    QCOMPARE(l.plot.top, 600 + 176 + 75 + 11);
    QCOMPARE(l.plot.bottom, 6600 - 600);
}

void GraphPageTest::deviceEdgesWinOverThinMargins() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);  // 150 px
    OneCurveGraph g;
    g.g.XOnTop = false;
    const GraphLayout l = page_layout(pdf, g.g, PageMargins{100, 100, 100, 100});
    // Painter coordinates start at the paintable edge, 150 px in: the area starts there.
    QCOMPARE(l.plot.top, 0);
    QCOMPARE(l.plot.right, 5100 - 300);
    QCOMPARE(l.client, QRect(-150, -150, 5100, 6600));
}

void GraphPageTest::pageIsWritten() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(300);
    OneCurveGraph g;
    QVERIFY(print_graph(pdf, g.v, PageMargins{}));
    QVERIFY(buffer.data().startsWith("%PDF-"));
    QVERIFY(buffer.data().size() > 1000);
}

QTEST_MAIN(GraphPageTest)
#include "graph_page_test.moc"
