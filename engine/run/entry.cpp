#include "engine/run/entry.h"

#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

#include "engine/base/free_format_reader.h"
#include "engine/core/plot_file.h"
#include "engine/run/driver.h"
#include "engine/run/names_file.h"
#include "engine/run/report_header.h"

namespace vornel {
namespace {

EngineState state_for(const RunRequest& r) {
    EngineState s;
    s.clock = r.clock;
    s.message_sink = r.message_sink;
    s.progress_sink = r.progress_sink;
    s.scratch_dir = r.scratch_dir;
    s.version = r.version.substr(0, 12);
    s.input_path = r.input;
    s.report_path = r.report;
    s.plot_path = r.plot;
    s.monitor_path = r.monitor;
    return s;
}

// An output file of the run, created new and written through a buffer large enough for a
// whole report section. An existing file is removed first rather than truncated: rewriting
// a truncated file makes the file system flush it at once on close, which costs more than
// the whole analysis.
class OutputFile {
  public:
    explicit OutputFile(const std::filesystem::path& path) : buffer_(std::size_t{1} << 14) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        stream.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        stream.open(path, std::ios::binary | std::ios::trunc);
    }
    std::ofstream stream;

  private:
    std::vector<char> buffer_;
};

void write_plot_file(EngineState& s) {
    std::error_code ec;
    std::filesystem::remove(s.plot_path, ec);
    std::ofstream plot(s.plot_path, std::ios::binary | std::ios::trunc);
    const std::string text = plot_file_text(s);
    plot.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!plot) s.message("cannot write the plot file " + s.plot_path.string());
}

}  // namespace

EngineState run_analysis(const RunRequest& request) {
    EngineState s = state_for(request);
    try {
        OutputFile report_file(s.report_path), monitor_file(s.monitor_path);
        std::ofstream& report = report_file.stream;
        std::ofstream& monitor = monitor_file.stream;
        if (!report || !monitor) {
            s.error_stop = true;
            s.stop_reason = "cannot create the output files beside " + s.report_path.string();
            return s;
        }
        s.report = &report;
        s.monitor = &monitor;
        std::string deck;
        if (read_file(s.input_path, deck)) {
            run_deck(s, std::move(deck));
        } else {
            s.input_unreadable = true;
            s.error_stop = true;
            s.stop_reason = "cannot open the input data file " + s.input_path.string();
            report << "\n\n     ERROR STOP -- CANNOT OPEN THE INPUT DATA FILE "
                   << s.input_path.filename().string() << '\n';
            write_closing_line(report);
            plot_complete_block(s);
        }
        report.close();
        write_plot_file(s);
        monitor.close();
    } catch (const std::exception& e) {
        s.error_stop = true;
        s.stop_reason = e.what();
    } catch (...) {
        s.error_stop = true;
        s.stop_reason = "unexpected failure";
    }
    s.report = nullptr;
    s.monitor = nullptr;
    return s;
}

int enter_in(const std::filesystem::path& working_dir, int interface_code,
             const std::function<void(const std::string&)>& message_sink) noexcept {
    if (interface_code != kInterfaceCode) return 1;
    try {
        RunRequest request;
        request.message_sink = message_sink;
        request.progress_sink = message_sink;  // the console shows the progress lines
        if (!read_names_file(working_dir / "NAMES.dat", request, message_sink)) return 0;
        request.scratch_dir = working_dir;
        run_analysis(request);
    } catch (...) {
        // The engine never ends or disturbs the process that hosts it.
    }
    return 0;
}

int enter(int interface_code) noexcept {
    if (interface_code != kInterfaceCode) return 1;
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    if (ec) return 0;
    return enter_in(dir, interface_code, {});
}

}  // namespace vornel
