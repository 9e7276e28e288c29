#include "editor/program_data.h"

#include <algorithm>

namespace vornel {

TProgramData::TProgramData(ProjectTables& tables) : tables_(&tables) {
    tables_->reset();
}

void TProgramData::deriveCodes(bool long_term) {
    ProjectTables& t = *tables_;
    if (!UseConcentratedLoads) t.BoundCond.setRowCount(0);
    if (!UseRestraints) t.SoilLayer.setRowCount(0);
    if (!UseExternalPY) t.PYCurves2.setRowCount(0);
    if (!UsePYModifiers) t.PYMod.setRowCount(0);
    if (!UseSprings) t.SoilStrength.setRowCount(0);
    if (!UseTiebacks) t.TiebackTable1.setRowCount(0);
    if (!UseSurcharge) t.SurchargeTable.setRowCount(0);

    if (UserPressure()) {
        EarthPressureCode = 1;
        GeneratedPressure = false;
    } else if (GeneratedPressure || GeneratePY != 0) {
        EarthPressureCode = long_term ? 2 : EarthPressureOption;
    } else {
        EarthPressureCode = 0;
    }
    PYCode = GeneratePY != 0 ? 2 : UseExternalPY ? 1 : 0;
    EICurveCount = UseEICurves ? t.MEICurves2.rowCount() : 0;
    TiebackCount = UseTiebacks ? t.TiebackTable1.rowCount() : 0;
}

int TProgramData::restraintRows() const {
    return UseRestraints ? tables_->SoilLayer.rowCount() : 0;
}
int TProgramData::pyModRows() const {
    return UsePYModifiers ? tables_->PYMod.rowCount() : 0;
}
int TProgramData::userCurveCount() const {
    return UseExternalPY ? tables_->PYCurves2.rowCount() : 0;
}

void TProgramData::SetUnits(int system) {
    system = std::clamp(system, 1, 3);
    const int from = UnitSystem;
    double b = 1.0, c = 1.0;
    if (from == 1 && system == 2) {
        b = 0.0254;
        c = 0.004448222468060650624;
    } else if (from == 2 && system == 1) {
        b = 39.3701;
        c = 224.8089;
    }
    const bool convert = b != 1.0;
    if (convert) {
        for (double* v :
             {&IncrementLength, &MaxDeflection, &ClosureTolerance, &FreeHeight, &WaterDepthBackfill,
              &WaterDepthExcavation, &ActiveWidth, &PYWidth, &LegacySurchargeX, &LegacyStripWidth})
            *v *= b;
        SurfaceLoad *= c / (b * b);
        LegacyStripLoad *= c / (b * b);
        LegacyLineLoad *= c / b;
        LegacyPointLoad *= c;
    }
    UnitSystem = system;
    tables_->setUnits(system);
    if (!convert) return;
    // The magnitude column names no unit: its unit follows the load type of the row.
    TGridTable& s = tables_->SurchargeTable;
    for (int r = 0; r < s.rowCount(); ++r) {
        const int type = s.item(col::kSuType, r);
        const double f = type == 1 ? c : type == 2 ? c / b : type == 3 ? c / (b * b) : 1.0;
        s.setReal(col::kSuMagnitude, r, s.real(col::kSuMagnitude, r) * f);
    }
}

}  // namespace vornel
