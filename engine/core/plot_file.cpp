#include "engine/core/plot_file.h"

#include <string>
#include <string_view>

#include "engine/base/fixed_format.h"
#include "engine/core/pressure_table.h"

namespace vornel {
namespace {

void free_int(std::string& out, long long v) {
    out.push_back(' ');
    out.append(std::to_string(v));
}

void free_real(std::string& out, double v) {
    fmt::put_e(out, v, 15, 7);
}

void pressure_records(std::string& out, const EngineState& s) {
    const std::vector<PressurePoint>& p = s.pressure;
    const std::vector<std::size_t> rows = thinned_points(p.size(), s.control.unit_system);
    free_int(out, static_cast<long long>(rows.size()));
    out.push_back('\n');
    for (std::size_t i : rows) {
        // The second value is the station load divided back by h: the total pressure.
        const double total = p[i].total * s.wall.h / s.wall.h;
        const double soil = p[i].soil == 0.0 ? 1.0e-7 : p[i].soil;
        for (double v : {p[i].depth, total, soil, p[i].surcharge}) fmt::put_xe(out, 2, v, 10, 3);
        out.push_back('\n');
    }
}

void curve_points(std::string& out, const std::vector<double>& y, const std::vector<double>& p) {
    for (std::size_t k = 0; k < y.size(); ++k) {
        free_real(out, y[k]);
        free_real(out, p[k]);
        out.push_back('\n');
    }
}

void generated_curves_only(std::string& out, const EngineState& s) {
    for (const PlotCurve& c : s.generated_curves) {
        out.append(fmt::Line().x(1).f(c.depth, 10, 2).x(1).i(33, 5).str()).push_back('\n');
        curve_points(out, c.y, c.p);
    }
}

void labelled_curve(std::string& out, int label, const std::vector<double>& y,
                    const std::vector<double>& p) {
    free_int(out, label);
    free_int(out, static_cast<long long>(y.size()));
    out.push_back('\n');
    curve_points(out, y, p);
}

// Each curve is labelled with its station: a user curve's own, a generated curve's nearest.
void user_and_generated_curves(std::string& out, const EngineState& s) {
    for (const UserCurve& c : s.user_curves) labelled_curve(out, c.station, c.y_scaled, c.p_scaled);
    for (const PlotCurve& c : s.generated_curves) labelled_curve(out, c.station, c.y, c.p);
}

}  // namespace

void plot_pressure_section(EngineState& s) {
    std::string& out = s.plot.text;
    if (s.control.earth_pressure_code < 1) {
        free_int(out, 0);
        out.push_back('\n');
    } else {
        pressure_records(out, s);
    }
    s.plot.block_open = true;
    s.plot.pressure_written = true;
}

void plot_curve_section(EngineState& s) {
    std::string& out = s.plot.text;
    const std::size_t count = s.user_curves.size() + s.generated_curves.size();
    // Room for the curves and the node records of the block, in one allocation.
    std::size_t points = 0;
    for (const UserCurve& c : s.user_curves) points += c.y_scaled.size();
    for (const PlotCurve& c : s.generated_curves) points += c.y.size();
    out.reserve(out.size() + points * 32 + count * 16 +
                static_cast<std::size_t>(s.wall.ninc + 2) * 72 + 64);
    free_int(out, s.control.unit_system);
    free_int(out, static_cast<long long>(count));
    out.push_back('\n');
    if (s.user_curves.empty()) {
        generated_curves_only(out, s);
    } else {
        user_and_generated_curves(out, s);
    }
    s.plot.block_open = true;
    s.plot.curves_written = true;
}

void plot_results_block(EngineState& s) {
    std::string& out = s.plot.text;
    const std::size_t rows = s.results_valid ? s.results.size() : 0;
    out.push_back(' ');
    s.plot.kind_offsets.push_back(s.plot.handed_on + out.size());
    const std::string kind = std::to_string(s.result_kind);
    s.plot.kind_lengths.push_back(kind.size());
    out.append(kind);
    free_int(out, static_cast<long long>(rows));
    free_int(out, s.control.unit_system);
    out.push_back('\n');
    for (std::size_t k = 0; k < rows; ++k) {
        const StationResult& r = s.results[k];
        for (double v : {r.x, r.deflection, r.moment, r.shear, r.reaction}) {
            fmt::put_xe(out, 1, v, 13, 4);
        }
        out.push_back('\n');
    }
    s.plot.block_open = false;
    s.plot.pressure_written = false;
    s.plot.curves_written = false;
    if (s.plot.sink) {
        // The closed block goes on; its room is kept for the next one.
        s.plot.sink->write(out.data(), static_cast<std::streamsize>(out.size()));
        s.plot.handed_on += out.size();
        out.clear();
    }
}

void plot_complete_block(EngineState& s) {
    std::string& out = s.plot.text;
    if (!s.plot.pressure_written) {
        free_int(out, 0);
        out.push_back('\n');
    }
    if (!s.plot.curves_written) {
        free_int(out, s.control.unit_system);
        free_int(out, 0);
        out.push_back('\n');
    }
    plot_results_block(s);
}

void write_plot_file(std::ostream& out, const EngineState& s) {
    const std::string_view text = s.plot.text;
    if (!s.error_stop) {
        out << text;
        return;
    }
    const std::string blocks = std::to_string(s.plot.kind_offsets.size());
    const std::size_t start = s.plot.handed_on;  // where `text` starts in the file
    std::size_t from = 0;
    for (std::size_t b = 0; b < s.plot.kind_offsets.size(); ++b) {
        if (s.plot.kind_offsets[b] < start) continue;  // in a block handed on already
        const std::size_t at = s.plot.kind_offsets[b] - start;
        out << text.substr(from, at - from) << blocks;
        from = at + s.plot.kind_lengths[b];
    }
    out << text.substr(from);
}

}  // namespace vornel
