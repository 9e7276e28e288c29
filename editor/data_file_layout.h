// What the data file formats hold, and how a soil layer's parameters sit in the file.
//
// The current format (2015, *.vn5d) is the engine's input deck. Three older formats are read:
// 2013 (*.vn4d) lacks the tieback count and table and the wall width; 3.0 (*.vnd) also lacks
// the count of moment-EI curve sets, the surcharge table (a single surcharge stands in its
// place) and the multipliers of external p-y curve sets; 2.0 (*.vnd) also lacks the stage
// count and the long-term block and has its own soil layout.
#pragma once

#include <QString>
#include <array>

namespace vornel {

enum class DataFormat : int { V2015 = 1, V2013 = 2, V30 = 3, V20 = 4 };

struct DeckLayout {
    bool stageCount = true;  // stage count in the control line
    bool eiCount = true;     // count of moment-EI sets; surcharge table; curve multipliers
    bool tiebacks = true;    // tieback count and table; wall width after the free height
    bool soil20 = false;     // the 2.0 soil layout
    bool longTerm = true;    // long-term marker and block

    static DeckLayout of(DataFormat f);
    // A stage file read with the two stage-reading flags.
    static DeckLayout stage(bool has_ei_count, bool has_tiebacks);
};

// The format chosen by the Open dialog's filter index (1..5; 5 "All Files" reads as 2.0).
DataFormat format_for_filter(int filter_index);
// The format chosen by extension: ".vn4d" 2013, ".vnd" 3.0, anything else 2015.
DataFormat format_for_extension(const QString& path);

// One of the six values of a soil row in the file: which column of the layer's parameter
// table it comes from (-1: always 0), and how it converts to the file's units in English.
enum class SoilUnit { None, Weight, Stress };
struct SoilValue {
    int column;
    SoilUnit unit;
};
using SoilRow = std::array<SoilValue, 6>;
const SoilRow& soil_row_layout(int soil_type);  // types 1..7
// The five values of a 2.0 soil layer (-1: read and dropped); weak rock has none.
std::array<int, 5> soil_row_layout_20(int soil_type);

// English table units to file units: depths in ft to in, unit weights in lbs/ft^3 to
// lbs/in^3, stresses in lbs/ft^2 to lbs/in^2, line loads in lbs/ft to lbs/in. SI and the
// other system need no conversion.
constexpr double kInchesPerFoot = 12.0;
double soil_file_factor(SoilUnit u, int unit_system);

}  // namespace vornel
