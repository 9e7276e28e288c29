#include "viewer/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextFrame>
#include <QUrl>

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
    f.setPointSizeF(8.5);
    p.setFont(f);
    p.setPen(Qt::black);
    const QRectF line(body.left(), body.top() - kHeaderHeight, body.width(), kHeaderHeight - 8);
    p.drawText(line, Qt::AlignLeft | Qt::AlignBottom, left);
    p.drawText(line, Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Page %1 of %2").arg(page).arg(pages));
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

QString write_paged_pdf(QTextDocument& doc, const QString& path, const PagedDocumentSpec& spec,
                        int* pages) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    QPdfWriter pdf(&file);
    pdf.setTitle(spec.title);
    pdf.setCreator(QStringLiteral("VORNEL"));
    pdf.setResolution(kDocumentDpi);
    pdf.setPageSize(spec.pageSize);
    pdf.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
    // The painter's origin is the top left of the margins' rectangle, in 1/96 in.
    const QRect paint = pdf.pageLayout().paintRectPixels(kDocumentDpi);
    const QRectF body(0, kHeaderHeight, paint.width(), paint.height() - kHeaderHeight);
    doc.documentLayout()->setPaintDevice(&pdf);
    doc.setPageSize(body.size());
    const int count = doc.pageCount();
    QPainter p;
    if (!p.begin(&pdf)) {
        file.cancelWriting();
        return QStringLiteral("Cannot write %1: the document could not be drawn").arg(path);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < count; ++i) {
        if (i > 0) pdf.newPage();
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
    if (!p.end()) {
        file.cancelWriting();
        return QStringLiteral("Cannot write %1: the document could not be drawn").arg(path);
    }
    if (!file.commit()) return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    if (pages) *pages = count;
    return {};
}

}  // namespace vornel
