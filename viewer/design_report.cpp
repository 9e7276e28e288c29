#include "viewer/design_report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <memory>

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "editor/staging.h"
#include "viewer/engine_report.h"
#include "viewer/graph_view.h"
#include "viewer/paged_document.h"
#include "viewer/picture_export.h"
#include "viewer/profile_geometry.h"
#include "viewer/profile_painter.h"
#include "viewer/result_graphs.h"
#include "vornel_version.h"

namespace vornel {

namespace {

struct Units {
    QString length, depth, pressure;
};

// The units the report shows scalar values in (the project holds in and lbs, or m and kN).
Units units_of(int system) {
    if (system == 1) return {"in", "ft", "lbs/ft^2"};
    if (system == 2) return {"m", "m", "kN/m^2"};
    return {"L", "L", "F/L^2"};
}

QString unit_system_text(int system) {
    if (system == 1) return QStringLiteral("English (lbs, in; depths in ft)");
    if (system == 2) return QStringLiteral("SI (kN, m)");
    return QStringLiteral("Other (consistent units F, L)");
}

QString num(double v) {
    return QString::number(v, 'g', 6);
}

QString row(const QString& label, const QString& value, const QString& unit = {}) {
    return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td>%3</td></tr>")
        .arg(html_text(label), html_text(value), html_text(unit));
}

QString key_table(const QString& rows) {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\">") + rows +
           QStringLiteral("</table>");
}

void new_page(QTextCursor& cur) {
    QTextBlockFormat f;
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cur.insertBlock(f, QTextCharFormat());
}

void next_block(QTextCursor& cur) {
    cur.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

// ---- Input --------------------------------------------------------------------------------

// A data-entry table as the editor shows it: its caption, the column heads with their units
// and the cells; then the sub-tables its rows own (soil parameters, curve points).
QString grid_table_html(const TGridTable& t, const QString& caption) {
    QString h = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\"><tr><th>%2</th>")
                    .arg(html_text(caption), html_text(t.TopLeft));
    std::vector<int> cols;
    for (int c = 0; c < t.columnCount(); ++c)
        if (t.column(c).visible) cols.push_back(c);
    for (int c : cols) {
        QStringList head;
        for (int l = 0; l < t.headerLineCount(); ++l) head << t.headerText(c, l).trimmed();
        head.removeAll(QString());
        h += QStringLiteral("<th>%1</th>").arg(html_text(head.join(QLatin1Char(' '))));
    }
    h += QStringLiteral("</tr>");
    for (int r = 0; r < t.rowCount(); ++r) {
        h += QStringLiteral("<tr><td>%1</td>").arg(r + 1);
        for (int c : cols) {
            const bool number =
                t.column(c).type == ColumnType::Real || t.column(c).type == ColumnType::Integer;
            h += QStringLiteral("<td%1>%2</td>")
                     .arg(number ? QStringLiteral(" align=\"right\"") : QString(),
                          html_text(t.displayText(c, r)));
        }
        h += QStringLiteral("</tr>");
    }
    h += QStringLiteral("</table>");
    for (int c : cols) {
        if (t.column(c).type != ColumnType::SubTable) continue;
        for (int r = 0; r < t.rowCount(); ++r)
            if (const TGridTable* sub = t.subTable(c, r))
                h += grid_table_html(
                    *sub,
                    QStringLiteral("%1, row %2: %3").arg(caption).arg(r + 1).arg(sub->Caption));
    }
    return h;
}

QString wall_html(const TProgramData& d) {
    const Units u = units_of(d.UnitSystem);
    const double to_depth = d.UnitSystem == 1 ? 1.0 / 12 : 1.0;
    const double to_pressure = d.UnitSystem == 1 ? 144.0 : 1.0;
    QString r;
    r += row(QStringLiteral("Number of increments"), QString::number(d.Increments));
    r += row(QStringLiteral("Increment length"), num(d.IncrementLength), u.length);
    r += row(QStringLiteral("Length of the wall"), num(d.Increments * d.IncrementLength * to_depth),
             u.depth);
    r += row(QStringLiteral("Free height of the wall"), num(d.FreeHeight * to_depth), u.depth);
    r += row(QStringLiteral("Maximum allowable deflection"), num(d.MaxDeflection), u.length);
    r += row(QStringLiteral("Deflection closure tolerance"), num(d.ClosureTolerance), u.length);
    r += row(QStringLiteral("Width for earth pressure, Wa"), num(d.ActiveWidth), u.length);
    r += row(QStringLiteral("Width for soil resistance, Wp"), num(d.PYWidth), u.length);
    r += row(QStringLiteral("Depth to the water table, backfill"),
             num(d.WaterDepthBackfill * to_depth), u.depth);
    r += row(QStringLiteral("Depth to the water table, excavation"),
             num(d.WaterDepthExcavation * to_depth), u.depth);
    r += row(QStringLiteral("Modification factor for active earth pressure"), num(d.ActiveFactor));
    r += row(QStringLiteral("Slope of the backfill"), num(d.BackfillSlope), QStringLiteral("deg"));
    r += row(QStringLiteral("Uniform surface load"), num(d.SurfaceLoad * to_pressure), u.pressure);
    static const char* const pressure[] = {"none", "specified by the user",
                                           "generated, triangular distribution",
                                           "generated, trapezoidal distribution (anchored walls)"};
    const int ep = d.UserPressure() ? 1 : std::clamp(d.EarthPressureOption, 0, 3);
    r += row(QStringLiteral("Earth pressure"), QString::fromLatin1(pressure[ep]));
    r += row(QStringLiteral("p-y curves"),
             d.GeneratePY ? QStringLiteral("generated from the soil layers")
                          : (d.UseExternalPY ? QStringLiteral("specified by the user")
                                             : QStringLiteral("none")));
    r += row(QStringLiteral("Analysis"),
             d.StageCount > 1 ? QStringLiteral("%1 construction stages").arg(d.StageCount)
             : d.LongTerm     ? QStringLiteral("short term and long term")
                              : QStringLiteral("single analysis"));
    return QStringLiteral("<h3>Wall and analysis</h3>") + key_table(r);
}

QString input_tables_html(const TProgramData& d) {
    ProjectTables& t = d.tables();
    struct Shown {
        const TGridTable* table;
        bool on;
        QString caption;
    };
    const Shown tables[] = {
        {&t.PileSect, true, t.PileSect.Caption},
        {&t.NewSoil, d.EarthPressureCode >= 2 || d.GeneratePY != 0,
         d.LongTerm ? QStringLiteral("Soil Layers (Short-Term)") : t.NewSoil.Caption},
        {&t.LongSoil, d.LongTerm, t.LongSoil.Caption},
        {&t.DistLoad, d.UserPressure(), t.DistLoad.Caption},
        {&t.LongDist, d.UserPressure() && d.LongTerm, t.LongDist.Caption},
        {&t.SurchargeTable, d.UseSurcharge, t.SurchargeTable.Caption},
        {&t.BoundCond, d.UseConcentratedLoads, t.BoundCond.Caption},
        {&t.TiebackTable1, d.UseTiebacks, t.TiebackTable1.Caption},
        {&t.SoilLayer, d.UseRestraints, t.SoilLayer.Caption},
        {&t.SoilStrength, d.UseSprings, t.SoilStrength.Caption},
        {&t.PYMod, d.UsePYModifiers, t.PYMod.Caption},
        {&t.PYCurves2, d.UseExternalPY, t.PYCurves2.Caption},
        {&t.MEICurves2, d.UseEICurves, t.MEICurves2.Caption},
    };
    QString h;
    for (const Shown& s : tables)
        if (s.on && s.table->rowCount() > 0) h += grid_table_html(*s.table, s.caption);
    return h;
}

// The profile as the Side View window shows it, at twice the screen's resolution.
QImage profile_image(const TProgramData& d) {
    const QSize size(640, 520);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDotsPerMeterX(static_cast<int>(std::lround(192 / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(192 / 0.0254)));
    image.fill(Qt::white);
    ProfileGeometry g;
    g.rebuild(d);
    g.resize(QSizeF(size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(QGuiApplication::font());
    const double text_height = QFontMetricsF(p.font(), p.device()).height();
    const ProfileDevice device{QSizeF(size), ProfileMedium::Screen, text_height};
    paint_profile(p, build_profile_drawing(g, d, device, d.Results.PressurePointCount),
                  ProfileColours{});
    return image;
}

// ---- Results ------------------------------------------------------------------------------

// The graph with only curve `k` shown (all curves still set the axes, so the stages compare).
QImage stage_graph(TGraphPlot& g, int k) {
    if (k >= g.curveCount() || g.curve(k).pointCount() < 2) return {};
    std::vector<bool> shown;
    for (int i = 0; i < g.curveCount(); ++i) {
        shown.push_back(g.curve(i).Shown);
        g.curve(i).Shown = i == k;
    }
    GraphView view(g);
    QImage image;
    if (view.open()) {
        PictureSpec spec;
        spec.widthInches = 3.45;
        spec.heightInches = 3.05;
        spec.pixelsPerInch = 200;
        image = render_picture(view, spec);
    }
    for (int i = 0; i < g.curveCount(); ++i) g.curve(i).Shown = shown[static_cast<size_t>(i)];
    return image;
}

// Curve k of a graph as values per station (the plot data file's five digits).
std::vector<double> curve_values(const TGraphPlot& g, int k) {
    std::vector<double> v;
    if (k < g.curveCount())
        for (const TFloatPoint& pt : g.curve(k).Points) v.push_back(pt.X);
    return v;
}

QString maxima_html(const ReportProblem& p, ResultGraphs& graphs, int k) {
    struct Q {
        ResultQuantity q;
        const char* name;
        QString unit;
        const TGraphPlot* graph;
    };
    const Q qs[] = {
        {ResultQuantity::Deflection, "Deflection", p.lengthUnit, &graphs.pltDef},
        {ResultQuantity::Moment, "Bending moment", p.momentUnit, &graphs.pltMom},
        {ResultQuantity::Shear, "Shear", p.forceUnit, &graphs.pltShear},
        {ResultQuantity::Reaction, "Soil reaction per station", p.forceUnit, &graphs.pltSoil}};
    QString h = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\"><tr><th>Maximum</th><th>Value</th>"
        "<th>Unit</th><th>At depth</th><th>Unit</th><th>Station</th></tr>");
    for (const Q& q : qs) {
        const std::vector<double> finer = curve_values(*q.graph, k);
        const ReportStationRow* r = maximum_row(p, q.q, &finer);
        if (!r) continue;
        h += QStringLiteral(
                 "<tr><td>%1</td><td align=\"right\">%2</td><td>%3</td>"
                 "<td align=\"right\">%4</td><td>%5</td><td align=\"right\">%6</td></tr>")
                 .arg(QString::fromLatin1(q.name), value_of(*r, q.q).text, html_text(q.unit),
                      r->x.text, html_text(p.lengthUnit))
                 .arg(r->station);
    }
    return h + QStringLiteral("</table>");
}

// The tieback stations of a project's table (depth / h; the depth is in ft when English).
std::vector<int> tieback_stations(const TProgramData& d) {
    std::vector<int> s;
    const TGridTable& t = d.tables().TiebackTable1;
    if (!d.UseTiebacks || !(d.IncrementLength > 0)) return s;
    for (int r = 0; r < t.rowCount(); ++r) {
        const double depth = t.real(col::kTbDepth, r) * (d.UnitSystem == 1 ? 12.0 : 1.0);
        s.push_back(static_cast<int>(std::lround(depth / d.IncrementLength)));
    }
    return s;
}

// A construction stage's data, read from its deck in the data file.
struct StageProject {
    ProjectTables tables;
    TProgramData data{tables};
};
using Stages = std::vector<std::unique_ptr<StageProject>>;

// The stages of a staged project as the data file holds them; none for a project without
// stages or whose file cannot be read.
Stages read_stages(const TProgramData& d) {
    Stages stages;
    QFile f(d.FileName);
    if (d.StageCount < 2 || !f.open(QIODevice::ReadOnly)) return stages;
    for (const QByteArray& deck : split_stages(f.readAll(), d.StageCount)) {
        auto stage = std::make_unique<StageProject>();
        if (!read_stage_file(deck, stage->data, DeckLayout::of(format_for_extension(d.FileName)))
                 .ok)
            return {};
        stages.push_back(std::move(stage));
    }
    return stages;
}

QString supports_html(const ReportProblem& p, const std::vector<int>& tiebacks) {
    if (p.supports.empty()) return {};
    QString h = QStringLiteral(
                    "<h3>Spring and tieback forces</h3><p>Force = lateral stiffness × deflection "
                    "at the station; positive where the support holds the wall back from the "
                    "excavation (a tieback in tension).</p><table border=\"1\" cellspacing=\"0\">"
                    "<tr><th>Support</th><th>Station</th><th>Depth (%1)</th><th>Stiffness "
                    "(%2/%1)</th><th>Deflection (%1)</th><th>Force (%2)</th></tr>")
                    .arg(html_text(p.lengthUnit), html_text(p.forceUnit));
    for (const ReportSupport& s : p.supports) {
        const auto it = std::find_if(p.rows.begin(), p.rows.end(), [&](const ReportStationRow& r) {
            return r.station == s.station;
        });
        if (it == p.rows.end()) continue;
        const bool tieback =
            std::find(tiebacks.begin(), tiebacks.end(), s.station) != tiebacks.end();
        h += QStringLiteral(
                 "<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td>"
                 "<td align=\"right\">%4</td><td align=\"right\">%5</td>"
                 "<td align=\"right\">%6</td></tr>")
                 .arg(tieback ? QStringLiteral("Tieback") : QStringLiteral("Spring"))
                 .arg(s.station)
                 .arg(it->x.text, s.stiffness.text, it->deflection.text,
                      QString::number(s.stiffness.value * it->deflection.value, 'E', 3));
    }
    return h + QStringLiteral("</table>");
}

void write_problem(QTextDocument& doc, QTextCursor& cur, const ReportProblem& p, int k,
                   ResultGraphs& graphs, const std::vector<int>& tiebacks) {
    new_page(cur);
    cur.insertHtml(QStringLiteral("<h2>Results: %1</h2>").arg(html_text(p.heading)));
    next_block(cur);
    QString h = QStringLiteral("<p>Iterations: <b>%1</b></p>").arg(p.iterations);
    h += maxima_html(p, graphs, k);
    h += QStringLiteral("<h3>Warnings</h3>");
    if (p.warnings.isEmpty()) {
        h += QStringLiteral("<p>No warnings.</p>");
    } else {
        for (const QString& w : p.warnings) h += QStringLiteral("<p>%1</p>").arg(html_text(w));
    }
    h += supports_html(p, tiebacks);
    cur.insertHtml(h);
    TGraphPlot* plots[] = {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltSoil};
    QStringList cells;
    for (TGraphPlot* g : plots) {
        const QImage image = stage_graph(*g, k);
        if (image.isNull()) continue;
        const QString name = QStringLiteral("graph-%1-%2.png").arg(k).arg(g->Caption);
        add_document_image(doc, name, image);
        cells << QStringLiteral("<td><img src=\"%1\" width=\"%2\"></td>")
                     .arg(name)
                     .arg(static_cast<int>(3.3 * kDocumentDpi));
    }
    if (cells.isEmpty()) return;
    next_block(cur);
    QString t = QStringLiteral("<table cellspacing=\"4\">");
    for (qsizetype i = 0; i < cells.size(); i += 2)
        t += QStringLiteral("<tr>") + cells.mid(i, 2).join(QString()) + QStringLiteral("</tr>");
    cur.insertHtml(t + QStringLiteral("</table>"));
}

// The input of the project or of one stage: wall and analysis, the profile, the tables.
void write_input(QTextDocument& doc, QTextCursor& cur, const TProgramData& d, const QString& title,
                 const QString& profile_name) {
    cur.insertHtml(QStringLiteral("<h2>%1</h2>").arg(html_text(title)) + wall_html(d));
    next_block(cur);
    const QImage profile = profile_image(d);
    if (!profile.isNull()) {
        add_document_image(doc, profile_name, profile);
        cur.insertHtml(
            QStringLiteral("<h3>Soil-wall profile</h3><p><img src=\"%1\" width=\"%2\"></p>")
                .arg(profile_name)
                .arg(static_cast<int>(4.4 * kDocumentDpi)));
        next_block(cur);
    }
    cur.insertHtml(input_tables_html(d));
}

QString title_html(const TProgramData& d, const DesignReportOptions& o) {
    QString r;
    r += row(QStringLiteral("Project"), d.Title);
    r += row(QStringLiteral("File"), QFileInfo(d.FileName).absoluteFilePath());
    r += row(QStringLiteral("Date"), o.date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    r +=
        row(QStringLiteral("Program"), QStringLiteral("VORNEL 2015, version " VORNEL_VERSION_TEXT));
    r += row(QStringLiteral("Units"), unit_system_text(d.UnitSystem));
    return QStringLiteral("<h1>Design Report: %1</h1>").arg(html_text(d.Title)) + key_table(r);
}

// Why the report has no results, or empty when it has.
QString missing_results(const std::optional<QString>& text, const EngineReport& r) {
    if (!text)
        return QStringLiteral(
            "No results: the project has not been analysed (there is no "
            "report file beside the data file).");
    if (!r.errorStop.isEmpty())
        return QStringLiteral("The analysis ended with an error stop: %1").arg(r.errorStop);
    for (const ReportProblem& p : r.problems)
        if (!p.hasResults())
            return QStringLiteral(
                "The analysis stopped before the results of every problem "
                "were printed; see the report file.");
    if (r.problems.empty()) return QStringLiteral("The report file holds no analysis.");
    return {};
}

}  // namespace

QString engine_report_path(const QString& data_file) {
    const QFileInfo f(data_file);
    return f.dir().filePath(f.completeBaseName() + QStringLiteral(".vn5o"));
}

namespace {

// The whole report as a document, and the title and header of its pages.
PagedDocumentSpec build_report(QTextDocument& doc, const TProgramData& project,
                               ResultGraphs& graphs, const DesignReportOptions& options) {
    std::optional<QString> text = options.engineReport;
    if (!text) {
        QFile f(engine_report_path(project.FileName));
        if (f.open(QIODevice::ReadOnly)) text = QString::fromLatin1(f.readAll());
    }
    const EngineReport report = parse_engine_report(text.value_or(QString()));
    const QString missing = missing_results(text, report);

    prepare_document(doc);
    QTextCursor cur(&doc);
    cur.insertHtml(title_html(project, options));
    next_block(cur);
    if (!missing.isEmpty()) {
        cur.insertHtml(QStringLiteral("<p class=\"stop\">%1</p>").arg(html_text(missing)));
        next_block(cur);
    }
    const Stages stages = read_stages(project);
    if (stages.empty()) {
        write_input(doc, cur, project, QStringLiteral("Input"), QStringLiteral("profile.png"));
    } else {
        for (std::size_t k = 0; k < stages.size(); ++k) {
            if (k > 0) new_page(cur);
            write_input(doc, cur, stages[k]->data, QStringLiteral("Input: Stage %1").arg(k + 1),
                        QStringLiteral("profile-%1.png").arg(k + 1));
        }
    }
    if (missing.isEmpty()) {
        for (std::size_t k = 0; k < report.problems.size(); ++k) {
            const TProgramData& input = k < stages.size() ? stages[k]->data : project;
            write_problem(doc, cur, report.problems[k], static_cast<int>(k), graphs,
                          tieback_stations(input));
        }
    }
    PagedDocumentSpec spec;
    spec.title = QStringLiteral("Design Report: ") + project.Title;
    spec.header = QStringLiteral("VORNEL 2015 Design Report  -  %1  -  %2")
                      .arg(project.Title, QFileInfo(project.FileName).fileName());
    return spec;
}

}  // namespace

QString write_design_report(const TProgramData& project, ResultGraphs& graphs, const QString& path,
                            const QPageSize& page, const DesignReportOptions& options) {
    QTextDocument doc;
    PagedDocumentSpec spec = build_report(doc, project, graphs, options);
    spec.pageSize = page;
    return write_paged_pdf(doc, path, spec);
}

bool print_design_report(const TProgramData& project, ResultGraphs& graphs,
                         QPagedPaintDevice& printer, const DesignReportOptions& options) {
    QTextDocument doc;
    return paint_paged(doc, printer, build_report(doc, project, graphs, options));
}

}  // namespace vornel
