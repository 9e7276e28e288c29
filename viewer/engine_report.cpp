#include "viewer/engine_report.h"

#include <QRegularExpression>
#include <cmath>

namespace vornel {

namespace {

bool starts_problem(const QString& line) {
    return line.contains(QLatin1String("VORNEL for Windows, Version"));
}

bool is_error_stop(const QString& trimmed) {
    return trimmed.startsWith(QLatin1String("ERROR STOP")) ||
           trimmed.startsWith(QLatin1String("ERROR --")) ||
           trimmed == QLatin1String("TOO MUCH DATA FOR AVAILABLE STORAGE");
}

ReportValue value(const QString& text) {
    ReportValue v;
    v.text = text.trimmed();
    bool ok = false;
    v.value = v.text.toDouble(&ok);
    if (!ok) v.value = std::nan("");
    return v;
}

// "     0   0.000E+00   0.219E+00 ..." : station and seven fields.
bool station_row(const QString& line, ReportStationRow& row) {
    const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() != 8) return false;
    bool ok = false;
    row.station = f[0].toInt(&ok);
    if (!ok) return false;
    ReportValue* fields[] = {&row.x,     &row.deflection, &row.slope, &row.moment,
                             &row.shear, &row.reaction,   &row.ei};
    for (int i = 0; i < 7; ++i) *fields[i] = value(f[i + 1]);
    return true;
}

// A row of the stiffness and load table: from (columns 6-9), to (10-13), flag (14-16), then
// EI, Q, S, T, R, P in fields of ten from column 18.
void support_row(const QString& line, std::vector<ReportSupport>& supports) {
    if (line.size() < 47) return;
    bool from_ok = false, to_ok = false;
    const int from = line.mid(5, 4).trimmed().toInt(&from_ok);
    const int to = line.mid(9, 4).trimmed().toInt(&to_ok);
    const ReportValue s = value(line.mid(37, 10));
    if (from_ok && to_ok && from == to && std::isfinite(s.value) && s.value != 0.0)
        supports.push_back({from, s});
}

// The unit line under the results heading, in its columns: length (13-15), moment (47-52,
// " KN- M" in SI, read without its blanks), force (60-63).
void result_units(const QString& line, ReportProblem& p) {
    p.lengthUnit = line.mid(12, 3).trimmed();
    p.momentUnit = line.mid(46, 6).remove(QLatin1Char(' '));
    p.forceUnit = line.mid(59, 4).trimmed();
}

void add_warning(ReportProblem& p, const QString& w) {
    if (!w.isEmpty() && !p.warnings.contains(w)) p.warnings << w;
}

}  // namespace

EngineReport parse_engine_report(const QString& text) {
    EngineReport r;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    enum class Table { None, Stiffness, Results } table = Table::None;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString t = line.trimmed();
        if (starts_problem(line)) {
            r.problems.emplace_back();
            table = Table::None;
            continue;
        }
        if (t == QLatin1String("END OF ANALYSIS")) r.ended = true;
        if (is_error_stop(t) && r.errorStop.isEmpty()) r.errorStop = t;
        if (r.problems.empty()) continue;
        ReportProblem& p = r.problems.back();
        if (table == Table::Stiffness) {
            if (t.isEmpty() && i > 0 && lines[i - 1].trimmed().isEmpty()) table = Table::None;
            if (!t.isEmpty() && !t.contains(QLatin1String("**"))) support_row(line, p.supports);
            continue;
        }
        if (table == Table::Results) {
            ReportStationRow row;
            if (station_row(line, row)) {
                p.rows.push_back(row);
                continue;
            }
            if (!p.rows.empty() || t.isEmpty()) table = p.rows.empty() ? table : Table::None;
        }
        if (t.startsWith(QLatin1String("FROM TO CONTD     EI"))) {
            table = Table::Stiffness;
        } else if (t.startsWith(QLatin1String("RESULTS -- ITERATION"))) {
            p.iterations = t.mid(20).trimmed().toInt();
            // The problem heading is written again just before the results.
            for (qsizetype j = i - 1; j >= 0 && p.heading.isEmpty(); --j)
                p.heading = lines[j].trimmed();
        } else if (t.startsWith(QLatin1String("***** "))) {
            add_warning(p, t.simplified());
        } else if (t.startsWith(QLatin1String("**** WARNING"))) {
            // The message's lines follow the banner; the table it interrupts goes on after.
            static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
            QStringList w;
            for (qsizetype j = i + 1; j < lines.size() && lines[j].contains(words); ++j)
                w << lines[j].trimmed();
            add_warning(p, w.join(QLatin1Char(' ')).simplified());
        } else if (t == QLatin1String("Net active pressure is negative.")) {
            add_warning(p, t);
        } else if (t.startsWith(QLatin1String("STA I      X"))) {
            if (i + 1 < lines.size()) result_units(lines[i + 1], p);
            table = Table::Results;
        }
    }
    return r;
}

const ReportValue& value_of(const ReportStationRow& row, ResultQuantity q) {
    switch (q) {
        case ResultQuantity::Moment:
            return row.moment;
        case ResultQuantity::Shear:
            return row.shear;
        case ResultQuantity::Reaction:
            return row.reaction;
        case ResultQuantity::Deflection:
            break;
    }
    return row.deflection;
}

const ReportStationRow* maximum_row(const ReportProblem& p, ResultQuantity q,
                                    const std::vector<double>* finer) {
    const auto fine = [finer](const ReportStationRow& r) {
        const auto i = static_cast<std::size_t>(r.station);
        return finer && r.station >= 0 && i < finer->size() ? std::abs((*finer)[i]) : 0.0;
    };
    const ReportStationRow* best = nullptr;
    for (const ReportStationRow& r : p.rows) {
        if (!best) {
            best = &r;
            continue;
        }
        const double a = std::abs(value_of(r, q).value), b = std::abs(value_of(*best, q).value);
        if (a > b || (a == b && fine(r) > fine(*best))) best = &r;
    }
    return best;
}

}  // namespace vornel
