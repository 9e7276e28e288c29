// The data-entry tables of a project and the templates of their sub-tables.
//
// All tables live in one registry owned here; they are created once, in an order that gives
// every template its fixed identifier (the moment-EI point table takes identifier 0 after the
// restraint table, which held it first), and are reset rather than re-created on New and Open.
// Cell units follow each column's unit code (depths in ft or m, unit weights in lbs/ft^3 or
// kN/m^3, ...); the data file's units are the writer's and reader's business.
#pragma once

#include <vector>

#include "editor/grid_table.h"
#include "editor/grid_table_chart.h"
#include "editor/table_registry.h"

namespace vornel {

// Soil types in the order of the soil-layer pick list (and of the data file's type codes).
enum SoilType : int {
    kSoftClay = 1,
    kStiffClayFreeWater,
    kStiffClayNoFreeWater,
    kSand,
    kSilt,
    kStrongRock,
    kWeakRock
};

// Column indices of the tables whose columns are fixed.
namespace col {
enum PileSect { kPsFrom, kPsTo, kPsFlag, kPsEI };
enum SoilLayer { kRsCase, kRsNode, kRsDeflection, kRsSlope };  // restraints on deflection or slope
enum SoilStrength { kSpFlag, kSpFrom, kSpTo, kSpLateral, kSpRotational };  // lateral springs
enum BoundCond { kClFlag, kClFrom, kClTo, kClLoad, kClMoment, kClAxial };  // concentrated loads
enum PYMod { kPmDepth, kPmP, kPmY };
enum DistLoad { kDlDepth, kDlLoad };
enum NewSoil { kSlType, kSlDepth, kSlParameters };
enum Surcharge { kSuType, kSuMagnitude, kSuDistance, kSuWidth };
enum Tieback { kTbDepth, kTbArea, kTbModulus, kTbLength, kTbAngle, kTbSpacing };
enum MEICurves2 { kEiFrom, kEiTo, kEiPoints };
enum Rows2 { kEiMoment, kEiRigidity };
enum PYCurves2 { kPyNode, kPyPoints, kPyPMult, kPyYMult };
enum PYCurve2 { kPyDeflection, kPyResistance };
}  // namespace col

class ProjectTables {
  public:
    ProjectTables();
    ProjectTables(const ProjectTables&) = delete;
    ProjectTables& operator=(const ProjectTables&) = delete;

    TableRegistry registry;
    // SoilLayer holds the restraints on deflection or slope, SoilStrength the lateral springs
    // and BoundCond the concentrated loads on the wall (the names are the stored tables').
    TGridTable PileSect{registry}, SoilLayer{registry}, SoilStrength{registry}, BoundCond{registry},
        PYMod{registry}, DistLoad{registry}, LongDist{registry}, NewSoil{registry},
        LongSoil{registry};
    TGridTable TblClay1{registry}, TblSand1{registry}, TblSilt1{registry}, TblRock1{registry},
        TblRock2{registry};
    TGridTable SurchargeTable{registry}, TiebackTable1{registry};
    TGridTableChart MEICurves2{registry}, Rows2{registry}, PYCurves2{registry}, PYCurve2{registry};

    // The tables a project holds data in (not the sub-table templates).
    std::vector<TGridTable*> dataTables();

    // New project: English units, every table emptied and filled to its minimum row count.
    void reset();
    // Empty every table and give it the unit system of the file about to be read.
    void emptyAll(int unit_system);
    // After reading: every table but the chart tables gets at least its minimum rows.
    void fillNonChartToMinimum();
    void setUnits(int unit_system);
    bool anyChanged();
    void resetChanged();
};

}  // namespace vornel
