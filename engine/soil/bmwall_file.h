// The scratch file BMWALL.001: the generated pressure table handed from the earth-pressure
// chain to the driver, which reads it back into the pressure table of the wall.
//
// Line 1 is the point count N after one blank; then one line per point, 5X, E10.3, 4X,
// E10.3, 4X, E10.3, 4X, E10.3: depth, total, soil part, surcharge part (force / length^2 per
// unit width). N counts exactly the lines that follow.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/soil/pressure_tabulation.h"

namespace vornel::soil {

constexpr const char* kBmwallFileName = "BMWALL.001";

// The file's text for the points.
std::string bmwall_text(const std::vector<PressureRow>& points);

// Writes the file anew; false when it cannot be written.
bool write_bmwall_file(const std::filesystem::path& path, const std::vector<PressureRow>& points);

}  // namespace vornel::soil
