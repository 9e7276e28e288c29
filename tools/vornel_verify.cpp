// vornel-verify: the technical manual. Runs every verification case of docs/verification
// through the engine and writes VornelTechnicalManual.pdf: per case the model and the
// formula (the case's reference text), the computed and expected values side by side with
// their difference, a graph drawn by the graph painter, and a pass mark.
//
//   vornel-verify [--cases DIR] [--out FILE.pdf] [--paper a4|letter]
//
// Exit status: 0 every case within its tolerance, 1 a case outside it (or the manual not
// written), 2 bad options.
#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <cmath>
#include <cstdio>

#include "tools/tool_options.h"
#include "tools/verification_cases.h"
#include "viewer/graph_view.h"
#include "viewer/paged_document.h"
#include "viewer/picture_export.h"
#include "vornel_version.h"

namespace {

using namespace vornel;
using namespace vornel::verify;

QString number(double v) {
    if (!std::isfinite(v)) return QStringLiteral("not computed");
    return QString::number(v, 'g', 6);
}

QString difference_text(const Check& c) {
    if (!std::isfinite(c.computed)) return QStringLiteral("-");
    if (c.absolute || c.scale > 0 || c.expected == 0) return number(c.difference());
    return QStringLiteral("%1 (%2 %)")
        .arg(number(c.difference()), QString::number(100 * c.difference() / c.expected, 'f', 3));
}

QString tolerance_text(const Check& c) {
    if (c.absolute) return QStringLiteral("± %1").arg(number(c.tolerance));
    if (c.scale > 0) return QStringLiteral("± %1").arg(number(c.tolerance * c.scale));
    return QStringLiteral("%1 %").arg(100 * c.tolerance);
}

QString mark(bool pass) {
    return pass ? QStringLiteral("<span class=\"pass\">PASS</span>")
                : QStringLiteral("<span class=\"fail\">FAIL</span>");
}

QImage graph_image(const CaseGraph& cg) {
    TGraphPlot g;
    g.Caption = cg.caption;
    g.XCaption = cg.xCaption;
    g.YCaption = cg.yCaption;
    g.XOnTop = cg.depthDown;
    g.setUnits(3);
    g.Markers = cg.series.front().points.size() <= 8 ? 1 : 0;
    g.Title = cg.caption;
    g.setCurveCount(static_cast<int>(cg.series.size()));
    for (std::size_t i = 0; i < cg.series.size(); ++i) {
        TLine& l = g.curve(static_cast<int>(i));
        l.Name = cg.series[i].name;
        for (const auto& [x, y] : cg.series[i].points) l.Points.push_back({x, y});
    }
    GraphView view(g);
    if (!view.open()) return {};
    PictureSpec spec;
    spec.widthInches = 6.5;
    spec.heightInches = 4.0;
    spec.pixelsPerInch = 200;
    return render_picture(view, spec);
}

QString case_table(const CaseResult& c) {
    QString t = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" width=\"98%\"><tr><th>Quantity</th><th>Unit</th>"
        "<th>VORNEL</th><th>Expected</th><th>Difference</th><th>Tolerance</th><th></th></tr>");
    for (const Check& k : c.checks)
        t += QStringLiteral(
                 "<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td>"
                 "<td align=\"right\">%4</td><td align=\"right\">%5</td>"
                 "<td align=\"right\">%6</td><td>%7</td></tr>")
                 .arg(html_text(k.quantity), html_text(k.unit), number(k.computed),
                      number(k.expected), difference_text(k), tolerance_text(k), mark(k.pass()));
    return t + QStringLiteral("</table>");
}

// A new block that starts a page.
void new_page(QTextCursor& cur) {
    QTextBlockFormat f;
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cur.insertBlock(f, QTextCharFormat());
}

// A new plain block (insertBlock() would copy a heading's or a page break's format).
void next_block(QTextCursor& cur) {
    cur.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

void write_case(QTextDocument& doc, QTextCursor& cur, const CaseResult& c, int index,
                const QDir& cases) {
    new_page(cur);
    cur.insertHtml(QStringLiteral("<h2>%1. %2</h2>").arg(index).arg(html_text(c.name)));
    QFile ref(cases.filePath(c.id + QStringLiteral(".md")));
    if (ref.open(QIODevice::ReadOnly | QIODevice::Text)) {
        next_block(cur);
        cur.insertMarkdown(QString::fromUtf8(ref.readAll()));
    }
    next_block(cur);
    if (!c.failure.isEmpty()) {
        cur.insertHtml(QStringLiteral("<p class=\"fail\">%1</p>").arg(html_text(c.failure)));
    } else {
        cur.insertHtml(QStringLiteral("<h3>Computed and expected values</h3>") + case_table(c));
        const QImage image = graph_image(c.graph);
        if (!image.isNull()) {
            const QString name = QStringLiteral("graph-%1.png").arg(c.id);
            add_document_image(doc, name, image);
            next_block(cur);
            cur.insertHtml(QStringLiteral("<p><img src=\"%1\" width=\"%2\"></p>")
                               .arg(name)
                               .arg(static_cast<int>(6.5 * kDocumentDpi)));
        }
    }
    next_block(cur);
    cur.insertHtml(
        QStringLiteral("<p><b>Result: %1 %2</b></p>").arg(html_text(c.name), mark(c.pass())));
}

void write_front(QTextCursor& cur, const std::vector<CaseResult>& all) {
    int passed = 0;
    for (const CaseResult& c : all) passed += c.pass();
    QString h = QStringLiteral(
                    "<h1>VORNEL 2015 Technical Manual</h1>"
                    "<p>Program version %1. Generated %2 by running every case below through "
                    "the analysis engine.</p>"
                    "<p>Each case is a data file in <tt>docs/verification</tt> with a known "
                    "answer from the mechanics: a closed-form beam solution, an earth-pressure "
                    "formula or a published p-y law, evaluated by the verification tool's own "
                    "code, never by the engine's. The engine's value and the expected value "
                    "stand side by side with their difference; a case passes when every value "
                    "lies within its tolerance. The same run is one of the program's tests, so "
                    "this manual cannot disagree with the program it describes.</p>"
                    "<p><b>%3 of %4 cases pass.</b></p>"
                    "<h2>Cases</h2><table border=\"1\" cellspacing=\"0\" width=\"98%\">"
                    "<tr><th>No.</th><th>Case</th><th>Deck</th><th>Result</th></tr>")
                    .arg(QStringLiteral(VORNEL_VERSION_TEXT),
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd")))
                    .arg(passed)
                    .arg(all.size());
    int i = 0;
    for (const CaseResult& c : all)
        h += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                 .arg(++i)
                 .arg(html_text(c.name), c.decks, mark(c.pass()));
    cur.insertHtml(h + QStringLiteral("</table>"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the technical manual."));
    parser.addHelpOption();
    const QCommandLineOption cases_opt(
        QStringLiteral("cases"), QStringLiteral("Folder of the verification cases."),
        QStringLiteral("DIR"), QStringLiteral(VORNEL_VERIFICATION_DIR));
    const QCommandLineOption out_opt(QStringLiteral("out"), QStringLiteral("The manual."),
                                     QStringLiteral("FILE.pdf"),
                                     QStringLiteral("VornelTechnicalManual.pdf"));
    const QCommandLineOption paper_opt(QStringLiteral("paper"), QStringLiteral("a4 or letter."),
                                       QStringLiteral("SIZE"), QStringLiteral("a4"));
    const QCommandLineOption version_opt = tool::version_option();
    parser.addOptions({cases_opt, out_opt, paper_opt, version_opt});
    if (!parser.parse(app.arguments())) {
        return tool::usage_error("vornel-verify", tool::parse_error(parser));
    }
    if (tool::told(parser, version_opt, "vornel-verify")) return 0;
    if (!parser.positionalArguments().isEmpty()) {
        return tool::usage_error("vornel-verify", QStringLiteral("unexpected argument ") +
                                                      parser.positionalArguments().front());
    }
    const QString paper = parser.value(paper_opt).toLower();
    if (paper != QLatin1String("a4") && paper != QLatin1String("letter")) {
        return tool::usage_error("vornel-verify", QStringLiteral("unknown paper ") + paper);
    }
    const QDir cases(parser.value(cases_opt));
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "vornel-verify: no temporary folder\n");
        return 1;
    }
    const std::vector<CaseResult> all = run_all_cases(cases, QDir(work.path()));

    QTextDocument doc;
    prepare_document(doc);
    QTextCursor cur(&doc);
    write_front(cur, all);
    int i = 0;
    bool all_pass = true;
    for (const CaseResult& c : all) {
        write_case(doc, cur, c, ++i, cases);
        all_pass = all_pass && c.pass();
        std::printf("%s  %s\n", c.pass() ? "PASS" : "FAIL", qPrintable(c.name));
        for (const Check& k : c.checks)
            if (!k.pass())
                std::printf("      %s: %s, expected %s\n", qPrintable(k.quantity),
                            qPrintable(number(k.computed)), qPrintable(number(k.expected)));
        if (!c.failure.isEmpty()) std::printf("      %s\n", qPrintable(c.failure));
    }
    PagedDocumentSpec spec;
    spec.title = QStringLiteral("VORNEL 2015 Technical Manual");
    spec.header = QStringLiteral("VORNEL 2015 Technical Manual, version %1")
                      .arg(QStringLiteral(VORNEL_VERSION_TEXT));
    spec.pageSize =
        page_size_of(paper == QLatin1String("letter") ? PaperSize::Letter : PaperSize::A4);
    const QString out = parser.value(out_opt);
    if (const QString error = write_paged_pdf(doc, out, spec); !error.isEmpty()) {
        std::fprintf(stderr, "vornel-verify: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return all_pass ? 0 : 1;
}
