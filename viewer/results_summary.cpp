#include "viewer/results_summary.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace vornel {

namespace {

SummaryExtreme largest(const TGraphPlot& g, int curve, double scale = 1.0) {
    SummaryExtreme e;
    if (curve >= g.curveCount()) return e;
    bool first = true;
    for (const TFloatPoint& p : g.curve(curve).Points) {
        if (first || std::fabs(p.X) > std::fabs(e.value)) e = {p.X, p.Y};
        first = false;
    }
    e.value *= scale;
    return e;
}

QString number(double v) {
    return QString::number(v, 'g', 6);
}

// Three significant digits in fixed notation ("2.58", "12.1", "1210"), as the report's
// stiffness and deflection carry them.
QString three_digits(double v) {
    if (v == 0.0 || !std::isfinite(v)) return QString::number(v);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int decimals = std::max(0, 2 - magnitude);
    const double step = std::pow(10.0, magnitude - 2);
    return QString::number(std::round(v / step) * step, 'f', decimals);
}

// A spring row of the report's stiffness table as the engine spread it: its station values.
struct StationShare {
    int station;
    double s, r;
};

struct SupportRows {
    int from = 0, to = 0;
    std::vector<StationShare> shares;
};

// Adds a range s..b with end values u, v the way the engine spreads station-range rows: a
// single station takes the full value, the end stations of a longer range half of theirs.
void spread(SupportRows& g, int s, int b, double us, double vs, double ur, double vr) {
    if (b <= s) {
        g.shares.push_back({s, us, ur});
        return;
    }
    for (int j = s; j <= b; ++j) {
        const double t = double(j - s) / (b - s), half = (j == s || j == b) ? 0.5 : 1.0;
        g.shares.push_back({j, half * (us + (vs - us) * t), half * (ur + (vr - ur) * t)});
    }
}

struct StationResult {
    double x = 0.0, deflection = 0.0, slope = 0.0;
};

// The report's blocks per problem. The stiffness table and the warnings written before
// "RESULTS -- ITERATION n" belong to the problem whose results follow; the "*****" lines right
// after it say how its iteration ended.
struct ReportProblem {
    int iterations = 0;
    bool converged = true;
    QStringList warnings;
    std::vector<SupportRows> supports;
    std::map<int, StationResult> stations;
};

// Reads one row of the stiffness and load table: 5 blanks, from I4, to I4, flag I3, 1 blank,
// then EI, Q, S, T, R, P as E10.3. A blank from or to field (chained rows) reads as 0.
bool stiffness_row(const QString& line, int& from, int& to, int& flag, double v[6]) {
    if (line.size() < 77) return false;
    bool ok = false;
    flag = line.mid(13, 3).trimmed().toInt(&ok);
    if (!ok) return false;
    from = line.mid(5, 4).trimmed().toInt();
    to = line.mid(9, 4).trimmed().toInt();
    for (int i = 0; i < 6; ++i) {
        v[i] = line.mid(17 + 10 * i, 10).trimmed().toDouble(&ok);
        if (!ok) return false;
    }
    return true;
}

// Groups the spring rows (non-zero S or R, or continuing such a row) by the engine's case rule:
// a constant row stands alone, a chain of interpolated rows is one support.
class SpringRows {
  public:
    explicit SpringRows(std::vector<SupportRows>& out) : out_(out) {}
    void add(int a, int b, int flag, double s, double r) {
        if (!chained_ && s == 0.0 && r == 0.0) return;
        if (!chained_) {
            current_ = {a, a, {}};
            start_ = a, us_ = s, ur_ = r;
            if (flag == 0) {
                current_.to = b;
                spread(current_, a, b, s, s, r, r);
                out_.push_back(current_);
            }
        } else {
            spread(current_, start_, b, us_, s, ur_, r);
            current_.to = b;
            start_ = b, us_ = s, ur_ = r;
            if (flag == 0) out_.push_back(current_);
        }
        chained_ = flag != 0;
    }
    // A chain left open at the end of the table keeps the ranges the engine applied.
    void finish() {
        if (chained_ && !current_.shares.empty()) out_.push_back(current_);
        chained_ = false;
    }

  private:
    std::vector<SupportRows>& out_;
    SupportRows current_;
    bool chained_ = false;
    int start_ = 0;
    double us_ = 0.0, ur_ = 0.0;
};

std::vector<ReportProblem> read_report(const QString& report) {
    static const QRegularExpression results(QStringLiteral("RESULTS -- ITERATION\\s*(\\d+)"));
    enum class At { Text, Stiffness, Outcome, Table } at = At::Text;
    std::vector<ReportProblem> problems;
    ReportProblem pending;
    std::optional<SpringRows> springs;
    bool rowsSeen = false;
    for (const QString& raw : report.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (raw.contains(QLatin1String("FROM TO CONTD     EI"))) {
            at = At::Stiffness, rowsSeen = false;
            springs.emplace(pending.supports);
            continue;
        }
        const auto m = results.match(line);
        if (m.hasMatch()) {
            pending.iterations = m.captured(1).toInt();
            problems.push_back(pending);
            pending = {};
            at = At::Outcome;
            continue;
        }
        if (at == At::Stiffness) {
            int from, to, flag;
            double v[6];
            if (stiffness_row(raw, from, to, flag, v)) {
                rowsSeen = true;
                springs->add(from, to, flag, v[2], v[4]);
            } else if (rowsSeen && line.isEmpty()) {
                springs->finish();
                at = At::Text;
            }
            continue;
        }
        if (at == At::Outcome) {
            ReportProblem& p = problems.back();
            if (line.startsWith(QLatin1String("*****"))) {
                p.warnings << line;
                if (line.contains(QLatin1String("NOT CLOSED")) ||
                    line.contains(QLatin1String("EXCEEDED")))
                    p.converged = false;
            } else if (line.startsWith(QLatin1String("------    ----"))) {
                at = At::Table;
            }
            continue;
        }
        if (at == At::Table) {
            const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            bool ok[4] = {false, false, false, false};
            StationResult r;
            const int station = f.size() >= 4 ? f[0].toInt(&ok[0]) : 0;
            if (ok[0]) r = {f[1].toDouble(&ok[1]), f[2].toDouble(&ok[2]), f[3].toDouble(&ok[3])};
            if (ok[0] && ok[1] && ok[2] && ok[3]) {
                problems.back().stations[station] = r;
                continue;
            }
            at = At::Text;
        }
        const QString upper = line.toUpper();
        if (upper.contains(QLatin1String("WARNING")) || upper.contains(QLatin1String("ERROR")))
            pending.warnings << line;
    }
    // Lines after the last results block (an error stop, a closing note) belong to the last
    // problem.
    if (!problems.empty()) problems.back().warnings << pending.warnings;
    return problems;
}

// What each support carries, from the report's deflections and slopes; in kips or kN.
std::vector<SummarySupport> supports(const ReportProblem& p, bool english) {
    const double force = english ? 1.0 / 1000.0 : 1.0, length = english ? 1.0 / 12.0 : 1.0;
    std::vector<SummarySupport> out;
    for (const SupportRows& g : p.supports) {
        SummarySupport s;
        s.from = g.from, s.to = g.to;
        const auto depth = [&](int station) {
            const auto it = p.stations.find(station);
            return it == p.stations.end() ? 0.0 : it->second.x * length;
        };
        s.depthFrom = depth(g.from), s.depthTo = depth(g.to);
        for (const StationShare& share : g.shares) {
            const auto it = p.stations.find(share.station);
            if (share.s != 0.0) s.lateral = true;
            if (share.r != 0.0) s.rotational = true;
            if (it == p.stations.end()) continue;
            s.force += share.s * it->second.deflection * force;
            s.moment += share.r * it->second.slope * force;
        }
        out.push_back(s);
    }
    return out;
}

// Where a support acts, as its line is named: "Node 12, 6 ft" or "Nodes 30-40, 15-20 ft".
QString place(const SummarySupport& s, const QString& depthUnit) {
    const QString unit = depthUnit.isEmpty() ? QString() : QLatin1Char(' ') + depthUnit;
    if (s.from == s.to)
        return QStringLiteral("Node %1, %2%3").arg(s.from).arg(number(s.depthFrom), unit);
    return QStringLiteral("Nodes %1-%2, %3-%4%5")
        .arg(s.from)
        .arg(s.to)
        .arg(number(s.depthFrom), number(s.depthTo), unit);
}

}  // namespace

void ResultsSummary::build(const ResultGraphs& g, const QString& report) {
    rows_.clear();
    // The graphs hold depth in ft, moment in in-kips and shear in kips for English decks, but
    // the soil reaction per station in lbs, as the plot file gives it; the summary shows every
    // force in kips.
    units_ = g.pltDef.Units();
    const bool english = units_ == 1;
    const double reactionScale = english ? 1.0 / 1000.0 : 1.0;
    const std::vector<ReportProblem> problems = read_report(report);
    for (int k = 0; k < g.pltDef.curveCount(); ++k) {
        SummaryRow r;
        r.problem = g.pltDef.legendText(k);
        if (k < static_cast<int>(problems.size())) {
            const ReportProblem& p = problems[static_cast<size_t>(k)];
            r.iterations = p.iterations;
            r.converged = p.converged;
            r.warnings = p.warnings;
            r.supports = supports(p, english);
        }
        r.deflection = largest(g.pltDef, k);
        r.moment = largest(g.pltMom, k);
        r.shear = largest(g.pltShear, k);
        r.reaction = largest(g.pltSoil, k, reactionScale);
        rows_.push_back(r);
    }
}

QStringList ResultsSummary::header() const {
    QStringList h{QStringLiteral("Problem")};
    for (const SummaryRow& r : rows_) h << r.problem;
    return h;
}

std::vector<QStringList> ResultsSummary::lines() const {
    // The "other" unit system has no names for its consistent units.
    const auto named = [this](const char* english, const char* si) {
        return units_ == 1 ? QString::fromLatin1(english)
                           : (units_ == 2 ? QString::fromLatin1(si) : QString());
    };
    const QString length = named("in", "m"), depth = named("ft", "m"), force = named("kips", "kN"),
                  moment = named("in-kips", "m-kN");
    const auto with_unit = [](const QString& label, const QString& unit) {
        return unit.isEmpty() ? label : QStringLiteral("%1 (%2)").arg(label, unit);
    };
    std::vector<QStringList> out;
    const auto add = [&](const QString& label, auto cell) {
        QStringList l{label};
        for (const SummaryRow& r : rows_) l << cell(r);
        out.push_back(l);
    };
    add(QStringLiteral("Iterations"), [](const SummaryRow& r) {
        return r.iterations > 0 ? QString::number(r.iterations) : QString();
    });
    add(QStringLiteral("Converged"), [](const SummaryRow& r) {
        if (r.iterations == 0) return QString();
        return r.converged ? QStringLiteral("Yes") : QStringLiteral("No");
    });
    add(QStringLiteral("Warnings"), [](const SummaryRow& r) {
        return r.warnings.isEmpty() ? QStringLiteral("None")
                                    : r.warnings.join(QStringLiteral("; "));
    });
    const struct {
        const char* name;
        QString unit;
        SummaryExtreme SummaryRow::*extreme;
    } maxima[] = {{"Deflection", length, &SummaryRow::deflection},
                  {"Moment", moment, &SummaryRow::moment},
                  {"Shear", force, &SummaryRow::shear},
                  {"Soil Reaction", force, &SummaryRow::reaction}};
    for (const auto& q : maxima) {
        add(with_unit(QStringLiteral("Max. ") + QLatin1String(q.name), q.unit),
            [&](const SummaryRow& r) { return number((r.*q.extreme).value); });
        add(with_unit(QStringLiteral("Depth of Max. ") + QLatin1String(q.name), depth),
            [&](const SummaryRow& r) { return number((r.*q.extreme).depth); });
    }
    // One line per support and quantity, in the order of the stations down the wall; a point
    // support may be a tieback or a spring (the engine models both alike), a range is a spring.
    using Key = std::tuple<int, int, int>;  // from, to, 0 force / 1 moment
    std::map<Key, QString> labels;
    for (const SummaryRow& r : rows_)
        for (const SummarySupport& s : r.supports) {
            const QString at = place(s, depth);
            const QString kind =
                s.from == s.to ? QStringLiteral("Tieback/Spring") : QStringLiteral("Spring");
            if (s.lateral)
                labels.emplace(Key{s.from, s.to, 0},
                               with_unit(QStringLiteral("%1 Force at %2").arg(kind, at), force));
            if (s.rotational)
                labels.emplace(
                    Key{s.from, s.to, 1},
                    with_unit(QStringLiteral("Rotational Spring Moment at ") + at, moment));
        }
    for (const auto& [key, label] : labels)
        add(label, [&key = key](const SummaryRow& r) {
            for (const SummarySupport& s : r.supports)
                if (s.from == std::get<0>(key) && s.to == std::get<1>(key) &&
                    (std::get<2>(key) == 0 ? s.lateral : s.rotational))
                    return three_digits(std::get<2>(key) == 0 ? s.force : s.moment);
            return QString();
        });
    return out;
}

QString ResultsSummary::tabSeparated() const {
    QString out = header().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList& l : lines()) out += l.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return out;
}

}  // namespace vornel
