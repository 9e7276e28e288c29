// Report pieces shared by the p-y generator's sections: column heads set over fixed-width
// value fields, and the lines of a one-sided curve. Unit groups and the framed heading are
// those of the other soil sections.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base/engine_state.h"
#include "engine/base/unit_labels.h"
#include "engine/soil/soil_report.h"

namespace vornel::soil {

// One column of a table: its head, the unit under it and the width of its value field.
struct ColumnHead {
    std::string name;
    std::string unit;
    int width = 10;
};

// Writes two lines, the names and the units, each right-aligned over its value field; the
// first field starts after `indent` blanks. A head wider than its field pushes the next
// ones right rather than being cut.
void write_column_heads(std::ostream& out, int indent, const std::vector<ColumnHead>& heads);

// A method's property table: the heads (see write_column_heads), the line of values built
// with the same indent and field widths, and an empty line.
void write_property_table(std::ostream& out, int indent, const std::vector<ColumnHead>& heads,
                          const std::string& values);

// Number field of the point lines of a curve side.
enum class PointField { Fixed3, Fixed5, Exponent3, DoubleExponent3 };

// The heads "Y" and "P" (with `comma`, "Y," and "P,") over the two point columns.
void write_point_heads(std::ostream& out, const UnitLabels& u, bool comma);

// One point line appended to `text`: 21 blanks, y and p in fields of width 20, end of line.
void append_point_line(std::string& text, PointField field, double y, double p);

}  // namespace vornel::soil
