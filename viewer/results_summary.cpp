#include "viewer/results_summary.h"

#include <QRegularExpression>
#include <cmath>

namespace vornel {

namespace {

SummaryExtreme largest(const TGraphPlot& g, int curve) {
    SummaryExtreme e;
    if (curve >= g.curveCount()) return e;
    bool first = true;
    for (const TFloatPoint& p : g.curve(curve).Points) {
        if (first || std::fabs(p.X) > std::fabs(e.value)) e = {p.X, p.Y};
        first = false;
    }
    return e;
}

QString number(double v) {
    return QString::number(v, 'g', 6);
}

// The report's blocks per problem: each problem's results start with "RESULTS -- ITERATION n"
// (the iteration the solution ended on); the warnings written before it belong to it.
struct ReportProblem {
    int iterations = 0;
    bool converged = true;
    QStringList warnings;
};

std::vector<ReportProblem> read_report(const QString& report) {
    static const QRegularExpression results(QStringLiteral("RESULTS -- ITERATION\\s+(\\d+)"));
    std::vector<ReportProblem> problems;
    ReportProblem current;
    for (const QString& raw : report.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const auto m = results.match(line);
        if (m.hasMatch()) {
            current.iterations = m.captured(1).toInt();
            problems.push_back(current);
            current = {};
            continue;
        }
        const QString upper = line.toUpper();
        if (upper.contains(QLatin1String("WARNING"))) current.warnings << line;
        if (upper.contains(QLatin1String("NOT CONVERGE")) ||
            upper.contains(QLatin1String("NO CONVERGENCE"))) {
            current.converged = false;
            current.warnings << line;
        }
    }
    // Warnings after the last results block (a closing note) belong to the last problem.
    if (!problems.empty()) {
        problems.back().warnings << current.warnings;
        if (!current.converged) problems.back().converged = false;
    }
    return problems;
}

}  // namespace

void ResultsSummary::build(const ResultGraphs& g, const QString& report) {
    rows_.clear();
    // The graphs show depth in ft, moment in in-kips and shear in kips for English decks; the
    // deflection and the reaction per station keep the report's units (in and lbs, or SI).
    const bool english = g.pltDef.YCaption != QLatin1String("Depth (m)");
    deflectionUnits_ = english ? QStringLiteral("in") : QStringLiteral("m");
    momentUnits_ = english ? QStringLiteral("in-kips") : QStringLiteral("m-kN");
    forceUnits_ = english ? QStringLiteral("kips") : QStringLiteral("kN");
    reactionUnits_ = english ? QStringLiteral("lbs") : QStringLiteral("kN");
    depthUnits_ = english ? QStringLiteral("ft") : QStringLiteral("m");
    const std::vector<ReportProblem> problems = read_report(report);
    for (int k = 0; k < g.pltDef.curveCount(); ++k) {
        SummaryRow r;
        r.problem = g.pltDef.legendText(k);
        if (k < static_cast<int>(problems.size())) {
            r.iterations = problems[static_cast<size_t>(k)].iterations;
            r.converged = problems[static_cast<size_t>(k)].converged;
            r.warnings = problems[static_cast<size_t>(k)].warnings;
        }
        r.deflection = largest(g.pltDef, k);
        r.moment = largest(g.pltMom, k);
        r.shear = largest(g.pltShear, k);
        r.reaction = largest(g.pltSoil, k);
        rows_.push_back(r);
    }
}

QStringList ResultsSummary::header() const {
    const QString depth = QStringLiteral("Depth (%1)").arg(depthUnits_);
    return {QStringLiteral("Problem"),
            QStringLiteral("Iterations"),
            QStringLiteral("Converged"),
            QStringLiteral("Warnings"),
            QStringLiteral("Max. Deflection (%1)").arg(deflectionUnits_),
            depth,
            QStringLiteral("Max. Moment (%1)").arg(momentUnits_),
            depth,
            QStringLiteral("Max. Shear (%1)").arg(forceUnits_),
            depth,
            QStringLiteral("Max. Soil Reaction (%1)").arg(reactionUnits_),
            depth};
}

QStringList ResultsSummary::cells(const SummaryRow& r) const {
    QStringList c{
        r.problem, r.iterations > 0 ? QString::number(r.iterations) : QString(),
        r.iterations > 0 ? (r.converged ? QStringLiteral("Yes") : QStringLiteral("No")) : QString(),
        r.warnings.isEmpty() ? QStringLiteral("None") : r.warnings.join(QStringLiteral("; "))};
    for (const SummaryExtreme& e : {r.deflection, r.moment, r.shear, r.reaction})
        c << number(e.value) << number(e.depth);
    return c;
}

QString ResultsSummary::tabSeparated() const {
    QString out = header().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const SummaryRow& r : rows_) out += cells(r).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return out;
}

}  // namespace vornel
