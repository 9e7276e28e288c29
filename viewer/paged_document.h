// A paged PDF of a rich-text document: the design report and the technical manual.
//
// The document (HTML through QTextDocument, pictures added as image resources) is laid out
// for the page body of the page size (A4 or Letter) with 15 mm margins; every page gets a header
// line (a text on the left, the page's own number "Page n of N" on the right) and a rule under it.
// Pictures are drawn at their own resolution and scaled to the width their <img> tag names,
// in document pixels of 1/96 in, so a graph rendered at 200 ppi stays sharp on paper. The
// file is replaced only when the whole document has been written.
#pragma once

#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>
#include <QTextDocument>

namespace vornel {

enum class PaperSize { A4, Letter };

struct PagedDocumentSpec {
    QString title;   // the PDF's title
    QString header;  // left part of every page's header line
    QPageSize pageSize = QPageSize(QPageSize::A4);
};

// The document's pixels per inch: a picture of w inches is w x 96 pixels wide in <img>.
constexpr int kDocumentDpi = 96;

// A document ready for HTML, with the report's font and table style.
void prepare_document(QTextDocument& doc);
// Adds `image` as resource `name` (referred to as <img src="name">).
void add_document_image(QTextDocument& doc, const QString& name, const QImage& image);
// Text with the characters that HTML reserves escaped.
QString html_text(const QString& text);

// Draws the document on a paged device (a PDF writer, or a printer whose page size the print
// dialog chose), a header on every page; false when the device cannot be painted on.
bool paint_paged(QTextDocument& doc, QPagedPaintDevice& device, const PagedDocumentSpec& spec,
                 int* pages = nullptr);

// Writes the PDF; an empty text on success, else the message. `pages` receives the page count.
QString write_paged_pdf(QTextDocument& doc, const QString& path, const PagedDocumentSpec& spec,
                        int* pages = nullptr);

QPageSize page_size_of(PaperSize paper);

}  // namespace vornel
