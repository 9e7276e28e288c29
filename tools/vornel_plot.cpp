// vornel-plot: draws the result graphs of an analysis into pictures without opening a window.
//
//   vornel-plot [options] FILE.vn5d|FILE.vn5p
//
// Given a data file it reads the project (its unit system and soil layers) and the plot data
// file beside it; given a plot data file alone it draws without soil-layer lines. Pictures are
// drawn by the same painter as the graph window, printing and Save To Disk. With --xlsx the
// graphs are written into one spreadsheet workbook instead, as the export dialog writes it.
// With --view profile it draws the soil-wall profile of a data file instead (the painter of the
// Side View window; a PDF is the printed page), named NAME-profile.EXT; the plot data file
// beside the deck is read when it exists, for its earth-pressure point count. With --envelope
// the deflection, moment, shear and dms graphs carry the envelope of their result sets.
// With --page each graph is the printed page instead, a PDF through the program's printing, with
// the default 1-inch margins, on letter (default) or A4 paper, portrait or --landscape.
// Exit status: 0 every asked picture written, 1 a file could not be read, a picture not
// written or the options are wrong. No output is ever one of the files read, and only regular
// files are replaced, each only once its new content is complete on the disk.
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>
#include <optional>

#include "editor/atomic_file.h"
#include "editor/console_questions.h"

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "tools/file_check.h"
#include "tools/tool_options.h"
#include "viewer/graph_envelope.h"
#include "viewer/graph_export.h"
#include "viewer/graph_json.h"
#include "viewer/graph_page.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"
#include "viewer/profile_picture.h"
#include "vornel_version.h"

namespace {

using namespace vornel;

constexpr char kUsage[] =
    "usage: vornel-plot [options] FILE.vn5d|FILE.vn5p\n"
    "Options may stand anywhere; a value follows as --dpi 96 or --dpi=96; \"--\" ends them.\n"
    "  --graph NAME   deflection | moment | shear | reaction | dms | pressure |\n"
    "                 pressure-combined | py  (repeatable; default: every graph that holds data)\n"
    "  --format FMT   png (default) | svg | pdf | bmp\n"
    "  --size WxH     picture size in inches (default 6x4)\n"
    "  --dpi N        pixels per inch (default 72)\n"
    "  --out DIR      folder for the pictures (default: beside the input), named NAME-GRAPH.EXT\n"
    "  --json FILE    the graph series as JSON\n"
    "  --xlsx FILE    write the graphs into a spreadsheet workbook (no pictures, no JSON), in\n"
    "                 the export order (dms is not exported)\n"
    "  --envelope     add the envelope pair to the deflection, moment, shear and dms graphs:\n"
    "                 at each depth the maximum and the minimum over the stages or cases\n"
    "                 (\"Envelope max\", \"Envelope min\"), in pictures, --json and --xlsx; a\n"
    "                 file of one result set is drawn without it, with a note on standard\n"
    "                 error, and so are result sets that do not share their stations\n"
    "  --view VIEW    graphs (default) | profile: the soil-wall profile of a data file\n"
    "                 (default size 580x400 pixels)\n"
    "  --page         each graph as the printed page, PDF (NAME-GRAPH.pdf), 1-inch margins\n"
    "  --paper PAPER  letter (default) | a4, with --page\n"
    "  --landscape    the page turned a quarter, with --page\n"
    "  -h, --help     show this text\n"
    "  --version      show the version\n"
    "No output may be one of the files read, and only regular files are replaced; a failed\n"
    "write keeps the old file.\n"
    "Exit status: 0 every picture written, 1 a file not read, a picture not written, or\n"
    "wrong options (an unknown option or a bad value: one line on standard error names it).\n";

struct Options {
    QStringList graphs;
    PictureFormat format = PictureFormat::Png;
    PictureSpec spec;
    QString out, json, xlsx, input;
    bool profile = false;
    bool sized = false;     // --size or --dpi given
    bool envelope = false;  // --envelope given
    bool page = false;      // the printed page instead of a picture
    QPageSize::PageSizeId paper = QPageSize::Letter;
    bool landscape = false;
};

int usage(const QString& why) {
    return tool::usage_error("vornel-plot", why);
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

enum class Parsed { Run, Help, Version };

// Fills `o`; an error text when the options are bad.
std::optional<QString> parse(const QStringList& args, Options& o, Parsed& parsed) {
    QCommandLineParser p;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption envelope(QStringLiteral("envelope"));
    auto valued = [](const char* name) {
        return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    };
    const QCommandLineOption graph = valued("graph"), format = valued("format"),
                             size = valued("size"), dpi = valued("dpi"), view = valued("view"),
                             out = valued("out"), json = valued("json"), xlsx = valued("xlsx");
    const QCommandLineOption page(QStringLiteral("page")), paper = valued("paper"),
                                                           landscape(QStringLiteral("landscape"));
    p.addOptions({help, version, envelope, graph, format, size, dpi, view, out, json, xlsx, page,
                  paper, landscape});
    if (!p.parse(QStringList{QStringLiteral("vornel-plot")} + args)) return tool::parse_error(p);
    parsed = p.isSet(help) ? Parsed::Help : p.isSet(version) ? Parsed::Version : Parsed::Run;
    if (parsed != Parsed::Run) return std::nullopt;
    for (const QString& g : p.values(graph)) {
        if (!ResultGraphs::shortNames().contains(g)) return QStringLiteral("unknown graph ") + g;
        if (!o.graphs.contains(g)) o.graphs << g;
    }
    if (p.isSet(format)) {
        const auto f = picture_format_for(QStringLiteral("x.") + p.value(format));
        if (!f) return QStringLiteral("unknown format ") + p.value(format);
        o.format = *f;
    }
    if (p.isSet(size)) {
        if (!parse_size(p.value(size), o.spec)) return QStringLiteral("bad size ") + p.value(size);
        o.sized = true;
    }
    if (p.isSet(dpi)) {
        bool ok = false;
        o.spec.pixelsPerInch = p.value(dpi).toInt(&ok);
        if (!ok || o.spec.pixelsPerInch < 10 || o.spec.pixelsPerInch > 2400)
            return QStringLiteral("bad dpi ") + p.value(dpi);
        o.sized = true;
    }
    if (p.isSet(view)) {
        const QString v = p.value(view);
        if (v != QLatin1String("graphs") && v != QLatin1String("profile"))
            return QStringLiteral("unknown view ") + v;
        o.profile = v == QLatin1String("profile");
    }
    o.envelope = p.isSet(envelope);
    o.page = p.isSet(page);
    o.landscape = p.isSet(landscape);
    if (p.isSet(paper)) {
        const QString v = p.value(paper).toLower();
        if (v != QLatin1String("letter") && v != QLatin1String("a4"))
            return QStringLiteral("unknown paper ") + p.value(paper);
        o.paper = v == QLatin1String("a4") ? QPageSize::A4 : QPageSize::Letter;
    }
    if (!o.page && (p.isSet(paper) || o.landscape))
        return QStringLiteral("--paper and --landscape need --page");
    if (o.page) {
        if (o.profile || p.isSet(xlsx))
            return QStringLiteral(
                "--page prints the graphs; it goes with neither --view profile "
                "nor --xlsx");
        if (p.isSet(format) && o.format != PictureFormat::Pdf)
            return QStringLiteral("--page writes PDF, not ") + p.value(format);
        if (p.isSet(size) || p.isSet(dpi))
            return QStringLiteral("--size and --dpi are for pictures; a page has its paper");
        o.format = PictureFormat::Pdf;
    }
    o.out = p.value(out);
    o.json = p.value(json);
    o.xlsx = p.value(xlsx);
    const QStringList inputs = p.positionalArguments();
    if (inputs.size() > 1) return QStringLiteral("more than one input file");
    if (inputs.isEmpty()) return QStringLiteral("no input file given");
    o.input = inputs.front();
    if (o.profile && QFileInfo(o.input).suffix().toLower() == QLatin1String("vn5p"))
        return QStringLiteral("the profile view needs a data file");
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
        const std::string why = tools::unreadable_reason(QFile::encodeName(o.input).toStdString());
        if (!why.empty()) {
            print_error(
                o.input,
                QStringLiteral("cannot read the data file: %1.").arg(QString::fromStdString(why)));
            return false;
        }
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
    // The profile needs the plot data file only for its earth-pressure point count.
    if (o.profile && !QFileInfo::exists(plot)) return true;
    ConsoleQuestions q;
    PlotFileReader reader(graphs, data.Results, &q);
    if (!reader.read(plot, true, facts)) {
        print_error(plot, q.last() + QLatin1Char('\n') + reader.error());
        return false;
    }
    return true;
}

// A written file's name on standard output, or the reason it was not written.
int report_written(const QString& path, const QString& error) {
    if (!error.isEmpty()) {
        print_error(path, error);
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    return 0;
}

// The workbook of the named graphs that can be exported, in the export order.
int write_xlsx(ResultGraphs& graphs, const QStringList& names, const QString& path,
               bool dms_named) {
    std::vector<WorkbookGraph> chosen;
    for (TGraphPlot* g : export_graphs(graphs))
        for (const QString& n : names)
            if (graphs.byShortName(n) == g) chosen.push_back(workbook_graph(*g));
    if (dms_named) print_error(path, QStringLiteral("the dms graph is not exported to a workbook"));
    return report_written(path, write_workbook(path, chosen));
}

QString picture_path(const QDir& dir, const Options& o, const QString& name) {
    return dir.filePath(QFileInfo(o.input).completeBaseName() + QLatin1Char('-') + name +
                        QLatin1Char('.') + picture_extension(o.format));
}

// Why `outputs` must not be written, or nothing: none may be a file that was read (also not
// through a link), and only regular files are replaced.
std::optional<QString> refused_outputs(const QStringList& outputs, const QStringList& inputs) {
    for (const QString& out : outputs) {
        const QString full = QFileInfo(out).absoluteFilePath();
        for (const QString& in : inputs)
            if (full == QFileInfo(in).absoluteFilePath() ||
                tools::same_file(QFile::encodeName(out).toStdString(),
                                 QFile::encodeName(in).toStdString()))
                return QStringLiteral("%1 is the input %2; give the output another name.")
                    .arg(out, in);
        const QFileInfo info(out);
        if (info.exists() && !info.isFile())
            return QStringLiteral(
                       "%1 exists and is not a regular file; outputs are written only "
                       "to regular files.")
                .arg(out);
    }
    return std::nullopt;
}

// --envelope: the pair on every graph that offers it. A file of one result set, or result sets
// whose stations differ, is drawn without it; a note says so and the graphs are still written.
void show_envelopes(ResultGraphs& graphs, const QString& plot) {
    QString note;
    for (TGraphPlot* g : {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltDMS}) {
        const QString why = envelope_refusal(*g);
        g->ShowEnvelope = why.isEmpty();
        if (note.isEmpty()) note = why;
    }
    if (!note.isEmpty()) print_error(plot, note);
}

// The printed page of a graph, made complete in memory and then put in place.
QString write_page(const GraphView& view, const Options& o, const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(o.paper));
        pdf.setPageOrientation(o.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));  // a PDF has no unprintable edges
        pdf.setTitle(view.graph().Caption);
        pdf.setCreator(QStringLiteral("VORNEL 2015"));
        if (!print_graph(pdf, view, PageMargins{}))
            return QStringLiteral("the page could not be drawn");
    }
    return write_file_atomically(path, buffer.data());
}

int draw_profile(const Options& o, const TProgramData& data, const QString& path) {
    const QSize size = o.sized ? o.spec.pixelSize() : QSize(580, 400);
    return report_written(
        path, write_profile_picture(data, data.Results.PressurePointCount, path, o.format, size));
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    Options o;
    Parsed parsed = Parsed::Run;
    if (const auto bad = parse(args, o, parsed)) return usage(*bad);
    if (parsed != Parsed::Run) {
        std::fputs(parsed == Parsed::Help ? kUsage : "vornel-plot " VORNEL_VERSION_TEXT "\n",
                   stdout);
        return 0;
    }
    // Pictures need fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ProjectTables tables;
    TProgramData data(tables);
    ResultGraphs graphs;
    QString plot;
    if (!read_inputs(o, data, graphs, plot)) return 1;
    if (o.envelope && !o.profile) show_envelopes(graphs, plot);
    QStringList names = o.graphs;
    if (names.isEmpty())
        for (const QString& n : ResultGraphs::shortNames())
            if (graphs.byShortName(n)->holdsData()) names << n;
    const QFileInfo in(o.input);
    const QDir dir(o.out.isEmpty() ? in.absolutePath() : o.out);
    QStringList outputs;
    if (!o.xlsx.isEmpty())
        outputs << o.xlsx;
    else if (o.profile)
        outputs << picture_path(dir, o, QStringLiteral("profile"));
    else
        for (const QString& n : names) outputs << picture_path(dir, o, n);
    if (o.xlsx.isEmpty() && !o.profile && !o.json.isEmpty()) outputs << o.json;
    if (const auto why = refused_outputs(outputs, {o.input, plot})) {
        std::fprintf(stderr, "vornel-plot: %s\n", qPrintable(*why));
        return 1;
    }
    if (!o.xlsx.isEmpty())
        return write_xlsx(graphs, names, o.xlsx, o.graphs.contains(QStringLiteral("dms")));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        print_error(dir.path(), QStringLiteral("cannot make the folder"));
        return 1;
    }
    if (o.profile) return draw_profile(o, data, outputs.front());
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
        const QString path = picture_path(dir, o, n);
        if (o.page) {
            if (report_written(path, write_page(view, o, path)) != 0) status = 1;
            continue;
        }
        const PictureResult r = save_picture(view, path, o.spec);
        if (!r.ok) {
            print_error(path, r.message);
            status = 1;
            continue;
        }
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    }
    if (!o.json.isEmpty()) {
        const QByteArray doc = graphs_json_document(QFileInfo(plot).fileName(), json);
        if (const QString why = write_file_atomically(o.json, doc); !why.isEmpty()) {
            print_error(o.json, why);
            status = 1;
        }
    }
    return status;
}
