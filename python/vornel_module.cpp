// _vornel: the engine, the editor's project model and the viewer's painters for Python.
//
// The package `vornel` (python/vornel) builds its objects on these few calls: the file-free
// analysis, the project facade with its tables, and the pictures. Deck texts cross as bytes
// in Latin-1, the encoding of the data files. Checks that refuse a value return the
// program's own message; the package turns it into vornel.InputError.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <memory>
#include <variant>

#include "editor/console_questions.h"
#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor/expression_evaluator.h"
#include "editor/field_rules.h"
#include "editor/grid_table.h"
#include "editor/number_text.h"
#include "editor/project.h"
#include "editor/staging.h"
#include "editor/unit_codes.h"
#include "engine/run/analysis.h"
#include "viewer/design_report.h"
#include "viewer/graph_view.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"
#include "viewer/profile_picture.h"
#include "vornel_version.h"

namespace py = pybind11;
using namespace vornel;

namespace {

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string ss(const QString& s) {
    return s.toStdString();
}

py::bytes bytes_of(const QByteArray& b) {
    return py::bytes(b.constData(), static_cast<std::size_t>(b.size()));
}

// ---- Analysis --------------------------------------------------------------------------------

py::array_t<double> rows_array(const double* data, std::size_t rows, std::size_t columns) {
    py::array_t<double> a({rows, columns});
    if (rows) std::memcpy(a.mutable_data(), data, rows * columns * sizeof(double));
    return a;
}

py::dict problem_dict(const ProblemSummary& p) {
    static_assert(sizeof(StationResult) == 7 * sizeof(double));
    static_assert(sizeof(PressurePoint) == 4 * sizeof(double));
    py::dict d;
    d["problem"] = p.problem;
    d["title"] = p.title;
    d["unit_system"] = p.unit_system;
    d["iterations"] = p.outcome.iterations;
    d["converged"] = p.outcome.converged;
    d["warnings"] = p.warnings;
    d["stage_count"] = p.stage_count;
    d["long_term"] = p.long_term;
    d["maxima"] = py::make_tuple(p.max_deflection, p.max_deflection_depth, p.max_moment,
                                 p.max_moment_depth, p.max_shear, p.max_shear_depth);
    d["stations"] =
        rows_array(reinterpret_cast<const double*>(p.stations.data()), p.stations.size(), 7);
    d["pressure"] =
        rows_array(reinterpret_cast<const double*>(p.pressure.data()), p.pressure.size(), 4);
    return d;
}

// The engine runs without the interpreter's lock, so other Python threads go on meanwhile.
py::dict analyse(py::bytes deck, const std::string& name, bool report, bool monitor) {
    std::string text = deck;
    RunRequest r;
    r.version = VORNEL_VERSION_TEXT;
    r.input = name;
    r.report = std::filesystem::path(name).replace_extension(".vn5o");
    r.plot = std::filesystem::path(name).replace_extension(".vn5p");
    r.monitor = std::filesystem::path(name).replace_extension(".vn5r");
    Analysis a;
    {
        py::gil_scoped_release unlocked;
        a = analyse_deck(r, std::move(text), {report, true, monitor});
    }
    py::list problems;
    for (const ProblemSummary& p : a.problems) problems.append(problem_dict(p));
    py::dict d;
    d["problems"] = problems;
    d["error_stop"] = a.error_stop;
    d["stop_reason"] = a.stop_reason;
    d["stop_message"] = a.stop_message;
    d["report"] = py::bytes(a.report);
    d["plot"] = py::bytes(a.plot);
    d["monitor"] = py::bytes(a.monitor);
    return d;
}

// ---- Pictures and projects -------------------------------------------------------------------

// Pictures need a QGuiApplication; one on the offscreen platform is made when the first
// picture is asked for and none exists.
void ensure_gui() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vornel";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

using Scalar = std::variant<double TProgramData::*, int TProgramData::*, bool TProgramData::*>;

struct ScalarMember {
    const char* name;
    Scalar member;
    const char* unitCode;  // of the value as the project holds it
};

const std::vector<ScalarMember>& scalar_members() {
    static const std::vector<ScalarMember> m = {
        {"Increments", &TProgramData::Increments, ""},
        {"IncrementLength", &TProgramData::IncrementLength, "L"},
        {"MaxDeflection", &TProgramData::MaxDeflection, "L"},
        {"ClosureTolerance", &TProgramData::ClosureTolerance, "L"},
        {"FreeHeight", &TProgramData::FreeHeight, "L"},
        {"ActiveWidth", &TProgramData::ActiveWidth, "L"},
        {"PYWidth", &TProgramData::PYWidth, "L"},
        {"WaterDepthBackfill", &TProgramData::WaterDepthBackfill, "L"},
        {"WaterDepthExcavation", &TProgramData::WaterDepthExcavation, "L"},
        {"ActiveFactor", &TProgramData::ActiveFactor, ""},
        {"BackfillSlope", &TProgramData::BackfillSlope, "deg."},
        {"SurfaceLoad", &TProgramData::SurfaceLoad, "F/L^2"},
        {"UseExternalPY", &TProgramData::UseExternalPY, ""},
        {"UseEICurves", &TProgramData::UseEICurves, ""},
        {"UsePYModifiers", &TProgramData::UsePYModifiers, ""},
        {"UseConcentratedLoads", &TProgramData::UseConcentratedLoads, ""},
        {"UseTiebacks", &TProgramData::UseTiebacks, ""},
        {"UseRestraints", &TProgramData::UseRestraints, ""},
        {"UseSprings", &TProgramData::UseSprings, ""},
        {"UseSurcharge", &TProgramData::UseSurcharge, ""},
        {"GeneratePY", &TProgramData::GeneratePY, ""},
        {"LongTerm", &TProgramData::LongTerm, ""},
        {"EarthPressureOption", &TProgramData::EarthPressureOption, ""},
    };
    return m;
}

const ScalarMember& scalar_member(const std::string& name) {
    for (const ScalarMember& s : scalar_members())
        if (name == s.name) return s;
    throw py::key_error("no project value named " + name);
}

class PyProject {
  public:
    PyProject() : project_(questions_) {}

    TProgramData& data() { return project_.data(); }

    std::vector<std::string> takeMessages() {
        std::vector<std::string> m;
        for (const QString& text : questions_.messages) m.push_back(ss(text));
        questions_.messages.clear();
        return m;
    }

    // Opens a file in a format (0: by extension); the reader's error, empty when all was read.
    std::pair<bool, std::string> open(const std::string& path, int format) {
        const auto f = format > 0 ? std::optional(static_cast<DataFormat>(format)) : std::nullopt;
        const OpenResult r = project_.openFile(qs(path), f);
        return {r.opened, ss(r.error)};
    }

    // A deck given as text: written into a private folder and opened from there, so that a
    // staged deck gets its stage files as an opened data file does.
    std::pair<bool, std::string> openText(py::bytes deck) {
        folder_ = std::make_unique<QTemporaryDir>();
        const QString path = folder_->filePath(QStringLiteral("Deck.vn5d"));
        const std::string text = deck;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size()))
            return {false, ss(f.errorString())};
        f.close();
        return open(ss(path), 1);
    }

    bool saveAs(const std::string& path) { return project_.saveAsPath(qs(path)); }

    // The deck the engine is given: the data file as Save writes it; for a staged project the
    // current stage from memory and the others from their stage files.
    py::bytes deck() {
        TProgramData& d = data();
        if (d.StageCount <= 1) return bytes_of(write_data_file(d));
        QByteArray joined;
        for (int k = 1; k <= d.StageCount; ++k) {
            if (k == d.CurrentStage) {
                append_deck(joined, write_stage_deck(d, k));
                continue;
            }
            QFile f(project_.stageFilePath(k));
            if (!f.open(QIODevice::ReadOnly))
                throw std::runtime_error(ss(
                    QStringLiteral("Cannot open file %1: %2").arg(f.fileName(), f.errorString())));
            append_deck(joined, f.readAll());
        }
        return bytes_of(joined);
    }

    py::object get(const std::string& name) {
        const ScalarMember& m = scalar_member(name);
        TProgramData& d = data();
        return std::visit([&](auto member) -> py::object { return py::cast(d.*member); }, m.member);
    }

    // Where a value was refused (the dialog, the field's caption) and the rule's message;
    // nothing when it was stored.
    using Refusal = std::optional<std::tuple<std::string, std::string, std::string>>;

    Refusal set(const std::string& name, double value) {
        const ScalarMember& m = scalar_member(name);
        TProgramData& d = data();
        const FieldRule* first = nullptr;
        for (const FieldRule& r : field_rules()) {
            if (name != r.member) continue;
            if (!first) first = &r;
            const QString why = std::isfinite(value)
                                    ? field_check(r, value, d.UnitSystem)
                                    : QStringLiteral("Entry must be a finite number.");
            if (!why.isEmpty())
                return std::tuple(std::string(r.dialog), std::string(r.caption), ss(why));
        }
        if (!std::isfinite(value))
            return std::tuple(std::string("Options"), name,
                              std::string("Entry must be a finite number."));
        if (std::holds_alternative<double TProgramData::*>(m.member)) {
            d.*std::get<double TProgramData::*>(m.member) = value;
        } else {
            if (value != std::trunc(value))
                return std::tuple(std::string("Options"), name,
                                  std::string(grid_text::kValueInteger));
            if (auto b = std::get_if<bool TProgramData::*>(&m.member))
                d.** b = value != 0;
            else
                d.*std::get<int TProgramData::*>(m.member) = static_cast<int>(value);
        }
        project_.setModified(true);
        return std::nullopt;
    }

    std::string unitOf(const std::string& name) {
        const ScalarMember& m = scalar_member(name);
        if (!*m.unitCode) return {};
        return ss(unit_label_field(QString::fromLatin1(m.unitCode), data().UnitSystem));
    }

    std::string title() { return ss(data().Title); }
    void setTitle(const std::string& t) {
        data().Title = qs(t).left(80);
        project_.setModified(true);
    }
    std::string fileName() { return ss(project_.dataFilePath()); }

    void setUnits(int system) { data().SetUnits(system); }

    bool switchStage(int stage) { return project_.switchStage(stage); }
    bool setStageCount(int count) { return project_.applyStageCount(count); }

    std::string profilePicture(const std::string& path, int width, int height,
                               int pressure_points) {
        const auto format = picture_format_for(qs(path));
        if (!format) return "unknown picture format of " + path;
        ensure_gui();
        return ss(write_profile_picture(data(), pressure_points, qs(path), *format,
                                        QSize(width, height)));
    }

    TGridTable* table(const std::string& name);

  private:
    // Nothing is asked: a save never prompts (scripts give the path), changes are never saved
    // behind the script's back, a stage copy is confirmed; messages are collected.
    ConsoleQuestions questions_{true};
    Project project_;
    std::unique_ptr<QTemporaryDir> folder_;
};

TGridTable* PyProject::table(const std::string& name) {
    ProjectTables& t = project_.tables();
    const QString n = qs(name).simplified();
    const std::pair<const char*, TGridTable*> ids[] = {{"PileSect", &t.PileSect},
                                                       {"SoilLayer", &t.SoilLayer},
                                                       {"SoilStrength", &t.SoilStrength},
                                                       {"BoundCond", &t.BoundCond},
                                                       {"PYMod", &t.PYMod},
                                                       {"DistLoad", &t.DistLoad},
                                                       {"LongDist", &t.LongDist},
                                                       {"NewSoil", &t.NewSoil},
                                                       {"LongSoil", &t.LongSoil},
                                                       {"SurchargeTable", &t.SurchargeTable},
                                                       {"TiebackTable1", &t.TiebackTable1},
                                                       {"MEICurves2", &t.MEICurves2},
                                                       {"PYCurves2", &t.PYCurves2}};
    for (const auto& [id, table] : ids)
        if (n == QLatin1String(id) ||
            n.compare(table->Caption.simplified(), Qt::CaseInsensitive) == 0)
            return table;
    throw py::key_error("no table named " + name);
}

// ---- Tables ----------------------------------------------------------------------------------

// A table of a project (or a sub-table of one of its rows); rows and columns from 0 here.
//
// A sub-table is reached afresh from its root table on every use through the column and row
// that own it: changing a soil layer's type replaces the layer's parameter table, and a
// handle must then see the new one rather than the one that is gone.
class PyTable {
  public:
    explicit PyTable(TGridTable* root, std::vector<std::pair<int, int>> path = {})
        : root_(root), path_(std::move(path)) {}

    std::string caption() const { return ss(t()->Caption); }
    int rows() const { return t()->rowCount(); }
    int minRows() const { return t()->MinRows(); }
    int maxRows() const { return t()->MaxRows(); }
    int columns() const { return t()->columnCount(); }
    int ownerRow() const { return t()->ownerRow(); }

    py::dict column(int c) const {
        const ColumnDef& d = t()->column(c);
        py::dict o;
        QStringList headers;
        for (const QString& h : d.headers) headers << h.simplified();
        o["header"] = ss(headers.join(QLatin1Char(' ')).simplified());
        o["type"] = static_cast<int>(d.type);
        std::vector<std::string> items;
        for (const QString& i : d.items) items.push_back(ss(i));
        o["items"] = items;
        o["min"] = d.intMin;
        o["max"] = d.intMax;
        o["unit"] = d.unitCode.isEmpty()
                        ? std::string()
                        : ss(unit_label_column(d.unitCode, t()->Units(), t()->unitKinds()));
        return o;
    }

    py::object get(int c, int r) const {
        switch (t()->column(c).type) {
            case ColumnType::PickList:
            case ColumnType::Integer:
                return py::cast(t()->item(c, r));
            case ColumnType::Real:
                return py::cast(t()->real(c, r));
            case ColumnType::Text:
                return py::cast(ss(t()->textValue(c, r)));
            case ColumnType::SubTable:
                break;
        }
        return py::none();
    }

    // A number entered as the cell's window takes it; the message when it is refused.
    std::string setNumber(int c, int r, double v) {
        const ColumnDef& d = t()->column(c);
        if (!std::isfinite(v)) return "Entry must be a finite number.";
        if (d.type == ColumnType::Real) {
            t()->setReal(c, r, v);
            t()->setChanged();
            return {};
        }
        return setText(c, r, ss(format_field(v)));
    }

    // A typed entry (an expression such as "2*12" too), through the window's own check.
    std::string setText(int c, int r, const std::string& text) {
        const bool open = t()->windowOpen();
        t()->setWindowOpen(true);  // the integer columns check their bounds as the window does
        const CellResult res = t()->setText(c, r, qs(text));
        t()->setWindowOpen(open);
        return res.ok ? std::string() : ss(res.message);
    }

    void setRows(int n) {
        t()->setRowCount(n);
        t()->setChanged();
    }

    std::optional<PyTable> sub(int c, int r) const {
        if (!t()->subTable(c, r)) return std::nullopt;
        auto path = path_;
        path.emplace_back(c, r);
        return PyTable(root_, std::move(path));
    }

  private:
    TGridTable* t() const {
        TGridTable* t = root_;
        for (const auto& [c, r] : path_) {
            t = c < t->columnCount() && r < t->rowCount() ? t->subTable(c, r) : nullptr;
            if (!t) throw py::index_error("the row that held this table is gone");
        }
        return t;
    }

    TGridTable* root_;
    std::vector<std::pair<int, int>> path_;
};

std::string plot_graph(py::bytes deck, py::bytes plot, const std::string& graph,
                       const std::string& path, double width, double height, int dpi) {
    ensure_gui();
    ProjectTables tables;
    TProgramData data(tables);
    const std::string deck_text = deck, plot_text = plot;
    const ReadOutcome read = read_data_file(QByteArray::fromStdString(deck_text), data,
                                            DeckLayout::of(DataFormat::V2015));
    if (!read.ok) return ss(read.error);
    ResultGraphs graphs;
    PlotFileReader reader(graphs, data.Results);
    if (!reader.readContent(QByteArray::fromStdString(plot_text), false,
                            PlotProjectFacts::of(data)))
        return ss(reader.error());
    TGraphPlot* g = graphs.byShortName(qs(graph));
    if (!g) return "unknown graph " + graph;
    g->ShowLayers = g->hasLayerLines();
    GraphView view(*g);
    view.open();
    PictureSpec spec;
    spec.widthInches = width;
    spec.heightInches = height;
    spec.pixelsPerInch = dpi;
    const PictureResult r = save_picture(view, qs(path), spec);
    return r.ok ? std::string() : ss(r.message);
}

// The design report of an analysis. The report builder reads the stages of a staged project
// from the data file, so the deck is laid in a private folder under the analysis's name.
std::string design_report(py::bytes deck, py::bytes plot, py::bytes report, const std::string& name,
                          const std::string& path, const std::string& paper) {
    ensure_gui();
    QTemporaryDir dir;
    if (!dir.isValid()) return "cannot create a temporary folder for the report";
    QString file_name = QFileInfo(qs(name)).fileName();
    if (file_name.isEmpty()) file_name = QStringLiteral("deck.vn5d");
    const std::string deck_text = deck, plot_text = plot, report_text = report;
    QFile f(dir.filePath(file_name));
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(deck_text.data(), static_cast<qint64>(deck_text.size())) !=
            static_cast<qint64>(deck_text.size()))
        return "cannot lay out the deck for the report";
    f.close();
    ProjectTables tables;
    TProgramData data(tables);
    // A deck the editor cannot read whole still gets its report: the engine's error stop is
    // what the report shows then, on its first page.
    read_data_file(QByteArray::fromStdString(deck_text), data, DeckLayout::of(DataFormat::V2015));
    data.FileName = f.fileName();
    ResultGraphs graphs;
    PlotFileReader reader(graphs, data.Results);
    if (!plot_text.empty() && !reader.readContent(QByteArray::fromStdString(plot_text), false,
                                                  PlotProjectFacts::of(data)))
        return ss(reader.error());
    DesignReportOptions options;
    options.engineReport =
        QString::fromLatin1(report_text.data(), static_cast<qsizetype>(report_text.size()));
    const QPageSize page(paper == "letter" ? QPageSize::Letter : QPageSize::A4);
    return ss(write_design_report(data, graphs, qs(path), page, options));
}

int pressure_points(py::bytes plot) {
    ProjectTables tables;
    TProgramData data(tables);
    ResultGraphs graphs;
    PlotFileReader reader(graphs, data.Results);
    const std::string text = plot;
    reader.readContent(QByteArray::fromStdString(text), false);
    return data.Results.PressurePointCount;
}

// The value of a typed expression, as a cell or field evaluates it.
std::pair<bool, py::object> evaluate(const std::string& text) {
    const EvalResult e = evaluate_expression(qs(text));
    if (!e.ok) return {false, py::cast(ss(e.message))};
    return {true, py::cast(e.value)};
}

}  // namespace

PYBIND11_MODULE(_vornel, m) {
    m.doc() = "The VORNEL engine, project model and painters; use the package vornel.";
    m.attr("version") = VORNEL_VERSION_TEXT;
    m.def("analyse", &analyse, py::arg("deck"), py::arg("name"), py::arg("report") = false,
          py::arg("monitor") = false);
    m.def("plot_graph", &plot_graph);
    m.def("pressure_points", &pressure_points);
    m.def("design_report", &design_report);
    m.def("evaluate", &evaluate);
    m.def("graph_names", [] {
        std::vector<std::string> n;
        for (const QString& s : ResultGraphs::shortNames()) n.push_back(ss(s));
        return n;
    });
    m.def("scalar_names", [] {
        std::vector<std::string> n;
        for (const ScalarMember& s : scalar_members()) n.push_back(s.name);
        return n;
    });
    m.def("field_rules", [] {
        py::list l;
        for (const FieldRule& r : field_rules())
            l.append(py::make_tuple(r.member, r.dialog, r.caption, r.unitCode,
                                    static_cast<int>(r.shown), static_cast<double>(r.min),
                                    static_cast<double>(r.max), r.integerOnly));
        return l;
    });

    py::class_<PyTable>(m, "Table")
        .def_property_readonly("caption", &PyTable::caption)
        .def_property_readonly("rows", &PyTable::rows)
        .def_property_readonly("min_rows", &PyTable::minRows)
        .def_property_readonly("max_rows", &PyTable::maxRows)
        .def_property_readonly("columns", &PyTable::columns)
        .def_property_readonly("owner_row", &PyTable::ownerRow)
        .def("column", &PyTable::column)
        .def("get", &PyTable::get)
        .def("set_number", &PyTable::setNumber)
        .def("set_text", &PyTable::setText)
        .def("set_rows", &PyTable::setRows)
        .def("sub", &PyTable::sub, py::keep_alive<0, 1>());

    py::class_<PyProject>(m, "Project")
        .def(py::init<>())
        .def("open", &PyProject::open)
        .def("open_text", &PyProject::openText)
        .def("save_as", &PyProject::saveAs)
        .def("deck", &PyProject::deck)
        .def("get", &PyProject::get)
        .def("set", &PyProject::set)
        .def("unit_of", &PyProject::unitOf)
        .def_property("title", &PyProject::title, &PyProject::setTitle)
        .def_property_readonly("file_name", &PyProject::fileName)
        .def_property_readonly("unit_system", [](PyProject& p) { return p.data().UnitSystem; })
        .def("set_units", &PyProject::setUnits)
        .def_property_readonly("stage_count", [](PyProject& p) { return p.data().StageCount; })
        .def_property_readonly("current_stage", [](PyProject& p) { return p.data().CurrentStage; })
        .def("switch_stage", &PyProject::switchStage)
        .def("set_stage_count", &PyProject::setStageCount)
        .def("take_messages", &PyProject::takeMessages)
        .def("profile_picture", &PyProject::profilePicture)
        .def(
            "table", [](PyProject& p, const std::string& name) { return PyTable(p.table(name)); },
            py::keep_alive<0, 1>());
}
