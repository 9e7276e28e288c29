#include "engine/run/report_header.h"

#include "engine/base/fixed_format.h"
#include "engine/core/deck_reader.h"

namespace vornel {
namespace {

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

std::string two_digits(int v) {
    std::string s;
    if (v >= 0 && v < 10) s.push_back('0');
    return s + std::to_string(v);
}

std::string padded(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

std::string rule(char c) {
    return fmt::Line().x(5).repeat(c, 73).str();
}

std::string folder_of(const std::filesystem::path& p) {
    const std::string dir = p.parent_path().string();
    return dir.empty() ? dir : dir + "/";
}

}  // namespace

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

std::string date_time_line(const std::tm& t) {
    const int month = t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0;
    return fmt::Line()
        .x(15)
        .text("Date:  ")
        .text(kMonths[month])
        .text(" ")
        .text(two_digits(t.tm_mday))
        .text(", ")
        .text(std::to_string(t.tm_year + 1900))
        .x(5)
        .text("Time:  ")
        .text(two_digits(t.tm_hour) + ":" + two_digits(t.tm_min) + ":" + two_digits(t.tm_sec))
        .str();
}

void write_header(EngineState& s) {
    std::ostream& o = s.out();
    const std::string blanks20 = fmt::x(20);
    o << rule('=') << "\n\n";
    o << blanks20 << "  VORNEL for Windows, Version " << padded(s.version, 12) << "\n\n";
    o << blanks20 << "   A Program for the Analysis of \n";
    o << blanks20 << "   Flexible Retaining Walls \n";
    o << '\n' << rule('=') << "\n\n\n";
    o << "     Path to file locations      : " << folder_of(s.input_path) << '\n';
    o << "     Name of input data file     : " << s.input_path.filename().string() << '\n';
    o << "     Name of output file         : " << s.report_path.filename().string() << '\n';
    o << "     Name of plot output file    : " << s.plot_path.filename().string() << '\n';
    o << '\n';
    o << rule('-') << '\n' << fmt::x(26) << "Time and Date of Analysis\n" << rule('-') << "\n\n";
    o << date_time_line(s.clock ? s.clock() : local_now()) << '\n';
}

void write_problem_heading(EngineState& s) {
    fmt::Line line;
    line.x(6);
    if (s.control.stage_count >= 2) {
        line.text("Stage No :").i(s.problem, 2).x(2).text(padded(s.run_title, kTitleLength));
    } else if (s.problem >= 2) {
        line.text("Long Term :").x(2).text(padded(s.run_title, kTitleLength));
    } else {
        line.text(padded(s.title, kTitleLength));
    }
    s.out() << '\n' << line.str() << '\n';
}

void write_closing_line(std::ostream& report) {
    report << "\n\n\n     END OF ANALYSIS                             \n";
}

}  // namespace vornel
