#include "editor/data_file_layout.h"

namespace vornel {

DeckLayout DeckLayout::of(DataFormat f) {
    DeckLayout l;
    switch (f) {
        case DataFormat::V2015:
            break;
        case DataFormat::V2013:
            l.tiebacks = false;
            break;
        case DataFormat::V30:
            l.tiebacks = false;
            l.eiCount = false;
            break;
        case DataFormat::V20:
            l.tiebacks = false;
            l.eiCount = false;
            l.stageCount = false;
            l.soil20 = true;
            l.longTerm = false;
            break;
    }
    return l;
}

DeckLayout DeckLayout::stage(bool has_ei_count, bool has_tiebacks) {
    DeckLayout l;
    l.eiCount = has_ei_count;
    l.tiebacks = has_tiebacks;
    return l;
}

DataFormat format_for_filter(int filter_index) {
    switch (filter_index) {
        case 1:
            return DataFormat::V2015;
        case 2:
            return DataFormat::V2013;
        case 3:
            return DataFormat::V30;
        default:
            return DataFormat::V20;
    }
}

DataFormat format_for_extension(const QString& path) {
    const QString p = path.toLower();
    if (p.endsWith(QLatin1String(".vn4d"))) return DataFormat::V2013;
    if (p.endsWith(QLatin1String(".vnd"))) return DataFormat::V30;
    return DataFormat::V2015;
}

const SoilRow& soil_row_layout(int soil_type) {
    using U = SoilUnit;
    // Columns of the clay, sand, silt, strong-rock and weak-rock parameter tables.
    static const SoilRow clay{
        {{0, U::Weight}, {1, U::Stress}, {-1, U::None}, {2, U::None}, {3, U::None}, {4, U::None}}};
    static const SoilRow sand{
        {{0, U::Weight}, {-1, U::None}, {1, U::None}, {-1, U::None}, {2, U::None}, {3, U::None}}};
    static const SoilRow silt{
        {{0, U::Weight}, {2, U::Stress}, {1, U::None}, {3, U::None}, {4, U::None}, {5, U::None}}};
    static const SoilRow strong{
        {{0, U::Weight}, {1, U::None}, {-1, U::None}, {-1, U::None}, {-1, U::None}, {-1, U::None}}};
    static const SoilRow weak{
        {{0, U::Weight}, {1, U::None}, {-1, U::None}, {2, U::None}, {3, U::None}, {4, U::None}}};
    switch (soil_type) {
        case 4:
            return sand;
        case 5:
            return silt;
        case 6:
            return strong;
        case 7:
            return weak;
        default:
            return clay;
    }
}

std::array<int, 5> soil_row_layout_20(int soil_type) {
    switch (soil_type) {
        case 1:
        case 2:
        case 3:
            return {0, 1, -1, 2, 3};  // weight, cohesion, -, E50, k
        case 4:
            return {0, -1, 1, -1, 2};  // weight, -, friction, -, k
        case 5:
            return {0, 2, 1, 3, 4};  // weight, cohesion, friction, E50, k
        case 6:
            return {0, 1, -1, -1, -1};  // weight, compressive strength
        default:
            return {-1, -1, -1, -1, -1};
    }
}

double soil_file_factor(SoilUnit u, int unit_system) {
    if (unit_system != 1) return 1.0;
    switch (u) {
        case SoilUnit::Weight:
            return 1.0 / (kInchesPerFoot * kInchesPerFoot * kInchesPerFoot);
        case SoilUnit::Stress:
            return 1.0 / (kInchesPerFoot * kInchesPerFoot);
        case SoilUnit::None:
            return 1.0;
    }
    return 1.0;
}

}  // namespace vornel
