#include "viewer/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextFrame>
#include <QUrl>
#include <cmath>

namespace vornel {

namespace {

constexpr double kMarginMm = 15.0;
constexpr double kHeaderHeight = 30.0;  // document pixels: the header line and its rule

QFont document_font() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(9.5);
    // No ligatures: text copied from the PDF (and read back by tests) keeps its letters.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

void paint_header(QPainter& p, const QRectF& body, const QString& left, int page, int pages) {
    QFont f = document_font();
    f.setPixelSize(11);  // 8.5 pt at 96 pixels per inch; the painter scales it to the device
    p.setFont(f);
    p.setPen(Qt::black);
    const QRectF line(body.left(), body.top() - kHeaderHeight, body.width(), kHeaderHeight - 8);
    const QString number = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    // A long title gives way to the page number.
    const QFontMetricsF fm(f, p.device());
    const double room = line.width() - fm.horizontalAdvance(number) - 3 * fm.averageCharWidth();
    p.drawText(line, Qt::AlignLeft | Qt::AlignBottom, fm.elidedText(left, Qt::ElideRight, room));
    p.drawText(line, Qt::AlignRight | Qt::AlignBottom, number);
    p.drawLine(QPointF(body.left(), body.top() - 5), QPointF(body.right(), body.top() - 5));
}

}  // namespace

QPageSize page_size_of(PaperSize paper) {
    return QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

void prepare_document(QTextDocument& doc) {
    doc.setDefaultFont(document_font());
    doc.setDocumentMargin(0);
    doc.setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 16pt; } h2 { font-size: 13pt; } h3 { font-size: 11pt; }"
        "th { background-color: #e8e8e8; font-weight: bold; }"
        "td, th { padding: 2px 5px; }"
        ".pass { color: #006400; font-weight: bold; } .fail { color: #b00000; font-weight: bold; }"
        ".stop { color: #b00000; font-weight: bold; font-size: 12pt; }"
        ".num { font-family: 'DejaVu Sans Mono'; }"));
}

void add_document_image(QTextDocument& doc, const QString& name, const QImage& image) {
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
}

QString html_text(const QString& text) {
    return text.toHtmlEscaped();
}

bool paint_paged(QTextDocument& doc, QPagedPaintDevice& device, const PagedDocumentSpec& spec,
                 int* pages) {
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    // The document is laid out in pixels of 1/96 in whatever the device's resolution, so a
    // picture's width in <img> means the same on a PDF and on a printer; the painter scales.
    static const QImage layout_device = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(static_cast<int>(std::lround(kDocumentDpi / 0.0254)));
        i.setDotsPerMeterY(static_cast<int>(std::lround(kDocumentDpi / 0.0254)));
        return i;
    }();
    const int dpi = device.logicalDpiX();
    const double scale = static_cast<double>(dpi) / kDocumentDpi;
    // The painter's origin is the top left of the margins' rectangle.
    const QRect paint = device.pageLayout().paintRectPixels(dpi);
    const QRectF body(0, kHeaderHeight, paint.width() / scale,
                      paint.height() / scale - kHeaderHeight);
    doc.documentLayout()->setPaintDevice(const_cast<QImage*>(&layout_device));
    doc.setPageSize(body.size());
    const int count = doc.pageCount();
    QPainter p;
    if (!p.begin(&device)) return false;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    for (int i = 0; i < count; ++i) {
        if (i > 0) device.newPage();
        paint_header(p, body, spec.header, i + 1, count);
        p.save();
        p.translate(body.left(), body.top() - i * body.height());
        // Less a sliver at the foot, where the first line of the next page begins.
        const QRectF shown(0, i * body.height(), body.width(), body.height() - 1.5);
        p.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = shown;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&p, ctx);
        p.restore();
    }
    if (pages) *pages = count;
    return p.end();
}

QString write_paged_pdf(QTextDocument& doc, const QString& path, const PagedDocumentSpec& spec,
                        int* pages) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    QPdfWriter pdf(&file);
    pdf.setTitle(spec.title);
    pdf.setCreator(QStringLiteral("VORNEL"));
    pdf.setResolution(300);
    pdf.setPageSize(spec.pageSize);
    if (!paint_paged(doc, pdf, spec, pages)) {
        file.cancelWriting();
        return QStringLiteral("Cannot write %1: the document could not be drawn").arg(path);
    }
    if (!file.commit()) return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

}  // namespace vornel
