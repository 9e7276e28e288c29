#include "engine/soil/py_report.h"

#include "engine/base/fixed_format.h"

namespace vornel::soil {
namespace {

std::string_view trim_right(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Appends `text` so that it ends at column `end`, or one blank after the current end of the
// line when it does not fit there.
void append_ending_at(std::string& line, std::string_view text, size_t end) {
    if (text.empty()) return;
    size_t start = end >= text.size() ? end - text.size() : 0;
    if (!line.empty() && start < line.size() + 1) start = line.size() + 1;
    if (start > line.size()) line.append(start - line.size(), ' ');
    line.append(text);
}

}  // namespace

void write_column_heads(std::ostream& out, int indent, const std::vector<ColumnHead>& heads) {
    // Both lines in one text, the units' line built apart and added at the end.
    std::string names, units;
    names.reserve(160);
    units.reserve(80);
    size_t end = static_cast<size_t>(indent > 0 ? indent : 0);
    for (const ColumnHead& h : heads) {
        end += static_cast<size_t>(h.width);
        const std::string_view unit = trim_right(h.unit);
        const size_t first = unit.find_first_not_of(' ');
        append_ending_at(names, h.name, end);
        append_ending_at(units, first == std::string_view::npos ? "" : unit.substr(first), end);
    }
    names.push_back('\n');
    names.append(units).push_back('\n');
    out << names;
}

void write_property_table(std::ostream& out, int indent, const std::vector<ColumnHead>& heads,
                          const std::string& values) {
    write_column_heads(out, indent, heads);
    out << values << "\n\n";
}

void write_point_heads(std::ostream& out, const UnitLabels& u, bool comma) {
    write_column_heads(out, 21,
                       {{comma ? "Y," : "Y", units::length(u), 20},
                        {comma ? "P," : "P", units::force_per_length(u), 20}});
}

void append_point_line(std::string& text, PointField field, double y, double p) {
    fmt::put_x(text, 21);
    for (double v : {y, p}) {
        switch (field) {
            case PointField::Fixed3:
                fmt::put_f(text, v, 20, 3);
                break;
            case PointField::Fixed5:
                fmt::put_f(text, v, 20, 5);
                break;
            case PointField::Exponent3:
                fmt::put_e(text, v, 20, 3);
                break;
            case PointField::DoubleExponent3:
                fmt::put_e(text, v, 20, 3, 'D');
                break;
        }
    }
    text.push_back('\n');
}

}  // namespace vornel::soil
