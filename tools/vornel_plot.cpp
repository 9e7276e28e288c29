// vornel-plot: draws the result graphs of an analysis into pictures without opening a window.
//
//   vornel-plot [options] FILE.vn5d|FILE.vn5p
//
// Given a data file it reads the project (its unit system and soil layers) and the plot data
// file beside it; given a plot data file alone it draws without soil-layer lines. Pictures are
// drawn by the same painter as the graph window, printing and Save To Disk. With --xlsx the
// graphs are written into one spreadsheet workbook instead, as the export dialog writes it.
// Exit status: 0 every asked picture written, 1 a file could not be read or a picture not
// written, 2 bad options.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <optional>

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "viewer/graph_export.h"
#include "viewer/graph_json.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"

namespace {

using namespace vornel;

constexpr char kUsage[] =
    "usage: vornel-plot [options] FILE.vn5d|FILE.vn5p\n"
    "  --graph NAME   deflection | moment | shear | reaction | dms | pressure |\n"
    "                 pressure-combined | py  (repeatable; default: every graph that holds data)\n"
    "  --format FMT   png (default) | svg | pdf | bmp\n"
    "  --size WxH     picture size in inches (default 6x4)\n"
    "  --dpi N        pixels per inch (default 72)\n"
    "  --out DIR      folder for the pictures (default: beside the input), named NAME-GRAPH.EXT\n"
    "  --json FILE    the graph series as JSON\n"
    "  --xlsx FILE    write the graphs into a spreadsheet workbook (no pictures, no JSON), in\n"
    "                 the export order (dms is not exported)\n"
    "Exit status: 0 every picture written, 1 a file not read or a picture not written,\n"
    "2 bad options.\n";

struct Options {
    QStringList graphs;
    PictureFormat format = PictureFormat::Png;
    PictureSpec spec;
    QString out, json, xlsx, input;
};

class ToolQuestions : public ViewerQuestions {
  public:
    void inform(const QString& text) override { last = text; }
    QString last;
};

int usage(const char* why) {
    std::fprintf(stderr, "vornel-plot: %s\n%s", why, kUsage);
    return 2;
}

bool parse_size(const QString& s, PictureSpec& spec) {
    const QStringList wh = s.toLower().split(QLatin1Char('x'));
    bool ok_w = false, ok_h = false;
    if (wh.size() != 2) return false;
    const double w = wh[0].toDouble(&ok_w), h = wh[1].toDouble(&ok_h);
    if (!ok_w || !ok_h || !(w > 0) || !(h > 0) || w > 1000 || h > 1000) return false;
    spec.widthInches = w, spec.heightInches = h;
    return true;
}

// Fills `o`; an error text when the options are bad.
std::optional<QString> parse(const QStringList& args, Options& o) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool has_value = i + 1 < args.size();
        if (a.startsWith(QLatin1String("--")) && a != QLatin1String("--help") && !has_value)
            return a + QStringLiteral(" needs a value");
        if (a == QLatin1String("--graph")) {
            const QString g = args[++i];
            if (!ResultGraphs::shortNames().contains(g))
                return QStringLiteral("unknown graph ") + g;
            if (!o.graphs.contains(g)) o.graphs << g;
        } else if (a == QLatin1String("--format")) {
            const auto f = picture_format_for(QStringLiteral("x.") + args[++i]);
            if (!f) return QStringLiteral("unknown format ") + args[i];
            o.format = *f;
        } else if (a == QLatin1String("--size")) {
            if (!parse_size(args[++i], o.spec)) return QStringLiteral("bad size ") + args[i];
        } else if (a == QLatin1String("--dpi")) {
            bool ok = false;
            o.spec.pixelsPerInch = args[++i].toInt(&ok);
            if (!ok || o.spec.pixelsPerInch < 10 || o.spec.pixelsPerInch > 2400)
                return QStringLiteral("bad dpi ") + args[i];
        } else if (a == QLatin1String("--out")) {
            o.out = args[++i];
        } else if (a == QLatin1String("--json")) {
            o.json = args[++i];
        } else if (a == QLatin1String("--xlsx")) {
            o.xlsx = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return QStringLiteral("unknown option ") + a;
        } else if (o.input.isEmpty()) {
            o.input = a;
        } else {
            return QStringLiteral("more than one input file");
        }
    }
    if (o.input.isEmpty()) return QStringLiteral("no input file given");
    return std::nullopt;
}

void print_error(const QString& file, const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(message));
}

// The project of a data file, or none for a plot data file alone.
bool read_inputs(const Options& o, TProgramData& data, ResultGraphs& graphs, QString& plot) {
    const QFileInfo in(o.input);
    const bool deck = in.suffix().toLower() != QLatin1String("vn5p");
    plot = deck ? in.dir().filePath(in.completeBaseName() + QStringLiteral(".vn5p")) : o.input;
    PlotProjectFacts facts;
    if (deck) {
        QFile f(o.input);
        if (!f.open(QIODevice::ReadOnly)) {
            print_error(o.input, f.errorString());
            return false;
        }
        const ReadOutcome r =
            read_data_file(f.readAll(), data, DeckLayout::of(format_for_extension(o.input)));
        if (!r.ok) {
            print_error(o.input, r.error);
            return false;
        }
        facts = PlotProjectFacts::of(data);
    }
    ToolQuestions q;
    PlotFileReader reader(graphs, data.Results, &q);
    if (!reader.read(plot, true, facts)) {
        print_error(plot, q.last + QLatin1Char('\n') + reader.error());
        return false;
    }
    return true;
}

// The workbook of the named graphs that can be exported, in the export order.
int write_xlsx(ResultGraphs& graphs, const QStringList& names, const QString& path,
               bool dms_named) {
    std::vector<WorkbookGraph> chosen;
    for (TGraphPlot* g : export_graphs(graphs))
        for (const QString& n : names)
            if (graphs.byShortName(n) == g) chosen.push_back(workbook_graph(*g));
    if (dms_named) print_error(path, QStringLiteral("the dms graph is not exported to a workbook"));
    const QString error = write_workbook(path, chosen);
    if (!error.isEmpty()) {
        print_error(path, error);
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    // Pictures need fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    Options o;
    if (const auto bad = parse(args, o)) return usage(qPrintable(*bad));
    ProjectTables tables;
    TProgramData data(tables);
    ResultGraphs graphs;
    QString plot;
    if (!read_inputs(o, data, graphs, plot)) return 1;
    QStringList names = o.graphs;
    if (names.isEmpty())
        for (const QString& n : ResultGraphs::shortNames())
            if (graphs.byShortName(n)->holdsData()) names << n;
    if (!o.xlsx.isEmpty())
        return write_xlsx(graphs, names, o.xlsx, o.graphs.contains(QStringLiteral("dms")));
    const QFileInfo in(o.input);
    const QDir dir(o.out.isEmpty() ? in.absolutePath() : o.out);
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        print_error(dir.path(), QStringLiteral("cannot make the folder"));
        return 1;
    }
    int status = 0;
    std::vector<QJsonObject> json;
    for (const QString& n : names) {
        TGraphPlot& g = *graphs.byShortName(n);
        g.ShowLayers = g.hasLayerLines();
        GraphView view(g);
        if (o.json.isEmpty())
            view.open();
        else
            json.push_back(graph_json(view, n));
        const QString path = dir.filePath(in.completeBaseName() + QLatin1Char('-') + n +
                                          QLatin1Char('.') + picture_extension(o.format));
        const PictureResult r = save_picture(view, path, o.spec);
        if (!r.ok) {
            print_error(path, r.message);
            status = 1;
            continue;
        }
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    }
    if (!o.json.isEmpty()) {
        QFile f(o.json);
        const QByteArray doc = graphs_json_document(QFileInfo(plot).fileName(), json);
        if (!f.open(QIODevice::WriteOnly) || f.write(doc) != doc.size()) {
            print_error(o.json, f.errorString());
            status = 1;
        }
    }
    return status;
}
