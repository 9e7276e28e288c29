// vornel-manual: the user's manual and the HTML help from the Markdown documents.
//
//   vornel-manual --pdf FILE.pdf --html DIR [--paper a4|letter] TITLE=FILE.md...
//
// Each document is one chapter: in the PDF on its own pages, in the help folder its own page,
// listed in index.html with links to the PDFs beside the program. Pictures are the ones the
// documents name (relative to each document); links to another document of the set lead to
// its chapter. Exit status: 0 written, 1 a document not read or an output not written, 2 bad
// options.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <cstdio>

#include "tools/tool_options.h"
#include "viewer/paged_document.h"
#include "vornel_version.h"

namespace {

using namespace vornel;

struct Chapter {
    QString title, path, page;  // page: the help file's name
    QString markdown;
};

const QString kTitle = QStringLiteral("VORNEL 2015 Users Manual");
const QRegularExpression kImage(QStringLiteral(R"(!\[([^\]]*)\]\(([^)\s]+)\))"));
const QRegularExpression kLink(QStringLiteral(R"(\]\(([^)\s#]+\.md)(#[^)]*)?\))"));

// Links to another chapter lead to its help page.
QString help_links(const QString& md, const std::vector<Chapter>& all) {
    QString out = md;
    QRegularExpressionMatchIterator it = kLink.globalMatch(md);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString target = QFileInfo(m.captured(1)).fileName();
        for (const Chapter& c : all)
            if (QFileInfo(c.path).fileName() == target)
                out.replace(m.captured(0), QStringLiteral("](") + c.page + m.captured(2) + ')');
    }
    return out;
}

// Pictures wider than `width` are drawn at that width; code in a smaller type, so that its
// lines fit the page.
void fit_to_page(QTextDocument& doc, double width) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().fontFixedPitch() ||
                f.charFormat().fontFamilies().toStringList().contains(QLatin1String("monospace"))) {
                QTextCharFormat small;
                small.setFontPointSize(7.5);
                QTextCursor c(&doc);
                c.setPosition(f.position());
                c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
                c.mergeCharFormat(small);
                continue;
            }
            if (!f.charFormat().isImageFormat()) continue;
            QTextImageFormat img = f.charFormat().toImageFormat();
            const QImage picture =
                doc.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
            if (picture.isNull() || picture.width() <= width) continue;
            img.setWidth(width);
            img.setHeight(width * picture.height() / picture.width());
            QTextCursor c(&doc);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(img);
        }
}

// The chapter's pictures become resources named by their full path.
QString load_images(QTextDocument& doc, const Chapter& c) {
    QString md = c.markdown;
    const QDir dir = QFileInfo(c.path).absoluteDir();
    QRegularExpressionMatchIterator it = kImage.globalMatch(c.markdown);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString file = dir.absoluteFilePath(m.captured(2));
        const QImage image(file);
        if (image.isNull()) continue;
        add_document_image(doc, file, image);
        md.replace(m.captured(0), QStringLiteral("![%1](%2)").arg(m.captured(1), file));
    }
    return md;
}

QString write_pdf(const std::vector<Chapter>& all, const QString& path, const QPageSize& page) {
    QTextDocument doc;
    prepare_document(doc);
    QTextCursor cur(&doc);
    QString contents;
    for (const Chapter& c : all) contents += QStringLiteral("<li>%1</li>").arg(html_text(c.title));
    cur.insertHtml(QStringLiteral("<h1>%1</h1><p>Version %2</p><h2>Contents</h2><ol>%3</ol>")
                       .arg(kTitle, QStringLiteral(VORNEL_VERSION_TEXT), contents));
    for (const Chapter& c : all) {
        QTextBlockFormat f;
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cur.insertBlock(f, QTextCharFormat());
        cur.insertMarkdown(load_images(doc, c));
    }
    fit_to_page(doc, 4.8 * kDocumentDpi);
    PagedDocumentSpec spec;
    spec.title = kTitle;
    spec.header = kTitle + QStringLiteral(", version " VORNEL_VERSION_TEXT);
    spec.pageSize = page;
    return write_paged_pdf(doc, path, spec);
}

QString write_file(const QString& path, const QByteArray& content) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() || !f.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, f.errorString());
    return {};
}

QString page_html(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
               "<style>body{font-family:sans-serif;max-width:60em;margin:1em auto;"
               "padding:0 1em} table{border-collapse:collapse} td,th{border:1px solid "
               "#aaa;padding:2px 6px} img{max-width:100%%} pre{background:#f4f4f4;"
               "padding:0.5em}</style></head><body>%2</body></html>\n")
        .arg(html_text(title), body);
}

// The body of Qt's HTML for a document, without its own head.
QString body_of(const QString& html) {
    const qsizetype start = html.indexOf(QLatin1String("<body"));
    const qsizetype open = html.indexOf(QLatin1Char('>'), start) + 1;
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"));
    return start < 0 || end < open ? html : html.mid(open, end - open);
}

QString write_help(const std::vector<Chapter>& all, const QDir& dir) {
    if (!QDir().mkpath(dir.path())) return QStringLiteral("Cannot make %1").arg(dir.path());
    const QString nav = QStringLiteral("<p><a href=\"index.html\">Contents</a></p>");
    QString index = QStringLiteral("<h1>%1</h1><p>Version %2</p><ul>")
                        .arg(kTitle, QStringLiteral(VORNEL_VERSION_TEXT));
    for (const Chapter& c : all) {
        QTextDocument doc;
        doc.setMarkdown(help_links(c.markdown, all));
        const QString body = nav + body_of(doc.toHtml()) + nav;
        if (QString e = write_file(dir.filePath(c.page), page_html(c.title, body).toUtf8());
            !e.isEmpty())
            return e;
        index += QStringLiteral("<li><a href=\"%1\">%2</a></li>").arg(c.page, html_text(c.title));
        // The pictures the chapter shows, copied beside its page.
        const QDir from = QFileInfo(c.path).absoluteDir();
        QRegularExpressionMatchIterator it = kImage.globalMatch(c.markdown);
        while (it.hasNext()) {
            const QString rel = it.next().captured(2);
            const QString to = dir.filePath(rel);
            QDir().mkpath(QFileInfo(to).absolutePath());
            QFile::remove(to);
            if (!QFile::copy(from.absoluteFilePath(rel), to))
                return QStringLiteral("Cannot copy %1").arg(from.absoluteFilePath(rel));
        }
    }
    index += QStringLiteral(
        "</ul><h2>Manuals</h2><ul><li><a href=\"../VORNEL 2015 Users Manual.pdf\">VORNEL 2015 "
        "Users Manual</a> (PDF)</li><li><a href=\"../VornelTechnicalManual.pdf\">VORNEL 2015 "
        "Technical Manual</a> (PDF): the verification cases with their results</li></ul>");
    return write_file(dir.filePath(QStringLiteral("index.html")),
                      page_html(kTitle, index).toUtf8());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the user's manual and the help."));
    parser.addHelpOption();
    const QCommandLineOption pdf_opt(QStringLiteral("pdf"), QStringLiteral("The manual."),
                                     QStringLiteral("FILE.pdf"));
    const QCommandLineOption html_opt(QStringLiteral("html"), QStringLiteral("The help folder."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption paper_opt(QStringLiteral("paper"), QStringLiteral("a4 or letter."),
                                       QStringLiteral("SIZE"), QStringLiteral("a4"));
    const QCommandLineOption version_opt = tool::version_option();
    parser.addOptions({pdf_opt, html_opt, paper_opt, version_opt});
    parser.addPositionalArgument(QStringLiteral("TITLE=FILE.md"), QStringLiteral("A chapter."));
    if (!parser.parse(app.arguments())) {
        return tool::usage_error("vornel-manual", tool::parse_error(parser));
    }
    if (tool::told(parser, version_opt, "vornel-manual")) return 0;
    if (parser.positionalArguments().isEmpty()) {
        return tool::usage_error("vornel-manual", QStringLiteral("give at least one chapter"));
    }
    std::vector<Chapter> all;
    for (const QString& a : parser.positionalArguments()) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        Chapter c{a.left(eq), a.mid(eq + 1), {}, {}};
        QFile f(c.path);
        if (eq <= 0 || !f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "vornel-manual: cannot read %s\n", qPrintable(c.path));
            return 1;
        }
        c.markdown = QString::fromUtf8(f.readAll());
        c.page = QFileInfo(c.path).completeBaseName().toLower() + QStringLiteral(".html");
        all.push_back(c);
    }
    const QPageSize page(parser.value(paper_opt).toLower() == QLatin1String("letter")
                             ? QPageSize::Letter
                             : QPageSize::A4);
    QString error;
    if (parser.isSet(pdf_opt)) error = write_pdf(all, parser.value(pdf_opt), page);
    if (error.isEmpty() && parser.isSet(html_opt))
        error = write_help(all, QDir(parser.value(html_opt)));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "vornel-manual: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
