#include "engine/run/problem.h"

#include <algorithm>

#include "engine/base/fixed_format.h"
#include "engine/base/unit_labels.h"
#include "engine/core/curve_store.h"
#include "engine/core/deck_reader.h"
#include "engine/core/iteration.h"
#include "engine/core/plot_file.h"
#include "engine/core/pressure_table.h"
#include "engine/core/report_input.h"
#include "engine/core/report_results.h"
#include "engine/core/results.h"
#include "engine/core/station_tables.h"
#include "engine/run/report_header.h"
#include "engine/soil/earth_pressure.h"
#include "engine/soil/py_generator.h"
#include "engine/soil/user_pressure.h"

namespace vornel {
namespace {

void read_wall_and_tables(EngineState& s, FreeFormatReader& in) {
    check_control_codes(in, s.control);
    read_wall_properties(s, in);
    write_wall_properties(s);
    read_restraints(s, in);
    set_station_codes(s);
    write_restraints(s);

    clear_station_tables(s);
    read_stiffness_rows(s, in);
    spread_stiffness(s);
    read_load_rows(s, in);
    spread_rows(s, s.load_rows);
    read_spring_rows(s, in);
    read_tiebacks(s, in);
    spread_rows(s, s.spring_rows);
    write_stiffness_and_loads(s);
    check_beyond_end(s);
}

void earth_pressure(EngineState& s) {
    s.pressure.clear();
    const int code = s.control.earth_pressure_code;
    if (code == 1) {
        soil::build_user_pressure(s);
        write_specified_pressure(s);
    } else if (code >= 2) {
        soil::run_earth_pressure_chain(s);
        take_generated_pressure(s);
        write_generated_pressure(s);
    }
    plot_pressure_section(s);
    apply_pressure_loads(s);
}

void py_curves(EngineState& s, FreeFormatReader& in) {
    read_user_curves(s, in);
    if (!s.user_curves.empty()) write_user_curves(s);
    if (s.control.py_code == 2) soil::generate_py_curves(s);
    fill_curve_store(s);
    if (s.control.py_code == 2 && s.curves.empty()) s.out() << '\n' << fmt::x(20) << '\n';
    plot_curve_section(s);
}

void solve_and_report(EngineState& s) {
    write_problem_heading(s);
    s.outcome = iterate(s);
    compute_results(s);
    s.outcome.non_finite = !results_finite(s);
    s.results_valid = true;
    write_results(s);

    ProblemSummary summary;
    summary.title = s.title;
    summary.problem = s.problem;
    summary.outcome = s.outcome;
    summary.warnings = outcome_warnings(s.outcome);
    summary.solved = true;
    summary.unit_system = s.control.unit_system;
    summarise_results(s, summary);
    summary.stage_count = s.control.stage_count;
    summary.long_term = s.problem >= 2 && s.control.stage_count < 2;
    if (s.keep_result_tables) {
        const std::size_t stations = std::min(s.results.size(), std::size_t(s.wall.ninc) + 1);
        summary.stations.assign(s.results.begin(), s.results.begin() + std::ptrdiff_t(stations));
        summary.pressure = s.pressure;
    }
    s.summaries.push_back(std::move(summary));
}

}  // namespace

void run_problem(EngineState& s, FreeFormatReader& in) {
    read_control_line(s, in);
    if (s.problem >= 2) s.out() << "\n\n";
    write_header(s);
    write_problem_heading(s);
    set_unit_labels(s);
    write_control_parameters(s);

    read_wall_and_tables(s, in);
    read_py_mods(s, in);
    if (s.control.earth_pressure_code == 1) read_user_pressure(s, in);
    if (soil_records_present(s.control)) read_soil_records(s, in);
    earth_pressure(s);
    py_curves(s, in);
    read_ei_sets(s, in);
    solve_and_report(s);
}

}  // namespace vornel
