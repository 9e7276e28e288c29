#include "engine/run/analysis.h"

#include <sstream>
#include <utility>

#include "engine/core/plot_file.h"
#include "engine/run/driver.h"

namespace vornel {
namespace {

constexpr std::size_t kReportRoom = 96 * 1024;

// The report's last line with text before its closing line: the message of an error stop.
std::string stop_line(const std::string& report) {
    std::size_t end = report.rfind("END OF ANALYSIS");
    if (end == std::string::npos) end = report.size();
    end = report.rfind('\n', end);
    while (end != std::string::npos && end > 0) {
        const std::size_t begin = report.rfind('\n', end - 1);
        const std::size_t from = begin == std::string::npos ? 0 : begin + 1;
        const std::string line = report.substr(from, end - from);
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos)
            return line.substr(first, line.find_last_not_of(' ') - first + 1);
        if (begin == std::string::npos) break;
        end = begin;
    }
    return {};
}

}  // namespace

EngineState engine_state_for(const RunRequest& r) {
    EngineState s;
    s.clock = r.clock;
    s.message_sink = r.message_sink;
    s.progress_sink = r.progress_sink;
    s.scratch_dir = r.scratch_dir;
    s.scratch_prefix = r.scratch_prefix;
    s.version = r.version.substr(0, 12);
    s.input_path = r.input;
    s.report_path = r.report;
    s.plot_path = r.plot;
    s.monitor_path = r.monitor;
    s.keep_result_tables = r.keep_result_tables;
    s.scratch_in_place = r.scratch_in_place;
    return s;
}

void analyse_on_streams(EngineState& s, std::string deck, std::ostream& report,
                        std::ostream& monitor) {
    s.report = &report;
    s.monitor = &monitor;
    run_deck(s, std::move(deck));
}

Analysis analyse_deck(const RunRequest& request, std::string deck, AnalysisTexts texts) {
    Analysis a;
    try {
        RunRequest r = request;
        r.scratch_dir.clear();  // nothing reaches the disk
        r.keep_result_tables = true;
        EngineState s = engine_state_for(r);
        // The report is always built: an error stop's message is taken from it. A monitor
        // nobody reads goes to a stream without a buffer, which drops what it is given.
        // Room for the report of a usual wall from the start: growing it step by step would
        // copy it over and over and take fresh pages from the system on every call.
        std::string room;
        room.reserve(kReportRoom);
        std::ostringstream report(std::move(room));
        std::ostringstream monitor_text;
        std::ostream no_monitor(nullptr);
        std::ostream& monitor =
            texts.monitor ? static_cast<std::ostream&>(monitor_text) : no_monitor;
        analyse_on_streams(s, std::move(deck), report, monitor);
        s.report = s.monitor = nullptr;
        a.problems = std::move(s.summaries);
        a.error_stop = s.error_stop;
        a.stop_reason = std::move(s.stop_reason);
        if (texts.plot && !s.error_stop) {
            a.plot = std::move(s.plot.text);  // whole blocks, as the file would hold them
        } else if (texts.plot) {
            std::ostringstream plot;
            write_plot_file(plot, s);
            a.plot = std::move(plot).str();
        }
        std::string report_text = std::move(report).str();
        if (a.error_stop) a.stop_message = stop_line(report_text);
        if (texts.report || a.error_stop) a.report = std::move(report_text);
        if (texts.monitor) a.monitor = std::move(monitor_text).str();
    } catch (const std::exception& e) {
        a.error_stop = true;
        a.stop_reason = e.what();
    } catch (...) {
        a.error_stop = true;
        a.stop_reason = "unexpected failure";
    }
    return a;
}

}  // namespace vornel
