#include "tools/verification_cases.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "engine/run/entry.h"
#include "tools/verification_formulas.h"
#include "vornel_version.h"

namespace vornel::verify {

bool Check::pass() const {
    if (!std::isfinite(computed)) return false;
    const double allowed =
        absolute ? tolerance : tolerance * (scale > 0 ? scale : std::abs(expected));
    return std::abs(computed - expected) <= allowed;
}

bool CaseResult::pass() const {
    return failure.isEmpty() && !checks.empty() &&
           std::all_of(checks.begin(), checks.end(), [](const Check& c) { return c.pass(); });
}

namespace {

constexpr double kWaterSi = 9.81;

// One analysis of a deck, its output files in `work`.
struct Run {
    EngineState state;
    QString failure;
    const ProblemSummary* problem() const {
        return state.summaries.empty() ? nullptr : &state.summaries.front();
    }
};

Run analyse(const QDir& cases, const QDir& work, const QString& id) {
    Run run;
    const QString deck = cases.filePath(id + QStringLiteral(".vn5d"));
    if (!QFileInfo::exists(deck)) {
        run.failure = QStringLiteral("The deck %1 is missing.").arg(deck);
        return run;
    }
    RunRequest r;
    r.version = VORNEL_VERSION_TEXT;
    r.input = deck.toStdString();
    const auto out = [&](const char* ext) {
        return work.filePath(id + QLatin1String(ext)).toStdString();
    };
    r.report = out(".vn5o");
    r.plot = out(".vn5p");
    r.monitor = out(".vn5r");
    r.scratch_dir = work.path().toStdString();
    r.scratch_prefix = (id + QLatin1Char('.')).toStdString();
    run.state = run_analysis(r);
    if (run.state.error_stop)
        run.failure = QStringLiteral("The engine stopped: %1")
                          .arg(QString::fromStdString(run.state.stop_reason));
    else if (!run.problem() || run.problem()->stations.empty())
        run.failure = QStringLiteral("The engine returned no results.");
    return run;
}

CaseResult failed(QString id, QString name, QString why) {
    CaseResult c;
    c.id = std::move(id);
    c.name = std::move(name);
    c.failure = std::move(why);
    return c;
}

// The deflection graph of a beam case: the engine's stations and the closed form.
CaseGraph deflection_graph(const ProblemSummary& p, const std::function<double(double)>& exact,
                           const QString& unit) {
    CaseGraph g{QStringLiteral("Deflection along the beam"),
                QStringLiteral("Deflection (%1)").arg(unit),
                QStringLiteral("Position (m)"),
                true,
                {}};
    Series engine{QStringLiteral("VORNEL"), {}}, formula{QStringLiteral("Closed form"), {}};
    for (const StationResult& r : p.stations) {
        engine.points.push_back({r.deflection, r.x});
        formula.points.push_back({exact(r.x), r.x});
    }
    g.series = {engine, formula};
    return g;
}

const StationResult& station_at(const ProblemSummary& p, double x) {
    return *std::min_element(p.stations.begin(), p.stations.end(),
                             [x](const StationResult& a, const StationResult& b) {
                                 return std::abs(a.x - x) < std::abs(b.x - x);
                             });
}

CaseResult cantilever(const QDir& cases, const QDir& work) {
    const QString id = QStringLiteral("cantilever_tip_load"),
                  name = QStringLiteral("Cantilever with a tip load");
    const Run run = analyse(cases, work, id);
    if (!run.failure.isEmpty()) return failed(id, name, run.failure);
    const ProblemSummary& p = *run.problem();
    const double P = 10, L = 10, EI = 1.0e5;
    CaseResult c{id, name, {}, {}, {}, {}};
    c.checks = {
        {QStringLiteral("Deflection at the free end"), QStringLiteral("m"),
         station_at(p, 0).deflection, cantilever_tip_load_deflection(P, L, EI, 0), 0.005},
        {QStringLiteral("Deflection at mid-length"), QStringLiteral("m"),
         station_at(p, 5).deflection, cantilever_tip_load_deflection(P, L, EI, 5), 0.005},
        {QStringLiteral("Moment at the fixed end (magnitude)"), QStringLiteral("kN-m"),
         std::abs(station_at(p, L).moment), P * L, 0.005},
        {QStringLiteral("Moment at mid-length (magnitude)"), QStringLiteral("kN-m"),
         std::abs(station_at(p, 5).moment), P * 5, 0.005},
        {QStringLiteral("Shear at mid-length (magnitude)"), QStringLiteral("kN"),
         std::abs(station_at(p, 5).shear), P, 0.005},
    };
    c.graph = deflection_graph(
        p, [&](double x) { return cantilever_tip_load_deflection(P, L, EI, x); },
        QStringLiteral("m"));
    return c;
}

CaseResult simple_beam(const QDir& cases, const QDir& work) {
    const QString id = QStringLiteral("simple_beam_uniform"),
                  name = QStringLiteral("Simply supported beam under a uniform load");
    const Run run = analyse(cases, work, id);
    if (!run.failure.isEmpty()) return failed(id, name, run.failure);
    const ProblemSummary& p = *run.problem();
    const double q = 10, L = 10, EI = 1.0e5;
    CaseResult c{id, name, {}, {}, {}, {}};
    c.checks = {
        {QStringLiteral("Deflection at mid-span"), QStringLiteral("m"), station_at(p, 5).deflection,
         simple_beam_uniform_deflection(q, L, EI, 5), 0.005},
        {QStringLiteral("Deflection at quarter span"), QStringLiteral("m"),
         station_at(p, 2.5).deflection, simple_beam_uniform_deflection(q, L, EI, 2.5), 0.005},
        {QStringLiteral("Moment at mid-span (magnitude)"), QStringLiteral("kN-m"),
         std::abs(station_at(p, 5).moment), q * L * L / 8, 0.005},
        {QStringLiteral("Moment at quarter span (magnitude)"), QStringLiteral("kN-m"),
         std::abs(station_at(p, 2.5).moment), q * 2.5 * (L - 2.5) / 2, 0.005},
    };
    c.graph = deflection_graph(
        p, [&](double x) { return simple_beam_uniform_deflection(q, L, EI, x); },
        QStringLiteral("m"));
    return c;
}

// The free beam on springs: 20 m, EI 1042 kN-m2/m, 5 kN/m3 on each side, 10 kN at the middle.
constexpr double kSpringP = 10, kSpringL = 20, kSpringEI = 1042, kSpringK = 2 * 5.0;

CaseResult beam_on_springs(const QDir& cases, const QDir& work) {
    const QString id = QStringLiteral("beam_on_springs"),
                  name = QStringLiteral("Finite beam on elastic springs");
    const Run run = analyse(cases, work, id);
    if (!run.failure.isEmpty()) return failed(id, name, run.failure);
    const ProblemSummary& p = *run.problem();
    const BeamOnFoundation h = hetenyi_centre_load(kSpringP, kSpringL, kSpringEI, kSpringK);
    const auto exact = [](double x) {
        return foundation_beam_deflection(kSpringP, kSpringL, kSpringEI, kSpringK,
                                          x - kSpringL / 2);
    };
    CaseResult c{id, name, {}, {}, {}, {}};
    c.checks = {
        {QStringLiteral("Deflection under the load"), QStringLiteral("mm"),
         1000 * station_at(p, 10).deflection, 1000 * h.centreDeflection, 0.005},
        {QStringLiteral("Moment under the load (magnitude)"), QStringLiteral("kN-m"),
         std::abs(station_at(p, 10).moment), h.centreMoment, 0.005},
        {QStringLiteral("Deflection at the free end"), QStringLiteral("mm"),
         1000 * station_at(p, 0).deflection, 1000 * exact(0), 0.01},
        {QStringLiteral("Deflection 5 m from the load"), QStringLiteral("mm"),
         1000 * station_at(p, 5).deflection, 1000 * exact(5), 0.01, 1000 * h.centreDeflection},
    };
    c.graph = deflection_graph(p, exact, QStringLiteral("m"));
    return c;
}

CaseResult convergence(const QDir& cases, const QDir& work) {
    const QString name = QStringLiteral("Convergence of the difference scheme");
    const QString id = QStringLiteral("convergence");
    const double exact =
        hetenyi_centre_load(kSpringP, kSpringL, kSpringEI, kSpringK).centreDeflection;
    std::vector<double> errors, steps;
    for (int n : {25, 50, 100, 200}) {
        const QString deck = n == 100 ? QStringLiteral("beam_on_springs")
                                      : QStringLiteral("beam_on_springs_n%1").arg(n);
        const Run run = analyse(cases, work, deck);
        if (!run.failure.isEmpty()) return failed(id, name, run.failure);
        errors.push_back(station_at(*run.problem(), 10).deflection - exact);
        steps.push_back(kSpringL / n);
    }
    CaseResult c{id, name, {}, {}, {}, {}};
    const std::vector<double> orders = observed_orders(errors);
    for (std::size_t i = 0; i < orders.size(); ++i)
        c.checks.push_back(
            {QStringLiteral("Order from h = %1 m to %2 m").arg(steps[i]).arg(steps[i + 1]),
             QString(), orders[i], 2.0, 0.2, 0, true});
    c.checks.push_back({QStringLiteral("Error at h = 0.1 m"), QStringLiteral("mm"),
                        1000 * errors.back(), 0.0, 0.001 * 1000 * exact, 0, true});
    c.graph = {QStringLiteral("Error of the deflection under the load"),
               QStringLiteral("Step h (m)"),
               QStringLiteral("Error (mm)"),
               false,
               {}};
    Series e{QStringLiteral("VORNEL"), {}}, h2{QStringLiteral("C h^2"), {}};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        e.points.push_back({steps[i], 1000 * errors[i]});
        h2.points.push_back(
            {steps[i], 1000 * errors.front() * std::pow(steps[i] / steps.front(), 2)});
    }
    c.graph.series = {e, h2};
    return c;
}

const PressureRow* pressure_at(const EngineState& s, double depth) {
    const PressureRow* best = nullptr;
    for (const PressureRow& r : s.handover.pressure)
        if (!best || std::abs(r.depth - depth) < std::abs(best->depth - depth)) best = &r;
    return best && std::abs(best->depth - depth) < 1e-6 ? best : nullptr;
}

// Rankine's active pressure with water for the two sand layers of the deck, excavation at
// 6 m: Ka sigma'v + u above it; below, the pressure of the excavation level held constant.
double rankine_pressure(double z, bool upper_at_boundary) {
    struct Layer {
        double top, bottom, gamma, phi;
    };
    static constexpr Layer layers[] = {{0, 3, 18, 30}, {3, 15, 20, 35}};
    constexpr double zw = 2, excavation = 6;
    const auto effective = [&](double d) {
        double total = 0;
        for (const Layer& l : layers)
            total += l.gamma * std::clamp(d - l.top, 0.0, l.bottom - l.top);
        return total - kWaterSi * std::max(0.0, d - zw);
    };
    const auto ka = [&](double d) {
        if (upper_at_boundary && d == 3) return rankine_ka(30);
        return rankine_ka(d < 3 ? 30 : 35);
    };
    if (z > excavation) return rankine_ka(35) * effective(excavation);
    return ka(z) * effective(z) + kWaterSi * std::max(0.0, z - zw);
}

CaseResult rankine(const QDir& cases, const QDir& work) {
    const QString id = QStringLiteral("rankine_layered_water"),
                  name = QStringLiteral("Rankine active pressure in layered soil with water");
    const Run run = analyse(cases, work, id);
    if (!run.failure.isEmpty()) return failed(id, name, run.failure);
    CaseResult c{id, name, {}, {}, {}, {}};
    for (double z : {1.0, 2.0, 2.5, 3.0, 3.05, 4.0, 5.0, 6.0, 8.0}) {
        const PressureRow* r = pressure_at(run.state, z);
        c.checks.push_back({QStringLiteral("Pressure at %1 m").arg(z, 0, 'f', 2),
                            QStringLiteral("kPa"), r ? r->p1 : std::nan(""),
                            rankine_pressure(z, true), 0.001});
    }
    c.graph = {QStringLiteral("Active earth and water pressure"),
               QStringLiteral("Pressure (kPa)"),
               QStringLiteral("Depth (m)"),
               true,
               {}};
    Series e{QStringLiteral("VORNEL"), {}}, f{QStringLiteral("Rankine"), {}};
    for (const PressureRow& r : run.state.handover.pressure) {
        if (r.depth > 12) break;
        e.points.push_back({r.p1, r.depth});
        f.points.push_back({rankine_pressure(r.depth, true), r.depth});
    }
    c.graph.series = {e, f};
    return c;
}

CaseResult strip(const QDir& cases, const QDir& work) {
    const QString id = QStringLiteral("strip_surcharge"),
                  name = QStringLiteral("Boussinesq strip surcharge");
    const Run run = analyse(cases, work, id);
    if (!run.failure.isEmpty()) return failed(id, name, run.failure);
    const double q = 50, X = 2, W = 2, slice = 99 * 0.1 / 200;
    // The pressure is held over slices of 1/200 of the wall length, at the slice's top.
    const auto expected = [&](double z) {
        const double top = (std::ceil(z / slice - 1e-9) - 1) * slice;
        return top > 0 ? boussinesq_strip_pressure(q, X, W, top) : 0.0;
    };
    CaseResult c{id, name, {}, {}, {}, {}};
    for (double z : {0.5, 1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0}) {
        const PressureRow* r = pressure_at(run.state, z);
        c.checks.push_back({QStringLiteral("Surcharge pressure at %1 m").arg(z, 0, 'f', 2),
                            QStringLiteral("kPa"), r ? r->p3 : std::nan(""), expected(z), 0.001});
    }
    c.graph = {QStringLiteral("Lateral pressure of the strip load"),
               QStringLiteral("Pressure (kPa)"),
               QStringLiteral("Depth (m)"),
               true,
               {}};
    Series e{QStringLiteral("VORNEL"), {}}, f{QStringLiteral("Boussinesq"), {}};
    for (const PressureRow& r : run.state.handover.pressure) {
        if (r.depth > 9.9) break;
        e.points.push_back({r.p3, r.depth});
        if (r.depth > 0) f.points.push_back({boussinesq_strip_pressure(q, X, W, r.depth), r.depth});
    }
    c.graph.series = {e, f};
    return c;
}

// ---- p-y curves ----------------------------------------------------------------------------

constexpr double kPcf = 1.0 / 1728, kPsf = 1.0 / 144, kCurveDepth = 93.0;  // in

struct PyFamily {
    QString id, name;
    std::function<double(double x, double y)> law;  // p at depth x (in) and deflection y (in)
    std::function<double(double x)> last_y;         // the method's deflection of point 17
};

std::vector<PyFamily> py_families() {
    const auto clay = [](double c, double gamma, double eps, double k, double x) {
        return ClayPoint{c, c, gamma, 24, eps, k, x};
    };
    const auto sand = [](double phi, double c, double gamma, double k, double x) {
        return SandPoint{phi * std::numbers::pi / 180, c, gamma, 24, k, x};
    };
    return {
        {QStringLiteral("py_soft_clay"), QStringLiteral("p-y curve: soft clay (Matlock)"),
         [=](double x, double y) {
             return matlock_soft_clay(clay(500 * kPsf, 110 * kPcf, 0.02, 0, x), y);
         },
         [](double) { return 20 * 2.5 * 0.02 * 24; }},
        {QStringLiteral("py_stiff_clay_free_water"),
         QStringLiteral("p-y curve: stiff clay with free water (Reese)"),
         [=](double x, double y) {
             return reese_stiff_clay_free_water(clay(2000 * kPsf, 125 * kPcf, 0.005, 500, x), y);
         },
         [](double x) {
             static constexpr double as[] = {0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
             const double r = std::min(x / 24, 5.0);
             const int i = std::min(static_cast<int>(r), 4);
             return 200 * (as[i] + (as[i + 1] - as[i]) * (r - i)) * 0.005 * 24;
         }},
        {QStringLiteral("py_stiff_clay"),
         QStringLiteral("p-y curve: stiff clay without free water (Welch and Reese)"),
         [=](double x, double y) {
             return welch_reese_stiff_clay(clay(2000 * kPsf, 125 * kPcf, 0.005, 500, x), y);
         },
         [](double) { return 20 * 2.5 * 0.005 * 24; }},
        {QStringLiteral("py_sand"), QStringLiteral("p-y curve: sand (Reese, Cox and Koop)"),
         [=](double x, double y) { return reese_sand(sand(35, 0, 115 * kPcf, 125, x), y); },
         [](double) { return 3 * 24.0 / 80 + 3 * 24; }},
        {QStringLiteral("py_silt"), QStringLiteral("p-y curve: silt (c-phi soil)"),
         [=](double x, double y) {
             return silt_c_phi(sand(25, 200 * kPsf, 115 * kPcf, 100, x), y);
         },
         [](double) { return 3 * 24.0 / 80 + 1.5 * 24; }},
        {QStringLiteral("py_strong_rock"), QStringLiteral("p-y curve: strong rock"),
         [](double x, double y) {
             return strong_rock({1000, 150 * kPcf, 24, x}, y);
         },
         [](double) {
             const double su = 500, y1 = 0.0004 * 24;
             return 16.0 / 15 * (y1 + (su * 24 - 2000 * su * y1) / (100 * su));
         }},
        {QStringLiteral("py_weak_rock"), QStringLiteral("p-y curve: weak rock (Reese)"),
         [](double x, double y) {
             return reese_weak_rock({500, 140 * kPcf, 36, x, 0.0005, 30000, 40}, y);
         },
         [](double) { return 12 * 0.0005 * 36; }},
    };
}

CaseResult py_curve(const QDir& cases, const QDir& work, const PyFamily& f) {
    const Run run = analyse(cases, work, f.id);
    if (!run.failure.isEmpty()) return failed(f.id, f.name, run.failure);
    const auto& records = run.state.handover.curves;
    const auto it = std::find_if(records.begin(), records.end(), [](const CurveRecord& r) {
        return std::abs(r.depth - kCurveDepth) < 1e-3;
    });
    if (it == records.end())
        return failed(f.id, f.name, QStringLiteral("No curve at %1 in.").arg(kCurveDepth));
    CaseResult c{f.id, f.name, {}, {}, {}, {}};
    double pmax = 0;
    for (int j = 0; j < kCurveRecordSidePoints; ++j)
        pmax = std::max(pmax, std::abs(f.law(kCurveDepth, it->y[static_cast<size_t>(j)])));
    for (int j = 0; j < kCurveRecordSidePoints; ++j) {
        const double y = it->y[static_cast<size_t>(j)];
        c.checks.push_back(
            {QStringLiteral("p at y = %1 in (point %2)").arg(y, 0, 'g', 4).arg(j + 1),
             QStringLiteral("lbs/in"), it->p[static_cast<size_t>(j)], f.law(kCurveDepth, y), 0.002,
             std::max(std::abs(f.law(kCurveDepth, y)), 1e-3 * pmax)});
    }
    c.checks.push_back({QStringLiteral("y of point 17"), QStringLiteral("in"),
                        it->y[kCurveRecordSidePoints - 1], f.last_y(kCurveDepth), 0.001});
    c.graph = {QStringLiteral("Excavation-side curve at %1 in").arg(kCurveDepth),
               QStringLiteral("y (in)"),
               QStringLiteral("p (lbs/in)"),
               false,
               {}};
    Series e{QStringLiteral("VORNEL"), {}}, law{QStringLiteral("Published law"), {}};
    for (int j = 0; j < kCurveRecordSidePoints; ++j)
        e.points.push_back({it->y[static_cast<size_t>(j)], it->p[static_cast<size_t>(j)]});
    const double ymax = it->y[kCurveRecordSidePoints - 1];
    for (int i = 0; i <= 400; ++i) {
        const double y = ymax * i / 400;
        law.points.push_back({y, f.law(kCurveDepth, y)});
    }
    c.graph.series = {e, law};
    return c;
}

}  // namespace

std::vector<CaseResult> run_all_cases(const QDir& cases, const QDir& work) {
    std::vector<CaseResult> all = {cantilever(cases, work), simple_beam(cases, work),
                                   beam_on_springs(cases, work), rankine(cases, work),
                                   strip(cases, work)};
    for (const PyFamily& f : py_families()) all.push_back(py_curve(cases, work, f));
    all.push_back(convergence(cases, work));
    for (CaseResult& c : all) c.decks = c.id + QStringLiteral(".vn5d");
    all.back().decks = QStringLiteral("beam_on_springs_n25, _n50, _n200 and beam_on_springs");
    return all;
}

}  // namespace vornel::verify
