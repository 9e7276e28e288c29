#include "engine/core/report_results.h"

#include "engine/base/fixed_format.h"
#include "engine/base/unit_labels.h"

namespace vornel {
namespace {

using fmt::Line;

void write_outcome(EngineState& s) {
    const IterationOutcome& o = s.outcome;
    std::ostream& out = s.out();
    out << "\n\n" << Line().text("     RESULTS -- ITERATION").i(o.iterations, 3).str() << '\n';
    out << "     --------------------\n";
    if (o.off_curve) out << "\n     ***** DEFLECTION OFF Q - W CURVES *****\n";
    if (o.exceeded_count > 0) {
        out << '\n'
            << Line()
                   .text("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***")
                   .i(o.exceeded_count, 4)
                   .text("  *** STATIONS *****")
                   .str()
            << '\n';
    }
    if (o.not_closed_count > 0) {
        out << "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n";
    }
    if (o.singular_count > 0) {
        out << '\n'
            << Line()
                   .text("     ***** NO STIFFNESS OR SUPPORT AT ***")
                   .i(o.singular_count, 4)
                   .text("  *** STATIONS: DEFLECTION SET TO ZERO *****")
                   .str()
            << '\n';
    }
    if (o.non_finite) out << "\n     ***** RESULTS ARE NOT FINITE NUMBERS *****\n";
}

}  // namespace

void write_results(EngineState& s) {
    write_outcome(s);
    const UnitLabels& u = s.units;
    std::ostream& out = s.out();
    out << "\n   STA I      X         DEFL.       SLOPE"
           "      MOMENT      SHEAR    NET REACT/STA    EI \n";
    out << Line()
               .x(12)
               .text(units::length(u))
               .x(9)
               .text(units::length(u))
               .x(19)
               .text(units::moment(u))
               .x(7)
               .text(units::force(u))
               .x(8)
               .text(units::force(u))
               .x(7)
               .text(u.force3)
               .text("-")
               .text(u.length2)
               .text("**")
               .text("2")
               .str()
        << '\n';
    out << "   ------    ----        ----       -----"
           "      ------      ------    ---------    ----------\n";
    // The station rows are built as one text and go out in one piece.
    std::string rows;
    rows.reserve(static_cast<std::size_t>(s.wall.ninc + 1) * 100);
    for (int k = 0; k <= s.wall.ninc; ++k) {
        const StationResult& r = s.results[static_cast<std::size_t>(k)];
        fmt::put_x(rows, 2);
        fmt::put_i(rows, k, 4);
        fmt::put_xe(rows, 2, r.x, 10, 3);
        for (double v : {r.deflection, r.slope, r.moment, r.shear, r.reaction, r.ei}) {
            fmt::put_e(rows, v, 12, 3);
        }
        rows.push_back('\n');
    }
    out << rows;
}

std::vector<std::string> outcome_warnings(const IterationOutcome& o) {
    std::vector<std::string> w;
    if (o.off_curve) w.push_back("deflection off Q - W curves");
    if (o.exceeded_count > 0) {
        w.push_back("maximum allowable deflection exceeded at " + std::to_string(o.exceeded_count) +
                    " stations");
    }
    if (o.not_closed_count > 0) w.push_back("solution not closed within specified tolerance");
    if (o.singular_count > 0) {
        w.push_back("no stiffness or support at " + std::to_string(o.singular_count) +
                    " stations: singular equations, deflection set to zero");
    }
    if (o.non_finite) w.push_back("deflection, moment or shear not a finite number");
    return w;
}

}  // namespace vornel
