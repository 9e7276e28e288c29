// vornel-report: the design report of an analysed data file, without opening a window.
//
//   vornel-report DECK.vn5d [--out FILE.pdf] [--paper a4|letter]
//
// Reads the project, the plot data file and the engine's report beside it (analyse the deck
// first, with the program or vornel-run) and writes the report (default: NAME-report.pdf
// beside the deck). Exit status: 0 written, 1 a file could not be read or written, 2 bad
// options.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "editor/console_questions.h"
#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "tools/tool_options.h"
#include "viewer/design_report.h"
#include "viewer/plot_file_reader.h"
#include "viewer/result_graphs.h"

namespace {

using namespace vornel;

int fail(const QString& file, const QString& why) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(why));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the design report of a data file."));
    parser.addHelpOption();
    const QCommandLineOption out_opt(QStringLiteral("out"), QStringLiteral("The report."),
                                     QStringLiteral("FILE.pdf"));
    const QCommandLineOption paper_opt(QStringLiteral("paper"), QStringLiteral("a4 or letter."),
                                       QStringLiteral("SIZE"), QStringLiteral("a4"));
    const QCommandLineOption version_opt = tool::version_option();
    parser.addOptions({out_opt, paper_opt, version_opt});
    parser.addPositionalArgument(QStringLiteral("DECK"), QStringLiteral("The data file."));
    const QString paper =
        parser.parse(app.arguments()) ? parser.value(paper_opt).toLower() : QString();
    if (parser.errorText().isEmpty() && tool::told(parser, version_opt, "vornel-report")) return 0;
    if (!parser.errorText().isEmpty() || parser.positionalArguments().size() != 1 ||
        (paper != QLatin1String("a4") && paper != QLatin1String("letter"))) {
        const QString why = !parser.errorText().isEmpty() ? tool::parse_error(parser)
                            : parser.positionalArguments().size() != 1
                                ? QStringLiteral("give one data file")
                                : QStringLiteral("unknown paper ") + paper;
        return tool::usage_error("vornel-report", why);
    }
    const QString deck = parser.positionalArguments().front();
    const QFileInfo in(deck);
    const QString out =
        parser.isSet(out_opt)
            ? parser.value(out_opt)
            : in.dir().filePath(in.completeBaseName() + QStringLiteral("-report.pdf"));

    ProjectTables tables;
    TProgramData data(tables);
    QFile f(deck);
    if (!f.open(QIODevice::ReadOnly)) return fail(deck, f.errorString());
    const ReadOutcome r =
        read_data_file(f.readAll(), data, DeckLayout::of(format_for_extension(deck)));
    if (!r.ok) return fail(deck, r.error);
    data.FileName = in.absoluteFilePath();
    ResultGraphs graphs;
    const QString plot = in.dir().filePath(in.completeBaseName() + QStringLiteral(".vn5p"));
    if (QFileInfo::exists(plot)) {
        ConsoleQuestions q;
        PlotFileReader reader(graphs, data.Results, &q);
        if (!reader.read(plot, true, PlotProjectFacts::of(data)))
            return fail(plot, q.last() + QLatin1Char('\n') + reader.error());
    }
    const QPageSize page(paper == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4);
    if (const QString error = write_design_report(data, graphs, out, page); !error.isEmpty())
        return fail(out, error);
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(out)));
    return 0;
}
