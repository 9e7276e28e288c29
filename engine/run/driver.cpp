#include "engine/run/driver.h"

#include <exception>
#include <utility>

#include "engine/base/free_format_reader.h"
#include "engine/base/run_stop.h"
#include "engine/core/deck_reader.h"
#include "engine/core/plot_file.h"
#include "engine/run/problem.h"
#include "engine/run/report_header.h"
#include "engine/run/scratch_files.h"

namespace vornel {
namespace {

void run_problems(EngineState& s, FreeFormatReader& in) {
    s.result_kind = 1;
    s.problem = 0;
    for (;;) {
        s.title = read_title(in);
        ++s.problem;
        if (s.problem == 1) s.run_title = s.title;
        s.continuation = 0;
        s.iteration_limit = 100;
        run_problem(s, in);

        int code = read_continuation(in);
        if (code == s.control.stage_count) code = 0;
        s.continuation = code;
        if (code == 0) break;
        s.result_kind = code == 9 ? 2 : s.control.stage_count;
        plot_results_block(s);
    }
}

}  // namespace

void run_deck(EngineState& s, std::string deck) {
    FreeFormatReader in(std::move(deck), s.out());
    try {
        run_problems(s, in);
    } catch (const RunStop& stop) {
        s.error_stop = true;
        s.stop_reason = stop.what();
    } catch (const std::exception& e) {
        s.out() << "\n\n     ERROR STOP -- " << e.what() << '\n';
        s.error_stop = true;
        s.stop_reason = e.what();
    }
    write_closing_line(s.out());
    if (s.continuation == 0 || s.plot.block_open) plot_complete_block(s);
    write_scratch_files(s);
}

}  // namespace vornel
