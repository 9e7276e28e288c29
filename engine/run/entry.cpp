#include "engine/run/entry.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <system_error>
#include <utility>
#include <vector>

#include "engine/base/free_format_reader.h"
#include "engine/core/plot_file.h"
#include "engine/run/analysis.h"
#include "engine/run/names_file.h"
#include "engine/run/output_file.h"
#include "engine/run/report_header.h"

namespace vornel {
namespace {

// An output that is the input itself (also through a link) would destroy the deck.
bool output_is_input(const EngineState& s, std::initializer_list<const OutputFile*> outputs) {
    for (const std::filesystem::path* out : {&s.report_path, &s.plot_path, &s.monitor_path}) {
        if (*out == s.input_path) return true;
    }
    struct stat deck;
    if (::stat(s.input_path.c_str(), &deck) != 0) return false;
    for (const OutputFile* out : outputs) {
        if (out->replaces(deck.st_dev, deck.st_ino)) return true;
    }
    return false;
}

void output_failed(EngineState& s, const std::string& what, int code) {
    if (s.output_failed) return;  // the first failure is the one to tell
    s.output_failed = true;
    s.stop_reason = what + (code > 0 ? std::string(": ") + std::strerror(code) : std::string());
}

}  // namespace

EngineState run_analysis(const RunRequest& request) {
    EngineState s = engine_state_for(request);
    bool closed = false;
    try {
        // The report, the plot file and the monitor file fill these while the run goes on;
        // they live on the stack, whose pages stay mapped from one run to the next.
        std::array<char, 32 * 1024> report_buffer;
        std::array<char, 16 * 1024> plot_buffer;
        std::array<char, 4 * 1024> monitor_buffer;
        OutputFile report_file(s.report_path, report_buffer),
            monitor_file(s.monitor_path, monitor_buffer), plot_file(s.plot_path, plot_buffer);
        if (output_is_input(s, {&report_file, &monitor_file, &plot_file})) {
            s.error_stop = s.output_failed = true;
            s.stop_reason = "an output file is the input data file " + s.input_path.string();
            return s;
        }
        if (!report_file.is_open() || !monitor_file.is_open()) {
            s.error_stop = true;
            if (!report_file.is_open()) {
                output_failed(s, "cannot write the report " + s.report_path.string(),
                              report_file.error());
            }
            output_failed(s, "cannot write the monitor file " + s.monitor_path.string(),
                          monitor_file.error());
            return s;
        }
        // The plot file takes each block as it closes. One that cannot be opened is told of
        // when the run closes, as before; its blocks then stay in memory.
        if (plot_file.is_open()) s.plot.sink = &plot_file.stream();
        std::ostream& report = report_file.stream();
        s.report = &report;
        s.monitor = &monitor_file.stream();
        std::string deck;
        if (read_file(s.input_path, deck)) {
            analyse_on_streams(s, std::move(deck), report, *s.monitor);
        } else {
            s.input_unreadable = true;
            s.error_stop = true;
            s.stop_reason = "cannot open the input data file " + s.input_path.string();
            report << "\n\n     ERROR STOP -- CANNOT OPEN THE INPUT DATA FILE "
                   << s.input_path.filename().string() << '\n';
            write_closing_line(report);
            plot_complete_block(s);
        }
        if (!report_file.finish()) {
            output_failed(s, "cannot write the report " + s.report_path.string(), errno);
        }
        s.plot.sink = nullptr;
        if (plot_file.is_open()) {
            // After an error stop the blocks handed on need their counts set as well.
            if (s.error_stop && s.plot.handed_on > 0) {
                std::string written;
                if (plot_file.take_back(written)) {
                    s.plot.text.insert(0, written);
                    s.plot.handed_on = 0;
                }
            }
            write_plot_file(plot_file.stream(), s);
        }
        if (!plot_file.finish()) {
            output_failed(s, "cannot write the plot file " + s.plot_path.string(), errno);
        }
        if (!monitor_file.finish()) {
            output_failed(s, "cannot write the monitor file " + s.monitor_path.string(), errno);
        }
        closed = true;
    } catch (const std::exception& e) {
        s.error_stop = true;
        s.stop_reason = e.what();
    } catch (...) {
        s.error_stop = true;
        s.stop_reason = "unexpected failure";
    }
    // A run cut short leaves the older outputs as they were: none was written.
    if (!closed) s.output_failed = true;
    s.report = nullptr;
    s.monitor = nullptr;
    s.plot.sink = nullptr;
    return s;
}

int enter_in(const std::filesystem::path& working_dir, int interface_code,
             const std::function<void(const std::string&)>& message_sink) noexcept {
    if (interface_code != kInterfaceCode) return kWrongInterface;
    try {
        RunRequest request;
        request.message_sink = message_sink;
        request.progress_sink = message_sink;  // the console shows the progress lines
        request.keep_result_tables = false;    // nobody could read them
        if (!read_names_file(working_dir / "NAMES.dat", request, message_sink)) {
            return kRunPerformed;
        }
        request.scratch_dir = working_dir;
        request.scratch_in_place = true;  // the hand-over folder is this call's alone
        return run_analysis(request).output_failed ? kOutputNotWritten : kRunPerformed;
    } catch (...) {
        // The engine never ends or disturbs the process that hosts it.
    }
    return kOutputNotWritten;
}

int enter(int interface_code) noexcept {
    if (interface_code != kInterfaceCode) return kWrongInterface;
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    if (ec) return kRunPerformed;  // as for a missing NAMES.dat: nothing is read
    return enter_in(dir, interface_code, {});
}

}  // namespace vornel
